#pragma once
// The reports of single observations: --noon, local apparent noon for the DR under way and the
// Sun's altitude to preset; --identify, an unknown body named.
#include "cli/almanac_options.h"
#include "platform/system_clock.h"

namespace nocturna {

// Prints the noon as text, or JSON with --json: its time, the DR then, the Sun's declination,
// its meridian altitude and the sextant altitude to preset for the lower limb. The DR holds at
// --date and --time (default: today's UT date, at the local mean noon of the DR longitude).
int RunNoonReport(const AlmanacOptions& command, const UtcCalendar& now);

// --identify: the bodies near the observed altitude and bearing at --date and --time (default
// now) from the DR, nearest first, and the one named; as text, or JSON with --json.
int RunIdentifyReport(const AlmanacOptions& command, const UtcCalendar& now);

}  // namespace nocturna
