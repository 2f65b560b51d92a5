#include <algorithm>
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "foundations/date_time.h"
#include "sights/sight_line.h"
#include "support/erfa_sun.h"
#include "support/json_report.h"
#include "support/program_run.h"

namespace {

using nocturna::testing::JsonDocument;
using nocturna::testing::ReadJsonReport;
using RunResult = nocturna::testing::ProgramRun;
using nocturna::testing::RunAlmanac;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

// The line that starts with `prefix`, or an empty text.
std::string LineStartingWith(const std::string& text, const std::string& prefix) {
  for (const std::string& line : Lines(text)) {
    if (line.rfind(prefix, 0) == 0) return line;
  }
  return {};
}

// The member of `array` whose `key` is `value`; null when there is none.
JsonDocument Find(const JsonDocument& array, const char* key, const std::string& value) {
  for (const JsonDocument& element : array) {
    if (element.value(key, "") == value) return element;
  }
  return nullptr;
}

TEST(AlmanacCli, PrintsThePageInUtf8) {
  const RunResult run = RunAlmanac({"--date", "2015-06-01", "--time", "00:00:00"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_TRUE(run.err.empty()) << run.err;
  const std::string& out = run.out;
  // 75W gives the zone description +5: zone time 19-00-00 on the day before.
  EXPECT_EQ(LineStartingWith(out, "Date "), "Date        31 - May,2015");
  EXPECT_EQ(LineStartingWith(out, "ZT "), "ZT          19-00-00");
  EXPECT_EQ(LineStartingWith(out, "ZD "), "ZD          5");
  EXPECT_EQ(LineStartingWith(out, "UT "), "UT          00-00-00");
  EXPECT_EQ(LineStartingWith(out, "G\\D "), "G\\D         01 - June,2015");
  EXPECT_EQ(LineStartingWith(out, "DR L "), "DR L        42\xC2\xB0" "00.0'N");
  // Apparent sidereal time at 2015-06-01 0h UT is 249.1628 degrees.
  EXPECT_EQ(LineStartingWith(out, "GHA Aries"), "GHA Aries   249\xC2\xB0" "09.8'");
  for (const char* heading : {"Sun:", "Moon:", "Nautical    Civil     Sunrise     PVC",
                              "Moonrise   Moonset", "Planets", " No  Star", "Above horizon"}) {
    EXPECT_FALSE(LineStartingWith(out, heading).empty()) << heading;
  }
  const std::vector<std::string> lines = Lines(out);
  std::size_t firstStar = 0;
  while (firstStar < lines.size() && lines[firstStar].rfind(" No  Star", 0) != 0) ++firstStar;
  ASSERT_LT(firstStar + 57, lines.size());
  EXPECT_EQ(lines[firstStar + 1].substr(0, 14), "  1  Alpheratz");
  EXPECT_EQ(lines[firstStar + 57].substr(0, 11), " 57  Markab");
  // Sirius: apparent SHA 258.5474 from its J2000 place; the model's declination.
  const std::string sirius = lines[firstStar + 18];
  EXPECT_NE(sirius.find("Sirius"), std::string::npos) << sirius;
  EXPECT_NE(sirius.find("258\xC2\xB0" "32.8'"), std::string::npos) << sirius;
  EXPECT_NE(sirius.find("16\xC2\xB0" "44.0'S"), std::string::npos) << sirius;
  for (std::size_t i = 0; i < out.size(); ++i) {
    if (static_cast<unsigned char>(out[i]) == 0xB0) {
      ASSERT_TRUE(i > 0 && static_cast<unsigned char>(out[i - 1]) == 0xC2) << "byte " << i;
    }
  }
}

TEST(AlmanacCli, ZoneTimeAndUniversalTimeGiveTheSameMoment) {
  const RunResult zone = RunAlmanac({"--zone-date", "2015-06-01", "--zt", "20:00:00", "--zd", "5"});
  const RunResult ut = RunAlmanac({"--date", "2015-06-02", "--time", "01:00:00", "--zd", "+5"});
  const RunResult nominal = RunAlmanac({"--date=2015-06-02", "--time=01:00"});
  ASSERT_EQ(zone.exitCode, 0) << zone.err;
  EXPECT_EQ(zone.out, ut.out);
  EXPECT_EQ(zone.out, nominal.out);
  EXPECT_EQ(LineStartingWith(zone.out, "Date "), "Date        01 - June,2015");
  EXPECT_EQ(LineStartingWith(zone.out, "G\\D "), "G\\D         02 - June,2015");
  const RunResult east = RunAlmanac({"--date", "2015-06-01", "--time", "20:00:00", "--zd", "-12"});
  ASSERT_EQ(east.exitCode, 0) << east.err;
  EXPECT_EQ(LineStartingWith(east.out, "ZT "), "ZT          08-00-00");
  EXPECT_EQ(LineStartingWith(east.out, "Date "), "Date        02 - June,2015");
}

TEST(AlmanacCli, JsonCarriesFullPrecisionValues) {
  const RunResult run = RunAlmanac({"--date", "2015-06-02", "--time", "01:00:00", "--json"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  JsonDocument json = ReadJsonReport(run.out);
  // Independent figures (IAU 2006/2000A precession-nutation, VSOP87-based Earth, Moon98)
  // for 2015-06-02 01:00 UT, degrees.
  const struct {
    const char* pointer;
    double value;
    double tolerance;
  } expected[] = {
      {"/ghaAries", 265.18949, 0.001},       {"/sun/gha", 195.53394, 0.002},
      {"/sun/declination", 22.11784, 0.002}, {"/sun/semiDiameter", 15.772, 0.002},
      {"/moon/gha", 22.94564, 0.025},        {"/moon/declination", -16.74100, 0.025},
  };
  for (const auto& e : expected) {
    EXPECT_NEAR(json.value(JsonDocument::json_pointer(e.pointer), 0.0), e.value, e.tolerance) << e.pointer;
  }
  EXPECT_EQ(json["zoneDate"], "2015-06-01");
  EXPECT_EQ(json["zoneTime"], "20:00:00");
  EXPECT_EQ(json["zoneDescription"], 5);
  EXPECT_FALSE(Find(json["stars"], "name", "Al Na'ir").is_null());
  EXPECT_EQ(json["sun"]["amplitudeText"], "31.2\xC2\xB0N");
  ASSERT_EQ(json["stars"].size(), 57u);
  for (JsonDocument star : json["stars"]) EXPECT_TRUE(star["magnitude"].is_number()) << star["name"];
  // Full precision: the Sun's GHA carries more digits than any text form shows.
  const double sunGha = json["sun"]["gha"];
  EXPECT_NE(sunGha, std::round(sunGha * 1000.0) / 1000.0);
}

TEST(AlmanacCli, EventsWithoutTimesAreNullInJson) {
  const RunResult run =
      RunAlmanac({"--date", "2015-06-21", "--time", "12:00:00", "--lat", "78N", "--json"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  JsonDocument json = ReadJsonReport(run.out);
  JsonDocument sunrise = Find(json["events"], "event", "sunrise");
  EXPECT_TRUE(sunrise["ut"].is_null());
  EXPECT_EQ(sunrise["zoneTime"], "CP");
  EXPECT_TRUE(json["sun"]["amplitude"].is_null());
  EXPECT_EQ(json["sun"]["amplitudeText"], "CP");
}

TEST(AlmanacCli, RealNegativeEventTimesAreNumbersInJson) {
  // At 150E the Sun's meridian passage is near 02h UT, so its morning prime-vertical crossing
  // falls before 0h UT: a real time, shown 0916 zone time, not an event that does not occur.
  const RunResult run = RunAlmanac(
      {"--date", "2015-06-21", "--time", "12:00:00", "--lat", "30N", "--lon", "150E", "--json"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  JsonDocument json = ReadJsonReport(run.out);
  JsonDocument pvc = Find(json["events"], "event", "pvcMorning");
  ASSERT_TRUE(pvc["ut"].is_number()) << pvc;
  EXPECT_GT(pvc["ut"].get<double>(), -0.8);
  EXPECT_LE(pvc["ut"].get<double>(), -0.7);
  EXPECT_EQ(pvc["zoneTime"], "0916");
}

TEST(AlmanacCli, PositionFormsAgree) {
  const std::vector<std::vector<std::string>> forms = {
      {"--lat", "42N07.5", "--lon", "075W30.0"},
      {"--lat", "42.125N", "--lon", "75.5W"},
      {"--lat=42n07.5", "--lon=75.5w"},
  };
  std::string first;
  for (const auto& form : forms) {
    std::vector<std::string> args = {"--date", "2020-03-20", "--time", "12:34:56"};
    args.insert(args.end(), form.begin(), form.end());
    const RunResult run = RunAlmanac(args);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(LineStartingWith(run.out, "DR L "), "DR L        42\xC2\xB0" "07.5'N");
    EXPECT_EQ(LineStartingWith(run.out, "DR Lo "), "DR Lo       075\xC2\xB0" "30.0'W");
    if (first.empty()) first = run.out;
    EXPECT_EQ(run.out, first) << form[0];
  }
  const RunResult southEast = RunAlmanac({"--date", "2020-03-20", "--lat", "33S52.0", "--lon", "151.2E"});
  ASSERT_EQ(southEast.exitCode, 0) << southEast.err;
  EXPECT_EQ(LineStartingWith(southEast.out, "DR L "), "DR L        33\xC2\xB0" "52.0'S");
  EXPECT_EQ(LineStartingWith(southEast.out, "DR Lo "), "DR Lo       151\xC2\xB0" "12.0'E");
  EXPECT_EQ(LineStartingWith(southEast.out, "ZD "), "ZD          -10");
}

TEST(AlmanacCli, AcceptsTheEdgesOfItsRanges) {
  const std::vector<std::vector<std::string>> cases = {
      {"--date", "1901-01-01", "--lat", "90N", "--lon", "180E"},
      {"--date", "2099-12-31", "--time", "23:59:59", "--lat", "90S00.0", "--lon", "180W00.0"},
      {"--date", "2000-02-29", "--time", "06:30", "--lat", "0.0S", "--lon", "0E"},
  };
  for (const auto& args : cases) {
    const RunResult run = RunAlmanac(args);
    EXPECT_EQ(run.exitCode, 0) << args[1] << ": " << run.err;
    EXPECT_EQ(run.out.find("nan"), std::string::npos) << run.out;
  }
}

TEST(AlmanacCli, PreciseEphemerisIsNamedWithItsDut1AndDeltaT) {
  const std::vector<std::string> moment = {"--date", "2005-01-26", "--time", "00:00:00"};
  auto with = [&](std::vector<std::string> extra) {
    std::vector<std::string> args = moment;
    args.insert(args.end(), extra.begin(), extra.end());
    return RunAlmanac(args);
  };
  const struct {
    std::vector<std::string> extra;
    const char* expected;
  } cases[] = {
      {{}, "Ephemeris   standard"},
      {{"--precise"}, "Ephemeris   precise, DUT1 -0.518 s (bundled IERS to 2023-09-12), Delta T 64.702 s"},
      {{"--precise", "--dut1", "-0.25"}, "Ephemeris   precise, DUT1 -0.250 s (given), Delta T 64.434 s"},
      {{"--precise", "--almanac-page"}, "Ephemeris   precise, DUT1 -0.518 s (bundled IERS to 2023-09-12), Delta T 64.702 s\n\n"},
  };
  for (const auto& c : cases) {
    const RunResult run = with(c.extra);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find(c.expected), std::string::npos) << c.expected << " in:\n" << run.out.substr(0, 300);
  }
  // The JSON names the ephemeris after the values it made; the standard one has no DUT1 or Delta T.
  for (const std::vector<std::string>& extra :
       {std::vector<std::string>{"--precise", "--json"}, {"--precise", "--visible-bodies", "--json"}}) {
    JsonDocument json = ReadJsonReport(with(extra).out);
    EXPECT_EQ(json["ephemeris"], "precise");
    EXPECT_NEAR(json["dut1"].get<double>(), -0.518, 0.0005);
    EXPECT_EQ(json["dut1Source"], "iers");
    EXPECT_NEAR(json["deltaT"].get<double>(), 64.702, 0.0005);
  }
  JsonDocument tables = ReadJsonReport(with({"--precise", "--visible-bodies", "--json"}).out);
  EXPECT_EQ(std::next(tables.begin(), 2).key(), "ephemeris") << "after units and visibleBodies";
  JsonDocument standardJson = ReadJsonReport(with({"--json"}).out);
  EXPECT_EQ(standardJson["ephemeris"], "standard");
  for (const char* key : {"dut1", "dut1Source", "deltaT"}) EXPECT_TRUE(standardJson[key].is_null()) << key;
  // The precise page differs from the standard one (Saturn's 1.6' and more), but only in values.
  const RunResult standard = with({});
  const RunResult precise = with({"--precise"});
  EXPECT_NE(standard.out, precise.out);
  EXPECT_EQ(std::count(standard.out.begin(), standard.out.end(), '\n'),
            std::count(precise.out.begin(), precise.out.end(), '\n'));
}

TEST(AlmanacCli, RefusesMalformedArgumentsNamingThem) {
  struct Case {
    std::vector<std::string> args;
    const char* named;
  };
  const Case cases[] = {
      {{"--lat", "-90.5"}, "--lat '-90.5'"},
      {{"--lat", "42.5.5"}, "--lat '42.5.5'"},
      {{"--lon", "+180.5"}, "--lon '+180.5'"},
      {{"--lon", "+-75"}, "--lon '+-75'"},
      {{"--lon", "-75W"}, "--lon '-75W'"},
      {{"--lat", "42E"}, "--lat '42E'"},
      {{"--lon", "75N"}, "--lon '75N'"},
      {{"--lat", "91N"}, "--lat '91N'"},
      {{"--lat", "90N00.1"}, "--lat '90N00.1'"},
      {{"--lat", "42N60.0"}, "--lat '42N60.0'"},
      {{"--lat", "42.5N07"}, "--lat '42.5N07'"},
      {{"--lat", "N42"}, "--lat 'N42'"},
      {{"--lat", "42N07.5x"}, "--lat '42N07.5x'"},
      {{"--lon", "181W"}, "--lon '181W'"},
      {{"--lon", "1e2W"}, "--lon '1e2W'"},
      {{"--lon", ""}, "--lon ''"},
      {{"--date", "2100-01-01"}, "--date '2100-01-01'"},
      {{"--date", "1900-12-31"}, "--date '1900-12-31'"},
      {{"--date", "2015-02-29"}, "--date '2015-02-29'"},
      {{"--date", "2015-6-1"}, "--date '2015-6-1'"},
      {{"--date", "2015-13-01"}, "--date '2015-13-01'"},
      {{"--time", "24:00:00"}, "--time '24:00:00'"},
      {{"--time", "12:60:00"}, "--time '12:60:00'"},
      {{"--time", "12:00:0"}, "--time '12:00:0'"},
      {{"--zd", "13"}, "--zd '13'"},
      {{"--zd", "5.5"}, "--zd '5.5'"},
      {{"--zd", "-"}, "--zd '-'"},
      {{"--zone-date", "2015-02-30"}, "--zone-date '2015-02-30'"},
      {{"--zt", "7:00:00"}, "--zt '7:00:00'"},
      {{"--date", "2015-06-01", "--zt", "20:00:00"}, "not both"},
      {{"--date", "2099-12-31", "--time", "23:00:00", "--zd", "-5"}, "outside the years"},
      {{"--zone-date", "1901-01-01", "--zd", "-5"}, "outside the years"},
      {{"--json=yes"}, "--json takes no value"},
      {{"--precise=yes"}, "--precise takes no value"},
      {{"--precise", "--dut1", "2.5"}, "--dut1 '2.5': expected UT1 - UTC in seconds from -2 to +2"},
      {{"--precise", "--dut1", "0.1s"}, "--dut1 '0.1s'"},
      {{"--precise", "--dut1", "--json"}, "--dut1 '--json'"},
      {{"--dut1", "0.1"}, "--dut1 sets UT1 - UTC for the precise ephemeris: give --precise"},
      {{"--frobnicate"}, "'--frobnicate'"},
      {{"--date"}, "--date needs a value"},
      {{"stray"}, "'stray'"},
  };
  for (const Case& c : cases) {
    const RunResult run = RunAlmanac(c.args);
    const std::string what = c.args[0] + (c.args.size() > 1 ? " " + c.args[1] : "");
    EXPECT_EQ(run.exitCode, 2) << what;
    EXPECT_TRUE(run.out.empty()) << what << " printed: " << run.out;
    EXPECT_NE(run.err.find(c.named), std::string::npos) << what << " said: " << run.err;
  }
}

TEST(AlmanacCli, HelpExplainsTheOptions) {
  const RunResult run = RunAlmanac({"--help"});
  ASSERT_EQ(run.exitCode, 0);
  for (const char* word : {"--date", "--time", "--zone-date", "--zt", "--zd", "--json", "--lat",
                           "--lon", "42N07.5", "75.5W", "UTF-8", "hemisphere letter"}) {
    EXPECT_NE(run.out.find(word), std::string::npos) << word;
  }
}

TEST(AlmanacCli, StarFinderRefusesUnusableSettingsPlainly) {
  struct Case {
    std::vector<std::string> args;
    const char* named;
  };
  const Case cases[] = {
      {{"--star-finder", "--band", "70-15"}, "highest altitude must be above the lowest"},
      {{"--star-finder", "--band", "15"}, "--band '15'"},
      {{"--star-finder", "--count", "2"}, "--count '2'"},
      {{"--star-finder", "--mag", "bright"}, "--mag 'bright'"},
      {{"--star-finder", "--eye", "150"}, "height of eye must be from 0 to 100 metres"},
      {{"--star-finder", "--ic", "1e9"}, "--ic '1e9'"},
      {{"--star-finder", "--speed", "61"}, "speed must be from 0 to 60 knots"},
      {{"--star-finder", "--course", "361"}, "course must be from 0 to 360 degrees"},
      {{"--star-finder", "--at", "2026-03-20"}, "--at '2026-03-20'"},
      {{"--evening"}, "give --star-finder"},
      {{"--star-finder", "--visible-bodies"}, "does not go with"},
  };
  for (const Case& c : cases) {
    const RunResult run = RunAlmanac(c.args);
    EXPECT_EQ(run.exitCode, 2) << c.args.back();
    EXPECT_TRUE(run.out.empty()) << c.args.back() << " printed: " << run.out;
    EXPECT_NE(run.err.find(c.named), std::string::npos) << c.args.back() << " said: " << run.err;
  }
}

TEST(AlmanacCli, StarFinderTextAndJsonShowTheSameSet) {
  const std::vector<std::string> args = {"--zone-date", "2026-03-20", "--star-finder",
                                         "--evening",   "--count",    "4",
                                         "--eye",       "12"};
  const RunResult text = RunAlmanac(args);
  ASSERT_EQ(text.exitCode, 0) << text.err;
  std::vector<std::string> jsonArgs = args;
  jsonArgs.push_back("--json");
  const RunResult json = RunAlmanac(jsonArgs);
  ASSERT_EQ(json.exitCode, 0) << json.err;
  EXPECT_NE(text.out.find("Evening twilight"), std::string::npos) << text.out;
  EXPECT_EQ(text.out.find("Morning twilight"), std::string::npos) << text.out;
  JsonDocument finder = ReadJsonReport(json.out);
  ASSERT_EQ(finder["starFinder"]["twilights"].size(), 1u);
  JsonDocument& evening = finder["starFinder"]["twilights"][0];
  EXPECT_EQ(evening["twilight"], "evening");
  const double dop = evening["dop"];
  EXPECT_GT(dop, 0.99);  // four bodies can do no better than 2/sqrt(4)
  char setLine[64];
  std::snprintf(setLine, sizeof setLine, "Best set of 4: HDOP %.2f", dop);
  EXPECT_NE(text.out.find(setLine), std::string::npos) << text.out;
  // Each body once in each, in the same order, with its order number; Hs above Hc by dip and
  // refraction.
  ASSERT_EQ(evening["bodies"].size(), 4u);
  std::size_t lastInText = 0;
  int order = 0;
  for (JsonDocument body : evening["bodies"]) {
    const std::string name = body["name"];
    const std::size_t inText = text.out.find("  " + name + " ");
    EXPECT_GT(inText, lastInText) << name;
    lastInText = inText;
    EXPECT_EQ(body["order"], ++order) << name;
    EXPECT_GT(body["hs"].get<double>() - body["hc"].get<double>(), 6.1 / 60) << name;
  }
}

}  // namespace

namespace {

const std::string kEveningStars = std::string(NOCTURNA_TEST_DATA_DIR) + "/sights/evening_stars.csv";

// The log was made at 38°30.0'N 024°15.0'W; from a DR 50 miles off the fix comes back to it,
// the stray Dubhe shot is marked, and the JSON carries the same fix.
TEST(AlmanacCli, ReducesASightLogToAFix) {
  const RunResult text = RunAlmanac({"--reduce", kEveningStars, "--lat", "39N10.0", "--lon", "023W30.0"});
  ASSERT_EQ(text.exitCode, 0) << text.err;
  for (const char* expected : {"Sight reduction (standard ephemeris)", "47\xC2\xB0" "57.7'",
                               "6 (outlier, +", "Fix 38\xC2\xB0" "30.0'N 024\xC2\xB0" "15.0'W",
                               "from 4 lines", "Residuals by row 1: ", "4-7: ",
                               "less exact", "--precise reduces"}) {
    EXPECT_NE(text.out.find(expected), std::string::npos) << expected << "\n" << text.out;
  }
  const RunResult json = RunAlmanac({"--reduce", kEveningStars, "--lat", "39N10.0", "--lon",
                                     "023W30.0", "--json"});
  ASSERT_EQ(json.exitCode, 0) << json.err;
  JsonDocument fix = ReadJsonReport(json.out)["fix"];
  ASSERT_EQ(fix["found"], true) << json.out;
  EXPECT_NEAR(fix["latitude"].get<double>(), 38.5, 0.1 / 60.0);
  EXPECT_NEAR(fix["longitudeWest"].get<double>(), 24.25, 0.15 / 60.0);
  EXPECT_EQ(fix["lines"], 4);
  EXPECT_EQ(fix["residualRows"][3], "4-7");
  EXPECT_EQ(ReadJsonReport(json.out)["sights"][5]["note"].get<std::string>().rfind("outlier", 0), 0u);
  // The log's altitudes came from the standard theory, whose stars stand about 1' from the
  // precise places in 2026: the precise fix moves by that much, no more.
  const RunResult precise = RunAlmanac({"--reduce", kEveningStars, "--lat", "39N10.0", "--lon",
                                        "023W30.0", "--json", "--precise"});
  ASSERT_EQ(precise.exitCode, 0) << precise.err;
  JsonDocument preciseReport = ReadJsonReport(precise.out);
  JsonDocument preciseFix = preciseReport["fix"];
  ASSERT_EQ(preciseFix["found"], true) << precise.out;
  EXPECT_NEAR(preciseFix["latitude"].get<double>(), 38.5, 2.0 / 60.0);
  EXPECT_NEAR(preciseFix["longitudeWest"].get<double>(), 24.25, 2.0 / 60.0);
  EXPECT_EQ(preciseReport["ephemeris"], "precise");
}

// A log of several kinds: the text lists each row's steps, the JSON gives them by name, and a
// row that cannot give its result says why in both.
TEST(AlmanacCli, ReduceShowsEveryKindsStepsInTextAndJson) {
  const std::string log = ::testing::TempDir() + "kinds_" + std::to_string(getpid()) + ".csv";
  if (FILE* file = std::fopen(log.c_str(), "wb")) {
    std::fputs("utc,kind,body,limb,hs,ic,eye,bearing,variation\n"
               "2026-03-20 23:00:00,,Polaris,,30 10.0,0,3,,\n"
               "2026-03-20 09:00:00,azimuth,Sun,,,,,101.5,6.5W\n"
               "2026-03-20 09:05:00,azimuth,Sun,,,,,,\n", file);
    std::fclose(file);
  }
  const RunResult text = RunAlmanac({"--reduce", log, "--lat", "30N", "--lon", "40W"});
  ASSERT_EQ(text.exitCode, 0) << text.err;
  for (const char* expected : {"Latitudes, compass checks and other rows", "polaris   Polaris: Ho ",
                               "a0 ", "Lat by a0 a1 a2 ", "azimuth   Sun: Zn 091.", "Var 6.5\xC2\xB0 W, Dev ",
                               "needs the body's bearing"})
    EXPECT_NE(text.out.find(expected), std::string::npos) << expected << "\n" << text.out;
  const RunResult json = RunAlmanac({"--reduce", log, "--lat", "30N", "--lon", "40W", "--json"});
  ASSERT_EQ(json.exitCode, 0) << json.err;
  JsonDocument sights = ReadJsonReport(json.out)["sights"];
  EXPECT_EQ(sights[0]["kind"], "polaris");
  EXPECT_NEAR(sights[0]["steps"]["latitude"].get<double>(), 29.95, 0.1);
  EXPECT_NEAR(sights[1]["steps"]["variation"].get<double>(), -6.5, 1e-9);
  EXPECT_EQ(sights[2]["steps"].size(), 1u);  // the true azimuth only
  EXPECT_NE(sights[2]["note"].get<std::string>().find("bearing"), std::string::npos);
  std::remove(log.c_str());
}

// --noon for a ship lying at 30 N 40 W on the equinox: the Sun's meridian passage by ERFA to a
// second, the meridian altitude 90 - |lat - dec| to 0.1', and the text says the same.
TEST(AlmanacCli, NoonGivesTheMeridianPassageAndTheAltitudeToPreset) {
  const RunResult json = RunAlmanac({"--noon", "--date", "2026-03-20", "--lat", "30N", "--lon", "40W", "--precise",
                                     "--dut1", "0", "--json"});
  ASSERT_EQ(json.exitCode, 0) << json.err;
  JsonDocument noon = ReadJsonReport(json.out)["noon"];
  nocturna::DateTime low = nocturna::EncodeDateTime(2026, 3, 20, 14, 0, 0), high = nocturna::EncodeDateTime(2026, 3, 20, 16, 0, 0);
  for (int i = 0; i < 40; ++i) {
    const nocturna::DateTime mid = 0.5 * (low + high);
    (std::remainder(nocturna::reference::ErfaSun(mid).gha - 40.0, 360.0) < 0.0 ? low : high) = mid;
  }
  EXPECT_NEAR((noon["noonUtc"].get<double>() - low) * 86400.0, 0.0, 1.0);
  const double declination = nocturna::reference::ErfaSun(low).declination;
  EXPECT_NEAR(60.0 * (noon["meridianAltitude"].get<double>() - (90.0 - std::fabs(30.0 - declination))), 0.0, 0.1);
  const RunResult text = RunAlmanac({"--noon", "--date", "2026-03-20", "--lat", "30N", "--lon", "40W"});
  ASSERT_EQ(text.exitCode, 0) << text.err;
  for (const char* expected : {"Local apparent noon", "LAN  2026-03-20 14:47:", "bearing S", "preset Hs (lower limb)"})
    EXPECT_NE(text.out.find(expected), std::string::npos) << expected << "\n" << text.out;
}

// --identify names the morning Sun (placed by ERFA) from an altitude 0.3 deg high and a bearing
// 4 deg off; without a bearing it is refused.
TEST(AlmanacCli, IdentifyNamesTheBodyFromAltitudeAndBearing) {
  const nocturna::reference::SunPlace sun = nocturna::reference::ErfaSun(nocturna::EncodeDateTime(2026, 3, 20, 9, 0, 0));
  const nocturna::AltitudeAzimuth seen = nocturna::ComputedAltitudeAzimuth(sun.gha, sun.declination, {30.0, 40.0});
  const RunResult run = RunAlmanac({"--identify", std::to_string(seen.hcDegrees + 0.3), "--bearing",
                                    std::to_string(seen.znDegrees + 4.0), "--date", "2026-03-20", "--time", "09:00:00",
                                    "--lat", "30N", "--lon", "40W"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find("The body was Sun."), std::string::npos) << run.out;
  // --date without --time is 0h UT, as for every other report.
  const std::vector<std::string> dateOnly = {"--identify", "40", "--bearing", "90", "--date", "2026-03-20", "--lat", "30N", "--lon", "40W"};
  std::vector<std::string> midnight = dateOnly;
  midnight.insert(midnight.end(), {"--time", "00:00:00"});
  EXPECT_EQ(RunAlmanac(dateOnly).out, RunAlmanac(midnight).out);
  const RunResult refused = RunAlmanac({"--identify", "30", "--lat", "30N", "--lon", "40W"});
  EXPECT_EQ(refused.exitCode, 2);
  EXPECT_NE(refused.err.find("--bearing"), std::string::npos) << refused.err;
}

TEST(AlmanacCli, ReduceRefusesBadLogsAndOptionsNamingThem) {
  const std::string bad = ::testing::TempDir() + "bad_sights_" + std::to_string(getpid()) + ".csv";
  if (FILE* file = std::fopen(bad.c_str(), "wb")) {
    std::fputs("utc,body,limb,hs,ic,eye\n2026-12-09 18:40:00,Vega,,47 57.7,-1.5,3\n"
               "2026-12-09 18:42:30,Aldebaran,,7 72.0,-1.5,3\n", file);
    std::fclose(file);
  }
  struct Case { std::vector<std::string> args; const char* named; };
  const Case cases[] = {
      {{"--reduce", bad, "--lat", "39N", "--lon", "23W"}, "line 3 (sight 2), column hs: \"7 72.0\""},
      {{"--reduce", kEveningStars, "--lat", "39N"}, "--lat and --lon"},
      {{"--reduce", kEveningStars, "--lat", "39x", "--lon", "23W"}, "--lat '39x'"},
      {{"--reduce", kEveningStars, "--lat", "39N", "--lon", "23W", "--speed", "-3"}, "--speed '-3'"},
      {{"--reduce", kEveningStars, "--lat", "39N", "--lon", "23W", "--dr-time", "19:00"}, "--dr-time '19:00'"},
      {{"--reduce", kEveningStars, "--lat", "39N", "--lon", "23W", "--chart", "x.png"}, "not --chart"},
      {{"--reduce", "/nonexistent/sights.csv", "--lat", "39N", "--lon", "23W"}, "cannot read"},
  };
  for (const Case& c : cases) {
    const RunResult run = RunAlmanac(c.args);
    EXPECT_EQ(run.exitCode, 2) << c.named;
    EXPECT_TRUE(run.out.empty()) << run.out;
    EXPECT_NE(run.err.find(c.named), std::string::npos) << c.named << " said: " << run.err;
  }
  std::remove(bad.c_str());
}

}  // namespace

namespace {

// Two comparisons of a watch with GPS time a day apart (30 s, then 33 s fast), then a Sun-Moon
// lunar by that watch 37 s fast, its distance preset by --lunar-planner for 18:00:00 UTC (the
// planner refracts the limbs as their centres: a few seconds), and one no altitudes allow.
TEST(AlmanacCli, ReducesLunarAndWatchRows) {
  const std::string log = std::string(NOCTURNA_TEST_DATA_DIR) + "/sights/lunar_watch.csv";
  const RunResult run = RunAlmanac({"--reduce", log, "--lat", "30N30.0", "--lon", "040W15.0", "--precise", "--json"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  JsonDocument json = ReadJsonReport(run.out);
  EXPECT_NEAR(json["watch"]["rateSecondsPerDay"].get<double>(), 3.0, 1e-5);
  // 31.5 s at 2026-03-25 00:00 plus 3 s a day for 1.75347 days.
  EXPECT_NEAR(json["watch"]["atFix"]["fastSeconds"].get<double>(), 36.760, 0.001);
  JsonDocument lunar = json["sights"][2];
  EXPECT_EQ(lunar["note"], "");
  EXPECT_NEAR(lunar["steps"]["watchFastSeconds"].get<double>(), 37.0, 5.0) << lunar;
  EXPECT_EQ(lunar["steps"]["moonLimbNear"].get<double>(), 1.0);
  EXPECT_NEAR(lunar["steps"]["secondsPerTenthMinute"].get<double>() *
                  std::fabs(lunar["steps"]["rateMinutesPerMinute"].get<double>()), 6.0, 2.0);
  EXPECT_EQ(json["sights"][3]["note"].get<std::string>().rfind("lunar not cleared: With these altitudes", 0), 0u)
      << json["sights"][3];
  const RunResult text = RunAlmanac({"--reduce", log, "--lat", "30N30.0", "--lon", "040W15.0", "--precise"});
  EXPECT_NE(text.out.find("gaining 3.00 s a day"), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("Cleared distance 102\xC2\xB0" "16."), std::string::npos) << text.out;
}

// With no watch error stated, the one the log's watch rows and the watch log beside it predict
// at the fix: 10 s fast, then 12 s a day later, so 12.6 s at 18:40 the next day (gaining 2 s a
// day). A damaged watch log is named and left out.
TEST(AlmanacCli, ReducesWithTheWatchLogBesideTheLog) {
  const std::string folder = std::string(NOCTURNA_TEST_DATA_DIR) + "/sights/";
  const std::vector<std::string> place = {"--lat", "38N30.0", "--lon", "024W15.0"};
  const auto reduce = [&](const std::string& log, bool json) {
    std::vector<std::string> arguments = {"--reduce", folder + log};
    arguments.insert(arguments.end(), place.begin(), place.end());
    if (json) arguments.push_back("--json");
    return RunAlmanac(arguments);
  };
  const RunResult run = reduce("watch_beside.csv", true);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  JsonDocument json = ReadJsonReport(run.out);
  EXPECT_EQ(json["watch"]["comparisons"].get<int>(), 2);
  EXPECT_NEAR(json["watchError"]["fastSeconds"].get<double>(), 12.0 + 2.0 * 6.6667 / 24.0, 0.01);
  EXPECT_GT(json["watchError"]["uncertaintySeconds"].get<double>(), 0.0);
  EXPECT_EQ(json["watchError"]["source"], "predicted from the log's watch rows and the watch log");
  EXPECT_NE(reduce("watch_beside.csv", false).out.find(
                "watch times go by: fast +12.6 s +-"), std::string::npos);
  const RunResult damaged = reduce("watch_damaged.csv", true);
  ASSERT_EQ(damaged.exitCode, 0) << damaged.err;
  EXPECT_NE(damaged.err.find("watch_damaged.watch.csv cannot be read"), std::string::npos) << damaged.err;
  EXPECT_EQ(ReadJsonReport(damaged.out)["watchError"]["source"], "predicted from the log's watch rows");
}

// The Sun, Venus and the Moon with a Sun-Moon lunar, all by a watch 40 s fast taken as right: the
// plain fix is off in longitude by the Earth's turn in 40 s, the fix with the clock unknown is not.
TEST(AlmanacCli, FixesWithTheClockUnknownFromALunar) {
  const std::string log = std::string(NOCTURNA_TEST_DATA_DIR) + "/sights/unknown_clock.csv";
  const RunResult run = RunAlmanac({"--reduce", log, "--lat", "30N36.0", "--lon", "040W08.0", "--precise", "--json"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  JsonDocument json = ReadJsonReport(run.out);
  const double eastMilesPerDegree = 60.0 * std::cos(30.5 * M_PI / 180.0);
  EXPECT_GT(std::fabs(json["fix"]["longitudeWest"].get<double>() - 40.25) * eastMilesPerDegree, 5.0);
  JsonDocument clock = json["clockFix"];
  ASSERT_TRUE(clock["found"].get<bool>()) << clock;
  EXPECT_NEAR(clock["logFastSeconds"].get<double>(), 40.0, 5.0);
  EXPECT_NEAR(clock["latitude"].get<double>(), 30.5, 1.0 / 60.0);
  EXPECT_NEAR((clock["longitudeWest"].get<double>() - 40.25) * eastMilesPerDegree, 0.0, 1.0);
}

}  // namespace
