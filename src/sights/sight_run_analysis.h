#pragma once
// How good a run of shots was: each shot's Ho - Hc against time, Hc being the body's own
// computed altitude from the DR at the shot's moment, so that the curve of a long run or of one
// near the meridian is the body's and not a straight line. What is left is the shots' own
// error: its scatter, the slope that remains (a DR off along the body's bearing, or a wrong
// time), and the shots that stray. Across the log, a personal bias per observer from the fix's
// residuals, when there are enough lines to say.
#include <cstddef>
#include <string>
#include <vector>

#include "sights/shot_average.h"
#include "sights/sight_line.h"
#include "sights/sight_record.h"

namespace nocturna {

// A run is judged from this many shots; an observer's bias from this many lines in the fix.
inline constexpr std::size_t kFewestRunShots = 3;
inline constexpr std::size_t kFewestObserverLines = 3;
// A slope left steeper than this (minutes of arc per minute of time) is worth a look.
inline constexpr double kNotableSlopeMinutesPerMinute = 0.1;

struct RunAnalysis {
  std::size_t group = 0;                 // the line of position the run makes
  std::vector<std::size_t> rows;         // the log's rows, in time order
  std::vector<double> residualsMinutes;  // per shot: Ho - Hc less the fitted line
  double scatterMinutes = 0.0;           // their root mean square, outliers left out
  double slopeMinutesPerMinute = 0.0;    // of Ho - Hc against time
  std::vector<std::size_t> outliers;     // rows further than 1' and three times the scatter
};

struct ObserverBias {
  std::string observer;
  std::size_t lines = 0;
  double biasMinutes = 0.0;      // mean of the fix's residuals of the observer's lines
  double uncertaintyMinutes = 0.0;  // its standard error
};

// The runs of the groups with at least kFewestRunShots shots, from each shot's own reduction.
std::vector<RunAnalysis> AnalyseRuns(const std::vector<ShotAverage>& groups, const std::vector<SightLine>& shots);

// Per observer named on the lines in the fix (the observer of each line's first shot), their
// mean residual, for those with at least kFewestObserverLines lines; `fixResiduals` in the
// order of `fixGroups`.
std::vector<ObserverBias> ObserverBiases(const std::vector<SightRecord>& log, const std::vector<ShotAverage>& groups,
                                         const std::vector<std::size_t>& fixGroups,
                                         const std::vector<double>& fixResidualsMiles);

// "Run of rows 4-7: scatter 0.3', slope +0.02'/min, outlier row 6" and "Observer Ann: bias
// +0.8' +- 0.2' from 4 lines".
std::string RunAnalysisText(const RunAnalysis& run, const std::string& rows);
std::string ObserverBiasText(const ObserverBias& bias);

}  // namespace nocturna
