#pragma once
// The almanac page: SHA or GHA, declination and magnitude of the 57 stars and the four
// planets under the Greenwich date, UT, position and GHA Aries, as texts for the window and
// the command line.
#include <string>
#include <vector>

#include "foundations/dr_position.h"
#include "navigation/almanac_snapshot.h"
#include "navigation/body_catalog.h"
#include "navigation/table_rows.h"

namespace nocturna {

// Which hour angle the page shows: SHA (0) or GHA = SHA + GHA Aries (1).
enum class AlmanacMode { Sha = 0, Gha = 1 };

struct AlmanacPage {
  std::string dateLine;      // "GD=<UT date>  UT=<UT clock>  ZD=<zd>"
  std::string positionLine;  // "Position: DRL=<latitude>;  DRLo=<longitude>"
  std::string ghaAriesLine;  // "GHA Aries=<GHA Aries>"
  std::string angleHeading;  // "SHA" or "GHA", the caption of column 1
  // Name, SHA or GHA, declination, magnitude, in catalog order.
  std::vector<TableRow> stars;    // the 57 navigational stars
  std::vector<TableRow> planets;  // Venus, Mars, Jupiter, Saturn
};

// The page for the catalog as the last computation left it (sha, declination, gha of Aries in
// degrees), the moment it was computed for (UT date and clock shown), the zone description
// (hours, west positive) and the DR position (degrees, north and WEST positive).
AlmanacPage BuildAlmanacPage(const BodyCatalog& catalog, const AlmanacMoment& moment,
                             int zoneDescription, const DrPosition& position, AlmanacMode mode);

}  // namespace nocturna
