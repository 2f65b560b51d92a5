// nocturna-almanac --nmea-replay FILE [--burst N]: a receiver's log fed through the GPS
// burst reading, parsing and position step as a serial port would deliver it; one line
// per accepted fix, then the counts.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "navigation/nmea_replay.h"
#include "utf8_text.h"

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
  std::ifstream in(options.file, std::ios::binary);
  if (!in.is_open()) {
    std::fprintf(stderr, "nocturna-almanac: cannot read the log %s\n", options.file.c_str());
    return kUsageError;
  }
  std::ostringstream log;
  log << in.rdbuf();  // an empty log gives no bursts
  const NmeaReplayReport report = ReplayNmeaLog(log.str(), options.burst);
  std::string page;
  for (const NmeaReplayFix& fix : report.fixes) page += fix.line + '\n';
  page += FormatReplaySummary(report) + '\n';
  const std::string utf8 = Windows1252ToUtf8(page);
  std::fwrite(utf8.data(), 1, utf8.size(), stdout);
  return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}

}  // namespace nocturna
