#include "sights/deviation_card.h"

#include <algorithm>
#include <cmath>

#include "foundations/angles.h"
#include "sights/least_squares.h"

namespace nocturna {
namespace {

constexpr double kDistinctHeadings = 5.0;  // degrees

std::vector<double> HarmonicRow(double headingDegrees) {
  const double h = DegToRad(headingDegrees);
  return {1.0, std::sin(h), std::cos(h), std::sin(2.0 * h), std::cos(2.0 * h)};
}

// True when the headings number at least five apart and leave no wide gap.
bool HeadingsSpanTheCompass(const std::vector<HeadingCheck>& checks) {
  std::vector<double> headings;
  for (const HeadingCheck& check : checks) headings.push_back(WrapPositive(check.headingDegrees, 360.0));
  std::sort(headings.begin(), headings.end());
  std::vector<double> distinct;
  for (const double h : headings) {
    if (distinct.empty() || h - distinct.back() >= kDistinctHeadings) distinct.push_back(h);
  }
  if (distinct.size() > 1 && distinct.front() + 360.0 - distinct.back() < kDistinctHeadings) distinct.pop_back();
  if (static_cast<int>(distinct.size()) < kDeviationFewestHeadings) return false;
  double widest = distinct.front() + 360.0 - distinct.back();
  for (std::size_t i = 1; i < distinct.size(); ++i) widest = std::max(widest, distinct[i] - distinct[i - 1]);
  return widest <= kDeviationWidestGap;
}

}  // namespace

double DeviationOn(const DeviationCard& card, double headingDegrees) {
  const std::vector<double> row = HarmonicRow(headingDegrees);
  return card.a * row[0] + card.b * row[1] + card.c * row[2] + card.d * row[3] + card.e * row[4];
}

DeviationCard FitDeviationCard(const std::vector<HeadingCheck>& checks) {
  DeviationCard card;
  for (const HeadingCheck& check : checks) {
    if (!std::isfinite(check.headingDegrees) || !std::isfinite(check.deviationDegrees)) {
      card.refusal = "Every check needs a heading and a deviation.";
      return card;
    }
  }
  const char* const narrow =
      "The headings do not span the compass: check on at least five headings with no gap over 135 degrees.";
  if (!HeadingsSpanTheCompass(checks)) {
    card.refusal = narrow;
    return card;
  }
  std::vector<std::vector<double>> rows;
  std::vector<double> values;
  for (const HeadingCheck& check : checks) {
    rows.push_back(HarmonicRow(check.headingDegrees));
    values.push_back(check.deviationDegrees);
  }
  const auto fit = SolveLeastSquares(rows, values);
  if (!fit) {
    card.refusal = narrow;
    return card;
  }
  card.a = (*fit)[0], card.b = (*fit)[1], card.c = (*fit)[2], card.d = (*fit)[3], card.e = (*fit)[4];
  double squares = 0.0;
  for (const HeadingCheck& check : checks) {
    card.residualsDegrees.push_back(check.deviationDegrees - DeviationOn(card, check.headingDegrees));
    squares += card.residualsDegrees.back() * card.residualsDegrees.back();
  }
  card.rmsResidualDegrees = std::sqrt(squares / static_cast<double>(checks.size()));
  for (int k = 0; k < kDeviationCardRows; ++k) card.card[k] = DeviationOn(card, 15.0 * k);
  return card;
}

}  // namespace nocturna
