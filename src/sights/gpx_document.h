#pragma once
// A reduced sight log as GPX 1.1, for chart plotters and track loggers: the celestial fix as
// a waypoint (its time, and the error ellipse in its description), each line of position as a
// two-point route, the DR as a waypoint and the run between the sights as a track.
#include <string>

#include "foundations/date_time.h"
#include "foundations/dr_position.h"
#include "sights/sight_log_reduction.h"

namespace nocturna {

// Half the length of each line of position drawn as a route, in nautical miles.
inline constexpr double kGpxLineHalfMiles = 10.0;

struct GpxSights {
  const SightLogReduction* reduction = nullptr;
  DrPosition dr;        // degrees, north and WEST positive, at drTime
  DateTime drTime = 0;  // UTC days since 1899-12-30
};

// The document (UTF-8, GPX 1.1; GPX longitudes are east positive).
std::string GpxDocument(const GpxSights& sights);

}  // namespace nocturna
