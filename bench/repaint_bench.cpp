// One chart repaint's computation (ComputePositions then ReduceSights for the 63 bodies), beside
// the bare cost of the trigonometric calls it makes and, when they are linked, two peers placing
// the same 63 bodies in altitude and azimuth for the same moment. Ratios come from one run:
// xTrig = repaint / bare calls, and for a peer xRepaint = peer / repaint.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <ctime>

#include "navigation/body_catalog.h"
#include "navigation/position_update.h"
#include "navigation/sight_reduction.h"

#ifdef NOCTURNA_HAVE_PEERS
#include <erfa.h>
#include <erfam.h>

#include "ephemeris/julian.h"
#include "libnova_sky.h"
#endif

namespace nocturna {
namespace {

constexpr CalendarDate kDate{6, 1, 2015};
constexpr double kLatitude = 42.125;
constexpr double kLongitudeWest = 75.5;

// Processor time in nanoseconds: the machine may be shared, so wall time would be noisy.
double CpuNanoseconds() { return static_cast<double>(std::clock()) * (1e9 / CLOCKS_PER_SEC); }

// Mean processor time of one call of step over many calls.
template <typename Step>
double MeanNanoseconds(int calls, Step step) {
  const double start = CpuNanoseconds();
  for (int i = 0; i < calls; ++i) step(i);
  return (CpuNanoseconds() - start) / calls;
}

// Whole seconds of a moment that moves by one second each round.
ClockTime TimeOfRound(int round) {
  return ClockTime{21, static_cast<std::uint16_t>(14 + round / 60 % 30),
                   static_cast<std::uint16_t>(round % 60)};
}

void Repaint(BodyCatalog& catalog, int round) {
  ComputePositions(catalog, kDate, TimeOfRound(round));
  benchmark::DoNotOptimize(ReduceSights(catalog, kLatitude, kLongitudeWest));
  benchmark::ClobberMemory();
}

// The mathematics-library calls of one repaint by where they are made (callgrind on this
// benchmark's moments). A sin and a cos of one argument are one sincos call.
struct MathCalls {
  int sinCos, sin, cos, asin, acos, atan2, atan, tan, log10;
};
constexpr MathCalls kCallsBySource[] = {
    // sincos sin cos asin acos atan2 atan tan log10
    {8, 4, 2, 0, 0, 0, 0, 0, 0},         // SunPosition: the Sun, and the Sun inside the Moon
    {26, 0, 0, 0, 0, 0, 10, 10, 0},      // SolveKepler: 2 Sun and 8 planet passes
    {126, 56, 0, 0, 0, 0, 0, 0, 0},      // Nutation: 14 calls, 7 of them via the obliquity
    {21, 0, 0, 7, 0, 7, 0, 0, 0},        // EclipticToEquatorial: Sun 2, planets 4, Moon 1
    {16, 0, 24, 8, 0, 8, 0, 0, 0},       // planets: 8 heliocentric passes
    {24, 4, 68, 0, 0, 0, 0, 0, 0},       // planets: series (Venus, Mars per pass; Jupiter, Saturn once)
    {16, 4, 4, 0, 0, 4, 4, 0, 4},        // planets: geocentric place and magnitude
    {0, 103, 35, 1, 0, 0, 0, 0, 0},      // ComputeMoon
    {0, 1, 1, 0, 0, 0, 0, 0, 0},         // star model
    {126, 1, 64, 63, 63, 0, 0, 0, 0},    // ReduceSights: 63 bodies
};

constexpr MathCalls TotalCalls() {
  MathCalls total{};
  for (const MathCalls& c : kCallsBySource) {
    total.sinCos += c.sinCos;
    total.sin += c.sin;
    total.cos += c.cos;
    total.asin += c.asin;
    total.acos += c.acos;
    total.atan2 += c.atan2;
    total.atan += c.atan;
    total.tan += c.tan;
    total.log10 += c.log10;
  }
  return total;
}
constexpr MathCalls kTotal = TotalCalls();
constexpr int kArguments = 512;
static_assert(kTotal.sinCos <= kArguments && kTotal.sin <= kArguments &&
              kTotal.cos <= kArguments);

// The bare calls on varied arguments like the theories' (angles of a few turns, ratios in
// [-1, 1], positive magnitudes).
void BareMathCalls(const std::array<double, kArguments>& angles,
                   const std::array<double, kArguments>& ratios) {
  for (int i = 0; i < kTotal.sinCos; ++i) {
    double s = 0.0;
    double c = 0.0;
    ::sincos(angles[i], &s, &c);
    benchmark::DoNotOptimize(s);
    benchmark::DoNotOptimize(c);
  }
  for (int i = 0; i < kTotal.sin; ++i) benchmark::DoNotOptimize(std::sin(angles[i]));
  for (int i = 0; i < kTotal.cos; ++i) benchmark::DoNotOptimize(std::cos(angles[i]));
  for (int i = 0; i < kTotal.asin; ++i) benchmark::DoNotOptimize(std::asin(ratios[i]));
  for (int i = 0; i < kTotal.acos; ++i) benchmark::DoNotOptimize(std::acos(ratios[i]));
  for (int i = 0; i < kTotal.atan2; ++i)
    benchmark::DoNotOptimize(std::atan2(ratios[i], ratios[i + 1]));
  for (int i = 0; i < kTotal.atan; ++i) benchmark::DoNotOptimize(std::atan(angles[i]));
  for (int i = 0; i < kTotal.tan; ++i) benchmark::DoNotOptimize(std::tan(angles[i] * 0.5));
  for (int i = 0; i < kTotal.log10; ++i) benchmark::DoNotOptimize(std::log10(angles[i] + 1.0));
  benchmark::ClobberMemory();
}

struct MathArguments {
  std::array<double, kArguments> angles{};
  std::array<double, kArguments> ratios{};
  MathArguments() {
    for (int i = 0; i < kArguments; ++i) {
      angles[i] = 0.0137 + i * 0.0987;
      ratios[i] = std::sin(1.0 + i * 0.731) * 0.999;
    }
  }
};

// The repaint and the bare calls timed in alternation, each figure the least of its rounds, so
// that other work on a shared machine lifts neither the ratio nor the peers' comparison.
struct RepaintTimes {
  double repaint = 1e300;   // nanoseconds
  double bareMath = 1e300;  // nanoseconds
};

const RepaintTimes& MeasuredRepaintTimes() {
  static const RepaintTimes times = [] {
    RepaintTimes t;
    BodyCatalog catalog = BuildCatalog();
    const MathArguments arguments;
    constexpr int kRounds = 15;
    constexpr int kCalls = 2000;
    for (int round = 0; round < kRounds; ++round) {
      t.repaint = std::min(t.repaint, MeanNanoseconds(kCalls, [&](int i) { Repaint(catalog, i); }));
      t.bareMath = std::min(t.bareMath, MeanNanoseconds(kCalls, [&](int) {
                              BareMathCalls(arguments.angles, arguments.ratios);
                            }));
    }
    return t;
  }();
  return times;
}

void BM_Repaint(benchmark::State& state) {
  BodyCatalog catalog = BuildCatalog();
  int round = 0;
  for (auto _ : state) Repaint(catalog, round++);
  const RepaintTimes& times = MeasuredRepaintTimes();
  state.counters["xTrig"] = times.repaint / times.bareMath;
}
BENCHMARK(BM_Repaint);

void BM_RepaintBareTrig(benchmark::State& state) {
  const MathArguments arguments;
  for (auto _ : state) BareMathCalls(arguments.angles, arguments.ratios);
}
BENCHMARK(BM_RepaintBareTrig);

#ifdef NOCTURNA_HAVE_PEERS
// Right ascension and declination (degrees) of the 57 stars as the repaint leaves them; the
// peers place them with the same figures, so only their Sun, Moon and planets cost extra.
struct StarPlaces {
  std::array<ln_equ_posn, kStarCount> places{};
  StarPlaces() {
    BodyCatalog catalog = BuildCatalog();
    ComputePositions(catalog, kDate, TimeOfRound(0));
    for (int k = 0; k < kStarCount; ++k) {
      const CelestialBody& star = catalog.entries[kFirstStarIndex + k];
      places[k] = {360.0 - star.sha, star.declination};
    }
  }
};

double JulianDayOfRound(int round) {
  const ClockTime t = TimeOfRound(round);
  return ToJulian(MakeAstroMoment(kDate.month, kDate.day, kDate.year, t.hour, t.minute, t.second))
      .julianDay;
}

// libnova: its Sun, Moon (ELP 2000-82B) and planets (VSOP87), apparent sidereal time, and
// horizontal coordinates of all 63 bodies. Its longitude is east positive.
void LibnovaRepaint(const StarPlaces& stars, int round) {
  const double jd = JulianDayOfRound(round);
  std::array<ln_equ_posn, kBodyCount - 1> bodies{};
  std::copy(stars.places.begin(), stars.places.end(), bodies.begin());
  LibnovaSolarSystemAndHorizon(jd, bodies, kLatitude, kLongitudeWest);
}

// ERFA's quickest almanac path: EPV00 for the Earth and so the Sun, MOON98, PLAN94 for the
// planets (geometric, J2000 axes), GMST 1982 plus the equation of the equinoxes, and HD2AE
// for all 63 bodies.
void ErfaRepaint(const StarPlaces& stars, int round) {
  const double jd = JulianDayOfRound(round);
  double earthHelio[2][3];
  double earthBary[2][3];
  eraEpv00(jd, 0.0, earthHelio, earthBary);
  std::array<double, kBodyCount - 1> ra{};
  std::array<double, kBodyCount - 1> dec{};
  for (int k = 0; k < kStarCount; ++k) {
    ra[k] = stars.places[k].ra * ERFA_DD2R;
    dec[k] = stars.places[k].dec * ERFA_DD2R;
  }
  constexpr int kPlan94Planets[] = {2, 4, 5, 6};
  for (int p = 0; p < 4; ++p) {
    double planet[2][3];
    eraPlan94(jd, 0.0, kPlan94Planets[p], planet);
    double geocentric[3];
    eraPmp(planet[0], earthHelio[0], geocentric);
    eraC2s(geocentric, &ra[kVenusIndex - 1 + p], &dec[kVenusIndex - 1 + p]);
  }
  double sun[3];
  eraSxp(-1.0, earthHelio[0], sun);
  eraC2s(sun, &ra[kSunIndex - 1], &dec[kSunIndex - 1]);
  double moon[2][3];
  eraMoon98(jd, 0.0, moon);
  eraC2s(moon[0], &ra[kMoonIndex - 1], &dec[kMoonIndex - 1]);
  const double sidereal = eraGmst82(jd, 0.0) + eraEqeq94(jd, 0.0);
  const double latitude = kLatitude * ERFA_DD2R;
  const double east = -kLongitudeWest * ERFA_DD2R;
  for (int k = 0; k < kBodyCount - 1; ++k) {
    double azimuth = 0.0;
    double altitude = 0.0;
    eraHd2ae(sidereal + east - ra[k], dec[k], latitude, &azimuth, &altitude);
    benchmark::DoNotOptimize(azimuth);
    benchmark::DoNotOptimize(altitude);
  }
}

template <typename PeerRepaint>
void RunPeer(benchmark::State& state, PeerRepaint peer) {
  static const StarPlaces stars;
  int round = 0;
  for (auto _ : state) peer(stars, round++);
  double peerNanoseconds = 1e300;
  for (int round = 0; round < 5; ++round) {
    peerNanoseconds = std::min(peerNanoseconds, MeanNanoseconds(200, [&](int i) { peer(stars, i); }));
  }
  state.counters["xRepaint"] = peerNanoseconds / MeasuredRepaintTimes().repaint;
}

void BM_PeerRepaintLibnova(benchmark::State& state) { RunPeer(state, LibnovaRepaint); }
BENCHMARK(BM_PeerRepaintLibnova);

void BM_PeerRepaintErfa(benchmark::State& state) { RunPeer(state, ErfaRepaint); }
BENCHMARK(BM_PeerRepaintErfa);
#endif

}  // namespace
}  // namespace nocturna
