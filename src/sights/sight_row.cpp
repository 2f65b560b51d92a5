#include "sights/sight_row.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "foundations/calendar_text.h"
#include "foundations/number_text.h"
#include "foundations/printf_text.h"
#include "sights/sight_body.h"
#include "sights/sight_fields.h"

namespace nocturna {
namespace {

// What a cell of each of the sight's own columns must hold, for the note.
constexpr std::array<const char*, kSightOwnColumnCount> kExpected = {
    "a UTC date and time (YYYY-MM-DD HH:MM:SS, 1901 to 2099)",
    "a body of the catalog (a star's name, a planet, Sun or Moon)",
    "a limb (L, U or empty)",
    "a sextant altitude (degrees and minutes as 34 12.3, or 34.205; -5 to 90)",
    "an index correction in minutes (1.5 off, 1.5 on or signed; at most 60)",
    "a height of eye (metres, or feet as 11.5 ft; 0 to 500 m)",
    "a temperature (degC, or degF as 54 F; -60 to 60 degC)",
    "a pressure (hPa, or inches of mercury as 29.92 inHg; 850 to 1100 hPa)",
};

std::string Refused(SightColumn column, std::string_view text, const char* expected) {
  return PrintfText("column %s: \"%s\" is not %s", kSightLogColumnNames[static_cast<int>(column)].data(),
                    EchoedText(text).c_str(), expected);
}

// What a body cell must hold in a row of the kind.
const char* ExpectedBody(SightKind kind) {
  if (kind == SightKind::polaris) return "Polaris (or empty) in a polaris row";
  if (kind == SightKind::identify) return "? (or empty) in an identify row";
  return kExpected[static_cast<int>(SightColumn::body)];
}

// The body cell for the row's kind: Polaris and unknown rows name theirs or leave it empty, a
// watch row needs none.
bool ReadBodyCell(std::string_view text, SightRecord& sight) {
  text = TrimBlanks(text);
  if (sight.kind == SightKind::polaris || sight.kind == SightKind::identify) {
    const std::string_view own = sight.kind == SightKind::polaris ? kPolarisName : kUnknownBodyName;
    sight.body = std::string(own);
    return text.empty() || SameLettersAnyCase(text, own);
  }
  if (sight.kind == SightKind::azimuth && SameLettersAnyCase(text, kPolarisName)) {
    sight.body = std::string(kPolarisName);
    return true;
  }
  if (sight.kind == SightKind::watch && text.empty()) {
    sight.body.clear();
    return true;
  }
  const auto index = FindSightBody(text);
  if (index) sight.body = std::string(SightBodyName(*index));
  return index.has_value();
}

// One of the sight's own cells into the record; false when it does not read. The sextant's
// cells may be left empty in rows of kinds that need no altitude.
bool ReadOwnCell(SightColumn column, const std::string& text, SightRecord& sight) {
  SightConditions& c = sight.conditions;
  const auto put = [](const auto& value, auto& into) {
    if (value) into = *value;
    return value.has_value();
  };
  const bool optional = text.empty() && !KindNeedsAltitude(sight.kind);
  switch (column) {
    case SightColumn::utc: return put(ParseUtcMoment(text), sight.utc);
    case SightColumn::body: return ReadBodyCell(text, sight);
    case SightColumn::limb: return put(ParseLimb(text), sight.limb);
    case SightColumn::hs: return optional || put(ParseSextantAltitude(text), sight.hsDegrees);
    case SightColumn::ic: return optional || put(ParseIndexCorrection(text), c.indexCorrectionMinutes);
    case SightColumn::eye: return optional || put(ParseHeightOfEye(text, false), c.heightOfEyeMetres);
    case SightColumn::temp:
      c.temperatureCelsius = kStandardTemperatureCelsius;
      return text.empty() || put(ParseTemperature(text), c.temperatureCelsius);
    case SightColumn::pressure:
      c.pressureHectopascals = kStandardPressureHectopascals;
      return text.empty() || put(ParsePressure(text), c.pressureHectopascals);
    default: return true;
  }
}

// What the watch read: a date and time, or a time of day on the date nearest the row's UTC.
std::optional<DateTime> ParseWatchReading(std::string_view text, DateTime utc) {
  if (const auto moment = ParseUtcMoment(text)) return moment;
  const auto clock = ParseClockTime(TrimBlanks(text));
  if (!clock) return std::nullopt;
  const DecodedDateTime d = DecodeDateTime(utc);
  const DateTime sameDay = EncodeDateTime(d.year, d.month, d.day, clock->hour, clock->minute, clock->second);
  const double offDays = sameDay - utc;
  return sameDay - std::round(offDays);
}

// A coordinate as signed decimal degrees or with a hemisphere letter; `positive` is the letter
// of the positive sign (N or E), `negative` the other.
std::optional<double> ParseCoordinateCell(std::string_view text, char positive, char negative,
                                          double largest) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  double sign = 1.0;
  if (!text.empty()) {
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(text.back())));
    if (letter == positive || letter == negative) {
      sign = letter == positive ? 1.0 : -1.0;
      text.remove_suffix(1);
      if (!text.empty() && (text.front() == '-' || text.front() == '+')) return std::nullopt;
    }
  }
  const auto value = ParseDecimal(text);
  if (!value || std::abs(*value) > largest) return std::nullopt;
  return sign * *value;
}

// The cells of the other kinds (those left empty stay absent); the reason for the first that
// does not read, or empty.
std::string ReadKindCells(SightRecord& sight) {
  const auto take = [&](SightColumn column, auto parsed, auto& into, const char* expected) {
    const std::string& text = sight.Cell(column);
    if (TrimBlanks(text).empty()) return std::string();
    if (!parsed) return Refused(column, text, expected);
    into = *parsed;
    return std::string();
  };
  const auto angle = [&](SightColumn column, double highest) {
    return ParseDegreesAndMinutes(sight.Cell(column), 0.0, highest);
  };
  const std::optional<std::string> body2 =
      FindSightBody(sight.Cell(SightColumn::body2))
          ? std::optional<std::string>(SightBodyName(*FindSightBody(sight.Cell(SightColumn::body2))))
          : std::nullopt;
  const std::string problems[] = {
      take(SightColumn::bearing, angle(SightColumn::bearing, 360.0), sight.bearingDegrees,
           "a bearing in degrees, 0 to 360"),
      take(SightColumn::heading, angle(SightColumn::heading, 360.0), sight.headingDegrees,
           "a heading in degrees, 0 to 360"),
      take(SightColumn::variation, ParseCoordinateCell(sight.Cell(SightColumn::variation), 'E', 'W', 180.0),
           sight.variationDegrees, "a variation (5.5E, 5.5W or signed degrees, east positive)"),
      take(SightColumn::distance, angle(SightColumn::distance, 180.0), sight.distanceDegrees,
           "a distance in degrees and minutes (45 12.3 or 45.205), 0 to 180"),
      take(SightColumn::body2, body2, sight.body2, kExpected[static_cast<int>(SightColumn::body)]),
      take(SightColumn::limb2, ParseLimb(sight.Cell(SightColumn::limb2)), sight.limb2,
           kExpected[static_cast<int>(SightColumn::limb)]),
      take(SightColumn::hs2, ParseSextantAltitude(sight.Cell(SightColumn::hs2)), sight.hs2Degrees,
           kExpected[static_cast<int>(SightColumn::hs)]),
      take(SightColumn::watch, ParseWatchReading(sight.Cell(SightColumn::watch), sight.utc),
           sight.watchReading, "a watch reading (HH:MM:SS, or a date and time)"),
  };
  for (const std::string& problem : problems) {
    if (!problem.empty()) return problem;
  }
  sight.observer = std::string(TrimBlanks(sight.Cell(SightColumn::observer)));
  if (sight.kind == SightKind::watch && !sight.watchReading)
    return "column watch: a watch row needs what the watch read";
  return {};
}

std::string Hemisphere(double value, char positive, char negative) {
  return FormatExactDecimal(std::abs(value)) + (value < 0.0 ? negative : positive);
}

}  // namespace

std::optional<double> ParseLatitudeCell(std::string_view text) {
  return ParseCoordinateCell(text, 'N', 'S', 90.0);
}

std::optional<double> ParseLongitudeCell(std::string_view text) {
  const auto east = ParseCoordinateCell(text, 'E', 'W', 180.0);
  if (!east) return std::nullopt;
  return *east == 0.0 ? 0.0 : -*east;
}

void ReadSightCells(SightRecord& sight) {
  const SightRecord typed = sight;
  sight = SightRecord{};
  sight.cells = typed.cells;
  sight.line = typed.line;
  const std::string& kindCell = sight.Cell(SightColumn::kind);
  const auto kind = ParseSightKind(kindCell);
  if (!kind) {
    sight.note = Refused(SightColumn::kind, kindCell,
                         "a kind of row (altitude, noon, polaris, azimuth, amplitude, identify, lunar, watch)");
    return;
  }
  sight.kind = *kind;
  // A `?` for the body asks for the body to be named; Polaris is the polaris row's own star.
  const std::string_view bodyCell = TrimBlanks(sight.Cell(SightColumn::body));
  if (TrimBlanks(kindCell).empty() && bodyCell == kUnknownBodyName) sight.kind = SightKind::identify;
  if (TrimBlanks(kindCell).empty() && SameLettersAnyCase(bodyCell, kPolarisName)) sight.kind = SightKind::polaris;
  for (int c = 0; c < kSightOwnColumnCount; ++c) {
    const SightColumn column = static_cast<SightColumn>(c);
    if (!ReadOwnCell(column, sight.cells[c], sight)) {
      sight.note = Refused(column, sight.cells[c], column == SightColumn::body ? ExpectedBody(sight.kind) : kExpected[c]);
      return;
    }
  }
  const auto index = FindSightBody(sight.body);
  if (sight.limb != Limb::centre && !(index && BodyHasLimbs(*index)) && sight.kind != SightKind::watch) {
    sight.note = "column limb: only the Sun and the Moon are observed by a limb";
    return;
  }
  sight.note = ReadKindCells(sight);
}

std::string ReadSettingsCells(const SightRecord& row, SightLogSettings& settings) {
  SightLogSettings read = settings;
  const auto cell = [&](SightColumn column) -> const std::string& { return row.Cell(column); };
  const auto take = [&](SightColumn column, auto parsed, auto& into, const char* expected) {
    if (cell(column).empty()) return std::string();
    if (!parsed) return Refused(column, cell(column), expected);
    into = *parsed;
    return std::string();
  };
  const auto ranged = [](std::optional<double> value, double low, double high) {
    return value && *value >= low && *value <= high ? value : std::nullopt;
  };
  std::optional<double> latitude, longitude;
  const std::string problems[] = {
      take(SightColumn::drLatitude, ParseLatitudeCell(cell(SightColumn::drLatitude)), latitude,
           "a latitude (42.125N or signed degrees)"),
      take(SightColumn::drLongitude, ParseLongitudeCell(cell(SightColumn::drLongitude)), longitude,
           "a longitude (75.5W or signed degrees, east positive)"),
      take(SightColumn::drUtc, ParseUtcMoment(cell(SightColumn::drUtc)), read.drUtc,
           "a UTC date and time (YYYY-MM-DD HH:MM:SS)"),
      take(SightColumn::course, ranged(ParseDecimal(cell(SightColumn::course)), 0.0, 360.0),
           read.courseDegrees, "a true course in degrees, 0 to 360"),
      take(SightColumn::speed, ranged(ParseDecimal(cell(SightColumn::speed)), 0.0, kFastestRunKnots),
           read.speedKnots, "a speed in knots, 0 to 60"),
      take(SightColumn::fixUtc, ParseUtcMoment(cell(SightColumn::fixUtc)), read.fixUtc,
           "a UTC date and time (YYYY-MM-DD HH:MM:SS)"),
      take(SightColumn::zoneDescription,
           ranged(ParseDecimal(cell(SightColumn::zoneDescription)), -kLargestZoneDescription,
                  kLargestZoneDescription),
           read.zoneDescription, "a zone description in whole hours, -12 to 12"),
      take(SightColumn::watchError,
           ranged(ParseDecimal(cell(SightColumn::watchError)), -kLargestWatchErrorSeconds,
                  kLargestWatchErrorSeconds),
           read.watchErrorSeconds, "a watch error in seconds fast, -3600 to 3600"),
  };
  for (const std::string& problem : problems) {
    if (!problem.empty()) return problem;
  }
  if (read.zoneDescription && cell(SightColumn::zoneDescription).find('.') != std::string::npos)
    return Refused(SightColumn::zoneDescription, cell(SightColumn::zoneDescription),
                   "a zone description in whole hours, -12 to 12");
  if (latitude.has_value() != longitude.has_value())
    return "columns dr_lat and dr_lon: a DR needs both its latitude and its longitude";
  if (latitude) read.drPosition = DrPosition{*latitude, *longitude};
  settings = read;
  return {};
}

void WriteSightCells(SightRecord& sight) {
  const SightConditions& c = sight.conditions;
  const auto exact = [](const std::optional<double>& value) {
    return value ? FormatExactDecimal(*value) : std::string();
  };
  sight.Cell(SightColumn::utc) = FormatUtcMoment(sight.utc);
  sight.Cell(SightColumn::body) = sight.body;
  sight.Cell(SightColumn::limb) = FormatLimb(sight.limb);
  sight.Cell(SightColumn::hs) = FormatExactDecimal(sight.hsDegrees);
  sight.Cell(SightColumn::ic) = FormatExactDecimal(c.indexCorrectionMinutes);
  sight.Cell(SightColumn::eye) = FormatExactDecimal(c.heightOfEyeMetres);
  sight.Cell(SightColumn::temp) = FormatExactDecimal(c.temperatureCelsius);
  sight.Cell(SightColumn::pressure) = FormatExactDecimal(c.pressureHectopascals);
  sight.Cell(SightColumn::kind) = sight.kind == SightKind::altitude ? "" : std::string(SightKindName(sight.kind));
  sight.Cell(SightColumn::bearing) = exact(sight.bearingDegrees);
  sight.Cell(SightColumn::heading) = exact(sight.headingDegrees);
  sight.Cell(SightColumn::variation) = exact(sight.variationDegrees);
  sight.Cell(SightColumn::observer) = sight.observer;
  sight.Cell(SightColumn::distance) = exact(sight.distanceDegrees);
  sight.Cell(SightColumn::body2) = sight.body2;
  sight.Cell(SightColumn::limb2) = sight.body2.empty() ? "" : FormatLimb(sight.limb2);
  sight.Cell(SightColumn::hs2) = exact(sight.hs2Degrees);
  sight.Cell(SightColumn::watch) = sight.watchReading ? FormatUtcMoment(*sight.watchReading) : "";
}

void WriteSettingsCells(const SightLogSettings& settings, SightRecord& row) {
  const auto exact = [](const std::optional<double>& value) {
    return value ? FormatExactDecimal(*value) : std::string();
  };
  const auto moment = [](const std::optional<DateTime>& utc) {
    return utc ? FormatUtcMoment(*utc) : std::string();
  };
  const std::optional<DrPosition>& dr = settings.drPosition;
  row.Cell(SightColumn::drLatitude) = dr ? Hemisphere(dr->latitude, 'N', 'S') : "";
  row.Cell(SightColumn::drLongitude) = dr ? Hemisphere(-dr->longitude, 'E', 'W') : "";
  row.Cell(SightColumn::drUtc) = moment(settings.drUtc);
  row.Cell(SightColumn::course) = exact(settings.courseDegrees);
  row.Cell(SightColumn::speed) = exact(settings.speedKnots);
  row.Cell(SightColumn::fixUtc) = moment(settings.fixUtc);
  row.Cell(SightColumn::zoneDescription) =
      settings.zoneDescription ? std::to_string(*settings.zoneDescription) : "";
  row.Cell(SightColumn::watchError) = exact(settings.watchErrorSeconds);
}

}  // namespace nocturna
