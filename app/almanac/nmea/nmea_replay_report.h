#pragma once
// nocturna-almanac --nmea-replay LOG [--burst N]: a receiver's log fed through the GPS burst
// reading, parsing and position step as a serial port would deliver it; one line per accepted
// fix, then the counts.
#include "cli/almanac_options.h"

namespace nocturna {

// Returns the exit status.
int RunNmeaReplay(const NmeaReplayOptions& options);

}  // namespace nocturna
