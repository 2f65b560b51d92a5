#include "sights/sight_log_reduction.h"

#include <algorithm>
#include <cmath>

#include "foundations/printf_text.h"
#include "sights/sight_body.h"
#include "sights/sight_row_kinds.h"
#include "sights/sight_texts.h"

namespace nocturna {
namespace {

constexpr double kHoursPerDay = 24.0;

// Why a line cannot go into the fix before any fix is tried, or empty.
std::string LineProblem(const SightLine& line, const DeadReckoning& dr, DateTime fixTime) {
  if (line.corrections.caution == AltitudeCaution::belowHorizon)
    return CautionText(line.corrections.caution);
  const double hours = std::abs(line.utc - fixTime) * kHoursPerDay;
  const bool running = dr.speedKnots > 0.0;
  const double longest = running ? kLongestRunHours : kLongestStandingHours;
  if (hours > longest)
    return PrintfText("taken %.1f h from the fix time, past %.0f h %s: wrong date?", hours, longest,
                      running ? "of run" : "with no run");
  if (line.hcDegrees < kLowestComputedAltitude)
    return PrintfText("the body is below the horizon at the DR (Hc %+.1f\xB0): wrong body, date or time?",
                      line.hcDegrees);
  if (std::abs(line.interceptMiles) > kLongestInterceptMiles)
    return PrintfText("intercept %.1f nm, past %.0f nm: wrong body, date, time or altitude?",
                      std::abs(line.interceptMiles), kLongestInterceptMiles);
  return {};
}

FixLine FixLineOf(const SightLine& line) {
  return {line.utc, line.ghaDegrees, line.declinationDegrees,
          line.corrections.observedAltitudeDegrees};
}

// The fix from the usable lines; with three or more, the line furthest past
// kLongestResidualMiles from the others' fix goes out, one at a time.
void FixFromUsableLines(SightLogReduction& result, const DeadReckoning& dr, DateTime fixTime) {
  for (std::size_t g = 0; g < result.lines.size(); ++g) {
    if (result.lineNotes[g].empty()) result.fixLines.push_back(g);
  }
  for (int rejected = 0;; ++rejected) {
    std::vector<FixLine> lines;
    for (std::size_t g : result.fixLines) lines.push_back(FixLineOf(result.lines[g]));
    result.fix = FixFromLines(lines, dr, fixTime);
    if (!result.fix.found || lines.size() < 3 || rejected == kMostResidualRejections) return;
    std::size_t worst = lines.size();
    double worstResidual = kLongestResidualMiles;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const double residual = std::abs(result.fix.residualsMiles[i]);
      if (residual > worstResidual) {
        worstResidual = residual;
        worst = i;
      }
    }
    if (worst == lines.size()) return;
    result.lineNotes[result.fixLines[worst]] =
        PrintfText("%.1f nm off the fix of the other lines, past %.0f nm: a gross error?",
                   worstResidual, kLongestResidualMiles);
    result.fixLines.erase(result.fixLines.begin() + static_cast<std::ptrdiff_t>(worst));
  }
}

// The log's noon runs fitted; the rows of each that found its maximum are marked as the run's
// (their own latitudes give way to the run's), and come back true.
std::vector<bool> TakeNoonRuns(SightLogReduction& result, const std::vector<SightRecord>& log, RowContext& context) {
  std::vector<bool> inRun(log.size(), false);
  result.noonRuns = NoonRunsOf(log, result.shots, context);
  for (const NoonRunReduction& run : result.noonRuns) {
    result.noonRunSteps.push_back(NoonRunSteps(run));
    if (run.fit.refusal != nullptr) continue;
    ShotAverage rows;
    rows.shots = run.rows;
    for (std::size_t row : run.rows) {
      inRun[row] = true;
      result.notes[row] = result.rows[row].note = "";
      result.rows[row].result = "one of the noon run of rows " + RowsOfGroup(rows);
    }
  }
  return inRun;
}

// Each shot's note: the kind's own reason (no noon latitude, say) first, then why its line is
// out of the fix, or that it strays from the others of its group.
void NoteShotsOutOfTheFix(SightLogReduction& result) {
  for (std::size_t g = 0; g < result.groups.size(); ++g) {
    const ShotAverage& group = result.groups[g];
    for (std::size_t k = 0; k < group.shots.size(); ++k) {
      std::string& note = result.notes[group.shots[k]];
      const std::string& own = result.rows[group.shots[k]].note;
      if (!result.lineNotes[g].empty()) {
        note = own.empty() ? result.lineNotes[g] : own + "; " + result.lineNotes[g];
      } else if (group.outliers[k]) {
        note = "outlier, " + FormatCorrectionMinutes(group.residualsMinutes[k]) + " off the others";
      }
    }
  }
}

}  // namespace

std::string RowsOfGroup(const ShotAverage& group) {
  std::vector<std::size_t> rows = group.shots;
  std::sort(rows.begin(), rows.end());
  bool consecutive = true;
  for (std::size_t k = 1; k < rows.size(); ++k) consecutive = consecutive && rows[k] == rows[k - 1] + 1;
  if (rows.size() > 1 && consecutive) return PrintfText("%zu-%zu", rows.front() + 1, rows.back() + 1);
  std::string text;
  for (std::size_t row : rows) text += (text.empty() ? "" : ", ") + std::to_string(row + 1);
  return text;
}

SightLogReduction ReduceSightLog(const std::vector<SightRecord>& log, const DeadReckoning& dr,
                                 DateTime fixTime, const EphemerisChoice& choice) {
  SightLogReduction result;
  BodyCatalog scratch = BuildCatalog();
  const auto reduce = [&](const SightRecord& sight) {
    const DrPosition at = PositionAt(dr, sight.utc);
    if (sight.kind == SightKind::polaris) return ReducePolarisSight(sight, at, choice);
    return ReduceSight(scratch, FindSightBody(sight.body).value_or(kSunIndex), sight, at, choice);
  };
  result.shots.resize(log.size());
  result.rows.resize(log.size());
  result.notes.resize(log.size());
  RowContext context{scratch, dr, choice};
  for (std::size_t i = 0; i < log.size(); ++i) {
    result.notes[i] = log[i].note;
    result.rows[i].kind = log[i].kind;
    if (!log[i].Reads()) continue;
    if (KindIsAltitudeSight(log[i].kind)) result.shots[i] = reduce(log[i]);
    result.rows[i] = ReduceRowOfKind(log[i], result.shots[i], context);
    result.notes[i] = result.rows[i].note;
  }
  const std::vector<bool> inRun = TakeNoonRuns(result, log, context);
  result.deviationCard = DeviationCardOf(log, result.rows);
  std::vector<SightRecord> readable;
  std::vector<std::size_t> rowOf;  // per readable sight: its row in the log
  for (std::size_t i = 0; i < log.size(); ++i) {
    if (!log[i].Reads() || !KindIsAltitudeSight(log[i].kind) || inRun[i]) continue;
    readable.push_back(log[i]);
    rowOf.push_back(i);
  }
  result.groups = AverageShots(readable);
  for (ShotAverage& group : result.groups) {
    const SightLine line = group.shots.size() == 1 ? result.shots[rowOf[group.shots.front()]]
                                                   : reduce(group.averaged);
    for (std::size_t& shot : group.shots) shot = rowOf[shot];
    result.lines.push_back(line);
    result.lineNotes.push_back(LineProblem(line, dr, fixTime));
  }
  for (const NoonRunReduction& run : result.noonRuns) {
    if (run.fit.refusal != nullptr) continue;
    result.groups.push_back(NoonRunGroup(run, log, context));
    result.lines.push_back(reduce(result.groups.back().averaged));
    result.lineNotes.push_back(LineProblem(result.lines.back(), dr, fixTime));
  }
  FixFromUsableLines(result, dr, fixTime);
  result.runs = AnalyseRuns(result.groups, result.shots);
  if (result.fix.found)
    result.observerBiases = ObserverBiases(log, result.groups, result.fixLines, result.fix.residualsMiles);
  NoteShotsOutOfTheFix(result);
  return result;
}

}  // namespace nocturna
