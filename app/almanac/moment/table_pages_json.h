#pragma once
// nocturna-almanac --visible-bodies and --almanac-page with --json.
#include <string>

#include "cli/almanac_options.h"
#include "navigation/almanac_snapshot.h"

namespace nocturna {

// One JSON document: "units", then "visibleBodies" and "almanacPage" as asked, then the
// ephemeris members.
std::string TablePagesJson(const AlmanacSnapshot& snapshot, const TablePageOptions& tables);

}  // namespace nocturna
