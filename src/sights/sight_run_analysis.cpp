#include "sights/sight_run_analysis.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "foundations/printf_text.h"
#include "sights/least_squares.h"
#include "sights/sight_fields.h"

namespace nocturna {
namespace {

constexpr double kMinutesPerDay = 1440.0;

// Ho - Hc of each shot (minutes) fitted by a line in time, without the shots marked out; the
// residuals of all, and the slope.
void FitLine(const std::vector<double>& minutes, const std::vector<double>& values, const std::vector<bool>& out,
             RunAnalysis& run) {
  std::vector<std::vector<double>> rows;
  std::vector<double> kept;
  for (std::size_t k = 0; k < values.size(); ++k) {
    if (out[k]) continue;
    rows.push_back({1.0, minutes[k]});
    kept.push_back(values[k]);
  }
  const auto fit = SolveLeastSquares(rows, kept);
  const double a = fit ? (*fit)[0] : 0.0, b = fit ? (*fit)[1] : 0.0;
  run.slopeMinutesPerMinute = b;
  run.residualsMinutes.clear();
  double squares = 0.0;
  for (std::size_t k = 0; k < values.size(); ++k) {
    run.residualsMinutes.push_back(values[k] - (a + b * minutes[k]));
    if (!out[k]) squares += run.residualsMinutes.back() * run.residualsMinutes.back();
  }
  run.scatterMinutes = std::sqrt(squares / static_cast<double>(std::max<std::size_t>(kept.size(), 1)));
}

}  // namespace

std::vector<RunAnalysis> AnalyseRuns(const std::vector<ShotAverage>& groups, const std::vector<SightLine>& shots) {
  std::vector<RunAnalysis> runs;
  for (std::size_t g = 0; g < groups.size(); ++g) {
    if (groups[g].shots.size() < kFewestRunShots) continue;
    RunAnalysis run;
    run.group = g;
    run.rows = groups[g].shots;
    std::vector<double> minutes, values;
    for (std::size_t row : run.rows) {
      minutes.push_back((shots[row].utc - shots[run.rows.front()].utc) * kMinutesPerDay);
      values.push_back(shots[row].interceptMiles);  // Ho - Hc, minutes of arc
    }
    std::vector<bool> out(run.rows.size(), false);
    FitLine(minutes, values, out, run);
    // The worst shot goes out when it strays past 1' and three times the others' scatter.
    while (run.rows.size() - run.outliers.size() > kFewestRunShots) {
      std::size_t worst = values.size();
      for (std::size_t k = 0; k < values.size(); ++k)
        if (!out[k] && (worst == values.size() || std::fabs(run.residualsMinutes[k]) > std::fabs(run.residualsMinutes[worst])))
          worst = k;
      std::vector<bool> without = out;
      without[worst] = true;
      RunAnalysis others = run;
      FitLine(minutes, values, without, others);
      const double off = std::fabs(others.residualsMinutes[worst]);
      if (off <= 1.0 || off <= 3.0 * others.scatterMinutes) break;
      out = without;
      run = others;
      run.outliers.push_back(run.rows[worst]);
    }
    runs.push_back(std::move(run));
  }
  return runs;
}

std::vector<ObserverBias> ObserverBiases(const std::vector<SightRecord>& log, const std::vector<ShotAverage>& groups,
                                         const std::vector<std::size_t>& fixGroups,
                                         const std::vector<double>& fixResidualsMiles) {
  std::map<std::string, std::vector<double>> byObserver;
  for (std::size_t i = 0; i < fixGroups.size() && i < fixResidualsMiles.size(); ++i) {
    const std::string& observer = log[groups[fixGroups[i]].shots.front()].observer;
    if (!observer.empty()) byObserver[observer].push_back(fixResidualsMiles[i]);
  }
  std::vector<ObserverBias> biases;
  for (const auto& [observer, residuals] : byObserver) {
    if (residuals.size() < kFewestObserverLines) continue;
    const double n = static_cast<double>(residuals.size());
    double sum = 0.0, squares = 0.0;
    for (double r : residuals) sum += r;
    const double mean = sum / n;
    for (double r : residuals) squares += (r - mean) * (r - mean);
    biases.push_back({observer, residuals.size(), mean, std::sqrt(squares / (n - 1.0) / n)});
  }
  return biases;
}

std::string RunAnalysisText(const RunAnalysis& run, const std::string& rows) {
  std::string text = PrintfText("Run of rows %s against the body's own curve: scatter %.1f', slope left %+.2f'/min",
                                rows.c_str(), run.scatterMinutes, run.slopeMinutesPerMinute);
  if (std::fabs(run.slopeMinutesPerMinute) > kNotableSlopeMinutesPerMinute)
    text += " (a DR off along the bearing, or a wrong time?)";
  for (std::size_t row : run.outliers) text += PrintfText(", row %zu an outlier", row + 1);
  return text;
}

std::string ObserverBiasText(const ObserverBias& bias) {
  return PrintfText("Observer %s: bias %+.1f' +- %.1f' from %zu lines in the fix", EchoedText(bias.observer).c_str(),
                    bias.biasMinutes, bias.uncertaintyMinutes, bias.lines);
}

}  // namespace nocturna
