#pragma once
// Where the GPS position comes from, remembered beside the home position as the string value
// "gpssource" of "\software\Quillon": "serial", "gpsd HOST:PORT", "tcp HOST:PORT" or
// "udp PORT". A file without it (every older one) reads as the serial port. Beside it, where
// each new celestial fix is sent: the string value "fixout", "off", "tcp PORT" (a server chart
// plotters connect to) or "udp HOST:PORT", followed by " dr" when the DR goes out beside each
// fix; off when absent.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/message_presenter.h"
#include "platform/network/host_port.h"
#include "platform/registry_hive_file.h"

namespace nocturna {

enum class GpsSourceKind { Serial, Gpsd, NmeaTcp, NmeaUdp };

struct GpsSourceSetting {
  GpsSourceKind kind = GpsSourceKind::Serial;
  HostPort endpoint;  // gpsd and TCP: the server; UDP: the port listened on (host empty)
};

enum class FixOutKind { Off, TcpServer, Udp };

struct FixOutSetting {
  FixOutKind kind = FixOutKind::Off;
  HostPort endpoint{"", kNmeaDefaultPort};  // TCP: the port served (host empty); UDP: the plotter
  bool withDr = false;  // the DR at the fix time goes out too, as a waypoint of its own
};

// The settings' texts, and the setting a text holds (none for a text that is no setting).
std::string GpsSourceText(const GpsSourceSetting& setting);
std::optional<GpsSourceSetting> ParseGpsSourceText(std::string_view text);
std::string FixOutText(const FixOutSetting& setting);
std::optional<FixOutSetting> ParseFixOutText(std::string_view text);

// The saved source; the serial port when none is saved or the value cannot be read.
GpsSourceSetting ReadGpsSourceSetting(const std::string& hivePath);
// Saves it; what to tell the user (empty when saved).
std::vector<Message> SaveGpsSourceSetting(const std::string& hivePath, const GpsSourceSetting& setting,
                                          const HiveFileOps& ops = {});
FixOutSetting ReadFixOutSetting(const std::string& hivePath);
std::vector<Message> SaveFixOutSetting(const std::string& hivePath, const FixOutSetting& setting,
                                       const HiveFileOps& ops = {});

}  // namespace nocturna
