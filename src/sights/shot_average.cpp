#include "sights/shot_average.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <string>
#include <utility>

namespace nocturna {
namespace {

constexpr double kMinutesPerDay = 1440.0;
constexpr double kSecondsPerDay = 86400.0;

struct LineFit {
  double meanTime = 0.0;     // minutes from the group's first shot
  double meanValue = 0.0;    // Hs, minutes of arc
  double slope = 0.0;        // minutes of arc per minute of time
  double At(double t) const { return meanValue + slope * (t - meanTime); }
};

// Least-squares line through the chosen points (t in minutes, h in minutes of arc); with all
// times equal the slope is 0.
LineFit FitLine(const std::vector<double>& t, const std::vector<double>& h,
                const std::vector<bool>& use) {
  LineFit fit;
  int n = 0;
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (!use[i]) continue;
    fit.meanTime += t[i];
    fit.meanValue += h[i];
    ++n;
  }
  fit.meanTime /= n;
  fit.meanValue /= n;
  double stt = 0.0, sth = 0.0;
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (!use[i]) continue;
    stt += (t[i] - fit.meanTime) * (t[i] - fit.meanTime);
    sth += (t[i] - fit.meanTime) * (h[i] - fit.meanValue);
  }
  fit.slope = stt > 0.0 ? sth / stt : 0.0;
  return fit;
}

// The root-mean-square scatter of the chosen points about their own line.
double Scatter(const std::vector<double>& t, const std::vector<double>& h,
               const std::vector<bool>& use, const LineFit& fit) {
  double squares = 0.0;
  int n = 0;
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (!use[i]) continue;
    squares += std::pow(h[i] - fit.At(t[i]), 2);
    ++n;
  }
  return n > 2 ? std::sqrt(squares / (n - 2)) : 0.0;
}

void FitGroup(const std::vector<SightRecord>& log, ShotAverage& group) {
  const std::size_t n = group.shots.size();
  const DateTime first = log[group.shots.front()].utc;
  std::vector<double> t(n), h(n);
  for (std::size_t i = 0; i < n; ++i) {
    t[i] = (log[group.shots[i]].utc - first) * kMinutesPerDay;
    h[i] = log[group.shots[i]].hsDegrees * 60.0;
  }
  // The worst shot of those kept goes when it strays from the line through the others, one at
  // a time, so that one bad shot does not drag its neighbours out with it.
  group.outliers.assign(n, false);
  for (std::size_t kept = n; kept >= 4; --kept) {
    std::size_t worst = n;
    double worstExcess = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
      if (group.outliers[i]) continue;
      std::vector<bool> others(n);
      for (std::size_t k = 0; k < n; ++k) others[k] = !group.outliers[k] && k != i;
      const LineFit fit = FitLine(t, h, others);
      const double limit = std::max(kOutlierMinutes, 3.0 * Scatter(t, h, others, fit));
      const double excess = std::abs(h[i] - fit.At(t[i])) - limit;
      if (excess > worstExcess) {
        worstExcess = excess;
        worst = i;
      }
    }
    if (worst == n) break;
    group.outliers[worst] = true;
  }
  std::vector<bool> use(n);
  for (std::size_t i = 0; i < n; ++i) use[i] = !group.outliers[i];
  const LineFit fit = FitLine(t, h, use);
  group.slopeMinutesPerMinute = fit.slope;
  group.residualsMinutes.resize(n);
  for (std::size_t i = 0; i < n; ++i) group.residualsMinutes[i] = h[i] - fit.At(t[i]);

  group.averaged = log[group.shots.front()];
  const double meanSeconds =
      std::round((first + fit.meanTime / kMinutesPerDay) * kSecondsPerDay);
  group.averaged.utc = meanSeconds / kSecondsPerDay;
  group.averaged.hsDegrees = fit.At((group.averaged.utc - first) * kMinutesPerDay) / 60.0;
}

}  // namespace

std::vector<ShotAverage> AverageShots(const std::vector<SightRecord>& log) {
  std::vector<std::size_t> order(log.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return log[a].utc < log[b].utc; });
  std::vector<ShotAverage> groups;
  // In time order only the latest group of a body and limb can still take a shot.
  std::map<std::pair<std::string, Limb>, std::size_t> latest;
  for (std::size_t index : order) {
    const SightRecord& shot = log[index];
    const auto key = std::make_pair(shot.body, shot.limb);
    const auto open = latest.find(key);
    const bool joins = open != latest.end() &&
                       (shot.utc - log[groups[open->second].shots.front()].utc) * kMinutesPerDay <=
                           kShotGroupMinutes &&
                       groups[open->second].shots.size() < kMostShotsInGroup;
    if (!joins) {
      latest[key] = groups.size();
      groups.emplace_back();
    }
    groups[latest[key]].shots.push_back(index);
  }
  for (ShotAverage& group : groups) FitGroup(log, group);
  return groups;
}

}  // namespace nocturna
