#include <gtest/gtest.h>

#include <cmath>

#include "sights/sight_fields.h"
#include "sights/sight_log_csv.h"

namespace nocturna {
namespace {

TEST(SightFields, SextantAltitudeForms) {
  struct Case { const char* text; std::optional<double> degrees; };
  const Case cases[] = {
      {"34\xC2\xB0" "12.3'", 34.205}, {"34\xB0" "12.3'", 34.205}, {"34 12.3", 34.205},
      {"34.205", 34.205},            {" 0 30 ", 0.5},             {"-0 30.0", -0.5},
      {"34 60.0", std::nullopt},     {"34.5 10", std::nullopt},   {"91", std::nullopt},
      {"-6", std::nullopt},          {"", std::nullopt},          {"34x", std::nullopt},
      {"nan", std::nullopt},         {"1e2", std::nullopt},
  };
  for (const Case& c : cases) {
    const auto got = ParseSextantAltitude(c.text);
    ASSERT_EQ(got.has_value(), c.degrees.has_value()) << c.text;
    if (got) {
      EXPECT_NEAR(*got, *c.degrees, 1e-12) << c.text;
    }
  }
  EXPECT_EQ(FormatSextantAltitude(34.205), "34 12.30");
  EXPECT_EQ(FormatSextantAltitude(-0.5), "-0 30.00");
  EXPECT_EQ(FormatSextantAltitude(9.99999999), "10 00.00");
  EXPECT_EQ(ParseIndexCorrection("1.5 off"), 1.5);
  EXPECT_EQ(ParseIndexCorrection("1.5 ON"), -1.5);
  EXPECT_EQ(ParseIndexCorrection("-0.8"), -0.8);
  EXPECT_FALSE(ParseIndexCorrection("-1.5 on"));
  EXPECT_FALSE(ParseIndexCorrection("61"));
  EXPECT_NEAR(*ParseHeightOfEye("10 ft", false), 3.048, 1e-12);
  EXPECT_NEAR(*ParseHeightOfEye("10", true), 3.048, 1e-12);
  EXPECT_EQ(ParseHeightOfEye("3.5 m", true), 3.5);
  EXPECT_FALSE(ParseHeightOfEye("-2", false));
  EXPECT_FALSE(ParseUtcMoment("2026-02-29 10:00:00"));
  EXPECT_FALSE(ParseUtcMoment("2026-12-09 24:00:00"));
  EXPECT_EQ(FormatUtcMoment(*ParseUtcMoment("2024-02-29T23:59:59")), "2024-02-29 23:59:59");
}

TEST(SightLog, ReadsColumnsInAnyOrderAndWritesThemBack) {
  const char* text =
      "# evening stars\n"
      "body,utc,hs,ic,eye,limb\r\n"
      "kochub,2026-12-09 16:05:12,45 12.3,-1.2,3.5,\n"
      "\n"
      "Moon,2026-12-09 16:09:40,12.5,0,2.0,U\n";
  const SightLogParse parse = ParseSightLog(text);
  ASSERT_FALSE(parse.error) << parse.error->Message();
  ASSERT_EQ(parse.sights.size(), 2u);
  EXPECT_EQ(parse.sights[0].body, "Kochab");
  EXPECT_NEAR(parse.sights[0].hsDegrees, 45.205, 1e-12);
  EXPECT_EQ(parse.sights[0].conditions.temperatureCelsius, 10.0);
  EXPECT_EQ(parse.sights[0].conditions.pressureHectopascals, 1010.0);
  EXPECT_EQ(parse.sights[1].limb, Limb::upper);
  const SightLogParse again = ParseSightLog(FormatSightLog(parse.sights));
  ASSERT_FALSE(again.error);
  ASSERT_EQ(again.sights.size(), 2u);
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(again.sights[i].body, parse.sights[i].body);
    EXPECT_NEAR(again.sights[i].utc, parse.sights[i].utc, 1e-9);
    EXPECT_NEAR(again.sights[i].hsDegrees, parse.sights[i].hsDegrees, 1e-9);
    EXPECT_EQ(again.sights[i].conditions.indexCorrectionMinutes,
              parse.sights[i].conditions.indexCorrectionMinutes);
  }
}

TEST(SightLog, BadLogsNameTheLineAndColumn) {
  const std::string header = "utc,body,limb,hs,ic,eye,temp,pressure\n";
  const std::string good = "2026-12-09 16:05:12,Sun,L,12 34.5,0,3,10,1010\n";
  struct Case { std::string text; const char* message; };
  const Case cases[] = {
      {"", "line 1: the log is empty: it needs a header line naming the columns"},
      {"utc,body,hs,ic\n", "line 1: the header lacks the column eye"},
      {"utc,body,hs,ic,eye,colour\n", "line 1: the header names \"colour\", which is not a column"},
      {"utc,body,hs,hs,ic,eye\n", "line 1: the header names \"hs\", which is named twice"},
      {header + good + "2026-12-09 16:05:12,Sun,L,12 34.5,0,3,10,1010,0\n",
       "line 3 (sight 2), the row has 9 fields where the header names 8"},
      {header + good + "2026-12-09 16:05:12,Sun,L,12 34.5\n", "line 3 (sight 2), column ic: \"\""},
      {header + "2026-13-09 16:05:12,Sun,L,12 34.5,0,3,10,1010\n", "line 2 (sight 1), column utc:"},
      {header + good + "2026-12-09 16:05:12,Vulcan,,12 34.5,0,3,10,1010\n",
       "line 3 (sight 2), column body: \"Vulcan\""},
      {header + "2026-12-09 16:05:12,Sirius,L,12 34.5,0,3,10,1010\n",
       "line 2 (sight 1), column limb: only the Sun and the Moon"},
      {header + "2026-12-09 16:05:12,Sun,X,12 34.5,0,3,10,1010\n", "column limb: \"X\""},
      {header + "2026-12-09 16:05:12,Sun,L,12 74.5,0,3,10,1010\n", "column hs: \"12 74.5\""},
      {header + "2026-12-09 16:05:12,Sun,L,12 34.5,,3,10,1010\n", "column ic: \"\" is not"},
      {header + "2026-12-09 16:05:12,Sun,L,12 34.5,0,-3,10,1010\n", "column eye:"},
      {header + "2026-12-09 16:05:12,Sun,L,12 34.5,0,3,100,1010\n", "column temp:"},
      {header + "2026-12-09 16:05:12,Sun,L,12 34.5,0,3,10,10100\n", "column pressure:"},
  };
  for (const Case& c : cases) {
    const SightLogParse parse = ParseSightLog(c.text);
    std::string message = parse.error ? parse.error->Message() : "";
    for (std::size_t i = 0; i < parse.sights.size() && message.empty(); ++i) {
      if (!parse.sights[i].Reads()) message = SightRowMessage(parse.sights[i], static_cast<int>(i) + 1);
    }
    EXPECT_NE(message.find(c.message), std::string::npos) << "expected " << c.message << "\ngot " << message;
  }
}

// A row that does not read is kept as typed, saved as typed and reads back as bad; a good
// row's values survive exactly, with the units typed.
TEST(SightLog, EveryRowIsSavedAsTypedAndValuesStayExact) {
  const std::string text =
      "\xEF\xBB\xBFutc,body,limb,hs,ic,eye,temp,pressure\n"
      "2026-12-09 16:05:12,Vega,,45 12.34,1.25 off,11.5 ft,54 F,29.92 inHg\n"
      "2026-12-09 25:00:00,Deneb,,\"3,5\",0,3,,\n"
      "2026-12-09 16:07:00,Sun,L,12 34.5,-0.37,2.25,,,extra\n";
  const SightLogParse parse = ParseSightLog(text);
  ASSERT_FALSE(parse.error) << parse.error->Message();
  ASSERT_EQ(parse.sights.size(), 3u);
  const SightRecord& vega = parse.sights[0];
  ASSERT_TRUE(vega.Reads()) << vega.note;
  EXPECT_EQ(vega.conditions.indexCorrectionMinutes, 1.25);
  EXPECT_DOUBLE_EQ(vega.conditions.heightOfEyeMetres, 11.5 * 0.3048);
  EXPECT_DOUBLE_EQ(vega.conditions.temperatureCelsius, 12.222222222222221);
  EXPECT_NEAR(vega.conditions.pressureHectopascals, 1013.2, 0.05);  // 29.92 inHg
  EXPECT_EQ(parse.sights[1].note.rfind("column utc: \"2026-12-09 25:00:00\"", 0), 0u);
  EXPECT_NE(parse.sights[2].note.find("9 fields"), std::string::npos);

  const std::string saved = FormatSightLog(parse.sights);
  const SightLogParse again = ParseSightLog(saved);
  ASSERT_EQ(again.sights.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(again.sights[i].cells, parse.sights[i].cells) << i;
    EXPECT_EQ(again.sights[i].Reads(), parse.sights[i].Reads()) << i;
  }
  EXPECT_EQ(FormatSightLog(again.sights), saved);

  // A record made from values is written so that it reads back to the same values.
  SightRecord made = vega;
  made.cells = {};
  made.conditions.indexCorrectionMinutes = 0.1 + 0.2;
  const SightRecord read = ParseSightLog(FormatSightLog({made})).sights.at(0);
  EXPECT_EQ(read.conditions.indexCorrectionMinutes, 0.1 + 0.2);
  EXPECT_EQ(read.hsDegrees, made.hsDegrees);
  EXPECT_EQ(read.conditions.pressureHectopascals, made.conditions.pressureHectopascals);
}

TEST(SightLog, KeepsTheDrRunFixTimeZoneAndWatchError) {
  SightLogSettings settings;
  settings.drPosition = DrPosition{-33.925, 18.4241};  // 18.4241 W
  settings.drUtc = *ParseUtcMoment("2026-12-09 18:00:00");
  settings.courseDegrees = 227.5;
  settings.speedKnots = 6.4;
  settings.fixUtc = *ParseUtcMoment("2026-12-09 18:30:00");
  settings.zoneDescription = -2;
  settings.watchErrorSeconds = 12.5;
  SightRecord sight;
  sight.utc = *settings.fixUtc;
  sight.body = "Sun";
  sight.hsDegrees = 30.5;
  const std::string saved = FormatSightLog({sight}, settings);
  EXPECT_EQ(saved.substr(0, saved.find('\n')),
            "utc,body,limb,hs,ic,eye,temp,pressure,dr_lat,dr_lon,dr_utc,course,speed,fix_utc,zd,watch_error");
  const SightLogParse parse = ParseSightLog(saved);
  ASSERT_TRUE(parse.sights.at(0).Reads()) << parse.sights[0].note;
  EXPECT_EQ(parse.settings.drPosition->latitude, -33.925);
  EXPECT_EQ(parse.settings.drPosition->longitude, 18.4241);
  EXPECT_EQ(parse.settings.drUtc, settings.drUtc);
  EXPECT_EQ(parse.settings.courseDegrees, 227.5);
  EXPECT_EQ(parse.settings.speedKnots, 6.4);
  EXPECT_EQ(parse.settings.fixUtc, settings.fixUtc);
  EXPECT_EQ(parse.settings.zoneDescription, -2);
  EXPECT_EQ(parse.settings.watchErrorSeconds, 12.5);
  EXPECT_EQ(ParseSightLog("utc,body,hs,ic,eye\n").settings.drPosition, std::nullopt);
}

// Each kind reads the cells it uses, saves them as typed, and names a cell that does not read;
// a log without a kind column reads every row as an altitude.
TEST(SightLog, RowsOfEveryKindReadTheirCells) {
  const std::string text =
      "utc,kind,body,limb,hs,ic,eye,bearing,heading,variation,observer,distance,body2,limb2,hs2,watch\n"
      "2026-06-21 12:00:00,noon,Sun,L,62 10.0,0,3,,,,Ann,,,,,\n"
      "2026-06-21 21:00:00,,Polaris,,41 05.0,0,3,,,,,,,,,\n"
      "2026-06-21 09:00:00,azimuth,Sun,,,,,101.5,045,6.5W,,,,,,\n"
      "2026-06-21 04:30:00,AMPLITUDE,Sun,,,,,058 30,90,,,,,,,\n"
      "2026-06-21 21:10:00,,?,,35 00.0,0,3,210,,,,,,,,\n"
      "2026-06-21 22:00:00,lunar,Moon,L,30 00.0,0,3,,,,,52 30.5,Antares,,25.5,\n"
      "2026-06-21 22:05:00,watch,,,,,,,,,,,,,,22:05:12\n"
      "2026-06-21 22:06:00,sextant,Sun,,,,,,,,,,,,,\n"
      "2026-06-21 22:07:00,azimuth,Sun,,,,,400,,,,,,,,\n"
      "2026-06-21 22:08:00,polaris,Vega,,40,0,3,,,,,,,,,\n"
      "2026-06-21 22:09:00,watch,,,,,,,,,,,,,,\n";
  const SightLogParse parse = ParseSightLog(text);
  ASSERT_FALSE(parse.error) << parse.error->Message();
  ASSERT_EQ(parse.sights.size(), 11u);
  const SightKind kinds[] = {SightKind::noon,     SightKind::polaris,  SightKind::azimuth,
                             SightKind::amplitude, SightKind::identify, SightKind::lunar,
                             SightKind::watch};
  for (std::size_t i = 0; i < 7; ++i) {
    EXPECT_TRUE(parse.sights[i].Reads()) << i << ": " << parse.sights[i].note;
    EXPECT_EQ(parse.sights[i].kind, kinds[i]) << i;
  }
  EXPECT_EQ(parse.sights[0].observer, "Ann");
  EXPECT_EQ(parse.sights[1].body, "Polaris");
  EXPECT_EQ(parse.sights[2].variationDegrees, -6.5);
  EXPECT_EQ(parse.sights[3].bearingDegrees, 58.5);
  EXPECT_EQ(parse.sights[4].body, "?");
  EXPECT_NEAR(*parse.sights[5].distanceDegrees, 52.0 + 30.5 / 60.0, 1e-12);
  EXPECT_EQ(parse.sights[5].body2, "Antares");
  EXPECT_EQ(FormatUtcMoment(*parse.sights[6].watchReading), "2026-06-21 22:05:12");
  const char* refusals[] = {"column kind: \"sextant\"", "column bearing: \"400\"",
                            "column body: \"Vega\" is not Polaris", "column watch: a watch row needs"};
  for (std::size_t i = 7; i < 11; ++i)
    EXPECT_EQ(parse.sights[i].note.rfind(refusals[i - 7], 0), 0u) << parse.sights[i].note;
  const SightLogParse again = ParseSightLog(FormatSightLog(parse.sights));
  for (std::size_t i = 0; i < 11; ++i) EXPECT_EQ(again.sights.at(i).cells, parse.sights[i].cells) << i;
  // Made from values, the kind and its cells come back the same.
  SightRecord made = parse.sights[2];
  made.cells = {};
  const SightRecord read = ParseSightLog(FormatSightLog({made})).sights.at(0);
  EXPECT_EQ(read.kind, SightKind::azimuth);
  EXPECT_EQ(read.bearingDegrees, 101.5);
  EXPECT_EQ(read.headingDegrees, 45.0);
  EXPECT_EQ(read.variationDegrees, -6.5);
  EXPECT_EQ(ParseSightLog("utc,kind\n").error, std::nullopt);
}

// Text from a file reaches a message escaped and cut, its column and line named.
TEST(SightLog, EchoedCellsAreEscapedAndCut) {
  const std::string header = "utc,body,hs,ic,eye\n";
  const SightLogParse parse = ParseSightLog(
      header + "2026-12-09 16:05:12,\x1B]0;owned\x07,20,0,3\n2026-12-09 16:05:12,Sun," +
      std::string(100000, '9') + ",0,3\n");
  ASSERT_EQ(parse.sights.size(), 2u);
  EXPECT_EQ(SightRowMessage(parse.sights[0], 1).find('\x1B'), std::string::npos);
  EXPECT_NE(parse.sights[0].note.find("\\x1B]0;owned\\x07"), std::string::npos);
  EXPECT_LT(SightRowMessage(parse.sights[1], 2).size(), 200u);
  EXPECT_EQ(SightRowMessage(parse.sights[1], 2).rfind("line 3 (sight 2), column hs:", 0), 0u);
  const SightLogParse unknown = ParseSightLog("utc,body,hs,ic,eye,\x1B[2J\n");
  ASSERT_TRUE(unknown.error);
  EXPECT_NE(unknown.error->Message().find("\"\\x1B[2j\""), std::string::npos) << unknown.error->Message();
}

}  // namespace
}  // namespace nocturna
