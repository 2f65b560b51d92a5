#include "moment/sun_moon_report.h"

#include "foundations/text_forms.h"
#include "navigation/event_times.h"
#include "navigation/sun_moon_values.h"
#include "cli/report_lines.h"

namespace nocturna {
namespace {

constexpr int kMeridianPassageSlot = 8;

}  // namespace

std::string SunReport(const AlmanacSnapshot& snapshot) {
  const SunMoonValues v = SunMoonValuesOf(snapshot.catalog, snapshot.events);
  const EventTimeTexts events = FormatEventTimes(snapshot.events, snapshot.zoneDescription);
  return "Sun:\n" + LabelLine("GHA", FormatAngle360(v.sunGha)) +
         LabelLine("Dec", FormatDeclination(v.sunDeclination)) +
         LabelLine("SD", FormatArcMinutes(v.sunSemiDiameter)) +
         LabelLine("Mer. Pass.", events[kMeridianPassageSlot]) +
         LabelLine("Eqn. Time", FormatEquationOfTime(v.equationOfTime)) +
         LabelLine("Amplitude", FormatAmplitudeOrSentinel(v.amplitude));
}

std::string MoonReport(const AlmanacSnapshot& snapshot) {
  const SunMoonValues v = SunMoonValuesOf(snapshot.catalog, snapshot.events);
  return "Moon:\n" + LabelLine("GHA", FormatAngle360(v.moonGha)) +
         LabelLine("Dec", FormatDeclination(v.moonDeclination)) +
         LabelLine("SD", FormatArcMinutes(v.moonSemiDiameter)) +
         LabelLine("HP", FormatArcMinutes(v.moonHorizontalParallax)) +
         LabelLine("Phase", FormatPhase(v.moonIlluminatedFraction));
}

}  // namespace nocturna
