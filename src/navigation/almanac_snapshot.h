#pragma once
// One almanac computation: the day's Sun and Moon events for the zone date and the DR
// position, then every body brought to the UT moment and reduced for that position. The
// chart's paint and the command-line almanac run the same steps through these functions.
#include <span>
#include <vector>

#include "ephemeris/astro_moment.h"
#include "ephemeris/body_ephemeris.h"
#include "ephemeris/ephemeris_choice.h"
#include "foundations/date_time.h"
#include "foundations/dr_position.h"
#include "navigation/body_catalog.h"
#include "navigation/ephemeris_report.h"

namespace nocturna {

// A moment as zone date and clock time and as UT date and clock time (whole seconds).
struct AlmanacMoment {
  CalendarDate zoneDate;
  ClockTime zoneClock;
  CalendarDate utDate;
  ClockTime utClock;
};

// The moment of a zone date-time (days since 1899-12-30) and a zone description (hours, west
// positive): UT = zone time + zoneDescription.
AlmanacMoment AlmanacMomentOf(DateTime zoneTime, int zoneDescription);

// The day's events into `events` for the zone date at the position (degrees, north and WEST
// positive): Sun events, Moon events, then meridian passage and prime-vertical crossings,
// in that order (event times in UT hours or sentinels). The precise choice searches the
// same zone day by root finding (times in UTC hours); a date it refuses gets the standard run.
void RunDailyEphemeris(SunEventsRecord& events, const CalendarDate& zoneDate,
                       const DrPosition& position, const EphemerisChoice& choice = {});

// RunDailyEphemeris at each latitude (whole degrees, north positive) on one meridian (degrees,
// west positive), a record each; the precise choice computes the Sun's and the Moon's day once
// for them all.
std::vector<SunEventsRecord> RunDailyEphemerisAlongMeridian(const CalendarDate& zoneDate,
                                                            std::span<const int> latitudes, double longitude,
                                                            const EphemerisChoice& choice);

// All 64 bodies to the UT moment (SHA, GHA, declination; degrees) and their Hc and Zn for the
// position. Returns GHA Aries in degrees. Allocates nothing. The precise choice takes the
// moment as UTC (ReportEphemeris gives its DUT1 and Delta T); a moment or DUT1 it refuses gets
// the standard theory.
double ComputeMomentPositions(BodyCatalog& catalog, const CalendarDate& utDate,
                              const ClockTime& utClock, const DrPosition& position,
                              const EphemerisChoice& choice = {});

// The places of one body (catalog position 1..63) at a UT moment by the chosen ephemeris, as
// ComputeMomentPositions leaves them, with none of the other bodies' work (the standard
// ephemeris fills the whole catalog, which costs it little; hc and zn are not filled). Returns
// GHA Aries in degrees.
double ComputeMomentBody(BodyCatalog& catalog, const CalendarDate& utDate, const ClockTime& utClock,
                         int bodyIndex, const EphemerisChoice& choice = {});

// Everything one moment and place give, computed from scratch.
struct AlmanacSnapshot {
  AlmanacMoment moment;
  int zoneDescription = 0;  // hours, west positive
  DrPosition position;      // degrees, north and WEST positive
  BodyCatalog catalog;
  SunEventsRecord events;   // the zone date's events, UT hours or sentinels
  double ghaAries = 0;      // degrees
  EphemerisChoice ephemeris;  // the theory asked for
  EphemerisReport ephemerisUsed;  // the theory that filled the catalog and the records
};

// A fresh catalog, the daily run for the zone date, then the UT moment.
AlmanacSnapshot TakeAlmanacSnapshot(DateTime zoneTime, int zoneDescription,
                                    const DrPosition& position,
                                    const EphemerisChoice& choice = {});

}  // namespace nocturna
