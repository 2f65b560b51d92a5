#pragma once
// nocturna-almanac --gpsd HOST:PORT | --nmea-tcp HOST:PORT | --nmea-udp PORT [--fixes N]
// [--timeout SECONDS] [--json]: the first fixes from a network position source, read through
// the same burst reading and position step as the window, printed as --nmea-replay prints a log.
#include "cli/almanac_options.h"

namespace nocturna {

// 0 when the fixes came; 1 when the source failed or fell silent (a plain message on standard
// error).
int RunNetworkFixes(const AlmanacOptions& options);

}  // namespace nocturna
