// The daily pages: one opening's values (three days: 73 hourly moments, the events of four days
// at 31 latitudes, the Moon's age), from each ephemeris, and the sheets laid out from them. The
// aim is one opening within 50 ms; a year of pages to PDF is timed by
// scripts/time-almanac-pages.sh.
#include <benchmark/benchmark.h>

#include "almanacpages/opening_sheets.h"
#include "almanacpages/page_dates.h"

namespace nocturna {
namespace {

void OpeningValues(benchmark::State& state, EphemerisKind kind) {
  int day = 0;
  for (auto _ : state) {
    // A different opening each time, across a year, so no lunation is favoured.
    const CalendarDate first = DateAfter({1, 1, 2026}, 3 * (day++ % 122));
    benchmark::DoNotOptimize(ComputeAlmanacOpening(first, EphemerisChoice{kind, {}}));
  }
  state.SetLabel(EphemerisName(kind));
}

void BM_AlmanacOpeningPrecise(benchmark::State& state) { OpeningValues(state, EphemerisKind::precise); }
void BM_AlmanacOpeningStandard(benchmark::State& state) { OpeningValues(state, EphemerisKind::standard); }
BENCHMARK(BM_AlmanacOpeningPrecise)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AlmanacOpeningStandard)->Unit(benchmark::kMillisecond);

void BM_AlmanacOpeningSheets(benchmark::State& state) {
  const AlmanacOpening opening = ComputeAlmanacOpening({12, 10, 2026}, AlmanacPagesEphemeris());
  for (auto _ : state) {
    benchmark::DoNotOptimize(LeftPageSheet(opening, "statement"));
    benchmark::DoNotOptimize(RightPageSheet(opening, "statement"));
  }
}
BENCHMARK(BM_AlmanacOpeningSheets)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace nocturna
