// The command line of nocturna-almanac, every report's options from the one table: the input's
// NUL bytes separate the arguments. Options that are accepted are in range and belong to the
// report they chose; the almanac of a moment they ask for is computed and written out as
// well-formed JSON. The clock is a fixed reading, never the machine's.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/almanac_moment.h"
#include "cli/almanac_options.h"
#include "cli/help_text.h"
#include "ephemeris/precise/precise_time.h"
#include "fuzz_check.h"
#include "moment/json_report.h"
#include "navigation/almanac_snapshot.h"
#include "starfinder/star_finder.h"

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

void CheckMoment(const AlmanacOptions& options) {
  const DrPosition& position = options.position;
  FUZZ_CHECK(std::isfinite(position.latitude) && std::fabs(position.latitude) <= 90.0);
  FUZZ_CHECK(std::isfinite(position.longitude) && std::fabs(position.longitude) <= 180.0);
  if (options.utDate) FUZZ_CHECK(DateInRange(*options.utDate));
  if (options.zoneDate) FUZZ_CHECK(DateInRange(*options.zoneDate));
  if (options.utTime) FUZZ_CHECK(TimeInRange(*options.utTime));
  if (options.zoneTime) FUZZ_CHECK(TimeInRange(*options.zoneTime));
  if (options.zoneDescription)
    FUZZ_CHECK(std::abs(*options.zoneDescription) <= kMaxZoneDescription);
  if (options.ephemeris.dut1Seconds) {
    FUZZ_CHECK(options.ephemeris.kind == EphemerisKind::precise);
    FUZZ_CHECK(std::fabs(*options.ephemeris.dut1Seconds) <= kLargestDut1Seconds);
  }
}

// What each report was given holds together: no report runs with another's options unread.
void CheckReport(const AlmanacOptions& options) {
  const StarFinderOptions& finder = options.finder;
  FUZZ_CHECK(StarFinderSettingsError(finder.settings).empty());
  FUZZ_CHECK(DeadReckoningError({{}, 0, finder.courseDegrees, finder.speedKnots}).empty());
  FUZZ_CHECK(options.reduce.run.courseDegrees < 360.0);
  switch (options.report) {
    case AlmanacReport::reduce:
      FUZZ_CHECK(!options.reduce.file.empty());
      break;
    case AlmanacReport::nmeaReplay:
      FUZZ_CHECK(!options.replay.file.empty() && options.replay.burst >= 1);
      break;
    case AlmanacReport::pages:
      FUZZ_CHECK(!options.utDate && !options.zoneDate && !options.tables.Wanted());
      if (options.pages.days) FUZZ_CHECK(*options.pages.days >= 1 && *options.pages.days <= 366);
      break;
    case AlmanacReport::moment:
      FUZZ_CHECK(!options.pages.from && !options.pages.days && !finder.twilight &&
                 !options.reduce.drTime && !options.chart.Wanted());
      break;
    default:
      break;
  }
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
  if (!outcome.error.empty()) {
    FUZZ_CHECK(outcome.error.size() < 4096);
    return 0;
  }
  const AlmanacOptions& options = outcome.options;
  CheckMoment(options);
  CheckReport(options);
  if (options.help) {
    FUZZ_CHECK(!AlmanacHelpText().empty());
    return 0;
  }
  if (options.report != AlmanacReport::moment) return 0;

  const UtcCalendar now{2024, 6, 21, 12, 0, 0, 0};
  const MomentOutcome moment = ResolveMoment(options, now);
  if (!moment.error.empty()) return 0;
  FUZZ_CHECK(std::isfinite(moment.zoneTime));
  FUZZ_CHECK(std::abs(moment.zoneDescription) <= kMaxZoneDescription);
  const AlmanacSnapshot snapshot =
      TakeAlmanacSnapshot(moment.zoneTime, moment.zoneDescription, options.position);
  FUZZ_CHECK(DateInRange(snapshot.moment.utDate) && DateInRange(snapshot.moment.zoneDate));
  FUZZ_CHECK(snapshot.ghaAries >= 0.0 && snapshot.ghaAries < 360.0);
  FUZZ_CHECK(nlohmann::json::accept(JsonReport(snapshot)));
  return 0;
}
