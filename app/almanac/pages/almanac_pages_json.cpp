// The JSON form of a passage's pages: the values the sheets print, for checks and scripts.
#include "pages/almanac_pages_report.h"
#include "almanacpages/page_dates.h"
#include "cli/json_members.h"
#include "cli/json_writer.h"

namespace nocturna {
namespace {

void OptionalInteger(JsonWriter& json, const char* key, const std::optional<int>& value) {
  json.Key(key);
  if (value) {
    json.Integer(*value);
  } else {
    json.Null();
  }
}

void Place(JsonWriter& json, const char* key, const HourPlace& place) {
  json.Key(key);
  json.BeginObject();
  json.Key("gha");
  json.Integer(place.gha);
  json.Key("dec");
  json.Integer(place.declination);
  json.EndObject();
}

void Event(JsonWriter& json, const char* key, const EventCell& cell) {
  json.Key(key);
  switch (cell.kind) {
    case EventCellKind::time: json.Integer(cell.minutes); break;
    case EventCellKind::aboveAllDay: json.String("aboveAllDay"); break;
    case EventCellKind::belowAllDay: json.String("belowAllDay"); break;
    case EventCellKind::twilightAllNight: json.String("twilightAllNight"); break;
    case EventCellKind::notThisDay: json.String("notThisDay"); break;
  }
}

void Hours(JsonWriter& json, const AlmanacOpening& opening) {
  json.Key("hours");
  json.BeginArray();
  for (int h = 0; h < kOpeningHours; ++h) {
    json.BeginObject();
    json.Key("date");
    json.String(IsoDate(opening.days[h / 24].date));
    json.Key("hour");
    json.Integer(h % 24);
    json.Key("ghaAries");
    json.Integer(opening.ghaAries[h]);
    for (const PlanetColumn& planet : opening.planets) Place(json, planet.name.c_str(), planet.hours[h]);
    Place(json, "Sun", opening.sun.hours[h]);
    const MoonHour& moon = opening.moon[h];
    json.Key("Moon");
    json.BeginObject();
    json.Key("gha");
    json.Integer(moon.place.gha);
    json.Key("v");
    json.Integer(moon.v);
    json.Key("dec");
    json.Integer(moon.place.declination);
    json.Key("d");
    json.Integer(moon.d);
    json.Key("hp");
    json.Integer(moon.horizontalParallax);
    json.EndObject();
    json.EndObject();
  }
  json.EndArray();
}

void Planets(JsonWriter& json, const AlmanacOpening& opening) {
  json.Key("planets");
  json.BeginArray();
  for (const PlanetColumn& planet : opening.planets) {
    json.BeginObject();
    json.Key("name");
    json.String(planet.name);
    json.Key("v");
    json.Integer(planet.v);
    json.Key("d");
    json.Integer(planet.d);
    json.Key("magnitudeTenths");
    json.Integer(planet.magnitudeTenths);
    json.Key("sha");
    json.Integer(planet.sha);
    OptionalInteger(json, "meridianPassageMinutes", planet.meridianPassage);
    json.EndObject();
  }
  json.EndArray();
}

void Days(JsonWriter& json, const AlmanacOpening& opening) {
  json.Key("days");
  json.BeginArray();
  for (const OpeningDay& day : opening.days) {
    json.BeginObject();
    json.Key("date");
    json.String(IsoDate(day.date));
    json.Key("equationOfTime00hSeconds");
    json.Integer(day.equationOfTime00h);
    json.Key("equationOfTime12hSeconds");
    json.Integer(day.equationOfTime12h);
    json.Key("sunMeridianPassageMinutes");
    json.Integer(day.sunMeridianPassage);
    OptionalInteger(json, "moonUpperPassageMinutes", day.moonUpperPassage);
    OptionalInteger(json, "moonLowerPassageMinutes", day.moonLowerPassage);
    json.Key("moonAgeDays");
    json.Integer(day.moonAge);
    json.Key("moonPhasePercent");
    json.Integer(day.moonPhase);
    json.Key("moonSemiDiameter");
    json.Integer(day.moonSemiDiameter);
    json.EndObject();
  }
  json.EndArray();
}

void Events(JsonWriter& json, const AlmanacOpening& opening) {
  json.Key("events");
  json.BeginArray();
  for (int day = 0; day <= kOpeningDays; ++day) {
    json.BeginObject();
    json.Key("date");
    json.String(IsoDate(DateAfter(opening.days[0].date, day)));
    json.Key("latitudes");
    json.BeginArray();
    for (std::size_t i = 0; i < kPageLatitudes.size(); ++i) {
      const LatitudeEvents& events = opening.events[day][i];
      json.BeginObject();
      json.Key("latitude");
      json.Integer(kPageLatitudes[i]);
      Event(json, "nauticalMorning", events.nauticalMorning);
      Event(json, "civilMorning", events.civilMorning);
      Event(json, "sunrise", events.sunrise);
      Event(json, "sunset", events.sunset);
      Event(json, "civilEvening", events.civilEvening);
      Event(json, "nauticalEvening", events.nauticalEvening);
      Event(json, "moonrise", events.moonrise);
      Event(json, "moonset", events.moonset);
      json.EndObject();
    }
    json.EndArray();
    json.EndObject();
  }
  json.EndArray();
}

// The ephemeris used, with its Delta T and DUT1 in seconds (null for the standard theory).
void Ephemeris(JsonWriter& json, const EphemerisStatement& statement) {
  const bool precise = statement.used.kind == EphemerisKind::precise;
  json.BeginObject();
  json.Key("asked");
  json.String(EphemerisName(statement.choice.kind));
  json.Key("kind");
  json.String(EphemerisName(statement.used.kind));
  json.Key("at");
  json.String(IsoDate(statement.at));
  json.Key("deltaTSeconds");
  precise ? json.Number(statement.used.deltaTSeconds) : json.Null();
  json.Key("dut1Seconds");
  precise ? json.Number(statement.used.dut1Seconds) : json.Null();
  json.Key("statement");
  json.String(StatementLine(statement));
  json.EndObject();
}

void Opening(JsonWriter& json, const AlmanacOpening& opening) {
  json.BeginObject();
  json.Key("ephemeris");
  Ephemeris(json, opening.ephemeris);
  Days(json, opening);
  json.Key("ariesMeridianPassageTenthsOfMinute");
  json.Integer(opening.ariesMeridianPassage);
  json.Key("sun");
  json.BeginObject();
  json.Key("d");
  json.Integer(opening.sun.d);
  json.Key("semiDiameter");
  json.Integer(opening.sun.semiDiameter);
  json.EndObject();
  Planets(json, opening);
  json.Key("stars");
  json.BeginArray();
  for (const StarPlace& star : opening.stars) {
    json.BeginObject();
    json.Key("name");
    json.String(star.name);
    json.Key("sha");
    json.Integer(star.sha);
    json.Key("dec");
    json.Integer(star.declination);
    json.EndObject();
  }
  json.EndArray();
  Hours(json, opening);
  Events(json, opening);
  json.EndObject();
}

}  // namespace

void PassageJsonMembers(JsonWriter& json, const AlmanacPassage& passage) {
  json.Key("from");
  json.String(IsoDate(passage.from));
  json.Key("days");
  json.Integer(passage.days);
  json.Key("ephemeris");
  Ephemeris(json, passage.ephemeris);
  json.Key("openings");
  json.BeginArray();
  for (const AlmanacOpening& opening : passage.openings) Opening(json, opening);
  json.EndArray();
}

std::string AlmanacPagesJson(const AlmanacPassage& passage) {
  JsonWriter json;
  json.BeginObject();
  PassageJsonMembers(json, passage);
  json.EndObject();
  return json.Text() + "\n";
}

}  // namespace nocturna
