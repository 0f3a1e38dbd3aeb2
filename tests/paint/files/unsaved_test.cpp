// A changed picture is offered a save before an open replaces it.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "files_support.h"
#include "paint/files/picture_files.h"

namespace pz::testing {
namespace {

const Color kPainted = rgb(220, 30, 30);

// What the child does in the name window, if it comes.
enum class Name { None, Typed, Cancelled, Blanks };

struct OpenCase {
  const char* what;
  bool changed;
  const char* pictureName;  // "" = untitled
  std::vector<Answer> answers;
  Name name;
  bool userFolderBroken;  // user/ cannot be written to
  bool opened;
  const char* savedAs;  // the file the painting went to, "" = none
};

void PrintTo(const OpenCase& c, std::ostream* os) { *os << c.what; }

class SaveBeforeOpen : public ::testing::TestWithParam<OpenCase> {};

TEST_P(SaveBeforeOpen, AsksOnlyForAChangedPictureAndOpensOnlyWhenNothingIsLost) {
  const OpenCase c = GetParam();
  FakeHost h;
  const Surface drawing = patterned(300, 200, kBlack);
  ASSERT_TRUE(writeBmp24(h.folder("bmps") + "dog.bmp", drawing));
  const Surface painting = patterned(800, 800, kPainted);
  h.st.pictureBmp = painting;
  h.st.pictureName = QString::fromUtf8(c.pictureName);
  h.st.pictureChanged = c.changed;
  for (Answer a : c.answers) h.prompts.choices.push_back(a);
  if (c.userFolderBroken) {
    ASSERT_TRUE(QDir(h.folder("user")).removeRecursively());
    writeBytes(h.dir.path() + "/user", "a file where the folder should be");
  }
  int nameWindows = 0;
  h.onModal = [&](QDialog* d) {
    if (dynamic_cast<Topenpic*>(d)) return pickEntry("dog")(d);
    ++nameWindows;
    switch (c.name) {
      case Name::Typed: return typeName("kept")(d);
      case Name::Blanks: return typeName("   ")(d);
      case Name::Cancelled: return typeName("ignored", /*ok=*/false)(d);
      case Name::None: ADD_FAILURE() << c.what << ": unexpected name window";
    }
  };
  openPinzolaPicture(h);

  const int asked = int(h.prompts.shown.count(saveFirstQuestion()));
  EXPECT_EQ(asked, c.changed ? 1 : 0) << c.what;
  EXPECT_EQ(nameWindows, c.name == Name::None ? 0 : 1) << c.what;
  if (c.opened) {
    EXPECT_EQ(h.st.pictureBmp, drawing) << c.what;
    EXPECT_FALSE(h.st.pictureChanged) << c.what << ": a picture just opened is unchanged";
  } else {
    EXPECT_EQ(h.st.pictureBmp, painting) << c.what << ": the painting must stay";
    EXPECT_TRUE(h.st.pictureChanged || !c.changed) << c.what;
  }
  const QString savedAs = QString::fromUtf8(c.savedAs);
  if (savedAs.isEmpty()) {
    if (!c.userFolderBroken) {
      EXPECT_TRUE(h.entries("user").isEmpty()) << c.what;
    }
  } else {
    EXPECT_EQ(h.entries("user"), QStringList{savedAs + ".jpg"}) << c.what;
    auto back = NViewLibLoad(h.folder("user") + savedAs + ".jpg");
    ASSERT_TRUE(back) << c.what;
    const Color centre = back->pixel(300, 300);
    EXPECT_NEAR(redOf(centre), redOf(kPainted), 8) << c.what << ": the painting is what was saved";
    EXPECT_NEAR(greenOf(centre), greenOf(kPainted), 8) << c.what;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SaveBeforeOpen,
    ::testing::Values(
        OpenCase{"unchanged: no question", false, "", {}, Name::None, false, true, ""},
        OpenCase{"No goes on without saving", true, "", {Answer::No}, Name::None, false, true, ""},
        OpenCase{"Cancel keeps the painting", true, "", {Answer::Cancel}, Name::None, false, false, ""},
        OpenCase{"Yes, untitled: the name window, then the open", true, "", {Answer::Yes}, Name::Typed, false, true,
                 "kept"},
        OpenCase{"Yes, name window cancelled: the open is cancelled", true, "", {Answer::Yes}, Name::Cancelled, false,
                 false, ""},
        OpenCase{"Yes, a name of blanks is refused: the open is cancelled", true, "", {Answer::Yes}, Name::Blanks,
                 false, false, ""},
        OpenCase{"Yes, named: saved where it was, then the open", true, "mine", {Answer::Yes}, Name::None, false, true,
                 "mine"},
        OpenCase{"Yes, the save fails: the open is cancelled", true, "mine", {Answer::Yes}, Name::None, true, false,
                 ""}));

// The question comes before the chosen file is read: saving the painting
// under the name being opened opens what was just saved, not the old file.
TEST(SaveBeforeOpen, SavingUnderTheNameBeingOpenedOpensTheSavedPainting) {
  FakeHost h;
  ASSERT_TRUE(NViewLibSaveAsJPG(100, h.folder("user") + "cat.jpg", Surface(800, 800, rgb(0, 0, 200))));
  h.st.pictureName = "cat";
  h.st.pictureBmp = Surface(800, 800, kPainted);
  h.st.pictureChanged = true;
  h.prompts.choices = {Answer::Yes};
  h.onModal = pickEntry("cat");
  openSavedPicture(h);
  EXPECT_EQ(h.st.pictureName, "cat");
  const Color c = h.st.pictureBmp.pixel(400, 400);
  EXPECT_NEAR(redOf(c), redOf(kPainted), 8);
  EXPECT_NEAR(blueOf(c), blueOf(kPainted), 8);
  EXPECT_FALSE(h.st.pictureChanged);
}

TEST(SaveBeforeOpen, CancellingTheOpenWindowAsksNothing) {
  FakeHost h;
  ASSERT_TRUE(writeBmp24(h.folder("bmps") + "dog.bmp", patterned(30, 20, kBlack)));
  h.st.pictureChanged = true;
  h.onModal = pickEntry("dog", /*ok=*/false);
  openPinzolaPicture(h);
  EXPECT_TRUE(h.prompts.shown.isEmpty());
  EXPECT_TRUE(h.st.pictureChanged);
}

TEST(SaveFirst, ASaveMarksThePictureUnchangedAndAFailedOneDoesNot) {
  FakeHost h;
  h.st.pictureName = "mine";
  h.st.pictureChanged = true;
  savePinzolaPicture(h);
  EXPECT_FALSE(h.st.pictureChanged);

  h.st.pictureChanged = true;
  h.onModal = typeName("other", /*ok=*/false);
  savePinzolaPictureAs(h);
  EXPECT_TRUE(h.st.pictureChanged) << "Save As cancelled";

  ASSERT_TRUE(NViewLibSaveAsJPG(100, h.folder("user") + "taken.jpg", Surface(10, 10)));
  h.prompts.answers = {false};
  h.onModal = typeName("taken");
  savePinzolaPictureAs(h);
  EXPECT_TRUE(h.st.pictureChanged) << "No to overwriting: nothing was written";
}

}  // namespace
}  // namespace pz::testing
