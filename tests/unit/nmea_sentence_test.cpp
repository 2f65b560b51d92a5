// RMC sentences, checksums and bursts cut anywhere, without a port.
#include <gtest/gtest.h>

#include <string>

#include "navigation/gps_fix_step.h"
#include "navigation/nmea_burst_reader.h"
#include "navigation/nmea_sentence.h"

namespace nocturna {
namespace {

const std::string kTextbook = "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A";

TEST(NmeaSentenceTest, ChecksumsAndTalkers) {
  struct Case {
    std::string sentence;
    bool checksumOk;
    bool isRmc;
  };
  const Case cases[] = {
      {kTextbook, true, true},
      {"$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6a", true, true},  // lower-case hex
      {"$GPRMC,123519,A,4807.039,N,01131.000,E,022.4,084.4,230394,003.1,W*6A", false, true},  // a digit changed
      {"$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6", false, true},   // cut checksum
      {"$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*ZZ", false, true},
      {"$GPRMC,123519,A,4807.038,N,01131.000,E", true, true},  // no checksum: accepted
      {"$GPRMC,,V,,,,,,,,,,N*53", true, true},
      {"$GNRMC,,V,,,,,,,,,,N*4D", true, true},
      {"$GLRMC,", true, true},
      {"$GARMC,", true, true},
      {"$GBRMC,", true, true},
      {"$BDRMC,", true, true},
      {"$IIRMC,", true, false},  // an instrument, not a satellite receiver
      {"$GPRMB,", true, false},
      {"$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47", true, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NmeaChecksumOk(c.sentence), c.checksumOk) << c.sentence;
    EXPECT_EQ(IsRmcSentence(c.sentence), c.isRmc) << c.sentence;
  }
  const std::string probe = "\xB5\x62\x01\x07 binary $GNGSA,A,3";
  EXPECT_TRUE(ContainsSatelliteTalker(probe.data(), probe.size()));
  for (const std::string noReceiver : {"ATZ\r\nOK\r\n", "$PMTK001,604,3*32", "$G", "GPRMC"}) {
    EXPECT_FALSE(ContainsSatelliteTalker(noReceiver.data(), noReceiver.size())) << noReceiver;
  }
}

TEST(NmeaSentenceTest, EveryParseWritesEveryField) {
  struct Case {
    std::string sentence;
    char status;
    double utcTime;
    double latitude;
    char latLetter;
    double longitude;
    char lonLetter;
  };
  const Case cases[] = {
      {kTextbook, 'A', 123519.0, 4807.038, 'N', 1131.0, 'E'},
      // A receiver that lost its fix: nothing of the earlier fix may survive.
      {"$GPRMC,,V,,,,,,,,,,N*53", 'V', 0.0, 0.0, '\0', 0.0, '\0'},
      // Status A without a time or with a position out of range is no fix.
      {"$GPRMC,,A,4807.038,N,01131.000,E,,,,,,", 'V', 0.0, 4807.038, 'N', 1131.0, 'E'},
      {"$GPRMC,123519,A,4867.038,N,01131.000,E,,,,,,", 'V', 123519.0, 0.0, 'N', 1131.0, 'E'},
      {"$GPRMC,123519,A,4807.038,X,01131.000,E,,,,,,", 'V', 123519.0, 4807.038, 'X', 1131.0, 'E'},
      {"$GPRMC,123519,A,4807.038,N,18100.000,W,,,,,,", 'V', 123519.0, 4807.038, 'N', 0.0, 'W'},
      {"$GPRMC,123519,A,4807.038,N", 'V', 123519.0, 4807.038, 'N', 0.0, '\0'},
      {"$GNRMC,235959.99,A,0000.000,S,17959.999,W,,,,,,", 'A', 235959.99, 0.0, 'S', 17959.999, 'W'},
  };
  RmcFields fields;
  ASSERT_TRUE(ParseRmcSentence(kTextbook, fields));
  for (const Case& c : cases) {
    ASSERT_TRUE(ParseRmcSentence(c.sentence, fields)) << c.sentence;
    EXPECT_EQ(fields.status, c.status) << c.sentence;
    EXPECT_EQ(fields.utcTime, c.utcTime) << c.sentence;
    EXPECT_EQ(fields.latitude, c.latitude) << c.sentence;
    EXPECT_EQ(fields.latHemisphere, c.latLetter) << c.sentence;
    EXPECT_EQ(fields.longitude, c.longitude) << c.sentence;
    EXPECT_EQ(fields.lonHemisphere, c.lonLetter) << c.sentence;
    EXPECT_EQ(fields.sentenceId, c.sentence.substr(1, 5)) << c.sentence;
  }
  EXPECT_FALSE(ParseRmcSentence("$GPGGA,123519", fields));
}

// The textbook burst cut at every byte into two reads gives the one fix, in the read
// that completes the sentence, and never a half-read one.
TEST(NmeaBurstReaderTest, ASentenceCutAnywhereIsReadWhole) {
  const std::string burst = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n" + kTextbook +
                            "\r\n$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*39\r\n";
  for (std::size_t cut = 0; cut <= burst.size(); ++cut) {
    NmeaBurstReader reader;
    RmcFields fields;
    const BurstRmc first = reader.Scan(burst.data(), cut, false, fields);
    const BurstRmc second = reader.Scan(burst.data() + cut, burst.size() - cut, true, fields);
    EXPECT_EQ(first == BurstRmc::Parsed || second == BurstRmc::Parsed, true) << "cut at " << cut;
    EXPECT_FALSE(first == BurstRmc::Parsed && second == BurstRmc::Parsed) << "cut at " << cut;
    EXPECT_EQ(fields.status, 'A') << "cut at " << cut;
    EXPECT_EQ(fields.latitude, 4807.038) << "cut at " << cut;
    EXPECT_EQ(fields.longitude, 1131.0) << "cut at " << cut;
  }
}

TEST(NmeaBurstReaderTest, BurstsWithBinaryFramesDamageAndNoFix) {
  struct Case {
    const char* name;
    std::string burst;
    bool burstEnded;
    BurstRmc expected;
    char status;
  };
  const std::string binary("\xB5\x62\x01\x07\x5C\x00\x24\x00\x00\x00\xE6\x07", 12);
  const Case cases[] = {
      {"binary frames around the sentence", binary + kTextbook + "\r\n" + binary, false, BurstRmc::Parsed, 'A'},
      {"binary frame inside the sentence", kTextbook.substr(0, 20) + binary + kTextbook.substr(20) + "\r\n", true,
       BurstRmc::None, 'V'},
      {"damaged on the line", "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6B\r\n", true,
       BurstRmc::Damaged, 'V'},
      {"latest intact sentence wins",
       kTextbook + "\r\n$GPRMC,123520,V,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*77\r\n", true,
       BurstRmc::Parsed, 'V'},
      {"no line end but the read ended", "$GPRMC,123519,A,4807.038,N,01131.000,E,,,,,,", true, BurstRmc::Parsed,
       'A'},
      {"no line end and the buffer was full", "$GPRMC,123519,A,4807.038,N,01131.000,E,,,,,,", false,
       BurstRmc::None, 'V'},
      {"no RMC at all", "$GPGSV,1,1,00*79\r\n", true, BurstRmc::None, 'V'},
      {"overlong run", "$GPRMC," + std::string(200, '1') + "\r\n", true, BurstRmc::None, 'V'},
  };
  for (const Case& c : cases) {
    NmeaBurstReader reader;
    RmcFields fields;
    EXPECT_EQ(reader.Scan(c.burst.data(), c.burst.size(), c.burstEnded, fields), c.expected) << c.name;
    EXPECT_EQ(fields.status, c.status) << c.name;
  }
}

TEST(GpsFixStepTest, TenBurstsWithoutAFixGiveOneMessageAndAFixResetsTheCount) {
  RmcFields fix;
  NmeaBurstReader reader;
  const std::string textbook = kTextbook + "\r\n";
  ASSERT_EQ(reader.Scan(textbook.data(), textbook.size(), true, fix), BurstRmc::Parsed);
  RmcFields noFix = fix;
  noFix.status = 'V';

  int poorFixCount = 0;
  const GpsFixResult result = GpsFixStep(true, fix, poorFixCount);
  ASSERT_EQ(result.kind, GpsFixResult::Kind::Fix);
  EXPECT_NEAR(result.position.latitude, 48.0 + 7.038 / 60.0, 1e-12);
  EXPECT_NEAR(result.position.longitude, -(11.0 + 31.0 / 60.0), 1e-12);
  EXPECT_EQ(result.zoneDescription, -1);
  EXPECT_EQ(poorFixCount, 0);

  std::string kinds;
  for (int burst = 1; burst <= 25; ++burst) {
    const bool parsed = burst % 2 == 0;  // every other burst has an RMC sentence, none valid
    kinds += GpsFixStep(parsed, noFix, poorFixCount).kind == GpsFixResult::Kind::PoorCoverage ? 'P' : '.';
    if (burst == 22) {
      EXPECT_EQ(GpsFixStep(true, fix, poorFixCount).kind, GpsFixResult::Kind::Fix);
    }
  }
  EXPECT_EQ(kinds, ".........P.........P.....");
  EXPECT_EQ(poorFixCount, 3);
}

}  // namespace
}  // namespace nocturna
