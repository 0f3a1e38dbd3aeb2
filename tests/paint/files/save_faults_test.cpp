// Saving onto a real full disk and a real read-only folder: user/ is a small
// tmpfs. The save must say why it failed, leave the earlier picture of that
// name and the picture being painted alone, and work again once the fault
// is gone.
#include <QFile>
#include <sched.h>
#include <sys/mount.h>

#include "files_support.h"
#include "paint/files/picture_files.h"
#include "save_pictures.h"

namespace pz::testing {
namespace {

QByteArray contents(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A tmpfs over a folder, mounted in a mount namespace of this test process
// alone: nobody else sees it and it cannot outlive the process.
class ScratchDisk {
 public:
  ScratchDisk(const QString& dir, int kilobytes) : dir_(QFile::encodeName(dir)) {
    static const bool isolated =
        ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k,mode=0755";
    mounted_ = isolated && ::mount("tmpfs", dir_.constData(), "tmpfs", 0, options.constData()) == 0;
  }
  ~ScratchDisk() {
    if (mounted_) ::umount2(dir_.constData(), MNT_DETACH);
  }
  bool mounted() const { return mounted_; }
  bool setReadOnly(bool readOnly) {
    return ::mount(nullptr, dir_.constData(), nullptr, MS_REMOUNT | (readOnly ? MS_RDONLY : 0), nullptr) == 0;
  }
  // Fills what room is left with one file.
  void fill(const QString& path) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(4096, 'f');
    while (f.write(block) == block.size()) {
    }
  }

 private:
  QByteArray dir_;
  bool mounted_ = false;
};

struct Fault {
  const char* name;
  bool readOnly;  // else the disk is full
  bool saveAs;    // Save As under a new name, else Save over the earlier one
  const char* reason;
};

class SaveFault : public ::testing::TestWithParam<Fault> {};

TEST_P(SaveFault, SaysWhyKeepsTheEarlierFileAndThePictureAndSavesOnceFixed) {
  const Fault f = GetParam();
  FakeHost h;
  ScratchDisk disk(h.folder("user"), 256);
  if (!disk.mounted()) GTEST_SKIP() << "cannot mount a tmpfs here (needs root or CAP_SYS_ADMIN)";
  const QString earlierPath = h.folder("user") + "cat.jpg";
  const QByteArray earlier = encodeJpeg(patterned(40, 40, rgb(0, 0, 200)), 100);
  writeBytes(earlierPath, earlier);
  const QString target = f.saveAs ? h.folder("user") + "dog.jpg" : earlierPath;
  h.st.pictureName = "cat";
  h.st.pictureBmp = noisyPicture(60, 60, 5);
  const Surface painted = h.st.pictureBmp;
  const QString filler = h.folder("user") + "filler";
  if (f.readOnly)
    ASSERT_TRUE(disk.setReadOnly(true));
  else
    disk.fill(filler);

  auto save = [&] {
    if (f.saveAs) {
      h.onModal = typeName("dog");
      savePinzolaPictureAs(h);
    } else {
      savePinzolaPicture(h);
    }
  };
  save();
  ASSERT_EQ(h.prompts.shown.size(), 1);
  const QString message = h.prompts.shown[0];
  EXPECT_TRUE(message.contains(target)) << message.toStdString();
  EXPECT_TRUE(message.contains(QLatin1String(f.reason))) << message.toStdString();
  EXPECT_TRUE(message.contains("unchanged")) << message.toStdString();
  EXPECT_EQ(contents(earlierPath), earlier);
  QStringList expected{"cat.jpg"};
  if (!f.readOnly) expected << "filler";
  EXPECT_EQ(h.entries("user"), expected) << "nothing half-written is left";
  EXPECT_EQ(h.st.pictureBmp, painted);
  EXPECT_EQ(h.st.pictureName, "cat") << "the name still names the file that holds the earlier picture";
  if (f.saveAs) EXPECT_EQ(h.captions.back(), "Pinzola -- cat");

  // Painting goes on, and once there is room again the same save works.
  h.st.pictureBmp.setPixel(3, 3, kBlack);
  if (f.readOnly)
    ASSERT_TRUE(disk.setReadOnly(false));
  else
    ASSERT_TRUE(QFile::remove(filler));
  h.prompts.shown.clear();
  save();
  EXPECT_TRUE(h.prompts.shown.isEmpty()) << h.prompts.shown.join("|").toStdString();
  EXPECT_EQ(contents(target), encodeJpeg(h.st.pictureBmp, 100));
  EXPECT_EQ(h.st.pictureName, f.saveAs ? "dog" : "cat");
}

INSTANTIATE_TEST_SUITE_P(UserFolder, SaveFault,
                         ::testing::Values(Fault{"FullDiskSave", false, false, "No space left on device"},
                                           Fault{"FullDiskSaveAs", false, true, "No space left on device"},
                                           Fault{"ReadOnlySave", true, false, "Read-only file system"},
                                           Fault{"ReadOnlySaveAs", true, true, "Read-only file system"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pz::testing
