#pragma once
// Positions carried along a course and speed (mid-latitude sailing).
#include "foundations/dr_position.h"
#include "sights/sight_record.h"

namespace nocturna {

// The position (degrees, north and WEST positive) after `hours` of the run (negative hours
// go back along it). Longitude comes back in -180..180.
DrPosition MoveByRun(const DrPosition& from, const RunMadeGood& run, double hours);

// The position moved by a displacement in nautical miles (east, north) on the local plane.
DrPosition MoveByMiles(const DrPosition& from, double eastMiles, double northMiles);

}  // namespace nocturna
