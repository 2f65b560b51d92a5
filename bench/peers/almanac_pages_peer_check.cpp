// The daily pages' figures beside an independent computation (ERFA and libnova, see Reference): how many printed values are identical at 0.1',
// the largest difference, and the event times against a bisection on libnova's altitudes.
//
//   nocturna_pages_peer_check [YYYY-MM-DD] [openings] [--precise] [--delta-t S] [--dut1 S]
//
// The reference is the sky at the pages' hours: positions at TT = hour + S of --delta-t (TT - UTC
// for the precise pages, 69.184 s in 2017-2026; 0 for the standard theory, whose argument is the
// time as given), hour angles from the apparent sidereal time at UT1 = hour + --dut1.
#include <erfa.h>
#include <erfam.h>
#include <libnova/libnova.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "almanacpages/almanac_passage.h"
#include "almanacpages/page_dates.h"

namespace nocturna {
namespace {

struct Tally {
  const char* name;
  long values = 0;
  long identical = 0;
  int largest = 0;  // tenths of arc-minute
  void Add(ArcTenths ours, ArcTenths theirs, bool hourAngle) {
    int difference = std::abs(ours - theirs);
    if (hourAngle) difference = std::min(difference, 216000 - difference);
    ++values;
    identical += difference == 0;
    largest = std::max(largest, difference);
  }
};

double JulianDayOf(const CalendarDate& date, double hours) {
  ln_date day{date.year, date.month, date.day, 0, 0, 0.0};
  return ln_get_julian_day(&day) + hours / 24.0;
}

// Apparent places of date from the independent theories: ERFA's Earth (eraEpv00) for the Sun
// with light time and aberration; libnova's ELP 2000-82B Moon and VSOP87 planets, which come on
// the J2000 ecliptic and equator (seen as 0.4 degrees of precession in 2026), taken to ICRS and
// then to the true equator and equinox of date with IAU 2006/2000A (eraPnm06a); the planets
// with annual aberration. Hour angles from the apparent sidereal time (eraGst06a).
struct Reference {
  double deltaTDays;  // TT less the page's time scale
  double dut1Days;    // UT1 less the page's time scale

  static double Degrees(double radians) { return radians * 180.0 / M_PI; }

  // Degrees GHA and declination of the direction `icrs` at UT `jd`.
  std::pair<double, double> OfDate(double icrs[3], double jd) const {
    const double tt = jd + deltaTDays - 2400000.5;
    double rnpb[3][3], apparent[3], ra, dec;
    eraPnm06a(2400000.5, tt, rnpb);
    eraRxp(rnpb, icrs, apparent);
    eraC2s(apparent, &ra, &dec);
    const double gast = eraGst06a(2400000.5, jd + dut1Days - 2400000.5, 2400000.5, tt);
    return {Degrees(eraAnp(gast - ra)), Degrees(dec)};
  }

  // The Earth's barycentric velocity in units of c, with its Lorentz factor, at TT `tt` (MJD).
  static void EarthVelocity(double tt, double v[3], double& bm1, double heliocentric[3]) {
    double pvh[2][3], pvb[2][3];
    eraEpv00(2400000.5, tt, pvh, pvb);
    for (int i = 0; i < 3; ++i) {
      v[i] = pvb[1][i] * ERFA_AULT / ERFA_DAYSEC;
      heliocentric[i] = pvh[0][i];
    }
    bm1 = std::sqrt(1.0 - eraPm(v) * eraPm(v));
  }

  std::pair<double, double> Sun(double jd) const {
    const double tt = jd + deltaTDays - 2400000.5;
    double v[3], bm1, earth[3];
    EarthVelocity(tt, v, bm1, earth);
    const double lightTime = eraPm(earth) * ERFA_AULT / ERFA_DAYSEC;
    // The Sun's barycentric place at the time its light left, less the Earth's now.
    double pvh[2][3], pvb[2][3], now[2][3], nowHelio[2][3], sun[3], u[3], r, apparent[3];
    eraEpv00(2400000.5, tt, nowHelio, now);
    eraEpv00(2400000.5, tt - lightTime, pvh, pvb);
    for (int i = 0; i < 3; ++i) sun[i] = (pvb[0][i] - pvh[0][i]) - now[0][i];
    eraPn(sun, &r, u);
    eraAb(u, v, eraPm(earth), bm1, apparent);
    return OfDate(apparent, jd);
  }

  std::pair<double, double> Moon(double jd) const {
    ln_lnlat_posn ecliptic{};
    ln_get_lunar_ecl_coords(jd + deltaTDays, &ecliptic, 0);
    double ecm[3][3], direction[3], icrs[3];
    eraEcm06(ERFA_DJ00, 0.0, ecm);
    eraS2c(ecliptic.lng * M_PI / 180.0, ecliptic.lat * M_PI / 180.0, direction);
    eraTrxp(ecm, direction, icrs);
    return OfDate(icrs, jd);
  }

  template <typename Place>
  std::pair<double, double> Planet(double jd, Place place) const {
    ln_equ_posn j2000{};
    place(jd + deltaTDays, &j2000);
    double v[3], bm1, earth[3], u[3], apparent[3];
    EarthVelocity(jd + deltaTDays - 2400000.5, v, bm1, earth);
    eraS2c(j2000.ra * M_PI / 180.0, j2000.dec * M_PI / 180.0, u);
    eraAb(u, v, eraPm(earth), bm1, apparent);
    return OfDate(apparent, jd);
  }

  double GhaAries(double jd) const {
    return Degrees(eraAnp(eraGst06a(2400000.5, jd + dut1Days - 2400000.5, 2400000.5, jd + deltaTDays - 2400000.5)));
  }
};

// The altitude (degrees) of the Sun's or the Moon's centre at latitude `phi`, longitude 0.
double Altitude(const Reference& reference, double jd, double phi, bool moon) {
  const auto place = moon ? reference.Moon(jd) : reference.Sun(jd);
  const double r = M_PI / 180.0;
  return std::asin(std::sin(phi * r) * std::sin(place.second * r) +
                   std::cos(phi * r) * std::cos(place.second * r) * std::cos(place.first * r)) / r;
}

// The Moon's altitude at rising and setting: its semi-diameter and refraction above, less its
// parallax (the same horizon as the events' own rule, from libnova's distance).
double MoonHorizon(const Reference& reference, double jd) {
  const double parallax = std::asin(6378.14 / ln_get_lunar_earth_dist(jd + reference.deltaTDays)) * 180.0 / M_PI;
  return 0.7275 * parallax - 34.0 / 60.0;
}

// The first crossing of `altitude` through `horizon` in the UT day, rising or setting, found
// on a half-hour grid and bisected to a second; minutes of the day, or -1 when none.
double Crossing(const std::function<double(double)>& above, double jd0, bool rising) {
  constexpr int kSteps = 48;
  double previous = above(jd0);
  for (int i = 1; i <= kSteps; ++i) {
    const double jd = jd0 + i / double(kSteps);
    const double now = above(jd);
    if ((rising && previous < 0 && now >= 0) || (!rising && previous >= 0 && now < 0)) {
      double low = jd - 1.0 / kSteps, high = jd;
      for (int k = 0; k < 12; ++k) {
        const double middle = (low + high) / 2;
        ((above(middle) >= 0) == rising ? high : low) = middle;
      }
      return (high - jd0) * 1440.0;
    }
    previous = now;
  }
  return -1;
}

struct EventTally {
  long times = 0, withinMinute = 0, kindsAgree = 0, cells = 0;
  double largest = 0;
  void Add(const EventCell& ours, double theirs) {
    ++cells;
    if (ours.kind != EventCellKind::time || theirs < 0) {
      kindsAgree += (ours.kind != EventCellKind::time) == (theirs < 0);
      return;
    }
    ++kindsAgree;
    ++times;
    const double difference = std::abs(ours.minutes - theirs);
    withinMinute += difference <= 1.0;
    largest = std::max(largest, difference);
  }
};

void Report(const Tally& tally) {
  std::printf("%-22s %7ld values  %6.2f%% identical  largest %.1f'\n", tally.name, tally.values,
              100.0 * tally.identical / std::max(1L, tally.values), tally.largest / 10.0);
}

int Run(int argc, char** argv) {
  CalendarDate from{1, 1, 2026};
  int openings = 4;
  EphemerisChoice choice;
  double deltaT = 69.2;
  double dut1 = 0.0;
  int positional = 0;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--precise")) {
      choice.kind = EphemerisKind::precise;
    } else if (!std::strcmp(argv[i], "--delta-t") && i + 1 < argc) {
      deltaT = std::atof(argv[++i]);
    } else if (!std::strcmp(argv[i], "--dut1") && i + 1 < argc) {
      dut1 = std::atof(argv[++i]);
    } else if (positional++ == 0 && std::sscanf(argv[i], "%hu-%hu-%hu", &from.year, &from.month, &from.day) == 3) {
    } else {
      openings = std::max(1, std::atoi(argv[i]));
    }
  }
  const Reference reference{deltaT / 86400.0, dut1 / 86400.0};
  Tally sunGha{"Sun GHA"}, sunDec{"Sun Dec"}, moonGha{"Moon GHA"}, moonDec{"Moon Dec"},
      aries{"GHA Aries"}, planetGha{"planets GHA"}, planetDec{"planets Dec"}, all{"all hourly values"};
  EventTally sun, moon;
  using Place = void (*)(double, ln_equ_posn*);
  const Place planets[] = {ln_get_venus_equ_coords, ln_get_mars_equ_coords,
                           ln_get_jupiter_equ_coords, ln_get_saturn_equ_coords};
  for (int o = 0; o < openings; ++o) {
    const CalendarDate first = DateAfter(from, 3 * o);
    const AlmanacOpening opening = ComputeAlmanacOpening(first, choice);
    for (int h = 0; h < kOpeningHours; ++h) {
      const double jd = JulianDayOf(first, h);
      const auto add = [&](Tally& gha, Tally& dec, const HourPlace& ours, std::pair<double, double> theirs) {
        gha.Add(ours.gha, RoundHourAngle(theirs.first), true);
        dec.Add(ours.declination, RoundSignedAngle(theirs.second), false);
        all.Add(ours.gha, RoundHourAngle(theirs.first), true);
        all.Add(ours.declination, RoundSignedAngle(theirs.second), false);
      };
      add(sunGha, sunDec, opening.sun.hours[h], reference.Sun(jd));
      add(moonGha, moonDec, opening.moon[h].place, reference.Moon(jd));
      for (int p = 0; p < kPagePlanetCount; ++p) {
        add(planetGha, planetDec, opening.planets[p].hours[h], reference.Planet(jd, planets[p]));
      }
      const ArcTenths theirAries = RoundHourAngle(reference.GhaAries(jd));
      aries.Add(opening.ghaAries[h], theirAries, true);
      all.Add(opening.ghaAries[h], theirAries, true);
    }
    for (int day = 0; day < kOpeningDays; ++day) {
      const double jd0 = JulianDayOf(DateAfter(first, day), 0);
      for (std::size_t i = 0; i < kPageLatitudes.size(); ++i) {
        const double phi = kPageLatitudes[i];
        const LatitudeEvents& ours = opening.events[day][i];
        const auto sunAbove = [&](double depression) {
          return [&, depression](double jd) { return Altitude(reference, jd, phi, false) + depression; };
        };
        const auto moonAbove = [&](double jd) { return Altitude(reference, jd, phi, true) - MoonHorizon(reference, jd); };
        sun.Add(ours.sunrise, Crossing(sunAbove(50.0 / 60), jd0, true));
        sun.Add(ours.sunset, Crossing(sunAbove(50.0 / 60), jd0, false));
        sun.Add(ours.civilMorning, Crossing(sunAbove(6), jd0, true));
        sun.Add(ours.civilEvening, Crossing(sunAbove(6), jd0, false));
        sun.Add(ours.nauticalMorning, Crossing(sunAbove(12), jd0, true));
        sun.Add(ours.nauticalEvening, Crossing(sunAbove(12), jd0, false));
        moon.Add(ours.moonrise, Crossing(moonAbove, jd0, true));
        moon.Add(ours.moonset, Crossing(moonAbove, jd0, false));
      }
    }
  }
  std::printf("%s ephemeris, %d openings from %04d-%02d-%02d, reference Delta T %.1f s\n",
              EphemerisName(choice.kind), openings, from.year, from.month, from.day, deltaT);
  for (const Tally* tally : {&aries, &sunGha, &sunDec, &moonGha, &moonDec, &planetGha, &planetDec, &all}) Report(*tally);
  for (const auto& [name, events] : {std::pair{"Sun events", sun}, std::pair{"Moon events", moon}}) {
    std::printf("%-22s %5ld times  %6.2f%% within 1 min  largest %.1f min  %ld of %ld cells agree on having the event\n",
                name, events.times, 100.0 * events.withinMinute / std::max(1L, events.times), events.largest,
                events.kindsAgree, events.cells);
  }
  return 0;
}

}  // namespace
}  // namespace nocturna

int main(int argc, char** argv) { return nocturna::Run(argc, argv); }
