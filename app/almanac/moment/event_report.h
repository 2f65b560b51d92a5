#pragma once
// The day's eleven event times in zone time, laid out as in the chart's event table.
#include <string>

#include "navigation/almanac_snapshot.h"

namespace nocturna {

std::string EventReport(const AlmanacSnapshot& snapshot);

}  // namespace nocturna
