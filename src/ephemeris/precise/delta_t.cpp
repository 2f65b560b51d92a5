#include "ephemeris/precise/delta_t.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "ephemeris/precise/delta_t_table.h"

namespace nocturna {
namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kDaysPerJulianYear = 365.25;
constexpr double kLastIndex = static_cast<double>(std::size(kIersDeltaT) - 1);

double SplineDeltaT(double year) {
  const DeltaTSpline* segment = std::begin(kDeltaTSplines);
  while (segment + 1 != std::end(kDeltaTSplines) && year >= segment->lastYear) ++segment;
  const double t = (std::max(year, kDeltaTSplines[0].firstYear) - segment->firstYear) /
                   (segment->lastYear - segment->firstYear);
  return segment->a0 + t * (segment->a1 + t * (segment->a2 + t * segment->a3));
}

}  // namespace

double LastTabulatedTtJd() { return kIersFirstTtJd + kLastIndex * kIersStepDays; }

double DeltaTSeconds(double ttJd1, double ttJd2) {
  const double steps = ((ttJd1 - kIersFirstTtJd) + ttJd2) / kIersStepDays;
  if (steps < 0) return SplineDeltaT(2000.0 + ((ttJd1 - kJ2000) + ttJd2) / kDaysPerJulianYear);
  if (!(steps < kLastIndex)) return kIersDeltaT[std::size(kIersDeltaT) - 1];
  const double whole = std::floor(steps);
  const auto i = static_cast<std::size_t>(whole);
  return kIersDeltaT[i] + (steps - whole) * (kIersDeltaT[i + 1] - kIersDeltaT[i]);
}

}  // namespace nocturna
