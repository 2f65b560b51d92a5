#include "platform/ephemeris_setting.h"

#include "platform/home_position.h"

namespace nocturna {
namespace {

constexpr char kEphemerisValue[] = "ephemeris";

}  // namespace

bool ReadPreciseEphemerisSetting(const std::string& hivePath) {
  const HiveLoad load = LoadHive(hivePath);
  if (load.state != HiveFileState::Loaded) return false;
  const HiveKey* key = FindHiveKey(load.hive, kHomePositionKey);
  const HiveValue* value = key == nullptr ? nullptr : FindHiveValue(*key, kEphemerisValue);
  return value != nullptr && value->type == HiveValueType::Dword && value->data.size() == 4 &&
         value->data[0] == 1 && value->data[1] == 0 && value->data[2] == 0 && value->data[3] == 0;
}

std::vector<Message> SavePreciseEphemerisSetting(const std::string& hivePath, bool precise,
                                                 const HiveFileOps& ops) {
  const std::string notSaved = "The ephemeris choice was not saved: ";
  HiveLoad load = LoadHive(hivePath);
  if (load.state == HiveFileState::Unreadable) {
    return {Message{MessageKind::Error, notSaved + load.problem + ".\n\rThe settings file was left as it is.", ""}};
  }
  HiveKey& key = OpenOrCreateHiveKey(load.hive, kHomePositionKey);
  SetHiveValue(key, HiveValue{kEphemerisValue, HiveValueType::Dword, {precise ? std::uint8_t{1} : std::uint8_t{0}, 0, 0, 0}});
  const HiveSave save = SaveHive(hivePath, load.hive, load.state == HiveFileState::Damaged, ops);
  if (!save.ok) return {Message{MessageKind::Error, notSaved + save.problem + ".", ""}};
  if (!save.damagedCopy.empty()) {
    return {Message{MessageKind::Information,
                    "The settings file was damaged; it was kept as " + save.damagedCopy +
                        " and a new one now holds the ephemeris choice (the home position must be saved again).",
                    ""}};
  }
  return {};
}

}  // namespace nocturna
