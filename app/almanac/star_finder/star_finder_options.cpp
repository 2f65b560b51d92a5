#include "star_finder/star_finder_options.h"

#include "cli/almanac_options.h"
#include "cli/option_readers.h"
#include "cli/option_table.h"
#include "foundations/number_text.h"

namespace nocturna {
namespace {

// The finder's settings with one changed, checked as the finder checks them.
std::string Checked(std::string_view name, std::string_view value,
                    const StarFinderSettings& settings, AlmanacOptions& options) {
  const std::string problem = StarFinderSettingsError(settings);
  if (!problem.empty()) return OutOfRange(name, value, problem);
  options.finder.settings = settings;
  return {};
}

}  // namespace

std::string ReadFinderMoment(std::string_view name, std::string_view value,
                             AlmanacOptions& options) {
  const auto moment = ParseDateAndTime(value);
  if (!moment) {
    return std::string(name) + " " + Quoted(value) +
           ": expected a zone date and time \"YYYY-MM-DD HH:MM:SS\" in the years " +
           std::to_string(kFirstAlmanacYear) + " to " + std::to_string(kLastAlmanacYear);
  }
  options.finder.atDate = ToCalendarDate(moment->date);
  options.finder.atTime = ToClockTime(moment->time);
  return {};
}

std::string ReadAltitudeBand(std::string_view name, std::string_view value,
                             AlmanacOptions& options) {
  const std::size_t dash = value.find('-', 1);
  const auto low = ParseDecimal(value.substr(0, dash));
  const auto high =
      dash == std::string_view::npos ? std::nullopt : ParseDecimal(value.substr(dash + 1));
  if (!low || !high) {
    return std::string(name) + " " + Quoted(value) +
           ": expected the lowest and highest Hc in degrees, 15-70";
  }
  StarFinderSettings settings = options.finder.settings;
  settings.minAltitude = *low;
  settings.maxAltitude = *high;
  return Checked(name, value, settings, options);
}

std::string ReadSetSize(std::string_view name, std::string_view value, AlmanacOptions& options) {
  const auto count = ParseWholeNumber(value);
  if (!count || *count < kMinSetSize || *count > kMaxSetSize) {
    return std::string(name) + " " + Quoted(value) + ": expected a set of " +
           std::to_string(kMinSetSize) + " to " + std::to_string(kMaxSetSize) + " bodies";
  }
  options.finder.settings.setSize = *count;
  return {};
}

std::string ReadFinderSetting(std::string_view name, std::string_view value,
                              AlmanacOptions& options) {
  const auto number = ParseDecimal(value);
  if (!number) {
    const char* expected = name == "--mag"  ? "a magnitude, such as 2.5"
                           : name == "--ic" ? "the index correction in minutes of arc, such as -1.5"
                                            : "the height of eye in metres, such as 12";
    return std::string(name) + " " + Quoted(value) + ": expected " + expected;
  }
  StarFinderSettings settings = options.finder.settings;
  (name == "--mag"  ? settings.magnitudeLimit
   : name == "--ic" ? settings.indexCorrection
                    : settings.heightOfEye) = *number;
  return Checked(name, value, settings, options);
}

}  // namespace nocturna
