#include "sights/sight_fix.h"

#include <algorithm>
#include <cmath>

#include "foundations/angles.h"
#include "sights/dead_reckoning.h"

namespace nocturna {
namespace {

constexpr int kMaxIterations = 30;
// Below this crossing angle (degrees) the normal equations are too ill-conditioned to solve.
constexpr double kParallelLinesDegrees = 1.0;

struct LineAtEstimate {
  double interceptMiles;
  double sinZn;
  double cosZn;
};

LineAtEstimate LineAt(const FixLine& line, const DeadReckoning& estimate) {
  const DrPosition there = PositionAt(estimate, line.utc);
  const AltitudeAzimuth computed =
      ComputedAltitudeAzimuth(line.ghaDegrees, line.declinationDegrees, there);
  const double zn = DegToRad(computed.znDegrees);
  return {60.0 * (line.observedAltitudeDegrees - computed.hcDegrees), std::sin(zn), std::cos(zn)};
}

double WidestCrossing(const std::vector<LineAtEstimate>& lines) {
  double widest = 0.0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    for (std::size_t j = i + 1; j < lines.size(); ++j) {
      // Lines, not bearings: azimuths 180 deg apart give parallel lines.
      const double cross = std::abs(lines[i].sinZn * lines[j].cosZn - lines[i].cosZn * lines[j].sinZn);
      widest = std::max(widest, RadToDeg(std::asin(std::min(1.0, cross))));
    }
  }
  return widest;
}

}  // namespace

SightFix FixFromLines(const std::vector<FixLine>& lines, const DeadReckoning& dr, DateTime utc) {
  SightFix fix;
  fix.utc = utc;
  DeadReckoning estimate = CarriedTo(dr, utc);
  fix.position = estimate.position;
  if (lines.size() < 2) {
    fix.problem = "a fix needs at least two lines of position";
    return fix;
  }
  std::vector<LineAtEstimate> at(lines.size());
  double nee = 0, nen = 0, nnn = 0;  // the normal matrix, east and north
  for (fix.iterations = 1; fix.iterations <= kMaxIterations; ++fix.iterations) {
    nee = nen = nnn = 0;
    double be = 0, bn = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      at[i] = LineAt(lines[i], estimate);
      nee += at[i].sinZn * at[i].sinZn;
      nen += at[i].sinZn * at[i].cosZn;
      nnn += at[i].cosZn * at[i].cosZn;
      be += at[i].sinZn * at[i].interceptMiles;
      bn += at[i].cosZn * at[i].interceptMiles;
    }
    fix.widestCrossingDegrees = WidestCrossing(at);
    const double det = nee * nnn - nen * nen;
    if (fix.widestCrossingDegrees < kParallelLinesDegrees || det <= 0.0) {
      fix.problem = "the lines of position are parallel: no fix";
      return fix;
    }
    const double east = (nnn * be - nen * bn) / det;
    const double north = (nee * bn - nen * be) / det;
    fix.position = MoveByMiles(fix.position, east, north);
    estimate.position = fix.position;
    if (!(std::abs(fix.position.latitude) <= kHighestFixLatitude) || !std::isfinite(fix.position.longitude)) {
      fix.problem = "the lines of position meet at no real position (past the pole): "
                    "check each sight's date, time and body";
      return fix;
    }
    if (std::hypot(east, north) < kFixConvergenceMiles) break;
  }
  if (fix.iterations > kMaxIterations) {
    fix.problem = "the lines of position do not settle on a fix";
    return fix;
  }
  fix.found = true;
  fix.poorGeometry = fix.widestCrossingDegrees < kPoorCrossingDegrees;

  double squares = 0.0;
  fix.residualsMiles.clear();
  for (const FixLine& line : lines) {
    const double residual = LineAt(line, estimate).interceptMiles;
    fix.residualsMiles.push_back(residual);
    squares += residual * residual;
  }
  const std::size_t freedom = lines.size() - 2;
  fix.ellipseFromResiduals = freedom > 0;
  const double variance = fix.ellipseFromResiduals
                              ? squares / static_cast<double>(freedom)
                              : kAssumedSightErrorMiles * kAssumedSightErrorMiles;
  // Covariance = variance * inverse of the normal matrix; its eigenvalues are the squared
  // semi-axes.
  const double det = nee * nnn - nen * nen;
  const double cee = variance * nnn / det, cnn = variance * nee / det, cen = -variance * nen / det;
  const double mean = 0.5 * (cee + cnn);
  const double half = std::hypot(0.5 * (cee - cnn), cen);
  fix.semiMajorMiles = std::sqrt(mean + half);
  fix.semiMinorMiles = std::sqrt(std::max(0.0, mean - half));
  // The major axis's angle from east, counter-clockwise, turned into a true direction.
  const double fromEast = 0.5 * RadToDeg(std::atan2(2.0 * cen, cee - cnn));
  fix.majorAxisDegrees = std::fmod(90.0 - fromEast + 360.0, 180.0);
  return fix;
}

}  // namespace nocturna
