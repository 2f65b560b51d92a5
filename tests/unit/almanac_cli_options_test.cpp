// nocturna-almanac's one command line: every option once and only with its report, one range per
// quantity, positions as a GPS gives them, and no report silent about an output it could not write.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/iers_excerpts.h"
#include "support/program_run.h"

namespace {

using nocturna::testing::ProgramRun;
using nocturna::testing::RunCommand;

const std::string kSights = std::string(NOCTURNA_TEST_DATA_DIR) + "/sights/evening_stars.csv";
const std::vector<std::string> kDr = {"--lat", "39N10.0", "--lon", "023W30.0"};

std::string CommandLine(const std::vector<std::string>& args) {
  std::string command = NOCTURNA_ALMANAC_BINARY;
  for (const std::string& arg : args) command += " '" + arg + "'";
  return command;
}

// Standard error (standard output is thrown away) and the exit status.
ProgramRun Refusal(const std::vector<std::string>& args) {
  return RunCommand(CommandLine(args) + " 2>&1 >/dev/null");
}

std::vector<std::string> Reduce(std::vector<std::string> more) {
  std::vector<std::string> args = {"--reduce", kSights, "--lat", "39N10.0", "--lon", "023W30.0"};
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

TEST(AlmanacCliOptions, RefusesWhatItWouldOtherwiseIgnore) {
  struct Case {
    std::vector<std::string> args;
    const char* message;
  };
  const Case cases[] = {
      {Reduce({"--reduce", kSights}), "--reduce is given twice"},
      {{"--almanac-pages", "--from", "2026-12-10", "--from=2026-12-20"}, "--from is given twice"},
      {{"--star-finder", "--count", "3", "--count", "4"}, "--count is given twice"},
      {{"--lat", "10N", "--lat", "20N"}, "--lat is given twice"},
      {{"--almanac-pages", "--lat", "10N", "--lon", "20W"}, "not --lat"},
      {{"--almanac-pages", "--precise"}, "not --precise"},
      {{"--nmea-replay", kSights, "--lat", "10N"}, "not --lat"},
      {{"--dr-time", "2026-12-09 19:00:00"}, "give --reduce"},
      {Reduce({"--dut1", "0.5"}),
       "--dut1 sets UT1 - UTC for the precise ephemeris: give --precise"},
      {{"--almanac-pages", "--from", "2099-12-31", "--days", "2"},
       "the passage must lie in the years 1901 to 2099"},
      {{"--star-finder", "--eye", "150"},
       "--eye '150': the height of eye must be from 0 to 100 metres"},
      {{"--star-finder", "--course", "360"},
       "--course '360': the course must be from 0 to 360 degrees"},
      {Reduce({"--course", "360"}), "--course '360': the course must be from 0 to 360 degrees"},
      {Reduce({"--precise", "--dut1", "2.5"}),
       "--dut1 '2.5': expected UT1 - UTC in seconds from -2 to +2"},
      {{"--star-finder", "--iers", nocturna::testing::IersExcerptPath(nocturna::testing::kFinalsExcerpt)},
       "--iers reads UT1 - UTC for the precise ephemeris: give --precise"},
      {{"--precise", "--iers", nocturna::testing::IersExcerptPath("README.md")}, "README.md: line 1: not a finals row"},
  };
  for (const Case& c : cases) {
    const ProgramRun run = Refusal(c.args);
    EXPECT_EQ(run.exitCode, 2) << c.message;
    EXPECT_EQ(run.out.rfind("nocturna-almanac: ", 0), 0u) << run.out;
    EXPECT_NE(run.out.find(c.message), std::string::npos) << c.message << " said: " << run.out;
  }
}

TEST(AlmanacCliOptions, OneRangePerQuantityInEveryReport) {
  // DUT1 runs to +-2 s (as broadcast DUT1 may be given a little beyond its +-0.9 s) wherever the
  // precise ephemeris is used.
  EXPECT_EQ(
      RunCommand(CommandLine(Reduce({"--precise", "--dut1", "1.5"})) + " >/dev/null").exitCode, 0);
  EXPECT_EQ(RunCommand(CommandLine({"--date", "2026-12-09", "--precise", "--dut1", "1.5"}) +
                       " >/dev/null")
                .exitCode,
            0);
}

TEST(AlmanacCliOptions, MorningAndEveningTogetherAreBothTwilights) {
  const std::vector<std::string> finder = {"--zone-date", "2026-03-20", "--star-finder"};
  std::vector<std::string> both = finder;
  both.insert(both.end(), {"--evening", "--morning"});
  const ProgramRun neither = RunCommand(CommandLine(finder));
  const ProgramRun twice = RunCommand(CommandLine(both));
  ASSERT_EQ(twice.exitCode, 0);
  EXPECT_NE(twice.out.find("Morning twilight"), std::string::npos) << twice.out;
  EXPECT_NE(twice.out.find("Evening twilight"), std::string::npos) << twice.out;
  EXPECT_EQ(twice.out, neither.out);
}

// As pasted from a GPS or a map: ISO 6709 signed degrees, north and east positive.
TEST(AlmanacCliOptions, ReadsSignedDecimalPositions) {
  const ProgramRun run =
      RunCommand(CommandLine({"--date", "2015-06-01", "--lat", "43.23669", "--lon", "-77.53342"}));
  ASSERT_EQ(run.exitCode, 0);
  EXPECT_NE(run.out.find("DR L        43\xC2\xB0"
                         "14.2'N"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("DR Lo       077\xC2\xB0"
                         "32.0'W"),
            std::string::npos)
      << run.out;
}

// Every report onto a full disk or a closed output: exit 1 with the reason, never silence.
TEST(AlmanacCliOptions, EveryReportTellsAnOutputItCouldNotWrite) {
  const std::vector<std::string> reports[] = {
      {"--date", "2015-06-01"},
      {"--help"},
      Reduce({}),
      Reduce({"--json"}),
      {"--almanac-pages", "--from", "2026-12-10", "--days", "1"},
      {"--almanac-pages", "--from", "2026-12-10", "--days", "1", "--json"},
      {"--nmea-replay", kSights},
      {"--zone-date", "2026-03-20", "--star-finder"},
      {"--date", "2026-03-26", "--time", "18:00:00", "--lunar-planner"},
      {"--date", "2015-06-01", "--visible-bodies"},
  };
  for (const auto& args : reports) {
    const std::string command = CommandLine(args);
    const ProgramRun full = RunCommand(command + " 2>&1 >/dev/full");
    EXPECT_EQ(full.exitCode, 1) << command;
    EXPECT_EQ(full.out, "nocturna-almanac: cannot write the output: No space left on device\n")
        << command;
    const ProgramRun closed = RunCommand(command + " 2>&1 >&-");
    EXPECT_EQ(closed.exitCode, 1) << command;
    EXPECT_EQ(closed.out, "nocturna-almanac: cannot write the output: Bad file descriptor\n")
        << command;
  }
}

}  // namespace
