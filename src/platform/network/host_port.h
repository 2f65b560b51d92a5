#pragma once
// A network endpoint as the user types it: "host:port", "[::1]:2947", "host" or ":port".
#include <optional>
#include <string>
#include <string_view>

namespace nocturna {

struct HostPort {
  std::string host;  // a name or a numeric address, without brackets
  int port = 0;      // 1..65535
};

inline constexpr int kGpsdDefaultPort = 2947;
inline constexpr int kNmeaDefaultPort = 10110;

struct HostPortParse {
  std::optional<HostPort> endpoint;
  std::string error;  // why the text is no endpoint, when endpoint is empty
};

// Reads text; a missing host is defaultHost, a missing port defaultPort. An IPv6 address
// with a port goes in brackets.
HostPortParse ParseHostPort(std::string_view text, const std::string& defaultHost, int defaultPort);

// "host:port", "[::1]:2947": the form ParseHostPort reads back.
std::string HostPortText(const HostPort& endpoint);

}  // namespace nocturna
