// The booklet: a year's daily pages and every table, computed on both cores and laid out as
// sheets (wall time: the aim is 10 s for the whole booklet to PDF, see
// scripts/time-almanac-pages.sh), and the tables alone.
#include <benchmark/benchmark.h>

#include "almanacpages/almanac_booklet.h"

namespace nocturna {
namespace {

void BookletSheetsOf(benchmark::State& state, int days, const BookletContents& contents) {
  for (auto _ : state) {
    const std::optional<AlmanacBooklet> booklet = ComputeAlmanacBooklet(
        {1, 1, 2026}, days, contents, AlmanacPagesEphemeris(), [](int, int) { return true; }, 2);
    benchmark::DoNotOptimize(BookletSheets(*booklet));
  }
}

void BM_BookletYearEverySection(benchmark::State& state) { BookletSheetsOf(state, 365, BookletContents{}); }
BENCHMARK(BM_BookletYearEverySection)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void BM_BookletTablesOnly(benchmark::State& state) {
  BookletContents tables;
  tables.Set(BookletSection::daily, false);
  BookletSheetsOf(state, 1, tables);
}
BENCHMARK(BM_BookletTablesOnly)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace nocturna
