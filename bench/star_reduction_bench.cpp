// One moment's star placement and sight reduction of all 63 bodies, beside the bare cost of
// the same number of sin, cos, asin and acos calls on varied arguments.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstdint>

#include "navigation/body_catalog.h"
#include "navigation/sight_reduction.h"
#include "navigation/star_positions.h"

namespace nocturna {
namespace {

// Trigonometric calls of one moment: the star model takes sin and cos of its day angle;
// sight reduction takes sin L and cos L once, then per body cos LHA, sin d, cos d, asin,
// sin Hc, cos Hc and acos.
constexpr int kReduced = kBodyCount - 1;
constexpr int kSinCalls = 1 + 1 + 2 * kReduced;
constexpr int kCosCalls = 1 + 1 + 3 * kReduced;
constexpr int kAsinCalls = kReduced;
constexpr int kAcosCalls = kReduced;

void BM_StarPositionsAndReduction(benchmark::State& state) {
  BodyCatalog catalog = BuildCatalog();
  // Sun, planets and Moon at plausible places so they take the same path as the stars.
  for (int k = kVenusIndex; k < kBodyCount; ++k) {
    catalog.entries[k].sha = 37.0 * k;
    catalog.entries[k].declination = 23.0 - k % 47;
  }
  std::uint16_t second = 0;
  for (auto _ : state) {
    second = static_cast<std::uint16_t>((second + 1) % 60);  // a new moment each round
    ComputeStarPositions(catalog, CalendarDate{6, 1, 2015}, ClockTime{21, 14, second});
    benchmark::DoNotOptimize(ReduceSights(catalog, 42.125, 75.5));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_StarPositionsAndReduction);

void BM_TrigBaseline(benchmark::State& state) {
  constexpr int kCount = kCosCalls;  // the largest of the four counts
  std::array<double, kCount> angles{};
  std::array<double, kCount> ratios{};
  for (int i = 0; i < kCount; ++i) {
    angles[i] = 0.0137 + i * 0.0987;               // radians over several turns
    ratios[i] = std::sin(1.0 + i * 0.731) * 0.999;  // inside [-1, 1]
  }
  for (auto _ : state) {
    for (int i = 0; i < kSinCalls; ++i) benchmark::DoNotOptimize(std::sin(angles[i]));
    for (int i = 0; i < kCosCalls; ++i) benchmark::DoNotOptimize(std::cos(angles[i]));
    for (int i = 0; i < kAsinCalls; ++i) benchmark::DoNotOptimize(std::asin(ratios[i]));
    for (int i = 0; i < kAcosCalls; ++i) benchmark::DoNotOptimize(std::acos(ratios[i]));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_TrigBaseline);

}  // namespace
}  // namespace nocturna
