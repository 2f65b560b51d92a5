#include "platform/home_position.h"

#include <bit>
#include <cmath>

#include "foundations/printf_text.h"

namespace nocturna {

namespace {

constexpr char kLatitudeValue[] = "lat";
constexpr char kLongitudeValue[] = "lon";

Message ErrorMessage(std::string text) { return Message{MessageKind::Error, std::move(text), ""}; }

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// The registry read error: a value the position cannot be read from.
std::string ValueReadError(const std::string& hivePath, const HiveValue& value) {
  const bool binary = value.type == HiveValueType::Binary || value.type == HiveValueType::None;
  const std::string found =
      binary ? PrintfText("%zu bytes of binary data", value.data.size())
             : PrintfText("a %s value of %zu bytes",
                          std::string(HiveValueTypeName(value.type)).c_str(), value.data.size());
  return "Registry read error: the value " + Quoted(value.name) + " of the key " +
         std::string(kHomePositionKey) + " holds " + found +
         ", not the 8 bytes of binary data of a saved position.\n\rSettings file: " + hivePath +
         "\n\rThe saved home position was not used.";
}

// A decoded coordinate, or nothing (with a message) when it is not a position's.
std::optional<double> CheckedCoordinate(double value, const char* what, double limit,
                                        std::vector<Message>& messages) {
  if (std::isfinite(value) && std::fabs(value) <= limit) return value;
  const std::string shown = std::isfinite(value) ? PrintfText("%g", value) : "not a number";
  messages.push_back(Message{
      MessageKind::Warning,
      PrintfText("The saved %s (%s) is not a %s between -%g and %g degrees; it was ignored.", what,
                 shown.c_str(), what, limit, limit),
      ""});
  return std::nullopt;
}

HiveValue PositionValue(const char* name, double degrees) {
  const std::array<std::uint8_t, 8> bytes = LittleEndianBytes(degrees);
  return HiveValue{name, HiveValueType::Binary, {bytes.begin(), bytes.end()}};
}

}  // namespace

std::array<std::uint8_t, 8> LittleEndianBytes(double value) {
  auto bits = std::bit_cast<std::uint64_t>(value);
  std::array<std::uint8_t, 8> bytes{};
  for (std::uint8_t& byte : bytes) {
    byte = static_cast<std::uint8_t>(bits & 0xFFU);
    bits >>= 8;
  }
  return bytes;
}

double DoubleFromLittleEndian(const std::array<std::uint8_t, 8>& bytes) {
  std::uint64_t bits = 0;
  for (int i = 7; i >= 0; --i) bits = (bits << 8) | bytes[static_cast<std::size_t>(i)];
  return std::bit_cast<double>(bits);
}

HomePositionRead ReadHomePosition(const std::string& hivePath) {
  HomePositionRead read;
  const HiveLoad load = LoadHive(hivePath);
  if (load.state == HiveFileState::Unreadable) {
    read.messages.push_back(ErrorMessage("The saved home position could not be read: " +
                                         load.problem + "."));
    return read;
  }
  if (load.state == HiveFileState::Damaged) {
    read.messages.push_back(ErrorMessage(
        "The settings file " + hivePath + " is damaged (" + load.problem +
        "), so the saved home position was not used.\n\rThe file is left as it is until a "
        "position is saved (File, Save); it is then kept as " + hivePath + ".damaged."));
    return read;
  }
  const HiveKey* key = FindHiveKey(load.hive, kHomePositionKey);
  if (key == nullptr) return read;

  // Both values are checked before either is used, so a bad one changes nothing.
  const HiveValue* values[2] = {FindHiveValue(*key, kLatitudeValue),
                                FindHiveValue(*key, kLongitudeValue)};
  for (const HiveValue* value : values) {
    if (value == nullptr) continue;
    const bool binary = value->type == HiveValueType::Binary || value->type == HiveValueType::None;
    if (!binary || value->data.size() != 8) {
      read.messages.push_back(ErrorMessage(ValueReadError(hivePath, *value)));
      return read;
    }
  }
  read.found = true;
  auto decoded = [](const HiveValue* value) {
    std::array<std::uint8_t, 8> bytes{};
    std::copy(value->data.begin(), value->data.end(), bytes.begin());
    return DoubleFromLittleEndian(bytes);
  };
  if (values[0] != nullptr) {
    read.latitude = CheckedCoordinate(decoded(values[0]), "latitude", 90.0, read.messages);
  }
  if (values[1] != nullptr) {
    read.longitude = CheckedCoordinate(decoded(values[1]), "longitude", 180.0, read.messages);
  }
  return read;
}

HomePositionSave SaveHomePosition(const std::string& hivePath, const DrPosition& position,
                                  const HiveFileOps& ops) {
  HomePositionSave result;
  const std::string notSaved = "The position was not saved: ";
  HiveLoad load = LoadHive(hivePath);
  if (load.state == HiveFileState::Unreadable) {
    result.messages.push_back(ErrorMessage(notSaved + load.problem +
                                           ".\n\rThe settings file was left as it is."));
    return result;
  }
  const bool damaged = load.state == HiveFileState::Damaged;
  HiveKey& key = OpenOrCreateHiveKey(load.hive, kHomePositionKey);
  SetHiveValue(key, PositionValue(kLatitudeValue, position.latitude));
  SetHiveValue(key, PositionValue(kLongitudeValue, position.longitude));
  const HiveSave save = SaveHive(hivePath, load.hive, damaged, ops);
  if (!save.ok) {
    result.messages.push_back(ErrorMessage(
        notSaved + save.problem + ".\n\rThe position saved before, if any, is unchanged."));
    return result;
  }
  result.saved = true;
  if (!save.damagedCopy.empty()) {
    result.messages.push_back(Message{
        MessageKind::Information,
        "The settings file was damaged; it was kept as " + save.damagedCopy +
            " and a new one now holds the saved position.",
        ""});
  }
  return result;
}

}  // namespace nocturna
