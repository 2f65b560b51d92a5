#pragma once
// Which options go together: the run's report chosen from the options given, and the refusal
// of an option that does not belong to it or that contradicts another.
#include <string>
#include <vector>

#include "cli/option_table.h"

namespace nocturna {

// The report the given options choose (the almanac of a moment when none does).
AlmanacReport ChooseReport(const std::vector<const CliOption*>& given);

// A message naming the first option that does not go with the others, or empty.
std::string CombinationError(const std::vector<const CliOption*>& given, AlmanacReport report);

}  // namespace nocturna
