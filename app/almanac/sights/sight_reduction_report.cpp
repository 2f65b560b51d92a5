// nocturna-almanac --reduce SIGHTS.csv --lat LAT --lon LON [--dr-time "YYYY-MM-DD HH:MM:SS"]
// [--course DEG --speed KN] [--precise] [--json] [--gpx FILE]: a sight log reduced to lines of
// position and a fix, every correction shown; --gpx also writes them for a chart plotter.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/almanac_options.h"
#include "foundations/printf_text.h"
#include "foundations/text_forms.h"
#include "foundations/windows1252.h"
#include "cli/json_writer.h"
#include "platform/gpx_export.h"
#include "sights/sight_body.h"
#include "sights/sight_fields.h"
#include "sights/sight_log_csv.h"
#include "sights/sight_log_reduction.h"
#include "sights/sight_texts.h"

namespace nocturna {
namespace {

constexpr int kUsageError = 2;
constexpr double kFastestSpeedKnots = 60.0;
constexpr double kLargestDut1Seconds = 1.0;

struct ReduceOptions {
  std::string file;
  std::optional<DrPosition> position;  // --lat and --lon, degrees north and WEST positive
  std::optional<double> latitude;
  std::optional<double> longitude;
  std::optional<DateTime> drTime;      // UTC
  RunMadeGood run;
  EphemerisChoice ephemeris;
  bool json = false;
  std::string gpxFile;  // --gpx: where the fix, the lines, the DR and the run go as GPX
  std::string error;
};

std::optional<std::string> OptionValue(const std::vector<std::string>& args, std::size_t& i,
                                       const std::string& name) {
  const std::string& arg = args[i];
  if (arg.rfind(name + "=", 0) == 0) return arg.substr(name.size() + 1);
  if (arg != name || i + 1 >= args.size()) return std::nullopt;
  return args[++i];
}

// One option with its value read into `options`; the message when it does not read.
std::string ReadOption(const std::string& name, const std::optional<std::string>& value,
                       ReduceOptions& options) {
  if (!value) return name + " needs a value";
  if (name == "--reduce") {
    if (value->empty()) return "--reduce needs a sight log file";
    options.file = *value;
  } else if (name == "--lat") {
    options.latitude = ParseCoordinate(*value, 'N', 'S', 90);
    if (!options.latitude)
      return "--lat '" + *value + "': expected 42N07.5 or 42.125N, at most 90 degrees";
  } else if (name == "--lon") {
    options.longitude = ParseCoordinate(*value, 'W', 'E', 180);
    if (!options.longitude)
      return "--lon '" + *value + "': expected 075W30.0 or 75.5W, at most 180 degrees";
  } else if (name == "--dr-time") {
    options.drTime = ParseUtcMoment(*value);
    if (!options.drTime)
      return "--dr-time '" + *value + "': expected a UTC date and time YYYY-MM-DD HH:MM:SS";
  } else if (name == "--course") {
    const auto course = ParseDecimal(*value);
    if (!course || *course < 0.0 || *course >= 360.0)
      return "--course '" + *value + "': expected true degrees from 0 to 359.9";
    options.run.courseDegrees = *course;
  } else if (name == "--speed") {
    const auto speed = ParseDecimal(*value);
    if (!speed || *speed < 0.0 || *speed > kFastestSpeedKnots)
      return "--speed '" + *value + "': expected knots from 0 to 60";
    options.run.speedKnots = *speed;
  } else if (name == "--dut1") {
    const auto dut1 = ParseDecimal(*value);
    if (!dut1 || std::abs(*dut1) > kLargestDut1Seconds)
      return "--dut1 '" + *value + "': expected UT1 - UTC in seconds from -1 to 1";
    options.ephemeris.dut1Seconds = *dut1;
  } else if (name == "--gpx") {
    if (value->empty()) return "--gpx needs a file to write";
    options.gpxFile = *value;
  }
  return {};
}

ReduceOptions ParseReduceOptions(const std::vector<std::string>& args) {
  ReduceOptions options;
  for (std::size_t i = 0; i < args.size() && options.error.empty(); ++i) {
    const std::string name = args[i].substr(0, args[i].find('='));
    if (name == "--json" && args[i] == name) {
      options.json = true;
    } else if (name == "--precise" && args[i] == name) {
      options.ephemeris.kind = EphemerisKind::precise;
    } else if (name == "--reduce" || name == "--lat" || name == "--lon" || name == "--dr-time" ||
               name == "--course" || name == "--speed" || name == "--dut1" || name == "--gpx") {
      options.error = ReadOption(name, OptionValue(args, i, name), options);
    } else {
      options.error = "--reduce takes --lat, --lon, --dr-time, --course, --speed, --precise, "
                      "--dut1, --json and --gpx beside it, not " + args[i];
    }
  }
  if (options.error.empty() && (!options.latitude || !options.longitude))
    options.error = "--reduce needs the DR position: --lat and --lon";
  if (options.error.empty()) options.position = DrPosition{*options.latitude, *options.longitude};
  return options;
}

const char* EphemerisName(const EphemerisChoice& choice) {
  return choice.kind == EphemerisKind::precise ? "precise" : "standard";
}

std::string BodyWithLimb(const SightRecord& sight) {
  const std::string limb = FormatLimb(sight.limb);
  return limb.empty() ? sight.body : sight.body + " " + limb;
}

std::string TextReport(const std::vector<SightRecord>& log, const ReduceOptions& options,
                       DateTime drTime, const SightLogReduction& reduction) {
  std::string page = PrintfText("Sight reduction (%s ephemeris)\n", EphemerisName(options.ephemeris));
  page += PrintfText("DR %s %s at %s UTC, course %05.1f\xB0, speed %.1f kn\n\n",
                     FormatLatitude(options.position->latitude).c_str(),
                     FormatLongitude(options.position->longitude).c_str(),
                     FormatUtcMoment(drTime).c_str(), options.run.courseDegrees,
                     options.run.speedKnots);
  const char* row = "%-3s %-19s %-12s %-9s %-6s %-6s %-9s %-6s %-7s %-6s %-9s %-9s %-10s %s\n";
  page += PrintfText(row, "#", "UTC", "Body", "Hs", "IC", "Dip", "Ha", "R", "SD", "PA", "Ho",
                     "Hc", "Zn", "Intercept");
  for (std::size_t i = 0; i < log.size(); ++i) {
    const SightLine& s = reduction.shots[i];
    const AltitudeCorrections& c = s.corrections;
    page += PrintfText(
        row, std::to_string(i + 1).c_str(), FormatUtcMoment(s.utc).c_str(),
        BodyWithLimb(log[i]).c_str(), FormatAltAz(c.hsDegrees, true, 2).c_str(),
        FormatCorrectionMinutes(c.indexCorrectionMinutes).c_str(),
        FormatCorrectionMinutes(-c.dipMinutes).c_str(),
        FormatAltAz(c.apparentAltitudeDegrees, true, 2).c_str(),
        FormatCorrectionMinutes(-c.refractionMinutes).c_str(),
        FormatCorrectionMinutes(c.semiDiameterMinutes).c_str(),
        FormatCorrectionMinutes(c.parallaxMinutes).c_str(),
        FormatAltAz(c.observedAltitudeDegrees, true, 2).c_str(),
        FormatAltAz(s.hcDegrees, true, 2).c_str(), FormatAltAz(s.znDegrees, false, 3).c_str(),
        FormatIntercept(s.interceptMiles).c_str());
    if (c.caution != AltitudeCaution::none)
      page += "    caution: " + CautionText(c.caution) + "\n";
  }
  page += "\nLines of position\n";
  for (std::size_t g = 0; g < reduction.groups.size(); ++g) {
    const ShotAverage& group = reduction.groups[g];
    const SightLine& line = reduction.lines[g];
    std::string shots;
    for (std::size_t k = 0; k < group.shots.size(); ++k) {
      shots += (k ? ", " : "") + std::to_string(group.shots[k] + 1);
      if (group.outliers[k]) shots += " (outlier, " + FormatCorrectionMinutes(group.residualsMinutes[k]) + ")";
    }
    page += PrintfText("%zu  %-12s Hs %s at %s from sight%s %s: Ho %s Hc %s Zn %s intercept %s\n",
                       g + 1, BodyWithLimb(group.averaged).c_str(),
                       FormatAltAz(group.averaged.hsDegrees, true, 2).c_str(),
                       FormatUtcMoment(line.utc).c_str(), group.shots.size() > 1 ? "s" : "",
                       shots.c_str(), FormatAltAz(line.corrections.observedAltitudeDegrees, true, 2).c_str(),
                       FormatAltAz(line.hcDegrees, true, 2).c_str(),
                       FormatAltAz(line.znDegrees, false, 3).c_str(),
                       FormatIntercept(line.interceptMiles).c_str());
  }
  page += "\n";
  for (const std::string& line : FixReportLines(reduction.fix)) page += line + "\n";
  return page;
}

void CorrectionsJson(JsonWriter& json, const SightLine& s) {
  const AltitudeCorrections& c = s.corrections;
  json.Key("utc"); json.String(FormatUtcMoment(s.utc));
  json.Key("hs"); json.Number(c.hsDegrees);
  json.Key("indexCorrection"); json.Number(c.indexCorrectionMinutes);
  json.Key("dip"); json.Number(c.dipMinutes);
  json.Key("ha"); json.Number(c.apparentAltitudeDegrees);
  json.Key("refraction"); json.Number(c.refractionMinutes);
  json.Key("semiDiameter"); json.Number(c.semiDiameterMinutes);
  json.Key("parallax"); json.Number(c.parallaxMinutes);
  json.Key("ho"); json.Number(c.observedAltitudeDegrees);
  json.Key("caution"); json.String(CautionText(c.caution));
  json.Key("drLatitude"); json.Number(s.dr.latitude);
  json.Key("drLongitudeWest"); json.Number(s.dr.longitude);
  json.Key("gha"); json.Number(s.ghaDegrees);
  json.Key("declination"); json.Number(s.declinationDegrees);
  json.Key("hc"); json.Number(s.hcDegrees);
  json.Key("zn"); json.Number(s.znDegrees);
  json.Key("intercept"); json.Number(s.interceptMiles);
}

std::string JsonReport(const std::vector<SightRecord>& log, const ReduceOptions& options,
                       DateTime drTime, const SightLogReduction& reduction) {
  JsonWriter json;
  json.BeginObject();
  json.Key("ephemeris"); json.String(EphemerisName(options.ephemeris));
  json.Key("units"); json.String("altitudes and angles in degrees, corrections in minutes of arc, "
                                  "intercepts, residuals and ellipse in nautical miles");
  json.Key("dr"); json.BeginObject();
  json.Key("latitude"); json.Number(options.position->latitude);
  json.Key("longitudeWest"); json.Number(options.position->longitude);
  json.Key("utc"); json.String(FormatUtcMoment(drTime));
  json.Key("course"); json.Number(options.run.courseDegrees);
  json.Key("speed"); json.Number(options.run.speedKnots);
  json.EndObject();
  json.Key("sights"); json.BeginArray();
  for (std::size_t i = 0; i < log.size(); ++i) {
    json.BeginObject();
    json.Key("body"); json.String(log[i].body);
    json.Key("limb"); json.String(FormatLimb(log[i].limb));
    CorrectionsJson(json, reduction.shots[i]);
    json.EndObject();
  }
  json.EndArray();
  json.Key("lines"); json.BeginArray();
  for (std::size_t g = 0; g < reduction.groups.size(); ++g) {
    const ShotAverage& group = reduction.groups[g];
    json.BeginObject();
    json.Key("body"); json.String(group.averaged.body);
    json.Key("limb"); json.String(FormatLimb(group.averaged.limb));
    json.Key("shots"); json.BeginArray();
    for (std::size_t k = 0; k < group.shots.size(); ++k) {
      json.BeginObject();
      json.Key("sight"); json.Integer(static_cast<long>(group.shots[k] + 1));
      json.Key("residual"); json.Number(group.residualsMinutes[k]);
      json.Key("outlier"); json.Boolean(group.outliers[k]);
      json.EndObject();
    }
    json.EndArray();
    json.Key("slope"); json.Number(group.slopeMinutesPerMinute);
    CorrectionsJson(json, reduction.lines[g]);
    json.EndObject();
  }
  json.EndArray();
  const SightFix& fix = reduction.fix;
  json.Key("fix"); json.BeginObject();
  json.Key("found"); json.Boolean(fix.found);
  json.Key("problem"); json.String(fix.problem);
  json.Key("utc"); json.String(FormatUtcMoment(fix.utc));
  if (fix.found) {
    json.Key("latitude"); json.Number(fix.position.latitude);
    json.Key("longitudeWest"); json.Number(fix.position.longitude);
    json.Key("iterations"); json.Integer(fix.iterations);
    json.Key("residuals"); json.BeginArray();
    for (double r : fix.residualsMiles) json.Number(r);
    json.EndArray();
    json.Key("ellipse"); json.BeginObject();
    json.Key("semiMajor"); json.Number(fix.semiMajorMiles);
    json.Key("semiMinor"); json.Number(fix.semiMinorMiles);
    json.Key("majorAxis"); json.Number(fix.majorAxisDegrees);
    json.Key("fromResiduals"); json.Boolean(fix.ellipseFromResiduals);
    json.EndObject();
    json.Key("widestCrossing"); json.Number(fix.widestCrossingDegrees);
    json.Key("poorGeometry"); json.Boolean(fix.poorGeometry);
  }
  json.EndObject();
  json.EndObject();
  return json.Text() + "\n";
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "nocturna-almanac: %s\n", message.c_str());
  return kUsageError;
}

}  // namespace

bool WantsSightReduction(const std::vector<std::string>& args) {
  for (const std::string& arg : args) {
    if (arg == "--reduce" || arg.rfind("--reduce=", 0) == 0) return true;
  }
  return false;
}

int RunSightReduction(const std::vector<std::string>& args) {
  const ReduceOptions options = ParseReduceOptions(args);
  if (!options.error.empty()) return Fail(options.error);
  std::ifstream in(options.file, std::ios::binary);
  if (!in.is_open()) return Fail("cannot read the sight log " + options.file);
  std::ostringstream text;
  text << in.rdbuf();
  const SightLogParse parse = ParseSightLog(text.str());
  if (parse.error) return Fail(options.file + ": " + parse.error->Message());
  if (parse.sights.empty()) return Fail(options.file + ": the sight log holds no sights");
  DateTime drTime = parse.sights.front().utc;
  for (const SightRecord& sight : parse.sights) drTime = std::max(drTime, sight.utc);
  if (options.drTime) drTime = *options.drTime;
  const SightLogReduction reduction =
      ReduceSightLog(parse.sights, *options.position, drTime, options.run, options.ephemeris);
  if (!options.gpxFile.empty()) {
    const std::string problem = WriteGpxFile(options.gpxFile, GpxSights{&reduction, *options.position, drTime});
    if (!problem.empty()) {
      std::fprintf(stderr, "nocturna-almanac: %s\n", problem.c_str());
      return 1;
    }
  }
  const std::string page = options.json ? JsonReport(parse.sights, options, drTime, reduction)
                                        : TextReport(parse.sights, options, drTime, reduction);
  const std::string utf8 = Windows1252ToUtf8(page);
  std::fwrite(utf8.data(), 1, utf8.size(), stdout);
  return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}

}  // namespace nocturna
