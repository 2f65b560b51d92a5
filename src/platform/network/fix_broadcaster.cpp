#include "platform/network/fix_broadcaster.h"

#include <sys/socket.h>
#include <unistd.h>

#include "platform/network/socket_stream.h"

namespace nocturna {

FixBroadcaster::~FixBroadcaster() { Stop(); }

std::string FixBroadcaster::Start(const FixOutSetting& setting) {
  Stop();
  if (setting.kind == FixOutKind::Off) return {};
  const bool tcp = setting.kind == FixOutKind::TcpServer;
  const SocketOpen open = tcp ? ListenTcp(setting.endpoint) : UdpSender(setting.endpoint);
  if (open.fd < 0) {
    return tcp ? "Could not send fixes on TCP port " + std::to_string(setting.endpoint.port) + ": " + open.error
               : "Could not send fixes to UDP " + HostPortText(setting.endpoint) + ": " + open.error;
  }
  (tcp ? listenFd_ : udpFd_) = open.fd;
  return {};
}

void FixBroadcaster::Stop() {
  for (int& plotter : plotters_) CloseSocket(plotter);
  plotters_.clear();
  CloseSocket(listenFd_);
  CloseSocket(udpFd_);
}

void FixBroadcaster::AcceptPlotters() {
  if (listenFd_ < 0) return;
  for (;;) {
    int plotter = ::accept4(listenFd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (plotter < 0) return;
    if (plotters_.size() >= kMostPlotters || (!last_.empty() && !SendWithoutBlocking(plotter, last_))) {
      CloseSocket(plotter);
      continue;
    }
    plotters_.push_back(plotter);
  }
}

void FixBroadcaster::Send(const std::string& sentences) {
  last_ = sentences;
  AcceptPlotters();
  if (udpFd_ >= 0) SendWithoutBlocking(udpFd_, sentences);  // a plotter not listening yet misses it
  std::vector<int> kept;
  for (int plotter : plotters_) {
    if (SendWithoutBlocking(plotter, sentences)) kept.push_back(plotter);
    else CloseSocket(plotter);
  }
  plotters_.swap(kept);
}

}  // namespace nocturna
