#include "sights/sight_reduction_report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/standard_output.h"
#include "foundations/printf_text.h"
#include "foundations/text_forms.h"
#include "platform/bounded_file_reader.h"
#include "platform/gpx_export.h"
#include "sights/sight_body.h"
#include "sights/sight_fields.h"
#include "sights/sight_log_csv.h"
#include "sights/sight_log_reduction.h"
#include "sights/sight_reduction_json.h"
#include "sights/sight_texts.h"

namespace nocturna {
namespace {

// What the report shows of the command line.
struct ReduceOptions {
  std::optional<DrPosition> position;  // --lat and --lon, degrees north and WEST positive
  RunMadeGood run;
  EphemerisChoice ephemeris;
};

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

}  // namespace

int RunSightReduction(const AlmanacOptions& command) {
  const ReduceOptions options{command.position, command.reduce.run, command.ephemeris};
  const std::string& file = command.reduce.file;
  const FileRead log = ReadBoundedFile(file, FileKinds::StreamsToo);
  if (log.outcome != FileReadOutcome::Read) return Fail("cannot read the sight log: " + log.problem);
  const SightLogParse parse = ParseSightLog(log.bytes);
  if (parse.error) return Fail(file + ": " + parse.error->Message());
  if (parse.sights.empty()) return Fail(file + ": the sight log holds no sights");
  DateTime drTime = parse.sights.front().utc;
  for (const SightRecord& sight : parse.sights) drTime = std::max(drTime, sight.utc);
  if (command.reduce.drTime) drTime = *command.reduce.drTime;
  const SightLogReduction reduction =
      ReduceSightLog(parse.sights, *options.position, drTime, options.run, options.ephemeris);
  if (!command.reduce.gpxFile.empty()) {
    const std::string problem =
        WriteGpxFile(command.reduce.gpxFile, GpxSights{&reduction, *options.position, drTime});
    if (!problem.empty()) {
      std::fprintf(stderr, "nocturna-almanac: %s\n", problem.c_str());
      return 1;
    }
  }
  return WriteStandardOutput(
      command.json ? SightReductionJson(parse.sights, *options.position, drTime, options.run,
                                        options.ephemeris, reduction)
                   : TextReport(parse.sights, options, drTime, reduction));
}

}  // namespace nocturna
