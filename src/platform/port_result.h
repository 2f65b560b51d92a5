#pragma once
// The outcome of a serial-port operation: on failure the fixed text the program's own messages
// go by ("COMPort: failed to open.") and the system's reason (the text of errno), kept for
// logs and tests; the user is shown the fixed texts only.
#include <string>

namespace nocturna {

// The system's text for an errno value ("No such file or directory").
std::string SystemReason(int error);

struct [[nodiscard]] PortResult {
  std::string message;  // empty on success
  std::string reason;   // the system's reason, when a system call failed; else empty

  bool Ok() const { return message.empty(); }
  explicit operator bool() const { return Ok(); }
  // "message (reason)", or the message alone: for logs.
  std::string Describe() const { return reason.empty() ? message : message + " (" + reason + ")"; }

  static PortResult Success() { return {}; }
  // error: an errno value.
  static PortResult Failure(const char* message, int error) { return {message, SystemReason(error)}; }
};

}  // namespace nocturna
