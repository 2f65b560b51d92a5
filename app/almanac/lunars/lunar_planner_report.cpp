#include "lunars/lunar_planner_report.h"

#include <vector>

#include "almanacpages/page_ephemeris.h"
#include "cli/json_members.h"
#include "cli/json_writer.h"
#include "foundations/printf_text.h"
#include "foundations/text_forms.h"
#include "navigation/almanac_snapshot.h"
#include "sights/lunar_planner.h"
#include "sights/sight_body_names.h"

namespace nocturna {
namespace {

constexpr const char* kRow = "%-10s %10s %10s %10s %9s %9s %9s %7s\n";

std::string SignedRate(double rate) { return PrintfText("%+.2f", rate); }

std::string Text(const std::vector<LunarCandidate>& plan, const AlmanacOptions& options,
                 const AlmanacMoment& at) {
  std::string page = PrintfText("Lunar Planner (%s ephemeris)\n", EphemerisName(options.ephemeris.kind));
  page += "UT " + IsoDate(at.utDate) + " " + IsoTime(at.utClock) + "   DR " +
          FormatLatitude(options.position.latitude) + " " + FormatLongitude(options.position.longitude) +
          PrintfText("   eye %.1f m\n", options.finder.settings.heightOfEye);
  if (plan.empty()) {
    return page + "No body makes a good lunar now: none is 15 to 120 degrees from the Moon with both "
                  "above 5 degrees and the distance changing 0.2' a minute or more.\n";
  }
  page += PrintfText(kRow, "Body", "Preset", "Apparent", "Geocentric", "Moon Ha", "Body Ha", "'/min", "s/0.1'");
  for (const LunarCandidate& c : plan) {
    page += PrintfText(kRow, std::string(SightBodyName(c.bodyIndex)).c_str(),
                       FormatAltAz(c.presetDistanceDegrees, true, 3).c_str(),
                       FormatAltAz(c.apparentDistanceDegrees, true, 3).c_str(),
                       FormatAltAz(c.geocentricDistanceDegrees, true, 3).c_str(),
                       FormatAltAz(c.moonAltitudeDegrees, true, 2).c_str(),
                       FormatAltAz(c.bodyAltitudeDegrees, true, 2).c_str(), SignedRate(c.rateMinutesPerMinute).c_str(),
                       PrintfText("%.1f", c.secondsPerTenthMinute).c_str());
  }
  return page + "Preset: the Moon's near limb to the Sun's near limb or the body's centre.\n"
                "'/min: the distance's rate, negative when closing; s/0.1': what 0.1' of it is worth in time.\n";
}

std::string JsonPage(const std::vector<LunarCandidate>& plan, const AlmanacOptions& options,
                     const AlmanacMoment& at) {
  Json bodies = Json::array();
  for (const LunarCandidate& c : plan) {
    bodies.push_back({{"index", c.bodyIndex},
                      {"name", std::string(SightBodyName(c.bodyIndex))},
                      {"presetDistance", c.presetDistanceDegrees},
                      {"apparentDistance", c.apparentDistanceDegrees},
                      {"geocentricDistance", c.geocentricDistanceDegrees},
                      {"moonAltitude", c.moonAltitudeDegrees},
                      {"bodyAltitude", c.bodyAltitudeDegrees},
                      {"rateMinutesPerMinute", c.rateMinutesPerMinute},
                      {"secondsPerTenthMinute", c.secondsPerTenthMinute}});
  }
  const Json planner = {{"ephemeris", EphemerisName(options.ephemeris.kind)},
                        {"utDate", IsoDate(at.utDate)},
                        {"utTime", IsoTime(at.utClock)},
                        {"latitude", options.position.latitude},
                        {"longitudeWest", options.position.longitude},
                        {"heightOfEye", options.finder.settings.heightOfEye},
                        {"bodies", bodies}};
  const Json document = {
      {"units", "distances and altitudes in degrees (apparent altitudes of the centres; latitude north "
                "positive, longitude west positive), rates in minutes of arc per minute of time "
                "(negative when closing), seconds of time per 0.1 minute of arc, height of eye in metres"},
      {"lunarPlanner", planner}};
  return JsonDocumentText(document);
}

}  // namespace

std::string LunarPlannerPage(const AlmanacOptions& options, const MomentOutcome& moment) {
  const AlmanacMoment at = AlmanacMomentOf(moment.zoneTime, moment.zoneDescription);
  SightConditions air;
  air.heightOfEyeMetres = options.finder.settings.heightOfEye;
  BodyCatalog scratch = BuildCatalog();
  const std::vector<LunarCandidate> plan = PlanLunars(
      scratch, moment.zoneTime + moment.zoneDescription / 24.0, options.position, air, options.ephemeris);
  return options.json ? JsonPage(plan, options, at) : Text(plan, options, at);
}

}  // namespace nocturna
