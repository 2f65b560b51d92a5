#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/sight_log_file.h"
#include "sights/sight_fields.h"
#include "sights/sight_log_csv.h"
#include "support/file_text.h"

namespace nocturna {
namespace {

using testing::ReadFile;

class SightLogFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/sightlogXXXXXX";
    folder_ = mkdtemp(pattern);
    path_ = folder_ + "/nested/nocturna/sights.csv";
  }
  void TearDown() override { std::system(("rm -rf '" + folder_ + "'").c_str()); }
  std::string folder_, path_;
};

TEST_F(SightLogFileTest, DefaultPathFollowsXdgDataHome) {
  const char* oldHome = std::getenv("HOME");
  const char* oldData = std::getenv("XDG_DATA_HOME");
  const std::string home = oldHome ? oldHome : "", data = oldData ? oldData : "";
  setenv("XDG_DATA_HOME", "/data/home", 1);
  EXPECT_EQ(DefaultSightLogPath(), "/data/home/nocturna/sights.csv");
  setenv("XDG_DATA_HOME", "relative", 1);
  setenv("HOME", "/home/navigator", 1);
  EXPECT_EQ(DefaultSightLogPath(), "/home/navigator/.local/share/nocturna/sights.csv");
  oldHome ? setenv("HOME", home.c_str(), 1) : unsetenv("HOME");
  oldData ? setenv("XDG_DATA_HOME", data.c_str(), 1) : unsetenv("XDG_DATA_HOME");
}

TEST_F(SightLogFileTest, SavesAtomicallyAndReadsBack) {
  EXPECT_EQ(LoadSightLog(path_).state, SightLogFileState::Absent);
  SightRecord sight;
  sight.utc = *ParseUtcMoment("2026-12-09 18:40:00");
  sight.body = "Vega";
  sight.hsDegrees = 47.9617;
  const SightLogSave save = SaveSightLog(path_, FormatSightLog({sight, sight}), false);
  ASSERT_TRUE(save.ok) << save.problem;
  const SightLogLoad load = LoadSightLog(path_);
  ASSERT_EQ(load.state, SightLogFileState::Loaded) << load.problem;
  EXPECT_EQ(ParseSightLog(load.text).sights.size(), 2u);
  EXPECT_EQ(std::system(("ls '" + folder_ + "/nested/nocturna' | grep -q XXX").c_str()) == 0, false);
}

TEST_F(SightLogFileTest, DamagedLogIsReportedAndKeptAside) {
  ASSERT_TRUE(SaveSightLog(path_, {}, false).ok);
  { std::ofstream(path_) << "utc,body,hs,ic,eye\n2026-12-09 18:40:00,Vega,47 97.0,0,3\n"; }
  const SightLogLoad load = LoadSightLog(path_);
  ASSERT_EQ(load.state, SightLogFileState::Loaded);
  const SightLogParse parse = ParseSightLog(load.text);
  ASSERT_EQ(parse.sights.size(), 1u);
  EXPECT_NE(SightRowMessage(parse.sights[0], 1).find("line 2 (sight 1), column hs"), std::string::npos);
  const std::string damaged = ReadFile(path_);
  const SightLogSave save = SaveSightLog(path_, {}, true);
  ASSERT_TRUE(save.ok) << save.problem;
  EXPECT_EQ(save.damagedCopy, path_ + ".damaged");
  EXPECT_EQ(ReadFile(save.damagedCopy), damaged);
  EXPECT_EQ(SaveSightLog(path_, {}, true).damagedCopy, path_ + ".damaged-2");
  EXPECT_EQ(LoadSightLog(folder_).state, SightLogFileState::Unreadable);
}

}  // namespace
}  // namespace nocturna
