#include "sights/sight_kind.h"

#include <algorithm>
#include <cctype>

#include "foundations/number_text.h"

namespace nocturna {

std::optional<SightKind> ParseSightKind(std::string_view text) {
  text = TrimBlanks(text);
  if (text.empty()) return SightKind::altitude;
  for (int k = 0; k < kSightKindCount; ++k) {
    const std::string_view name = kSightKindNames[k];
    if (name.size() == text.size() &&
        std::equal(name.begin(), name.end(), text.begin(), [](char a, char b) {
          return a == std::tolower(static_cast<unsigned char>(b));
        }))
      return static_cast<SightKind>(k);
  }
  return std::nullopt;
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
