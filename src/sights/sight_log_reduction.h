#pragma once
// A whole sight log reduced: every shot on its own, the shots of each body averaged into one
// line of position, and the fix from those lines.
#include <vector>

#include "ephemeris/ephemeris_choice.h"
#include "foundations/dr_position.h"
#include "sights/shot_average.h"
#include "sights/sight_fix.h"
#include "sights/sight_line.h"

namespace nocturna {

struct SightLogReduction {
  std::vector<SightLine> shots;      // the log's shots in the log's order, each at its DR
  std::vector<ShotAverage> groups;   // the shots of one body in quick succession
  std::vector<SightLine> lines;      // one per group: its averaged sight reduced
  SightFix fix;                      // from the lines, at the DR time
};

// The log reduced from `dr` (degrees, north and WEST positive), the DR at `drTime` (UTC days
// since 1899-12-30); each sight's own DR is `dr` moved by the run to the sight's time. The
// fix leaves out lines whose corrections do not apply (below the horizon). Every body name
// must be one FindSightBody knows (the sight log's parser sees to that).
SightLogReduction ReduceSightLog(const std::vector<SightRecord>& log, const DeadReckoning& dr,
                                 DateTime fixTime, const EphemerisChoice& choice);

}  // namespace nocturna
