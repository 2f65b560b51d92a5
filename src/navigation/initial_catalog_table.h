#pragma once
// The catalog as built at start-up, one row per entry in catalog order (index 0 Aries,
// 1..57 the navigational stars by number, 58..61 Venus, Mars, Jupiter, Saturn, 62 Sun,
// 63 Moon). Star SHA and declination are whole-degree starting values (degrees) that the
// first star placement replaces; planet magnitudes are placeholders until the first update.
#include <iterator>

#include "navigation/body_catalog.h"

namespace nocturna {

struct InitialCatalogRow {
  const char* name;
  int displayCode;     // character code, no computation depends on it
  double magnitude;    // visual magnitude
  double sha;          // degrees westward from Aries
  double declination;  // degrees, north positive
};

inline constexpr InitialCatalogRow kInitialCatalog[] = {
    {"~Aries", 119, 0, 0, 0},
    {"Alpheratz", 119, 2.1, 358, 29},
    {"Ankaa", 119, 2.4, 353, -42},
    {"Schedar", 119, 2.2, 350, 57},
    {"Diphda", 119, 2, 349, -18},
    {"Achernar", 119, 0.5, 336, -57},
    {"Hamal", 119, 2, 328, 23},
    {"Acamar", 119, 3.2, 315, -40},
    {"Menkar", 119, 2.5, 314, 4},
    {"Mirfak", 119, 1.8, 309, 50},
    {"Aldebaran", 119, 0.9, 291, 17},
    {"Rigel", 119, 0.1, 281, -8},
    {"Capella", 119, 0.1, 281, 46},
    {"Bellatrix", 119, 1.6, 279, 6},
    {"Elnath", 119, 1.7, 278, 29},
    {"Alnilam", 119, 1.7, 276, -1},
    {"Betelgeuse", 13, 1.2, 271, 7},
    {"Canopus", 119, -0.7, 264, -53},
    {"Sirius", 119, -1.5, 259, -17},
    {"Adhara", 119, 1.5, 255, -29},
    {"Procyon", 119, 0.4, 245, 5},
    {"Pollux", 119, 1.1, 244, 28},
    {"Avior", 119, 1.9, 234, -60},
    {"Suhail", 119, 2.2, 223, -23},
    {"Miaplacidus", 119, 1.7, 222, -70},
    {"Alphard", 119, 2, 218, -9},
    {"Regulus", 119, 1.4, 208, 12},
    {"Dubhe", 119, 1.8, 194, 62},
    {"Denebola", 119, 2.1, 183, 15},
    {"Gienah", 119, 2.6, 176, -18},
    {"Acrux", 119, 1.3, 173, -63},
    {"Gacrux", 119, 1.6, 172, -57},
    {"Alioth", 119, 1.8, 167, 56},
    {"Spica", 119, 1, 159, -11},
    {"Alkaid", 119, 1.9, 153, 49},
    {"Hadar", 119, 0.9, 149, -60},
    {"Menkent", 13, 2.1, 148, -36},
    {"Arcturus", 119, 0, 146, 19},
    {"Rigel Kentaurus", 119, -0.3, 140, -61},
    {"Zubenelgenubi", 119, 2.8, 137, -16},
    {"Kochub", 119, 2.1, 137, 74},
    {"Alphecca", 119, 2.2, 126, 27},
    {"Antares", 119, 1, 113, -26},
    {"Atria", 119, 1.9, 108, -69},
    {"Sabik", 119, 2.4, 102, -16},
    {"Shaula", 119, 1.6, 97, -37},
    {"Rasalhague", 119, 2.1, 96, 13},
    {"Eltanin", 119, 2.2, 91, 51},
    {"Kaus Australis", 119, 1.9, 84, -34},
    {"Vega", 119, 0, 81, 39},
    {"Nunki", 119, 2, 76, -26},
    {"Altair", 119, 0.8, 62, 9},
    {"Peacock", 119, 1.9, 54, -57},
    {"Deneb", 119, 1.3, 50, 45},
    {"Enif", 119, 2.4, 34, 10},
    {"Al Na'ir", 119, 1.7, 28, -47},
    {"Fomalhaut", 119, 1.2, 16, -30},
    {"Markab", 119, 2.5, 14, 15},
    {"Venus", 119, -4.4, 0, 0},
    {"Mars", 119, -1.52, 0, 0},
    {"Jupiter", 119, -9.4, 0, 0},
    {"Saturn", 119, -8.88, 0, 0},
    {"Sun", 121, -12, 0, 0},
    {"Moon", 121, -10, 0, 0},
};
static_assert(std::size(kInitialCatalog) == kBodyCount, "one row per catalog entry");

}  // namespace nocturna
