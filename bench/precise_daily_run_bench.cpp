// The precise daily run (all the zone day's events by root finding) against libnova's
// rise/set/twilight functions for the same events and against the standard daily run, all
// measured in this run: "libnovaOverPrecise" must be 4 or more, and the run 1.5 ms or less.
#include <benchmark/benchmark.h>

#include <array>
#include <ctime>
#include <optional>

#include "ephemeris/julian.h"
#include "ephemeris/precise/precise_events.h"
#include "navigation/almanac_snapshot.h"

#ifdef NOCTURNA_HAVE_PEERS
#include <libnova/lunar.h>
#include <libnova/solar.h>
#endif

namespace nocturna {
namespace {

struct PreciseDayInput {
  CalendarDate date;
  DrPosition position;
};

constexpr std::array<PreciseDayInput, 6> kDays = {{
    {{3, 20, 2024}, {42, 75}},
    {{5, 5, 2024}, {35.7, -139.7}},
    {{1, 15, 1931}, {21.3, 157.9}},
    {{8, 10, 2024}, {-33.9, -151.2}},
    {{12, 21, 2024}, {70, -20}},
    {{6, 21, 2086}, {0, 0}},
}};

double CpuNanoseconds() { return static_cast<double>(std::clock()) * (1e9 / CLOCKS_PER_SEC); }

template <typename Step>
double NanosecondsPerDay(Step step) {
  constexpr int kRounds = 8;
  SunEventsRecord events{};
  const double start = CpuNanoseconds();
  for (int i = 0; i < kRounds * static_cast<int>(kDays.size()); ++i) step(events, kDays[i % kDays.size()]);
  benchmark::DoNotOptimize(events);
  return (CpuNanoseconds() - start) / (kRounds * kDays.size());
}

void PreciseDay(SunEventsRecord& events, const PreciseDayInput& day) {
  ComputePreciseEvents(events, day.date, day.position, std::nullopt);
}

void StandardDay(SunEventsRecord& events, const PreciseDayInput& day) {
  RunDailyEphemeris(events, day.date, day.position);
}

#ifdef NOCTURNA_HAVE_PEERS
// Sunrise-sunset at the three altitudes and moonrise-moonset (east-positive longitude).
void LibnovaDay(SunEventsRecord& events, const PreciseDayInput& day) {
  ln_lnlat_posn observer{-day.position.longitude, day.position.latitude};
  const double jd = ToJulian(MakeAstroMoment(day.date.month, day.date.day, day.date.year, 12, 0, 0)).julianDay;
  ln_rst_time rst{};
  for (const double horizon : {-0.8333, -6.0, -12.0}) {
    ln_get_solar_rst_horizon(jd, &observer, horizon, &rst);
    benchmark::DoNotOptimize(rst);
  }
  ln_get_lunar_rst(jd, &observer, &rst);
  events.moonrise = rst.rise;
}
#endif

void BM_PreciseDailyRun(benchmark::State& state) {
  SunEventsRecord events{};
  std::size_t i = 0;
  for (auto _ : state) {
    PreciseDay(events, kDays[i++ % kDays.size()]);
    benchmark::DoNotOptimize(events);
  }
  const double precise = NanosecondsPerDay(PreciseDay);
  state.counters["preciseMicroseconds"] = precise / 1000.0;
  state.counters["preciseOverStandard"] = precise / NanosecondsPerDay(StandardDay);
#ifdef NOCTURNA_HAVE_PEERS
  state.counters["libnovaOverPrecise"] = NanosecondsPerDay(LibnovaDay) / precise;
#endif
}
BENCHMARK(BM_PreciseDailyRun)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace nocturna
