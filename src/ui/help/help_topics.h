#pragma once
// The topics of the help dialog's picker, in the order the picker lists them. Each is
// searched for, by exact text, in the help document.
#include <array>
#include <string_view>

namespace nocturna {

inline constexpr std::array<std::string_view, 37> kHelpTopics = {
    " ",           "About Nocturna", "Accuracy",       "Almanac",      "Almanac Data",
    "Almanac Window", "Alpha-Num",   "AM Civ Twi",     "AM Naut Twi",  "BUTTON BAR",
    "Close",       "Control Bar",    "Date",           "Deg-Min",      "Exit",
    "File",        "GHA-SHA",        "Hc-Zn",          "Latitude",     "Longitude",
    "Main Menu",   "N<->S   Button", "Now",            "Open Almanac", "Open List",
    "PM Civ Twi",  "PM Naut Twi",    "Precise Ephemeris", "Print",     "Run",          "Save",
    "Set",         "Sky Chart",      "Sunrise",        "Sunset",       "Technical Details",
    "ZD"};

}  // namespace nocturna
