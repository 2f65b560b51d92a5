#pragma once
// The current user's registry hive on Linux: keys ("\software\Quillon") holding typed values,
// and the text of the small file that keeps them (README, "Where Nocturna keeps its
// settings", gives the format). Parsing checks every byte; a text that fails is refused whole.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace nocturna {

// The registry's value types that the hive keeps. None stands for a value of no (or an
// unknown) type, which readers treat like binary data.
enum class HiveValueType { None, String, Binary, Dword, Qword };

struct HiveValue {
  std::string name;  // 1..255 printable ASCII characters, no space
  HiveValueType type = HiveValueType::Binary;
  std::vector<std::uint8_t> data;  // at most kHiveMaxValueBytes
};

struct HiveKey {
  std::string path;  // "\software\Quillon": a backslash, then printable ASCII, no space
  std::vector<HiveValue> values;
};

struct Hive {
  std::vector<HiveKey> keys;
};

inline constexpr std::size_t kHiveMaxValueBytes = 65536;
inline constexpr std::size_t kHiveMaxFileBytes = 1 << 20;

// The key of that path and the value of that name; null when there is none. Keys and value
// names compare without regard to ASCII case, as in the registry.
const HiveKey* FindHiveKey(const Hive& hive, std::string_view path);
const HiveValue* FindHiveValue(const HiveKey& key, std::string_view name);
// The key, added at the end when absent.
HiveKey& OpenOrCreateHiveKey(Hive& hive, std::string_view path);
// Replaces the value of that name, or adds it at the end.
void SetHiveValue(HiveKey& key, HiveValue value);

// "binary", "string", ...: the type's word in the file.
std::string_view HiveValueTypeName(HiveValueType type);

// The file's text for the hive; empty when a name or a value cannot be kept (see HiveValue).
std::string SerializeHive(const Hive& hive);

struct HiveParse {
  bool ok = false;
  Hive hive;
  std::string problem;  // what is wrong and on which line, when not ok
};
// Reads the file's text; anything but a well-formed hive of this version is refused.
HiveParse ParseHive(std::string_view text);

}  // namespace nocturna
