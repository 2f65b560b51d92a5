#include "platform/serial_device_resolver.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace nocturna {
namespace {

constexpr int kPortCount = 9;

// Devices /dev/<prefix>N, sorted by N.
std::vector<std::string> NumberedDevices(const std::string& prefix, bool needsUart) {
  std::vector<std::pair<long, std::string>> found;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator("/sys/class/tty", error)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind(prefix, 0) != 0 || name.size() == prefix.size()) continue;
    const std::string digits = name.substr(prefix.size());
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) continue;
    if (needsUart) {
      // The 8250 driver lists ports without hardware; their type is 0 (unknown).
      std::ifstream typeFile(entry.path() / "type");
      int type = 0;
      if (!(typeFile >> type) || type == 0) continue;
    }
    found.emplace_back(std::strtol(digits.c_str(), nullptr, 10), "/dev/" + name);
  }
  std::sort(found.begin(), found.end());
  std::vector<std::string> devices;
  for (auto& [number, path] : found) devices.push_back(std::move(path));
  return devices;
}

}  // namespace

SerialDeviceResolver SerialDeviceResolver::FromEnvironment() {
  std::vector<std::string> overrides(kPortCount);
  bool anySet = false;
  for (int n = 1; n <= kPortCount; ++n) {
    const std::string name = "NOCTURNA_COM" + std::to_string(n);
    if (const char* value = std::getenv(name.c_str())) {
      overrides[n - 1] = value;
      anySet = true;
    }
  }
  return SerialDeviceResolver(anySet ? overrides : AutomaticDevices());
}

std::optional<std::string> SerialDeviceResolver::DevicePath(const std::string& portName) const {
  if (portName.size() != 4 || portName.compare(0, 3, "COM") != 0) return std::nullopt;
  const int n = portName[3] - '0';
  if (n < 1 || n > kPortCount || n > static_cast<int>(devices_.size())) return std::nullopt;
  const std::string& path = devices_[n - 1];
  if (path.empty()) return std::nullopt;
  return path;
}

std::vector<std::string> SerialDeviceResolver::AutomaticDevices() {
  std::vector<std::string> devices;
  for (const auto& [prefix, needsUart] : {std::pair{"ttyUSB", false}, std::pair{"ttyACM", false},
                                          std::pair{"ttyAMA", false}, std::pair{"ttyS", true}}) {
    for (auto& path : NumberedDevices(prefix, needsUart)) devices.push_back(std::move(path));
  }
  return devices;
}

}  // namespace nocturna
