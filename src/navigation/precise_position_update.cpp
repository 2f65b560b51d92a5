#include "navigation/precise_position_update.h"

#include <cmath>

#include "ephemeris/precise/apparent_frame.h"
#include "ephemeris/precise/disc_constants.h"
#include "ephemeris/precise/planet_magnitudes.h"
#include "ephemeris/precise/precise_moon.h"
#include "ephemeris/precise/precise_planets.h"
#include "ephemeris/precise/precise_stars.h"
#include "ephemeris/precise/precise_sun.h"
#include "ephemeris/precise/vsop87_bodies.h"
#include "navigation/hour_angle.h"
#include "navigation/position_update.h"

namespace nocturna {
namespace {

constexpr std::int32_t kPlanetDisplayCode = 119;  // 'w'
constexpr std::int32_t kDiscDisplayCode = 121;    // 'y'
// The catalog draws a disc of 6 - magnitude; for the Sun and the Moon that is the semi-diameter
// in minutes of arc, as the standard update sets it.
constexpr double kDiscMagnitudeBase = 6.0;

static_assert(kPreciseStarCount == kStarCount);

void SetPlace(CelestialBody& body, const ApparentPlace& place) {
  body.sha = ReduceHourAngle(360.0 - place.rightAscension);
  body.declination = place.declination;
}

void SetRecord(BodyEphemeris& record, const char* name, double magnitude,
               const ApparentPlace& place, double radiusVector) {
  SetBodyName(record, name);
  record.magnitude = magnitude;
  SetPlace(record, place);
  record.rightAscension = place.rightAscension;
  record.radiusVector = radiusVector;
}

void CopyToEntry(CelestialBody& entry, std::int32_t displayCode, double magnitude,
                 const BodyEphemeris& record) {
  SetBodyName(entry, record.name);
  entry.displayCode = displayCode;
  entry.magnitude = magnitude;
  entry.sha = record.sha;
  entry.declination = record.declination;
}

struct PlanetOfRecord {
  int record;
  const char* name;
  const VsopBody& (*series)();
};

constexpr PlanetOfRecord kPlanets[] = {
    {kVenusRecord, "Venus", Vsop87bVenus},
    {kMarsRecord, "Mars", Vsop87bMars},
    {kJupiterRecord, "Jupiter", Vsop87bJupiter},
    {kSaturnRecord, "Saturn", Vsop87bSaturn},
};

double MagnitudeOf(int record, const ApparentPlanet& planet) {
  const double r = planet.sunDistanceAu;
  const double delta = planet.distanceAu;
  switch (record) {
    case kVenusRecord: return VenusMagnitude(r, delta, planet.phaseAngle);
    case kMarsRecord: return MarsMagnitude(r, delta, planet.phaseAngle);
    case kJupiterRecord: return JupiterMagnitude(r, delta, planet.phaseAngle);
    default: return SaturnMagnitude(r, delta, planet.phaseAngle, planet.ringTiltSine);
  }
}

// Apparent minus mean solar time, minutes of time without sign (as the records keep it): the
// Sun's GHA against the mean Sun's, 15 degrees an hour of UT1 from 12h.
double EquationOfTimeMinutes(double sunGha, const PreciseInstant& instant) {
  const double dayFraction = std::fmod(instant.ut1Jd1 - 0.5, 1.0) + std::fmod(instant.ut1Jd2, 1.0);
  const double meanSunGha = 360.0 * dayFraction - 180.0;
  const double difference = std::remainder(sunGha - meanSunGha, 360.0);
  return std::fabs(difference) * 4.0;
}

// Illuminated fraction of the Moon's disc from the geocentric elongation of the Moon from the
// Sun (both apparent places) and the two distances.
double MoonIlluminatedFraction(const ApparentPlace& moon, double moonDistanceKm,
                               const ApparentPlace& sun, double sunDistanceAu) {
  const double elongation =
      eraSeps(moon.rightAscension * ERFA_DD2R, moon.declination * ERFA_DD2R,
              sun.rightAscension * ERFA_DD2R, sun.declination * ERFA_DD2R);
  const double sunKm = sunDistanceAu * kAstronomicalUnitKm;
  const double phaseAngle = std::atan2(sunKm * std::sin(elongation),
                                       moonDistanceKm - sunKm * std::cos(elongation));
  return (1.0 + std::cos(phaseAngle)) * 0.5;
}

void FillStars(BodyCatalog& catalog, const ApparentFrame& frame) {
  ApparentPlace stars[kPreciseStarCount];
  ApparentStarsOf(frame, stars);
  for (int k = 0; k < kStarCount; ++k) SetPlace(catalog.entries[kFirstStarIndex + k], stars[k]);
}

void FillPlanet(BodyCatalog& catalog, const ApparentFrame& frame, const PlanetOfRecord& p,
                const PreciseInstant& instant) {
  const ApparentPlanet planet = ApparentPlanetOf(frame, p.series(), instant);
  BodyEphemeris& record = catalog.sunPlanetRecords[p.record];
  SetRecord(record, p.name, MagnitudeOf(p.record, planet), planet.place, planet.sunDistanceAu);
  record.geocentricDistanceAu = planet.distanceAu;
  CopyToEntry(catalog.entries[kVenusIndex + p.record - kVenusRecord], kPlanetDisplayCode,
              record.magnitude, record);
}

ApparentSun FillSun(BodyCatalog& catalog, const ApparentFrame& frame, const PreciseInstant& instant) {
  const ApparentSun sun = ApparentSunOf(frame);
  BodyEphemeris& sunRecord = catalog.sunPlanetRecords[kSunRecord];
  SetRecord(sunRecord, "Sun", 0.0, sun.place, sun.distanceAu);
  sunRecord.geocentricDistanceAu = sun.distanceAu;
  sunRecord.equationOfTime = EquationOfTimeMinutes(sun.place.gha, instant);
  CopyToEntry(catalog.entries[kSunIndex], kDiscDisplayCode,
              kDiscMagnitudeBase - SunSemiDiameterMinutes(sun.distanceAu), sunRecord);
  return sun;
}

void FillMoon(BodyCatalog& catalog, const ApparentFrame& frame, const PreciseInstant& instant,
              const ApparentSun& sun) {
  const ApparentMoon moon = ApparentMoonOf(frame, instant);
  BodyEphemeris& moonRecord = catalog.moonRecord;
  SetRecord(moonRecord, "Moon", 0.0, moon.place, 0.0);
  moonRecord.horizontalParallax = moon.horizontalParallax;
  moonRecord.semiDiameter = moon.semiDiameter;
  moonRecord.distance = moon.distanceKm;
  moonRecord.geocentricDistanceAu = moon.distanceKm / kAstronomicalUnitKm;
  moonRecord.illuminatedFraction =
      MoonIlluminatedFraction(moon.place, moon.distanceKm, sun.place, sun.distanceAu);
  CopyToEntry(catalog.entries[kMoonIndex], kDiscDisplayCode,
              kDiscMagnitudeBase - 60.0 * moon.semiDiameter, moonRecord);
}

}  // namespace

double ComputePrecisePositions(BodyCatalog& catalog, const PreciseInstant& instant) {
  const ApparentFrame frame = MakeApparentFrame(instant);
  FillStars(catalog, frame);
  for (const PlanetOfRecord& p : kPlanets) FillPlanet(catalog, frame, p, instant);
  FillMoon(catalog, frame, instant, FillSun(catalog, frame, instant));
  const double ghaAries = GhaAriesOf(frame);
  for (int k = 0; k < kBodyCount; ++k) {
    catalog.gha[k] = ReduceHourAngle(catalog.entries[k].sha + ghaAries);
  }
  return ghaAries;
}

double ComputePreciseBody(BodyCatalog& catalog, const PreciseInstant& instant, int bodyIndex) {
  const ApparentFrame frame = MakeApparentFrame(instant);
  if (bodyIndex >= kFirstStarIndex && bodyIndex < kFirstStarIndex + kStarCount) {
    FillStars(catalog, frame);
  } else if (bodyIndex >= kVenusIndex && bodyIndex <= kSaturnIndex) {
    FillPlanet(catalog, frame, kPlanets[bodyIndex - kVenusIndex], instant);
  } else if (bodyIndex == kSunIndex) {
    FillSun(catalog, frame, instant);
  } else if (bodyIndex == kMoonIndex) {
    FillMoon(catalog, frame, instant, FillSun(catalog, frame, instant));
  }
  const double ghaAries = GhaAriesOf(frame);
  catalog.gha[kAriesIndex] = ReduceHourAngle(catalog.entries[kAriesIndex].sha + ghaAries);
  if (bodyIndex > kAriesIndex && bodyIndex < kBodyCount)
    catalog.gha[bodyIndex] = ReduceHourAngle(catalog.entries[bodyIndex].sha + ghaAries);
  return ghaAries;
}

}  // namespace nocturna
