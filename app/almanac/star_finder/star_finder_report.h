#pragma once
// --star-finder: the best bodies to shoot in the zone date's twilights, as text or JSON.
#include <string>

#include "cli/almanac_moment.h"
#include "cli/almanac_options.h"

namespace nocturna {

// The finder for --morning, --evening or both, at the DR of the options carried by --course and
// --speed from the resolved moment (the DR's time). Windows-1252 text, or one JSON object.
std::string StarFinderPage(const AlmanacOptions& options, const MomentOutcome& moment);

}  // namespace nocturna
