#pragma once
// The ephemeris choice beside the home position: the DWORD value "ephemeris" of the key
// "\software\Quillon" (1 precise, 0 standard), and the DUT1 given by hand. "lat" and "lon" are never touched, and a file
// without the value (every older one) reads as the standard ephemeris.
#include <optional>
#include <string>
#include <vector>

#include "platform/message_presenter.h"
#include "platform/registry_hive_file.h"

namespace nocturna {

// True when the hive at hivePath holds "ephemeris" = 1. Anything else, an unreadable or
// damaged file included, is the standard ephemeris (the home position's read tells of those).
bool ReadPreciseEphemerisSetting(const std::string& hivePath);

// Writes "ephemeris", keeping every other key and value; a damaged file is kept aside as
// <file>.damaged, as a saved position does. Returns what to tell the user (empty when saved).
std::vector<Message> SavePreciseEphemerisSetting(const std::string& hivePath, bool precise,
                                                 const HiveFileOps& ops = {});

// The DUT1 the user gave by hand, the binary value "dut1" beside it (8 bytes, a little-endian
// IEEE double of seconds); empty, absent, unreadable or beyond +-2 s: the IERS tables serve.
inline constexpr double kLargestGivenDut1Seconds = 2.0;
std::optional<double> ReadGivenDut1Setting(const std::string& hivePath);

// Writes "dut1": the seconds, or no bytes for the IERS tables. As SavePreciseEphemerisSetting.
std::vector<Message> SaveGivenDut1Setting(const std::string& hivePath, std::optional<double> seconds,
                                          const HiveFileOps& ops = {});

}  // namespace nocturna
