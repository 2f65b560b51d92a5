#include "cli/almanac_moment.h"

#include "navigation/almanac_snapshot.h"

namespace nocturna {
namespace {

DateTime Encode(const CalendarDate& date, const ClockTime& clock) {
  return EncodeDateTime(date.year, date.month, date.day, clock.hour, clock.minute, clock.second);
}

bool InRange(const CalendarDate& date) {
  return date.year >= kFirstAlmanacYear && date.year <= kLastAlmanacYear;
}

// The given date and time, completed from `clockNow` (a date-time in the same time scale).
DateTime Complete(const std::optional<CalendarDate>& date, const std::optional<ClockTime>& clock,
                  DateTime clockNow) {
  if (date) return Encode(*date, clock.value_or(ClockTime{}));
  if (!clock) return clockNow;
  const DecodedDateTime today = DecodeDateTime(clockNow);
  return EncodeDateTime(today.year, today.month, today.day, clock->hour, clock->minute,
                        clock->second);
}

}  // namespace

MomentOutcome ResolveMoment(const AlmanacOptions& options, const UtcCalendar& now) {
  MomentOutcome outcome;
  outcome.zoneDescription =
      options.zoneDescription.value_or(ZoneDescriptionFromLongitude(options.position));
  const double zoneOffsetDays = outcome.zoneDescription / 24.0;
  const DateTime utNow =
      EncodeDateTime(now.year, now.month, now.day, now.hour, now.minute, now.second);
  if (options.zoneDate || options.zoneTime) {
    outcome.zoneTime = Complete(options.zoneDate, options.zoneTime, utNow - zoneOffsetDays);
  } else {
    outcome.zoneTime = Complete(options.utDate, options.utTime, utNow) - zoneOffsetDays;
  }
  const AlmanacMoment moment = AlmanacMomentOf(outcome.zoneTime, outcome.zoneDescription);
  if (!InRange(moment.utDate) || !InRange(moment.zoneDate)) {
    outcome.error = "the moment falls outside the years " + std::to_string(kFirstAlmanacYear) +
                    " to " + std::to_string(kLastAlmanacYear) + " (UT date " +
                    std::to_string(moment.utDate.year) + ", zone date " +
                    std::to_string(moment.zoneDate.year) + ")";
  }
  return outcome;
}

}  // namespace nocturna
