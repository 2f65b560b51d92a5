#include "ephemeris/planet_perturbations.h"

#include <cmath>

#include "ephemeris/jupiter_perturbations.h"
#include "ephemeris/mars_perturbations.h"
#include "ephemeris/saturn_perturbations.h"
#include "ephemeris/venus_perturbations.h"
#include "foundations/angles.h"

namespace nocturna {

namespace {

PlanetPerturbations VenusTerms(double centuries, const MeanAnomalies& anomalies) {
  PlanetPerturbations terms;
  terms.meanLongitude = DegToRad(0.00077 * std::sin(4.1406 + 2.6227 * centuries));
  terms.meanAnomaly = terms.meanLongitude;
  terms.longitude = SumAnomalyRows(VenusPerturbations::longitude, anomalies);
  terms.radiusVector = SumAnomalyRows(VenusPerturbations::radiusVector, anomalies);
  return terms;
}

PlanetPerturbations MarsTerms(const MeanAnomalies& anomalies) {
  PlanetPerturbations terms;
  const double theta = 3.0 * anomalies.jupiter - 8.0 * anomalies.mars + 4.0 * anomalies.sun;
  terms.meanLongitude = DegToRad(-(0.01133 * std::sin(theta) + 0.00933 * std::cos(theta)));
  terms.meanAnomaly = terms.meanLongitude;
  terms.longitude = SumAnomalyRows(MarsPerturbations::longitude, anomalies);
  terms.radiusVector = SumAnomalyRows(MarsPerturbations::radiusVector, anomalies);
  return terms;
}

// Jupiter and Saturn share the form of their series; Table is JupiterPerturbations or
// SaturnPerturbations, and only Saturn's has latitude rows.
template <typename Table>
PlanetPerturbations OuterTerms(double centuries, double meanEccentricity) {
  constexpr bool kHasLatitude = requires { Table::latitude; };
  const FactorValues factors = OuterPlanetFactors(centuries, kHasLatitude);
  const double nu = 0.2 * centuries + 0.1;
  PlanetPerturbations terms;
  terms.meanLongitude = DegToRad(SumSeriesRows(Table::meanLongitude, factors, nu));
  terms.eccentricity = 1e-07 * SumSeriesRows(Table::eccentricity, factors, nu);
  const double perihelion = SumSeriesRows(Table::perihelion, factors, nu);
  terms.meanAnomaly = terms.meanLongitude - DegToRad(perihelion) / meanEccentricity;
  terms.semiMajorAxis = 1e-06 * SumSeriesRows(Table::semiMajorAxis, factors, nu);
  if constexpr (kHasLatitude) {
    terms.latitude = DegToRad(SumSeriesRows(Table::latitude, factors, nu));
  }
  return terms;
}

}  // namespace

PlanetPerturbations ComputePlanetPerturbations(int index, double centuries,
                                               const MeanAnomalies& anomalies,
                                               double meanEccentricity) {
  switch (index) {
    case 1:
      return VenusTerms(centuries, anomalies);
    case 2:
      return MarsTerms(anomalies);
    case 3:
      return OuterTerms<JupiterPerturbations>(centuries, meanEccentricity);
    case 4:
      return OuterTerms<SaturnPerturbations>(centuries, meanEccentricity);
    default:
      return {};
  }
}

}  // namespace nocturna
