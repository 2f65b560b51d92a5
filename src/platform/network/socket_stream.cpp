#include "platform/network/socket_stream.h"

#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <memory>

#include "platform/port_result.h"

namespace nocturna {
namespace {

using Clock = std::chrono::steady_clock;

struct AddressListDeleter {
  void operator()(addrinfo* list) const { freeaddrinfo(list); }
};
using AddressList = std::unique_ptr<addrinfo, AddressListDeleter>;

AddressList Resolve(const HostPort& endpoint, int socketType, bool passive, std::string& error) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = socketType;
  hints.ai_flags = passive ? AI_PASSIVE : 0;
  addrinfo* list = nullptr;
  const std::string port = std::to_string(endpoint.port);
  const int status = getaddrinfo(endpoint.host.empty() ? nullptr : endpoint.host.c_str(), port.c_str(), &hints, &list);
  if (status != 0) error = gai_strerror(status);
  return AddressList(list);
}

int MillisecondsLeft(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
  return left > 0 ? static_cast<int>(left) : 0;
}

// Polls fd for events beside the cancel descriptor: 1 ready, 0 timed out, -1 cancelled,
// -2 failed (errno kept).
int PollWithCancel(int fd, short events, int cancelFd, int milliseconds) {
  for (;;) {
    pollfd fds[2] = {{fd, events, 0}, {cancelFd, POLLIN, 0}};
    const int ready = ::poll(fds, cancelFd >= 0 ? 2 : 1, milliseconds);
    if (ready < 0 && errno == EINTR) continue;
    if (ready < 0) return -2;
    if (cancelFd >= 0 && (fds[1].revents & POLLIN)) return -1;
    return ready == 0 ? 0 : 1;
  }
}

// One non-blocking connect to address, finished within the deadline.
SocketOpen ConnectOne(const addrinfo& address, Clock::time_point deadline, int timeoutMs, int cancelFd) {
  SocketOpen open;
  int fd = ::socket(address.ai_family, address.ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, address.ai_protocol);
  if (fd < 0) return {-1, SystemReason(errno)};
  if (::connect(fd, address.ai_addr, address.ai_addrlen) != 0 && errno != EINPROGRESS) {
    open.error = SystemReason(errno);
    CloseSocket(fd);
    return open;
  }
  const int ready = PollWithCancel(fd, POLLOUT, cancelFd, MillisecondsLeft(deadline));
  int error = 0;
  socklen_t length = sizeof error;
  if (ready == 1 && getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0) {
    open.fd = fd;
    return open;
  }
  if (ready == -1) open.cancelled = true;
  open.error = ready == 0 ? "no answer within " + std::to_string(timeoutMs / 1000) + " s"
                          : SystemReason(ready == 1 ? error : errno);
  CloseSocket(fd);
  return open;
}

SocketOpen BindSocket(const HostPort& endpoint, int socketType) {
  SocketOpen open;
  const AddressList list = Resolve(endpoint, socketType, true, open.error);
  for (const addrinfo* a = list.get(); a != nullptr; a = a->ai_next) {
    int fd = ::socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a->ai_protocol);
    if (fd < 0) {
      open.error = SystemReason(errno);
      continue;
    }
    const int on = 1;
    if (socketType == SOCK_STREAM) setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    if (::bind(fd, a->ai_addr, a->ai_addrlen) == 0 && (socketType != SOCK_STREAM || ::listen(fd, 8) == 0)) {
      open.fd = fd;
      open.error.clear();
      return open;
    }
    open.error = SystemReason(errno);
    CloseSocket(fd);
  }
  return open;
}

}  // namespace

SocketOpen ConnectTcp(const HostPort& endpoint, int timeoutMs, int cancelFd) {
  SocketOpen open;
  const AddressList list = Resolve(endpoint, SOCK_STREAM, false, open.error);
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  for (const addrinfo* a = list.get(); a != nullptr && !open.cancelled; a = a->ai_next) {
    open = ConnectOne(*a, deadline, timeoutMs, cancelFd);
    if (open.fd >= 0) return open;
  }
  return open;
}

SocketOpen BindUdp(const HostPort& endpoint) { return BindSocket(endpoint, SOCK_DGRAM); }

SocketOpen ListenTcp(const HostPort& endpoint) { return BindSocket(endpoint, SOCK_STREAM); }

SocketOpen UdpSender(const HostPort& endpoint) {
  SocketOpen open;
  const AddressList list = Resolve(endpoint, SOCK_DGRAM, false, open.error);
  for (const addrinfo* a = list.get(); a != nullptr; a = a->ai_next) {
    int fd = ::socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a->ai_protocol);
    if (fd >= 0 && ::connect(fd, a->ai_addr, a->ai_addrlen) == 0) return {fd, "", false};
    open.error = SystemReason(errno);
    CloseSocket(fd);
  }
  return open;
}

SocketBurst ReadSocketBurst(int fd, bool datagrams, char* buffer, std::size_t count, int cancelFd,
                            int pauseMs, int silenceMs) {
  SocketBurst burst;
  while (burst.bytes < count) {
    const int ready = PollWithCancel(fd, POLLIN, cancelFd, burst.bytes == 0 ? silenceMs : pauseMs);
    if (ready == -1) {
      burst.cancelled = true;
      break;
    }
    if (ready == 0) {
      if (burst.bytes > 0) break;  // the pause that ends a burst
      burst.failed = true;
      burst.reason = "nothing came for " + std::to_string(silenceMs / 1000) + " s";
      break;
    }
    if (datagrams && burst.bytes > 0) {
      int next = 0;
      if (ioctl(fd, FIONREAD, &next) == 0 && static_cast<std::size_t>(next) > count - burst.bytes) break;
    }
    const ssize_t got = ready == 1 ? ::recv(fd, buffer + burst.bytes, count - burst.bytes, MSG_DONTWAIT) : -1;
    if (got > 0 || (got == 0 && datagrams)) {
      burst.bytes += static_cast<std::size_t>(got);
    } else if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
      continue;
    } else {
      burst.failed = true;
      burst.reason = got == 0 ? "the other end closed the connection" : SystemReason(errno);
      break;
    }
  }
  return burst;
}

bool SendWithoutBlocking(int fd, std::string_view text) {
  const ssize_t sent = ::send(fd, text.data(), text.size(), MSG_DONTWAIT | MSG_NOSIGNAL);
  return sent == static_cast<ssize_t>(text.size());
}

bool WaitOrCancel(int cancelFd, int milliseconds) {
  if (cancelFd < 0) {
    ::poll(nullptr, 0, milliseconds);
    return false;
  }
  return PollWithCancel(cancelFd, POLLIN, -1, milliseconds) == 1;
}

void CloseSocket(int& fd) {
  if (fd >= 0) ::close(fd);
  fd = -1;
}

}  // namespace nocturna
