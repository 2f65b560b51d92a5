#include "platform/cancel_signal.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

#include "platform/port_result.h"

namespace nocturna {

CancelSignal::CancelSignal() {
  if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) {
    problem_ = "no pipe for the cancel signal: " + SystemReason(errno);
    pipe_[0] = pipe_[1] = -1;
  }
}

CancelSignal::~CancelSignal() {
  for (int& fd : pipe_) {
    if (fd >= 0) ::close(fd);
    fd = -1;
  }
}

void CancelSignal::Cancel() {
  cancelled_.store(true);
  if (!Ready()) return;
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(pipe_[1], &byte, 1);  // full pipe: already signalled
}

void CancelSignal::Reset() {
  char drain[64];
  while (::read(pipe_[0], drain, sizeof drain) > 0) {
  }
  cancelled_.store(false);
}

bool CancelSignal::WaitForCancel(int milliseconds) const {
  using Clock = std::chrono::steady_clock;
  pollfd fd{pipe_[0], POLLIN, 0};
  const auto deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
  while (!Cancelled()) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return false;
    if (::poll(&fd, 1, static_cast<int>(left)) < 0 && errno != EINTR) return Cancelled();
  }
  return true;
}

}  // namespace nocturna
