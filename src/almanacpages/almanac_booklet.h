#pragma once
// A booklet: a passage's daily pages and the tables a navigator needs to work a sight by hand,
// computed on as many threads as asked (the openings are independent), numbered, with an index.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "almanacpages/almanac_passage.h"
#include "almanacpages/booklet_sections.h"
#include "almanacpages/lunar_distance_tables.h"
#include "almanacpages/page_sheet.h"
#include "almanacpages/polaris_tables.h"

namespace nocturna {

struct AlmanacBooklet {
  BookletContents contents;
  AlmanacPassage passage;  // its openings only when the daily pages are chosen
  PolarisTables polaris;   // for the year of the passage's first day, when chosen
  std::vector<LunarDistanceDay> lunar;  // a day each, when chosen
};

// Told how many of `total` steps are done; returns false to stop the computation.
using BookletProgress = std::function<bool(int done, int total)>;

// Empty when the passage can be computed and a section is chosen, else the reason.
std::string CheckBooklet(const CalendarDate& from, int days, const BookletContents& contents);

// Computes the booklet of a checked request on `threads` threads (the caller's among them),
// calling `progress` on the caller's thread; nothing when `progress` asked to stop.
std::optional<AlmanacBooklet> ComputeAlmanacBooklet(const CalendarDate& from, int days,
                                                    const BookletContents& contents,
                                                    const EphemerisChoice& choice,
                                                    const BookletProgress& progress, int threads);

// A printed page of the booklet and the section it belongs to.
struct BookletPage {
  BookletSection section = BookletSection::daily;
  std::vector<std::string> headings;  // what the index lists at this page (a month indented)
  Sheet sheet;
};

// Every page in order: the passage's title (with the daily pages), the index (with more than
// one section), then the sections, each page closed by its section and number.
std::vector<BookletPage> BookletPages(const AlmanacBooklet& booklet);

// How many pages BookletPages gives for a passage of `days` days and the sections.
int BookletPageCount(int days, const BookletContents& contents);

// The sheets of the pages alone.
std::vector<Sheet> BookletSheets(const AlmanacBooklet& booklet);

}  // namespace nocturna
