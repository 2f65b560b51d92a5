#include "network/network_fixes_options.h"

#include <cerrno>
#include <cstdlib>
#include <optional>

namespace nocturna {
namespace {

constexpr long kMostFixes = 1000000;
constexpr long kLongestTimeoutSeconds = 86400;

struct SourceOption {
  const char* name;
  GpsSourceKind kind;
};
constexpr SourceOption kSourceOptions[] = {
    {"--gpsd", GpsSourceKind::Gpsd},
    {"--nmea-tcp", GpsSourceKind::NmeaTcp},
    {"--nmea-udp", GpsSourceKind::NmeaUdp},
};

std::string OptionName(const std::string& arg) { return arg.substr(0, arg.find('=')); }

std::optional<std::string> OptionValue(const std::vector<std::string>& args, std::size_t& i) {
  const std::string& arg = args[i];
  if (const std::size_t equals = arg.find('='); equals != std::string::npos) return arg.substr(equals + 1);
  if (i + 1 >= args.size()) return std::nullopt;
  return args[++i];
}

std::optional<long> WholeNumber(const std::optional<std::string>& text, long least, long most) {
  if (!text || text->empty()) return std::nullopt;
  char* end = nullptr;
  errno = 0;
  const long value = std::strtol(text->c_str(), &end, 10);
  if (*end != '\0' || errno != 0 || value < least || value > most) return std::nullopt;
  return value;
}

// The source option's value read into options; the refusal when it does not read.
std::string ReadSource(const SourceOption& option, const std::optional<std::string>& value,
                       NetworkFixesOptions& options) {
  const std::string name = option.name;
  if (options.source.kind != GpsSourceKind::Serial) return "give one of --gpsd, --nmea-tcp and --nmea-udp";
  if (!value || value->empty()) {
    return name + (option.kind == GpsSourceKind::NmeaUdp ? " needs a port to listen on" : " needs HOST:PORT");
  }
  const bool udp = option.kind == GpsSourceKind::NmeaUdp;
  const HostPortParse parsed = udp ? ParseHostPort(":" + *value, "", kNmeaDefaultPort)
                                   : ParseHostPort(*value, "localhost",
                                                   option.kind == GpsSourceKind::Gpsd ? kGpsdDefaultPort : kNmeaDefaultPort);
  if (!parsed.endpoint) return name + ": " + parsed.error;
  options.source = {option.kind, *parsed.endpoint};
  return {};
}

std::string ReadOption(const std::vector<std::string>& args, std::size_t& i, NetworkFixesOptions& options) {
  const std::string name = OptionName(args[i]);
  if (name == "--json" && args[i] == name) {
    options.json = true;
    return {};
  }
  for (const SourceOption& option : kSourceOptions) {
    if (name == option.name) return ReadSource(option, OptionValue(args, i), options);
  }
  if (name == "--fixes") {
    const std::optional<long> fixes = WholeNumber(OptionValue(args, i), 1, kMostFixes);
    if (!fixes) return "--fixes needs a whole number from 1 to " + std::to_string(kMostFixes);
    options.fixes = *fixes;
    return {};
  }
  if (name == "--timeout") {
    const std::optional<long> seconds = WholeNumber(OptionValue(args, i), 1, kLongestTimeoutSeconds);
    if (!seconds) return "--timeout needs whole seconds from 1 to " + std::to_string(kLongestTimeoutSeconds);
    options.timeoutSeconds = static_cast<int>(*seconds);
    return {};
  }
  return "a network source takes only --fixes, --timeout and --json beside it, not " + args[i];
}

}  // namespace

bool WantsNetworkFixes(const std::vector<std::string>& args) {
  for (const std::string& arg : args) {
    for (const SourceOption& option : kSourceOptions) {
      if (OptionName(arg) == option.name) return true;
    }
  }
  return false;
}

NetworkFixesOptions ParseNetworkFixesOptions(const std::vector<std::string>& args) {
  NetworkFixesOptions options;
  for (std::size_t i = 0; i < args.size() && options.error.empty(); ++i) options.error = ReadOption(args, i, options);
  return options;
}

}  // namespace nocturna
