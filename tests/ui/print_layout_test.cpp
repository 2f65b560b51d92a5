// The printed page's layout: where the chart, the title and the data block's lines go, and
// which lines the page carries.
#include <gtest/gtest.h>

#include <string>

#include "ui/printing/chart_printing.h"

namespace nocturna {
namespace {

TEST(PrintLayout, LetterPageAt600DotsPerInchPlacesChartTitleAndLines) {
  // 11 x 8.5 inches at 600 dpi; every figure below worked by hand from the page's proportions.
  const PrintedPageGeometry page = PrintedPage(6600, 5100);
  struct Figure {
    const char* name;
    double expected, actual, tolerance;
  } const figures[] = {
      {"diameter", 4080.0, page.chart.diameter, 0.0},
      {"radius", 2040.0, page.chart.radius, 0.0},
      {"centre x", 3696.0, page.chart.centreX, 1e-9},
      {"centre y", 2652.0, page.chart.centreY, 1e-9},
      {"symbol half-size per unit", 8.25, page.chart.symbolScale, 1e-12},
      {"line height", 92.7, page.dataBlock.lineHeight, 0.05},
      {"top margin", 510.0, page.dataBlock.top, 1e-9},
      {"label x", 528.0, page.dataBlock.labelX, 1e-9},
      {"column unit", 55.0, page.dataBlock.columnUnit, 1e-12},
      {"title x", 3168.0, static_cast<double>(page.titleX), 0.0},
      {"title y", 127.0, static_cast<double>(page.titleY), 0.0},
  };
  for (const Figure& f : figures) {
    EXPECT_NEAR(f.actual, f.expected, f.tolerance)
        << f.name << ": expected " << f.expected << ", got " << f.actual << ", difference "
        << f.actual - f.expected;
  }
  EXPECT_EQ(page.dataBlock.fontSize, 10);
  // The chart's symbols follow the page: a first-magnitude star at the zenith is a box of
  // 2 x 41.25 pixels about the centre, truncated.
  const SymbolBox box = BodySymbolBox(page.chart, ChartPosition{0.0, 0.0, 5.0});
  EXPECT_EQ(box.left, 3654);
  EXPECT_EQ(box.top, 2610);
  EXPECT_EQ(box.right, 3736);
  EXPECT_EQ(box.bottom, 2692);
}

DataBlockValues SampleValues() {
  DataBlockValues v;
  v.zoneDate = "14 - December,2026";
  v.zoneClock = "19-00-00";
  v.zoneDescription = "5";
  v.utClock = "00-00-00";
  v.utDate = "15 - December,2026";
  v.latitude = "42\xB0" "00.0'N";
  v.longitude = "075\xB0" "00.0'W";
  v.ghaAries = "083\xB0" "40.0'";
  v.sunGha = "181\xB0" "16.7'";
  v.sunDeclination = "23\xB0" "15.2'S";
  v.sunSemiDiameter = "16.2'";
  v.meridianPassage = "1155";
  v.equationOfTime = "05m15s";
  v.amplitude = "31.2\xB0S";
  v.moonGha = "113\xB0" "58.0'";
  v.moonDeclination = "11\xB0" "49.3'S";
  v.moonSemiDiameter = "14.9'";
  v.moonParallax = "54.8'";
  v.moonPhase = "29%";
  v.events = {"0720", "1629", "0649", "1701", "0613", "1736", "1101", "2145", "1155", "NC", "CP"};
  return v;
}

TEST(PrintLayout, DataBlockLinesDifferFromTheWindowsAsThePageWants) {
  struct Line {
    int line;
    std::string label, value;
    double column;
  } const expected[] = {
      {0, "Date", "14 - December,2026", 10},
      {1, "ZT", "19-00-00", 10},
      {2, "ZD", "5", 10},
      {3, "UT", "00-00-00", 10},
      {4, "G\\D", "15 - December,2026", 10},
      {6, "DR L", "42\xB0" "00.0'N", 10},
      {7, "DR Lo", "075\xB0" "00.0'W", 10},
      {9, "GHA Aries", "083\xB0" "40.0'", 14},
      {11, "Sun:", "", 0},
      {12, "GHA", "181\xB0" "16.7'", 14},
      {13, "Dec", "23\xB0" "15.2'S", 14},
      {14, "SD", "16.2'", 14},
      {15, "Mer. Pass.", "1155", 14},
      {16, "Eqn. Time", "05m15s", 14},
      {18, "Moon:", "", 0},
      {19, "GHA", "113\xB0" "58.0'", 14},
      {20, "Dec", "11\xB0" "49.3'S", 14},
      {21, "SD", "14.9'", 14},
      {22, "HP", "54.8'", 14},
      {23, "Phase", "29%", 14},
      {25, "Nautical    Civil     Sunrise", "", 0},
      {26, "  0613         0649      0720", "", 0},
      {28, "Sunset      Civil   Nautical", "", 0},
      {29, "  1629         1701      1736", "", 0},
      {31, "Moonrise   Moonset", "", 0},
      {32, "  1101            2145", "", 0},
  };
  const std::vector<DataBlockLine> lines = PrintedDataBlockLines(SampleValues());
  ASSERT_EQ(lines.size(), std::size(expected));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    SCOPED_TRACE(expected[i].line);
    EXPECT_EQ(lines[i].line, expected[i].line);
    EXPECT_EQ(lines[i].label, expected[i].label);
    EXPECT_EQ(lines[i].value, expected[i].value);
    EXPECT_EQ(lines[i].column, expected[i].column);
  }
  // The footer stands in the label column below the events.
  const std::vector<DataBlockLine> footer = PrintedFooterLines();
  ASSERT_EQ(footer.size(), 2u);
  EXPECT_EQ(footer[0].line, 34);
  EXPECT_EQ(footer[0].label, "Varlo, Inc.");
  EXPECT_EQ(footer[1].line, 35);
  EXPECT_FALSE(footer[1].label.empty());
}

TEST(PrintLayout, PageShowsThePickersZoneTimeNotTheAnimationsClock) {
  ObserverState observer;
  observer.zoneTime = EncodeDateTime(2026, 12, 14, 23, 30, 15);
  observer.zoneDescription = -3;
  observer.drPosition = {-33.5, -151.25};
  observer.staticTime = false;  // animating: the window's paint would follow the clock
  SunEventsRecord events{};
  const ChartPass pass = PrintedPass(observer, events);
  EXPECT_EQ(pass.moment.zoneDate.day, 14);
  EXPECT_EQ(pass.moment.zoneClock.hour, 23);
  EXPECT_EQ(pass.moment.zoneClock.minute, 30);
  EXPECT_EQ(pass.moment.zoneClock.second, 15);
  EXPECT_EQ(pass.moment.utClock.hour, 20);  // UT = ZT + ZD
  EXPECT_EQ(pass.latitudeText, "33\xB0" "30.0'S");
  EXPECT_EQ(pass.longitudeText, "151\xB0" "15.0'E");
}

}  // namespace
}  // namespace nocturna
