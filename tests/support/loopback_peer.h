#pragma once
// Network peers on the loopback address for the network tests: a TCP server that runs a
// script for each connection it accepts, a free port, and a plotter's connection and reading.
// Nothing leaves 127.0.0.1.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>

namespace nocturna::testing {

// A socket of the type bound to 127.0.0.1 on a port the system picks; -1 on failure.
inline int BoundLoopbackSocket(int type, int& port) {
  const int fd = ::socket(AF_INET, type | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    if (fd >= 0) ::close(fd);
    return -1;
  }
  port = ntohs(address.sin_port);
  return fd;
}

// A loopback port with nothing listening on it (connections are refused).
inline int RefusingPort() {
  int port = 0;
  const int fd = BoundLoopbackSocket(SOCK_STREAM, port);
  ::close(fd);
  return port;
}

// A TCP connection to the loopback port, as a plotter makes one; -1 when refused.
inline int ConnectTo(int port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in to{};
  to.sin_family = AF_INET;
  to.sin_port = htons(static_cast<std::uint16_t>(port));
  to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (::connect(fd, reinterpret_cast<sockaddr*>(&to), sizeof to) == 0) return fd;
  ::close(fd);
  return -1;
}

// One line as a plotter reads it, within two seconds; empty when none came.
inline std::string ReadLine(int fd) {
  std::string line;
  char c = 0;
  pollfd ready{fd, POLLIN, 0};
  while (::poll(&ready, 1, 2000) == 1 && ::recv(fd, &c, 1, 0) == 1) {
    line += c;
    if (c == '\n') break;
  }
  return line;
}

inline bool SendAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Accepts connections one after another and runs the script on each; the connection closes
// when the script returns. The script should end soon after Stopping() turns true.
class LoopbackTcpServer {
 public:
  using Script = std::function<void(int client, const LoopbackTcpServer& server)>;

  explicit LoopbackTcpServer(Script script, int backlog = 4) : script_(std::move(script)) {
    fd_ = BoundLoopbackSocket(SOCK_STREAM, port_);
    ::listen(fd_, backlog);
    thread_ = std::thread([this] { Serve(); });
  }
  ~LoopbackTcpServer() {
    stopping_ = true;
    thread_.join();
    ::close(fd_);
  }
  LoopbackTcpServer(const LoopbackTcpServer&) = delete;
  LoopbackTcpServer& operator=(const LoopbackTcpServer&) = delete;

  int Port() const { return port_; }
  bool Stopping() const { return stopping_; }
  int Connections() const { return connections_; }
  // Waits up to milliseconds, less when stopping; false when stopping.
  bool Pause(int milliseconds) const {
    for (int waited = 0; waited < milliseconds && !stopping_; waited += 10) ::usleep(10000);
    return !stopping_;
  }

 private:
  void Serve() {
    while (!stopping_) {
      pollfd listener{fd_, POLLIN, 0};
      if (::poll(&listener, 1, 20) <= 0) continue;
      const int client = ::accept(fd_, nullptr, nullptr);
      if (client < 0) continue;
      ++connections_;
      script_(client, *this);
      ::close(client);
    }
  }

  Script script_;
  int fd_ = -1;
  int port_ = 0;
  std::atomic<bool> stopping_{false};
  std::atomic<int> connections_{0};
  std::thread thread_;
};

}  // namespace nocturna::testing
