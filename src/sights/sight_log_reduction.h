#pragma once
// A whole sight log reduced: every shot on its own, the shots of each body averaged into one
// line of position, the lines checked for gross errors, and the fix from those that pass.
#include <cstddef>
#include <string>
#include <vector>

#include "ephemeris/ephemeris_choice.h"
#include "sights/dead_reckoning.h"
#include "sights/shot_average.h"
#include "sights/sight_fix.h"
#include "sights/sight_line.h"
#include "sights/sight_log_deviation.h"
#include "sights/sight_log_noon.h"
#include "sights/sight_row_reduction.h"
#include "sights/sight_run_analysis.h"

namespace nocturna {

// Gross-error limits: a line is kept out of the fix, with the reason, when
//  - its body is below the horizon at the DR (Hc lower than kLowestComputedAltitude degrees)
//    or its sextant altitude is too low to correct;
//  - its intercept at the DR is longer than kLongestInterceptMiles (no DR is that far off; a
//    wrong body, date or altitude is);
//  - with three lines or more, it passes kLongestResidualMiles from the fix of the others (the
//    worst first, then the fix again, for at most kMostResidualRejections lines);
//  - it was taken more than kLongestStandingHours from the fix time with no run (speed 0), or
//    kLongestRunHours with one: a day mistyped, or a run too long to carry a line.
inline constexpr double kLowestComputedAltitude = -1.0;
inline constexpr double kLongestInterceptMiles = 60.0;
inline constexpr double kLongestResidualMiles = 30.0;
inline constexpr int kMostResidualRejections = 5;
inline constexpr double kLongestStandingHours = 12.0;
inline constexpr double kLongestRunHours = 24.0;

struct SightLogReduction {
  std::vector<SightLine> shots;      // per row of the log; a row that does not read, or whose
                                     // kind is no altitude sight: bodyIndex 0
  std::vector<RowReduction> rows;    // per row: reduced by its kind
  std::vector<std::string> notes;    // per row: why it is out of the fix (or why its kind gives
                                     // nothing), empty when it is in
  std::vector<NoonRunReduction> noonRuns;  // runs of noon rows, each fitted
  std::vector<RowReduction> noonRunSteps;  // per run: its steps and result, or why none
  std::optional<DeviationCardReduction> deviationCard;  // when a compass check names a heading
  std::vector<ShotAverage> groups;   // the readable shots of one body in quick succession, then
                                     // one per fitted noon run (its maximum)
  std::vector<SightLine> lines;      // per group: its averaged sight reduced
  std::vector<std::string> lineNotes;  // per group: why its line is out of the fix, or empty
  std::vector<std::size_t> fixLines;   // the groups the fix used, in the order of its residuals
  SightFix fix;                        // from those lines, at the fix time
  std::vector<RunAnalysis> runs;       // the groups of several shots judged against their curves
  std::vector<ObserverBias> observerBiases;  // from the fix's residuals, where enough lines
};

// The log reduced from the DR (each sight's own DR is the DR carried by its run to the sight's
// time) with the fix at `fixTime`. Rows that do not read are left out with their own note;
// every other row is reduced by its kind, and the altitude sights among them go into the fix.
SightLogReduction ReduceSightLog(const std::vector<SightRecord>& log, const DeadReckoning& dr,
                                 DateTime fixTime, const EphemerisChoice& choice);

// "3" for a line from one row, "3-5" for one averaged from rows 3 to 5 (row numbers from 1),
// "3, 5" when they are not consecutive.
std::string RowsOfGroup(const ShotAverage& group);

}  // namespace nocturna
