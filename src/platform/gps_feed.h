#pragma once
// Where the GPS reader gets its bytes: a serial port, gpsd, or NMEA over the network. Each
// source reads one burst at a time on the reader thread; the window thread then parses the
// latest RMC fix of the burst through the same burst reader, whatever the source.
#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "foundations/date_time.h"
#include "navigation/nmea_burst_reader.h"
#include "navigation/nmea_sentence.h"
#include "platform/com_port.h"
#include "platform/port_result.h"

namespace nocturna {

class GpsFeed {
 public:
  static constexpr std::size_t kBufferSize = 500;

  virtual ~GpsFeed() = default;

  // Clears sentenceBuffer and reads one burst into it: at most kBufferSize bytes, ended by a
  // 200 ms pause after the first byte or by overlapped.Cancel(). A lost source sets
  // overlapped.failed and its reason. Runs on the reader thread.
  virtual void StartRead(OverlappedRead& overlapped) = 0;
  // Releases the source; the serial port's own failure text when it does not close.
  virtual PortResult CloseFeed() = 0;
  // The user's name for the source: "COM4", "gpsd 127.0.0.1:2947".
  virtual std::string SourceName() const = 0;
  // What to tell the user, once, when the source is lost after it had answered (reason: the
  // system's words); empty for none. The reader tries again about once a second.
  virtual std::string LossNotice(const std::string& /*reason*/) const { return {}; }

  // Reads the latest intact RMC sentence of the last burst into rmc (window thread).
  // False when the burst completed none; a sentence cut at the buffer's end is finished by
  // the next burst. Fields keep their values when no RMC sentence came.
  bool ParseRmc();
  // rmc.utcTime as the time of day, in days (UTC); fractions of a second dropped. None for a
  // time that is no clock time.
  std::optional<DateTime> GpsTimeOfDay() const;
  // The bytes of the last read.
  std::size_t BurstLength() const { return burstLength_; }

  std::array<char, kBufferSize> sentenceBuffer{};
  RmcFields rmc;  // sentenceId, utcTime, status, latitude and longitude with their letters

 protected:
  std::size_t burstLength_ = 0;
  NmeaBurstReader burstReader_;
};

}  // namespace nocturna
