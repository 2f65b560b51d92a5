#include "network/network_fixes_options.h"

#include "foundations/number_text.h"

namespace nocturna {
namespace {

constexpr int kMostFixes = 1000000;
constexpr int kLongestTimeoutSeconds = 86400;

std::string Expected(std::string_view name, std::string_view value, const std::string& what) {
  return std::string(name) + " '" + std::string(value) + "': expected " + what;
}

}  // namespace

std::string ReadNetworkSource(std::string_view name, std::string_view value, AlmanacOptions& options) {
  const bool udp = name == "--nmea-udp";
  const GpsSourceKind kind = udp ? GpsSourceKind::NmeaUdp : name == "--gpsd" ? GpsSourceKind::Gpsd : GpsSourceKind::NmeaTcp;
  const HostPortParse parsed =
      udp ? ParseHostPort(":" + std::string(value), "", kNmeaDefaultPort)
          : ParseHostPort(value, "localhost", kind == GpsSourceKind::Gpsd ? kGpsdDefaultPort : kNmeaDefaultPort);
  if (value.empty() || !parsed.endpoint) {
    return Expected(name, value, udp ? "a port from 1 to 65535" : "HOST:PORT, an IPv6 address in brackets");
  }
  options.network.source = {kind, *parsed.endpoint};
  return {};
}

std::string ReadFixCount(std::string_view name, std::string_view value, AlmanacOptions& options) {
  const auto fixes = ParseWholeNumber(value);
  if (!fixes || *fixes < 1 || *fixes > kMostFixes) {
    return Expected(name, value, "a whole number from 1 to " + std::to_string(kMostFixes));
  }
  options.network.fixes = *fixes;
  return {};
}

std::string ReadFixTimeout(std::string_view name, std::string_view value, AlmanacOptions& options) {
  const auto seconds = ParseWholeNumber(value);
  if (!seconds || *seconds < 1 || *seconds > kLongestTimeoutSeconds) {
    return Expected(name, value, "whole seconds from 1 to " + std::to_string(kLongestTimeoutSeconds));
  }
  options.network.timeoutSeconds = *seconds;
  return {};
}

}  // namespace nocturna
