#include "starfinder/set_search.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "starfinder/lop_geometry.h"

namespace nocturna {
namespace {

// HDOPs closer than this count as equal, and brightness decides.
constexpr double kEqualDop = 1e-9;
// A swap search that has not settled after this many passes keeps what it has.
constexpr int kMostSwapPasses = 100;

bool Better(double hdop, double magnitudeSum, const ChosenSet& best) {
  if (!std::isfinite(hdop)) return false;
  if (best.size == 0) return true;
  if (hdop < best.hdop - kEqualDop) return true;
  return hdop <= best.hdop + kEqualDop && magnitudeSum < best.magnitudeSum - kEqualDop;
}

std::vector<LopSums> RowsOf(std::span<const SetCandidate> candidates) {
  std::vector<LopSums> rows(candidates.size());
  for (std::size_t i = 0; i < candidates.size(); ++i) rows[i].Add(candidates[i].azimuth);
  return rows;
}

// Depth-first over ascending index sets, the row sums carried down so each set costs one add.
class ExhaustiveSearch {
 public:
  ExhaustiveSearch(std::span<const SetCandidate> candidates, int size)
      : candidates_(candidates), rows_(RowsOf(candidates)), size_(size) {}

  ChosenSet Run() {
    Descend(0, 0, LopSums{}, 0.0);
    return best_;
  }

 private:
  void Descend(int depth, int first, const LopSums& sums, double magnitudeSum) {
    const int last = static_cast<int>(rows_.size()) - (size_ - depth);
    if (depth == size_ - 1) {
      Leaves(first, last, sums, magnitudeSum);
      return;
    }
    for (int i = first; i <= last; ++i) {
      members_[depth] = i;
      Descend(depth + 1, i + 1, sums.Plus(rows_[i]), magnitudeSum + candidates_[i].magnitude);
    }
  }

  // The last member: most sets fail on the squared HDOP alone, before any root is taken.
  void Leaves(int first, int last, const LopSums& sums, double magnitudeSum) {
    for (int i = first; i <= last; ++i) {
      const double squared = HorizontalDopSquared(sums.Plus(rows_[i]));
      if (!(squared <= rejectAbove_)) continue;
      const double hdop = std::sqrt(squared);
      const double magnitudes = magnitudeSum + candidates_[i].magnitude;
      if (!Better(hdop, magnitudes, best_)) continue;
      members_[size_ - 1] = i;
      best_.members = members_;
      best_.size = size_;
      best_.hdop = hdop;
      best_.magnitudeSum = magnitudes;
      rejectAbove_ = (hdop + kEqualDop) * (hdop + kEqualDop);
    }
  }

  std::span<const SetCandidate> candidates_;
  std::vector<LopSums> rows_;
  int size_;
  std::array<int, kMaxSetSize> members_{};
  ChosenSet best_;
  double rejectAbove_ = std::numeric_limits<double>::infinity();  // squared HDOP
};

struct Scored {
  double hdop;
  double magnitudeSum;
};

Scored Score(std::span<const SetCandidate> candidates, const std::vector<LopSums>& rows,
             const std::array<int, kMaxSetSize>& members, int size) {
  LopSums sums;
  double magnitudeSum = 0;
  for (int m = 0; m < size; ++m) {
    sums = sums.Plus(rows[members[m]]);
    magnitudeSum += candidates[members[m]].magnitude;
  }
  return {HorizontalDop(sums), magnitudeSum};
}

bool IsMember(const ChosenSet& set, int index) {
  return std::find(set.members.begin(), set.members.begin() + set.size, index) !=
         set.members.begin() + set.size;
}

// Takes `trial` (the first `size` members) into `set` when it scores better.
bool TakeIfBetter(std::span<const SetCandidate> candidates, const std::vector<LopSums>& rows,
                  const std::array<int, kMaxSetSize>& trial, int size, ChosenSet& set) {
  const Scored scored = Score(candidates, rows, trial, size);
  if (!Better(scored.hdop, scored.magnitudeSum, set)) return false;
  set.members = trial;
  set.size = size;
  set.hdop = scored.hdop;
  set.magnitudeSum = scored.magnitudeSum;
  return true;
}

// One pass of exchanges of one member (pairs false) or two members (pairs true) for as many
// non-members; true when the set improved.
bool SwapPass(std::span<const SetCandidate> candidates, const std::vector<LopSums>& rows,
              bool pairs, ChosenSet& set) {
  const int count = static_cast<int>(candidates.size());
  const int size = set.size;
  bool improved = false;
  for (int m1 = 0; m1 < size; ++m1) {
    for (int m2 = pairs ? m1 + 1 : m1; m2 < (pairs ? size : m1 + 1); ++m2) {
      for (int j1 = 0; j1 < count; ++j1) {
        if (IsMember(set, j1)) continue;
        for (int j2 = pairs ? j1 + 1 : j1; j2 < (pairs ? count : j1 + 1); ++j2) {
          if (pairs && IsMember(set, j2)) continue;
          std::array<int, kMaxSetSize> trial = set.members;
          trial[m1] = j1;
          trial[m2] = j2;
          improved |= TakeIfBetter(candidates, rows, trial, size, set);
        }
      }
    }
  }
  return improved;
}

// The best set of four, grown by the body that helps most until it has `size`; then exchanges
// of single members for non-members while one scores better, and of pairs when no single one
// does, until neither helps.
ChosenSet GreedyPlusSwap(std::span<const SetCandidate> candidates, int size) {
  const std::vector<LopSums> rows = RowsOf(candidates);
  const int count = static_cast<int>(candidates.size());
  ChosenSet set = ExhaustiveSearch(candidates, 4).Run();
  if (set.size == 0) return set;
  while (set.size < size) {
    ChosenSet grown;
    for (int j = 0; j < count; ++j) {
      if (IsMember(set, j)) continue;
      std::array<int, kMaxSetSize> trial = set.members;
      trial[set.size] = j;
      TakeIfBetter(candidates, rows, trial, set.size + 1, grown);
    }
    set = grown;
  }
  for (int pass = 0; pass < kMostSwapPasses; ++pass) {
    if (!SwapPass(candidates, rows, false, set) && !SwapPass(candidates, rows, true, set)) break;
  }
  std::sort(set.members.begin(), set.members.begin() + size);
  set.method = SetSearchMethod::greedyPlusSwap;
  return set;
}

}  // namespace

long long SetCount(int count, int size) {
  if (size < 0 || size > count) return 0;
  long long sets = 1;
  for (int i = 1; i <= size; ++i) {
    sets = sets * (count - size + i) / i;  // exact: each step is a binomial coefficient
    if (sets > kExhaustiveSetLimit * 1000) return sets;
  }
  return sets;
}

ChosenSet ChooseBestSetExhaustively(std::span<const SetCandidate> candidates, int size) {
  if (size < kMinSetSize || size > kMaxSetSize || static_cast<int>(candidates.size()) < size) {
    return {};
  }
  return ExhaustiveSearch(candidates, size).Run();
}

ChosenSet ChooseBestSet(std::span<const SetCandidate> candidates, int size) {
  const int count = static_cast<int>(candidates.size());
  if (size < kMinSetSize || size > kMaxSetSize || count < size) return {};
  if (size <= 4 || SetCount(count, size) <= kExhaustiveSetLimit) {
    return ChooseBestSetExhaustively(candidates, size);
  }
  return GreedyPlusSwap(candidates, size);
}

}  // namespace nocturna
