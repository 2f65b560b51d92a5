#include "almanacpages/almanac_passage.h"

#include "almanacpages/page_dates.h"

namespace nocturna {

std::string CheckPassage(const CalendarDate& from, int days) {
  if (days < kMinPassageDays || days > kMaxPassageDays) {
    return "the passage must have " + std::to_string(kMinPassageDays) + " to " +
           std::to_string(kMaxPassageDays) + " days, not " + std::to_string(days);
  }
  // The last opening is printed whole, so its last day must lie in the years too.
  const CalendarDate last = DateAfter(from, OpeningCount(days) * kOpeningDays - 1);
  if (from.year < kFirstPassageYear || last.year > kLastPassageYear) {
    return "the passage must lie in the years " + std::to_string(kFirstPassageYear) + " to " +
           std::to_string(kLastPassageYear);
  }
  return {};
}

int OpeningCount(int days) { return (days + kOpeningDays - 1) / kOpeningDays; }

AlmanacPassage ComputeAlmanacPassage(const CalendarDate& from, int days,
                                     const EphemerisChoice& choice) {
  AlmanacPassage passage{from, days, EphemerisStatementAt(choice, from), {}};
  const int openings = OpeningCount(days);
  passage.openings.reserve(openings);
  for (int i = 0; i < openings; ++i) {
    passage.openings.push_back(
        ComputeAlmanacOpening(DateAfter(from, kOpeningDays * i), choice));
  }
  return passage;
}

}  // namespace nocturna
