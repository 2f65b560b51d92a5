// nocturna-almanac --nmea-replay FILE [--burst N]: a receiver's log fed through the GPS
// burst reading, parsing and position step as a serial port would deliver it; one line
// per accepted fix, then the counts.
#include "nmea/nmea_replay_report.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/standard_output.h"
#include "navigation/nmea_replay.h"

namespace nocturna {
namespace {

int ReadFailure(const std::string& file, int error) {
  return Fail("cannot read the log " + file + ": " + std::strerror(error));
}

}  // namespace

int RunNmeaReplay(const NmeaReplayOptions& options) {
  std::FILE* in = std::fopen(options.file.c_str(), "rb");
  if (in == nullptr) return ReadFailure(options.file, errno);
  // One burst ahead is read before the current one is fed, so the last burst is known as the last.
  NmeaBurstReplay replay;
  StandardOutput output;
  std::vector<char> current(options.burst), next(options.burst);
  std::size_t currentCount = std::fread(current.data(), 1, current.size(), in);
  while (currentCount > 0 && !std::ferror(in) && !output.Failed()) {
    const std::size_t nextCount = std::feof(in) ? 0 : std::fread(next.data(), 1, next.size(), in);
    if (std::ferror(in)) break;
    if (const auto fix = replay.Feed(current.data(), currentCount, nextCount == 0)) {
      output.Write(fix->line + '\n');
    }
    current.swap(next);
    currentCount = nextCount;
  }
  const bool readFailed = std::ferror(in) != 0;
  const int readError = errno;
  std::fclose(in);
  if (readFailed) return ReadFailure(options.file, readError);
  output.Write(FormatReplaySummary(replay.Counts()) + '\n');
  return output.Finish();
}

}  // namespace nocturna
