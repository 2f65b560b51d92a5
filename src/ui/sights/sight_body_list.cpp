#include "ui/sights/sight_body_list.h"

#include <algorithm>

#include "navigation/body_catalog.h"

namespace nocturna {

std::string ShownBodyName(int bodyIndex) {
  static const BodyCatalog catalog = BuildCatalog();
  return bodyIndex >= kFirstStarIndex && bodyIndex < kBodyCount ? catalog.entries[bodyIndex].name : "";
}

std::vector<std::string> ShownBodyNames(bool alphabetical) {
  std::vector<std::string> names;
  for (int k = kFirstStarIndex; k < kBodyCount; ++k) names.push_back(ShownBodyName(k));
  if (alphabetical) std::sort(names.begin(), names.end());
  return names;
}

}  // namespace nocturna
