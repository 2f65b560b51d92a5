#pragma once
// Choosing the set of bodies whose lines of position fix best: the least horizontal dilution of
// precision (lop_geometry.h), ties broken by brightness.
#include <array>
#include <span>

namespace nocturna {

inline constexpr int kMinSetSize = 3;
inline constexpr int kMaxSetSize = 6;

struct SetCandidate {
  double azimuth = 0;    // Zn, degrees from true north through east
  double magnitude = 0;  // visual magnitude (lower is brighter)
};

enum class SetSearchMethod {
  exhaustive,      // every set of the size was scored
  greedyPlusSwap,  // the best 4 by exhaustion, grown one body at a time, then swaps
};

// Above this many sets of one size the search grows and swaps instead of scoring every set
// (C(25, 5) = 53,130 sets fit the time a twilight may take; C(30, 6) = 593,775 do not).
inline constexpr long long kExhaustiveSetLimit = 60000;

struct ChosenSet {
  std::array<int, kMaxSetSize> members{};  // indices into the candidates, ascending
  int size = 0;                            // 0 when no set of the size fixes a position
  double hdop = 0;
  double magnitudeSum = 0;
  SetSearchMethod method = SetSearchMethod::exhaustive;
};

// The number of sets of `size` among `count` candidates (saturates far above the limit).
long long SetCount(int count, int size);

// The best set of `size` (kMinSetSize..kMaxSetSize) bodies: the least HDOP, and of sets whose
// HDOP agree to 1e-9 the one with the least sum of magnitudes. Exhaustive for 3 and 4, and for
// 5 and 6 while SetCount stays within kExhaustiveSetLimit; otherwise greedy plus swap.
// size 0 in the result when there are fewer candidates than `size` or no set fixes a position.
ChosenSet ChooseBestSet(std::span<const SetCandidate> candidates, int size);

// Every set of `size` scored; the same ordering as ChooseBestSet.
ChosenSet ChooseBestSetExhaustively(std::span<const SetCandidate> candidates, int size);

}  // namespace nocturna
