#pragma once
// The periodic perturbations of one navigational planet for one moment.
#include "ephemeris/perturbation_rows.h"

namespace nocturna {

// What the perturbation series add to a planet's mean elements and place. Zero where a
// planet's theory has no such term (only Jupiter and Saturn perturb e, a and the perihelion,
// only Saturn the latitude).
struct PlanetPerturbations {
  double meanLongitude = 0.0;  // radians
  double meanAnomaly = 0.0;    // radians
  double longitude = 0.0;      // degrees
  double radiusVector = 0.0;   // astronomical units
  double eccentricity = 0.0;
  double semiMajorAxis = 0.0;  // astronomical units
  double latitude = 0.0;       // radians
};

// Perturbations of planet index (1 Venus, 2 Mars, 3 Jupiter, 4 Saturn) at T Julian centuries
// from 1900 January 0.5 (UT), given the mean anomalies of the Sun and the planets (radians;
// Jupiter and Saturn do not use them)
// and the planet's mean eccentricity e0. Any other index gives no perturbation.
PlanetPerturbations ComputePlanetPerturbations(int index, double centuries,
                                               const MeanAnomalies& anomalies,
                                               double meanEccentricity);

}  // namespace nocturna
