// The daily run: the work the chart paint does once per change of zone date or DR position.
// Each figure also reports its cost in units of one SunPosition evaluation measured in the same
// run ("xSunPosition"), and, when libnova is linked, a peer baseline of the same events.
#include <benchmark/benchmark.h>

#include <array>
#include <ctime>

#include "ephemeris/julian.h"
#include "ephemeris/moon_events.h"
#include "ephemeris/sun_events.h"
#include "ephemeris/sun_position.h"

#ifdef NOCTURNA_HAVE_PEERS
#include <libnova/lunar.h>
#include <libnova/solar.h>
#endif

namespace nocturna {
namespace {

struct DailyRunInput {
  CalendarDate date;
  DrPosition position;
};

// A spread of dates and positions, from the tropics to high latitudes and both far zones.
constexpr std::array<DailyRunInput, 6> kInputs = {{
    {{3, 20, 2024}, {42, 75}},
    {{5, 5, 2024}, {35.7, -139.7}},
    {{1, 15, 2024}, {21.3, 157.9}},
    {{8, 10, 2024}, {-33.9, -151.2}},
    {{12, 21, 2024}, {70, -20}},
    {{6, 21, 2026}, {0, 0}},
}};

// Processor time in nanoseconds: the machine may be shared, so wall time would be noisy.
double CpuNanoseconds() { return static_cast<double>(std::clock()) * (1e9 / CLOCKS_PER_SEC); }

// Nanoseconds of one SunPosition call, measured here so that ratios come from one run.
double SunPositionNanoseconds() {
  static const double nanoseconds = [] {
    constexpr int kCalls = 20000;
    BodyEphemeris sun{};
    AstroMoment moment = MakeAstroMoment(3, 20, 2024, 12, 0, 0);
    const double start = CpuNanoseconds();
    for (int i = 0; i < kCalls; ++i) {
      moment.second = static_cast<std::uint16_t>(i % 60);
      benchmark::DoNotOptimize(SunPosition(sun, moment));
    }
    return (CpuNanoseconds() - start) / kCalls;
  }();
  return nanoseconds;
}

template <typename Step>
void RunOverInputs(benchmark::State& state, Step step) {
  const double unit = SunPositionNanoseconds();
  SunEventsRecord events{};
  std::size_t i = 0;
  const double start = CpuNanoseconds();
  for (auto _ : state) {
    const DailyRunInput& input = kInputs[i++ % kInputs.size()];
    step(events, input);
    benchmark::DoNotOptimize(events);
  }
  const double elapsed = CpuNanoseconds() - start;
  state.counters["xSunPosition"] = elapsed / static_cast<double>(state.iterations()) / unit;
}

void BM_SunEvents(benchmark::State& state) {
  RunOverInputs(state, [](SunEventsRecord& events, const DailyRunInput& input) {
    ComputeSunEvents(events, input.date, input.position);
  });
}
BENCHMARK(BM_SunEvents);

void BM_MoonEvents(benchmark::State& state) {
  RunOverInputs(state, [](SunEventsRecord& events, const DailyRunInput& input) {
    ComputeMoonEvents(events, input.date, input.position);
  });
}
BENCHMARK(BM_MoonEvents);

void BM_SunMeridianAndPvc(benchmark::State& state) {
  RunOverInputs(state, [](SunEventsRecord& events, const DailyRunInput& input) {
    ComputeSunMeridianAndPvc(events, input.date, input.position.latitude, input.position.longitude);
  });
}
BENCHMARK(BM_SunMeridianAndPvc);

// The whole daily run in the chart paint's order.
void BM_DailyRun(benchmark::State& state) {
  RunOverInputs(state, [](SunEventsRecord& events, const DailyRunInput& input) {
    ComputeSunEvents(events, input.date, input.position);
    ComputeMoonEvents(events, input.date, input.position);
    ComputeSunMeridianAndPvc(events, input.date, input.position.latitude, input.position.longitude);
  });
}
BENCHMARK(BM_DailyRun);

#ifdef NOCTURNA_HAVE_PEERS
// Peer baseline: libnova's (VSOP87 / ELP) sunrise-sunset at the three altitudes and moonrise-
// moonset for the same inputs. Its longitude is east positive.
void BM_PeerDailyRunLibnova(benchmark::State& state) {
  RunOverInputs(state, [](SunEventsRecord& events, const DailyRunInput& input) {
    ln_lnlat_posn observer{-input.position.longitude, input.position.latitude};
    const AstroMoment noon =
        MakeAstroMoment(input.date.month, input.date.day, input.date.year, 12, 0, 0);
    const double jd = ToJulian(noon).julianDay;
    ln_rst_time rst{};
    for (const double horizon : {-0.8333, -6.0, -12.0}) {
      ln_get_solar_rst_horizon(jd, &observer, horizon, &rst);
      benchmark::DoNotOptimize(rst);
    }
    ln_get_lunar_rst(jd, &observer, &rst);
    events.moonrise = rst.rise;
  });
}
BENCHMARK(BM_PeerDailyRunLibnova);
#endif

}  // namespace
}  // namespace nocturna
