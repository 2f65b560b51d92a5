#pragma once
// The GPS receiver on a serial port: finding it, reading its bursts and the RMC fix.
#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "foundations/date_time.h"
#include "platform/com_port.h"
#include "platform/gps_feed.h"

namespace nocturna {

// What a search off the window thread gives the search: a cancel signal that ends it at the
// next pause, and a report of each port as its probe begins ("COM3").
struct GpsSearchHooks {
  const CancelSignal* cancel = nullptr;
  std::function<void(const std::string& portName)> probing;
};

class GPSPort;

// What a search gives: the open receiver, or why there is none.
struct GpsOpening {
  std::unique_ptr<GPSPort> port;  // open and set for reading; null on failure
  PortResult result;
};

class GPSPort : public COMPort, public GpsFeed {
 public:
  // A port not yet open; OpenGps gives an open one.
  explicit GPSPort(SerialDeviceResolver resolver) : COMPort(std::move(resolver)) {}

  // Finds and opens the receiver. Fails when no port opens ("COMPort: failed to open.", after
  // its box), the found port does not open again ("GPSPort: failed to open.", after "Could not
  // open GPS on COMn..."), the search is cancelled ("GPSPort: search cancelled.") or a setting
  // is refused (the serial port's own message). presenter shows the boxes and is not kept.
  static GpsOpening OpenGps(MessagePresenter& presenter, SerialDeviceResolver resolver, GpsSearchHooks hooks = {});

  // Listens one second at 4800 baud, 8N1, on an open port: found is true when "$" and a
  // satellite talker (GP, GN, GL, GA, GB, BD) came. The port's settings are restored afterwards.
  static PortResult Probe(COMPort& port, bool& found);

  // One burst at 4800 baud: ended by a 200 ms pause after the first byte (see GpsFeed).
  void StartRead(OverlappedRead& overlapped) override;
  PortResult CloseFeed() override { return Close(); }
  std::string SourceName() const override { return PortName(); }

 private:
  PortResult Open(MessagePresenter& presenter, const SerialDeviceResolver& resolver, const GpsSearchHooks& hooks);
};

}  // namespace nocturna
