// The booklet's tables against published and independent values, and the booklet's pages.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "almanacpages/almanac_booklet.h"
#include "almanacpages/altitude_correction_tables.h"
#include "almanacpages/concise_reduction.h"
#include "almanacpages/increment_tables.h"
#include "support/sheet_layout_check.h"

namespace nocturna {
namespace {

constexpr double kDegree = M_PI / 180.0;

// The Nautical Almanac's increments pages (4m, 30m and 59m tables).
TEST(IncrementTables, MatchThePrintedAlmanac) {
  struct Case {
    int seconds;
    ArcTenths sun, aries, moon;
  };
  for (const Case& c : {Case{270, 675, 677, 644},         // 4m 30s: 1 07.5, 1 07.7, 1 04.4
                        Case{1800, 4500, 4512, 4295},     // 30m 00s: 7 30.0, 7 31.2, 7 09.5
                        Case{3599, 8998, 9022, 8588}}) {  // 59m 59s: 14 59.8, 15 02.2, 14 18.8
    EXPECT_EQ(SunPlanetIncrement(c.seconds), c.sun) << c.seconds << " s";
    EXPECT_EQ(AriesIncrement(c.seconds), c.aries) << c.seconds << " s";
    EXPECT_EQ(MoonIncrement(c.seconds), c.moon) << c.seconds << " s";
  }
  EXPECT_EQ(VdCorrection(59, 179), 178) << "17.9 x 59.5 / 60";
  EXPECT_EQ(VdCorrection(0, 60), 1) << "a correction of 0.05 rounds up";
  EXPECT_EQ(VdCorrection(4, -60), -5);
}

// The Nautical Almanac's dip table (metres, critical): from each height the dip printed below it.
TEST(AltitudeCorrectionTables, DipFollowsThePrintedCriticalTable) {
  const ValueTable dip = AltitudeCorrectionTables()[3];
  for (const auto& [height, printedMinutes] : std::vector<std::pair<int, int>>{
           {24, 28}, {26, 29}, {30, 31}, {43, 37}, {79, 50}, {106, 58}, {200, 79}}) {
    const int minutes = printedMinutes;  // a copy the lambda can capture (clang 14)
    const auto row = std::find_if(dip.rows.begin(), dip.rows.end(),
                                  [&](const std::vector<long>& r) { return r[1] == -minutes; });
    ASSERT_NE(row, dip.rows.end()) << minutes;
    EXPECT_NEAR((*row)[0], height, 1) << "dip " << minutes / 10.0 << "'";
  }
}

// Stars and planets: minus the refraction, compared with Bennett's formula (Meeus, Astronomical
// Algorithms, 2nd ed., eq. 16.4), an independent fit good to 0.07' above 5 degrees.
TEST(AltitudeCorrectionTables, StarCorrectionIsTheRefraction) {
  for (double degrees = 5.0; degrees <= 90.0; degrees += 2.5) {
    const double bennett = 1.0 / std::tan((degrees + 7.31 / (degrees + 4.4)) * kDegree);
    EXPECT_NEAR(StarAltitudeCorrection(60.0 * degrees) / 10.0, -bennett, 0.16) << degrees << " deg";
  }
  EXPECT_EQ(AdditionalRefraction(600, 100), 0) << "none at the standard atmosphere";
  EXPECT_EQ(RefractionFactorHundredths(10, 1010), 100);
}

// The tables used as printed: a0 by whole LHA Aries, a1 and a2 from its column, the middle of a
// month; the rigorous correction comes from the star's apparent place on that day.
TEST(PolarisTables, SumReproducesTheRigorousCorrection) {
  const PolarisTables tables = ComputePolarisTables(2026);
  const int latitudes[] = {0, 10, 20, 30, 40, 45, 50, 55, 60, 62, 64, 66, 68};
  std::mt19937 random(7);
  double squares = 0.0;
  constexpr int kSamples = 300;
  for (int i = 0; i < kSamples; ++i) {
    const int month = 1 + static_cast<int>(random() % 12);
    const int latitude = static_cast<int>(random() % 13);
    const int lha = static_cast<int>(random() % 360);
    const PolarisPlace place = PolarisPlaceOn(CalendarDate{static_cast<std::uint16_t>(month), 15, 2026});
    const double exact = PolarisCorrection(place, lha, latitudes[latitude]);
    const double sum = (tables.a0.rows[lha][1] + tables.a1.rows[latitude][1 + lha / 10] +
                        tables.a2.rows[month - 1][1 + lha / 10]) / 10.0 - 60.0;
    EXPECT_NEAR(sum, exact, 0.2) << "month " << month << " latitude " << latitudes[latitude] << " LHA " << lha;
    squares += (sum - exact) * (sum - exact);
  }
  EXPECT_LT(std::sqrt(squares / kSamples), 0.07);
}

// A sight worked with the concise tables by their rules, against the cosine formula.
double WorkedAltitude(int latitude, int lha, double declination) {
  const int row = lha <= 90 ? lha : lha <= 180 ? 180 - lha : lha <= 270 ? lha - 180 : 360 - lha;
  const int sign = lha > 90 && lha < 270 ? -1 : 1;
  const ConciseEntry first = ConciseTableEntry(latitude, row);
  const long f = 10 * sign * first.b + std::lround(600.0 * declination);  // tenths of arc-minute
  const int fDegrees = static_cast<int>(std::lround(f / 600.0));
  const int aDegrees = static_cast<int>((first.a + 30) / 60);
  const int pSign = fDegrees > 90 ? -1 : 1;
  const ConciseEntry second = ConciseTableEntry(aDegrees, fDegrees > 90 ? 180 - fDegrees : fDegrees);
  const long corr1 = pSign * AuxiliaryCorrection(static_cast<int>(f - 600L * fDegrees),
                                                  90 - static_cast<int>(std::lround(second.b / 60.0)));
  const long corr2 = -AuxiliaryCorrection(static_cast<int>(10 * (first.a - 60L * aDegrees)),
                                          static_cast<int>(std::lround(second.z / 10.0)));
  return second.a + (corr1 + corr2) / 10.0;
}

TEST(ConciseReduction, WorkedSightsStayWithinTheStatedAccuracy) {
  std::mt19937 random(11);
  std::uniform_real_distribution<double> declination(-28.0, 28.0);
  for (int i = 0, worked = 0; worked < 400; ++i) {
    const int latitude = static_cast<int>(random() % 70);
    const int lha = static_cast<int>(random() % 360);
    const double dec = declination(random);
    const double exact = std::asin(std::sin(latitude * kDegree) * std::sin(dec * kDegree) +
                                   std::cos(latitude * kDegree) * std::cos(dec * kDegree) * std::cos(lha * kDegree)) /
                         kDegree;
    if (exact < 5.0 || exact > 80.0) continue;
    ++worked;
    EXPECT_NEAR(WorkedAltitude(latitude, lha, dec), 60.0 * exact, 1.5)
        << "latitude " << latitude << " LHA " << lha << " dec " << dec;
  }
}

TEST(AlmanacBooklet, EverySectionLaidOutNumberedAndCounted) {
  BookletContents all;
  std::string error;
  ASSERT_TRUE(ParseSections("all", error));
  const AlmanacBooklet booklet =
      *ComputeAlmanacBooklet(CalendarDate{12, 30, 2026}, 4, all, EphemerisChoice{}, [](int, int) { return true; }, 2);
  const std::vector<BookletPage> pages = BookletPages(booklet);
  ASSERT_EQ(static_cast<int>(pages.size()), BookletPageCount(4, all));
  for (std::size_t p = 0; p < pages.size(); ++p) {
    testing::ExpectSheetLaidOut(pages[p].sheet, "page " + std::to_string(p + 1));
    EXPECT_NE(SheetText(pages[p].sheet).find("Page " + std::to_string(p + 1) + " of "), std::string::npos);
  }
  for (const auto& [list, wanted] : std::vector<std::pair<std::string, std::string>>{
           {"polaris,daily", "daily,polaris"}, {"all", "daily,increments,altitude,polaris,reduction,forms"}}) {
    const std::optional<BookletContents> parsed = ParseSections(list, error);
    ASSERT_TRUE(parsed) << list;
    EXPECT_EQ(SectionList(*parsed), wanted);
  }
  for (const char* bad : {"", "daily,", "tides"}) EXPECT_FALSE(ParseSections(bad, error)) << bad;
}

}  // namespace
}  // namespace nocturna
