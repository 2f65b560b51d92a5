#pragma once
// The "Visible Bodies" list as the window shows it: light state, heading lines and the rows.
#include <string>

#include "cli/almanac_options.h"
#include "cli/json_writer.h"
#include "navigation/almanac_snapshot.h"
#include "navigation/visible_bodies.h"

namespace nocturna {

// The list for the snapshot's moment as the window opens it, sorted by --sort when given.
VisibleBodiesList VisibleBodiesFor(const AlmanacSnapshot& snapshot, const TablePageOptions& options);

// The list for the snapshot's moment (Windows-1252 text): Hc and Zn in degrees and minutes or,
// with --decimal, decimal degrees; in the window's opening order or sorted by --sort.
std::string VisibleBodiesReport(const AlmanacSnapshot& snapshot, const TablePageOptions& options);

// The same list as the JSON member "visibleBodies" holds it: the row texts and the
// unformatted values (degrees; magnitude null for the Sun and the Moon).
Json VisibleBodiesJson(const AlmanacSnapshot& snapshot, const TablePageOptions& options);

}  // namespace nocturna
