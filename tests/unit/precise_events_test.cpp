// The precise events against a bisection on independent places: the Sun from ERFA's eraEpv00
// Earth with IAU 2006/2000A precession-nutation (not the engine's VSOP87B and IAU 2000B), the
// Moon from libnova 0.16's ELP 2000-82B (not the engine's ELP/MPP02), searched every 10 minutes
// of the same zone day and refined to 0.2 s. Sun events must
// agree within 5 s and moonrise/moonset within 30 s; a day the reference finds without the
// event must get a sentinel, and its kind (CP, NR, "none") must be the reference's too.
#include <erfa.h>
#include <erfam.h>
#include <gtest/gtest.h>
#include <libnova/libnova.h>

#include <cmath>
#include <vector>

#include "ephemeris/precise/disc_constants.h"
#include "ephemeris/precise/precise_events.h"
#include "ephemeris/precise/precise_time.h"
#include "foundations/dr_position.h"

namespace nocturna {
namespace {

constexpr double kDeg = M_PI / 180.0;

struct ReferencePlace {
  double gha, declination, hp, sd;  // degrees
};

// IAU 2006/2000A precession-nutation and apparent sidereal time, taken once at the day's noon:
// in a day they move a place by less than 0.1" beyond the Earth's rotation.
struct DayFrame {
  double npb[3][3];
  double gastNoon;  // radians
  double eraNoon;   // radians
};

DayFrame FrameOf(const PreciseInstant& noon) {
  DayFrame f{};
  eraPnm06a(noon.ttJd1, noon.ttJd2, f.npb);
  f.gastNoon = eraGst06a(noon.ut1Jd1, noon.ut1Jd2, noon.ttJd1, noon.ttJd2);
  f.eraNoon = eraEra00(noon.ut1Jd1, noon.ut1Jd2);
  return f;
}

// The apparent place, true equator and equinox of date, of a GCRS vector.
void PlaceOfDate(const DayFrame& f, const PreciseInstant& t, double vector[3], ReferencePlace& p) {
  double ofDate[3], ra = 0, dec = 0;
  eraRxp(const_cast<double(*)[3]>(f.npb), vector, ofDate);
  eraC2s(ofDate, &ra, &dec);
  const double gast = f.gastNoon + (eraEra00(t.ut1Jd1, t.ut1Jd2) - f.eraNoon);
  p.gha = eraAnp(gast - ra) / kDeg;
  p.declination = dec / kDeg;
}

// The Sun from ERFA's own Earth (eraEpv00) with annual aberration; the Moon from libnova's ELP
// 2000-82B (mean ecliptic and equinox of J2000), both to the true equator of date.
ReferencePlace ReferencePlaceAt(const DayFrame& f, const PreciseInstant& t, bool moon) {
  ReferencePlace p{};
  if (moon) {
    ln_rect_posn m{};
    ln_get_lunar_geo_posn(t.ttJd1 + t.ttJd2, &m, 1e-6);  // terms above 0.2"
    const double eps0 = 84381.406 / 3600.0 * kDeg;
    double v[3] = {m.X, m.Y * std::cos(eps0) - m.Z * std::sin(eps0), m.Y * std::sin(eps0) + m.Z * std::cos(eps0)};
    p.hp = std::asin(kEarthEquatorialRadiusKm / eraPm(v)) / kDeg;
    p.sd = std::asin(kMoonRadiusInEarthRadii * std::sin(p.hp * kDeg)) / kDeg;
    PlaceOfDate(f, t, v, p);
    return p;
  }
  double heliocentric[2][3], barycentric[2][3], toSun[3], direction[3], velocity[3], aberrated[3], distance = 0;
  eraEpv00(t.ttJd1, t.ttJd2, heliocentric, barycentric);
  for (int i = 0; i < 3; ++i) toSun[i] = -heliocentric[0][i];
  eraPn(toSun, &distance, direction);
  for (int i = 0; i < 3; ++i) velocity[i] = barycentric[1][i] / ERFA_CMPS * ERFA_DAU / ERFA_DAYSEC;
  eraAb(direction, velocity, distance, std::sqrt(1 - eraPdp(velocity, velocity)), aberrated);
  PlaceOfDate(f, t, aberrated, p);
  return p;
}

// The reference's event of one kind: UTC hours 0..24 or the sentinel it implies.
struct ReferenceEvent {
  double hours;
};

struct ReferenceDay {
  PreciseInstant start;
  double startUtc;
  DrPosition position;
  DayFrame frame;
};

double ReferenceAltitudeMargin(const ReferenceDay& day, double hours, bool moon, double sunAltitude) {
  const ReferencePlace p = ReferencePlaceAt(day.frame, AdvancedInstant(day.start, hours * 3600.0), moon);
  const double phi = day.position.latitude * kDeg;
  const double d = p.declination * kDeg;
  const double h = (p.gha - day.position.longitude) * kDeg;
  const double altitude = std::asin(std::sin(phi) * std::sin(d) + std::cos(phi) * std::cos(d) * std::cos(h)) / kDeg;
  return altitude - (moon ? p.hp - p.sd - 34.0 / 60.0 : sunAltitude);
}

// First rising and first setting crossing in the zone day, or the sentinels.
void ReferenceEvents(const ReferenceDay& day, bool moon, double sunAltitude, double& rise, double& set) {
  constexpr double kStep = 1.0 / 6.0;
  std::vector<std::pair<double, bool>> crossings;
  bool above = false;
  double h0 = 0.0;
  double f0 = ReferenceAltitudeMargin(day, h0, moon, sunAltitude);
  above = f0 > 0;
  for (double h1 = kStep; h1 < 24.0 + kStep / 2; h1 += kStep) {
    double f1 = ReferenceAltitudeMargin(day, h1, moon, sunAltitude);
    above = above || f1 > 0;
    if ((f0 > 0) != (f1 > 0)) {
      double a = h0, b = h1, fa = f0;
      while (b - a > 0.2 / 3600.0) {
        const double m = (a + b) / 2;
        const double fm = ReferenceAltitudeMargin(day, m, moon, sunAltitude);
        if ((fm > 0) == (fa > 0)) { a = m; fa = fm; } else { b = m; }
      }
      crossings.push_back({(a + b) / 2, f1 > 0});
    }
    h0 = h1;
    f0 = f1;
  }
  auto first = [&](bool rising) {
    for (const auto& c : crossings) {
      if (c.second == rising) return std::fmod(day.startUtc + c.first + 48.0, 24.0);
    }
    if (!crossings.empty()) return kEventNotThisDay;
    return above ? kEventAboveAllDay : kEventBelowAllDay;
  };
  rise = first(true);
  set = first(false);
}

// Seconds between two UTC hours of day, across midnight.
double SecondsApart(double a, double b) { return std::fabs(std::remainder(a - b, 24.0)) * 3600.0; }

void ExpectSameEvent(double expected, double got, double toleranceSeconds, const char* name) {
  if (IsEventSentinel(expected)) {
    EXPECT_EQ(got, expected) << name << ": the reference has no such event this day";
  } else {
    ASSERT_FALSE(IsEventSentinel(got)) << name << ": missed, reference " << expected;
    EXPECT_LE(SecondsApart(expected, got), toleranceSeconds)
        << name << " expected " << expected << " h, got " << got << " h";
  }
}

TEST(PreciseEvents, AgreeWithABisectionOnLibnovaAtFixedDatesAndLatitudes) {
  const CalendarDate dates[] = {{1, 4, 1905}, {3, 20, 1950}, {6, 21, 1988}, {9, 23, 2005}, {12, 21, 2015},
                                {5, 17, 2020}, {7, 28, 2020}, {11, 8, 2026}, {2, 14, 2050}, {8, 1, 2097}};
  const DrPosition places[] = {{0.0, 0.0}, {42.0, 75.0}, {-33.9, -151.2}, {60.5, -5.0}, {69.5, -19.0}, {78.2, -15.6}, {-75.0, 120.0}};
  const struct {
    double altitude;
    double BodyEphemeris::*morning;
    double BodyEphemeris::*evening;
    const char* name;
  } sunEvents[] = {{-50.0 / 60.0, &BodyEphemeris::sunrise, &BodyEphemeris::sunset, "sunrise/sunset"},
                   {-6.0, &BodyEphemeris::civilMorning, &BodyEphemeris::civilEvening, "civil twilight"},
                   {-12.0, &BodyEphemeris::nauticalMorning, &BodyEphemeris::nauticalEvening, "nautical twilight"}};
  for (const CalendarDate& date : dates) {
    for (const DrPosition& position : places) {
      SCOPED_TRACE(testing::Message() << date.year << "-" << date.month << "-" << date.day << " lat "
                                      << position.latitude << " lon " << position.longitude);
      SunEventsRecord events{};
      ASSERT_EQ(ComputePreciseEvents(events, date, position, std::nullopt), nullptr);
      const int zd = ZoneDescriptionFromLongitude(position);
      const PreciseInstant start = PreciseInstantOf(date, zd * 3600.0, std::nullopt).instant;
      const ReferenceDay day{start, double(zd), position, FrameOf(AdvancedInstant(start, 12 * 3600.0))};
      for (const auto& e : sunEvents) {
        double rise = 0, set = 0;
        ReferenceEvents(day, false, e.altitude, rise, set);
        ExpectSameEvent(rise, events.*e.morning, 5.0, e.name);
        ExpectSameEvent(set, events.*e.evening, 5.0, e.name);
      }
      double moonrise = 0, moonset = 0;
      ReferenceEvents(day, true, 0.0, moonrise, moonset);
      ExpectSameEvent(moonrise, events.moonrise, 30.0, "moonrise");
      ExpectSameEvent(moonset, events.moonset, 30.0, "moonset");
    }
  }
}

}  // namespace
}  // namespace nocturna
