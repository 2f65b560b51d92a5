// The star finder: both twilights at one DR, every set size from 3 to 6, the figure that must
// stay under 5 ms; each run also reports its cost in daily runs measured in the same binary
// ("xDailyRun") and the set search alone for the widest settings a user may choose.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <ctime>
#include <vector>

#include "navigation/almanac_snapshot.h"
#include "starfinder/set_search.h"
#include "starfinder/star_finder.h"

namespace nocturna {
namespace {

struct FinderInput {
  DrPosition position;  // north and WEST positive
  int year, month, day;
};

// The tropics to high latitudes, both hemispheres, through the seasons.
constexpr std::array<FinderInput, 5> kInputs = {{
    {{42, 75}, 2026, 3, 20},
    {{0, 0}, 2026, 6, 21},
    {{-33.9, -151.2}, 2025, 8, 10},
    {{60, 20}, 2024, 11, 15},
    {{21.3, 157.9}, 2030, 1, 15},
}};

double CpuNanoseconds() { return static_cast<double>(std::clock()) * (1e9 / CLOCKS_PER_SEC); }

double DailyRunNanoseconds() {
  static const double nanoseconds = [] {
    constexpr int kRuns = 200;
    SunEventsRecord events{};
    const double start = CpuNanoseconds();
    for (int i = 0; i < kRuns; ++i) {
      RunDailyEphemeris(events, {3, static_cast<std::uint16_t>(1 + i % 28), 2026}, {42, 75});
      benchmark::DoNotOptimize(events);
    }
    return (CpuNanoseconds() - start) / kRuns;
  }();
  return nanoseconds;
}

// What the window and the command line do for one DR: each twilight, each set size.
void FindEverything(const FinderInput& input, const StarFinderSettings& limits) {
  const DeadReckoning dr{input.position,
                         EncodeDateTime(input.year, input.month, input.day, 12, 0, 0), 0, 0};
  const int zd = ZoneDescriptionFromLongitude(input.position);
  for (Twilight twilight : {Twilight::morning, Twilight::evening}) {
    for (int size = kMinSetSize; size <= kMaxSetSize; ++size) {
      StarFinderSettings settings = limits;
      settings.twilight = twilight;
      settings.setSize = size;
      benchmark::DoNotOptimize(FindStars(dr, zd, settings));
    }
  }
}

void RunFinder(benchmark::State& state, const StarFinderSettings& limits) {
  const double unit = DailyRunNanoseconds();
  std::size_t i = 0;
  const double start = CpuNanoseconds();
  for (auto _ : state) FindEverything(kInputs[i++ % kInputs.size()], limits);
  const double perRun = (CpuNanoseconds() - start) / static_cast<double>(state.iterations());
  state.counters["ms"] = perRun / 1e6;
  state.counters["xDailyRun"] = perRun / unit;
}

// The defaults: Hc 15 to 70 degrees, magnitude 2.5.
void BM_StarFinderBothTwilightsAllSizes(benchmark::State& state) {
  RunFinder(state, StarFinderSettings{});
}
BENCHMARK(BM_StarFinderBothTwilightsAllSizes)->Unit(benchmark::kMillisecond);

// The widest band and every star: the most candidates, where 5 and 6 grow and swap.
void BM_StarFinderWidestSettings(benchmark::State& state) {
  StarFinderSettings widest;
  widest.minAltitude = 0;
  widest.maxAltitude = 90;
  widest.magnitudeLimit = 6;
  RunFinder(state, widest);
}
BENCHMARK(BM_StarFinderWidestSettings)->Unit(benchmark::kMillisecond);

// The search alone over evenly spread candidates, by set size and count.
void BM_SetSearch(benchmark::State& state) {
  std::vector<SetCandidate> candidates(static_cast<std::size_t>(state.range(0)));
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    candidates[i] = {std::fmod(i * 137.5, 360.0), 1.0 + static_cast<double>(i % 3) * 0.5};
  }
  const int size = static_cast<int>(state.range(1));
  for (auto _ : state) benchmark::DoNotOptimize(ChooseBestSet(candidates, size));
  state.counters["sets"] = static_cast<double>(SetCount(static_cast<int>(candidates.size()), size));
}
BENCHMARK(BM_SetSearch)
    ->Args({20, 3})
    ->Args({20, 4})
    ->Args({20, 5})
    ->Args({20, 6})
    ->Args({25, 5})
    ->Args({25, 6})
    ->Args({35, 5})
    ->Args({35, 6})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace nocturna
