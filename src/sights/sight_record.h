#pragma once
// One sextant observation as the navigator logs it.
#include <string>

#include "foundations/date_time.h"
#include "sights/sight_corrections.h"

namespace nocturna {

struct SightRecord {
  DateTime utc = 0.0;       // UTC, days since 1899-12-30 (whole seconds as logged)
  std::string body;         // a catalog name as the program spells it ("Sun", "Kochub")
  Limb limb = Limb::centre;
  double hsDegrees = 0.0;   // sextant altitude
  SightConditions conditions;
};

// Course and speed made good, for moving positions between the sights' times.
struct RunMadeGood {
  double courseDegrees = 0.0;  // true, from north through east
  double speedKnots = 0.0;
};

}  // namespace nocturna
