// nocturna-almanac --nmea-replay FILE [--burst N]: a receiver's log fed through the GPS
// burst reading, parsing and position step as a serial port would deliver it; one line
// per accepted fix, then the counts.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "foundations/windows1252.h"
#include "navigation/nmea_replay.h"

namespace nocturna {
namespace {

constexpr int kUsageError = 2;
constexpr long kMaxBurst = 1 << 20;

struct ReplayOptions {
  std::string file;
  std::size_t burst = kDefaultReplayBurst;
  std::string error;
};

// "--name value" or "--name=value"; advances i past what it used.
std::optional<std::string> OptionValue(const std::vector<std::string>& args, std::size_t& i, const std::string& name) {
  const std::string& arg = args[i];
  if (arg.rfind(name + "=", 0) == 0) return arg.substr(name.size() + 1);
  if (arg != name || i + 1 >= args.size()) return std::nullopt;
  return args[++i];
}

ReplayOptions ParseReplayOptions(const std::vector<std::string>& args) {
  ReplayOptions options;
  for (std::size_t i = 0; i < args.size() && options.error.empty(); ++i) {
    const std::string name = args[i].substr(0, args[i].find('='));
    if (name == "--nmea-replay") {
      const auto value = OptionValue(args, i, name);
      if (!value || value->empty()) options.error = "--nmea-replay needs a log file";
      else options.file = *value;
    } else if (name == "--burst") {
      const auto value = OptionValue(args, i, name);
      char* end = nullptr;
      errno = 0;
      const long burst = value ? std::strtol(value->c_str(), &end, 10) : 0;
      if (!value || value->empty() || *end != '\0' || errno != 0 || burst < 1 || burst > kMaxBurst) {
        options.error = "--burst needs a whole number of bytes from 1 to " + std::to_string(kMaxBurst);
      } else {
        options.burst = static_cast<std::size_t>(burst);
      }
    } else {
      options.error = "--nmea-replay takes only --burst N beside it, not " + args[i];
    }
  }
  return options;
}

// The Windows-1252 text on stdout in UTF-8; false when it did not go out whole.
bool WriteText(const std::string& text) {
  const std::string utf8 = Windows1252ToUtf8(text);
  return std::fwrite(utf8.data(), 1, utf8.size(), stdout) == utf8.size();
}

}  // namespace

bool WantsNmeaReplay(const std::vector<std::string>& args) {
  for (const std::string& arg : args) {
    if (arg == "--nmea-replay" || arg.rfind("--nmea-replay=", 0) == 0) return true;
  }
  return false;
}

int RunNmeaReplay(const std::vector<std::string>& args) {
  const ReplayOptions options = ParseReplayOptions(args);
  if (!options.error.empty()) {
    std::fprintf(stderr, "nocturna-almanac: %s\n", options.error.c_str());
    return kUsageError;
  }
  std::FILE* in = std::fopen(options.file.c_str(), "rb");
  if (in == nullptr) {
    std::fprintf(stderr, "nocturna-almanac: cannot read the log %s: %s\n", options.file.c_str(),
                 std::strerror(errno));
    return kUsageError;
  }
  // One burst ahead is read before the current one is fed, so the last burst is known as the last.
  NmeaBurstReplay replay;
  std::vector<char> current(options.burst), next(options.burst);
  std::size_t currentCount = std::fread(current.data(), 1, current.size(), in);
  bool written = true;
  while (written && currentCount > 0 && !std::ferror(in)) {
    const std::size_t nextCount = std::feof(in) ? 0 : std::fread(next.data(), 1, next.size(), in);
    if (std::ferror(in)) break;
    if (const auto fix = replay.Feed(current.data(), currentCount, nextCount == 0)) {
      written = WriteText(fix->line + '\n');
    }
    current.swap(next);
    currentCount = nextCount;
  }
  const bool readFailed = std::ferror(in) != 0;
  const int readError = errno;
  std::fclose(in);
  if (readFailed) {
    std::fprintf(stderr, "nocturna-almanac: cannot read the log %s: %s\n", options.file.c_str(),
                 std::strerror(readError));
    return kUsageError;
  }
  written = written && WriteText(FormatReplaySummary(replay.Counts()) + '\n');
  return written && std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}

}  // namespace nocturna
