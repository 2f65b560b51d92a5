#include "moment/json_report.h"

#include "moment/ephemeris_report_text.h"
#include "cli/json_members.h"
#include "cli/json_writer.h"
#include "navigation/event_times.h"
#include "navigation/sun_moon_values.h"
#include "moment/visible_report.h"

namespace nocturna {
namespace {

// A UT-hour field that may hold an event sentinel; a real time may be negative (the morning
// prime-vertical crossing at east longitudes).
void EventHours(JsonWriter& json, double hours) {
  if (IsEventSentinel(hours)) {
    json.Null();
  } else {
    json.Number(hours);
  }
}

void Body(JsonWriter& json, const BodyCatalog& catalog, int k) {
  json.Key("name");
  json.String(catalog.entries[k].name);
  PlaceMembers(json, catalog, k);
  HcZnMembers(json, catalog, k);
}

void MomentMembers(JsonWriter& json, const AlmanacSnapshot& s) {
  json.Key("zoneDate");
  json.String(IsoDate(s.moment.zoneDate));
  json.Key("zoneTime");
  json.String(IsoTime(s.moment.zoneClock));
  json.Key("zoneDescription");
  json.Integer(s.zoneDescription);
  json.Key("utDate");
  json.String(IsoDate(s.moment.utDate));
  json.Key("utTime");
  json.String(IsoTime(s.moment.utClock));
  json.Key("latitude");
  json.Number(s.position.latitude);
  json.Key("longitudeWest");
  json.Number(s.position.longitude);
  json.Key("ghaAries");
  json.Number(s.ghaAries);
}

void SunAndMoon(JsonWriter& json, const AlmanacSnapshot& s) {
  const SunMoonValues v = SunMoonValuesOf(s.catalog, s.events);
  const bool amplitudeSentinel =
      v.amplitude == kEventAboveAllDay || v.amplitude == kEventBelowAllDay;
  json.Key("sun");
  json.BeginObject();
  Body(json, s.catalog, kSunIndex);
  json.Key("semiDiameter");
  json.Number(v.sunSemiDiameter);
  json.Key("meridianPassageUt");
  json.Number(v.meridianPassage);
  json.Key("equationOfTime");
  json.Number(v.equationOfTime);
  json.Key("amplitude");
  if (amplitudeSentinel) {
    json.Null();
  } else {
    json.Number(v.amplitude);
  }
  json.Key("amplitudeText");
  json.String(FormatAmplitudeOrSentinel(v.amplitude));
  json.EndObject();
  json.Key("moon");
  json.BeginObject();
  Body(json, s.catalog, kMoonIndex);
  json.Key("semiDiameter");
  json.Number(v.moonSemiDiameter);
  json.Key("horizontalParallax");
  json.Number(v.moonHorizontalParallax);
  json.Key("illuminatedFraction");
  json.Number(v.moonIlluminatedFraction);
  json.EndObject();
}

void Events(JsonWriter& json, const AlmanacSnapshot& s) {
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
  json.Key("events");
  json.BeginArray();
  for (std::size_t i = 0; i < texts.size(); ++i) {
    json.BeginObject();
    json.Key("event");
    json.String(events[i].name);
    json.Key("ut");
    EventHours(json, events[i].ut);
    json.Key("zoneTime");
    json.String(texts[i]);
    json.EndObject();
  }
  json.EndArray();
}

void Bodies(JsonWriter& json, const char* key, const BodyCatalog& catalog, int first, int last) {
  json.Key(key);
  json.BeginArray();
  for (int k = first; k <= last; ++k) {
    json.BeginObject();
    Body(json, catalog, k);
    MagnitudeMember(json, catalog, k);
    json.EndObject();
  }
  json.EndArray();
}

void AboveHorizon(JsonWriter& json, const BodyCatalog& catalog) {
  json.Key("aboveHorizon");
  json.BeginArray();
  for (int k = kFirstStarIndex; k < kBodyCount; ++k) {
    if (!IsAboveHorizon(catalog, k)) continue;
    json.BeginObject();
    json.Key("name");
    json.String(catalog.entries[k].name);
    HcZnMembers(json, catalog, k);
    MagnitudeMember(json, catalog, k);
    json.EndObject();
  }
  json.EndArray();
}

}  // namespace

std::string JsonReport(const AlmanacSnapshot& snapshot) {
  JsonWriter json;
  json.BeginObject();
  EphemerisMembers(json, snapshot.ephemerisUsed);
  MomentMembers(json, snapshot);
  SunAndMoon(json, snapshot);
  Events(json, snapshot);
  Bodies(json, "planets", snapshot.catalog, kVenusIndex, kSaturnIndex);
  Bodies(json, "stars", snapshot.catalog, kFirstStarIndex, kFirstStarIndex + kStarCount - 1);
  AboveHorizon(json, snapshot.catalog);
  json.EndObject();
  return json.Text() + "\n";
}

}  // namespace nocturna
