#include "moment/json_report.h"

#include "moment/ephemeris_report_text.h"
#include "cli/json_members.h"
#include "cli/json_writer.h"
#include "navigation/event_times.h"
#include "navigation/sun_moon_values.h"
#include "moment/visible_report.h"

namespace nocturna {
namespace {

constexpr const char* kUnits =
    "angles in degrees (GHA and SHA from 0 to 360, declination and latitude north positive, "
    "longitude west positive), semi-diameter and horizontal parallax in minutes of arc, the "
    "equation of time in minutes of time, meridian passage and event times in UT hours, dut1 and "
    "deltaT in seconds";

// A UT-hour field that may hold an event sentinel; a real time may be negative (the morning
// prime-vertical crossing at east longitudes).
Json EventHours(double hours) {
  return IsEventSentinel(hours) ? Json(nullptr) : Json(hours);
}

Json Body(const BodyCatalog& catalog, int k) {
  Json body = {{"name", catalog.entries[k].name}};
  PlaceMembers(body, catalog, k);
  HcZnMembers(body, catalog, k);
  return body;
}

void MomentMembers(Json& document, const AlmanacSnapshot& s) {
  document["zoneDate"] = IsoDate(s.moment.zoneDate);
  document["zoneTime"] = IsoTime(s.moment.zoneClock);
  document["zoneDescription"] = s.zoneDescription;
  document["utDate"] = IsoDate(s.moment.utDate);
  document["utTime"] = IsoTime(s.moment.utClock);
  document["latitude"] = s.position.latitude;
  document["longitudeWest"] = s.position.longitude;
  document["ghaAries"] = s.ghaAries;
}

void SunAndMoon(Json& document, const AlmanacSnapshot& s) {
  const SunMoonValues v = SunMoonValuesOf(s.catalog, s.events);
  const bool amplitudeSentinel =
      v.amplitude == kEventAboveAllDay || v.amplitude == kEventBelowAllDay;
  Json sun = Body(s.catalog, kSunIndex);
  sun["semiDiameter"] = v.sunSemiDiameter;
  sun["meridianPassageUt"] = v.meridianPassage;
  sun["equationOfTime"] = v.equationOfTime;
  sun["amplitude"] = amplitudeSentinel ? Json(nullptr) : Json(v.amplitude);
  sun["amplitudeText"] = FormatAmplitudeOrSentinel(v.amplitude);
  document["sun"] = std::move(sun);
  Json moon = Body(s.catalog, kMoonIndex);
  moon["semiDiameter"] = v.moonSemiDiameter;
  moon["horizontalParallax"] = v.moonHorizontalParallax;
  moon["illuminatedFraction"] = v.moonIlluminatedFraction;
  document["moon"] = std::move(moon);
}

Json Events(const AlmanacSnapshot& s) {
  const SunEventsRecord& e = s.events;
  // In the order of FormatEventTimes.
  const struct {
    const char* name;
    double ut;
  } events[] = {
      {"sunrise", e.sunrise},           {"sunset", e.sunset},
      {"civilMorning", e.civilMorning}, {"civilEvening", e.civilEvening},
      {"nauticalMorning", e.nauticalMorning}, {"nauticalEvening", e.nauticalEvening},
      {"moonrise", e.moonrise},         {"moonset", e.moonset},
      {"meridianPassage", e.meridianPassage}, {"pvcMorning", e.pvcMorning},
      {"pvcEvening", e.pvcEvening},
  };
  const EventTimeTexts texts = FormatEventTimes(e, s.zoneDescription);
  Json array = Json::array();
  for (std::size_t i = 0; i < texts.size(); ++i) {
    array.push_back({{"event", events[i].name}, {"ut", EventHours(events[i].ut)}, {"zoneTime", texts[i]}});
  }
  return array;
}

Json Bodies(const BodyCatalog& catalog, int first, int last) {
  Json array = Json::array();
  for (int k = first; k <= last; ++k) {
    Json body = Body(catalog, k);
    MagnitudeMember(body, catalog, k);
    array.push_back(std::move(body));
  }
  return array;
}

Json AboveHorizon(const BodyCatalog& catalog) {
  Json array = Json::array();
  for (int k = kFirstStarIndex; k < kBodyCount; ++k) {
    if (!IsAboveHorizon(catalog, k)) continue;
    Json body = {{"name", catalog.entries[k].name}};
    HcZnMembers(body, catalog, k);
    MagnitudeMember(body, catalog, k);
    array.push_back(std::move(body));
  }
  return array;
}

}  // namespace

std::string JsonReport(const AlmanacSnapshot& snapshot) {
  Json document = {{"units", kUnits}};
  EphemerisMembers(document, snapshot.ephemerisUsed);
  MomentMembers(document, snapshot);
  SunAndMoon(document, snapshot);
  document["events"] = Events(snapshot);
  document["planets"] = Bodies(snapshot.catalog, kVenusIndex, kSaturnIndex);
  document["stars"] = Bodies(snapshot.catalog, kFirstStarIndex, kFirstStarIndex + kStarCount - 1);
  document["aboveHorizon"] = AboveHorizon(snapshot.catalog);
  return JsonDocumentText(document);
}

}  // namespace nocturna
