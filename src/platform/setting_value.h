#pragma once
// One setting beside the home position: a value of the key "\software\Quillon" read and
// written alone, keeping every other key and value of the settings file.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/message_presenter.h"
#include "platform/registry_hive.h"
#include "platform/registry_hive_file.h"

namespace nocturna {

// The value of that name; none when the file, the key or the value is missing, or the file
// cannot be read (the home position's read tells of those).
std::optional<HiveValue> ReadSettingValue(const std::string& hivePath, std::string_view name);

// Writes value. A damaged file is kept aside as <file>.damaged, as a saved position does.
// what names the setting in the messages ("the ephemeris choice"). Returns what to tell the
// user (empty when saved).
std::vector<Message> SaveSettingValue(const std::string& hivePath, HiveValue value, const std::string& what,
                                      const HiveFileOps& ops = {});

// A DWORD value as a switch: true when it holds 1.
bool ReadSettingSwitch(const std::string& hivePath, std::string_view name);
std::vector<Message> SaveSettingSwitch(const std::string& hivePath, std::string_view name, bool on,
                                       const std::string& what, const HiveFileOps& ops = {});

}  // namespace nocturna
