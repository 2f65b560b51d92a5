#pragma once
// nocturna-almanac --reduce SIGHTS.csv --lat LAT --lon LON [--dr-time "YYYY-MM-DD HH:MM:SS"]
// [--course DEG --speed KN] [--precise [--dut1 S]] [--json]: a sight log reduced to lines of
// position and a fix, every correction shown.
#include "cli/almanac_options.h"

namespace nocturna {

// Returns the exit status.
int RunSightReduction(const AlmanacOptions& options);

}  // namespace nocturna
