#include "navigation/almanac_snapshot.h"

#include <cstdint>

#include "ephemeris/moon_events.h"
#include "ephemeris/precise/precise_events.h"
#include "ephemeris/precise/precise_time.h"
#include "ephemeris/sun_events.h"
#include "navigation/position_update.h"
#include "navigation/precise_position_update.h"
#include "navigation/sight_reduction.h"

namespace nocturna {
namespace {

void Decode(DateTime value, CalendarDate& date, ClockTime& clock) {
  const DecodedDateTime parts = DecodeDateTime(value);
  date = CalendarDate{static_cast<std::uint16_t>(parts.month), static_cast<std::uint16_t>(parts.day),
                      static_cast<std::uint16_t>(parts.year)};
  clock = ClockTime{static_cast<std::uint16_t>(parts.hour), static_cast<std::uint16_t>(parts.minute),
                    static_cast<std::uint16_t>(parts.second)};
}

void RunStandardDailyEphemeris(SunEventsRecord& events, const CalendarDate& zoneDate, const DrPosition& position) {
  ComputeSunEvents(events, zoneDate, position);
  ComputeMoonEvents(events, zoneDate, position);
  ComputeSunMeridianAndPvc(events, zoneDate, position.latitude, position.longitude);
}

}  // namespace

AlmanacMoment AlmanacMomentOf(DateTime zoneTime, int zoneDescription) {
  AlmanacMoment moment;
  Decode(zoneTime, moment.zoneDate, moment.zoneClock);
  Decode(zoneTime + zoneDescription / 24.0, moment.utDate, moment.utClock);
  return moment;
}

void RunDailyEphemeris(SunEventsRecord& events, const CalendarDate& zoneDate,
                       const DrPosition& position, const EphemerisChoice& choice) {
  if (choice.kind == EphemerisKind::precise &&
      ComputePreciseEvents(events, zoneDate, position, choice.dut1Seconds, choice.dut1Table.get()) == nullptr) {
    return;
  }
  RunStandardDailyEphemeris(events, zoneDate, position);
}

std::vector<SunEventsRecord> RunDailyEphemerisAlongMeridian(const CalendarDate& zoneDate,
                                                            std::span<const int> latitudes, double longitude,
                                                            const EphemerisChoice& choice) {
  std::vector<SunEventsRecord> records(latitudes.size());
  PreciseEventTracks tracks;
  const bool precise = choice.kind == EphemerisKind::precise &&
                       PreciseEventTracksOf(tracks, zoneDate, longitude, choice.dut1Seconds,
                                            choice.dut1Table.get()) == nullptr;
  for (std::size_t i = 0; i < latitudes.size(); ++i) {
    const DrPosition position{static_cast<double>(latitudes[i]), longitude};
    if (precise) {
      ComputePreciseEventsOnTracks(records[i], tracks, position);
    } else {
      RunStandardDailyEphemeris(records[i], zoneDate, position);
    }
  }
  return records;
}

double ComputeMomentPositions(BodyCatalog& catalog, const CalendarDate& utDate,
                              const ClockTime& utClock, const DrPosition& position,
                              const EphemerisChoice& choice) {
  double ghaAries = 0;
  const PreciseInstantOutcome precise =
      choice.kind == EphemerisKind::precise ? PreciseInstantOf(utDate, utClock, choice.dut1Seconds,
                                                                     choice.dut1Table.get())
                                            : PreciseInstantOutcome{};
  if (choice.kind == EphemerisKind::precise && precise.error == nullptr) {
    ghaAries = ComputePrecisePositions(catalog, precise.instant);
  } else {
    ghaAries = ComputePositions(catalog, utDate, utClock);
  }
  ReduceSights(catalog, position.latitude, position.longitude);
  return ghaAries;
}

double ComputeMomentBody(BodyCatalog& catalog, const CalendarDate& utDate, const ClockTime& utClock,
                         int bodyIndex, const EphemerisChoice& choice) {
  if (choice.kind == EphemerisKind::precise) {
    const PreciseInstantOutcome precise =
        PreciseInstantOf(utDate, utClock, choice.dut1Seconds, choice.dut1Table.get());
    if (precise.error == nullptr) return ComputePreciseBody(catalog, precise.instant, bodyIndex);
  }
  return ComputePositions(catalog, utDate, utClock);
}

AlmanacSnapshot TakeAlmanacSnapshot(DateTime zoneTime, int zoneDescription,
                                    const DrPosition& position, const EphemerisChoice& choice) {
  AlmanacSnapshot snapshot{AlmanacMomentOf(zoneTime, zoneDescription), zoneDescription, position,
                           BuildCatalog(), SunEventsRecord{}, 0.0, choice, EphemerisReport{}};
  snapshot.ephemerisUsed =
      ReportEphemeris(choice, snapshot.moment.utDate, snapshot.moment.utClock);
  RunDailyEphemeris(snapshot.events, snapshot.moment.zoneDate, position, choice);
  snapshot.ghaAries = ComputeMomentPositions(snapshot.catalog, snapshot.moment.utDate,
                                             snapshot.moment.utClock, position, choice);
  return snapshot;
}

}  // namespace nocturna
