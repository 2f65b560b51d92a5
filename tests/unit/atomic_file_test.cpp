// Files written whole or not at all: a temporary file beside the target, checked, renamed;
// devices and pipes written directly, never replaced.
#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <functional>
#include <optional>
#include <set>
#include <sstream>

#include "platform/atomic_file.h"
#include "support/small_disk.h"

namespace nocturna {
namespace {

class AtomicFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/atomic_file_test.XXXXXX";
    ASSERT_NE(::mkdtemp(name), nullptr);
    folder = name;
  }
  void TearDown() override {
    for (const std::string& entry : Entries()) std::remove((folder + "/" + entry).c_str());
    ::rmdir(folder.c_str());
  }

  std::set<std::string> Entries() const {
    std::set<std::string> names;
    if (DIR* dir = ::opendir(folder.c_str())) {
      while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.insert(name);
      }
      ::closedir(dir);
    }
    return names;
  }

  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  static mode_t ModeOf(const std::string& path) {
    struct stat info{};
    ::lstat(path.c_str(), &info);
    return info.st_mode;
  }

  std::string folder;
};

TEST_F(AtomicFileTest, WritesNewAndExistingFilesWholeKeepingModesAndLinks) {
  const mode_t mask = ::umask(022);
  const std::string fresh = folder + "/chart.pdf";
  EXPECT_EQ(WriteFileAtomically(fresh, "%PDF new", "the PDF"), "");
  EXPECT_EQ(Read(fresh), "%PDF new");
  EXPECT_EQ(ModeOf(fresh) & 07777, 0644u);

  ::chmod(fresh.c_str(), 0600);
  EXPECT_EQ(WriteFileAtomically(fresh, "second", "the PDF"), "");
  EXPECT_EQ(Read(fresh), "second");
  EXPECT_EQ(ModeOf(fresh) & 07777, 0600u);

  const std::string link = folder + "/link.pdf";
  ASSERT_EQ(::symlink(fresh.c_str(), link.c_str()), 0);
  EXPECT_EQ(WriteFileAtomically(link, "through the link", "the PDF"), "");
  EXPECT_TRUE(S_ISLNK(ModeOf(link)));
  EXPECT_EQ(Read(fresh), "through the link");
  EXPECT_EQ(Entries(), (std::set<std::string>{"chart.pdf", "link.pdf"}));  // no temporary left
  ::umask(mask);
}

TEST_F(AtomicFileTest, FailuresAreToldAndLeaveNoHalfFileAndNoDeviceReplaced) {
  const std::string pipe = folder + "/pipe";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  struct Case {
    std::string path;
    const char* reason;
  } const cases[] = {
      {folder + "/no such folder/chart.pdf", "No such file or directory"},
      {folder, "Is a directory"},
      {"/dev/full", "No space left on device"},
      {pipe, "No such device or address"},  // nobody reads it: refused, not waited for
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    const std::string message = WriteFileAtomically(c.path, std::string(100000, 'x'), "the PDF");
    EXPECT_EQ(message.rfind("cannot write the PDF " + c.path + ": ", 0), 0u) << message;
    EXPECT_NE(message.find(c.reason), std::string::npos) << message;
  }
  EXPECT_TRUE(S_ISCHR(ModeOf("/dev/full")));
  EXPECT_TRUE(S_ISFIFO(ModeOf(pipe)));
  EXPECT_EQ(Entries(), (std::set<std::string>{"pipe"}));
}

// What a PDF, whose first bytes every save shares, looks like to the writer.
std::string Pdf(char fill, std::size_t size) { return "%PDF-1.4\n" + std::string(size, fill); }

TEST_F(AtomicFileTest, AFullDiskIsToldAndLeavesTheOlderFileWhole) {
  const std::string path = folder + "/pages.pdf";
  const std::optional<int> failed = testing::OnSmallDisk(folder, 40, [&] {
    if (!WriteFileAtomically(path, Pdf('o', 20000), "the PDF").empty()) return 1;
    const std::string message = WriteFileAtomically(path, Pdf('n', 100000), "the PDF");
    if (message != "cannot write the PDF " + path + ": No space left on device") return 2;
    if (Read(path) != Pdf('o', 20000)) return 3;
    return Entries() == std::set<std::string>{"pages.pdf"} ? 0 : 4;
  });
  if (!failed) GTEST_SKIP() << "no private tmpfs can be mounted here (needs root); /dev/full is checked above";
  EXPECT_EQ(*failed, 0) << "1: first save, 2: message, 3: older file, 4: temporary left";
}

// Saves killed at any point leave temporary files; the next save of the file removes those, and
// leaves a file of a like name that is someone else's.
TEST_F(AtomicFileTest, TemporariesOfKilledSavesGoAtTheNextSave) {
  const std::string path = folder + "/pages.pdf";
  const std::string notOurs = folder + "/pages.pdf.backup";
  { std::ofstream(notOurs) << "my own notes"; }
  constexpr int kKills = 12;
  int orphans = 0;  // temporaries seen after a kill, each before the next save swept it
  for (int kill = 0; kill < kKills; ++kill) {
    const pid_t writer = ::fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
      WriteCalls dieBeforeRename;
      dieBeforeRename.fsync = [](int) -> int { ::_exit(0); };
      if (kill == kKills - 1) WriteFileAtomically(path, Pdf('k', 1000), "the PDF", dieBeforeRename);
      for (;;) WriteFileAtomically(path, Pdf('k', 4 << 20), "the PDF");
    }
    ::usleep(1000 + 2500 * kill);
    ::kill(writer, SIGKILL);
    ::waitpid(writer, nullptr, 0);
    orphans += static_cast<int>(Entries().size()) - 1 - static_cast<int>(Entries().count("pages.pdf"));
  }
  EXPECT_GT(orphans, 0) << "killed saves left no temporary file to remove";
  EXPECT_EQ(WriteFileAtomically(path, Pdf('s', 10), "the PDF"), "");
  EXPECT_EQ(Entries(), (std::set<std::string>{"pages.pdf", "pages.pdf.backup"}));
  EXPECT_EQ(Read(notOurs), "my own notes");
}

// Two programs saving one file at once: each save is told as done, and the file is one of the two
// whole, as the later rename left it; neither sweeps away the other's file while it writes.
TEST_F(AtomicFileTest, TwoSavesAtOnceEachLeaveTheFileWhole) {
  const std::string path = folder + "/pages.pdf";
  pid_t writers[2];
  for (int w = 0; w < 2; ++w) {
    writers[w] = ::fork();
    ASSERT_GE(writers[w], 0);
    if (writers[w] == 0) {
      for (int i = 0; i < 15; ++i) {
        if (!WriteFileAtomically(path, Pdf(static_cast<char>('a' + w), 1 << 20), "the PDF").empty()) ::_exit(1);
      }
      ::_exit(0);
    }
  }
  for (const pid_t writer : writers) {
    int status = -1;
    ::waitpid(writer, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a save failed";
  }
  const std::string whole = Read(path);
  EXPECT_TRUE(whole == Pdf('a', 1 << 20) || whole == Pdf('b', 1 << 20)) << whole.size();
  EXPECT_EQ(Entries(), (std::set<std::string>{"pages.pdf"}));
}

// A user's file that is damaged is kept aside whatever it is, and never written into: a symbolic
// link is moved aside with the file it names untouched; a folder or a pipe is moved aside too.
TEST_F(AtomicFileTest, DamagedFilesOfEveryKindAreKeptAsideNotWrittenInto) {
  const std::string path = folder + "/sights.csv";
  const std::string linked = folder + "/precious";
  const struct {
    const char* kind;
    std::function<void()> make;
    bool (*keptAs)(mode_t);
  } cases[] = {
      {"file", [&] { std::ofstream(path) << "old"; }, [](mode_t m) { return S_ISREG(m); }},
      {"link", [&] { ::symlink(linked.c_str(), path.c_str()); }, [](mode_t m) { return S_ISLNK(m); }},
      {"folder", [&] { ::mkdir(path.c_str(), 0700); }, [](mode_t m) { return S_ISDIR(m); }},
      {"pipe", [&] { ::mkfifo(path.c_str(), 0600); }, [](mode_t m) { return S_ISFIFO(m); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    { std::ofstream(linked) << "precious"; }
    c.make();
    const UserFileSave save = SaveUserFile(path, "new", "the sight log", true);
    ASSERT_TRUE(save.ok) << save.problem;
    EXPECT_EQ(save.damagedCopy, path + ".damaged");
    EXPECT_TRUE(c.keptAs(ModeOf(path + ".damaged")));
    EXPECT_TRUE(S_ISREG(ModeOf(path)));
    EXPECT_EQ(Read(path), "new");
    EXPECT_EQ(Read(linked), "precious");
    std::remove((path + ".damaged").c_str());
    std::remove(path.c_str());
  }
}

}  // namespace
}  // namespace nocturna
