#pragma once
// The noon rows of a log taken as runs: three or more Sun sights of kind noon, each within
// kNoonRunHours of the run's first, fitted together for the time and altitude of the maximum,
// the latitude and the longitude; the maximum then stands for the run in the fix.
#include <cstddef>
#include <string>
#include <vector>

#include "sights/noon_run.h"
#include "sights/shot_average.h"
#include "sights/sight_line.h"
#include "sights/sight_row_reduction.h"

namespace nocturna {

inline constexpr double kNoonRunHours = 1.5;
inline constexpr std::size_t kFewestNoonRunRows = 3;

struct NoonRunReduction {
  std::vector<std::size_t> rows;  // the log's rows, in time order
  NoonRun fit;                    // fit.refusal says why there is no maximum
};

// The log's noon runs, from its rows' altitude lines (`shots`, per row).
std::vector<NoonRunReduction> NoonRunsOf(const std::vector<SightRecord>& log, const std::vector<SightLine>& shots,
                                         RowContext& context);

// The sight that stands for a fitted run in the fix: the Sun's Hs at the maximum, at noon, with
// the first row's limb and conditions; the shots are the run's rows, none an outlier.
ShotAverage NoonRunGroup(const NoonRunReduction& run, const std::vector<SightRecord>& log, RowContext& context);

// The run's steps for the form: noon's time, the maximum, latitude and longitude, the scatter.
RowReduction NoonRunSteps(const NoonRunReduction& run);

}  // namespace nocturna
