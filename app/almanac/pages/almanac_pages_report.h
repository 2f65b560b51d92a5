#pragma once
// nocturna-almanac --almanac-pages: the booklet of a passage (its daily pages and the tables
// chosen with --sections) as text, as JSON or as a PDF.
#include <string>

#include "almanacpages/almanac_booklet.h"
#include "cli/almanac_options.h"
#include "cli/json_writer.h"
#include "platform/system_clock.h"

namespace nocturna {

// Every sheet of the passage as UTF-8 text, a form feed between the pages.
std::string AlmanacPagesText(const AlmanacPassage& passage);

// The same values as one JSON object, each a whole number at the printed precision whose key
// names its unit (ghaTenthsOfArcMinute 47243 is 78 deg 44.3'; declinations north positive),
// times in whole minutes of the UT or local mean time day, the equation of time in seconds, an
// event without a time as the name of its symbol; the member "units" says the same.
std::string AlmanacPagesJson(const AlmanacPassage& passage);
// The same as a document to add to.
Json AlmanacPagesDocument(const AlmanacPassage& passage);

// The booklet as one JSON object: the daily pages' members, "sections" (their names) and
// "tables", each with its name, its columns (name and unit) and its rows of whole numbers.
std::string BookletJson(const AlmanacBooklet& booklet);

// Runs --almanac-pages: checks the passage (default from today's UT date for 9 days) and the
// sections (default the daily pages), computes them with the pages' ephemeris on two threads
// and writes the text, the JSON or the PDF. Returns the exit status.
int RunAlmanacPages(const AlmanacOptions& options, const UtcCalendar& now);

}  // namespace nocturna
