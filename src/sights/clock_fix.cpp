#include "sights/clock_fix.h"

#include <array>
#include <cmath>
#include <optional>

#include "foundations/printf_text.h"
#include "foundations/text_forms.h"
#include "sights/least_squares.h"
#include "sights/sight_fields.h"
#include "sights/lunar_ephemeris.h"
#include "sights/sight_line.h"

namespace nocturna {
namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr int kMostIterations = 10;
// The unknowns' steps for the derivatives: east and north in miles, the clock in seconds.
constexpr std::array<double, 3> kProbe = {0.5, 0.5, 1.0};
// The iteration has settled when a step moves less than this, miles and seconds alike.
constexpr double kSettled = 0.02;

struct Estimate {
  DrPosition position;  // at the fix time
  double logFastSeconds = 0.0;
};

using Matrix = std::vector<std::vector<double>>;

// The residuals of every line and lunar, each in units of its assumed error, at an estimate.
class ClockResiduals {
 public:
  ClockResiduals(BodyCatalog& scratch, const std::vector<ClockLine>& lines, const std::vector<ClockLunar>& lunars,
                 const DeadReckoning& dr, DateTime fixUtc, const EphemerisChoice& choice)
      : scratch_(scratch), lines_(lines), lunars_(lunars), dr_(dr), fixUtc_(fixUtc), choice_(choice) {
    ephemerides_.reserve(lines.size());
    for (const ClockLine& line : lines) ephemerides_.emplace_back(scratch, line.bodyIndex, choice);
  }

  // Nothing when a lunar cannot be cleared there (`problem` says why).
  std::optional<std::vector<double>> At(const Estimate& e) {
    const DeadReckoning run{e.position, fixUtc_, dr_.courseDegrees, dr_.speedKnots};
    std::vector<double> residuals;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
      const DateTime trueUtc = lines_[i].loggedUtc - e.logFastSeconds / kSecondsPerDay;
      const GhaDeclination place = ephemerides_[i].At(trueUtc).body;
      const AltitudeAzimuth computed = ComputedAltitudeAzimuth(place.ghaDegrees, place.declinationDegrees,
                                                               PositionAt(run, lines_[i].loggedUtc));
      residuals.push_back(60.0 * (lines_[i].observedAltitudeDegrees - computed.hcDegrees) /
                          kClockFixAltitudeErrorMiles);
    }
    for (const ClockLunar& lunar : lunars_) {
      LunarObservation o = lunar.observation;
      const DateTime logged = o.watchTime - o.watchFastSecondsGuess / kSecondsPerDay;
      o.dr = PositionAt(run, logged);
      const LunarForm form = ClearLunarDistance(scratch_, o, choice_);
      if (!form.Cleared()) {
        problem = "the lunar cannot be cleared: " + form.refusal;
        return std::nullopt;
      }
      const double impliedFast = (logged - form.utc) * kSecondsPerDay;
      const double error = form.secondsPerTenthMinute * lunar.distanceErrorMinutes / 0.1;
      residuals.push_back((impliedFast - e.logFastSeconds) / error);
    }
    return residuals;
  }

  std::string problem;

 private:
  BodyCatalog& scratch_;
  const std::vector<ClockLine>& lines_;
  const std::vector<ClockLunar>& lunars_;
  DeadReckoning dr_;
  DateTime fixUtc_;
  EphemerisChoice choice_;
  std::vector<LunarEphemeris> ephemerides_;
};

Estimate Moved(const Estimate& e, const std::array<double, 3>& step) {
  return {MoveByMiles(e.position, step[0], step[1]), e.logFastSeconds + step[2]};
}

// The 3 x 3 symmetric normal matrix's inverse diagonal: the unknowns' variances.
std::optional<std::array<double, 3>> VariancesOf(const Matrix& jacobian) {
  double n[3][3] = {};
  for (const std::vector<double>& row : jacobian) {
    for (int i = 0; i < 3; ++i) {
      for (int j = 0; j < 3; ++j) n[i][j] += row[i] * row[j];
    }
  }
  const double c00 = n[1][1] * n[2][2] - n[1][2] * n[2][1];
  const double c11 = n[0][0] * n[2][2] - n[0][2] * n[2][0];
  const double c22 = n[0][0] * n[1][1] - n[0][1] * n[1][0];
  const double det = n[0][0] * c00 - n[0][1] * (n[1][0] * n[2][2] - n[1][2] * n[2][0]) +
                     n[0][2] * (n[1][0] * n[2][1] - n[1][1] * n[2][0]);
  if (!(det > 0.0)) return std::nullopt;
  return std::array<double, 3>{c00 / det, c11 / det, c22 / det};
}

std::string Inseparable() { return "the sights do not separate the watch's error from the position"; }

// One Gauss-Newton step's Jacobian (by forward differences) at the estimate with residuals r0.
std::optional<Matrix> JacobianAt(ClockResiduals& residuals, const Estimate& e, const std::vector<double>& r0) {
  Matrix jacobian(r0.size(), std::vector<double>(3, 0.0));
  for (int k = 0; k < 3; ++k) {
    std::array<double, 3> step{};
    step[k] = kProbe[k];
    const auto moved = residuals.At(Moved(e, step));
    if (!moved) return std::nullopt;
    for (std::size_t r = 0; r < r0.size(); ++r) jacobian[r][k] = ((*moved)[r] - r0[r]) / kProbe[k];
  }
  return jacobian;
}

}  // namespace

ClockFix FixWithUnknownClock(BodyCatalog& scratch, const std::vector<ClockLine>& lines,
                             const std::vector<ClockLunar>& lunars, const DeadReckoning& dr,
                             DateTime fixUtc, const EphemerisChoice& choice) {
  ClockFix fix;
  fix.position = PositionAt(dr, fixUtc);
  fix.utc = fixUtc;
  if (lunars.empty()) fix.problem = "a fix with an unknown clock needs a lunar distance";
  else if (lines.size() < 2) fix.problem = "a fix with an unknown clock needs two altitude lines or more";
  if (!fix.problem.empty()) return fix;
  ClockResiduals residuals(scratch, lines, lunars, dr, fixUtc, choice);
  Estimate estimate{fix.position, 0.0};
  Matrix jacobian;
  for (fix.iterations = 1; fix.iterations <= kMostIterations; ++fix.iterations) {
    const auto r0 = residuals.At(estimate);
    const auto j = r0 ? JacobianAt(residuals, estimate, *r0) : std::nullopt;
    if (!j) {
      fix.problem = residuals.problem;
      return fix;
    }
    jacobian = *j;
    std::vector<double> values;
    for (double r : *r0) values.push_back(-r);
    const auto step = SolveLeastSquares(jacobian, values);
    if (!step) {
      fix.problem = Inseparable();
      return fix;
    }
    estimate = Moved(estimate, {(*step)[0], (*step)[1], (*step)[2]});
    if (std::hypot((*step)[0], (*step)[1]) < kSettled && std::fabs((*step)[2]) < kSettled) break;
  }
  const auto variances = VariancesOf(jacobian);
  if (fix.iterations > kMostIterations || !variances) {
    fix.problem = fix.iterations > kMostIterations ? "the sights do not settle on a fix with an unknown clock"
                                                   : Inseparable();
    return fix;
  }
  fix.longitudeErrorMiles = std::sqrt((*variances)[0]);
  fix.latitudeErrorMiles = std::sqrt((*variances)[1]);
  fix.clockErrorSeconds = std::sqrt((*variances)[2]);
  if (fix.clockErrorSeconds > kClockFixWidestClockSeconds ||
      std::max(fix.latitudeErrorMiles, fix.longitudeErrorMiles) > kClockFixWidestPositionMiles) {
    fix.problem = Inseparable() + PrintfText(" (the time to +-%.0f s, the position to +-%.0f nm)",
                                             fix.clockErrorSeconds,
                                             std::max(fix.latitudeErrorMiles, fix.longitudeErrorMiles));
    return fix;
  }
  fix.found = true;
  fix.position = estimate.position;
  fix.logFastSeconds = estimate.logFastSeconds;
  fix.utc = fixUtc - estimate.logFastSeconds / kSecondsPerDay;
  return fix;
}

std::vector<std::string> ClockFixReportLines(const ClockFix& fix) {
  if (!fix.found) return {"No fix with the clock unknown: " + fix.problem};
  return {PrintfText("Fix %s %s at %s UTC", FormatLatitude(fix.position.latitude).c_str(),
                     FormatLongitude(fix.position.longitude).c_str(), FormatUtcMoment(fix.utc).c_str()),
          PrintfText("The log's times are %.1f s %s", std::fabs(fix.logFastSeconds), fix.logFastSeconds >= 0.0 ? "fast" : "slow"),
          PrintfText("Uncertainty: latitude %.1f nm, longitude %.1f nm, time %.1f s", fix.latitudeErrorMiles,
                     fix.longitudeErrorMiles, fix.clockErrorSeconds)};
}

}  // namespace nocturna
