#include "sights/watch_log.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "foundations/printf_text.h"
#include "sights/sight_fields.h"

namespace nocturna {
namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr double kShortestRateSpanDays = 1.0 / 24.0;

struct Point {
  double day = 0.0;   // reference time
  double fast = 0.0;  // seconds
};

}  // namespace

std::optional<WatchErrorFit> FitWatchError(std::span<const WatchComparison> comparisons) {
  std::vector<Point> points;
  for (const WatchComparison& c : comparisons) {
    if (std::isfinite(c.watchRead) && std::isfinite(c.reference))
      points.push_back({c.reference, (c.watchRead - c.reference) * kSecondsPerDay});
  }
  if (points.empty()) return std::nullopt;
  WatchErrorFit fit;
  fit.comparisons = static_cast<int>(points.size());
  const auto [first, last] = std::minmax_element(
      points.begin(), points.end(), [](const Point& a, const Point& b) { return a.day < b.day; });
  fit.spanDays = last->day - first->day;
  fit.lastComparison = last->day;
  double sumDay = 0.0, sumFast = 0.0;
  for (const Point& p : points) {
    sumDay += p.day;
    sumFast += p.fast;
  }
  fit.epoch = sumDay / fit.comparisons;
  fit.fastSecondsAtEpoch = sumFast / fit.comparisons;
  double sxx = 0.0, sxy = 0.0;
  for (const Point& p : points) {
    sxx += (p.day - fit.epoch) * (p.day - fit.epoch);
    sxy += (p.day - fit.epoch) * (p.fast - fit.fastSecondsAtEpoch);
  }
  const bool rateKnown = fit.comparisons >= 2 && fit.spanDays >= kShortestRateSpanDays;
  if (rateKnown) fit.rateSecondsPerDay = sxy / sxx;
  double squares = 0.0;
  for (const Point& p : points) {
    const double residual = p.fast - fit.fastSecondsAtEpoch - fit.rateSecondsPerDay * (p.day - fit.epoch);
    squares += residual * residual;
  }
  const int freedom = fit.comparisons - (rateKnown ? 2 : 1);
  if (freedom > 0) fit.scatterSeconds = std::max(kWatchReadingSeconds, std::sqrt(squares / freedom));
  if (rateKnown) fit.rateUncertaintySecondsPerDay = fit.scatterSeconds / std::sqrt(sxx);
  return fit;
}

std::vector<std::string> WatchErrorLines(const WatchErrorFit& fit, DateTime utc) {
  const WatchErrorPrediction p = PredictWatchError(fit, utc);
  const bool rateKnown = fit.rateUncertaintySecondsPerDay < kUnknownWatchRateSecondsPerDay || fit.rateSecondsPerDay != 0.0;
  std::string first = PrintfText("fast %+.1f s at %s UTC, ", fit.fastSecondsAtEpoch, FormatUtcMoment(fit.epoch).c_str());
  first += rateKnown ? PrintfText("%s %.2f s a day (+-%.2f)", fit.rateSecondsPerDay >= 0.0 ? "gaining" : "losing",
                                  std::fabs(fit.rateSecondsPerDay), fit.rateUncertaintySecondsPerDay)
                     : PrintfText("rate unknown (+-%.1f s a day assumed)", kUnknownWatchRateSecondsPerDay);
  first += PrintfText(" from %d comparison%s", fit.comparisons, fit.comparisons == 1 ? "" : "s");
  return {first, PrintfText("at %s UTC: fast %+.1f s +-%.1f s, %.1f days from the nearest comparison",
                            FormatUtcMoment(utc).c_str(), p.fastSeconds, p.uncertaintySeconds, p.daysSinceComparison)};
}

WatchErrorPrediction PredictWatchError(const WatchErrorFit& fit, DateTime utc) {
  WatchErrorPrediction prediction;
  const double sinceEpoch = utc - fit.epoch;
  prediction.fastSeconds = fit.fastSecondsAtEpoch + fit.rateSecondsPerDay * sinceEpoch;
  // Within the comparisons the line itself is the check; beyond them the watch runs unchecked.
  const double firstDay = fit.lastComparison - fit.spanDays;
  prediction.daysSinceComparison =
      utc > fit.lastComparison ? utc - fit.lastComparison : (utc < firstDay ? firstDay - utc : 0.0);
  const double line = fit.scatterSeconds * fit.scatterSeconds / fit.comparisons +
                      std::pow(fit.rateUncertaintySecondsPerDay * sinceEpoch, 2);
  const double wander = kWatchRateWanderSecondsPerDay * prediction.daysSinceComparison;
  prediction.uncertaintySeconds = std::sqrt(line + wander * wander);
  return prediction;
}

}  // namespace nocturna
