#pragma once
// The few socket steps the network sources and the fix out need, over POSIX sockets: a
// connection with a time-out, a UDP listener, a burst read that a cancel signal ends, and a
// send that never blocks. Every wait also watches a cancel descriptor (-1: none).
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/network/host_port.h"

namespace nocturna {

// An open socket, or why there is none (the system's words, or "no answer within 3 s").
struct SocketOpen {
  int fd = -1;
  std::string error;
  bool cancelled = false;
};

// Connects over TCP to each address of endpoint in turn, within timeoutMs in all.
SocketOpen ConnectTcp(const HostPort& endpoint, int timeoutMs, int cancelFd);
// A UDP socket bound to endpoint (host empty: every address of the machine).
SocketOpen BindUdp(const HostPort& endpoint);
// A TCP listener on endpoint (host empty: every address), non-blocking, address reuse on.
SocketOpen ListenTcp(const HostPort& endpoint);
// A UDP socket connected to endpoint, for sending.
SocketOpen UdpSender(const HostPort& endpoint);

struct SocketBurst {
  std::size_t bytes = 0;
  bool cancelled = false;
  bool failed = false;  // the connection ended, broke, or stayed silent past silenceMs
  std::string reason;
};

// Reads one burst into buffer: waits up to silenceMs for the first byte, then takes what
// follows until a pauseMs pause or a full buffer. datagrams: a UDP socket, whose next datagram
// is left for the next burst when it does not fit in what is left of the buffer.
SocketBurst ReadSocketBurst(int fd, bool datagrams, char* buffer, std::size_t count, int cancelFd,
                            int pauseMs, int silenceMs);

// Sends text whole without blocking; false when the peer cannot take it now or is gone.
bool SendWithoutBlocking(int fd, std::string_view text);

// Waits milliseconds or until cancelFd is readable; true when cancelled.
bool WaitOrCancel(int cancelFd, int milliseconds);

void CloseSocket(int& fd);

}  // namespace nocturna
