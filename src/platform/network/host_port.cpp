#include "platform/network/host_port.h"

#include <cctype>

namespace nocturna {
namespace {

std::optional<int> ReadPort(std::string_view digits) {
  if (digits.empty() || digits.size() > 5) return std::nullopt;
  int port = 0;
  for (const char c : digits) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
    port = port * 10 + (c - '0');
  }
  if (port < 1 || port > 65535) return std::nullopt;
  return port;
}

bool PlainHostName(std::string_view host) {
  for (const char c : host) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.' && c != '-' && c != '_' && c != ':') return false;
  }
  return true;
}

}  // namespace

HostPortParse ParseHostPort(std::string_view text, const std::string& defaultHost, int defaultPort) {
  const std::string shown(text);
  std::string_view host = text;
  std::string_view port;
  if (!text.empty() && text.front() == '[') {
    const std::size_t close = text.find(']');
    if (close == std::string_view::npos) return {std::nullopt, "\"" + shown + "\" lacks the closing ]"};
    host = text.substr(1, close - 1);
    const std::string_view rest = text.substr(close + 1);
    if (!rest.empty() && rest.front() != ':') return {std::nullopt, "\"" + shown + "\" has text after the ]"};
    if (!rest.empty()) port = rest.substr(1);
    if (rest == ":") return {std::nullopt, "\"" + shown + "\" has no port after the colon"};
  } else if (const std::size_t colon = text.rfind(':'); colon != std::string_view::npos) {
    if (text.find(':') != colon) {
      host = text;  // a bare IPv6 address
    } else {
      host = text.substr(0, colon);
      port = text.substr(colon + 1);
      if (port.empty()) return {std::nullopt, "\"" + shown + "\" has no port after the colon"};
    }
  }
  if (!PlainHostName(host)) return {std::nullopt, "\"" + shown + "\" is no host name or address"};
  HostPort endpoint{host.empty() ? defaultHost : std::string(host), defaultPort};
  if (!port.empty()) {
    const std::optional<int> number = ReadPort(port);
    if (!number) return {std::nullopt, "\"" + shown + "\" needs a port from 1 to 65535"};
    endpoint.port = *number;
  }
  return {endpoint, ""};
}

std::string HostPortText(const HostPort& endpoint) {
  const bool bracket = endpoint.host.find(':') != std::string::npos;
  return (bracket ? "[" + endpoint.host + "]" : endpoint.host) + ":" + std::to_string(endpoint.port);
}

}  // namespace nocturna
