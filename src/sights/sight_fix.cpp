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

// The angle (degrees, 0..90) at which two lines cross: lines, not bearings, so azimuths 180
// degrees apart give parallel lines.
double Crossing(const LineAtEstimate& a, const LineAtEstimate& b) {
  const double cross = std::abs(a.sinZn * b.cosZn - a.cosZn * b.sinZn);
  return RadToDeg(std::asin(std::min(1.0, cross)));
}

// The best crossing of any two lines: with the lines' directions sorted (modulo 180 degrees),
// each line's best partner is the one nearest square to it, found by bisection.
double WidestCrossing(const std::vector<LineAtEstimate>& lines) {
  std::vector<std::pair<double, std::size_t>> directions;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const double zn = RadToDeg(std::atan2(lines[i].sinZn, lines[i].cosZn));
    directions.emplace_back(std::fmod(zn + 360.0, 180.0), i);
  }
  std::sort(directions.begin(), directions.end());
  double widest = 0.0;
  for (const auto& [direction, index] : directions) {
    const double square = std::fmod(direction + 90.0, 180.0);
    auto next = std::lower_bound(directions.begin(), directions.end(), std::make_pair(square, std::size_t{0}));
    if (next == directions.end()) next = directions.begin();
    const auto before = next == directions.begin() ? directions.end() - 1 : next - 1;
    widest = std::max({widest, Crossing(lines[index], lines[next->second]),
                       Crossing(lines[index], lines[before->second])});
  }
  return widest;
}

// The normal matrix of the lines' east and north unknowns.
struct NormalMatrix {
  double ee, en, nn;
};

// Each line's residual at the fix, and the error ellipse from them (or from an assumed sight
// error when two lines leave no freedom).
void AddResidualsAndEllipse(const std::vector<FixLine>& lines, const DeadReckoning& estimate,
                            const NormalMatrix& normal, SightFix& fix) {
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
  const double det = normal.ee * normal.nn - normal.en * normal.en;
  const double cee = variance * normal.nn / det, cnn = variance * normal.ee / det,
               cen = -variance * normal.en / det;
  const double mean = 0.5 * (cee + cnn);
  const double half = std::hypot(0.5 * (cee - cnn), cen);
  fix.semiMajorMiles = std::sqrt(mean + half);
  fix.semiMinorMiles = std::sqrt(std::max(0.0, mean - half));
  // The major axis's angle from east, counter-clockwise, turned into a true direction.
  const double fromEast = 0.5 * RadToDeg(std::atan2(2.0 * cen, cee - cnn));
  fix.majorAxisDegrees = std::fmod(90.0 - fromEast + 360.0, 180.0);
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

  AddResidualsAndEllipse(lines, estimate, {nee, nen, nnn}, fix);
  return fix;
}

}  // namespace nocturna
