#include "platform/ephemeris_setting.h"

#include <cstring>

#include "platform/setting_value.h"

namespace nocturna {
namespace {

constexpr char kEphemerisValue[] = "ephemeris";
constexpr char kDut1Value[] = "dut1";

}  // namespace

bool ReadPreciseEphemerisSetting(const std::string& hivePath) { return ReadSettingSwitch(hivePath, kEphemerisValue); }

std::vector<Message> SavePreciseEphemerisSetting(const std::string& hivePath, bool precise,
                                                 const HiveFileOps& ops) {
  return SaveSettingSwitch(hivePath, kEphemerisValue, precise, "the ephemeris choice", ops);
}

std::optional<double> ReadGivenDut1Setting(const std::string& hivePath) {
  const std::optional<HiveValue> value = ReadSettingValue(hivePath, kDut1Value);
  if (!value || value->type != HiveValueType::Binary || value->data.size() != sizeof(double)) return std::nullopt;
  double seconds = 0;
  std::memcpy(&seconds, value->data.data(), sizeof seconds);
  if (!(seconds >= -kLargestGivenDut1Seconds && seconds <= kLargestGivenDut1Seconds)) return std::nullopt;
  return seconds;
}

std::vector<Message> SaveGivenDut1Setting(const std::string& hivePath, std::optional<double> seconds,
                                          const HiveFileOps& ops) {
  HiveValue value{kDut1Value, HiveValueType::Binary, {}};
  if (seconds) {
    value.data.resize(sizeof(double));
    std::memcpy(value.data.data(), &*seconds, sizeof(double));
  }
  return SaveSettingValue(hivePath, std::move(value), "the DUT1 choice", ops);
}

}  // namespace nocturna
