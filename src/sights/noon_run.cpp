#include "sights/noon_run.h"

#include <algorithm>
#include <cmath>

#include "sights/body_place.h"
#include "sights/dead_reckoning.h"
#include "sights/least_squares.h"
#include "sights/local_apparent_noon.h"

namespace nocturna {
namespace {

constexpr double kHoursPerDay = 24.0;
constexpr int kFewestShots = 3;
// The maximum may fall a little outside the run (shots all before or after noon), not far.
constexpr double kMaximumBeyondRunHours = 0.25;

// The meridian altitude the ship and the Sun would give at `utc`: what the run's altitudes
// are corrected by, so that only the hour angle moves them.
double MeridianAltitudeAt(BodyCatalog& scratch, DateTime utc, const DeadReckoning& dr,
                          const EphemerisChoice& choice) {
  const DrPosition at = PositionAt(dr, utc);
  return MeridianAltitude(at.latitude, PlaceOfBody(scratch, kSunIndex, utc, choice).declinationDegrees);
}

}  // namespace

NoonRun FitNoonRun(BodyCatalog& scratch, const std::vector<TimedAltitude>& shots, const DeadReckoning& dr,
                   const EphemerisChoice& choice) {
  NoonRun result;
  if (static_cast<int>(shots.size()) < kFewestShots) {
    result.refusal = "A noon run needs at least three shots.";
    return result;
  }
  const auto [first, last] = std::minmax_element(
      shots.begin(), shots.end(), [](const TimedAltitude& a, const TimedAltitude& b) { return a.utc < b.utc; });
  const DateTime middle = 0.5 * (first->utc + last->utc);
  const double middleMeridian = MeridianAltitudeAt(scratch, middle, dr, choice);
  std::vector<std::vector<double>> rows;
  std::vector<double> values;
  for (const TimedAltitude& shot : shots) {
    const double hours = (shot.utc - middle) * kHoursPerDay;
    rows.push_back({1.0, hours, hours * hours});
    values.push_back(shot.observedAltitudeDegrees -
                     (MeridianAltitudeAt(scratch, shot.utc, dr, choice) - middleMeridian));
  }
  const auto fit = SolveLeastSquares(rows, values);
  const double halfSpanHours = 0.5 * (last->utc - first->utc) * kHoursPerDay;
  if (!fit || !((*fit)[2] < 0.0)) {
    result.refusal = "The shots show no maximum: they must straddle meridian passage.";
    return result;
  }
  const double peakHours = -(*fit)[1] / (2.0 * (*fit)[2]);
  if (std::fabs(peakHours) > halfSpanHours + kMaximumBeyondRunHours) {
    result.refusal = "The fitted maximum falls far outside the run: the shots are too far from noon.";
    return result;
  }
  double squares = 0.0;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const double h = rows[i][1];
    const double residual = values[i] - ((*fit)[0] + (*fit)[1] * h + (*fit)[2] * h * h);
    squares += residual * residual;
  }
  result.rmsResidualMinutes = 60.0 * std::sqrt(squares / static_cast<double>(rows.size()));
  result.noonUtc = middle + peakHours / kHoursPerDay;
  const DrPosition atNoon = PositionAt(dr, result.noonUtc);
  const BodyPlace sun = PlaceOfBody(scratch, kSunIndex, result.noonUtc, choice);
  const double peakAtMiddle = (*fit)[0] - (*fit)[1] * (*fit)[1] / (4.0 * (*fit)[2]);
  result.maximumAltitudeDegrees =
      peakAtMiddle + MeridianAltitude(atNoon.latitude, sun.declinationDegrees) - middleMeridian;
  result.latitude = LatitudeFromMeridianAltitude(result.maximumAltitudeDegrees,
                                                 atNoon.latitude >= sun.declinationDegrees ? 'S' : 'N',
                                                 sun.declinationDegrees);
  result.longitudeDegrees = SignedDegrees(sun.ghaDegrees);
  return result;
}

}  // namespace nocturna
