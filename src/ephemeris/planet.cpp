#include "ephemeris/planet.h"

#include <algorithm>
#include <cmath>

#include "ephemeris/celestial_body.h"
#include "ephemeris/ecliptic.h"
#include "ephemeris/julian.h"
#include "ephemeris/kepler.h"
#include "ephemeris/nutation.h"
#include "ephemeris/planet_perturbations.h"
#include "foundations/angles.h"

namespace nocturna {

namespace {

constexpr int kFirstPlanet = 1;
constexpr int kLastPlanet = 4;
constexpr const char* kPlanetNames[] = {"Venus", "Mars", "Jupiter", "Saturn"};

// Light-time in days for one astronomical unit.
constexpr double kLightDaysPerAu = 0.005775518;
// Constant of annual aberration, radians.
constexpr double kAberration = 9.9387e-05;
// Below this illuminated fraction the magnitude takes this fraction: a planet exactly at
// inferior conjunction stays very faint instead of becoming infinite.
constexpr double kLeastIlluminatedFraction = 1e-12;

// The heliocentric place and the Earth distance of one pass.
struct HeliocentricPlace {
  double longitude = 0.0;         // l, radians
  double latitude = 0.0;          // b, radians
  double radiusVector = 0.0;      // r, astronomical units
  double projectedRadius = 0.0;   // r cos b, astronomical units
  double earthDistance = 0.0;     // Delta, astronomical units
};

// Venus's and Mars's series follow the light-time corrected mean anomalies; Jupiter's and
// Saturn's depend on the time alone, so both passes share them.
bool SeriesFollowLightTime(int index) { return index <= 2; }

double MeanAnomalyOf(const BodyEphemeris& planet, double lightTime) {
  return DegToRad(planet.meanLongitude - planet.perihelionLongitude -
                  planet.dailyMotion * lightTime);
}

// One pass of the theory with the light-time tau (days) of the previous pass; writes the
// record's eccentricity, meanAnomaly, eccentricAnomaly and trueAnomaly. terms holds the
// perturbations, renewed here where they follow the light-time.
HeliocentricPlace PlanetPass(SunPlanetRecords& records, int index, double centuries,
                             double lightTime, PlanetPerturbations& terms) {
  const BodyEphemeris& sun = records[0];
  BodyEphemeris& planet = records[index];
  MeanAnomalies anomalies;
  anomalies.sun = sun.meanAnomaly;
  anomalies.venus = MeanAnomalyOf(records[1], lightTime);
  anomalies.mars = MeanAnomalyOf(records[2], lightTime);
  anomalies.jupiter = MeanAnomalyOf(records[3], lightTime);
  const double saturnAnomaly = MeanAnomalyOf(records[4], lightTime);
  const double ownAnomaly = index == 1   ? anomalies.venus
                            : index == 2 ? anomalies.mars
                            : index == 3 ? anomalies.jupiter
                                         : saturnAnomaly;

  if (SeriesFollowLightTime(index)) {
    terms = ComputePlanetPerturbations(index, centuries, anomalies, planet.meanEccentricity);
  }
  planet.eccentricity = planet.meanEccentricity + terms.eccentricity;
  planet.meanAnomaly = ownAnomaly + terms.meanAnomaly;
  const double trueAnomaly = SolveKepler(planet);

  const double e = planet.eccentricity;
  HeliocentricPlace place;
  place.radiusVector = (1.0 - e * e) * (planet.semiMajorAxis + terms.semiMajorAxis) /
                           (1.0 + e * std::cos(trueAnomaly)) +
                       terms.radiusVector;
  const double node = DegToRad(planet.nodeLongitude);
  const double u = DegToRad(RadToDeg(terms.meanLongitude - terms.meanAnomaly) +
                            RadToDeg(trueAnomaly) + planet.perihelionLongitude) -
                   node;
  const double inclination = DegToRad(planet.inclination);
  const double sinU = std::sin(u);
  place.latitude = std::asin(std::sin(inclination) * sinU) + terms.latitude;
  place.longitude = std::atan2(std::cos(inclination) * sinU, std::cos(u)) + node +
                    DegToRad(terms.longitude);
  if (place.longitude > kTwoPi) place.longitude -= kTwoPi;

  const double earthLongitude = sun.trueLongitude + kPi;
  const double sunDistance = sun.radiusVector;
  const double r = place.radiusVector;
  place.projectedRadius = r * std::cos(place.latitude);
  place.earthDistance =
      std::sqrt(sunDistance * sunDistance + r * r -
                2.0 * sunDistance * place.projectedRadius *
                    std::cos(place.longitude - earthLongitude));
  return place;
}

}  // namespace

EquatorialPlace ComputePlanet(SunPlanetRecords& records, int index, const AstroMoment& moment) {
  if (index < kFirstPlanet || index > kLastPlanet) return {};
  const double centuries = ToJulian(moment).days1900 * kCenturiesPerDay;

  PlanetPerturbations terms;
  if (!SeriesFollowLightTime(index)) {
    terms = ComputePlanetPerturbations(index, centuries, MeanAnomalies{},
                                       records[index].meanEccentricity);
  }
  const HeliocentricPlace firstPass = PlanetPass(records, index, centuries, 0.0, terms);
  const HeliocentricPlace place =
      PlanetPass(records, index, centuries, kLightDaysPerAu * firstPass.earthDistance, terms);

  const BodyEphemeris& sun = records[0];
  const double earthLongitude = sun.trueLongitude + kPi;
  const double sunDistance = sun.radiusVector;
  const double l = place.longitude;
  const double s = std::sin(l - earthLongitude);
  const double c = std::cos(l - earthLongitude);
  double lambda =
      index == 1
          ? std::atan2(-place.projectedRadius * s, sunDistance - place.projectedRadius * c) +
                earthLongitude + kPi
          : std::atan2(sunDistance * s, place.projectedRadius - sunDistance * c) + l;
  while (lambda < 0.0) lambda += kTwoPi;
  while (lambda > kTwoPi) lambda -= kTwoPi;

  double beta = std::atan(place.projectedRadius * std::sin(place.latitude) *
                          std::sin(lambda - l) /
                          (std::cos(place.latitude) * sunDistance * s));

  double dPsi = 0.0;
  double dEps = 0.0;
  Nutation(moment, dPsi, dEps);
  lambda += DegToRad(dPsi);

  const double theta = earthLongitude + kPi - lambda;
  const double geometricBeta = beta;
  lambda -= kAberration * std::cos(theta) / std::cos(geometricBeta);
  beta -= kAberration * std::sin(theta) * std::sin(geometricBeta);

  BodyEphemeris& planet = records[index];
  const EquatorialPlace equatorial = EclipticToEquatorial(planet, beta, lambda, moment, -1);
  planet.declination = RadToDeg(equatorial.declination);

  const double illuminated =
      std::max((1.0 + std::cos(lambda - l)) * 0.5, kLeastIlluminatedFraction);
  planet.magnitude +=
      5.0 * std::log10(place.radiusVector * place.earthDistance / std::sqrt(illuminated));
  SetBodyName(planet, kPlanetNames[index - kFirstPlanet]);
  return equatorial;
}

}  // namespace nocturna
