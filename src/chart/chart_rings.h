#pragma once
// Bodies the chart rings for a tool window (the star finder's chosen set), and the one of them
// the user picked in the tool's list.
#include <array>
#include <cstdint>
#include <span>

namespace nocturna {

struct ChartRings {
  static constexpr int kMostRings = 6;
  std::array<std::int32_t, kMostRings> bodies{};  // catalog positions, 1..63
  std::int32_t count = 0;                         // 0: no rings
  std::int32_t highlighted = -1;                  // catalog position, or -1
};

// The bodies a sight names (the unknown body identified), ringed; a single one is also
// highlighted so it stands out as the answer. Polaris, which the chart does not draw, is kept
// but never ringed.
inline ChartRings RingsNaming(std::span<const int> bodies) {
  ChartRings rings;
  for (int body : bodies)
    if (rings.count < ChartRings::kMostRings) rings.bodies[rings.count++] = body;
  if (rings.count == 1) rings.highlighted = rings.bodies[0];
  return rings;
}

}  // namespace nocturna
