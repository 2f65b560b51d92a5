#pragma once
// The watch's error a sight log's watch times go by: the one the log states, else the one its
// watch rows and the watch log kept beside it ("sights.csv" beside "sights.watch.csv") predict.
// The Sights window and the command line both take it from here.
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "sights/sight_log_reduction.h"
#include "sights/watch_log.h"

namespace nocturna {

// "sights.csv" -> "sights.watch.csv"; a name without ".csv" gets ".watch.csv" appended.
std::string WatchLogPathFor(const std::string& sightLogPath);

struct WatchLogRead {
  std::vector<WatchComparison> comparisons;
  std::string problem;  // why the file cannot be read (it is kept as it is); empty when it can
};
// The watch rows of a watch log's text read from `path`.
WatchLogRead WatchLogOfText(const std::string& path, const std::string& text);

// Fits the log's watch rows joined by the comparisons kept beside it into `reduction.watch`, and
// sets `reduction.watchError`: the log's stated error, else the fit's prediction at `utc`.
void ApplyWatchLog(SightLogReduction& reduction, const std::vector<SightRecord>& log,
                   std::span<const WatchComparison> besideLog, std::optional<double> statedSeconds,
                   DateTime utc);

// "fast +36.8 s +-0.6 s, predicted from the log's watch rows and the watch log".
std::string WatchErrorInUseText(const WatchErrorInUse& error);

}  // namespace nocturna
