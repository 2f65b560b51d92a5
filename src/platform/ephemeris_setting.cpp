#include "platform/ephemeris_setting.h"

#include <cctype>
#include <cstring>

#include "platform/home_position.h"

namespace nocturna {
namespace {

constexpr char kEphemerisValue[] = "ephemeris";
constexpr char kDut1Value[] = "dut1";

// The value of that name beside the home position; null when the file, key or value is missing.
std::optional<HiveValue> ReadValue(const std::string& hivePath, std::string_view name) {
  const HiveLoad load = LoadHive(hivePath);
  if (load.state != HiveFileState::Loaded) return std::nullopt;
  const HiveKey* key = FindHiveKey(load.hive, kHomePositionKey);
  const HiveValue* value = key == nullptr ? nullptr : FindHiveValue(*key, name);
  if (value == nullptr) return std::nullopt;
  return *value;
}

// Writes one value beside the home position, keeping every other; `what` names the setting.
std::vector<Message> SaveValue(const std::string& hivePath, HiveValue value, const std::string& what,
                               const HiveFileOps& ops) {
  std::string notSaved = what + " was not saved: ";
  notSaved[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(notSaved[0])));
  HiveLoad load = LoadHive(hivePath);
  if (load.state == HiveFileState::Unreadable) {
    return {Message{MessageKind::Error, notSaved + load.problem + ".\n\rThe settings file was left as it is.", ""}};
  }
  HiveKey& key = OpenOrCreateHiveKey(load.hive, kHomePositionKey);
  SetHiveValue(key, std::move(value));
  const HiveSave save = SaveHive(hivePath, load.hive, load.state == HiveFileState::Damaged, ops);
  if (!save.ok) return {Message{MessageKind::Error, notSaved + save.problem + ".", ""}};
  if (!save.damagedCopy.empty()) {
    return {Message{MessageKind::Information,
                    "The settings file was damaged; it was kept as " + save.damagedCopy + " and a new one now holds " +
                        what + " (the home position must be saved again).",
                    ""}};
  }
  return {};
}

}  // namespace

bool ReadPreciseEphemerisSetting(const std::string& hivePath) {
  const std::optional<HiveValue> value = ReadValue(hivePath, kEphemerisValue);
  return value && value->type == HiveValueType::Dword && value->data.size() == 4 && value->data[0] == 1 &&
         value->data[1] == 0 && value->data[2] == 0 && value->data[3] == 0;
}

std::vector<Message> SavePreciseEphemerisSetting(const std::string& hivePath, bool precise,
                                                 const HiveFileOps& ops) {
  return SaveValue(hivePath,
                   HiveValue{kEphemerisValue, HiveValueType::Dword, {precise ? std::uint8_t{1} : std::uint8_t{0}, 0, 0, 0}},
                   "the ephemeris choice", ops);
}

std::optional<double> ReadGivenDut1Setting(const std::string& hivePath) {
  const std::optional<HiveValue> value = ReadValue(hivePath, kDut1Value);
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
  return SaveValue(hivePath, std::move(value), "the DUT1 choice", ops);
}

}  // namespace nocturna
