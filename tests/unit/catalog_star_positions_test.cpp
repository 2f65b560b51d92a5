#include <gtest/gtest.h>

#include <cmath>
#include <iterator>

#include "foundations/angles.h"
#include "navigation/body_catalog.h"
#include "navigation/star_positions.h"

namespace nocturna {
namespace {

// Apparent places for 2015 June 1, 0h UT, computed independently from the Bright Star
// Catalogue's J2000 positions (with the larger proper motions) through precession,
// nutation and annual aberration: SHA and declination in degrees.
struct ApparentPlace {
  int star;
  double sha;
  double declination;
};

constexpr ApparentPlace kApparent2015June1[] = {
    {1, 357.70352, 29.17245},  // Alpheratz
    {2, 353.24411, -42.21980},  // Ankaa
    {3, 349.65349, 56.61679},  // Schedar
    {4, 348.91275, -17.90198},  // Diphda
    {5, 335.43934, -57.15665},  // Achernar
    {6, 327.99130, 23.53128},  // Hamal
    {7, 315.29652, -40.24444},  // Acamar
    {8, 314.23270, 4.14687},  // Menkar
    {9, 308.64784, 49.91087},  // Mirfak
    {10, 290.80315, 16.53572},  // Aldebaran
    {11, 281.18551, -8.18842},  // Rigel
    {12, 280.54873, 46.00959},  // Capella
    {13, 278.51473, 6.35924},  // Bellatrix
    {14, 278.18886, 28.61706},  // Elnath
    {15, 275.75544, -1.19663},  // Alnilam
    {16, 271.00389, 7.40531},  // Betelgeuse
    {17, 263.93436, -52.70983},  // Canopus
    {18, 258.54735, -16.74246},  // Sirius
    {19, 255.19668, -28.99882},  // Adhara
    {20, 244.97734, 5.18149},  // Procyon
    {21, 243.43992, 27.98640},  // Pollux
    {22, 234.29661, -59.56628},  // Avior
    {23, 222.85946, -43.50130},  // Suhail
    {24, 221.65790, -69.78824},  // Miaplacidus
    {25, 217.91484, -8.72952},  // Alphard
    {26, 207.70374, 11.89034},  // Regulus
    {27, 193.83609, 61.67127},  // Dubhe
    {28, 182.53700, 14.48604},  // Denebola
    {29, 175.84619, -17.62970},  // Gienah
    {30, 173.12215, -63.18903},  // Acrux
    {31, 171.98396, -57.20376},  // Gacrux
    {32, 166.32313, 55.88027},  // Alioth
    {33, 158.49337, -11.24200},  // Spica
    {34, 152.95967, 49.24037},  // Alkaid
    {35, 148.75590, -60.44878},  // Hadar
    {36, 148.09359, -36.44655},  // Menkent
    {37, 145.90495, 19.10458},  // Arcturus
    {38, 139.82195, -60.90022},  // Rigel Kentaurus
    {39, 137.05974, -16.10436},  // Zubenelgenubi
    {40, 137.31965, 74.09659},  // Kochub
    {41, 126.16043, 26.66612},  // Alphecca
    {42, 112.40454, -26.46319},  // Antares
    {43, 107.40430, -69.05141},  // Atria
    {44, 102.17768, -15.74094},  // Sabik
    {45, 96.32911, -37.11080},  // Shaula
    {46, 96.08277, 12.55241},  // Rasalhague
    {47, 90.75075, 51.48856},  // Eltanin
    {48, 83.69438, -34.37210},  // Kaus Australis
    {49, 80.62864, 38.79912},  // Vega
    {50, 75.93965, -26.27276},  // Nunki
    {51, 62.11174, 8.91100},  // Altair
    {52, 53.28134, -56.67825},  // Peacock
    {53, 49.50504, 45.33412},  // Deneb
    {54, 33.76274, 9.94616},  // Enif
    {55, 27.70182, -46.88101},  // Al Na'ir
    {56, 15.37594, -29.53732},  // Fomalhaut
    {57, 13.61658, 15.28720},  // Markab
};

double SignedDifference360(double a, double b) {
  double d = std::fmod(a - b, 360.0);
  if (d > 180) d -= 360;
  if (d < -180) d += 360;
  return d;
}

TEST(StarPositions, AllStarsAgreeWithIndependentApparentPlaces) {
  BodyCatalog catalog = BuildCatalog();
  PlaceStars(catalog, CalendarDate{6, 1, 2015}, ClockTime{0, 0, 0});
  ASSERT_EQ(std::size(kApparent2015June1), static_cast<std::size_t>(kStarCount));
  constexpr double kToleranceArcmin = 1.0;
  for (const ApparentPlace& place : kApparent2015June1) {
    const CelestialBody& star = catalog.entries[place.star];
    const double shaArcmin = SignedDifference360(star.sha, place.sha) * 60;
    const double onSkyArcmin = shaArcmin * std::cos(DegToRad(place.declination));
    const double decArcmin = (star.declination - place.declination) * 60;
    EXPECT_LE(std::fabs(onSkyArcmin), kToleranceArcmin)
        << star.name << " SHA expected " << place.sha << " got " << star.sha << " diff "
        << shaArcmin << "'";
    EXPECT_LE(std::fabs(decArcmin), kToleranceArcmin)
        << star.name << " Dec expected " << place.declination << " got " << star.declination
        << " diff " << decArcmin << "'";
  }
}

TEST(StarPositions, DayAngleCountsFromTheLastDayOf1995) {
  struct Case {
    CalendarDate date;
    ClockTime time;
    double dayCount;
  };
  const Case cases[] = {
      {{12, 31, 1995}, {0, 0, 0}, 0},
      {{1, 1, 1996}, {0, 0, 0}, 1},
      {{1, 1, 1996}, {12, 0, 0}, 1.5},
      {{6, 1, 2015}, {0, 0, 0}, 7092},
      {{3, 1, 2000}, {0, 0, 0}, 1522},  // after 29 February of a leap year
      {{1, 1, 1901}, {0, 0, 0}, -34697},
  };
  for (const Case& c : cases) {
    BodyCatalog catalog = BuildCatalog();
    const double v = PlaceStars(catalog, c.date, c.time);
    EXPECT_NEAR(v, 0.9856474 * c.dayCount, 1e-9)
        << c.date.year << "-" << c.date.month << "-" << c.date.day;
  }
}

TEST(StarPositions, SiriusMatchesThePublishedAlmanac) {
  // Published almanac figures for 2015 June 1: Sirius SHA about 258.55, Dec about -16.73.
  BodyCatalog catalog = BuildCatalog();
  PlaceStars(catalog, CalendarDate{6, 1, 2015}, ClockTime{0, 0, 0});
  const CelestialBody& sirius = catalog.entries[18];
  EXPECT_NEAR(sirius.sha, 258.55, 0.02);
  EXPECT_NEAR(sirius.declination, -16.73, 0.02);
}

TEST(StarPositions, ShaStaysInOneTurnOverTheWholeRange) {
  BodyCatalog catalog = BuildCatalog();
  for (int year = 1901; year <= 2099; year += 7) {
    for (std::uint16_t month = 1; month <= 12; month += 5) {
      PlaceStars(catalog, CalendarDate{month, 28, static_cast<std::uint16_t>(year)},
                 ClockTime{23, 59, 59});
      for (int k = kFirstStarIndex; k < kFirstStarIndex + kStarCount; ++k) {
        const CelestialBody& star = catalog.entries[k];
        ASSERT_TRUE(star.sha >= 0 && star.sha < 360) << star.name << " " << year;
        ASSERT_TRUE(std::fabs(star.declination) < 90) << star.name << " " << year;
      }
    }
  }
}

TEST(StarPositions, EveryGhaIsShaPlusGhaAries) {
  BodyCatalog catalog = BuildCatalog();
  catalog.entries[kSunIndex].sha = 350.0;
  catalog.entries[kMoonIndex].sha = 10.0;
  // 2000 January 1, 0h UT: GHA Aries 99.9678 (day count 1462).
  const double ghaAries = ComputeStarPositions(catalog, CalendarDate{1, 1, 2000}, ClockTime{});
  EXPECT_NEAR(ghaAries, 99.9678, 1e-4);
  EXPECT_EQ(catalog.gha[kAriesIndex], ghaAries);
  EXPECT_NEAR(catalog.gha[kSunIndex], 350.0 + 99.9678 - 360, 1e-4);
  EXPECT_NEAR(catalog.gha[kMoonIndex], 10.0 + 99.9678, 1e-4);
  for (int k = 0; k < kBodyCount; ++k) {
    const double expected = std::fmod(catalog.entries[k].sha + ghaAries, 360.0);
    EXPECT_NEAR(catalog.gha[k], expected, 1e-9) << catalog.entries[k].name;
    EXPECT_TRUE(catalog.gha[k] >= 0 && catalog.gha[k] < 360) << catalog.entries[k].name;
  }
}

}  // namespace
}  // namespace nocturna
