#pragma once
// The moment and the place: zone and Greenwich date and time, DR position, GHA Aries.
#include <string>

#include "navigation/almanac_snapshot.h"

namespace nocturna {

std::string MomentReport(const AlmanacSnapshot& snapshot);

}  // namespace nocturna
