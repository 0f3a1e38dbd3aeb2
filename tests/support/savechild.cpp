// A Pinzola save that never stops: saves one of the test's noisy pictures
// under a name in a folder, again and again, through the same command the
// file menu runs, until the test kills it. Usage:
//   pinz-savechild PROGRAM_DIR NAME SEED
// Writes one byte to stdout when the first save starts. A save that fails
// prints its message and ends the program with 3.
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

#include "paint/files/file_commands.h"
#include "platform/prompt.h"
#include "save_pictures.h"

namespace {

class NoWindows : public pz::Prompter {
 public:
  void info(const QString& text) override {
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    std::_Exit(3);
  }
  bool confirm(const QString& text) override {
    info(text);
    return false;
  }
  std::optional<pz::Color> chooseColor(pz::Color) override { return std::nullopt; }
  QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
};

class Host : public pz::FilesHost {
 public:
  pz::PaintState& state() override { return st; }
  QWidget* dialogParent() override { return nullptr; }
  int runModal(QDialog*) override { return 0; }
  void refreshAll() override {}
  void takeUndoCopy() override { st.undoBmp = st.pictureBmp; }
  void resetScrollBars() override {}
  void setCaption(const QString&) override {}
  void showProgress(const QString&) override {}
  void hideProgress() override {}
  pz::PaintState st;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s PROGRAM_DIR NAME SEED\n", argv[0]);
    return 2;
  }
  NoWindows prompts;
  pz::setPrompter(&prompts);
  Host host;
  host.st.programDir = QString::fromLocal8Bit(argv[1]);
  host.st.pictureName = QString::fromLocal8Bit(argv[2]);
  host.st.pictureBmp = pz::testing::noisyPicture(800, 800, unsigned(std::strtoul(argv[3], nullptr, 10)));
  host.st.undoBmp = host.st.pictureBmp;
  const char ready = 'r';
  if (::write(STDOUT_FILENO, &ready, 1) != 1) return 2;
  for (;;) pz::savePinzolaPicture(host);
}
