// A stand-in for the main window so the file commands run without it: it
// records what the commands asked of the window and lets a test act in each
// modal window before it "closes".
#pragma once

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

#include "paint/files/file_commands.h"
#include "paint/files/openpic.h"
#include "paint/files/saveuser.h"
#include "platform/bmp.h"
#include "platform/jpeg.h"
#include "platform/prompt.h"

namespace pz::testing {

struct FakeHost : FilesHost {
  FakeHost() {
    st.programDir = dir.path();
    for (const char* sub : {"bmps", "user", "palettes"}) QDir(dir.path()).mkdir(QString::fromLatin1(sub));
    st.pictureBmp.create(800, 800);
    st.undoBmp.create(800, 800);
  }
  PaintState& state() override { return st; }
  QWidget* dialogParent() override { return nullptr; }
  int runModal(QDialog* d) override {
    ++modals;
    if (onModal) onModal(d);
    return d->result();
  }
  void refreshAll() override { ++refreshes; }
  void takeUndoCopy() override {
    ++undoCopies;
    st.undoBmp = st.pictureBmp;
  }
  void resetScrollBars() override { scrollResets++; }
  void setCaption(const QString& c) override { captions << c; }
  void showProgress(const QString& t) override {
    progressShown = true;
    progress << t;
  }
  void hideProgress() override { progressShown = false; }

  QString folder(const char* sub) const { return dir.path() + "/" + sub + "/"; }
  QStringList entries(const char* sub) const {
    return QDir(folder(sub)).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
  }

  QTemporaryDir dir;
  PaintState st;
  ScriptedPrompter prompts;
  std::function<void(QDialog*)> onModal;
  int modals = 0, refreshes = 0, undoCopies = 0, scrollResets = 0;
  bool progressShown = false;
  QStringList captions, progress;
};

// Clicks the list entry shown as `name` in the open window, then OK.
inline std::function<void(QDialog*)> pickEntry(const QString& name, bool ok = true) {
  return [name, ok](QDialog* d) {
    auto* w = dynamic_cast<Topenpic*>(d);
    ASSERT_TRUE(w);
    const auto found = w->bmpnames->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name.toStdString();
    w->bmpnames->setCurrentItem(found.front());
    w->bmpnamesClick();
    if (ok)
      w->Image2Click();
    else
      w->Image3Click();
  };
}

// Types `name` in the name window and presses OK (or Cancel).
inline std::function<void(QDialog*)> typeName(const QString& name, bool ok = true) {
  return [name, ok](QDialog* d) {
    auto* w = dynamic_cast<Tsaveuser*>(d);
    ASSERT_TRUE(w);
    w->Edit1->setText(name);
    if (ok)
      w->Image1Click();
    else
      w->Image2Click();
  };
}

inline Surface patterned(int w, int h, Color c) {
  Surface s(w, h, kWhite);
  s.fillRect({w / 4, h / 4, w / 2, h / 2}, c);
  return s;
}

inline void writeBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

}  // namespace pz::testing
