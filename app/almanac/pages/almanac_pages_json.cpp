// The JSON form of a passage's pages: the values the sheets print, for checks and scripts.
// Each value keeps the printed precision as a whole number whose key names its unit.
#include "pages/almanac_pages_report.h"
#include "almanacpages/page_dates.h"
#include "cli/json_members.h"
#include "cli/json_writer.h"
#include "moment/ephemeris_report_text.h"

namespace nocturna {
namespace {

constexpr const char* kUnits =
    "keys ending in TenthsOfArcMinute: whole tenths of a minute of arc, as printed (47243 is "
    "78 deg 44.3'), declination north positive; Minutes: whole minutes of the UT day at "
    "Greenwich; TenthsOfMinute: tenths of a minute of time; Seconds: seconds of time; "
    "magnitudeTenths: tenths of a magnitude; event times: whole minutes of the local mean time "
    "day at each latitude (whole degrees, north positive), or the name of the symbol printed "
    "instead";

Json Place(const HourPlace& place) {
  return {{"ghaTenthsOfArcMinute", place.gha}, {"decTenthsOfArcMinute", place.declination}};
}

Json Event(const EventCell& cell) {
  switch (cell.kind) {
    case EventCellKind::time: return cell.minutes;
    case EventCellKind::aboveAllDay: return "aboveAllDay";
    case EventCellKind::belowAllDay: return "belowAllDay";
    case EventCellKind::twilightAllNight: return "twilightAllNight";
    case EventCellKind::notThisDay: return "notThisDay";
  }
  return nullptr;
}

Json Hour(const AlmanacOpening& opening, int h) {
  Json hour = {{"date", IsoDate(opening.days[h / 24].date)},
               {"hour", h % 24},
               {"ghaAriesTenthsOfArcMinute", opening.ghaAries[h]}};
  for (const PlanetColumn& planet : opening.planets) hour[planet.name] = Place(planet.hours[h]);
  hour["Sun"] = Place(opening.sun.hours[h]);
  const MoonHour& moon = opening.moon[h];
  hour["Moon"] = {{"ghaTenthsOfArcMinute", moon.place.gha},
                  {"vTenthsOfArcMinute", moon.v},
                  {"decTenthsOfArcMinute", moon.place.declination},
                  {"dTenthsOfArcMinute", moon.d},
                  {"hpTenthsOfArcMinute", moon.horizontalParallax}};
  return hour;
}

Json Planets(const AlmanacOpening& opening) {
  Json planets = Json::array();
  for (const PlanetColumn& planet : opening.planets) {
    planets.push_back({{"name", planet.name},
                       {"vTenthsOfArcMinute", planet.v},
                       {"dTenthsOfArcMinute", planet.d},
                       {"magnitudeTenths", planet.magnitudeTenths},
                       {"shaTenthsOfArcMinute", planet.sha},
                       {"meridianPassageMinutes", ValueOrNull(planet.meridianPassage)}});
  }
  return planets;
}

Json Days(const AlmanacOpening& opening) {
  Json days = Json::array();
  for (const OpeningDay& day : opening.days) {
    days.push_back({{"date", IsoDate(day.date)},
                    {"equationOfTime00hSeconds", day.equationOfTime00h},
                    {"equationOfTime12hSeconds", day.equationOfTime12h},
                    {"sunMeridianPassageMinutes", day.sunMeridianPassage},
                    {"moonUpperPassageMinutes", ValueOrNull(day.moonUpperPassage)},
                    {"moonLowerPassageMinutes", ValueOrNull(day.moonLowerPassage)},
                    {"moonAgeDays", day.moonAge},
                    {"moonPhasePercent", day.moonPhase},
                    {"moonSemiDiameterTenthsOfArcMinute", day.moonSemiDiameter}});
  }
  return days;
}

Json LatitudeEventsJson(int latitude, const LatitudeEvents& events) {
  return {{"latitude", latitude},
          {"nauticalMorning", Event(events.nauticalMorning)},
          {"civilMorning", Event(events.civilMorning)},
          {"sunrise", Event(events.sunrise)},
          {"sunset", Event(events.sunset)},
          {"civilEvening", Event(events.civilEvening)},
          {"nauticalEvening", Event(events.nauticalEvening)},
          {"moonrise", Event(events.moonrise)},
          {"moonset", Event(events.moonset)}};
}

Json Events(const AlmanacOpening& opening) {
  Json days = Json::array();
  for (int day = 0; day <= kOpeningDays; ++day) {
    Json latitudes = Json::array();
    for (std::size_t i = 0; i < kPageLatitudes.size(); ++i) {
      latitudes.push_back(LatitudeEventsJson(kPageLatitudes[i], opening.events[day][i]));
    }
    days.push_back({{"date", IsoDate(DateAfter(opening.days[0].date, day))}, {"latitudes", latitudes}});
  }
  return days;
}

// The ephemeris used, with its Delta T and DUT1 in seconds (null for the standard theory).
Json Ephemeris(const EphemerisStatement& statement) {
  const bool precise = statement.used.kind == EphemerisKind::precise;
  Json ephemeris = {{"asked", EphemerisName(statement.choice.kind)},
                    {"kind", EphemerisName(statement.used.kind)},
                    {"at", IsoDate(statement.at)},
                    {"deltaTSeconds", precise ? Json(statement.used.deltaTSeconds) : Json(nullptr)},
                    {"dut1Seconds", precise ? Json(statement.used.dut1Seconds) : Json(nullptr)},
                    {"statement", StatementLine(statement)}};
  Dut1TableMembers(ephemeris, statement.used);
  return ephemeris;
}

Json Opening(const AlmanacOpening& opening) {
  Json stars = Json::array();
  for (const StarPlace& star : opening.stars) {
    stars.push_back({{"name", star.name},
                     {"shaTenthsOfArcMinute", star.sha},
                     {"decTenthsOfArcMinute", star.declination}});
  }
  Json hours = Json::array();
  for (int h = 0; h < kOpeningHours; ++h) hours.push_back(Hour(opening, h));
  return {{"ephemeris", Ephemeris(opening.ephemeris)},
          {"days", Days(opening)},
          {"ariesMeridianPassageTenthsOfMinute", opening.ariesMeridianPassage},
          {"sun", {{"dTenthsOfArcMinute", opening.sun.d},
                   {"semiDiameterTenthsOfArcMinute", opening.sun.semiDiameter}}},
          {"planets", Planets(opening)},
          {"stars", std::move(stars)},
          {"hours", std::move(hours)},
          {"events", Events(opening)}};
}

}  // namespace

Json AlmanacPagesDocument(const AlmanacPassage& passage) {
  Json openings = Json::array();
  for (const AlmanacOpening& opening : passage.openings) openings.push_back(Opening(opening));
  return {{"units", kUnits},
          {"from", IsoDate(passage.from)},
          {"days", passage.days},
          {"ephemeris", Ephemeris(passage.ephemeris)},
          {"openings", std::move(openings)}};
}

std::string AlmanacPagesJson(const AlmanacPassage& passage) {
  return JsonDocumentText(AlmanacPagesDocument(passage));
}

}  // namespace nocturna
