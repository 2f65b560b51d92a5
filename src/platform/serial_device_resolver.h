#pragma once
// Which serial device stands behind a port name "COM1".."COM9".
#include <optional>
#include <string>
#include <vector>

namespace nocturna {

class SerialDeviceResolver {
 public:
  // The environment variables NOCTURNA_COM1..NOCTURNA_COM9 name the devices when any of
  // them is set (an empty value: no such port); otherwise the devices found on the
  // machine, in the order of AutomaticDevices.
  static SerialDeviceResolver FromEnvironment();

  // Port n (1..9) is devices[n - 1]; an empty entry means no port.
  explicit SerialDeviceResolver(std::vector<std::string> devices) : devices_(std::move(devices)) {}

  // The device path for "COM1".."COM9"; none for any other name (COM0, "COM:" ...).
  std::optional<std::string> DevicePath(const std::string& portName) const;

  // The machine's serial devices, each group in numeric order: USB serial adapters
  // (/dev/ttyUSB*), USB modem-class devices (/dev/ttyACM*), then the board's UARTs
  // (/dev/ttyAMA*, and /dev/ttyS* that have a UART behind them).
  static std::vector<std::string> AutomaticDevices();

 private:
  std::vector<std::string> devices_;
};

}  // namespace nocturna
