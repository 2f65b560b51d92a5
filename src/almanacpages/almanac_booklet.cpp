#include "almanacpages/almanac_booklet.h"

#include <atomic>
#include <functional>
#include <thread>

#include "almanacpages/page_dates.h"

namespace nocturna {
namespace {

// Runs work(0) to work(count - 1) on `threads` threads, each taking the next index not yet begun;
// `told` hears on the caller's thread how many are done and may say stop (false then).
bool RunInParallel(int count, const std::function<void(int)>& work, const std::function<bool(int)>& told,
                   int threads) {
  std::atomic<int> next{0};
  std::atomic<int> done{0};
  std::atomic<bool> stop{false};
  const auto helper = [&]() {
    for (int i = next++; i < count && !stop; i = next++) {
      work(i);
      ++done;
    }
  };
  std::vector<std::thread> helpers;
  for (int t = 1; t < threads && t < count; ++t) helpers.emplace_back(helper);
  for (int i = next++; i < count && !stop; i = next++) {
    work(i);
    ++done;
    if (!told(done)) stop = true;
  }
  for (std::thread& thread : helpers) thread.join();
  return !stop;
}

}  // namespace

std::string CheckBooklet(const CalendarDate& from, int days, const BookletContents& contents) {
  if (contents.Empty()) return "choose at least one section of the booklet";
  return CheckPassage(from, days);
}

std::optional<AlmanacBooklet> ComputeAlmanacBooklet(const CalendarDate& from, int days,
                                                    const BookletContents& contents,
                                                    const EphemerisChoice& choice,
                                                    const BookletProgress& progress, int threads) {
  AlmanacBooklet booklet{contents, AlmanacPassage{from, days, EphemerisStatementAt(choice, from), {}}, {}, {}};
  const int openings = contents.Has(BookletSection::daily) ? OpeningCount(days) : 0;
  const int lunarDays = contents.Has(BookletSection::lunar) ? days : 0;
  const int total = openings + lunarDays + 1;
  booklet.passage.openings.resize(openings);
  booklet.lunar.resize(lunarDays);
  const bool computed =
      RunInParallel(
          openings,
          [&](int i) {
            booklet.passage.openings[i] = ComputeAlmanacOpening(DateAfter(from, kOpeningDays * i), choice);
          },
          [&](int done) { return progress(done, total); }, threads) &&
      RunInParallel(
          lunarDays, [&](int i) { booklet.lunar[i] = ComputeLunarDistances(DateAfter(from, i), choice); },
          [&](int done) { return progress(openings + done, total); }, threads);
  if (!computed) return std::nullopt;
  if (contents.Has(BookletSection::polaris)) booklet.polaris = ComputePolarisTables(from.year);
  if (!progress(total, total)) return std::nullopt;
  return booklet;
}

std::vector<Sheet> BookletSheets(const AlmanacBooklet& booklet) {
  std::vector<Sheet> sheets;
  for (BookletPage& page : BookletPages(booklet)) sheets.push_back(std::move(page.sheet));
  return sheets;
}

}  // namespace nocturna
