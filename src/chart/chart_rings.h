#pragma once
// Bodies the chart rings for a tool window (the star finder's chosen set), and the one of them
// the user picked in the tool's list.
#include <array>
#include <cstdint>

namespace nocturna {

struct ChartRings {
  static constexpr int kMostRings = 6;
  std::array<std::int32_t, kMostRings> bodies{};  // catalog positions, 1..61
  std::int32_t count = 0;                         // 0: no rings
  std::int32_t highlighted = -1;                  // catalog position, or -1
};

}  // namespace nocturna
