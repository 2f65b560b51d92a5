#include "sights/log_watch_error.h"

#include "foundations/printf_text.h"
#include "sights/sight_log_csv.h"

namespace nocturna {

std::string WatchLogPathFor(const std::string& sightLogPath) {
  const std::string csv = ".csv";
  const bool endsInCsv = sightLogPath.size() > csv.size() &&
                         sightLogPath.compare(sightLogPath.size() - csv.size(), csv.size(), csv) == 0;
  return (endsInCsv ? sightLogPath.substr(0, sightLogPath.size() - csv.size()) : sightLogPath) + ".watch.csv";
}

WatchLogRead WatchLogOfText(const std::string& path, const std::string& text) {
  const SightLogParse parse = ParseSightLog(text);
  if (parse.error) return {{}, "The watch log " + path + " cannot be read: " + parse.error->Message()};
  return {WatchComparisons(parse.sights), {}};
}

void ApplyWatchLog(SightLogReduction& reduction, const std::vector<SightRecord>& log,
                   std::span<const WatchComparison> besideLog, std::optional<double> statedSeconds,
                   DateTime utc) {
  std::vector<WatchComparison> comparisons = WatchComparisons(log);
  const bool ownRows = !comparisons.empty();
  comparisons.insert(comparisons.end(), besideLog.begin(), besideLog.end());
  reduction.watch = FitWatchError(comparisons);
  reduction.watchError.reset();
  if (statedSeconds) {
    reduction.watchError = WatchErrorInUse{*statedSeconds, 0.0, "stated in the log"};
  } else if (reduction.watch) {
    const WatchErrorPrediction predicted = PredictWatchError(*reduction.watch, utc);
    const char* from = besideLog.empty() ? "the log's watch rows"
                       : ownRows         ? "the log's watch rows and the watch log"
                                         : "the watch log";
    reduction.watchError = WatchErrorInUse{predicted.fastSeconds, predicted.uncertaintySeconds,
                                           std::string("predicted from ") + from};
  }
}

std::string WatchErrorInUseText(const WatchErrorInUse& error) {
  return PrintfText("fast %+.1f s +-%.1f s, %s", error.fastSeconds, error.uncertaintySeconds, error.source.c_str());
}

}  // namespace nocturna
