#pragma once
// The dead reckoning: a position at a stated time, carried along the course and speed made
// good (mid-latitude sailing) to any other time.
#include "foundations/date_time.h"
#include "foundations/dr_position.h"

namespace nocturna {

struct DeadReckoning {
  DrPosition position;       // degrees, north and WEST positive
  DateTime utc = 0.0;        // the moment the position holds for, UTC (days since 1899-12-30)
  double courseDegrees = 0.0;  // true, from north through east
  double speedKnots = 0.0;     // 0: the position stays where it is
};

// The DR's position at `utc`, carried forward or back along its run. Longitude comes back in
// -180..180.
DrPosition PositionAt(const DeadReckoning& dr, DateTime utc);

// The same run from the position it reaches at `utc`.
DeadReckoning CarriedTo(const DeadReckoning& dr, DateTime utc);

// The position moved by a displacement in nautical miles (east, north) on the local plane.
DrPosition MoveByMiles(const DrPosition& from, double eastMiles, double northMiles);

}  // namespace nocturna
