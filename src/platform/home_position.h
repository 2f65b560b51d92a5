#pragma once
// The home position the user saved: the key "\software\Quillon" of the registry hive with the
// binary values "lat" and "lon", each 8 bytes holding an IEEE 754 double in little-endian
// order; degrees, latitude north positive, longitude WEST positive. No other value is touched.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "foundations/dr_position.h"
#include "platform/message_presenter.h"
#include "platform/registry_hive_file.h"

namespace nocturna {

inline constexpr char kHomePositionKey[] = "\\software\\Quillon";

// The 8 bytes of a double, least significant first, whatever the machine's own order, and the
// double those bytes hold.
std::array<std::uint8_t, 8> LittleEndianBytes(double value);
double DoubleFromLittleEndian(const std::array<std::uint8_t, 8>& bytes);

struct HomePositionRead {
  // True when the key is there and could be read: the coordinates found are to be used and a
  // missing one is left as it was. False when nothing is saved, or the file or a value could
  // not be read; nothing is then to change.
  bool found = false;
  std::optional<double> latitude;   // degrees, north positive
  std::optional<double> longitude;  // degrees, west positive
  std::vector<Message> messages;    // what went wrong, to be shown in this order
};

// Reads the saved position from the hive file at hivePath. A value that is not binary (or of
// no type), or is not 8 bytes long, makes the whole read fail with the registry read error; a
// coordinate that is not a number or out of range (|lat| > 90, |lon| > 180) is reported and
// ignored. A damaged or unreadable file is reported and taken as no saved position.
HomePositionRead ReadHomePosition(const std::string& hivePath);

struct HomePositionSave {
  bool saved = false;
  std::vector<Message> messages;  // the failure, or a damaged file that was set aside
};

// Writes "lat" and "lon" of the position (degrees, north and west positive), creating the key
// and keeping every other key and value of a readable file. A damaged file is kept aside as
// <file>.damaged and a new one written; a file the system refuses to read is left alone and
// nothing is saved. On failure the file keeps the position saved before.
HomePositionSave SaveHomePosition(const std::string& hivePath, const DrPosition& position,
                                  const HiveFileOps& ops = {});

}  // namespace nocturna
