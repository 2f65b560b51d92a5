// nocturna-almanac --nmea-replay: a receiver's log replayed from the command line.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace {

struct CliRun {
  int exitCode = -1;
  std::string out;
};

CliRun Almanac(const std::string& arguments) {
  CliRun run;
  const std::string command = std::string(NOCTURNA_ALMANAC_BINARY) + " " + arguments + " 2>&1";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return run;
  char chunk[4096];
  for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;) run.out.append(chunk, n);
  const int status = ::pclose(pipe);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

const std::string kLogs = std::string(NOCTURNA_SHARED_DIR) + "/nmea/";

TEST(NmeaReplayCliTest, PrintsEachFixAndTheCounts) {
  const CliRun run = Almanac("--nmea-replay " + kLogs + "neo-m8n.log");
  EXPECT_EQ(run.exitCode, 0) << run.out;
  // The log's first RMC: $GNRMC,171926.00,A,4404.14063,N,12118.85478,W ...
  EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "171926.00  44\xC2\xB0" "04.1'N  121\xC2\xB0" "18.9'W  ZD +8");
  EXPECT_NE(run.out.find("\nbursts 35, fixes 23, rejected 12\n"), std::string::npos) << run.out;

  const CliRun byByte = Almanac("--burst=1 --nmea-replay=" + kLogs + "bu303-nofix.log");
  EXPECT_EQ(byByte.exitCode, 0);
  EXPECT_EQ(byByte.out, "bursts 3487, fixes 0, rejected 3487\n");
}

TEST(NmeaReplayCliTest, RefusesWhatItCannotUse) {
  for (const std::string arguments :
       {"--nmea-replay", "--nmea-replay /no/such/log", "--nmea-replay x.log --burst 0", "--nmea-replay x.log --burst -5",
        "--nmea-replay x.log --burst 12b", "--nmea-replay x.log --json"}) {
    const CliRun run = Almanac(arguments);
    EXPECT_EQ(run.exitCode, 2) << arguments << ": " << run.out;
    EXPECT_EQ(run.out.rfind("nocturna-almanac: ", 0), 0u) << arguments << ": " << run.out;
  }
}

}  // namespace
