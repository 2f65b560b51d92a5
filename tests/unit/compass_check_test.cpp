// Compass checks: the error by the rule "compass least, error east; compass best, error west"
// (Bowditch, The American Practical Navigator, on compass error), the amplitude against the
// Sun placed by ERFA and the almanac's sin A = sin dec sec lat, and the deviation card against
// checks made from known coefficients.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "foundations/angles.h"
#include "sights/amplitude_check.h"
#include "sights/compass_check.h"
#include "sights/deviation_card.h"
#include "support/erfa_sun.h"

namespace nocturna {
namespace {

struct ErrorCase {
  double zn, compass, variation, error, deviation;
  char errorName, deviationName;
};

TEST(CompassCheck, ErrorAndDeviationByTheirNames) {
  const ErrorCase cases[] = {
      {57.4, 60.0, -5.0, -2.6, 2.4, 'W', 'E'},   // compass best: error west
      {359.0, 2.0, 3.0, -3.0, -6.0, 'W', 'W'},   // across north
      {1.5, 358.5, 1.0, 3.0, 2.0, 'E', 'E'},     // compass least: error east
      {180.0, 176.0, 10.0, 4.0, -6.0, 'E', 'W'},
  };
  for (const ErrorCase& c : cases) {
    const CompassCheck check = CheckCompass(c.zn, c.compass, c.variation);
    EXPECT_NEAR(check.errorDegrees, c.error, 1e-9) << c.zn << " " << c.compass;
    EXPECT_EQ(check.errorName, c.errorName);
    ASSERT_TRUE(check.deviationDegrees.has_value());
    EXPECT_NEAR(*check.deviationDegrees, c.deviation, 1e-9);
    EXPECT_EQ(check.deviationName, c.deviationName);
  }
  EXPECT_NE(CheckCompass(100.0, std::nullopt, 2.0).refusal, nullptr);
  EXPECT_FALSE(CheckCompass(100.0, 99.0, std::nullopt).deviationDegrees.has_value());
}

// 2026 June 21 near 40 N 30 W and 2026 December 21 near 51.4 N 5 E: the Sun rising and setting.
struct AmplitudeCase {
  DateTime about;  // within a few minutes of the event
  DrPosition dr;
  bool rising;
};

TEST(AmplitudeCheck, BearingOnTheHorizonAgreesWithTheAlmanacAndErfa) {
  const EphemerisChoice precise{EphemerisKind::precise, 0.0};
  BodyCatalog scratch = BuildCatalog();
  const AmplitudeCase cases[] = {
      {EncodeDateTime(2026, 6, 21, 6, 37, 0), {40.0, 30.0}, true},
      {EncodeDateTime(2026, 6, 21, 21, 27, 0), {40.0, 30.0}, false},
      {EncodeDateTime(2026, 12, 21, 15, 26, 0), {51.4, -5.0}, false},
  };
  for (const AmplitudeCase& c : cases) {
    const double dec = reference::ErfaSun(c.about).declination;
    const double almanac = std::asin(std::sin(dec * kDegreesToRadians) / std::cos(c.dr.latitude * kDegreesToRadians)) *
                           kRadiansToDegrees;
    const AmplitudeCheck celestial = CheckAmplitude(scratch, kSunIndex, c.about, c.dr, AmplitudeHorizon::celestial,
                                                    SightConditions{}, 60.0, std::nullopt, precise);
    ASSERT_EQ(celestial.check.refusal, nullptr) << c.about;
    EXPECT_EQ(celestial.rising, c.rising);
    EXPECT_NEAR(celestial.amplitudeDegrees, almanac, 0.02);
    const double expectedZn = c.rising ? 90.0 - almanac : 270.0 + almanac;
    EXPECT_NEAR(celestial.check.trueAzimuthDegrees, expectedZn, 0.02);
    EXPECT_NEAR(std::remainder(celestial.check.errorDegrees - (expectedZn - 60.0), 360.0), 0.0, 0.02);
    // On the sea horizon from 10 m the centre is 0.67 deg below the celestial one: the
    // amplitude moves by about h tan(lat) / cos(A) toward the pole.
    SightConditions bridge;
    bridge.heightOfEyeMetres = 10.0;
    const AmplitudeCheck visible = CheckAmplitude(scratch, kSunIndex, c.about, c.dr, AmplitudeHorizon::visible,
                                                  bridge, 60.0, std::nullopt, precise);
    const double shift = -visible.centreAltitudeDegrees * std::tan(c.dr.latitude * kDegreesToRadians) /
                         std::cos(almanac * kDegreesToRadians);
    EXPECT_NEAR(visible.amplitudeDegrees - celestial.amplitudeDegrees, shift, 0.03);
  }
  const DateTime noon = EncodeDateTime(2026, 6, 21, 14, 0, 0);
  EXPECT_NE(CheckAmplitude(scratch, kSunIndex, noon, {40.0, 30.0}, AmplitudeHorizon::celestial, SightConditions{},
                           180.0, std::nullopt, precise).check.refusal, nullptr);
}

TEST(DeviationCard, RecoversCoefficientsAndRefusesNarrowHeadings) {
  const double a = 0.5, b = 3.0, c = -2.0, d = 0.7, e = -0.4;
  std::vector<HeadingCheck> checks;
  for (int k = 0; k < 12; ++k) {
    const double h = 30.0 * k * kDegreesToRadians;
    const double truth = a + b * std::sin(h) + c * std::cos(h) + d * std::sin(2 * h) + e * std::cos(2 * h);
    checks.push_back({30.0 * k, truth + (k % 2 ? 0.1 : -0.1)});  // a tenth of a degree of reading
  }
  const DeviationCard card = FitDeviationCard(checks);
  ASSERT_EQ(card.refusal, nullptr);
  const double fitted[] = {card.a, card.b, card.c, card.d, card.e}, truth[] = {a, b, c, d, e};
  for (int i = 0; i < 5; ++i) EXPECT_NEAR(fitted[i], truth[i], 0.1) << "coefficient " << i;
  EXPECT_NEAR(card.card[6], a + b - e, 0.1);  // heading 090
  EXPECT_NEAR(card.rmsResidualDegrees, 0.1, 0.02);
  ASSERT_EQ(card.residualsDegrees.size(), checks.size());

  const std::vector<std::vector<double>> narrow = {
      {0, 10, 20, 30, 40, 50},       // one quadrant
      {0, 90, 180, 270},             // four headings only
      {0, 2, 4, 90, 180, 270},       // five readings, four distinct headings
      {0, 45, 90, 135, 180},         // half the compass
  };
  for (const auto& headings : narrow) {
    std::vector<HeadingCheck> few;
    for (const double h : headings) few.push_back({h, 1.0});
    EXPECT_NE(FitDeviationCard(few).refusal, nullptr) << headings.size();
  }
  EXPECT_NE(FitDeviationCard({{0, 1}, {72, 1}, {144, NAN}, {216, 1}, {288, 1}}).refusal, nullptr);
  EXPECT_EQ(FitDeviationCard({{0, 1}, {72, 1}, {144, 1}, {216, 1}, {288, 1}}).refusal, nullptr);
}

}  // namespace
}  // namespace nocturna
