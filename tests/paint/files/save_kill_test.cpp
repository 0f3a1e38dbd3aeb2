// Killing Pinzola in the middle of a save must never cost the picture saved
// before: a child process runs the file menu's Save over and over and is
// killed (SIGKILL) at random moments; after every kill the file of that name
// is one complete picture, the old or the new, and the open window lists
// nothing but it. Leftover temporary files are cleared at the next start.
#include <QElapsedTimer>
#include <QFile>
#include <csignal>
#include <random>
#include <fcntl.h>
#include <functional>
#include <spawn.h>
#include <sys/file.h>
#include <sys/ptrace.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "files_support.h"
#include "paint/files/picture_files.h"
#include "platform/folders.h"
#include "save_pictures.h"

extern char** environ;

namespace pz::testing {
namespace {

QByteArray contents(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool isSaveLeftover(const QString& name) { return name.startsWith(QLatin1String(".pinzola-save-")); }

// Starts the endless saver of `seed`'s picture; returns its pid once its
// first save is under way, or -1.
pid_t startSaver(const QString& programDir, const QString& name, unsigned seed) {
  int out[2];
  if (::pipe(out) != 0) return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  const std::string program = PINZ_BIN_DIR "/pinz-savechild";
  const std::string dir = programDir.toStdString(), base = name.toStdString(), s = std::to_string(seed);
  char* argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>(dir.c_str()), const_cast<char*>(base.c_str()),
                  const_cast<char*>(s.c_str()), nullptr};
  pid_t pid = -1;
  const int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(out[1]);
  char ready = 0;
  const bool started = rc == 0 && ::read(out[0], &ready, 1) == 1;
  ::close(out[0]);
  if (rc == 0 && !started) {
    ::waitpid(pid, nullptr, 0);
    return -1;
  }
  return started ? pid : -1;
}

// A saver under ptrace, stopped at every system call's entry and exit: the
// moments at which its file work can be cut. Killing it at the k-th stop
// after its ready byte cuts the save just before or just after one step
// (create, lock, write, sync, rename, ...), so every step gets its turn.
class TracedSaver {
 public:
  TracedSaver(const QString& programDir, const QString& name, unsigned seed) {
    const std::string program = PINZ_BIN_DIR "/pinz-savechild";
    const std::string dir = programDir.toStdString(), base = name.toStdString(), s = std::to_string(seed);
    pid_ = ::fork();
    if (pid_ == 0) {
      const int devnull = ::open("/dev/null", O_WRONLY);
      ::dup2(devnull, STDOUT_FILENO);
      ::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr);
      ::execl(program.c_str(), program.c_str(), dir.c_str(), base.c_str(), s.c_str(), nullptr);
      ::_exit(127);
    }
    int status = 0;
    // Stopped at the exec.
    if (pid_ < 0 || ::waitpid(pid_, &status, 0) != pid_ || !WIFSTOPPED(status)) {
      pid_ = -1;
      return;
    }
    ::ptrace(PTRACE_SETOPTIONS, pid_, nullptr, PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL);
  }
  ~TracedSaver() { killNow(); }
  bool started() const { return pid_ > 0; }

  // Runs to the k-th stop after the ready byte and returns true there; with
  // `until`, runs until it says so (given the syscall number and whether at
  // its exit) instead.
  bool runTo(int k, const std::function<bool(long nr, bool atExit)>& until = {}) {
    int sig = 0;
    while (pid_ > 0) {
      if (::ptrace(PTRACE_SYSCALL, pid_, nullptr, reinterpret_cast<void*>(long(sig))) != 0) return false;
      int status = 0;
      if (::waitpid(pid_, &status, 0) != pid_) return false;
      if (WIFEXITED(status) || WIFSIGNALED(status)) {
        pid_ = -1;
        return false;
      }
      sig = 0;
      if (WSTOPSIG(status) != (SIGTRAP | 0x80)) {
        sig = WSTOPSIG(status);  // a real signal: hand it on
        continue;
      }
      __ptrace_syscall_info info{};
      ::ptrace(PTRACE_GET_SYSCALL_INFO, pid_, reinterpret_cast<void*>(sizeof info), &info);
      const bool atExit = info.op == PTRACE_SYSCALL_INFO_EXIT;
      if (!atExit) {
        lastNr_ = long(info.entry.nr);
        lastWriteSize_ = lastNr_ == SYS_write ? long(info.entry.args[2]) : 0;
      }
      if (!ready_) {
        if (atExit && lastNr_ == SYS_write && readyFdSeen_) ready_ = true;
        readyFdSeen_ = !atExit && lastNr_ == SYS_write && info.entry.args[0] == STDOUT_FILENO;
        if (!ready_) continue;
        stops_ = 0;
      } else {
        if (++stops_ > 100000) return false;  // the save never came to its end
      }
      if (until ? until(lastNr_, atExit) : stops_ >= k) return true;
    }
    return false;
  }
  int stops() const { return stops_; }
  long lastWriteSize() const { return lastWriteSize_; }
  void killNow() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }

 private:
  pid_t pid_ = -1;
  bool ready_ = false, readyFdSeen_ = false;
  int stops_ = 0;
  long lastNr_ = -1, lastWriteSize_ = 0;
};

bool isRename(long nr) { return nr == SYS_rename || nr == SYS_renameat || nr == SYS_renameat2; }

TEST(SaveKilled, EarlierPictureSurvivesAHundredKillsAndNoTemporaryFileIsListed) {
  FakeHost h;
  const QString name = QStringLiteral("painting");
  const QString path = h.folder("user") + name + ".jpg";
  const unsigned seeds[2] = {1, 2};
  const QByteArray saved[2] = {encodeJpeg(noisyPicture(800, 800, seeds[0]), 100),
                               encodeJpeg(noisyPicture(800, 800, seeds[1]), 100)};
  ASSERT_NE(saved[0], saved[1]);

  // The first picture, saved in this process; its time sets the kill window.
  h.st.pictureName = name;
  h.st.pictureBmp = noisyPicture(800, 800, seeds[0]);
  QElapsedTimer clock;
  clock.start();
  savePinzolaPicture(h);
  const qint64 saveMicros = std::max<qint64>(clock.nsecsElapsed() / 1000, 1000);
  ASSERT_EQ(contents(path), saved[0]);

  // The stops of one save's file work: from a few steps before the picture's
  // bytes are first written (creating and preparing the file) to just past
  // the rename and the folder sync, or to the next save's write where no
  // rename comes.
  int fileStart = 0, fileEnd = 0;
  {
    TracedSaver saver(h.dir.path(), name, seeds[0]);
    ASSERT_TRUE(saver.started());
    int bigWrites = 0;
    ASSERT_TRUE(saver.runTo(0, [&](long nr, bool atExit) {
      if (!atExit && nr == SYS_write && saver.lastWriteSize() > 4096 && ++bigWrites == 1)
        fileStart = std::max(1, saver.stops() - 8);
      return (atExit && isRename(nr)) || bigWrites == 2;
    }));
    fileEnd = saver.stops() + 4;
    ASSERT_GT(fileStart, 0) << "the picture's bytes were never written";
  }
  removeUnfinishedSaves(h.folder("user"));
  ASSERT_EQ(contents(path), saved[0]);

  // Even rounds kill at a random time within the first two saves (mostly
  // while the picture is encoded); odd rounds at a random step of the file
  // work, where a careless save does its damage.
  std::mt19937 gen(20261208);
  std::uniform_int_distribution<qint64> anywhere(0, 2 * saveMicros);
  std::uniform_int_distribution<int> atStop(fileStart, fileEnd);
  int current = 0, replaced = 0, kept = 0, leftovers = 0;
  const int kRounds = 100;
  for (int round = 0; round < kRounds; ++round) {
    const int next = 1 - current;
    if (round % 2 == 0) {
      const pid_t pid = startSaver(h.dir.path(), name, seeds[next]);
      ASSERT_GT(pid, 0) << "the saver did not start";
      std::this_thread::sleep_for(std::chrono::microseconds(anywhere(gen)));
      ::kill(pid, SIGKILL);
      int status = 0;
      ASSERT_EQ(::waitpid(pid, &status, 0), pid);
      ASSERT_TRUE(WIFSIGNALED(status)) << "the saver stopped by itself (a failed save) in round " << round;
    } else {
      TracedSaver saver(h.dir.path(), name, seeds[next]);
      ASSERT_TRUE(saver.started());
      ASSERT_TRUE(saver.runTo(atStop(gen))) << "the saver stopped by itself (a failed save) in round " << round;
      saver.killNow();
    }

    const QByteArray now = contents(path);
    ASSERT_TRUE(now == saved[current] || now == saved[next])
        << "round " << round << ": " << now.size() << " bytes, neither the old nor the new picture";
    ASSERT_TRUE(NViewLibLoad(path)) << "round " << round;
    if (now == saved[next]) {
      ++replaced;
      current = next;
    } else {
      ++kept;
    }
    // What the open window lists: the one picture, never a temporary file.
    ASSERT_EQ(listFolder(h.folder("user"), "jpg"), QStringList{name + ".jpg"}) << "round " << round;
    for (const QString& e : h.entries("user"))
      if (isSaveLeftover(e)) ++leftovers;
    // The next start clears what this kill left.
    removeUnfinishedSaves(h.folder("user"));
  }
  std::printf("%d kills (%d in the file work, stops %d..%d of a %.1f ms save): %d left the old picture, "
              "%d the new one; %d left a hidden temporary file\n",
              kRounds, kRounds / 2, fileStart, fileEnd, double(saveMicros) / 1000.0, kept, replaced, leftovers);
  RecordProperty("kept", kept);
  RecordProperty("replaced", replaced);
  RecordProperty("leftovers", leftovers);
  // Some kills come before any rename and some after one.
  EXPECT_GT(replaced, 0);
  EXPECT_GT(kept, 0);
  EXPECT_EQ(h.entries("user"), QStringList{name + ".jpg"});

  // The open window offers the picture and opens it.
  h.onModal = [&](QDialog* d) {
    auto* w = dynamic_cast<Topenpic*>(d);
    ASSERT_TRUE(w);
    ASSERT_EQ(w->bmpnames->count(), 1);
    pickEntry(name)(d);
  };
  openSavedPicture(h);
  EXPECT_TRUE(h.prompts.shown.isEmpty());
  EXPECT_EQ(h.st.pictureBmp.width(), 800);
}

TEST(SaveLeftovers, OnlyThoseOfDeadSavesAreRemoved) {
  QTemporaryDir dir;
  const QString user = dir.path() + "/";
  writeBytes(user + ".pinzola-save-dead01", QByteArray(100, 'x'));
  writeBytes(user + ".pinzola-save-live01", QByteArray(100, 'y'));
  writeBytes(user + "kept.jpg", QByteArray(10, 'z'));
  writeBytes(user + ".hidden-by-the-user", QByteArray(10, 'z'));
  // A save in progress in another running Pinzola holds its file locked.
  const int live = ::open(QFile::encodeName(user + ".pinzola-save-live01").constData(), O_RDONLY);
  ASSERT_GE(live, 0);
  ASSERT_EQ(::flock(live, LOCK_EX), 0);
  EXPECT_EQ(removeUnfinishedSaves(user), 1);
  ::close(live);
  EXPECT_EQ(QDir(user).entryList(QDir::Files | QDir::Hidden, QDir::Name),
            (QStringList{".hidden-by-the-user", ".pinzola-save-live01", "kept.jpg"}));
  EXPECT_EQ(removeUnfinishedSaves(user), 1);
  EXPECT_EQ(removeUnfinishedSaves(dir.path() + "/missing/"), 0);
}

}  // namespace
}  // namespace pz::testing
