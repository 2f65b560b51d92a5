#pragma once
// The ephemeris choice beside the home position: the DWORD value "ephemeris" of the key
// "\software\Quillon" (1 precise, 0 standard). "lat" and "lon" are never touched, and a file
// without the value (every older one) reads as the standard ephemeris.
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

}  // namespace nocturna
