#include "navigation/position_update.h"

#include <cmath>

#include "ephemeris/julian.h"
#include "ephemeris/precise/disc_constants.h"
#include "foundations/angles.h"
#include "ephemeris/moon.h"
#include "ephemeris/sun_and_planets.h"
#include "navigation/star_positions.h"

namespace nocturna {

namespace {

constexpr std::int32_t kPlanetDisplayCode = 119;  // 'w'
constexpr std::int32_t kDiscDisplayCode = 121;    // 'y'
// The catalog draws a disc of 6 - magnitude; for the Sun and the Moon that is the semi-diameter
// in minutes of arc.
constexpr double kDiscMagnitudeBase = 6.0;

void SetEntry(CelestialBody& entry, const char* name, std::int32_t displayCode,
              double magnitude, const BodyEphemeris& record) {
  SetBodyName(entry, name);
  entry.displayCode = displayCode;
  entry.magnitude = magnitude;
  entry.sha = record.sha;
  entry.declination = record.declination;
}

}  // namespace

double SunSemiDiameterMinutes(double radiusVector) {
  // Half of the Sun's diameter at one astronomical unit, 0.533128 degrees, in minutes of arc.
  return 30.0 * 0.533128 / radiusVector;
}

// A planet's distance from the Earth in astronomical units from its elements in the record
// (radius vector from the eccentric anomaly, heliocentric longitude from the true anomaly),
// or 0 when the record holds no elements.
double PlanetEarthDistance(const SunPlanetRecords& records, int record) {
  const BodyEphemeris& planet = records[record];
  const BodyEphemeris& sun = records[kSunRecord];
  if (planet.semiMajorAxis <= 0.0 || sun.radiusVector <= 0.0) return 0.0;
  const double r = planet.semiMajorAxis * (1.0 - planet.eccentricity * std::cos(planet.eccentricAnomaly));
  const double longitude = planet.trueAnomaly + DegToRad(planet.perihelionLongitude);
  const double earthLongitude = sun.trueLongitude + kPi;
  const double R = sun.radiusVector;
  return std::sqrt(R * R + r * r - 2.0 * R * r * std::cos(longitude - earthLongitude));
}

void ComputeSolarSystemBodies(BodyCatalog& catalog, const CalendarDate& utDate,
                              const ClockTime& utTime) {
  const AstroMoment moment = MakeAstroMoment(utDate.month, utDate.day, utDate.year,
                                             utTime.hour, utTime.minute, utTime.second);
  SunPlanetRecords& records = catalog.sunPlanetRecords;
  ComputeSunAndPlanets(moment, records);
  records[kSunRecord].geocentricDistanceAu = records[kSunRecord].radiusVector;
  for (int planet = 1; planet <= 4; ++planet) {
    BodyEphemeris& record = records[planet];
    record.geocentricDistanceAu = PlanetEarthDistance(records, planet);
    SetEntry(catalog.entries[kVenusIndex + planet - 1], record.name, kPlanetDisplayCode,
             record.magnitude, record);
  }

  const BodyEphemeris& sun = records[kSunRecord];
  SetEntry(catalog.entries[kSunIndex], "Sun", kDiscDisplayCode,
           kDiscMagnitudeBase - SunSemiDiameterMinutes(sun.radiusVector), sun);

  ComputeMoon(catalog.moonRecord, moment);
  catalog.moonRecord.geocentricDistanceAu = catalog.moonRecord.distance / kAstronomicalUnitKm;
  const BodyEphemeris& moon = catalog.moonRecord;
  SetEntry(catalog.entries[kMoonIndex], "Moon", kDiscDisplayCode,
           kDiscMagnitudeBase - 60.0 * moon.semiDiameter, moon);
}

double ComputePositions(BodyCatalog& catalog, const CalendarDate& utDate,
                        const ClockTime& utTime) {
  ComputeSolarSystemBodies(catalog, utDate, utTime);
  return ComputeStarPositions(catalog, utDate, utTime);
}

}  // namespace nocturna
