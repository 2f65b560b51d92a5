#pragma once
// The "Almanac" window's page: heading lines, the 57 stars and the four planets.
#include <string>

#include "cli/almanac_options.h"
#include "cli/json_writer.h"
#include "navigation/almanac_page.h"
#include "navigation/almanac_snapshot.h"

namespace nocturna {

// The page for the snapshot's moment: SHA or, with --gha, GHA; the stars sorted by --sort.
AlmanacPage AlmanacPageFor(const AlmanacSnapshot& snapshot, const TablePageOptions& options);

// The page for the snapshot's moment (Windows-1252 text): SHA or, with --gha, GHA; the stars
// in catalog order or sorted by --sort, the planets in catalog order.
std::string AlmanacPageReport(const AlmanacSnapshot& snapshot, const TablePageOptions& options);

// The same page as the JSON member "almanacPage" holds it: the row texts and the
// unformatted values (degrees).
Json AlmanacPageJson(const AlmanacSnapshot& snapshot, const TablePageOptions& options);

}  // namespace nocturna
