#include "moment/moment_reports.h"

#include <string>

#include "cli/almanac_moment.h"
#include "cli/report_lines.h"
#include "cli/standard_output.h"
#if NOCTURNA_ALMANAC_PICTURES
#include "pictures/chart_pictures.h"
#endif
#include "moment/almanac_page_report.h"
#include "moment/ephemeris_report_text.h"
#include "moment/event_report.h"
#include "moment/json_report.h"
#include "moment/moment_report.h"
#include "moment/planet_report.h"
#include "moment/star_report.h"
#include "moment/sun_moon_report.h"
#include "moment/table_pages_json.h"
#include "moment/visible_bodies_report.h"
#include "moment/visible_report.h"
#include "navigation/almanac_snapshot.h"
#include "lunars/lunar_planner_report.h"
#include "star_finder/star_finder_report.h"

namespace nocturna {
namespace {

// The text page: one report after another, a blank line between them.
std::string TextPage(const AlmanacSnapshot& snapshot) {
  const std::string reports[] = {
      MomentReport(snapshot),
      SunReport(snapshot),
      MoonReport(snapshot),
      EventReport(snapshot),
      PlanetReport(snapshot.catalog),
      StarReport(snapshot.catalog),
      VisibleReport(snapshot.catalog),
  };
  std::string page;
  for (const std::string& report : reports) {
    if (!page.empty()) page += '\n';
    page += report;
  }
  return page;
}

// --visible-bodies and --almanac-page: the table windows' pages, as text or one JSON object.
std::string TablePages(const AlmanacSnapshot& snapshot, const AlmanacOptions& options) {
  const TablePageOptions& tables = options.tables;
  if (options.json) return TablePagesJson(snapshot, tables);
  // The window's pages as they are; a precise page says so above them.
  std::string page;
  if (snapshot.ephemerisUsed.kind == EphemerisKind::precise) {
    page += LabelLine("Ephemeris", EphemerisText(snapshot.ephemerisUsed)) + '\n';
  }
  if (tables.visibleBodies) page += VisibleBodiesReport(snapshot, tables);
  if (tables.visibleBodies && tables.almanacPage) page += '\n';
  if (tables.almanacPage) page += AlmanacPageReport(snapshot, tables);
  return page;
}

}  // namespace

int WritePictures([[maybe_unused]] const AlmanacOptions& options,
                  [[maybe_unused]] const MomentOutcome& moment) {
#if NOCTURNA_ALMANAC_PICTURES
  const std::string error = WriteChartPictures(options, moment);
  return error.empty() ? 0 : Fail(error, kRunFailure);
#else
  return Fail("--chart and --pdf need the window library, which this build leaves out");
#endif
}

int RunMomentReport(const AlmanacOptions& options, const UtcCalendar& now) {
  const MomentOutcome moment = ResolveMoment(options, now);
  if (!moment.error.empty()) return Fail(moment.error);
  if (options.chart.Wanted()) return WritePictures(options, moment);
  const AlmanacSnapshot snapshot = TakeAlmanacSnapshot(moment.zoneTime, moment.zoneDescription,
                                                       options.position, options.ephemeris);
  if (snapshot.ephemerisUsed.refusal != nullptr) {
    return Fail(std::string("--precise: ") + snapshot.ephemerisUsed.refusal);
  }
  if (options.report == AlmanacReport::lunarPlanner) return WriteStandardOutput(LunarPlannerPage(options, moment));
  if (options.report == AlmanacReport::starFinder) {
    return WriteStandardOutput(StarFinderPage(options, moment));
  }
  if (options.report == AlmanacReport::tables)
    return WriteStandardOutput(TablePages(snapshot, options));
  return WriteStandardOutput(options.json ? JsonReport(snapshot) : TextPage(snapshot));
}

}  // namespace nocturna
