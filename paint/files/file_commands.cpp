#include "paint/files/file_commands.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>

#include "paint/files/openpic.h"
#include "paint/files/picture_files.h"
#include "paint/files/saveuser.h"
#include "platform/folders.h"
#include "platform/prompt.h"

namespace pz {

namespace {

// Shows the open window in `mode`; true when a path was chosen.
bool choosePicture(FilesHost& host, int mode) {
  PaintState& st = host.state();
  st.openMode = mode;
  {
    Topenpic window(st, host.dialogParent());
    host.runModal(&window);
  }
  QCoreApplication::processEvents();
  return !st.chosenPicture.isEmpty();
}

// Decodes the chosen picture before anything is replaced, so a file that
// cannot be read leaves the picture, its undo copy and its name alone.
std::optional<Surface> decodeChosen(FilesHost& host) {
  QString message;
  auto s = readPicture(host.state().chosenPicture, &message);
  if (!s) prompter().info(message);
  return s;
}

void replacePicture(PaintState& st, Surface&& picture) {
  st.undoBmp = picture;
  st.pictureBmp = std::move(picture);
  st.pictureChanged = false;
}

struct BusyCursor {
  BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
};

// Writes the picture to `path`; the undo point and redraw of every save.
bool writePicture(FilesHost& host, const QString& path) {
  PaintState& st = host.state();
  host.takeUndoCopy();
  QString message;
  const bool ok = savePictureJpeg(st.pictureBmp, path, &message);
  if (ok)
    st.pictureChanged = false;
  else
    prompter().info(message);
  st.spritePos = {};
  host.refreshAll();
  return ok;
}

}  // namespace

QString captionFor(const QString& pictureName) {
  return pictureName.isEmpty() ? QCoreApplication::translate("pz::Files", "Pinzola -- (untitled)") : QCoreApplication::translate("pz::Files", "Pinzola -- %1").arg(pictureName);
}

QString savedPicturePath(const PaintState& st, const QString& name) {
  return pathOnDisk(st.programDir + kUserFolder, name, QStringLiteral("jpg"));
}

QString saveFirstQuestion() {
  return QCoreApplication::translate("Tmainpinz", "Do you want to save your picture first?");
}

bool saveChangesFirst(FilesHost& host) {
  PaintState& st = host.state();
  if (!st.pictureChanged) return true;
  switch (prompter().ask(saveFirstQuestion())) {
    case Answer::No: return true;
    case Answer::Cancel: return false;
    case Answer::Yes: break;
  }
  savePinzolaPicture(host);
  return !st.pictureChanged;
}

void openPinzolaPicture(FilesHost& host) {
  PaintState& st = host.state();
  // Asked once a picture was chosen and before it is read, so a picture saved
  // under the name being opened is read as just saved.
  if (!choosePicture(host, 1) || !saveChangesFirst(host)) {
    host.refreshAll();
    return;
  }
  auto picture = decodeChosen(host);
  if (!picture) {
    host.refreshAll();
    return;
  }
  st.pictureName.clear();
  replacePicture(st, std::move(*picture));
  host.resetScrollBars();
  st.zoomState = 4;
  host.setCaption(QCoreApplication::translate("pz::Files", "Pinzola -- using %1").arg(st.chosenPicture));
  host.refreshAll();
  st.spritePos = {};
}

void openSavedPicture(FilesHost& host) {
  PaintState& st = host.state();
  st.openMode = 2;
  if (listFolder(st.programDir + QStringLiteral("/user"), QStringLiteral("jpg")).isEmpty()) {
    prompter().info(QCoreApplication::translate("pz::Files", kNoSavedPictures));
    return;
  }
  if (!choosePicture(host, 2) || !saveChangesFirst(host)) {
    host.refreshAll();
    return;
  }
  auto picture = decodeChosen(host);
  if (!picture) {
    host.refreshAll();
    return;
  }
  st.pictureName = displayName(QFileInfo(st.chosenPicture).fileName());
  replacePicture(st, std::move(*picture));
  host.resetScrollBars();
  st.zoomState = 4;
  host.refreshAll();
  st.spritePos = {};

  host.setCaption(QCoreApplication::translate("pz::Files", "Pinzola -- adjusting colors"));
  {
    BusyCursor busy;
    host.showProgress(QCoreApplication::translate("pz::Files", "%1%").arg(0));
    cleanUpColors(st.pictureBmp, [&host](int percent) { host.showProgress(QCoreApplication::translate("pz::Files", "%1%").arg(percent)); });
    st.undoBmp = st.pictureBmp;
    st.pictureChanged = false;  // the clean-up is part of opening
    host.hideProgress();
    host.setCaption(QCoreApplication::translate("pz::Files", "Pinzola -- %1").arg(st.pictureName));
  }
  // Show the picture as cleaned, not as it was decoded.
  host.refreshAll();
}

void savePinzolaPicture(FilesHost& host) {
  PaintState& st = host.state();
  if (st.pictureName.isEmpty()) {
    savePinzolaPictureAs(host);
    return;
  }
  writePicture(host, savedPicturePath(st, st.pictureName));
}

void savePinzolaPictureAs(FilesHost& host) {
  PaintState& st = host.state();
  const QString remembered = st.pictureName;
  st.pictureName.clear();
  {
    Tsaveuser window(st, host.dialogParent());
    host.runModal(&window);
  }
  QCoreApplication::processEvents();

  if (st.pictureName.isEmpty()) {
    st.pictureName = remembered;
  } else if (const QString problem = pictureNameProblem(st.pictureName); !problem.isEmpty()) {
    prompter().info(problem);
    st.pictureName = remembered;
  } else {
    const QString path = savedPicturePath(st, st.pictureName);
    const bool exists = QFileInfo::exists(path);
    if (!exists || prompter().confirm(QCoreApplication::translate("pz::Files", "%1already exists. Overwrite?").arg(path))) {
      // A save that failed must not leave the picture named after a file
      // that was never written.
      if (!writePicture(host, path)) st.pictureName = remembered;
    }
  }
  host.setCaption(captionFor(st.pictureName));
  st.spritePos = {};
  host.refreshAll();
}

}  // namespace pz
