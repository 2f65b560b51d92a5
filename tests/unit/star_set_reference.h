#pragma once
// An independent reckoning of a set's HDOP for the star finder's tests: AᵀA of the rows
// (cos Zn, sin Zn, 1) inverted by cofactors, and the best over every set.
#include <algorithm>
#include <cmath>
#include <limits>
#include <span>
#include <vector>

#include "starfinder/set_search.h"

namespace nocturna {

inline double ReferenceHdop(std::span<const SetCandidate> set) {
  double m[3][3] = {};
  for (const SetCandidate& body : set) {
    const double zn = body.azimuth * M_PI / 180;
    const double row[3] = {std::cos(zn), std::sin(zn), 1};
    for (int i = 0; i < 3; ++i) {
      for (int j = 0; j < 3; ++j) m[i][j] += row[i] * row[j];
    }
  }
  const double det = m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
                     m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
                     m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
  if (std::fabs(det) < 1e-12) return std::numeric_limits<double>::infinity();
  const double inverse00 = (m[1][1] * m[2][2] - m[1][2] * m[2][1]) / det;
  const double inverse11 = (m[0][0] * m[2][2] - m[0][2] * m[2][0]) / det;
  return std::sqrt(inverse00 + inverse11);
}

// The least HDOP over every set of `size` among the candidates: each selection of `size` of
// them in turn, as std::prev_permutation walks a row of flags.
inline double ReferenceBestHdop(std::span<const SetCandidate> candidates, int size) {
  double best = std::numeric_limits<double>::infinity();
  std::vector<bool> chosen(candidates.size(), false);
  std::fill(chosen.begin(), chosen.begin() + size, true);
  do {
    std::vector<SetCandidate> set;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
      if (chosen[i]) set.push_back(candidates[i]);
    }
    best = std::min(best, ReferenceHdop(set));
  } while (std::prev_permutation(chosen.begin(), chosen.end()));
  return best;
}

}  // namespace nocturna
