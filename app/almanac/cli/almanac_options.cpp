#include "cli/almanac_options.h"

#include <cctype>
#include <charconv>

#include "ephemeris/precise/precise_time.h"

namespace nocturna {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// An unsigned decimal number "ddd" or "ddd.ddd" with at most maxWholeDigits before the point.
std::optional<double> ParseUnsignedNumber(std::string_view text, std::size_t maxWholeDigits) {
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
  if (whole.empty() || whole.size() > maxWholeDigits) return std::nullopt;
  if (point != std::string_view::npos && (fraction.empty() || fraction.size() > 9)) {
    return std::nullopt;
  }
  for (char c : whole) {
    if (!IsDigit(c)) return std::nullopt;
  }
  for (char c : fraction) {
    if (!IsDigit(c)) return std::nullopt;
  }
  double value = 0;
  const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (status != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// Exactly `width` digits, as a number; more digits than an int holds are refused.
std::optional<int> ParseFixedDigits(std::string_view text, std::size_t width) {
  constexpr std::size_t kMostDigits = 9;
  if (text.size() != width || width > kMostDigits) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (!IsDigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool TakesValue(std::string_view name) {
  return name == "--date" || name == "--time" || name == "--lat" || name == "--lon" ||
         name == "--zone-date" || name == "--zt" || name == "--zd" || name == "--chart" ||
         name == "--pdf" || name == "--width" || name == "--height" || name == "--sort" ||
         name == "--dut1" || IsStarFinderValueOption(name) || name == "--from" ||
         name == "--days" || name == "--sections";
}

// Only digits, a point and signs: a number that does not say which hemisphere it means.
bool LacksHemisphereLetter(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789.+-") == std::string_view::npos;
}

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

// Reads the value of option `name` into `options`; returns a message on failure.
std::string ApplyOption(std::string_view name, std::string_view value, AlmanacOptions& options) {
  if (IsStarFinderValueOption(name)) return ApplyStarFinderOption(name, value, options.finder);
  if (name == "--date" || name == "--zone-date") {
    const bool ut = name == "--date";
    const auto date = ParseIsoDate(value);
    if (!date) {
      return std::string(name) + " " + Quoted(value) + ": expected a " + (ut ? "UT" : "zone") +
             " date YYYY-MM-DD in the years " + std::to_string(kFirstAlmanacYear) + " to " +
             std::to_string(kLastAlmanacYear);
    }
    (ut ? options.utDate : options.zoneDate) = date;
    return {};
  }
  if (name == "--time" || name == "--zt") {
    const bool ut = name == "--time";
    const auto time = ParseClockTime(value);
    if (!time) {
      return std::string(name) + " " + Quoted(value) + ": expected a " + (ut ? "UT" : "zone") +
             " time HH:MM:SS";
    }
    (ut ? options.utTime : options.zoneTime) = time;
    return {};
  }
  if (name == "--zd") {
    const auto zd = ParseZoneDescription(value);
    if (!zd) return "--zd " + Quoted(value) + ": expected whole hours from -12 to +12";
    options.zoneDescription = zd;
    return {};
  }
  if ((name == "--lat" || name == "--lon") && LacksHemisphereLetter(value)) {
    return std::string(name) + " " + Quoted(value) + ": no hemisphere letter (" +
           (name == "--lat" ? "N or S" : "W or E") +
           "); a bare sign means east to some tools and west to others, so it is refused";
  }
  if (name == "--lat") {
    const auto latitude = ParseCoordinate(value, 'N', 'S', 90);
    if (!latitude) {
      return "--lat " + Quoted(value) +
             ": expected degrees and minutes with N or S between them (42N07.5) or decimal "
             "degrees followed by N or S (42.125N), at most 90 degrees";
    }
    options.position.latitude = *latitude;
    return {};
  }
  if (name == "--lon") {
    const auto longitude = ParseCoordinate(value, 'W', 'E', 180);
    if (!longitude) {
      return "--lon " + Quoted(value) +
             ": expected degrees and minutes with W or E between them (075W30.0) or decimal "
             "degrees followed by W or E (75.5W), at most 180 degrees";
    }
    options.position.longitude = *longitude;
    return {};
  }
  if (name == "--chart" || name == "--pdf") {
    if (value.empty()) return std::string(name) + " needs a file name";
    (name == "--chart" ? options.chart.imageFile : options.chart.pdfFile) = value;
    return {};
  }
  if (name == "--width" || name == "--height") {
    const auto pixels = ParseFixedDigits(value, value.size());
    if (value.empty() || value.size() > 4 || !pixels || *pixels < kMinChartSide ||
        *pixels > kMaxChartSide) {
      return std::string(name) + " " + Quoted(value) + ": expected whole pixels from " +
             std::to_string(kMinChartSide) + " to " + std::to_string(kMaxChartSide);
    }
    (name == "--width" ? options.chart.width : options.chart.height) = *pixels;
    options.chart.sized = true;
    return {};
  }
  if (name == "--sort") {
    if (value.size() != 1 || value[0] < '0' || value[0] > '3') {
      return "--sort " + Quoted(value) +
             ": expected a column number 0 to 3 (0 name, 1 Hc or SHA/GHA, 2 Zn or declination, "
             "3 magnitude)";
    }
    options.tables.sortColumn = value[0] - '0';
    return {};
  }
  if (name == "--dut1") {
    const bool negative = !value.empty() && value[0] == '-';
    const bool signed_ = !value.empty() && (value[0] == '-' || value[0] == '+');
    const std::optional<double> seconds = ParseUnsignedNumber(value.substr(signed_ ? 1 : 0), 1);
    if (!seconds || *seconds > kLargestDut1Seconds) {
      return "--dut1 " + Quoted(value) + ": expected UT1 - UTC in seconds from -2 to +2";
    }
    options.ephemeris.dut1Seconds = negative ? -*seconds : *seconds;
    return {};
  }
  if (name == "--from") {
    const auto date = ParseIsoDate(value);
    if (!date) {
      return "--from " + Quoted(value) + ": expected the first Greenwich date YYYY-MM-DD in the years " +
             std::to_string(kFirstAlmanacYear) + " to " + std::to_string(kLastAlmanacYear);
    }
    options.pages.from = date;
    return {};
  }
  if (name == "--days") {
    const auto days = ParseFixedDigits(value, value.size());
    if (value.empty() || value.size() > 3 || !days || *days < 1 || *days > 366) {
      return "--days " + Quoted(value) + ": expected a whole number of days from 1 to 366";
    }
    options.pages.days = days;
    return {};
  }
  if (name == "--sections") {
    std::string problem;
    options.pages.sections = ParseSections(std::string(value), problem);
    return options.pages.sections ? std::string() : "--sections " + Quoted(value) + ": " + problem;
  }
  if (name == "--visible-bodies" || name == "--almanac-page" || name == "--decimal" ||
      name == "--gha" || name == "--precise" || name == "--almanac-pages") {
    return std::string(name) + " takes no value";
  }
  if (name == "--json" || name == "--help" || name == "--rotate" || name == "--flip" ||
      name == "--bright" || name == "--star-finder" || name == "--morning" ||
      name == "--evening") {
    return std::string(name) + " takes no value";
  }
  return "unknown option " + Quoted(name) + " (see --help)";
}

}  // namespace

std::optional<double> ParseCoordinate(std::string_view text, char positiveLetter,
                                      char negativeLetter, double maxDegrees) {
  const std::size_t letterAt = text.find_first_not_of("0123456789.");
  if (letterAt == std::string_view::npos) return std::nullopt;
  const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(text[letterAt])));
  if (letter != positiveLetter && letter != negativeLetter) return std::nullopt;
  const std::string_view before = text.substr(0, letterAt);
  const std::string_view after = text.substr(letterAt + 1);
  double degrees = 0;
  if (after.empty()) {
    const auto decimal = ParseUnsignedNumber(before, 3);
    if (!decimal) return std::nullopt;
    degrees = *decimal;
  } else {
    if (before.find('.') != std::string_view::npos) return std::nullopt;
    const auto whole = ParseUnsignedNumber(before, 3);
    const auto minutes = ParseUnsignedNumber(after, 2);
    if (!whole || !minutes || *minutes >= 60) return std::nullopt;
    degrees = *whole + *minutes / 60;
  }
  if (degrees > maxDegrees) return std::nullopt;
  return letter == positiveLetter ? degrees : -degrees;
}

std::optional<CalendarDate> ParseIsoDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  const auto year = ParseFixedDigits(text.substr(0, 4), 4);
  const auto month = ParseFixedDigits(text.substr(5, 2), 2);
  const auto day = ParseFixedDigits(text.substr(8, 2), 2);
  if (!year || !month || !day) return std::nullopt;
  if (*year < kFirstAlmanacYear || *year > kLastAlmanacYear) return std::nullopt;
  if (*month < 1 || *month > 12 || *day < 1 || *day > DaysInMonth(*year, *month)) {
    return std::nullopt;
  }
  return CalendarDate{static_cast<std::uint16_t>(*month), static_cast<std::uint16_t>(*day),
                      static_cast<std::uint16_t>(*year)};
}

std::optional<int> ParseZoneDescription(std::string_view text) {
  const bool negative = !text.empty() && text.front() == '-';
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
  if (text.empty() || text.size() > 2) return std::nullopt;
  const auto hours = ParseFixedDigits(text, text.size());
  if (!hours || *hours > kMaxZoneDescription) return std::nullopt;
  return negative ? -*hours : *hours;
}

std::optional<ClockTime> ParseClockTime(std::string_view text) {
  if ((text.size() != 5 && text.size() != 8) || text[2] != ':') return std::nullopt;
  if (text.size() == 8 && text[5] != ':') return std::nullopt;
  const auto hour = ParseFixedDigits(text.substr(0, 2), 2);
  const auto minute = ParseFixedDigits(text.substr(3, 2), 2);
  const auto second = text.size() == 8 ? ParseFixedDigits(text.substr(6, 2), 2) : 0;
  if (!hour || !minute || !second || *hour > 23 || *minute > 59 || *second > 59) {
    return std::nullopt;
  }
  return ClockTime{static_cast<std::uint16_t>(*hour), static_cast<std::uint16_t>(*minute),
                   static_cast<std::uint16_t>(*second)};
}

OptionsOutcome ParseAlmanacOptions(const std::vector<std::string>& args) {
  OptionsOutcome outcome;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (arg == "--help" || arg == "-h") {
      outcome.options.help = true;
      continue;
    }
    if (arg == "--json") {
      outcome.options.json = true;
      continue;
    }
    if (arg == "--precise") {
      outcome.options.ephemeris.kind = EphemerisKind::precise;
      continue;
    }
    if (arg == "--visible-bodies" || arg == "--almanac-page" || arg == "--decimal" ||
        arg == "--gha") {
      TablePageOptions& tables = outcome.options.tables;
      (arg == "--visible-bodies" ? tables.visibleBodies
       : arg == "--almanac-page" ? tables.almanacPage
       : arg == "--decimal"      ? tables.decimal
                                 : tables.gha) = true;
      continue;
    }
    if (arg == "--almanac-pages") {
      outcome.options.pages.wanted = true;
      continue;
    }
    if (arg == "--rotate" || arg == "--flip" || arg == "--bright") {
      ChartPictureOptions& chart = outcome.options.chart;
      (arg == "--rotate" ? chart.rotate : arg == "--flip" ? chart.flip : chart.bright) = true;
      continue;
    }
    if (arg == "--star-finder") {
      outcome.options.finder.wanted = true;
      continue;
    }
    if (arg == "--morning" || arg == "--evening") {
      outcome.options.finder.twilight = arg == "--morning" ? Twilight::morning : Twilight::evening;
      continue;
    }
    if (arg.rfind("--", 0) != 0) {
      outcome.error = "unexpected argument " + Quoted(arg) + " (see --help)";
      return outcome;
    }
    const std::size_t equals = arg.find('=');
    const std::string_view name = arg.substr(0, equals);
    std::string_view value;
    if (equals != std::string_view::npos) {
      value = arg.substr(equals + 1);
    } else if (TakesValue(name)) {
      if (i + 1 >= args.size()) {
        outcome.error = std::string(name) + " needs a value (see --help)";
        return outcome;
      }
      value = args[++i];
    }
    outcome.error = ApplyOption(name, value, outcome.options);
    if (!outcome.error.empty()) return outcome;
  }
  const AlmanacOptions& options = outcome.options;
  if ((options.utDate || options.utTime) && (options.zoneDate || options.zoneTime)) {
    outcome.error =
        "give the moment either in UT (--date, --time) or in zone time (--zone-date, --zt), "
        "not both";
  }
  const ChartPictureOptions& chart = options.chart;
  if (!chart.Wanted() && (chart.rotate || chart.flip || chart.bright)) {
    outcome.error = "--rotate, --flip and --bright change the chart: give --chart or --pdf";
  }
  if (chart.Wanted() && options.json) {
    outcome.error = "--json prints the almanac; it does not go with --chart or --pdf";
  }
  const TablePageOptions& tables = options.tables;
  if (tables.decimal && !tables.visibleBodies) {
    outcome.error = "--decimal changes the visible-bodies list: give --visible-bodies";
  }
  if (tables.gha && !tables.almanacPage) {
    outcome.error = "--gha changes the almanac page: give --almanac-page";
  }
  if (tables.sortColumn && !tables.Wanted()) {
    outcome.error = "--sort sorts a table: give --visible-bodies or --almanac-page";
  }
  if (tables.Wanted() && !chart.imageFile.empty()) {
    outcome.error = "--visible-bodies and --almanac-page print tables; they do not go with "
                    "--chart (--pdf writes them as pages)";
  }
  if (tables.Wanted() && (chart.rotate || chart.flip || chart.bright)) {
    outcome.error = "--rotate, --flip and --bright change the chart, not the tables";
  }
  if (options.ephemeris.dut1Seconds && options.ephemeris.kind != EphemerisKind::precise) {
    outcome.error = "--dut1 sets UT1 - UTC for the precise ephemeris: give --precise";
  }
  if (chart.imageFile.empty() && chart.sized) {
    outcome.error = "--width and --height size the chart image: give --chart";
  }
  if (options.finder.wanted && (tables.Wanted() || chart.Wanted())) {
    outcome.error = "--star-finder prints the star finder; it does not go with --visible-bodies, "
                    "--almanac-page, --chart or --pdf";
  }
  if (const std::string finder = StarFinderOptionsError(options.finder); !finder.empty()) {
    outcome.error = finder;
  }
  const PassagePagesOptions& pages = options.pages;
  if ((pages.from || pages.days || pages.sections) && !pages.wanted) {
    outcome.error = "--from, --days and --sections choose the almanac pages: give --almanac-pages";
  }
  if (pages.wanted && (tables.Wanted() || options.finder.wanted || !chart.imageFile.empty() || chart.rotate || chart.flip ||
                       chart.bright || chart.sized)) {
    outcome.error = "--almanac-pages writes the daily pages (as text, --json or --pdf); it does not "
                    "go with the chart's, the tables' or the star finder's options";
  }
  if (pages.wanted && (options.utDate || options.utTime || options.zoneDate || options.zoneTime ||
                       options.zoneDescription)) {
    outcome.error = "--almanac-pages takes its Greenwich dates from --from and --days, not a moment";
  }
  return outcome;
}

}  // namespace nocturna
