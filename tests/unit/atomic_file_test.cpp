// Files written whole or not at all: a temporary file beside the target, checked, renamed;
// devices and pipes written directly, never replaced.
#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>

#include "platform/atomic_file.h"

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

}  // namespace
}  // namespace nocturna
