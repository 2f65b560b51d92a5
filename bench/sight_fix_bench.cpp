// A fix from 20 sights: the whole log reduced (each shot brought to its moment by the
// ephemeris, corrections, shot averaging, iterated least squares), and the least squares
// alone, beside one moment's ComputeMomentPositions, which the reduction calls per shot.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "navigation/almanac_snapshot.h"
#include "sights/dead_reckoning.h"
#include "sights/sight_body.h"
#include "sights/sight_fields.h"
#include "sights/sight_log_csv.h"
#include "sights/sight_log_reduction.h"

namespace nocturna {
namespace {

constexpr int kSights = 20;

// Twenty star sights a minute apart, as a navigator at 38.5 N 24.25 W would read them.
std::vector<SightRecord> TwentySights() {
  const char* stars[] = {"Vega", "Fomalhaut", "Dubhe", "Aldebaran", "Deneb"};
  const DrPosition truth{38.5, 24.25};
  BodyCatalog catalog = BuildCatalog();
  std::vector<SightRecord> log;
  for (int i = 0; i < kSights; ++i) {
    SightRecord sight;
    sight.utc = *ParseUtcMoment("2026-12-09 18:40:00") + i * 11.0 / 1440.0;
    sight.body = stars[i % 5];
    sight.conditions = {-1.5, 3.0, 10, 1010};
    const int body = *FindSightBody(sight.body);
    const SightLine line = ReduceSight(catalog, body, sight, truth, {});
    sight.hsDegrees = SextantAltitudeFor(line.hcDegrees, sight.conditions, {}).value_or(20.0);
    log.push_back(sight);
  }
  return log;
}

// Argument 0: the standard ephemeris, 1: the precise one.
void BM_FixFromTwentySights(benchmark::State& state) {
  const std::vector<SightRecord> log = TwentySights();
  const DateTime fixTime = log.back().utc;
  EphemerisChoice choice;
  if (state.range(0) == 1) choice.kind = EphemerisKind::precise;
  for (auto _ : state) {
    const SightLogReduction reduction =
        ReduceSightLog(log, {{39.0, 23.5}, fixTime, 45.0, 6.0}, fixTime, choice);
    benchmark::DoNotOptimize(reduction.fix.position);
  }
}
BENCHMARK(BM_FixFromTwentySights)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A long log read and its shots grouped: the time grows in proportion to the rows.
void BM_ReadAndGroupALongLog(benchmark::State& state) {
  std::string text = "utc,body,limb,hs,ic,eye,temp,pressure\n";
  const char* bodies[] = {"Vega", "Sun", "Moon", "Kochab"};
  for (std::int64_t i = 0; i < state.range(0); ++i) {
    text += FormatUtcMoment(*ParseUtcMoment("2026-12-09 00:00:00") + static_cast<double>(i) / 1440.0) +
            "," + bodies[i % 4] + (i % 4 == 1 || i % 4 == 2 ? ",L," : ",,") + "30 12.5,1.2,3,10,1010\n";
  }
  for (auto _ : state) {
    const SightLogParse parse = ParseSightLog(text);
    benchmark::DoNotOptimize(AverageShots(parse.sights).size());
  }
  state.SetComplexityN(state.range(0));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadAndGroupALongLog)->RangeMultiplier(8)->Range(1 << 9, 1 << 18)->Unit(benchmark::kMillisecond)->Complexity();

// 200 rows of every kind in one log, an evening at 38.5 N 24.25 W: altitudes, noon sights,
// Polaris, azimuths, amplitudes, and the kinds kept unreduced; reduced whole.
void BM_ReduceTwoHundredRowsOfEveryKind(benchmark::State& state) {
  const char* rows[] = {
      "altitude,Vega,,47 57.7,-1.5,3,,", "noon,Sun,L,50 10.0,-1.5,3,,", "polaris,Polaris,,38 10.0,-1.5,3,,",
      "azimuth,Sun,,,,,120,045", "amplitude,Sun,,,,,240,090", "identify,?,,35 00.0,0,3,210,",
      "lunar,Moon,L,30 00.0,0,3,,", "watch,,,,,,,"};
  std::string text = "utc,kind,body,limb,hs,ic,eye,bearing,heading,watch\n";
  for (int i = 0; i < 200; ++i) {
    const DateTime at = *ParseUtcMoment("2026-12-09 10:00:00") + i * 3.0 / 1440.0;
    text += FormatUtcMoment(at) + "," + rows[i % 8] + (i % 8 == 7 ? ",12:00:00\n" : ",\n");
  }
  const SightLogParse parse = ParseSightLog(text);
  const DateTime fixTime = parse.sights.back().utc;
  EphemerisChoice choice;
  if (state.range(0) == 1) choice.kind = EphemerisKind::precise;
  for (auto _ : state) {
    const SightLogReduction reduction = ReduceSightLog(parse.sights, {{38.5, 24.25}, fixTime, 45.0, 6.0}, fixTime, choice);
    benchmark::DoNotOptimize(reduction.rows.size());
  }
}
BENCHMARK(BM_ReduceTwoHundredRowsOfEveryKind)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_LeastSquaresOfTwentyLines(benchmark::State& state) {
  const std::vector<SightRecord> log = TwentySights();
  const SightLogReduction reduced = ReduceSightLog(log, {{39.0, 23.5}, log.back().utc}, log.back().utc, {});
  std::vector<FixLine> lines;
  for (const SightLine& s : reduced.shots)
    lines.push_back({s.utc, s.ghaDegrees, s.declinationDegrees, s.corrections.observedAltitudeDegrees});
  for (auto _ : state) {
    benchmark::DoNotOptimize(FixFromLines(lines, {{39.0, 23.5}, log.back().utc, 45.0, 6.0}, log.back().utc).position);
  }
}
BENCHMARK(BM_LeastSquaresOfTwentyLines)->Unit(benchmark::kMicrosecond);

void BM_OneMomentsPositions(benchmark::State& state) {
  BodyCatalog catalog = BuildCatalog();
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        ComputeMomentPositions(catalog, {12, 9, 2026}, {18, 40, 0}, {38.5, 24.25}));
  }
}
BENCHMARK(BM_OneMomentsPositions)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace nocturna
