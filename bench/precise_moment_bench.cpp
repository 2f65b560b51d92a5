// One moment with the precise ephemeris (ComputePrecisePositions then ReduceSights for the 63
// bodies), beside the standard theory's moment and, when libnova is linked, libnova placing the
// same bodies (its full VSOP87 planets and Sun, ELP 2000-82B Moon, its apparent places of the
// stars from the same J2000 catalogue, its apparent sidereal time and horizontal coordinates).
// Ratios come from one run: xStandard = precise / standard, xLibnova = libnova / precise.
// Also the Sun's and the Moon's places alone, the fast path of the precise event searches.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <ctime>

#include "ephemeris/precise/precise_sun_moon.h"
#include "ephemeris/precise/star_catalog_table.h"
#include "navigation/body_catalog.h"
#include "navigation/position_update.h"
#include "navigation/precise_position_update.h"
#include "navigation/sight_reduction.h"

#ifdef NOCTURNA_HAVE_PEERS
#include <libnova/apparent_position.h>

#include "libnova_sky.h"
#endif

namespace nocturna {
namespace {

constexpr double kLatitude = 42.125;
constexpr double kLongitudeWest = 75.5;
// 2015 June 1, 21:14 UT1, moved on by one second each round; TT - UT1 = 67.9 s.
constexpr double kFirstUt1 = 2457175.384722;
constexpr double kDeltaTDays = 67.9 / 86400.0;

double Ut1OfRound(int round) { return kFirstUt1 + (round % 1800) / 86400.0; }

PreciseInstant InstantOfRound(int round) {
  const double ut1 = Ut1OfRound(round);
  return PreciseInstant{ut1, 0.0, ut1, kDeltaTDays, 0.0, 67.9};
}

void PreciseMoment(BodyCatalog& catalog, int round) {
  ComputePrecisePositions(catalog, InstantOfRound(round));
  benchmark::DoNotOptimize(ReduceSights(catalog, kLatitude, kLongitudeWest));
  benchmark::ClobberMemory();
}

void StandardMoment(BodyCatalog& catalog, int round) {
  const int second = round % 1800;
  ComputePositions(catalog, CalendarDate{6, 1, 2015},
                   ClockTime{21, static_cast<std::uint16_t>(14 + second / 60),
                             static_cast<std::uint16_t>(second % 60)});
  benchmark::DoNotOptimize(ReduceSights(catalog, kLatitude, kLongitudeWest));
  benchmark::ClobberMemory();
}

#ifdef NOCTURNA_HAVE_PEERS
// The J2000 star table in libnova's units: degrees, and degrees per year of RA and Dec.
struct LibnovaStars {
  std::array<ln_equ_posn, kStarCount> mean{};
  std::array<ln_equ_posn, kStarCount> motion{};
  LibnovaStars() {
    for (int k = 0; k < kStarCount; ++k) {
      const StarCatalogRow& s = kPreciseStarTable[k];
      mean[k] = {s.rightAscension, s.declination};
      const double cosDec = std::cos(s.declination * M_PI / 180.0);
      motion[k] = {s.properMotionRa / 3.6e6 / cosDec, s.properMotionDec / 3.6e6};
    }
  }
};

void LibnovaMoment(const LibnovaStars& stars, int round) {
  const double jd = Ut1OfRound(round);
  std::array<ln_equ_posn, kBodyCount - 1> bodies{};
  for (int k = 0; k < kStarCount; ++k) {
    ln_get_apparent_posn(const_cast<ln_equ_posn*>(&stars.mean[k]),
                         const_cast<ln_equ_posn*>(&stars.motion[k]), jd, &bodies[k]);
  }
  LibnovaSolarSystemAndHorizon(jd, bodies, kLatitude, kLongitudeWest);
}
#endif

// Processor time in nanoseconds: the machine may be shared, so wall time would be noisy.
double CpuNanoseconds() { return static_cast<double>(std::clock()) * (1e9 / CLOCKS_PER_SEC); }

template <typename Step>
double MeanNanoseconds(int calls, Step step) {
  const double start = CpuNanoseconds();
  for (int i = 0; i < calls; ++i) step(i);
  return (CpuNanoseconds() - start) / calls;
}

// The three timed in alternation, each the least of its rounds, so that other work on a shared
// machine lifts none of the ratios.
struct MomentTimes {
  double precise = 1e300;  // nanoseconds
  double standard = 1e300;
  double libnova = 1e300;
};

const MomentTimes& MeasuredMomentTimes() {
  static const MomentTimes times = [] {
    MomentTimes t;
    BodyCatalog catalog = BuildCatalog();
#ifdef NOCTURNA_HAVE_PEERS
    const LibnovaStars stars;
#endif
    for (int round = 0; round < 9; ++round) {
      t.precise = std::min(t.precise, MeanNanoseconds(300, [&](int i) { PreciseMoment(catalog, i); }));
      t.standard = std::min(t.standard, MeanNanoseconds(300, [&](int i) { StandardMoment(catalog, i); }));
#ifdef NOCTURNA_HAVE_PEERS
      t.libnova = std::min(t.libnova, MeanNanoseconds(30, [&](int i) { LibnovaMoment(stars, i); }));
#endif
    }
    return t;
  }();
  return times;
}

void BM_PreciseMoment(benchmark::State& state) {
  BodyCatalog catalog = BuildCatalog();
  int round = 0;
  for (auto _ : state) PreciseMoment(catalog, round++);
  const MomentTimes& times = MeasuredMomentTimes();
  state.counters["xStandard"] = times.precise / times.standard;
#ifdef NOCTURNA_HAVE_PEERS
  state.counters["xLibnova"] = times.libnova / times.precise;
#endif
}
BENCHMARK(BM_PreciseMoment)->Unit(benchmark::kMicrosecond);

// The event searches' fast path: one place of the Sun or the Moon.
void BM_PreciseSunPlace(benchmark::State& state) {
  int round = 0;
  for (auto _ : state) benchmark::DoNotOptimize(PreciseSunPlace(InstantOfRound(round++)));
}
BENCHMARK(BM_PreciseSunPlace)->Unit(benchmark::kMicrosecond);

void BM_PreciseMoonPlace(benchmark::State& state) {
  int round = 0;
  for (auto _ : state) benchmark::DoNotOptimize(PreciseMoonPlace(InstantOfRound(round++)));
}
BENCHMARK(BM_PreciseMoonPlace)->Unit(benchmark::kMicrosecond);

#ifdef NOCTURNA_HAVE_PEERS
void BM_LibnovaPreciseMomentPeer(benchmark::State& state) {
  static const LibnovaStars stars;
  int round = 0;
  for (auto _ : state) LibnovaMoment(stars, round++);
}
BENCHMARK(BM_LibnovaPreciseMomentPeer)->Unit(benchmark::kMicrosecond);
#endif

}  // namespace
}  // namespace nocturna
