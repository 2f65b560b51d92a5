#pragma once
// The star finder's result as the lines and the list the window, its printed page and the
// command line all show (Windows-1252 texts, degree sign 0xB0).
#include <array>
#include <string>
#include <vector>

#include "starfinder/star_finder.h"

namespace nocturna {

// Columns of the list, in order.
inline constexpr int kFinderColumnCount = 6;
inline constexpr std::array<const char*, kFinderColumnCount> kFinderColumns = {
    "Order", "Body", "Hc", "Zn", "Hs", "Mag"};

struct StarFinderTexts {
  std::string windowLine;    // "Morning twilight 0512 to 0547 ZT (nautical to civil)"
  std::string momentLine;    // "Moment 20 - March,2026 ZT 05-29-30, ZD 5 (the middle ...)"
  std::string positionLine;  // "DR 42°00.0'N 075°00.0'W"
  std::string limitsLine;    // "Hc 15° to 70°, magnitude 2.5 or brighter: 21 bodies"
  std::string setLine;       // "Best set of 3: HDOP 1.16 (every set scored)"; empty without one
  std::string message;       // the result's message, or empty
  std::vector<std::array<std::string, kFinderColumnCount>> rows;  // in shooting order
};

// The texts of a result that has no error, for the settings it was found with.
StarFinderTexts StarFinderTextsOf(const StarFinderResult& result,
                                  const StarFinderSettings& settings);

// "every set scored" or "best four grown, then swaps".
const char* SearchMethodText(SetSearchMethod method);

}  // namespace nocturna
