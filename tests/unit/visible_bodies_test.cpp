// The visible-bodies list's light state, rows and texts from a catalog set by hand, and the
// case-insensitive text order its columns sort by.
#include "navigation/visible_bodies.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "navigation/almanac_page.h"
#include "support/json_report.h"
#include "support/program_run.h"

namespace nocturna {
namespace {

// All bodies below the horizon, the Sun at sunHc; zn spread so that no two bodies share one.
BodyCatalog CatalogWithSunAt(double sunHc) {
  BodyCatalog catalog = BuildCatalog();
  for (int k = 0; k < kBodyCount; ++k) {
    catalog.hc[k] = -10.0;
    catalog.zn[k] = 5.0 * k;
  }
  catalog.hc[kSunIndex] = sunHc;
  return catalog;
}

std::vector<std::string> Names(const VisibleBodiesList& list) {
  std::vector<std::string> names;
  for (const TableRow& row : list.rows) names.push_back(row.cells[0]);
  return names;
}

VisibleBodiesList Build(const BodyCatalog& catalog, bool degMin, int& sortColumn) {
  const AlmanacMoment moment = AlmanacMomentOf(EncodeDateTime(2026, 6, 1, 20, 0, 0), 5);
  return BuildVisibleBodiesList(catalog, moment, 5, DrPosition{42.0, 75.0}, degMin, sortColumn);
}

TEST(VisibleBodies, LightStateAndWhoIsListedFollowTheSun) {
  const int sirius = 18;
  struct Case {
    double sunHc;
    double moonHc;
    LightState light;
    std::vector<std::string> names;
  };
  const Case cases[] = {
      {-0.5, -3.0, LightState::Daylight, {"Sun"}},
      {-0.8, -3.0, LightState::Daylight, {"Sun"}},
      {30.0, 20.0, LightState::Daylight, {"Sun", "Moon"}},
      {-0.81, 20.0, LightState::Twilight, {"Sirius", "Moon"}},  // by Zn: 90 before 315,
      {-12.0, -3.0, LightState::Twilight, {"Sirius"}},
      {-12.01, 0.0, LightState::NightTime, {"Sirius", "Moon"}},
  };
  for (const Case& c : cases) {
    BodyCatalog catalog = CatalogWithSunAt(c.sunHc);
    catalog.hc[kMoonIndex] = c.moonHc;
    catalog.hc[sirius] = 0.0;  // exactly on the horizon: listed, but never in daylight
    int sortColumn = 0;
    const VisibleBodiesList list = Build(catalog, true, sortColumn);
    EXPECT_EQ(list.light, c.light) << "Sun at " << c.sunHc;
    EXPECT_EQ(Names(list), c.names) << "Sun at " << c.sunHc;
    // Only a twilight or night list is sorted, by Zn.
    EXPECT_EQ(sortColumn, c.light == LightState::Daylight ? 0 : kZnColumn) << "Sun at " << c.sunHc;
  }
  EXPECT_STREQ(LightStateCaption(LightState::Daylight), "Daylight");
  EXPECT_STREQ(LightStateCaption(LightState::Twilight), "Twilight");
  EXPECT_STREQ(LightStateCaption(LightState::NightTime), "Night Time");
}

TEST(VisibleBodies, RowTextsInBothAngleForms) {
  BodyCatalog catalog = CatalogWithSunAt(-0.5);
  catalog.zn[kSunIndex] = 301.3;
  catalog.hc[kMoonIndex] = 12.5;
  catalog.zn[kMoonIndex] = 5.0;
  int sortColumn = 0;
  const VisibleBodiesList dm = Build(catalog, true, sortColumn);
  ASSERT_EQ(dm.rows.size(), 2u);
  EXPECT_EQ(dm.rows[0].cells, (std::array<std::string, 4>{"Sun",
                                                          "-00\xB0"
                                                          "30.0'",
                                                          "301\xB0"
                                                          "18.0'",
                                                          ""}));
  EXPECT_EQ(dm.rows[1].cells, (std::array<std::string, 4>{"Moon",
                                                          "12\xB0"
                                                          "30.0'",
                                                          "005\xB0"
                                                          "00.0'",
                                                          ""}));
  const VisibleBodiesList decimal = Build(catalog, false, sortColumn);
  EXPECT_EQ(decimal.rows[0].cells[1], "-0.5\xB0");
  EXPECT_EQ(decimal.rows[0].cells[2], "301.3\xB0");
  EXPECT_EQ(decimal.rows[1].cells[2], "005.0\xB0");

  // Stars and planets carry their magnitude as "%4.1f": a leading blank or the minus sign.
  BodyCatalog night = CatalogWithSunAt(-30.0);
  night.hc[18] = 20.0;  // Sirius
  night.entries[18].magnitude = -1.5;
  night.hc[kJupiterIndex] = 45.0;
  night.entries[kJupiterIndex].magnitude = 1.5;
  const VisibleBodiesList list = Build(night, true, sortColumn);
  ASSERT_EQ(list.rows.size(), 2u);
  EXPECT_EQ(list.rows[0].cells[3], "-1.5");
  EXPECT_EQ(list.rows[0].catalogIndex, 18);
  EXPECT_EQ(list.rows[1].cells[0], "Jupiter");
  EXPECT_EQ(list.rows[1].cells[3], " 1.5");
}

TEST(VisibleBodies, HeadingLinesShowZoneTimeAndLhaAries) {
  struct Case {
    double ghaAries;
    DrPosition position;
    const char* positionLine;
    const char* lhaLine;
  };
  const Case cases[] = {
      {10.0,
       {42.0, 75.0},
       "Pos: DRL=42\xB0"
       "00.0'N; DRLo=075\xB0"
       "00.0'W",
       "LHA Aries=295\xB0"
       "00.0'"},
      {350.0,
       {-33.5, -20.0},
       "Pos: DRL=33\xB0"
       "30.0'S; DRLo=020\xB0"
       "00.0'E",
       "LHA Aries=010\xB0"
       "00.0'"},
      {75.0,
       {0.0, 0.0},
       "Pos: DRL=00\xB0"
       "00.0'Q; DRLo=000\xB0"
       "00.0'G",
       "LHA Aries=075\xB0"
       "00.0'"},
  };
  for (const Case& c : cases) {
    BodyCatalog catalog = CatalogWithSunAt(-20.0);
    catalog.gha[kAriesIndex] = c.ghaAries;
    int sortColumn = 0;
    const AlmanacMoment moment = AlmanacMomentOf(EncodeDateTime(2026, 6, 1, 20, 0, 0), 5);
    const VisibleBodiesList list =
        BuildVisibleBodiesList(catalog, moment, 5, c.position, true, sortColumn);
    EXPECT_EQ(list.dateLine, "01 - June,2026, ZT=20-00-00, ZD=5");
    EXPECT_EQ(list.positionLine, c.positionLine);
    EXPECT_EQ(list.lhaAriesLine, c.lhaLine);
  }
}

TEST(TableRows, CaseInsensitiveOrdinalTextOrder) {
  EXPECT_EQ(CompareTextNoCase("Alioth", "ALIOTH"), 0);
  EXPECT_LT(CompareTextNoCase("acrux", "Adhara"), 0);
  EXPECT_LT(CompareTextNoCase("Alkaid", "Alkaid N"), 0);
  EXPECT_GT(CompareTextNoCase("\xB0", "z"), 0);  // bytes above 0x7F compare unsigned
  // Text order of the columns: " 1.5" < "-1.5" < "0.5", and zero-padded angles in value order.
  std::vector<TableRow> rows(4);
  const char* magnitudes[] = {"-1.5", " 1.5", " 0.5", "-0.3"};
  const char* azimuths[] = {
      "350\xB0"
      "00.0'",
      "005\xB0"
      "00.0'",
      "090\xB0"
      "30.0'",
      "005\xB0"
      "00.0'"};
  for (int i = 0; i < 4; ++i) {
    rows[i].catalogIndex = i;
    rows[i].cells = {std::string(1, static_cast<char>('d' - i)), azimuths[i], azimuths[i],
                     magnitudes[i]};
  }
  auto order = [&rows] {
    std::vector<int> indices;
    for (const TableRow& row : rows) indices.push_back(row.catalogIndex);
    return indices;
  };
  SortTableRows(rows, 3);
  EXPECT_EQ(order(), (std::vector<int>{2, 1, 3, 0}));
  SortTableRows(rows, kZnColumn);  // equal texts keep their order
  EXPECT_EQ(order(), (std::vector<int>{1, 3, 2, 0}));
  SortTableRows(rows, 0);
  EXPECT_EQ(order(), (std::vector<int>{3, 2, 1, 0}));
  SortTableRows(rows, 7);  // outside the columns: by name
  EXPECT_EQ(order(), (std::vector<int>{3, 2, 1, 0}));
}

// nocturna-almanac's table pages: standard output (UTF-8) and exit status.
using CliRun = testing::ProgramRun;

CliRun RunAlmanac(const std::string& args) {
  return testing::RunCommand(std::string(NOCTURNA_ALMANAC_BINARY) + " " + args + " 2>/dev/null");
}

std::string Utf8(const std::string& latin1) {
  std::string text;
  for (char c : latin1) {
    if (c == '\xB0') {
      text += "\xC2\xB0";
    } else {
      text += c;
    }
  }
  return text;
}

// Each row's texts appear on its own line, in the rows' order, the name first.
void ExpectRowsInOrder(const std::string& out, const std::vector<TableRow>& rows,
                       std::size_t& line) {
  std::vector<std::string> lines;
  std::istringstream stream(out);
  for (std::string l; std::getline(stream, l);) lines.push_back(l);
  for (const TableRow& row : rows) {
    while (line < lines.size() && lines[line].rfind(row.cells[0] + " ", 0) != 0) ++line;
    ASSERT_LT(line, lines.size()) << "no line for " << row.cells[0];
    for (const std::string& cell : row.cells) {
      EXPECT_NE(lines[line].find(Utf8(cell)), std::string::npos)
          << lines[line] << " lacks " << cell;
    }
    ++line;
  }
}

TEST(TablePagesCli, PrintTheRowsTheWindowsShowForTheMoment) {
  const AlmanacSnapshot snapshot =
      TakeAlmanacSnapshot(EncodeDateTime(2026, 5, 31, 22, 0, 0), 5, DrPosition{42.0, 75.0});
  int sortColumn = 0;
  const VisibleBodiesList list = BuildVisibleBodiesList(snapshot.catalog, snapshot.moment, 5,
                                                        snapshot.position, true, sortColumn);
  const AlmanacPage page =
      BuildAlmanacPage(snapshot.catalog, snapshot.moment, 5, snapshot.position, AlmanacMode::Gha);
  const CliRun run =
      RunAlmanac("--zone-date 2026-05-31 --zt 22:00 --zd 5 --visible-bodies --almanac-page --gha");
  ASSERT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out.rfind("Visible Bodies: Night Time\n" + Utf8(list.dateLine) + "\n", 0), 0u)
      << run.out.substr(0, 200);
  for (const std::string& heading : {list.positionLine, list.lhaAriesLine, page.dateLine,
                                     page.positionLine, page.ghaAriesLine}) {
    EXPECT_NE(run.out.find(Utf8(heading) + "\n"), std::string::npos) << heading;
  }
  std::size_t line = 0;
  ExpectRowsInOrder(run.out, list.rows, line);
  ExpectRowsInOrder(run.out, page.stars, line);
  ExpectRowsInOrder(run.out, page.planets, line);

  // JSON: decimal degrees, sorted by magnitude as a click on "Mag" sorts.
  const CliRun json =
      RunAlmanac("--date 2026-06-01 --time 03:00 --visible-bodies --decimal --sort 3 --json");
  ASSERT_EQ(json.exitCode, 0);
  VisibleBodiesList decimal = BuildVisibleBodiesList(snapshot.catalog, snapshot.moment, 5,
                                                     snapshot.position, false, sortColumn);
  SortTableRows(decimal.rows, 3);
  testing::JsonDocument document = testing::ReadJsonReport(json.out);
  testing::JsonDocument& visible = document["visibleBodies"];
  EXPECT_EQ(visible["lightState"], "Night Time");
  EXPECT_EQ(visible["degreesAndMinutes"], false);
  EXPECT_EQ(visible["sortColumn"], 3);
  ASSERT_EQ(visible["rows"].size(), decimal.rows.size());
  for (std::size_t i = 0; i < decimal.rows.size(); ++i) {
    const auto& cells = decimal.rows[i].cells;
    EXPECT_EQ(visible["rows"][i]["texts"], testing::JsonDocument({Utf8(cells[0]), Utf8(cells[1]),
                                                                   Utf8(cells[2]), Utf8(cells[3])}));
  }
}

TEST(TablePagesCli, RefusesSettingsWithoutTheirTable) {
  for (const char* args : {"--gha", "--decimal --almanac-page", "--gha --visible-bodies",
                           "--sort 2", "--sort 4 --visible-bodies", "--sort x --almanac-page",
                           "--almanac-page=yes", "--visible-bodies --chart /nonexistent/x.png"}) {
    const CliRun run = RunAlmanac(args);
    EXPECT_EQ(run.exitCode, 2) << args;
    EXPECT_TRUE(run.out.empty()) << args;
  }
}

}  // namespace
}  // namespace nocturna
