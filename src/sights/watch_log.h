#pragma once
// The watch's error and rate from its comparisons with GPS (or other UTC) time, and the error
// predicted at any moment with an uncertainty that grows the longer the watch runs unchecked.
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "foundations/date_time.h"

namespace nocturna {

// One comparison: what the watch read at the moment the reference (GPS time, UTC) showed.
struct WatchComparison {
  DateTime watchRead = 0.0;  // days since 1899-12-30
  DateTime reference = 0.0;  // UTC, days since 1899-12-30
};

// A quartz watch's rate as assumed until two comparisons at least an hour apart fix it,
// seconds a day either way.
inline constexpr double kUnknownWatchRateSecondsPerDay = 1.0;
// How far the rate itself wanders (temperature, battery) after the last comparison, seconds a
// day either way.
inline constexpr double kWatchRateWanderSecondsPerDay = 0.2;
// A comparison read by eye is good to half a second.
inline constexpr double kWatchReadingSeconds = 0.5;

// The least-squares line through the comparisons: fast (watch less UTC) = fast at the epoch +
// rate x (days since the epoch).
struct WatchErrorFit {
  int comparisons = 0;
  DateTime epoch = 0.0;              // the comparisons' mean reference time
  double fastSecondsAtEpoch = 0.0;   // positive: the watch is fast
  double rateSecondsPerDay = 0.0;    // positive: the watch gains
  double rateUncertaintySecondsPerDay = kUnknownWatchRateSecondsPerDay;
  double scatterSeconds = kWatchReadingSeconds;  // the comparisons' scatter about the line (at least the reading's)
  double spanDays = 0.0;             // first to last comparison
  DateTime lastComparison = 0.0;
};

// The fit; nothing when no comparison has finite times. One comparison, or comparisons less
// than an hour apart, give their mean error and the unknown rate.
std::optional<WatchErrorFit> FitWatchError(std::span<const WatchComparison> comparisons);

struct WatchErrorPrediction {
  double fastSeconds = 0.0;         // to subtract from the watch's reading to get UTC
  double uncertaintySeconds = 0.0;  // one standard deviation
  double daysSinceComparison = 0.0; // to the nearest comparison, either side
};

// The error expected at UTC `utc`: the line's value, its own uncertainty there, and the
// rate's wander over the days since the nearest comparison.
WatchErrorPrediction PredictWatchError(const WatchErrorFit& fit, DateTime utc);

// The fit and its prediction at `utc` as the forms show them (Windows-1252):
// "fast +31.5 s at 2026-03-24 ... , gaining 3.0 s a day (+-0.7) from 2 comparisons",
// "at 2026-03-26 18:05:00: fast +38.8 s +-0.6 s, 1.3 days after the last comparison".
std::vector<std::string> WatchErrorLines(const WatchErrorFit& fit, DateTime utc);

}  // namespace nocturna
