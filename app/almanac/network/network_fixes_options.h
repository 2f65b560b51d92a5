#pragma once
// The readers of the network position sources' options: --gpsd HOST:PORT, --nmea-tcp
// HOST:PORT and --nmea-udp PORT, --fixes N and --timeout SECONDS.
#include <string>
#include <string_view>

#include "cli/almanac_options.h"

namespace nocturna {

std::string ReadNetworkSource(std::string_view name, std::string_view value, AlmanacOptions& options);
std::string ReadFixCount(std::string_view name, std::string_view value, AlmanacOptions& options);
std::string ReadFixTimeout(std::string_view name, std::string_view value, AlmanacOptions& options);

}  // namespace nocturna
