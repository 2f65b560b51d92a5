#pragma once
// What a row of the sight log is: an altitude for a line of position (the kind when the log
// does not say), a noon or Polaris latitude, a compass check by azimuth or amplitude, an
// unknown body to be named, a lunar distance, or a comparison of the watch with GPS time.
#include <array>
#include <optional>
#include <string_view>

namespace nocturna {

enum class SightKind { altitude, noon, polaris, azimuth, amplitude, identify, lunar, watch };
inline constexpr int kSightKindCount = 8;
inline constexpr std::array<std::string_view, kSightKindCount> kSightKindNames = {
    "altitude", "noon", "polaris", "azimuth", "amplitude", "identify", "lunar", "watch"};

// The body of a Polaris row, and of an unknown one (a `?` in the body column makes the row one
// to identify).
inline constexpr std::string_view kPolarisName = "Polaris";
inline constexpr std::string_view kUnknownBodyName = "?";

// The kind a cell names, in either case; an empty cell is an altitude.
std::optional<SightKind> ParseSightKind(std::string_view text);
std::string_view SightKindName(SightKind kind);
// The same letters, in either case ("Polaris" and "POLARIS").
bool SameLettersAnyCase(std::string_view a, std::string_view b);

// Kinds whose row is a sextant altitude of a body, reduced Hs to Ho to Hc and an intercept like
// any altitude sight into the fix (the noon and Polaris latitudes come on top).
bool KindIsAltitudeSight(SightKind kind);
// Kinds whose row needs the sextant's cells (hs, ic, eye) to read.
bool KindNeedsAltitude(SightKind kind);

}  // namespace nocturna
