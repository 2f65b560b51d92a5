#include "platform/network/network_feed.h"

#include <cerrno>

#include "platform/network/socket_stream.h"

namespace nocturna {
namespace {

// gpsd's request for the receiver's sentences as they come, NMEA rather than its JSON reports.
constexpr char kGpsdWatchNmea[] = "?WATCH={\"enable\":true,\"nmea\":true};\n";
// The pause that ends a burst, as on the serial line.
constexpr int kBurstPauseMs = 200;
// Under a flood, full bursts reach the window thread no faster than this.
constexpr int kFullBurstSpacingMs = 50;

}  // namespace

NetworkFeed::NetworkFeed(GpsSourceSetting source) : kind_(source.kind), endpoint_(std::move(source.endpoint)) {}

NetworkFeed::~NetworkFeed() { CloseSocket(fd_); }

std::string NetworkFeed::SourceName() const {
  switch (kind_) {
    case GpsSourceKind::Gpsd: return "gpsd " + HostPortText(endpoint_);
    case GpsSourceKind::NmeaTcp: return "NMEA TCP " + HostPortText(endpoint_);
    case GpsSourceKind::NmeaUdp: return "NMEA UDP port " + std::to_string(endpoint_.port);
    case GpsSourceKind::Serial: break;
  }
  return {};
}

std::string NetworkFeed::LossNotice(const std::string& reason) const {
  return "Lost the GPS on " + SourceName() + " (" + reason + ").\n\rTrying again every second.";
}

PortResult NetworkFeed::Open(int cancelFd) {
  PortResult result = Connect(cancelFd);
  if (result) return result;
  if (kind_ == GpsSourceKind::NmeaUdp) {
    result.message = "Could not listen for NMEA on UDP port " + std::to_string(endpoint_.port) + ": " + result.reason;
  } else {
    result.message = "Could not connect to " + std::string(kind_ == GpsSourceKind::Gpsd ? "gpsd" : "NMEA TCP") +
                     " at " + HostPortText(endpoint_) + ": " + result.reason;
  }
  return result;
}

PortResult NetworkFeed::Connect(int cancelFd) {
  CloseSocket(fd_);
  burstReader_.Reset();
  const SocketOpen open = kind_ == GpsSourceKind::NmeaUdp ? BindUdp(endpoint_)
                                                              : ConnectTcp(endpoint_, kConnectTimeoutMs, cancelFd);
  if (open.fd < 0) return PortResult{"failed", open.cancelled ? "cancelled" : open.error};
  fd_ = open.fd;
  if (kind_ == GpsSourceKind::Gpsd && !SendWithoutBlocking(fd_, kGpsdWatchNmea)) {
    const PortResult failed{"failed", SystemReason(errno)};
    CloseSocket(fd_);
    return failed;
  }
  return PortResult::Success();
}

void NetworkFeed::StartRead(OverlappedRead& overlapped) {
  sentenceBuffer.fill('\0');
  burstLength_ = 0;
  overlapped.bytesRead = 0;
  overlapped.failed = false;
  const int cancelFd = overlapped.SignalFd();
  if (lastBurstFull_ && WaitOrCancel(cancelFd, kFullBurstSpacingMs)) return;
  if (fd_ < 0) {
    const PortResult reconnected = Connect(cancelFd);
    if (!reconnected) {
      overlapped.failed = !overlapped.Cancelled();
      overlapped.reason = reconnected.reason;
      return;
    }
  }
  const SocketBurst burst = ReadSocketBurst(fd_, kind_ == GpsSourceKind::NmeaUdp, sentenceBuffer.data(),
                                            sentenceBuffer.size(), cancelFd, kBurstPauseMs, kSilenceLimitMs);
  burstLength_ = burst.bytes;
  overlapped.bytesRead = burst.bytes;
  lastBurstFull_ = burst.bytes == sentenceBuffer.size();
  if (burst.failed) {
    overlapped.failed = true;
    overlapped.reason = burst.reason;
    // A silent UDP port stays bound; a broken or silent connection is made again.
    if (kind_ != GpsSourceKind::NmeaUdp) CloseSocket(fd_);
  }
}

PortResult NetworkFeed::CloseFeed() {
  CloseSocket(fd_);
  return PortResult::Success();
}

}  // namespace nocturna
