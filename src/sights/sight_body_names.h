#pragma once
// The names a sight's body goes by: the name the sights show for each catalog body and the
// other spellings a navigator may type (the Nautical Almanac's 57 navigational stars with the
// variants found in older almanacs, star atlases and tables). A typed name matches a whole
// name, in any case, and is never completed to another body: "Deneb" is Deneb, not Denebola.
#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace nocturna {

struct SightBodySpellings {
  int bodyIndex;                                 // catalog position (1..63)
  std::string_view name;                         // as the sights show it
  std::array<std::string_view, 3> otherSpellings;  // unused places empty
};

inline constexpr std::array<SightBodySpellings, 63> kSightBodyNames = {{
    {1, "Alpheratz", {"Sirrah", "Alpherat"}},
    {2, "Ankaa", {}},
    {3, "Schedar", {"Shedar", "Schedir"}},
    {4, "Diphda", {"Deneb Kaitos"}},
    {5, "Achernar", {}},
    {6, "Hamal", {}},
    {7, "Acamar", {}},
    {8, "Menkar", {}},
    {9, "Mirfak", {"Mirphak", "Algenib Persei"}},
    {10, "Aldebaran", {}},
    {11, "Rigel", {}},
    {12, "Capella", {}},
    {13, "Bellatrix", {}},
    {14, "Elnath", {"El Nath", "Alnath"}},
    {15, "Alnilam", {}},
    {16, "Betelgeuse", {"Betelgeux", "Betelgeuze"}},
    {17, "Canopus", {}},
    {18, "Sirius", {}},
    {19, "Adhara", {"Adara"}},
    {20, "Procyon", {}},
    {21, "Pollux", {}},
    {22, "Avior", {}},
    {23, "Suhail", {"Al Suhail", "Suhail al Muhlif"}},
    {24, "Miaplacidus", {}},
    {25, "Alphard", {}},
    {26, "Regulus", {}},
    {27, "Dubhe", {}},
    {28, "Denebola", {}},
    {29, "Gienah", {"Gienah Corvi"}},
    {30, "Acrux", {}},
    {31, "Gacrux", {}},
    {32, "Alioth", {}},
    {33, "Spica", {}},
    {34, "Alkaid", {"Benetnasch", "Benetnash", "Eta Ursae Majoris"}},
    {35, "Hadar", {"Agena"}},
    {36, "Menkent", {}},
    {37, "Arcturus", {}},
    {38, "Rigil Kentaurus", {"Rigel Kentaurus", "Rigil Kent", "Alpha Centauri"}},
    {39, "Zubenelgenubi", {"Zuben'elgenubi", "Zuben Elgenubi"}},
    {40, "Kochab", {"Kochub"}},
    {41, "Alphecca", {"Alphekka", "Gemma"}},
    {42, "Antares", {}},
    {43, "Atria", {}},
    {44, "Sabik", {}},
    {45, "Shaula", {}},
    {46, "Rasalhague", {"Ras Alhague"}},
    {47, "Eltanin", {"Etamin"}},
    {48, "Kaus Australis", {}},
    {49, "Vega", {}},
    {50, "Nunki", {}},
    {51, "Altair", {}},
    {52, "Peacock", {}},
    {53, "Deneb", {}},
    {54, "Enif", {}},
    {55, "Al Na'ir", {"Alnair", "Al Nair"}},
    {56, "Fomalhaut", {}},
    {57, "Markab", {}},
    {58, "Venus", {}},
    {59, "Mars", {}},
    {60, "Jupiter", {}},
    {61, "Saturn", {}},
    {62, "Sun", {}},
    {63, "Moon", {}},
}};

// Polaris is observed for its latitude and azimuth though it is not one of the 57: its lines
// carry this number, past the catalog's.
inline constexpr int kPolarisBodyIndex = 64;

// The catalog position of the body a typed name (or one of its other spellings) names: whole
// names only, letters in either case, spaces around and runs of spaces inside ignored, a
// typographic apostrophe read as "'"; nothing for Aries or an unknown name.
std::optional<int> FindSightBody(std::string_view typed);

// The name the sights show for a catalog position 1..63 ("Kochab") or kPolarisBodyIndex;
// empty otherwise.
std::string_view SightBodyName(int bodyIndex);

// Every body's shown name, in catalog order (stars by number, the planets, Sun, Moon) or
// alphabetical.
std::vector<std::string_view> SightBodyNames(bool alphabetical);

}  // namespace nocturna
