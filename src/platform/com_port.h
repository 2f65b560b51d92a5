#pragma once
// One serial port over POSIX termios: open by port name, line settings, read time-outs
// and reads that time out and can be cancelled. Every failing operation returns a
// PortResult with a fixed message beginning "COMPort: " and the system's reason.
#include <termios.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/cancel_signal.h"
#include "platform/port_result.h"
#include "platform/serial_device_resolver.h"

namespace nocturna {

class MessagePresenter;

// Interval time-out meaning "return at once with whatever bytes have arrived".
inline constexpr std::uint32_t kReadReturnAtOnce = 0xFFFFFFFF;

// Read time-outs in milliseconds, with the serial driver's meaning: the interval is the
// longest pause allowed between two bytes once the first has come (0: none); the total
// limit of a read of n bytes is multiplier * n + constant (both 0: none).
struct ReadTimeouts {
  std::uint32_t interval = 0;
  std::uint32_t multiplier = 0;
  std::uint32_t constant = 0;
};

// The completion record of a cancellable read: the cancel signal, which any thread may
// raise, and the outcome of the last read.
class OverlappedRead : public CancelSignal {
 public:
  std::size_t bytesRead = 0;  // bytes of the last read
  bool failed = false;        // the last read met a device error or a hang-up
  std::string reason;         // the system's reason for the failure, for logs
};

// A blocking read's result and the bytes it read.
struct [[nodiscard]] PortRead {
  PortResult result;
  std::size_t bytes = 0;
};

class COMPort {
 public:
  // resolver maps "COM1".."COM9" to devices.
  explicit COMPort(SerialDeviceResolver resolver);
  virtual ~COMPort();  // closes a port still open, quietly
  COMPort(const COMPort&) = delete;
  COMPort& operator=(const COMPort&) = delete;

  // Opens the first port from "COM" + ('0' + n) upward (names past '9' never open; the
  // search ends after number 25), read-only and exclusive, then settles it: 500 ms pause,
  // ReadState, SetTimeouts(0, 0, 0), SetFlowControl(true). n ends at the number opened.
  // None: shows "Could not find a GPS..." through presenter and fails with "COMPort: failed
  // to open.".
  PortResult OpenFirstAvailable(int& n, MessagePresenter& presenter);
  // Releases the line settings and closes the device; "COMPort: failed to close.".
  PortResult Close();

  // Fetches the device's settings (raw, binary line) into lineSettings: up to 5 attempts
  // 100 ms apart, then fails with "COMPort: could not retrieve serial port state.".
  PortResult ReadState();
  // Writes lineSettings to the device; "COMPort: could not modify serial port state.".
  PortResult WriteState();

  // Each setter edits lineSettings and writes it whole; each getter reads lineSettings only.
  // Rates in bits per second; parity 0 none, 1 odd, 2 even, 3 mark, 4 space; data bits
  // 5..8; stop bits 0 one, 1 one and a half (sent as two), 2 two. A value the line cannot
  // take fails as a failed write.
  PortResult SetBaudRate(std::uint32_t rate);
  std::uint32_t BaudRate() const;
  PortResult SetParity(std::uint8_t code);
  std::uint8_t Parity() const;
  PortResult SetDataBits(std::uint8_t bits);
  std::uint8_t DataBits() const;
  PortResult SetStopBits(std::uint8_t code);
  std::uint8_t StopBits() const;
  // on: hardware (RTS/CTS) handshake; off: no handshake and RTS held on (where the
  // line has one).
  PortResult SetFlowControl(bool on);

  // Sets the read time-outs; with interval kReadReturnAtOnce the totals are 0 whatever is
  // passed. Fails with "COMPort: failed to retrieve timeouts." when the port is not open.
  PortResult SetTimeouts(std::uint32_t interval, std::uint32_t multiplier, std::uint32_t constant);
  // False when the port is not open.
  bool GetTimeouts(ReadTimeouts& timeouts) const;

  // Reads at most count bytes under the time-outs; "COMPort: read failed " on a device error
  // or a hang-up.
  PortRead Read(char* buffer, std::size_t count);
  // The same read, ended early by overlapped.Cancel(); runs on the calling (reader)
  // thread and returns the bytes read, also kept in overlapped.bytesRead. A device error or
  // hang-up sets overlapped.failed and its reason.
  std::size_t ReadAsync(char* buffer, std::size_t count, OverlappedRead& overlapped);

  const std::string& PortName() const { return portName; }
  int Handle() const { return handle; }

  // The port's pauses (after an open, between state attempts, while listening) end early
  // once cancel is raised, so a search off the window thread can be stopped at once.
  // Null: they run their full length. The signal must outlive the port's use of it.
  void SetCancelSignal(const CancelSignal* cancel) { cancel_ = cancel; }
  // Waits milliseconds, or less when the cancel signal is raised; false when cancelled.
  bool Pause(int milliseconds) const;

 protected:
  // Opens portName's device read-only and exclusive; 0, or the errno value of why it did not
  // open (ENOENT for a name with no device).
  int OpenDevice();
  // The settling steps after an open: 500 ms pause, ReadState, SetTimeouts(0, 0, 0),
  // SetFlowControl(true).
  PortResult Settle();

  std::string portName = "COM0";
  int handle = -1;
  std::unique_ptr<termios> lineSettings;

 private:
  struct ReadOutcome {
    std::size_t bytes = 0;
    bool failed = false;
    std::string reason;  // the system's reason, or the hang-up
  };
  ReadOutcome ReadWithTimeouts(char* buffer, std::size_t count, int cancelFd);

  SerialDeviceResolver resolver_;
  ReadTimeouts timeouts_;
  const CancelSignal* cancel_ = nullptr;
};

}  // namespace nocturna
