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

std::string Text(const std::vector<LunarCandidate>& plan, const AlmanacOptions& options,
                 const AlmanacMoment& at) {
  std::string page = PrintfText("Lunar Planner (%s ephemeris)\n", EphemerisName(options.ephemeris.kind));
  page += "UT " + IsoDate(at.utDate) + " " + IsoTime(at.utClock) + "   DR " +
          FormatLatitude(options.position.latitude) + " " + FormatLongitude(options.position.longitude) +
          PrintfText("   eye %.1f m\n", options.finder.settings.heightOfEye);
  for (const std::string& line : LunarPlanLines(plan)) page += line + "\n";
  return page;
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
