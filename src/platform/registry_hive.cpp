#include "platform/registry_hive.h"

#include <algorithm>

#include <array>

namespace nocturna {

namespace {

constexpr std::string_view kMagic = "NOCTURNA-HIVE ";
constexpr std::string_view kVersion = "1";
constexpr std::string_view kChecksumField = "crc32 ";
constexpr std::size_t kMaxNameLength = 255;
constexpr std::string_view kHexDigits = "0123456789abcdef";

struct TypeWord {
  HiveValueType type;
  std::string_view word;
};
constexpr std::array<TypeWord, 5> kTypeWords = {{
    {HiveValueType::None, "none"},
    {HiveValueType::String, "string"},
    {HiveValueType::Binary, "binary"},
    {HiveValueType::Dword, "dword"},
    {HiveValueType::Qword, "qword"},
}};

// CRC-32 (ISO-HDLC, reflected polynomial 0xEDB88320): the check that tells a truncated or
// altered file from a whole one.
constexpr std::array<std::uint32_t, 256> MakeCrcTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int bit = 0; bit < 8; ++bit) c = (c & 1U) != 0 ? 0xEDB88320U ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}
constexpr std::array<std::uint32_t, 256> kCrcTable = MakeCrcTable();

std::uint32_t Crc32(std::string_view bytes) {
  std::uint32_t c = 0xFFFFFFFFU;
  for (const char ch : bytes) {
    c = kCrcTable[(c ^ static_cast<std::uint8_t>(ch)) & 0xFFU] ^ (c >> 8);
  }
  return c ^ 0xFFFFFFFFU;
}

std::string HexOf(std::uint32_t value) {
  std::string text(8, '0');
  for (int i = 7; i >= 0; --i, value >>= 4) text[static_cast<std::size_t>(i)] = kHexDigits[value & 0xFU];
  return text;
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

bool ValidName(std::string_view name) {
  if (name.empty() || name.size() > kMaxNameLength) return false;
  for (const char c : name) {
    if (c < '!' || c > '~') return false;
  }
  return true;
}

bool ValidKeyPath(std::string_view path) { return ValidName(path) && path.front() == '\\'; }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// A decimal count without sign or leading zeros, at most limit; -1 otherwise.
long ParseCount(std::string_view text, std::size_t limit) {
  if (text.empty() || text.size() > 7 || (text.size() > 1 && text.front() == '0')) return -1;
  long n = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return -1;
    n = n * 10 + (c - '0');
  }
  return n <= static_cast<long>(limit) ? n : -1;
}

std::vector<std::string_view> SplitFields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  while (true) {
    const std::size_t space = line.find(' ', start);
    fields.push_back(line.substr(start, space - start));
    if (space == std::string_view::npos) return fields;
    start = space + 1;
  }
}

// A "value NAME TYPE LENGTH [HEX]" line's fields after the name, read into `value`; the
// problem, or nullptr when the line is sound.
const char* ParseValueFields(const std::vector<std::string_view>& f, HiveValue& value) {
  value.name = std::string(f[1]);
  bool known = false;
  for (const TypeWord& entry : kTypeWords) {
    if (entry.word == f[2]) {
      value.type = entry.type;
      known = true;
    }
  }
  if (!known) return "an unknown value type";
  const long length = ParseCount(f[3], kHiveMaxValueBytes);
  if (length < 0) return "a malformed value length";
  const std::string_view hex = f.size() == 5 ? f[4] : std::string_view{};
  if (f.size() > 5 || (length == 0) != (f.size() == 4) ||
      hex.size() != 2 * static_cast<std::size_t>(length)) {
    return "the value's data does not match its length";
  }
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    const int high = HexValue(hex[i]);
    const int low = HexValue(hex[i + 1]);
    if (high < 0 || low < 0) return "the value's data is not hexadecimal";
    value.data.push_back(static_cast<std::uint8_t>(high * 16 + low));
  }
  return nullptr;
}

}  // namespace

const HiveKey* FindHiveKey(const Hive& hive, std::string_view path) {
  for (const HiveKey& key : hive.keys) {
    if (SameName(key.path, path)) return &key;
  }
  return nullptr;
}

const HiveValue* FindHiveValue(const HiveKey& key, std::string_view name) {
  for (const HiveValue& value : key.values) {
    if (SameName(value.name, name)) return &value;
  }
  return nullptr;
}

HiveKey& OpenOrCreateHiveKey(Hive& hive, std::string_view path) {
  for (HiveKey& key : hive.keys) {
    if (SameName(key.path, path)) return key;
  }
  hive.keys.push_back(HiveKey{std::string(path), {}});
  return hive.keys.back();
}

void SetHiveValue(HiveKey& key, HiveValue value) {
  for (HiveValue& old : key.values) {
    if (SameName(old.name, value.name)) {
      old = std::move(value);
      return;
    }
  }
  key.values.push_back(std::move(value));
}

std::string_view HiveValueTypeName(HiveValueType type) {
  for (const TypeWord& entry : kTypeWords) {
    if (entry.type == type) return entry.word;
  }
  return "none";
}

std::string SerializeHive(const Hive& hive) {
  std::string text = std::string(kMagic) + std::string(kVersion) + "\n";
  for (const HiveKey& key : hive.keys) {
    if (!ValidKeyPath(key.path)) return {};
    text += "key " + key.path + "\n";
    for (const HiveValue& value : key.values) {
      if (!ValidName(value.name) || value.data.size() > kHiveMaxValueBytes) return {};
      text += "value " + value.name + " " + std::string(HiveValueTypeName(value.type)) + " " +
              std::to_string(value.data.size());
      if (!value.data.empty()) text += ' ';
      for (const std::uint8_t byte : value.data) {
        text += kHexDigits[byte >> 4];
        text += kHexDigits[byte & 0xFU];
      }
      text += '\n';
    }
  }
  if (text.size() > kHiveMaxFileBytes - 32) return {};
  return text + std::string(kChecksumField) + HexOf(Crc32(text)) + "\n";
}

HiveParse ParseHive(std::string_view text) {
  HiveParse result;
  auto refuse = [&result](std::size_t line, const std::string& why) {
    result.ok = false;
    result.hive = {};
    result.problem = line == 0 ? why : "line " + std::to_string(line) + ": " + why;
    return result;
  };
  if (text.size() > kHiveMaxFileBytes) return refuse(0, "the file is larger than 1 MiB");
  if (text.rfind(kMagic, 0) != 0) return refuse(0, "not a Nocturna settings file");
  if (text.empty() || text.back() != '\n') return refuse(0, "the file is cut short");
  const std::size_t lastLine = text.rfind('\n', text.size() - 2) + 1;
  const std::string_view checksumLine = text.substr(lastLine, text.size() - 1 - lastLine);
  const std::string_view body = text.substr(0, lastLine);
  if (checksumLine.rfind(kChecksumField, 0) != 0) return refuse(0, "the file is cut short");
  if (checksumLine.substr(kChecksumField.size()) != HexOf(Crc32(body))) {
    return refuse(0, "its check sum does not match its contents");
  }

  HiveKey* key = nullptr;
  std::size_t lineNumber = 0;
  for (std::size_t start = 0; start < body.size();) {
    const std::size_t end = body.find('\n', start);
    const std::string_view line = body.substr(start, end - start);
    start = end + 1;
    ++lineNumber;
    for (const char c : line) {
      if (c < ' ' || c > '~') return refuse(lineNumber, "a character that does not belong");
    }
    const std::vector<std::string_view> f = SplitFields(line);
    if (lineNumber == 1) {
      if (f.size() != 2 || f[1] != kVersion) {
        return refuse(lineNumber, "format version " + std::string(f.back()) +
                                      " is not one this program reads");
      }
      continue;
    }
    if (f[0] == "key") {
      if (f.size() != 2 || !ValidKeyPath(f[1])) return refuse(lineNumber, "a malformed key");
      if (FindHiveKey(result.hive, f[1]) != nullptr) return refuse(lineNumber, "a repeated key");
      key = &OpenOrCreateHiveKey(result.hive, f[1]);
      continue;
    }
    if (f[0] != "value" || f.size() < 4) return refuse(lineNumber, "an unknown line");
    if (key == nullptr) return refuse(lineNumber, "a value outside any key");
    if (!ValidName(f[1])) return refuse(lineNumber, "a malformed value name");
    if (FindHiveValue(*key, f[1]) != nullptr) return refuse(lineNumber, "a repeated value");
    HiveValue value;
    if (const char* problem = ParseValueFields(f, value)) return refuse(lineNumber, problem);
    key->values.push_back(std::move(value));
  }
  result.ok = true;
  return result;
}

}  // namespace nocturna
