#include "star_finder/star_finder_options.h"

#include <charconv>

#include "cli/almanac_options.h"

namespace nocturna {
namespace {

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

// A decimal number "[-+]ddd[.ddd]", nothing more.
std::optional<double> ParseNumber(std::string_view text) {
  if (text.empty() || text.size() > 12 ||
      text.find_first_not_of("0123456789.+-") != std::string_view::npos) {
    return std::nullopt;
  }
  if (text.front() == '+') text.remove_prefix(1);
  double value = 0;
  const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (status != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::string ParseBand(std::string_view value, StarFinderSettings& settings) {
  const std::size_t dash = value.find('-', 1);
  const auto low = ParseNumber(value.substr(0, dash));
  const auto high =
      dash == std::string_view::npos ? std::nullopt : ParseNumber(value.substr(dash + 1));
  if (!low || !high) {
    return "--band " + Quoted(value) + ": expected the lowest and highest Hc in degrees, 15-70";
  }
  settings.minAltitude = *low;
  settings.maxAltitude = *high;
  return {};
}

std::string ParseAt(std::string_view value, StarFinderOptions& options) {
  const std::size_t space = value.find(' ');
  const auto date = ParseIsoDate(value.substr(0, space));
  const auto time =
      space == std::string_view::npos ? std::nullopt : ParseClockTime(value.substr(space + 1));
  if (!date || !time) {
    return "--at " + Quoted(value) +
           ": expected a zone date and time \"YYYY-MM-DD HH:MM:SS\" in the years " +
           std::to_string(kFirstAlmanacYear) + " to " + std::to_string(kLastAlmanacYear);
  }
  options.atDate = date;
  options.atTime = time;
  return {};
}

}  // namespace

bool IsStarFinderValueOption(std::string_view name) {
  return name == "--at" || name == "--band" || name == "--mag" || name == "--count" ||
         name == "--ic" || name == "--eye" || name == "--course" || name == "--speed";
}

std::string ApplyStarFinderOption(std::string_view name, std::string_view value,
                                  StarFinderOptions& options) {
  options.given = true;
  if (name == "--at") return ParseAt(value, options);
  if (name == "--band") return ParseBand(value, options.settings);
  if (name == "--count") {
    if (value.size() != 1 || value[0] < '0' + kMinSetSize || value[0] > '0' + kMaxSetSize) {
      return "--count " + Quoted(value) + ": expected a set of " + std::to_string(kMinSetSize) +
             " to " + std::to_string(kMaxSetSize) + " bodies";
    }
    options.settings.setSize = value[0] - '0';
    return {};
  }
  const auto number = ParseNumber(value);
  if (!number) {
    const char* expected = name == "--mag"  ? "a magnitude, such as 2.5"
                           : name == "--ic" ? "the index correction in minutes of arc, such as -1.5"
                           : name == "--eye"    ? "the height of eye in metres, such as 12"
                           : name == "--course" ? "a true course in degrees, 0 to 360"
                                                : "a speed in knots, such as 12";
    return std::string(name) + " " + Quoted(value) + ": expected " + expected;
  }
  (name == "--mag"      ? options.settings.magnitudeLimit
   : name == "--ic"     ? options.settings.indexCorrection
   : name == "--eye"    ? options.settings.heightOfEye
   : name == "--course" ? options.courseDegrees
                        : options.speedKnots) = *number;
  return {};
}

std::string StarFinderOptionsError(const StarFinderOptions& options) {
  if (!options.wanted && (options.given || options.twilight)) {
    return "--morning, --evening, --at, --band, --mag, --count, --ic, --eye, --course and "
           "--speed are the star finder's: give --star-finder";
  }
  if (!options.wanted) return {};
  const std::string settings = StarFinderSettingsError(options.settings);
  if (!settings.empty()) return settings;
  return DeadReckoningError({{}, 0, options.courseDegrees, options.speedKnots});
}

}  // namespace nocturna
