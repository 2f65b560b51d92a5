#include "almanacpages/almanac_booklet.h"

#include <atomic>
#include <thread>

#include "almanacpages/page_dates.h"

namespace nocturna {
namespace {

// Computes the openings, each thread taking the next one not yet begun.
bool ComputeOpenings(AlmanacPassage& passage, const EphemerisChoice& choice, const BookletProgress& progress,
                     int threads) {
  const int count = OpeningCount(passage.days);
  passage.openings.assign(count, AlmanacOpening{});
  std::atomic<int> next{0};
  std::atomic<int> done{0};
  std::atomic<bool> stop{false};
  const auto work = [&]() {
    for (int i = next++; i < count && !stop; i = next++) {
      passage.openings[i] = ComputeAlmanacOpening(DateAfter(passage.from, kOpeningDays * i), choice);
      ++done;
    }
  };
  std::vector<std::thread> helpers;
  for (int t = 1; t < threads && t < count; ++t) helpers.emplace_back(work);
  for (int i = next++; i < count && !stop; i = next++) {
    passage.openings[i] = ComputeAlmanacOpening(DateAfter(passage.from, kOpeningDays * i), choice);
    ++done;
    if (!progress(done, count + 1)) stop = true;
  }
  for (std::thread& helper : helpers) helper.join();
  return !stop && progress(count, count + 1);
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
  AlmanacBooklet booklet{contents, AlmanacPassage{from, days, EphemerisStatementAt(choice, from), {}}, {}};
  if (contents.Has(BookletSection::daily) && !ComputeOpenings(booklet.passage, choice, progress, threads)) {
    return std::nullopt;
  }
  if (contents.Has(BookletSection::polaris)) booklet.polaris = ComputePolarisTables(from.year);
  if (!progress(1, 1)) return std::nullopt;
  return booklet;
}

std::vector<Sheet> BookletSheets(const AlmanacBooklet& booklet) {
  std::vector<Sheet> sheets;
  for (BookletPage& page : BookletPages(booklet)) sheets.push_back(std::move(page.sheet));
  return sheets;
}

}  // namespace nocturna
