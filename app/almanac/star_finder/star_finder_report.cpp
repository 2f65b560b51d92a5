#include "star_finder/star_finder_report.h"

#include <vector>

#include "almanacpages/page_ephemeris.h"
#include "foundations/printf_text.h"
#include "cli/json_members.h"
#include "cli/json_writer.h"
#include "navigation/almanac_snapshot.h"
#include "starfinder/star_finder_texts.h"

namespace nocturna {
namespace {

struct TwilightRun {
  StarFinderResult result;
  StarFinderTexts texts;
};

std::vector<TwilightRun> Run(const AlmanacOptions& options, const MomentOutcome& moment,
                             const EphemerisChoice& choice) {
  const StarFinderOptions& finder = options.finder;
  const DeadReckoning dr{options.position, moment.zoneTime + moment.zoneDescription / 24.0,
                         finder.courseDegrees, finder.speedKnots};
  StarFinderSettings settings = finder.settings;
  if (finder.atDate) {
    settings.moment =
        EncodeDateTime(finder.atDate->year, finder.atDate->month, finder.atDate->day,
                       finder.atTime->hour, finder.atTime->minute, finder.atTime->second);
  }
  std::vector<TwilightRun> runs;
  for (Twilight twilight : {Twilight::morning, Twilight::evening}) {
    if (finder.twilight && *finder.twilight != twilight) continue;
    settings.twilight = twilight;
    const StarFinderResult result = FindStars(dr, moment.zoneDescription, settings, choice);
    runs.push_back({result, StarFinderTextsOf(result, settings)});
  }
  return runs;
}

std::string Text(const std::vector<TwilightRun>& runs, const EphemerisChoice& choice) {
  std::string page = PrintfText("Star Finder (%s ephemeris)\n", EphemerisName(choice.kind));
  for (const TwilightRun& run : runs) {
    const StarFinderTexts& t = run.texts;
    page += '\n';
    for (const std::string* line :
         {&t.windowLine, &t.momentLine, &t.positionLine, &t.limitsLine, &t.setLine, &t.message}) {
      if (!line->empty()) page += *line + '\n';
    }
    if (t.rows.empty()) continue;
    constexpr const char* kRow = "%5s  %-16s %10s %10s %10s %5s\n";
    const auto& c = kFinderColumns;
    page += PrintfText(kRow, c[0], c[1], c[2], c[3], c[4], c[5]);
    for (const auto& r : t.rows) {
      page += PrintfText(kRow, r[0].c_str(), r[1].c_str(), r[2].c_str(), r[3].c_str(), r[4].c_str(),
                         r[5].c_str());
    }
  }
  return page;
}

Json ZoneMoment(DateTime zoneTime, int zoneDescription) {
  const AlmanacMoment m = AlmanacMomentOf(zoneTime, zoneDescription);
  return {{"zoneDate", IsoDate(m.zoneDate)},
          {"zoneTime", IsoTime(m.zoneClock)},
          {"utDate", IsoDate(m.utDate)},
          {"utTime", IsoTime(m.utClock)}};
}

Json Bodies(const TwilightRun& run) {
  Json array = Json::array();
  for (std::size_t i = 0; i < run.result.bodies.size(); ++i) {
    const FinderBody& body = run.result.bodies[i];
    array.push_back({{"index", body.catalogIndex}, {"name", body.name}, {"hc", body.hc},
                     {"zn", body.zn}, {"hs", body.hs}, {"magnitude", body.magnitude},
                     {"order", body.order}, {"texts", run.texts.rows[i]}});
  }
  return array;
}

Json TwilightJson(const TwilightRun& run) {
  const StarFinderResult& r = run.result;
  Json twilight = {{"twilight", TwilightName(r.twilight)}, {"windowOccurs", r.window.occurs}};
  if (r.window.occurs) {
    twilight["windowStart"] = ZoneMoment(r.window.start, r.zoneDescription);
    twilight["windowEnd"] = ZoneMoment(r.window.end, r.zoneDescription);
  }
  twilight["momentChosen"] = r.momentChosen;
  if (r.window.occurs || r.momentChosen) {
    twilight["moment"] = ZoneMoment(r.moment, r.zoneDescription);
    twilight["latitude"] = r.position.latitude;
    twilight["longitudeWest"] = r.position.longitude;
    twilight["candidates"] = r.candidateCount;
    twilight["sunAltitude"] = r.sunAltitude;
    twilight["outsideTwilight"] = r.outsideTwilight;
  }
  twilight["dop"] = r.bodies.empty() ? Json(nullptr) : Json(r.hdop);
  twilight["searchMethod"] = r.method == SetSearchMethod::exhaustive ? "exhaustive" : "greedyPlusSwap";
  twilight["message"] = r.message;
  twilight["bodies"] = Bodies(run);
  return twilight;
}

std::string JsonPage(const std::vector<TwilightRun>& runs, const AlmanacOptions& options,
                     const MomentOutcome& moment, const EphemerisChoice& choice) {
  const StarFinderSettings& s = options.finder.settings;
  Json finder = {
      {"ephemeris", EphemerisName(choice.kind)},
      {"dopKind", "HDOP: sqrt of the trace of the position block of (AtA)^-1, rows (cos Zn, sin Zn, 1)"},
      {"zoneDescription", moment.zoneDescription},
      {"drTime", ZoneMoment(moment.zoneTime, moment.zoneDescription)},
      {"drLatitude", options.position.latitude},
      {"drLongitudeWest", options.position.longitude},
      {"courseDegrees", options.finder.courseDegrees},
      {"speedKnots", options.finder.speedKnots},
      {"minAltitude", s.minAltitude},
      {"maxAltitude", s.maxAltitude},
      {"magnitudeLimit", s.magnitudeLimit},
      {"indexCorrection", s.indexCorrection},
      {"heightOfEye", s.heightOfEye},
      {"setSize", s.setSize},
      {"twilights", Json::array()},
  };
  for (const TwilightRun& run : runs) finder["twilights"].push_back(TwilightJson(run));
  const Json document = {
      {"units", "altitudes, azimuths, positions and course in degrees (latitude north positive, "
                "longitude west positive), index correction in minutes of arc, height of eye in "
                "metres, speed in knots"},
      {"starFinder", finder},
  };
  return JsonDocumentText(document);
}

}  // namespace

std::string StarFinderPage(const AlmanacOptions& options, const MomentOutcome& moment) {
  const EphemerisChoice& choice = options.ephemeris;
  const std::vector<TwilightRun> runs = Run(options, moment, choice);
  return options.json ? JsonPage(runs, options, moment, choice) : Text(runs, choice);
}

}  // namespace nocturna
