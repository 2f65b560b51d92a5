#include "platform/ephemeris_setting.h"

#include "platform/setting_value.h"

namespace nocturna {
namespace {

constexpr char kEphemerisValue[] = "ephemeris";

}  // namespace

bool ReadPreciseEphemerisSetting(const std::string& hivePath) { return ReadSettingSwitch(hivePath, kEphemerisValue); }

std::vector<Message> SavePreciseEphemerisSetting(const std::string& hivePath, bool precise,
                                                 const HiveFileOps& ops) {
  return SaveSettingSwitch(hivePath, kEphemerisValue, precise, "the ephemeris choice", ops);
}

}  // namespace nocturna
