#pragma once
// The per-body record of the Sun, a planet or the Moon, and of the day's events.
// It begins with the catalog entry's fields so name, magnitude, declination and SHA
// sit in the same places in both.
#include <array>

#include "ephemeris/celestial_body.h"

namespace nocturna {

// Event sentinels (UT-hour fields of the events record).
inline constexpr double kEventAboveAllDay = -1.0;  // shown "CP"
inline constexpr double kEventBelowAllDay = -2.0;  // shown "NR"
inline constexpr double kNoPrimeVertical = -3.0;   // shown "NC"
// The precise events only: the body crosses the event's altitude, but not on this zone day.
inline constexpr double kEventNotThisDay = -4.0;  // shown "none"

// Whether an event field holds one of the sentinels rather than a time. A prime-vertical
// crossing may be a real negative UT hour (the morning crossing before 0h UT).
constexpr bool IsEventSentinel(double hours) {
  return hours == kEventAboveAllDay || hours == kEventBelowAllDay || hours == kNoPrimeVertical ||
         hours == kEventNotThisDay;
}

struct BodyEphemeris : CelestialBody {
  // Sun fields (written by SunPosition; planets and Moon reuse them as documented).
  double trueLongitude = 0.0;     // radians 0..2pi
  double radiusVector = 0.0;      // astronomical units
  double eccentricAnomaly = 0.0;  // radians
  double trueAnomaly = 0.0;       // radians
  double meanAnomaly = 0.0;       // radians
  double unused = 0.0;
  double rightAscension = 0.0;  // degrees 0..360
  double riseAzimuth = 0.0;
  double setAzimuth = 0.0;
  double eccentricity = 0.0;
  // The day's Sun events, UT hours or a sentinel (events record only).
  double sunrise = 0.0;
  double sunset = 0.0;
  double civilMorning = 0.0;
  double civilEvening = 0.0;
  double nauticalMorning = 0.0;
  double nauticalEvening = 0.0;
  double amplitudeAngle = 0.0;   // degrees, positive north of east
  double meridianPassage = 0.0;  // UT hours
  double pvcMorning = 0.0;
  double pvcEvening = 0.0;
  double equationOfTime = 0.0;  // minutes of time, no sign
  // Planet mean elements (planet records only).
  double meanLongitude = 0.0;        // degrees, not reduced
  double dailyMotion = 0.0;          // degrees per day
  double perihelionLongitude = 0.0;  // degrees
  double meanEccentricity = 0.0;
  double inclination = 0.0;    // degrees
  double nodeLongitude = 0.0;  // degrees
  double semiMajorAxis = 0.0;  // astronomical units
  double diameterAt1Au = 0.0;  // arc seconds
  // Moon quantities (Moon record, and the events record while it searches moonrise/moonset).
  double eclipticLatitude = 0.0;     // radians
  double eclipticLongitude = 0.0;    // radians 0..2pi, mean equinox of date
  double horizontalParallax = 0.0;   // degrees
  double distance = 0.0;             // kilometres
  double semiDiameter = 0.0;         // degrees
  double illuminatedFraction = 0.0;  // 0..1
  // Moon events (events record only), UT hours or a sentinel.
  double moonrise = 0.0;
  double moonset = 0.0;
  // Every body record (Sun, planets, Moon) of both ephemerides: the distance from the Earth's
  // centre, astronomical units, from which the parallax is taken.
  double geocentricDistanceAu = 0.0;
};

// The day's events record is an ephemeris record kept apart from the catalog's Sun.
using SunEventsRecord = BodyEphemeris;

// The Sun then Venus, Mars, Jupiter, Saturn.
using SunPlanetRecords = std::array<BodyEphemeris, 5>;

// A pair of angles returned by the theories: declination then right ascension, radians.
struct EquatorialPlace {
  double declination = 0.0;
  double rightAscension = 0.0;
};

}  // namespace nocturna
