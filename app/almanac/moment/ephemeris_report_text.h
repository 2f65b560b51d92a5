#pragma once
// What the reports say of the ephemeris that made their numbers.
#include <string>

#include "cli/json_writer.h"
#include "navigation/ephemeris_report.h"

namespace nocturna {

// "standard", or "precise, DUT1 +0.106 s (bundled IERS to 2023-09-12, held), Delta T 69.078 s".
std::string EphemerisText(const EphemerisReport& report);

// "ephemeris" ("standard" or "precise"), "dut1" and "deltaT" in seconds (null for the
// standard theory, which applies neither), "dut1Source" and the DUT1 table's members below.
void EphemerisMembers(Json& object, const EphemerisReport& report);

// "dut1Table" ("bundled IERS", "Bulletin A" or "IERS finals") and "dut1TableLastDay"
// ("YYYY-MM-DD"), the table the DUT1 was read or held from; null for a given DUT1 or none.
void Dut1TableMembers(Json& object, const EphemerisReport& report);

}  // namespace nocturna
