#pragma once
// A deviation card from compass checks on several headings: the classic coefficients
// deviation = A + B sin h + C cos h + D sin 2h + E cos 2h (h the ship's compass heading),
// fitted by least squares. Degrees; easterly deviation positive.
#include <array>
#include <vector>

namespace nocturna {

struct HeadingCheck {
  double headingDegrees = 0.0;    // the ship's head by compass
  double deviationDegrees = 0.0;  // found by the check, east positive
};

inline constexpr int kDeviationCardRows = 24;  // every 15 degrees of heading
// The fit needs this many different headings (at least 5 deg apart) ...
inline constexpr int kDeviationFewestHeadings = 5;
// ... with no gap around the compass wider than this (degrees).
inline constexpr double kDeviationWidestGap = 135.0;

struct DeviationCard {
  double a = 0.0, b = 0.0, c = 0.0, d = 0.0, e = 0.0;
  std::vector<double> residualsDegrees;  // each check less the fitted curve, in the checks' order
  double rmsResidualDegrees = 0.0;
  std::array<double, kDeviationCardRows> card{};  // deviation at heading 15 k
  const char* refusal = nullptr;
};

// The deviation at heading h (degrees) by the card's coefficients.
double DeviationOn(const DeviationCard& card, double headingDegrees);

// The card fitted to the checks; refused, with the reason, when the headings do not span the
// compass enough to determine the five coefficients.
DeviationCard FitDeviationCard(const std::vector<HeadingCheck>& checks);

}  // namespace nocturna
