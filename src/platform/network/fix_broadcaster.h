#pragma once
// Sends the navigator's positions to chart plotters as NMEA 0183: a TCP server that plotters
// connect to (port 10110 by convention), or UDP datagrams to one plotter. Never blocks: a
// plotter that cannot take a sentence at once is dropped, and it may connect again.
#include <string>
#include <vector>

#include "platform/gps_source_setting.h"

namespace nocturna {

class FixBroadcaster {
 public:
  static constexpr std::size_t kMostPlotters = 16;

  FixBroadcaster() = default;
  ~FixBroadcaster();
  FixBroadcaster(const FixBroadcaster&) = delete;
  FixBroadcaster& operator=(const FixBroadcaster&) = delete;

  // Stops what ran and starts what the setting says; the message for the user when it cannot
  // ("Could not send fixes on TCP port 10110: Address already in use"), else empty.
  std::string Start(const FixOutSetting& setting);
  void Stop();

  // The listening socket (readable when a plotter connects); -1 when not serving TCP.
  int ListenFd() const { return listenFd_; }
  // Takes the plotters that connected and sends each the last sentences sent.
  void AcceptPlotters();
  // Sends sentences (whole lines with their line ends) to every plotter.
  void Send(const std::string& sentences);
  std::size_t Plotters() const { return plotters_.size(); }

 private:
  int listenFd_ = -1;
  int udpFd_ = -1;
  std::vector<int> plotters_;
  std::string last_;
};

}  // namespace nocturna
