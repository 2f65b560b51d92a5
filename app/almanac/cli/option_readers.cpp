#include "cli/option_readers.h"

#include <cctype>
#include <cmath>

#include "almanacpages/almanac_passage.h"
#include "cli/option_table.h"
#include "ephemeris/precise/precise_time.h"
#include "foundations/coordinate_text.h"
#include "foundations/number_text.h"
#include "platform/dut1_table_file.h"
#include "sights/sight_fields.h"
#include "starfinder/star_finder.h"

namespace nocturna {
namespace {

constexpr int kMaxBurst = 1 << 20;
constexpr int kSortColumns = 4;

std::string Years() {
  return "in the years " + std::to_string(kFirstAlmanacYear) + " to " +
         std::to_string(kLastAlmanacYear);
}

std::string Expected(std::string_view name, std::string_view value, const std::string& what) {
  return std::string(name) + " " + Quoted(value) + ": expected " + what;
}

bool& SwitchOf(std::string_view name, AlmanacOptions& options) {
  if (name == "--json") return options.json;
  if (name == "--visible-bodies") return options.tables.visibleBodies;
  if (name == "--almanac-page") return options.tables.almanacPage;
  if (name == "--decimal") return options.tables.decimal;
  if (name == "--gha") return options.tables.gha;
  if (name == "--rotate") return options.chart.rotate;
  if (name == "--flip") return options.chart.flip;
  if (name == "--bright") return options.chart.bright;
  return options.help;  // the one switch left: --help
}

}  // namespace

std::string ReadReportChoice(std::string_view, std::string_view, AlmanacOptions&) { return {}; }

std::string ReadSwitch(std::string_view name, std::string_view, AlmanacOptions& options) {
  if (name == "--precise") {
    options.ephemeris.kind = EphemerisKind::precise;
  } else if (name == "--morning" || name == "--evening") {
    // Both twilights given are both twilights, as neither is.
    const Twilight wanted = name == "--morning" ? Twilight::morning : Twilight::evening;
    std::optional<Twilight>& twilight = options.finder.twilight;
    twilight = twilight && *twilight != wanted ? std::nullopt : std::optional(wanted);
  } else {
    SwitchOf(name, options) = true;
  }
  return {};
}

CalendarDate ToCalendarDate(const DateFields& date) {
  return {static_cast<std::uint16_t>(date.month), static_cast<std::uint16_t>(date.day),
          static_cast<std::uint16_t>(date.year)};
}

ClockTime ToClockTime(const TimeFields& time) {
  return {static_cast<std::uint16_t>(time.hour), static_cast<std::uint16_t>(time.minute),
          static_cast<std::uint16_t>(time.second)};
}

std::string ReadMomentDate(std::string_view name, std::string_view value, AlmanacOptions& options) {
  const bool ut = name == "--date";
  const auto date = ParseIsoDate(value);
  if (!date)
    return Expected(name, value,
                    std::string("a ") + (ut ? "UT" : "zone") + " date YYYY-MM-DD " + Years());
  (ut ? options.utDate : options.zoneDate) = ToCalendarDate(*date);
  return {};
}

std::string ReadMomentTime(std::string_view name, std::string_view value, AlmanacOptions& options) {
  const bool ut = name == "--time";
  const auto time = ParseClockTime(value);
  if (!time)
    return Expected(name, value, std::string("a ") + (ut ? "UT" : "zone") + " time HH:MM:SS");
  (ut ? options.utTime : options.zoneTime) = ToClockTime(*time);
  return {};
}

std::string ReadZoneDescription(std::string_view name, std::string_view value,
                                AlmanacOptions& options) {
  const auto hours = ParseWholeNumber(value);
  if (!hours || *hours < -kMaxZoneDescription || *hours > kMaxZoneDescription) {
    return Expected(name, value, "whole hours from -12 to +12");
  }
  options.zoneDescription = hours;
  return {};
}

std::string ReadPosition(std::string_view name, std::string_view value, AlmanacOptions& options) {
  const bool latitude = name == "--lat";
  const auto degrees = latitude ? ParseLatitude(value) : ParseLongitude(value);
  if (!degrees) {
    return Expected(
        name, value,
        latitude
            ? "degrees and minutes with N or S between them (42N07.5), decimal degrees followed by "
              "N or S (42.125N) or signed decimal degrees, north positive (-33.8667), at most 90 "
              "degrees"
            : "degrees and minutes with W or E between them (075W30.0), decimal degrees followed "
              "by "
              "W or E (75.5W) or signed decimal degrees, EAST positive (-75.5 is 75.5W), at most "
              "180 degrees");
  }
  (latitude ? options.position.latitude : options.position.longitude) = *degrees;
  return {};
}

std::string ReadDut1(std::string_view name, std::string_view value, AlmanacOptions& options) {
  const auto seconds = ParseDecimal(value);
  if (!seconds || std::abs(*seconds) > kLargestDut1Seconds) {
    return Expected(name, value, "UT1 - UTC in seconds from -2 to +2");
  }
  options.ephemeris.dut1Seconds = *seconds;
  return {};
}

std::string ReadIersFile(std::string_view name, std::string_view value, AlmanacOptions& options) {
  if (value.empty()) return std::string(name) + " needs a file name";
  Dut1TableLoad load = LoadDut1TableFile(std::string(value));
  if (!load.table) return std::string(name) + ": " + load.problem;
  options.ephemeris.dut1Table = std::move(load.table);
  return {};
}

std::string ReadFileName(std::string_view name, std::string_view value, AlmanacOptions& options) {
  if (value.empty()) return std::string(name) + " needs a file name";
  (name == "--chart"    ? options.chart.imageFile
   : name == "--pdf"    ? options.chart.pdfFile
   : name == "--reduce" ? options.reduce.file
   : name == "--gpx"    ? options.reduce.gpxFile
                        : options.replay.file) = value;
  return {};
}

std::string ReadChartSide(std::string_view name, std::string_view value, AlmanacOptions& options) {
  const auto pixels = ParseWholeNumber(value);
  if (!pixels || *pixels < kMinChartSide || *pixels > kMaxChartSide) {
    return Expected(name, value,
                    "whole pixels from " + std::to_string(kMinChartSide) + " to " +
                        std::to_string(kMaxChartSide));
  }
  (name == "--width" ? options.chart.width : options.chart.height) = *pixels;
  options.chart.sized = true;
  return {};
}

std::string ReadSortColumn(std::string_view name, std::string_view value, AlmanacOptions& options) {
  const auto column = ParseWholeNumber(value);
  if (!column || *column < 0 || *column >= kSortColumns) {
    return Expected(name, value,
                    "a column number 0 to 3 (0 name, 1 Hc or SHA/GHA, 2 Zn or "
                    "declination, 3 magnitude)");
  }
  options.tables.sortColumn = column;
  return {};
}

std::string ReadPassageStart(std::string_view name, std::string_view value,
                             AlmanacOptions& options) {
  const auto date = ParseIsoDate(value);
  if (!date) return Expected(name, value, "the first Greenwich date YYYY-MM-DD " + Years());
  options.pages.from = ToCalendarDate(*date);
  return {};
}

std::string ReadPassageDays(std::string_view name, std::string_view value,
                            AlmanacOptions& options) {
  const auto days = ParseWholeNumber(value);
  if (!days || *days < kMinPassageDays || *days > kMaxPassageDays) {
    return Expected(name, value,
                    "a whole number of days from " + std::to_string(kMinPassageDays) + " to " +
                        std::to_string(kMaxPassageDays));
  }
  options.pages.days = days;
  return {};
}

std::string ReadBookletSections(std::string_view name, std::string_view value,
                                AlmanacOptions& options) {
  std::string problem;
  options.pages.sections = ParseSections(std::string(value), problem);
  return options.pages.sections ? std::string() : std::string(name) + " " + Quoted(value) + ": " + problem;
}

std::string ReadDrTime(std::string_view name, std::string_view value, AlmanacOptions& options) {
  options.reduce.drTime = ParseUtcMoment(value);
  if (!options.reduce.drTime) {
    return Expected(name, value, "a UTC date and time YYYY-MM-DD HH:MM:SS " + Years());
  }
  return {};
}

std::string ReadIdentifyAltitude(std::string_view name, std::string_view value, AlmanacOptions& options) {
  const auto hs = ParseSextantAltitude(value);
  if (!hs) return Expected(name, value, "a sextant altitude as 34 12.3 or 34.205, -5 to 90");
  options.identify.hsDegrees = *hs;
  return {};
}

std::string ReadIdentifyBearing(std::string_view name, std::string_view value, AlmanacOptions& options) {
  const auto bearing = ParseDegreesAndMinutes(value, 0.0, 360.0);
  if (!bearing) return Expected(name, value, "a true bearing in degrees, 0 to 360");
  options.identify.bearingDegrees = *bearing;
  return {};
}

std::string ReadBurst(std::string_view name, std::string_view value, AlmanacOptions& options) {
  const auto bytes = ParseWholeNumber(value);
  if (!bytes || *bytes < 1 || *bytes > kMaxBurst) {
    return Expected(name, value, "a whole number of bytes from 1 to " + std::to_string(kMaxBurst));
  }
  options.replay.burst = static_cast<std::size_t>(*bytes);
  return {};
}

std::string ReadCourse(std::string_view name, std::string_view value, AlmanacOptions& options) {
  const auto degrees = ParseDecimal(value);
  if (!degrees) return Expected(name, value, "a true course in degrees, such as 235.5");
  const std::string problem = DeadReckoningError({{}, 0, *degrees, 0});
  if (!problem.empty()) return OutOfRange(name, value, problem);
  options.finder.courseDegrees = options.reduce.run.courseDegrees = *degrees;
  return {};
}

std::string ReadSpeed(std::string_view name, std::string_view value, AlmanacOptions& options) {
  const auto knots = ParseDecimal(value);
  if (!knots) return Expected(name, value, "a speed in knots, such as 12");
  const std::string problem = DeadReckoningError({{}, 0, 0, *knots});
  if (!problem.empty()) return OutOfRange(name, value, problem);
  options.finder.speedKnots = options.reduce.run.speedKnots = *knots;
  return {};
}

std::string OutOfRange(std::string_view name, std::string_view value, const std::string& problem) {
  std::string text = problem;
  if (!text.empty()) text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
  if (!text.empty() && text.back() == '.') text.pop_back();
  return std::string(name) + " " + Quoted(value) + ": " + text;
}

}  // namespace nocturna
