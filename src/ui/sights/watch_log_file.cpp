#include "ui/sights/watch_log_file.h"

#include "platform/sight_log_file.h"
#include "sights/lunar_row.h"
#include "sights/sight_log_csv.h"
#include "sights/sight_log_reduction.h"

namespace nocturna {
namespace {

struct WatchLogRows {
  std::vector<SightRecord> rows;
  std::string problem;
};

WatchLogRows ReadRows(const std::string& path) {
  const SightLogLoad load = LoadSightLog(path);
  if (load.state == SightLogFileState::Absent) return {};
  if (load.state != SightLogFileState::Loaded) return {{}, "The watch log " + path + " cannot be read: " + load.problem};
  SightLogParse parse = ParseSightLog(load.text);
  if (parse.error) return {{}, "The watch log " + path + " cannot be read: " + parse.error->Message()};
  return {std::move(parse.sights), {}};
}

}  // namespace

WatchLogRead ReadWatchLog(const std::string& path) {
  const WatchLogRows read = ReadRows(path);
  return {WatchComparisons(read.rows), read.problem};
}

std::string AppendToWatchLog(const std::string& path, const WatchComparison& comparison) {
  WatchLogRows read = ReadRows(path);
  if (!read.problem.empty()) return read.problem;
  read.rows.push_back(WatchRowOf(comparison));
  const SightLogSave saved = SaveSightLog(path, FormatSightLog(read.rows), false);
  return saved.ok ? std::string() : "The watch log " + path + " cannot be saved: " + saved.problem;
}

}  // namespace nocturna
