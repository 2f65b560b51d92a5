// The command line of nocturna-almanac: the input's NUL bytes separate the arguments. Options
// that are accepted are in range, and the almanac they ask for is computed and written out as
// well-formed JSON.
// The clock is a fixed reading, never the machine's.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/almanac_moment.h"
#include "cli/almanac_options.h"
#include "fuzz_check.h"
#include "moment/json_report.h"
#include "navigation/almanac_snapshot.h"

namespace {

using namespace nocturna;

constexpr std::size_t kMaxArguments = 32;

bool DateInRange(const CalendarDate& date) {
  return date.year >= kFirstAlmanacYear && date.year <= kLastAlmanacYear && date.month >= 1 &&
         date.month <= 12 && date.day >= 1 && date.day <= 31;
}

bool TimeInRange(const ClockTime& time) {
  return time.hour <= 23 && time.minute <= 59 && time.second <= 59;
}

void CheckOptions(const AlmanacOptions& options) {
  const DrPosition& position = options.position;
  FUZZ_CHECK(std::isfinite(position.latitude) && std::fabs(position.latitude) <= 90.0);
  FUZZ_CHECK(std::isfinite(position.longitude) && std::fabs(position.longitude) <= 180.0);
  if (options.utDate) FUZZ_CHECK(DateInRange(*options.utDate));
  if (options.zoneDate) FUZZ_CHECK(DateInRange(*options.zoneDate));
  if (options.utTime) FUZZ_CHECK(TimeInRange(*options.utTime));
  if (options.zoneTime) FUZZ_CHECK(TimeInRange(*options.zoneTime));
  if (options.zoneDescription) FUZZ_CHECK(std::abs(*options.zoneDescription) <= kMaxZoneDescription);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> args;
  if (size > 0) args.emplace_back();
  for (std::size_t i = 0; i < size && args.size() <= kMaxArguments; ++i) {
    if (data[i] == 0) {
      args.emplace_back();
    } else {
      args.back() += static_cast<char>(data[i]);
    }
  }
  const OptionsOutcome outcome = ParseAlmanacOptions(args);
  if (!outcome.error.empty()) return 0;
  CheckOptions(outcome.options);
  if (outcome.options.help) return 0;

  const UtcCalendar now{2024, 6, 21, 12, 0, 0, 0};
  const MomentOutcome moment = ResolveMoment(outcome.options, now);
  if (!moment.error.empty()) return 0;
  FUZZ_CHECK(std::isfinite(moment.zoneTime));
  FUZZ_CHECK(std::abs(moment.zoneDescription) <= kMaxZoneDescription);
  const AlmanacSnapshot snapshot =
      TakeAlmanacSnapshot(moment.zoneTime, moment.zoneDescription, outcome.options.position);
  FUZZ_CHECK(DateInRange(snapshot.moment.utDate) && DateInRange(snapshot.moment.zoneDate));
  FUZZ_CHECK(snapshot.ghaAries >= 0.0 && snapshot.ghaAries < 360.0);
  FUZZ_CHECK(nlohmann::json::accept(JsonReport(snapshot)));
  return 0;
}
