#include "sights/noon_report.h"

#include <string>

#include "almanacpages/page_ephemeris.h"
#include "cli/json_writer.h"
#include "cli/standard_output.h"
#include "foundations/printf_text.h"
#include "navigation/body_catalog.h"
#include "sights/noon_preset.h"

namespace nocturna {
namespace {

constexpr double kHoursPerDay = 24.0;

// The DR's moment: the date and time given, else today's UT date at the local mean noon of the
// DR's longitude (west positive, so west is later).
DateTime DrMoment(const AlmanacOptions& command, const UtcCalendar& now) {
  const CalendarDate date = command.utDate.value_or(CalendarDate{static_cast<std::uint16_t>(now.month),
                                                                 static_cast<std::uint16_t>(now.day),
                                                                 static_cast<std::uint16_t>(now.year)});
  const DateTime day = EncodeDateTime(date.year, date.month, date.day, 0, 0, 0);
  if (command.utTime)
    return day + (command.utTime->hour + command.utTime->minute / 60.0 + command.utTime->second / 3600.0) / kHoursPerDay;
  return day + 0.5 + command.position.longitude / 360.0;
}

}  // namespace

int RunNoonReport(const AlmanacOptions& command, const UtcCalendar& now) {
  const DeadReckoning dr{command.position, DrMoment(command, now), command.finder.courseDegrees,
                         command.finder.speedKnots};
  SightConditions conditions;
  conditions.indexCorrectionMinutes = command.finder.settings.indexCorrection;
  conditions.heightOfEyeMetres = command.finder.settings.heightOfEye;
  BodyCatalog scratch = BuildCatalog();
  const LocalApparentNoon noon = LocalApparentNoonFor(scratch, dr.utc, dr, conditions, Limb::lower, command.ephemeris);
  const RowReduction steps = NoonPresetSteps(noon, Limb::lower);
  if (command.json) {
    Json values = Json::object();
    for (const RowStep& step : steps.steps) values[step.key] = step.value;
    const Json document = {{"ephemeris", EphemerisName(command.ephemeris.kind)},
                           {"units", "angles in degrees (longitudeWest west positive), noonUtc in days since "
                                     "1899-12-30 UTC"},
                           {"noon", std::move(values)},
                           {"bearing", std::string(1, noon.bearing)},
                           {"note", steps.note}};
    return WriteStandardOutput(JsonDocumentText(document));
  }
  std::string page = PrintfText("Local apparent noon (%s ephemeris)\n", EphemerisName(command.ephemeris.kind));
  for (const RowStep& step : steps.steps) page += (step.label.empty() ? "  " : "\n" + step.label + "  ") + step.text;
  page += "\n";
  if (!steps.note.empty()) page += steps.note + "\n";
  return WriteStandardOutput(page);
}

}  // namespace nocturna
