#include "star_finder/star_finder_report.h"

#include <vector>

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

const char* EphemerisName(const EphemerisChoice& choice) {
  return choice.kind == EphemerisKind::precise ? "precise" : "standard";
}

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
  std::string page = PrintfText("Star Finder (%s ephemeris)\n", EphemerisName(choice));
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

void ZoneMoment(JsonWriter& json, const char* key, DateTime zoneTime, int zoneDescription) {
  const AlmanacMoment m = AlmanacMomentOf(zoneTime, zoneDescription);
  json.Key(key);
  json.BeginObject();
  json.Key("zoneDate");
  json.String(IsoDate(m.zoneDate));
  json.Key("zoneTime");
  json.String(IsoTime(m.zoneClock));
  json.Key("utDate");
  json.String(IsoDate(m.utDate));
  json.Key("utTime");
  json.String(IsoTime(m.utClock));
  json.EndObject();
}

void Bodies(JsonWriter& json, const TwilightRun& run) {
  json.Key("bodies");
  json.BeginArray();
  for (std::size_t i = 0; i < run.result.bodies.size(); ++i) {
    const FinderBody& body = run.result.bodies[i];
    json.BeginObject();
    json.Key("index");
    json.Integer(body.catalogIndex);
    json.Key("name");
    json.String(body.name);
    for (const auto& [key, value] :
         {std::pair{"hc", body.hc}, std::pair{"zn", body.zn}, std::pair{"hs", body.hs},
          std::pair{"magnitude", body.magnitude}}) {
      json.Key(key);
      json.Number(value);
    }
    json.Key("order");
    json.Integer(body.order);
    json.Key("texts");
    json.StringArray(run.texts.rows[i]);
    json.EndObject();
  }
  json.EndArray();
}

void Twilights(JsonWriter& json, const std::vector<TwilightRun>& runs) {
  json.Key("twilights");
  json.BeginArray();
  for (const TwilightRun& run : runs) {
    const StarFinderResult& r = run.result;
    json.BeginObject();
    json.Key("twilight");
    json.String(TwilightName(r.twilight));
    json.Key("windowOccurs");
    json.Boolean(r.window.occurs);
    if (r.window.occurs) {
      ZoneMoment(json, "windowStart", r.window.start, r.zoneDescription);
      ZoneMoment(json, "windowEnd", r.window.end, r.zoneDescription);
    }
    const bool computed = r.window.occurs || r.momentChosen;
    json.Key("momentChosen");
    json.Boolean(r.momentChosen);
    if (computed) {
      ZoneMoment(json, "moment", r.moment, r.zoneDescription);
      json.Key("latitude");
      json.Number(r.position.latitude);
      json.Key("longitudeWest");
      json.Number(r.position.longitude);
      json.Key("candidates");
      json.Integer(r.candidateCount);
      json.Key("sunAltitude");
      json.Number(r.sunAltitude);
      json.Key("outsideTwilight");
      json.Boolean(r.outsideTwilight);
    }
    json.Key("dop");
    r.bodies.empty() ? json.Null() : json.Number(r.hdop);
    json.Key("searchMethod");
    json.String(r.method == SetSearchMethod::exhaustive ? "exhaustive" : "greedyPlusSwap");
    json.Key("message");
    json.String(r.message);
    Bodies(json, run);
    json.EndObject();
  }
  json.EndArray();
}

std::string Json(const std::vector<TwilightRun>& runs, const AlmanacOptions& options,
                 const MomentOutcome& moment, const EphemerisChoice& choice) {
  const StarFinderSettings& s = options.finder.settings;
  JsonWriter json;
  json.BeginObject();
  json.Key("starFinder");
  json.BeginObject();
  json.Key("ephemeris");
  json.String(EphemerisName(choice));
  json.Key("dopKind");
  json.String(
      "HDOP: sqrt of the trace of the position block of (AtA)^-1, rows (cos Zn, sin Zn, 1)");
  json.Key("zoneDescription");
  json.Integer(moment.zoneDescription);
  ZoneMoment(json, "drTime", moment.zoneTime, moment.zoneDescription);
  for (const auto& [key, value] :
       {std::pair{"drLatitude", options.position.latitude},
        std::pair{"drLongitudeWest", options.position.longitude},
        std::pair{"courseDegrees", options.finder.courseDegrees},
        std::pair{"speedKnots", options.finder.speedKnots}, std::pair{"minAltitude", s.minAltitude},
        std::pair{"maxAltitude", s.maxAltitude}, std::pair{"magnitudeLimit", s.magnitudeLimit},
        std::pair{"indexCorrection", s.indexCorrection}, std::pair{"heightOfEye", s.heightOfEye}}) {
    json.Key(key);
    json.Number(value);
  }
  json.Key("setSize");
  json.Integer(s.setSize);
  Twilights(json, runs);
  json.EndObject();
  json.EndObject();
  return json.Text() + "\n";
}

}  // namespace

std::string StarFinderPage(const AlmanacOptions& options, const MomentOutcome& moment) {
  const EphemerisChoice& choice = options.ephemeris;
  const std::vector<TwilightRun> runs = Run(options, moment, choice);
  return options.json ? Json(runs, options, moment, choice) : Text(runs, choice);
}

}  // namespace nocturna
