// Real receiver logs replayed through the burst reading and the position step; the
// expected positions are an independent decoder's (the .chk files beside the logs).
#include "navigation/nmea_replay.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "support/file_text.h"

namespace nocturna {
namespace {

const std::filesystem::path kLogs = std::filesystem::path(NOCTURNA_TEST_DATA_DIR) / "nmea";

using testing::ReadFile;

// hhmmss -> positions (latitude north, longitude EAST positive) of the decoder's TPV reports.
std::multimap<int, std::pair<double, double>> DecoderFixes(const std::filesystem::path& chk) {
  static const std::regex tpv(R"re("class":"TPV".*"time":"[0-9-]+T(\d\d):(\d\d):(\d\d)[^"]*".*"lat":(-?[0-9.]+),"lon":(-?[0-9.]+))re");
  std::multimap<int, std::pair<double, double>> fixes;
  std::ifstream in(chk);
  for (std::string line; std::getline(in, line);) {
    std::smatch m;
    if (!std::regex_search(line, m, tpv)) continue;
    fixes.emplace(std::stoi(m[1]) * 10000 + std::stoi(m[2]) * 100 + std::stoi(m[3]),
                  std::pair{std::stod(m[4]), std::stod(m[5])});
  }
  return fixes;
}

struct LogCase {
  const char* log;
  int validRmcSentences;  // counted independently (python over the raw log)
};

// Every RMC sentence with status A, an intact checksum and a whole position.
const LogCase kLogCases[] = {
    {"bu303-nofix.log", 0},   {"bu353-glonass.log", 9},
    {"bu353s4.log", 25},      {"ch-4711.log", 7},
    {"garmin25lp.log", 10},   {"gp-320fw-2019-04-06-overflow.log", 20},
    {"gp-320fw-2019-04-07-coldboot.log", 1}, {"haicom-305N.log", 68},
    {"magellan-ec10.log", 21}, {"meinberg-gps164.log", 70},
    {"mt3339.log", 30},        {"neo-m8n.log", 23},
    {"nmea-fuzzy-cases.log", 14}, {"quectel-l76k-nmea.log", 150},
    {"sirfstarv-nmea.log", 59}, {"telit-pls83-w.log", 20},
    {"ublox-8.log", 73},       {"ublox-neo-m9n-nmea.log", 61},
};

TEST(NmeaReplayTest, LogsGiveTheDecodersPositionsWhereverTheBurstsAreCut) {
  for (const LogCase& c : kLogCases) {
    SCOPED_TRACE(c.log);
    const std::string log = ReadFile(kLogs / c.log);
    ASSERT_FALSE(log.empty());
    const auto decoder = DecoderFixes(kLogs / (std::string(c.log) + ".chk"));

    // One byte a burst: every sentence ends in a burst of its own, so every valid one counts.
    const NmeaReplayReport byByte = ReplayNmeaLog(log, 1);
    EXPECT_EQ(static_cast<int>(byByte.fixes.size()), c.validRmcSentences);

    for (const std::size_t burst : {std::size_t{1}, std::size_t{7}, std::size_t{82}, std::size_t{499},
                                    kDefaultReplayBurst, std::size_t{501}, std::size_t{4096}}) {
      const NmeaReplayReport report = ReplayNmeaLog(log, burst);
      EXPECT_EQ(report.bursts, static_cast<int>((log.size() + burst - 1) / burst)) << burst;
      EXPECT_EQ(report.bursts, static_cast<int>(report.fixes.size()) + report.rejectedBursts) << burst;
      // Bursts that hold several sentences give the latest; none is invented or half-read.
      EXPECT_LE(report.fixes.size(), byByte.fixes.size()) << burst;
      for (const NmeaReplayFix& fix : report.fixes) {
        const auto found = std::find_if(byByte.fixes.begin(), byByte.fixes.end(), [&](const NmeaReplayFix& f) {
          return f.utcTime == fix.utcTime && f.position.latitude == fix.position.latitude &&
                 f.position.longitude == fix.position.longitude;
        });
        EXPECT_NE(found, byByte.fixes.end()) << "burst " << burst << ": " << fix.line;
      }
    }
    for (const NmeaReplayFix& fix : byByte.fixes) {
      const auto [first, last] = decoder.equal_range(static_cast<int>(fix.utcTime));
      double nearest = INFINITY;
      for (auto it = first; it != last; ++it) {
        nearest = std::min(nearest, std::max(std::fabs(it->second.first - fix.position.latitude),
                                             std::fabs(it->second.second + fix.position.longitude)));
      }
      if (first != last) {
        EXPECT_LT(nearest, 1e-8) << fix.line;
      }
    }
  }
}

TEST(NmeaReplayTest, TextbookSentenceGivesItsLineAndNoFixLogsOnlyRejections) {
  const NmeaReplayReport report =
      ReplayNmeaLog("$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A\r\n", 500);
  ASSERT_EQ(report.fixes.size(), 1u);
  EXPECT_EQ(report.fixes[0].line, "123519.00  48\xB0" "07.0'N  011\xB0" "31.0'E  ZD -1");
  EXPECT_EQ(FormatReplaySummary(report), "bursts 1, fixes 1, rejected 0");

  const NmeaReplayReport noFix = ReplayNmeaLog(ReadFile(kLogs / "bu303-nofix.log"), 100);
  EXPECT_TRUE(noFix.fixes.empty());
  EXPECT_EQ(noFix.rejectedBursts, noFix.bursts);
  EXPECT_EQ(noFix.poorCoverageMessages, noFix.bursts / 10);
}

// Hundredths are rounded with their carry: no time shows a 60th second, and a leap second as
// sent stays one.
TEST(NmeaReplayTest, RoundedTimesCarryIntoTheMinuteHourAndDay) {
  const struct {
    const char* sent;
    const char* shown;
  } cases[] = {{"125959.997", "130000.00"}, {"235959.999", "000000.00"}, {"095959.994", "095959.99"},
               {"123519.5", "123519.50"},   {"235960.00", "235960.00"}};
  for (const auto& c : cases) {
    const NmeaReplayReport report =
        ReplayNmeaLog(std::string("$GPRMC,") + c.sent + ",A,4807.038,N,01131.000,E,,,,,\r\n", 500);
    ASSERT_EQ(report.fixes.size(), 1u) << c.sent;
    EXPECT_EQ(report.fixes[0].line.substr(0, report.fixes[0].line.find(' ')), c.shown) << c.sent;
  }
}

// Line noise built from the pieces of sentences: whatever comes, no crash, and every fix
// accepted is a position on the globe.
TEST(NmeaReplayTest, LineNoiseGivesOnlyPositionsOnTheGlobe) {
  const std::string pieces[] = {"$GPRMC,", "$GNRMC,123519,A,", "4807.038,N,", "01131.000,E,", "9999.9,S,",
                                "18000.000,W,", ",", "A", "V", "*6A", "\r\n", "\xB5\x62", std::string(1, '\0'),
                                "123519.5", "$GPGGA,", "*", "-1.5,N,", "1e308,"};
  std::string noise;
  unsigned state = 12345;
  while (noise.size() < 200000) {
    state = state * 1103515245u + 12345u;
    noise += pieces[(state >> 16) % std::size(pieces)];
  }
  int fixes = 0;
  for (const std::size_t burst : {std::size_t{1}, std::size_t{13}, std::size_t{500}}) {
    const NmeaReplayReport report = ReplayNmeaLog(noise, burst);
    for (const NmeaReplayFix& fix : report.fixes) {
      ASSERT_LE(std::fabs(fix.position.latitude), 90.0) << fix.line;
      ASSERT_LE(std::fabs(fix.position.longitude), 180.0) << fix.line;
      ASSERT_LE(std::abs(fix.zoneDescription), 12) << fix.line;
    }
    fixes += static_cast<int>(report.fixes.size());
  }
  EXPECT_GT(fixes, 0);  // the noise does hold whole sentences now and then
}

}  // namespace
}  // namespace nocturna
