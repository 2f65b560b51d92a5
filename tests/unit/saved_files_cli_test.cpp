// The command line's files: --reduce reads whatever stands at its path without waiting or
// filling the memory, and the pages' --pdf is saved by the one writer, whatever stands at its
// path and however full the disk.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "support/file_text.h"
#include "support/program_run.h"
#include "support/small_disk.h"

namespace nocturna {
namespace {

using testing::ReadFile;

mode_t ModeOf(const std::string& path) {
  struct stat info{};
  ::lstat(path.c_str(), &info);
  return info.st_mode;
}

class SavedFilesCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/saved_files_cli.XXXXXX";
    ASSERT_NE(::mkdtemp(name), nullptr);
    folder = name;
  }
  void TearDown() override { std::system(("rm -rf '" + folder + "'").c_str()); }

  // Runs the almanac, never for more than a minute; keeps its standard error in err.
  int Run(const std::vector<std::string>& args) {
    std::string command = "timeout 60 " NOCTURNA_ALMANAC_BINARY;
    for (const std::string& arg : args) command += " '" + arg + "'";
    const testing::ProgramRun run = testing::RunCommand(command + " 2>" + folder + "/err.txt");
    err = ReadFile(folder + "/err.txt");
    return run.exitCode;
  }
  bool PicturesBuilt() const { return err.find("window library") == std::string::npos; }

  std::string folder, err;
};

TEST_F(SavedFilesCliTest, ReduceSaysWhatStandsAtItsPath) {
  const std::string pipe = folder + "/sights.csv";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const struct {
    std::string path;
    std::string said;
  } cases[] = {
      {folder, "cannot read the sight log: " + folder + " is a directory"},
      {pipe, "the log is empty"},  // nobody writes the pipe: nothing to read, no wait
      {"/dev/zero", "cannot read the sight log: /dev/zero is too large (more than 16.0 MB"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Run({"--reduce", c.path, "--lat", "39N", "--lon", "23W"}), 2) << c.path << ": " << err;
    EXPECT_NE(err.find(c.said), std::string::npos) << err;
  }
}

TEST_F(SavedFilesCliTest, PagesPdfFollowsLinksAndNeverReplacesAPipe) {
  const std::string target = folder + "/kept.pdf", link = folder + "/pages.pdf", pipe = folder + "/pipe";
  { std::ofstream(target) << "old"; }
  ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const int linked = Run({"--almanac-pages", "--from", "2026-12-10", "--days", "3", "--pdf", link});
  if (!PicturesBuilt()) GTEST_SKIP() << err;
  EXPECT_EQ(linked, 0) << err;
  EXPECT_TRUE(S_ISLNK(ModeOf(link)));
  EXPECT_EQ(ReadFile(target).rfind("%PDF", 0), 0u);

  EXPECT_EQ(Run({"--almanac-pages", "--from", "2026-12-10", "--days", "3", "--pdf", pipe}), 1);
  EXPECT_NE(err.find("cannot write the PDF " + pipe + ": No such device or address"), std::string::npos) << err;
  EXPECT_TRUE(S_ISFIFO(ModeOf(pipe)));
}

TEST_F(SavedFilesCliTest, PagesPdfOnAFullDiskIsToldAndKeepsTheOlderFile) {
  const std::string disk = folder + "/disk", pdf = disk + "/pages.pdf";
  ASSERT_EQ(::mkdir(disk.c_str(), 0700), 0);
  const std::optional<int> failed = testing::OnSmallDisk(disk, 40, [&] {
    { std::ofstream(pdf) << std::string(20000, 'o'); }
    if (Run({"--almanac-pages", "--from", "2026-12-10", "--days", "3", "--pdf", pdf}) != 1) return 1;
    if (err.find("cannot write the PDF " + pdf + ": No space left on device") == std::string::npos) return 2;
    if (ReadFile(pdf) != std::string(20000, 'o')) return 3;
    return 0;
  });
  if (!failed) GTEST_SKIP() << "no private tmpfs can be mounted here (needs root); the writer meets /dev/full instead";
  EXPECT_EQ(*failed, 0) << "1: exit status, 2: message, 3: older file";
}

}  // namespace
}  // namespace nocturna
