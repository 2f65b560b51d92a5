// The data block's texts and layout.
#include <gtest/gtest.h>

#include "chart/data_block.h"

namespace nocturna {
namespace {

// Values from a hand-filled catalog and events record.
TEST(DataBlock, ScreenLinesCarryEveryValueInItsColumn) {
  BodyCatalog catalog{};
  catalog.gha[kAriesIndex] = 100.0;
  catalog.gha[kSunIndex] = 350.0;
  catalog.entries[kSunIndex].declination = -22.5;
  catalog.gha[kMoonIndex] = 40.25;
  catalog.entries[kMoonIndex].declination = 0.0;
  catalog.sunPlanetRecords[kSunRecord].radiusVector = 0.98;
  catalog.moonRecord.semiDiameter = 0.25;
  catalog.moonRecord.horizontalParallax = 0.9;
  catalog.moonRecord.illuminatedFraction = 0.5;
  SunEventsRecord events{};
  events.equationOfTime = 7.25;
  events.amplitudeAngle = -2.0;
  ChartPass pass;
  pass.moment.zoneDate = {12, 8, 2026};
  pass.moment.zoneClock = {7, 5, 9};
  pass.moment.utDate = {12, 8, 2026};
  pass.moment.utClock = {12, 5, 9};
  pass.latitudeText = "42\xB0" "00.0'N";
  pass.longitudeText = "075\xB0" "00.0'W";
  pass.eventTexts = {"0715", "1628", "0644", "1700", "0609", "1735",
                     "NR",   "1550", "1152", "NC",   "NC"};
  const std::vector<DataBlockLine> lines =
      ScreenDataBlockLines(DataBlockValuesOf(pass, 5, catalog, events));
  auto line = [&](int n) -> const DataBlockLine& {
    for (const DataBlockLine& l : lines) {
      if (l.line == n) return l;
    }
    ADD_FAILURE() << "no line " << n;
    return lines.front();
  };
  struct Expected {
    int line;
    const char* label;
    const char* value;
    double column;
  } const expected[] = {
      {0, "Date", "08 - December,2026", 7},  {1, "ZT", "07-05-09", 7},
      {2, "ZD", "5", 7},                      {3, "UT", "12-05-09", 7},
      {4, "G\\D", "08 - December,2026", 7},  {6, "DR L", "42\xB0" "00.0'N", 10.5},
      {7, "DR Lo", "075\xB0" "00.0'W", 9},   {9, "GHA Aries", "100\xB0" "00.0'", 14},
      {12, "GHA", "350\xB0" "00.0'", 14},    {13, "Dec", "22\xB0" "30.0'S", 14},
      {14, "SD", "16.3'", 14},               {15, "Mer. Pass.", "1152", 14},
      {16, "Eqn. Time", "07m15s", 14},       {17, "Amplitude", "NR", 14},
      {20, "GHA", "040\xB0" "15.0'", 14},    {21, "Dec", "00\xB0" "00.0'Q", 14},
      {22, "SD", "15.0'", 14},               {23, "HP", "54.0'", 14},
      {24, "Phase", "50%", 14},
      {27, "  0609         0644      0715        NC", "", 0},
      {29, "  1628         1700      1735        NC", "", 0},
      {32, "    NR            1550", "", 0},
  };
  for (const Expected& e : expected) {
    const DataBlockLine& l = line(e.line);
    EXPECT_EQ(l.label, e.label) << "line " << e.line;
    EXPECT_EQ(l.value, e.value) << "line " << e.line;
    EXPECT_EQ(l.column, e.column) << "line " << e.line;
  }
  EXPECT_EQ(line(26).label, "Nautical    Civil     Sunrise     PVC");
  EXPECT_EQ(line(28).label, "Sunset      Civil    Nautical     PVC");
  EXPECT_EQ(line(31).label, "Moonrise   Moonset");
  EXPECT_EQ(lines.size(), 27u);
}

}  // namespace
}  // namespace nocturna
