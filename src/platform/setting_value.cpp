#include "platform/setting_value.h"

#include <cctype>

#include "platform/home_position.h"

namespace nocturna {

std::optional<HiveValue> ReadSettingValue(const std::string& hivePath, std::string_view name) {
  const HiveLoad load = LoadHive(hivePath);
  if (load.state != HiveFileState::Loaded) return std::nullopt;
  const HiveKey* key = FindHiveKey(load.hive, kHomePositionKey);
  const HiveValue* value = key == nullptr ? nullptr : FindHiveValue(*key, name);
  if (value == nullptr) return std::nullopt;
  return *value;
}

std::vector<Message> SaveSettingValue(const std::string& hivePath, HiveValue value, const std::string& what,
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

bool ReadSettingSwitch(const std::string& hivePath, std::string_view name) {
  const std::optional<HiveValue> value = ReadSettingValue(hivePath, name);
  return value && value->type == HiveValueType::Dword && value->data.size() == 4 && value->data[0] == 1 &&
         value->data[1] == 0 && value->data[2] == 0 && value->data[3] == 0;
}

std::vector<Message> SaveSettingSwitch(const std::string& hivePath, std::string_view name, bool on,
                                       const std::string& what, const HiveFileOps& ops) {
  return SaveSettingValue(hivePath, HiveValue{std::string(name), HiveValueType::Dword, {on ? std::uint8_t{1} : std::uint8_t{0}, 0, 0, 0}},
                          what, ops);
}

}  // namespace nocturna
