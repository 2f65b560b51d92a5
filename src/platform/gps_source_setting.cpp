#include "platform/gps_source_setting.h"

#include "platform/setting_value.h"

namespace nocturna {
namespace {

constexpr char kGpsSourceValue[] = "gpssource";
constexpr char kFixOutValue[] = "fixout";
constexpr std::string_view kWithDrWord = " dr";

struct SourceWord {
  GpsSourceKind kind;
  std::string_view word;
};
constexpr SourceWord kSourceWords[] = {
    {GpsSourceKind::Serial, "serial"},
    {GpsSourceKind::Gpsd, "gpsd"},
    {GpsSourceKind::NmeaTcp, "tcp"},
    {GpsSourceKind::NmeaUdp, "udp"},
};

// The string value of that name, without the terminating zeros the registry may keep.
std::optional<std::string> ReadSettingText(const std::string& hivePath, const char* name) {
  const std::optional<HiveValue> value = ReadSettingValue(hivePath, name);
  if (!value || value->type != HiveValueType::String) return std::nullopt;
  std::string text(value->data.begin(), value->data.end());
  while (!text.empty() && text.back() == '\0') text.pop_back();
  return text;
}

std::vector<Message> SaveSettingText(const std::string& hivePath, const char* name, const std::string& text,
                                     const std::string& what, const HiveFileOps& ops) {
  return SaveSettingValue(hivePath, HiveValue{name, HiveValueType::String, {text.begin(), text.end()}}, what, ops);
}

}  // namespace

std::string GpsSourceText(const GpsSourceSetting& setting) {
  std::string word;
  for (const SourceWord& row : kSourceWords) {
    if (row.kind == setting.kind) word = row.word;
  }
  if (setting.kind == GpsSourceKind::Serial) return word;
  if (setting.kind == GpsSourceKind::NmeaUdp) return word + " " + std::to_string(setting.endpoint.port);
  return word + " " + HostPortText(setting.endpoint);
}

std::optional<GpsSourceSetting> ParseGpsSourceText(std::string_view text) {
  const std::size_t blank = text.find(' ');
  const std::string_view word = text.substr(0, blank);
  const std::string_view rest = blank == std::string_view::npos ? std::string_view() : text.substr(blank + 1);
  for (const SourceWord& row : kSourceWords) {
    if (row.word != word) continue;
    if (row.kind == GpsSourceKind::Serial) return rest.empty() ? std::optional(GpsSourceSetting{}) : std::nullopt;
    const bool udp = row.kind == GpsSourceKind::NmeaUdp;
    const HostPortParse parsed = udp ? ParseHostPort(":" + std::string(rest), "", kNmeaDefaultPort)
                                     : ParseHostPort(rest, "localhost", kGpsdDefaultPort);
    if (rest.empty() || !parsed.endpoint) return std::nullopt;
    return GpsSourceSetting{row.kind, *parsed.endpoint};
  }
  return std::nullopt;
}

std::string FixOutText(const FixOutSetting& setting) {
  const std::string dr = setting.withDr ? std::string(kWithDrWord) : "";
  switch (setting.kind) {
    case FixOutKind::TcpServer: return "tcp " + std::to_string(setting.endpoint.port) + dr;
    case FixOutKind::Udp: return "udp " + HostPortText(setting.endpoint) + dr;
    case FixOutKind::Off: break;
  }
  return "off";
}

std::optional<FixOutSetting> ParseFixOutText(std::string_view text) {
  if (text == "off") return FixOutSetting{};
  const bool withDr = text.size() > kWithDrWord.size() && text.substr(text.size() - kWithDrWord.size()) == kWithDrWord;
  if (withDr) text.remove_suffix(kWithDrWord.size());
  if (text.substr(0, 4) == "tcp ") {
    const HostPortParse parsed = ParseHostPort(":" + std::string(text.substr(4)), "", kNmeaDefaultPort);
    if (parsed.endpoint) return FixOutSetting{FixOutKind::TcpServer, *parsed.endpoint, withDr};
  } else if (text.substr(0, 4) == "udp " && text.size() > 4) {
    const HostPortParse parsed = ParseHostPort(text.substr(4), "127.0.0.1", kNmeaDefaultPort);
    if (parsed.endpoint) return FixOutSetting{FixOutKind::Udp, *parsed.endpoint, withDr};
  }
  return std::nullopt;
}

GpsSourceSetting ReadGpsSourceSetting(const std::string& hivePath) {
  const std::optional<std::string> text = ReadSettingText(hivePath, kGpsSourceValue);
  return text ? ParseGpsSourceText(*text).value_or(GpsSourceSetting{}) : GpsSourceSetting{};
}

std::vector<Message> SaveGpsSourceSetting(const std::string& hivePath, const GpsSourceSetting& setting,
                                          const HiveFileOps& ops) {
  return SaveSettingText(hivePath, kGpsSourceValue, GpsSourceText(setting), "the GPS source", ops);
}

FixOutSetting ReadFixOutSetting(const std::string& hivePath) {
  const std::optional<std::string> text = ReadSettingText(hivePath, kFixOutValue);
  return text ? ParseFixOutText(*text).value_or(FixOutSetting{}) : FixOutSetting{};
}

std::vector<Message> SaveFixOutSetting(const std::string& hivePath, const FixOutSetting& setting,
                                       const HiveFileOps& ops) {
  return SaveSettingText(hivePath, kFixOutValue, FixOutText(setting), "the fix output", ops);
}

}  // namespace nocturna
