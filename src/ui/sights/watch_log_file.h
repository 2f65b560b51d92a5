#pragma once
// The watch log: the watch's comparisons with GPS time (the system clock compared while a GPS
// runs) kept beside a sight log as a log of watch rows, "sights.csv" beside "sights.watch.csv",
// read by the sight log's reader and saved through the one atomic writer. A damaged watch log
// is reported and left as it is.
#include <string>
#include <vector>

#include "sights/log_watch_error.h"

namespace nocturna {

WatchLogRead ReadWatchLog(const std::string& path);

// Adds a comparison to the watch log at `path` and saves it; an empty text, or why not (a damaged
// log is not written).
std::string AppendToWatchLog(const std::string& path, const WatchComparison& comparison);

}  // namespace nocturna
