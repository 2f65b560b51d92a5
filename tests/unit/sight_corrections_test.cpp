#include <gtest/gtest.h>

#include <cmath>

#include "sights/sight_corrections.h"

namespace nocturna {
namespace {

// Dip and refraction against the almanac's formulas worked by hand, and against the printed
// tables (dip table; stars-and-planets refraction column) to their 0.1' rounding.
TEST(SightCorrections, DipAndRefractionFollowTheAlmanacFormulas) {
  struct DipCase { double metres, minutes, tolerance; };
  const DipCase dips[] = {{0, 0, 1e-12}, {2.4, 2.7266, 1e-3}, {10, 5.5656, 1e-3},
                          {20, 7.8710, 1e-3}, {10, 5.6, 0.05}, {-3, 0, 1e-12}};
  for (const DipCase& d : dips) {
    EXPECT_NEAR(DipMinutes(d.metres), d.minutes, d.tolerance) << d.metres << " m";
  }
  struct RefractionCase { double altitude, temperature, pressure, minutes, tolerance; };
  const RefractionCase refractions[] = {
      {0, 10, 1010, 33.8717 * 0.9993, 0.01},   {5, 10, 1010, 9.8896 * 0.9993, 0.01},
      {10, 10, 1010, 5.4004 * 0.9993, 0.01},   {30, 10, 1010, 1.7207 * 0.9993, 0.01},
      {60, 10, 1010, 0.6, 0.05},               {35, 10, 1010, 1.4, 0.05},
      {5, -10, 1030, 10.8447, 0.01},           {2, 35, 990, 16.3437, 0.01},
  };
  for (const RefractionCase& r : refractions) {
    EXPECT_NEAR(RefractionMinutes(r.altitude, r.temperature, r.pressure), r.minutes, r.tolerance)
        << r.altitude << " deg, " << r.temperature << " degC, " << r.pressure << " hPa";
  }
  EXPECT_NEAR(RefractionScale(kStandardTemperatureCelsius, kStandardPressureHectopascals), 1.0,
              1e-3);
}

// The Moon at 80 deg with HP 60.3': the almanac's worked method (refraction, HP cos H, SD =
// 0.2724 HP) gives +26.7' for the lower limb and -6.1' for the upper. Our order (augmented SD,
// parallax at the centre) must give the same total, since augmentation is the parallax's
// change across the disc. Across altitudes the two agree to 0.02': the almanac's example takes
// HP cos H at the limb's altitude before refraction, we at the centre's after it.
TEST(SightCorrections, MoonLimbsMatchTheAlmanacsWorkedMethod) {
  const SightConditions standardAir;
  struct MoonCase { Limb limb; double totalMinutes; };
  for (const MoonCase& m : {MoonCase{Limb::lower, 26.7}, MoonCase{Limb::upper, -6.1}}) {
    const BodyDisc moon{m.limb, 0.2724 * 60.3, 60.3, true};
    const AltitudeCorrections c = CorrectSextantAltitude(80.0, standardAir, moon);
    EXPECT_NEAR((c.observedAltitudeDegrees - 80.0) * 60.0, m.totalMinutes, 0.05);
    EXPECT_NEAR(c.refractionMinutes, 0.175, 0.001);
    EXPECT_GT(std::abs(c.semiDiameterMinutes), 0.2724 * 60.3 + 0.25) << "augmented";
  }
  for (double ha = 5; ha <= 85; ha += 10) {
    const BodyDisc moon{Limb::lower, 0.2724 * 57.0, 57.0, true};
    const AltitudeCorrections c = CorrectSextantAltitude(ha, standardAir, moon);
    const double almanacMethod = -StandardRefractionMinutes(ha) * RefractionScale(10, 1010) +
                                 57.0 * std::cos(ha * 0.0174532925199) + 0.2724 * 57.0;
    EXPECT_NEAR((c.observedAltitudeDegrees - ha) * 60.0, almanacMethod, 0.02) << ha;
  }
}

// Every step of a form, worked by hand with the almanac's formulas for a Sun lower limb at Hs
// 34 30.0', IC -1.5', eye 4 m, 25 C, 1020 hPa: dip 3.52', Ha 34 24.98', refraction
// 1.452' x 0.9584 = 1.392', SD 16.2', parallax 0.15' cos 34.6 = 0.123', Ho 34 39.91';
// cautions at low altitude.
TEST(SightCorrections, SightFormStepsAndCautions) {
  const SightConditions conditions{-1.5, 4.0, 25.0, 1020.0};
  const BodyDisc sun{Limb::lower, 16.2, 0.15, false};
  const AltitudeCorrections c = CorrectSextantAltitude(34.5, conditions, sun);
  EXPECT_NEAR(c.dipMinutes, 3.52, 1e-9);
  EXPECT_NEAR(c.apparentAltitudeDegrees * 60.0, 34 * 60 + 24.98, 1e-6);
  EXPECT_NEAR(c.refractionMinutes, 1.392, 1e-3);
  EXPECT_NEAR(c.semiDiameterMinutes, 16.2, 1e-12);
  EXPECT_NEAR(c.parallaxMinutes, 0.123, 1e-3);
  EXPECT_NEAR(c.observedAltitudeDegrees * 60.0, 34 * 60 + 39.912, 1e-3);
  EXPECT_EQ(c.caution, AltitudeCaution::none);
  EXPECT_EQ(CorrectSextantAltitude(4.0, {}, {}).caution, AltitudeCaution::lowAltitude);
  EXPECT_EQ(CorrectSextantAltitude(-2.0, {}, {}).caution, AltitudeCaution::belowHorizon);
}

// The sextant altitude for a computed one, read back through the corrections, for stars,
// the Sun, the Moon and the planets, down to the horizon.
TEST(SightCorrections, SextantAltitudeForInvertsTheCorrections) {
  const SightConditions conditions{2.0, 12.0, -5.0, 1025.0};
  const BodyDisc discs[] = {{Limb::centre, 0, 0, false},
                            {Limb::lower, 16.0, 0.15, false},
                            {Limb::upper, 15.5, 57.0, true},
                            {Limb::lower, 16.8, 61.4, true},
                            {Limb::centre, 0, 0.5, false}};
  for (const BodyDisc& disc : discs) {
    for (double ho : {0.5, 3.0, 15.0, 45.0, 75.0, 89.5}) {
      const std::optional<double> hs = SextantAltitudeFor(ho, conditions, disc);
      ASSERT_TRUE(hs.has_value()) << "Ho " << ho << " SD " << disc.semiDiameterMinutes;
      EXPECT_NEAR(CorrectSextantAltitude(*hs, conditions, disc).observedAltitudeDegrees, ho, 1e-9)
          << "Ho " << ho << " SD " << disc.semiDiameterMinutes;
    }
  }
  // A star 2 deg below the horizon cannot be brought down to a sea horizon.
  EXPECT_FALSE(SextantAltitudeFor(-2.0, conditions, discs[0]).has_value());
}

}  // namespace
}  // namespace nocturna
