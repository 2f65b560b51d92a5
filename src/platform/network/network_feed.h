#pragma once
// A receiver's NMEA 0183 over the network: from gpsd (its JSON protocol, asked to pass the
// receiver's own sentences), from a TCP connection to a multiplexer or a plotter, or from UDP
// datagrams arriving on a port. A lost source is tried again about once a second.
#include <string>

#include "platform/gps_feed.h"
#include "platform/gps_source_setting.h"
#include "platform/network/host_port.h"

namespace nocturna {

class NetworkFeed : public GpsFeed {
 public:
  // A connection's first answer, and silence longer than this, end its wait.
  static constexpr int kConnectTimeoutMs = 3000;
  static constexpr int kSilenceLimitMs = 10000;

  // source: gpsd or NMEA over TCP with the server, or NMEA over UDP with the port to listen
  // on (host empty for every address).
  explicit NetworkFeed(GpsSourceSetting source);
  ~NetworkFeed() override;
  NetworkFeed(const NetworkFeed&) = delete;
  NetworkFeed& operator=(const NetworkFeed&) = delete;

  // Connects, or binds the UDP port, within kConnectTimeoutMs or until cancelFd is readable.
  // On failure the message tells the user what and why ("Could not connect to gpsd at
  // 127.0.0.1:2947: Connection refused").
  PortResult Open(int cancelFd);

  void StartRead(OverlappedRead& overlapped) override;
  PortResult CloseFeed() override;
  std::string SourceName() const override;
  std::string LossNotice(const std::string& reason) const override;

  GpsSourceKind Kind() const { return kind_; }

 private:
  PortResult Connect(int cancelFd);

  GpsSourceKind kind_;
  HostPort endpoint_;
  int fd_ = -1;
  bool lastBurstFull_ = false;
};

}  // namespace nocturna
