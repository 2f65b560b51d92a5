#include "platform/gps_source_setting.h"

#include "platform/setting_value.h"

namespace nocturna {
namespace {

constexpr char kGpsSourceValue[] = "gpssource";

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

GpsSourceSetting ReadGpsSourceSetting(const std::string& hivePath) {
  const std::optional<HiveValue> value = ReadSettingValue(hivePath, kGpsSourceValue);
  if (!value || value->type != HiveValueType::String) return {};
  std::string text(value->data.begin(), value->data.end());
  while (!text.empty() && text.back() == '\0') text.pop_back();
  return ParseGpsSourceText(text).value_or(GpsSourceSetting{});
}

std::vector<Message> SaveGpsSourceSetting(const std::string& hivePath, const GpsSourceSetting& setting,
                                          const HiveFileOps& ops) {
  const std::string text = GpsSourceText(setting);
  return SaveSettingValue(hivePath, HiveValue{kGpsSourceValue, HiveValueType::String, {text.begin(), text.end()}},
                          "the GPS source", ops);
}

}  // namespace nocturna
