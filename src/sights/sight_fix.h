#pragma once
// The fix from two or more lines of position by iterated least squares, with residuals, an
// error ellipse and a warning for poor geometry.
#include <string>
#include <vector>

#include "foundations/dr_position.h"
#include "sights/dead_reckoning.h"
#include "sights/sight_line.h"

namespace nocturna {

// The iteration stops when the position moves less than this (nautical miles, 0.1').
inline constexpr double kFixConvergenceMiles = 0.1;
// Lines that cross at less than this (degrees) everywhere give a poor fix.
inline constexpr double kPoorCrossingDegrees = 30.0;
// A fix is refused rather than placed beyond this latitude (degrees): the lines cannot meet
// there, a sight's date, time or body is wrong.
inline constexpr double kHighestFixLatitude = 89.0;
// With only two lines the residuals say nothing; the ellipse then assumes this sight error.
inline constexpr double kAssumedSightErrorMiles = 1.0;

// A line of position as the fix needs it: the body's GHA and declination at the sight's
// moment and the observed altitude, all degrees, and the sight's UTC.
struct FixLine {
  DateTime utc = 0.0;
  double ghaDegrees = 0.0;
  double declinationDegrees = 0.0;
  double observedAltitudeDegrees = 0.0;
};

struct SightFix {
  bool found = false;
  std::string problem;        // why there is no fix (empty when found)
  DrPosition position;        // degrees, north and WEST positive, at `utc`; when found always
                              // a real position: |latitude| <= kHighestFixLatitude, longitude
                              // in -180..180
  DateTime utc = 0.0;         // the common time all lines were moved to
  int iterations = 0;
  std::vector<double> residualsMiles;  // per line: Ho - Hc at the fix moved to its time
  double semiMajorMiles = 0.0;         // error ellipse, one standard deviation
  double semiMinorMiles = 0.0;
  double majorAxisDegrees = 0.0;       // the major axis's direction, true, 0..180
  bool ellipseFromResiduals = false;   // false: from the assumed sight error (two lines)
  double widestCrossingDegrees = 0.0;  // the best crossing angle of any two lines
  bool poorGeometry = false;
};

// The fix at time `utc` (days since 1899-12-30) from the lines, starting at the DR carried to
// that time: each line is reduced at the estimate carried back (or on) to its own time by the
// DR's run, the least-squares step on the intercepts moves the estimate, repeated until it
// moves less than 0.1'.
SightFix FixFromLines(const std::vector<FixLine>& lines, const DeadReckoning& dr, DateTime utc);

}  // namespace nocturna
