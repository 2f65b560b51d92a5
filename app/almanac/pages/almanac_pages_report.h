#pragma once
// nocturna-almanac --almanac-pages: the daily pages of a passage as text, as JSON or as a PDF.
#include <string>

#include "cli/almanac_options.h"
#include "almanacpages/almanac_passage.h"
#include "platform/system_clock.h"

namespace nocturna {

// Every sheet of the passage as UTF-8 text, a form feed between the pages.
std::string AlmanacPagesText(const AlmanacPassage& passage);

// The same values as one JSON object, each a whole number at the printed precision whose key
// names its unit (ghaTenthsOfArcMinute 47243 is 78 deg 44.3'; declinations north positive),
// times in whole minutes of the UT or local mean time day, the equation of time in seconds, an
// event without a time as the name of its symbol; the member "units" says the same.
std::string AlmanacPagesJson(const AlmanacPassage& passage);

// Runs --almanac-pages: checks the passage (default from today's UT date for 9 days), computes
// it with the pages' ephemeris and writes the text, the JSON or the PDF. Returns the exit status.
int RunAlmanacPages(const AlmanacOptions& options, const UtcCalendar& now);

}  // namespace nocturna
