// nocturna-almanac --nmea-replay: a receiver's log replayed from the command line.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>

#include "support/program_run.h"

namespace {

using nocturna::testing::ProgramRun;

ProgramRun Almanac(const std::string& arguments) {
  return nocturna::testing::RunCommand(std::string(NOCTURNA_ALMANAC_BINARY) + " " + arguments + " 2>&1");
}

const std::string kLogs = std::string(NOCTURNA_TEST_DATA_DIR) + "/nmea/";

TEST(NmeaReplayCliTest, PrintsEachFixAndTheCounts) {
  const ProgramRun run = Almanac("--nmea-replay " + kLogs + "neo-m8n.log");
  EXPECT_EQ(run.exitCode, 0) << run.out;
  // The log's first RMC: $GNRMC,171926.00,A,4404.14063,N,12118.85478,W ...
  EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "171926.00  44\xC2\xB0" "04.1'N  121\xC2\xB0" "18.9'W  ZD +8");
  EXPECT_NE(run.out.find("\nbursts 35, fixes 23, rejected 12\n"), std::string::npos) << run.out;

  const ProgramRun byByte = Almanac("--burst=1 --nmea-replay=" + kLogs + "bu303-nofix.log");
  EXPECT_EQ(byByte.exitCode, 0);
  EXPECT_EQ(byByte.out, "bursts 3487, fixes 0, rejected 3487\n");
}

TEST(NmeaReplayCliTest, RefusesWhatItCannotUse) {
  for (const std::string arguments :
       {"--nmea-replay", "--nmea-replay /no/such/log", "--nmea-replay x.log --burst 0", "--nmea-replay x.log --burst -5",
        "--nmea-replay x.log --burst 12b", "--nmea-replay x.log --json"}) {
    const ProgramRun run = Almanac(arguments);
    EXPECT_EQ(run.exitCode, 2) << arguments << ": " << run.out;
    EXPECT_EQ(run.out.rfind("nocturna-almanac: ", 0), 0u) << arguments << ": " << run.out;
  }
}

// A folder is no log: the read error is reported, not counted as an empty log.
TEST(NmeaReplayCliTest, AFolderIsAReadError) {
  const std::string folder = "/";
  const ProgramRun run = Almanac("--nmea-replay " + folder);
  EXPECT_EQ(run.exitCode, 2) << run.out;
  EXPECT_EQ(run.out, "nocturna-almanac: cannot read the log " + folder + ": Is a directory\n");
}

// The replay's peak memory (KiB) and its output, for a log of the given length of zeros (a
// sparse file: a stand-in for /dev/zero or any endless stream, without its endlessness).
std::pair<long, std::string> PeakMemoryOnZeros(off_t length) {
  char logPath[] = "/tmp/nocturna-zeros-XXXXXX";
  char outPath[] = "/tmp/nocturna-replay-XXXXXX";
  const int log = ::mkstemp(logPath);
  const int out = ::mkstemp(outPath);
  if (log < 0 || out < 0 || ::ftruncate(log, length) != 0) return {-1, "no temporary files"};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out, 1);
  posix_spawn_file_actions_adddup2(&actions, out, 2);
  std::string binary = NOCTURNA_ALMANAC_BINARY, option = "--nmea-replay", file = logPath;
  char* argv[] = {binary.data(), option.data(), file.data(), nullptr};
  pid_t pid = -1;
  rusage usage{};
  int status = 0;
  const bool ran = ::posix_spawn(&pid, binary.c_str(), &actions, nullptr, argv, environ) == 0 &&
                   ::wait4(pid, &status, 0, &usage) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  posix_spawn_file_actions_destroy(&actions);
  std::string text(4096, '\0');
  text.resize(static_cast<std::size_t>(std::max<ssize_t>(0, ::pread(out, text.data(), text.size(), 0))));
  ::close(log);
  ::close(out);
  ::unlink(logPath);
  ::unlink(outPath);
  return {ran ? usage.ru_maxrss : -1, text};
}

TEST(NmeaReplayCliTest, AnyLengthOfInputIsReadInBoundedMemory) {
  const auto [small, smallOut] = PeakMemoryOnZeros(1000);
  const auto [large, largeOut] = PeakMemoryOnZeros(200'000'000);
  ASSERT_GT(small, 0) << smallOut;
  ASSERT_GT(large, 0) << largeOut;
  EXPECT_EQ(largeOut, "bursts 400000, fixes 0, rejected 400000\n");
  EXPECT_LT(large - small, 16 * 1024) << "KiB more for 200 MB than for 1 kB";
}

}  // namespace
