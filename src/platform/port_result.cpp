#include "platform/port_result.h"

#include <cstring>

namespace nocturna {

std::string SystemReason(int error) {
  char text[256];
  // GNU strerror_r: the text may be a static string rather than the buffer; safe on any thread.
  return ::strerror_r(error, text, sizeof text);
}

}  // namespace nocturna
