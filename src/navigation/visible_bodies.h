#pragma once
// The visible-bodies list: the light of the moment from the Sun's altitude and every body
// above the horizon with its Hc, Zn and magnitude, as texts for the window and the command line.
#include <string>
#include <vector>

#include "foundations/dr_position.h"
#include "navigation/almanac_snapshot.h"
#include "navigation/body_catalog.h"
#include "navigation/table_rows.h"

namespace nocturna {

enum class LightState { Daylight, Twilight, NightTime };

// The Sun's computed altitude (degrees) from which the list counts as daylight, and below
// which it is night.
inline constexpr double kDaylightSunHc = -0.8;
inline constexpr double kNightSunHc = -12.0;

// Column of the azimuth texts, by which a twilight or night list opens sorted.
inline constexpr int kZnColumn = 2;

// Daylight for sunHc >= -0.8, twilight for -12 <= sunHc < -0.8, night below -12 (degrees).
LightState LightStateOf(double sunHc);
// "Daylight", "Twilight" or "Night Time".
const char* LightStateCaption(LightState light);

// LHA Aries in degrees, 0..360: GHA Aries of the catalog minus the DR longitude (WEST positive).
double LhaAries(const BodyCatalog& catalog, const DrPosition& position);

struct VisibleBodiesList {
  LightState light = LightState::Daylight;
  std::string dateLine;      // "<zone date>, ZT=<zone clock>, ZD=<zd>"
  std::string positionLine;  // "Pos: DRL=<latitude>; DRLo=<longitude>"
  std::string lhaAriesLine;  // "LHA Aries=<GHA Aries - longitude>"
  // Name, Hc, Zn and magnitude. In daylight the Sun and, when above the horizon, the Moon, in
  // that order; otherwise the Moon when above the horizon, then every star and planet with
  // Hc >= 0, sorted by Zn.
  std::vector<TableRow> rows;
};

// The list for the catalog as the last computation left it (gha, hc, zn in degrees), the
// moment it was computed for (zone date and clock shown), the zone description (hours, west
// positive) and the DR position (degrees, north and WEST positive). degMin: Hc and Zn in
// degrees and minutes, else in decimal degrees. sortColumn is the list's kept sort column:
// a twilight or night list sets it to kZnColumn and is sorted by it.
VisibleBodiesList BuildVisibleBodiesList(const BodyCatalog& catalog, const AlmanacMoment& moment,
                                         int zoneDescription, const DrPosition& position,
                                         bool degMin, int& sortColumn);

}  // namespace nocturna
