// The file menu's commands as plain functions over the main window's state:
// "Open Pinzola Picture...", "Open Saved Pinzola Picture...", "Save Pinzola
// Picture" and "Save Pinzola Picture As...". The main window's handlers call
// them with itself as the host.
#pragma once

#include <QCoreApplication>
#include <QString>

#include "paint/tools/paint_state.h"

class QDialog;
class QWidget;

namespace pz {

// What the commands need from the main window.
class FilesHost {
 public:
  virtual ~FilesHost() = default;
  virtual PaintState& state() = 0;
  virtual QWidget* dialogParent() = 0;
  // Shows a modal window (through the main window's modal hook).
  virtual int runModal(QDialog* dialog) = 0;
  virtual void refreshAll() = 0;
  virtual void takeUndoCopy() = 0;
  // Both scroll bars to 0.
  virtual void resetScrollBars() = 0;
  virtual void setCaption(const QString& caption) = 0;
  // The progress label of the control strip: shown with `text` and repainted
  // at once; hidden again by hideProgress.
  virtual void showProgress(const QString& text) = 0;
  virtual void hideProgress() = 0;
};

inline const char* const kNoSavedPictures = QT_TRANSLATE_NOOP("pz::Files", "No Saved Pictures to open.");

// The window caption for a picture name ("" = untitled).
QString captionFor(const QString& pictureName);

// Before the picture is thrown away (quitting, opening another one): when it
// changed since it was started, opened or saved, asks whether to save it
// first. Yes runs Save; true when the caller may go on (saved, No, or
// nothing to save), false when it must stop (Cancel, or the save did not
// happen: its name window was cancelled, the name refused, the write failed).
bool saveChangesFirst(FilesHost& host);
QString saveFirstQuestion();

void openPinzolaPicture(FilesHost& host);
void openSavedPicture(FilesHost& host);
void savePinzolaPicture(FilesHost& host);
void savePinzolaPictureAs(FilesHost& host);

// The JPEG file a picture name is saved to: user/ + name + ".jpg", or the
// file of that name already there whatever the case of its extension.
QString savedPicturePath(const PaintState& st, const QString& name);

}  // namespace pz
