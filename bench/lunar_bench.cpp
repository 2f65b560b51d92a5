// Clearing one Sun-Moon lunar with computed altitudes (several ephemeris moments per pass), and
// the lunar planner for one moment, with each ephemeris.
#include <benchmark/benchmark.h>

#include "sights/lunar_clearing.h"
#include "sights/lunar_planner.h"
#include "sights/sight_fields.h"

namespace nocturna {
namespace {

EphemerisChoice ChoiceOf(const benchmark::State& state) {
  return {state.range(0) == 0 ? EphemerisKind::standard : EphemerisKind::precise, {}};
}

void BM_ClearSunLunar(benchmark::State& state) {
  LunarObservation o;
  o.bodyIndex = kSunIndex;
  o.moonLimb = DistanceLimb::nearLimb;
  o.bodyLimb = DistanceLimb::nearLimb;
  o.distanceSextantDegrees = 102.4;
  o.watchTime = *ParseUtcMoment("2026-03-26 18:00:00");
  o.dr = {30.5, 40.25};
  BodyCatalog scratch = BuildCatalog();
  const EphemerisChoice choice = ChoiceOf(state);
  for (auto _ : state) benchmark::DoNotOptimize(ClearLunarDistance(scratch, o, choice).utc);
}
BENCHMARK(BM_ClearSunLunar)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_PlanLunars(benchmark::State& state) {
  BodyCatalog scratch = BuildCatalog();
  const DateTime utc = *ParseUtcMoment("2026-03-26 18:00:00");
  const EphemerisChoice choice = ChoiceOf(state);
  for (auto _ : state) benchmark::DoNotOptimize(PlanLunars(scratch, utc, {30.5, 40.25}, {}, choice).size());
}
BENCHMARK(BM_PlanLunars)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace nocturna
