#pragma once
// What the reports say of the ephemeris that made their numbers.
#include <string>

#include "cli/json_writer.h"
#include "navigation/ephemeris_report.h"

namespace nocturna {

// "standard", or "precise, DUT1 +0.106 s (IERS prediction held), Delta T 69.078 s".
std::string EphemerisText(const EphemerisReport& report);

// "ephemeris" ("standard" or "precise"), "dut1" and "deltaT" in seconds (null for the
// standard theory, which applies neither) and "dut1Source".
void EphemerisMembers(Json& object, const EphemerisReport& report);

}  // namespace nocturna
