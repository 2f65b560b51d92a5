// nocturna-almanac: the almanac of one moment and DR position, on standard output.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/almanac_moment.h"
#include "cli/almanac_options.h"
#include "moment/almanac_page_report.h"
#include "pages/almanac_pages_report.h"
#if NOCTURNA_ALMANAC_PICTURES
#include "pictures/chart_pictures.h"
#endif
#include "moment/ephemeris_report_text.h"
#include "moment/event_report.h"
#include "foundations/windows1252.h"
#include "cli/help_text.h"
#include "moment/json_report.h"
#include "moment/moment_report.h"
#include "navigation/almanac_snapshot.h"
#include "moment/planet_report.h"
#include "cli/report_lines.h"
#include "platform/system_clock.h"
#include "star_finder/star_finder_report.h"
#include "cli/standard_output.h"
#include "moment/star_report.h"
#include "moment/sun_moon_report.h"
#include "moment/visible_bodies_report.h"
#include "moment/visible_report.h"
#include "network/network_fixes_options.h"
#include "network/network_fixes_report.h"

namespace nocturna {

// nmea_replay_report.cpp: --nmea-replay FILE [--burst N].
bool WantsNmeaReplay(const std::vector<std::string>& args);
int RunNmeaReplay(const std::vector<std::string>& args);
// sight_reduction_report.cpp: --reduce SIGHTS.csv --lat LAT --lon LON [...].
bool WantsSightReduction(const std::vector<std::string>& args);
int RunSightReduction(const std::vector<std::string>& args);

namespace {

constexpr int kUsageError = 2;

int Fail(const std::string& message) {
  std::fprintf(stderr, "nocturna-almanac: %s\n", message.c_str());
  return kUsageError;
}

// The text page: one report after another, a blank line between them.
std::string TextPage(const AlmanacSnapshot& snapshot) {
  const std::string reports[] = {
      MomentReport(snapshot), SunReport(snapshot),          MoonReport(snapshot),
      EventReport(snapshot),  PlanetReport(snapshot.catalog), StarReport(snapshot.catalog),
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
  if (options.json) {
    JsonWriter json;
    json.BeginObject();
    if (tables.visibleBodies) VisibleBodiesJson(json, snapshot, tables);
    if (tables.almanacPage) AlmanacPageJson(json, snapshot, tables);
    EphemerisMembers(json, snapshot.ephemerisUsed);
    json.EndObject();
    return json.Text() + "\n";
  }
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

// --chart and --pdf: the files only, nothing on standard output.
int WritePictures([[maybe_unused]] const AlmanacOptions& options,
                  [[maybe_unused]] const MomentOutcome& moment) {
#if NOCTURNA_ALMANAC_PICTURES
  const std::string error = WriteChartPictures(options, moment);
  if (error.empty()) return 0;
  std::fprintf(stderr, "nocturna-almanac: %s\n", error.c_str());
  return 1;
#else
  return Fail("--chart and --pdf need the window library, which this build leaves out");
#endif
}

int Run(const std::vector<std::string>& args) {
  if (WantsNmeaReplay(args)) return RunNmeaReplay(args);
  if (WantsNetworkFixes(args)) return RunNetworkFixes(args);
  if (WantsSightReduction(args)) return RunSightReduction(args);
  const OptionsOutcome parsed = ParseAlmanacOptions(args);
  if (!parsed.error.empty()) return Fail(parsed.error);
  const AlmanacOptions& options = parsed.options;
  if (options.pages.wanted && !options.help) return RunAlmanacPages(options, PosixSystemClock().ReadUtc());
  std::string page;
  if (options.help) {
    page = AlmanacHelpText();
  } else {
    const MomentOutcome moment = ResolveMoment(options, PosixSystemClock().ReadUtc());
    if (!moment.error.empty()) return Fail(moment.error);
    if (options.chart.Wanted()) return WritePictures(options, moment);
    const AlmanacSnapshot snapshot = TakeAlmanacSnapshot(
        moment.zoneTime, moment.zoneDescription, options.position, options.ephemeris);
    if (snapshot.ephemerisUsed.refusal != nullptr) {
      return Fail(std::string("--precise: ") + snapshot.ephemerisUsed.refusal);
    }
    if (options.finder.wanted) {
      page = StarFinderPage(options, moment);
    } else if (options.tables.Wanted()) {
      page = TablePages(snapshot, options);
    } else {
      page = options.json ? JsonReport(snapshot) : TextPage(snapshot);
    }
  }
  return WriteStandardOutput(page);
}

}  // namespace
}  // namespace nocturna

int main(int argc, char** argv) {
  return nocturna::Run(std::vector<std::string>(argv + 1, argv + argc));
}
