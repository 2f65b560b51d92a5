#include "sights/sight_kind.h"

#include <algorithm>
#include <cctype>

#include "foundations/number_text.h"

namespace nocturna {

std::optional<SightKind> ParseSightKind(std::string_view text) {
  text = TrimBlanks(text);
  if (text.empty()) return SightKind::altitude;
  for (int k = 0; k < kSightKindCount; ++k) {
    if (SameLettersAnyCase(kSightKindNames[k], text)) return static_cast<SightKind>(k);
  }
  return std::nullopt;
}

bool SameLettersAnyCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

std::string_view SightKindName(SightKind kind) { return kSightKindNames[static_cast<int>(kind)]; }

bool KindIsAltitudeSight(SightKind kind) {
  return kind == SightKind::altitude || kind == SightKind::noon || kind == SightKind::polaris;
}

bool KindNeedsAltitude(SightKind kind) {
  return kind == SightKind::altitude || kind == SightKind::noon || kind == SightKind::polaris ||
         kind == SightKind::identify;
}

}  // namespace nocturna
