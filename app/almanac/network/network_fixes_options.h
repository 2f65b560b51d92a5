#pragma once
// The options of the network position sources on the command line: --gpsd HOST:PORT,
// --nmea-tcp HOST:PORT or --nmea-udp PORT, with --fixes N, --timeout SECONDS and --json.
#include <string>
#include <vector>

#include "platform/gps_source_setting.h"

namespace nocturna {

struct NetworkFixesOptions {
  GpsSourceSetting source;
  long fixes = 1;          // fixes to print before ending
  int timeoutSeconds = 30;  // for all of them
  bool json = false;
  std::string error;  // the refusal, when the options do not read
};

// True when args ask for a network source.
bool WantsNetworkFixes(const std::vector<std::string>& args);
NetworkFixesOptions ParseNetworkFixesOptions(const std::vector<std::string>& args);

}  // namespace nocturna
