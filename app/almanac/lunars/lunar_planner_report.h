#pragma once
// --lunar-planner: the bodies that make good lunars at a moment and DR, as text or JSON.
#include <string>

#include "cli/almanac_moment.h"
#include "cli/almanac_options.h"

namespace nocturna {

// The planner at the resolved moment (its UT) and the options' DR and height of eye.
// Windows-1252 text, or one JSON object.
std::string LunarPlannerPage(const AlmanacOptions& options, const MomentOutcome& moment);

}  // namespace nocturna
