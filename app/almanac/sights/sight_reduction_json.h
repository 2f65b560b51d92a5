#pragma once
// nocturna-almanac --reduce --json: the reduced sight log as one JSON document.
#include <string>
#include <vector>

#include "sights/sight_log_reduction.h"

namespace nocturna {

// The DR the log was reduced from, each sight with every correction, the lines of position
// with their shots and the fix, with a "units" member naming the units.
std::string SightReductionJson(const std::vector<SightRecord>& log, const DrPosition& dr,
                               DateTime drTime, const DeadReckoning& run,
                               const EphemerisChoice& ephemeris, const SightLogReduction& reduction);

}  // namespace nocturna
