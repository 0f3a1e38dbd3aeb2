// Saving: the name window, the overwrite question, captions, and a save that
// is all or nothing.
#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include "files_support.h"
#include "paint/files/picture_files.h"

namespace pz::testing {
namespace {

QByteArray contents(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(Save, UntitledSaveIsSaveAs) {
  FakeHost h;
  h.st.pictureBmp = patterned(800, 800, rgb(200, 0, 0));
  h.onModal = typeName("first");
  savePinzolaPicture(h);
  EXPECT_EQ(h.modals, 1);
  EXPECT_EQ(h.st.pictureName, "first");
  EXPECT_EQ(h.captions.back(), "Pinzola -- first");
  EXPECT_EQ(h.entries("user"), QStringList{"first.jpg"}) << "only the .jpg: no .bmp, no temporary file";
  auto back = NViewLibLoad(h.folder("user") + "first.jpg");
  ASSERT_TRUE(back);
  EXPECT_EQ(back->width(), 800);
}

TEST(Save, SaveOfANamedPictureReplacesWithoutAskingAndKeepsTheCaption) {
  FakeHost h;
  h.st.pictureName = "cat";
  ASSERT_TRUE(NViewLibSaveAsJPG(100, h.folder("user") + "cat.jpg", Surface(10, 10, kBlack)));
  h.st.pictureBmp = Surface(600, 800, rgb(0, 0, 200));  // a portrait drawing stays portrait
  savePinzolaPicture(h);
  EXPECT_EQ(h.modals, 0);
  EXPECT_TRUE(h.prompts.shown.isEmpty());
  EXPECT_TRUE(h.captions.isEmpty());
  auto back = NViewLibLoad(h.folder("user") + "cat.jpg");
  ASSERT_TRUE(back);
  EXPECT_EQ(back->width(), 600);
  EXPECT_EQ(back->height(), 800);
  EXPECT_EQ(h.entries("user"), QStringList{"cat.jpg"});
}

TEST(Save, SaveIsAnUndoPoint) {
  FakeHost h;
  h.st.pictureName = "cat";
  h.st.pictureBmp = patterned(800, 800, rgb(0, 200, 0));
  savePinzolaPicture(h);
  EXPECT_EQ(h.undoCopies, 1);
  EXPECT_EQ(h.st.undoBmp, h.st.pictureBmp) << "undo right after a save leaves the picture as saved";
  EXPECT_EQ(h.st.spritePos, Point{});
  EXPECT_GE(h.refreshes, 1);
}

TEST(SaveAs, ExistingNameAsksWithThePathAndNoWritesNothing) {
  FakeHost h;
  const QString path = h.folder("user") + "dog.jpg";
  ASSERT_TRUE(NViewLibSaveAsJPG(100, path, Surface(10, 10, kBlack)));
  const QByteArray before = contents(path);
  h.prompts.answers = {false};
  h.onModal = typeName("dog");
  savePinzolaPictureAs(h);
  EXPECT_EQ(h.prompts.shown, QStringList{path + "already exists. Overwrite?"});
  EXPECT_EQ(contents(path), before);
  EXPECT_EQ(h.st.pictureName, "dog");
  EXPECT_EQ(h.captions.back(), "Pinzola -- dog");
  EXPECT_EQ(h.undoCopies, 0);

  h.prompts.answers = {true};
  h.prompts.shown.clear();
  savePinzolaPictureAs(h);
  EXPECT_NE(contents(path), before);
  EXPECT_EQ(h.entries("user"), QStringList{"dog.jpg"});
}

TEST(SaveAs, CancelPutsTheRememberedNameBack) {
  for (const QString& earlier : {QString(), QStringLiteral("mine")}) {
    FakeHost h;
    h.st.pictureName = earlier;
    h.onModal = typeName("typed but cancelled", /*ok=*/false);
    savePinzolaPictureAs(h);
    EXPECT_EQ(h.st.pictureName, earlier);
    EXPECT_EQ(h.captions.back(), earlier.isEmpty() ? "Pinzola -- (untitled)" : "Pinzola -- mine");
    EXPECT_TRUE(h.entries("user").isEmpty());
  }
  FakeHost h;  // OK with an empty box is Cancel too
  h.onModal = typeName("");
  savePinzolaPictureAs(h);
  EXPECT_EQ(h.captions.back(), "Pinzola -- (untitled)");
  EXPECT_TRUE(h.entries("user").isEmpty());
}

TEST(SaveAs, NamesThatCannotBeAFileInUserAreRefused) {
  const QString bad[] = {"../escape", "a/b", ".", "..", QString("tab\there"), QString("new\nline"),
                         QString(300, QChar('x')),
                         // Blanks only: listed as an empty line.
                         " ", "   ", QString(2, QChar(0x00A0))};
  for (const QString& name : bad) {
    FakeHost h;
    h.st.pictureName = "mine";
    h.onModal = typeName(name);
    savePinzolaPictureAs(h);
    EXPECT_EQ(h.prompts.shown.size(), 1) << name.toStdString();
    EXPECT_EQ(h.st.pictureName, "mine");
    EXPECT_TRUE(h.entries("user").isEmpty()) << name.toStdString();
    EXPECT_FALSE(QFileInfo::exists(h.dir.path() + "/escape.jpg"));
    EXPECT_EQ(h.undoCopies, 0);
  }
  // Anything else is used exactly as typed.
  for (const QString& name : {QStringLiteral(" spaced "), QStringLiteral("Émile's cat"), QStringLiteral("my.cat"),
                              QStringLiteral("a:b")}) {
    FakeHost h;
    h.onModal = typeName(name);
    savePinzolaPictureAs(h);
    EXPECT_TRUE(h.prompts.shown.isEmpty()) << name.toStdString();
    EXPECT_EQ(h.entries("user"), QStringList{name + ".jpg"});
  }
}

// Makes a folder impossible to change, also for root (which ignores modes):
// the immutable attribute where the file system has it.
class LockedFolder {
 public:
  explicit LockedFolder(const QString& dir) : path_(QFile::encodeName(dir)) {
    ::chmod(path_.constData(), 0555);
    if (::geteuid() != 0) {
      locked_ = true;
      return;
    }
    fd_ = ::open(path_.constData(), O_RDONLY | O_DIRECTORY);
    int flags = 0;
    if (fd_ >= 0 && ::ioctl(fd_, FS_IOC_GETFLAGS, &flags) == 0) {
      flags |= FS_IMMUTABLE_FL;
      locked_ = ::ioctl(fd_, FS_IOC_SETFLAGS, &flags) == 0;
    }
  }
  ~LockedFolder() {
    if (fd_ >= 0) {
      int flags = 0;
      if (::ioctl(fd_, FS_IOC_GETFLAGS, &flags) == 0) {
        flags &= ~FS_IMMUTABLE_FL;
        ::ioctl(fd_, FS_IOC_SETFLAGS, &flags);
      }
      ::close(fd_);
    }
    ::chmod(path_.constData(), 0755);
  }
  bool locked() const { return locked_; }

 private:
  QByteArray path_;
  int fd_ = -1;
  bool locked_ = false;
};

TEST(Save, ReadOnlyUserFolderKeepsTheOldFileAndSaysSo) {
  FakeHost h;
  const QString path = h.folder("user") + "cat.jpg";
  ASSERT_TRUE(NViewLibSaveAsJPG(100, path, Surface(10, 10, kBlack)));
  const QByteArray before = contents(path);
  h.st.pictureName = "cat";
  h.st.pictureBmp = patterned(800, 800, rgb(0, 0, 255));
  {
    LockedFolder lock(h.folder("user"));
    if (!lock.locked()) GTEST_SKIP() << "cannot make a read-only folder here";
    savePinzolaPicture(h);
  }
  ASSERT_EQ(h.prompts.shown.size(), 1);
  EXPECT_TRUE(h.prompts.shown[0].contains(path)) << h.prompts.shown[0].toStdString();
  EXPECT_EQ(contents(path), before);
  EXPECT_EQ(h.entries("user"), QStringList{"cat.jpg"});
}

TEST(SaveAs, FailedSaveAsKeepsTheEarlierName) {
  FakeHost h;
  h.st.pictureName = "mine";
  h.onModal = typeName("new name");
  {
    LockedFolder lock(h.folder("user"));
    if (!lock.locked()) GTEST_SKIP() << "cannot make a read-only folder here";
    savePinzolaPictureAs(h);
  }
  EXPECT_EQ(h.prompts.shown.size(), 1);
  EXPECT_EQ(h.st.pictureName, "mine");
  EXPECT_EQ(h.captions.back(), "Pinzola -- mine");
  EXPECT_TRUE(h.entries("user").isEmpty());
}

TEST(SaveWindow, OnlyThePicturesCloseIt) {
  PaintState st;
  st.pictureName = "x";
  Tsaveuser w(st);
  EXPECT_EQ(w.windowTitle(), "Enter the name you wish to save this picture as...");
  EXPECT_EQ(w.size(), QSize(456, 94));
  EXPECT_TRUE(w.Edit1->text().isEmpty());
  w.show();
  for (int key : {int(Qt::Key_Escape), int(Qt::Key_Return)}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &press);
    EXPECT_TRUE(w.isVisible()) << key;
  }
  w.Edit1->setText("Bob");
  w.Image1Click();
  EXPECT_EQ(st.pictureName, "Bob");
  EXPECT_FALSE(w.isVisible());
}

}  // namespace
}  // namespace pz::testing
