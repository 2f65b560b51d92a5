#include "sights/observation_reports.h"

#include <string>

#include "almanacpages/page_ephemeris.h"
#include "cli/json_writer.h"
#include "moment/moment_reports.h"
#include "cli/standard_output.h"
#include "foundations/printf_text.h"
#include "navigation/body_catalog.h"
#include "sights/noon_preset.h"
#include "sights/sight_row_kinds.h"

namespace nocturna {
namespace {

constexpr double kHoursPerDay = 24.0;

// The moment of --date and --time, UT: the date defaults to today's, the time to `defaultDays`
// into the day.
DateTime MomentOf(const AlmanacOptions& command, const UtcCalendar& now, double defaultDays) {
  const CalendarDate date = command.utDate.value_or(CalendarDate{static_cast<std::uint16_t>(now.month),
                                                                 static_cast<std::uint16_t>(now.day),
                                                                 static_cast<std::uint16_t>(now.year)});
  const DateTime day = EncodeDateTime(date.year, date.month, date.day, 0, 0, 0);
  if (command.utTime)
    return day + (command.utTime->hour + command.utTime->minute / 60.0 + command.utTime->second / 3600.0) / kHoursPerDay;
  return day + defaultDays;
}

// The steps as JSON members under `name`, with the result and note; or as text lines.
int WriteSteps(const AlmanacOptions& command, const char* title, const char* name, const RowReduction& steps,
               const char* units) {
  if (command.json) {
    Json values = Json::object();
    for (const RowStep& step : steps.steps) values[step.key] = step.value;
    const Json document = {{"ephemeris", EphemerisName(command.ephemeris.kind)}, {"units", units},
                           {name, std::move(values)}, {"result", steps.result}, {"note", steps.note}};
    return WriteStandardOutput(JsonDocumentText(document));
  }
  std::string page = PrintfText("%s (%s ephemeris)\n", title, EphemerisName(command.ephemeris.kind));
  for (const RowStep& step : steps.steps) page += (step.label.empty() ? "  " : "\n" + step.label + "  ") + step.text;
  page += "\n";
  for (const std::string& last : {steps.result, steps.note})
    if (!last.empty()) page += last + "\n";
  return WriteStandardOutput(page);
}

// --chart and --pdf: the chart at the sight's moment with the named body ringed.
int WriteRingedChart(const AlmanacOptions& command, const UtcCalendar& now, DateTime utc,
                     const std::vector<int>& named) {
  AlmanacOptions ringed = command;
  ringed.chart.rings = RingsNaming(named);
  MomentOutcome moment = ResolveMoment(ringed, now);  // its zone description and checks
  if (!moment.error.empty()) return Fail(moment.error);
  moment.zoneTime = utc - moment.zoneDescription / kHoursPerDay;
  return WritePictures(ringed, moment);
}

}  // namespace

int RunNoonReport(const AlmanacOptions& command, const UtcCalendar& now) {
  // The DR holds at the local mean noon of its longitude (west positive: west is later).
  const DeadReckoning dr{command.position, MomentOf(command, now, 0.5 + command.position.longitude / 360.0),
                         command.finder.courseDegrees, command.finder.speedKnots};
  SightConditions conditions;
  conditions.indexCorrectionMinutes = command.finder.settings.indexCorrection;
  conditions.heightOfEyeMetres = command.finder.settings.heightOfEye;
  BodyCatalog scratch = BuildCatalog();
  const LocalApparentNoon noon = LocalApparentNoonFor(scratch, dr.utc, dr, conditions, Limb::lower, command.ephemeris);
  RowReduction steps = NoonPresetSteps(noon, Limb::lower);
  steps.result = std::string("The Sun bears ") + noon.bearing + " at noon.";
  return WriteSteps(command, "Local apparent noon", "noon", steps,
                    "angles in degrees (longitudeWest west positive), noonUtc in days since 1899-12-30 UTC");
}

int RunIdentifyReport(const AlmanacOptions& command, const UtcCalendar& now) {
  // As for every report: now, or 0h when --date comes without --time.
  const double nowDays =
      command.utDate ? 0.0 : (now.hour + now.minute / 60.0 + now.second / 3600.0) / kHoursPerDay;
  SightRecord row;
  row.kind = SightKind::identify;
  row.body = std::string(kUnknownBodyName);
  row.utc = MomentOf(command, now, nowDays);
  row.hsDegrees = command.identify.hsDegrees;
  row.conditions.indexCorrectionMinutes = command.finder.settings.indexCorrection;
  row.conditions.heightOfEyeMetres = command.finder.settings.heightOfEye;
  row.bearingDegrees = command.identify.bearingDegrees;
  BodyCatalog scratch = BuildCatalog();
  const DeadReckoning dr{command.position, row.utc, 0.0, 0.0};
  RowContext context{scratch, dr, command.ephemeris};
  const RowReduction reduced = ReduceIdentifyRow(row, context);
  if (command.chart.Wanted()) return WriteRingedChart(command, now, row.utc, reduced.namedBodies);
  return WriteSteps(command, "Unknown body", "identify", reduced,
                    "angles in degrees; candidateNDistance: the Nth nearest body's distance on the sky");
}

}  // namespace nocturna
