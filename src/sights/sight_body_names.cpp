#include "sights/sight_body_names.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace nocturna {
namespace {

// Lower-case letters, single spaces, "'" for a typographic apostrophe (UTF-8 or Windows-1252).
std::string Folded(std::string_view text) {
  std::string folded;
  bool pendingSpace = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == ' ' || c == '\t') {
      pendingSpace = !folded.empty();
      continue;
    }
    if (pendingSpace) folded += ' ';
    pendingSpace = false;
    if (text.substr(i, 3) == "\xE2\x80\x99") {
      folded += '\'';
      i += 2;
    } else if (c == 0x92) {
      folded += '\'';
    } else {
      folded += static_cast<char>(std::tolower(c));
    }
  }
  return folded;
}

bool SameFolded(std::string_view name, const std::string& folded) {
  if (name.size() != folded.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(name[i])) != folded[i]) return false;
  }
  return true;
}

constexpr bool NumberedInOrder() {
  for (std::size_t i = 0; i < kSightBodyNames.size(); ++i) {
    if (kSightBodyNames[i].bodyIndex != static_cast<int>(i) + 1) return false;
  }
  return true;
}
static_assert(NumberedInOrder(), "the body names are listed in catalog order");

}  // namespace

std::optional<int> FindSightBody(std::string_view typed) {
  const std::string wanted = Folded(typed);
  if (wanted.empty()) return std::nullopt;
  for (const SightBodySpellings& body : kSightBodyNames) {
    if (SameFolded(body.name, wanted)) return body.bodyIndex;
    for (std::string_view other : body.otherSpellings) {
      if (!other.empty() && SameFolded(other, wanted)) return body.bodyIndex;
    }
  }
  return std::nullopt;
}

std::string_view SightBodyName(int bodyIndex) {
  if (bodyIndex == kPolarisBodyIndex) return "Polaris";
  if (bodyIndex < 1 || bodyIndex > static_cast<int>(kSightBodyNames.size())) return {};
  return kSightBodyNames[static_cast<std::size_t>(bodyIndex - 1)].name;
}

std::vector<std::string_view> SightBodyNames(bool alphabetical) {
  std::vector<std::string_view> names;
  for (const SightBodySpellings& body : kSightBodyNames) names.push_back(body.name);
  if (alphabetical) std::sort(names.begin(), names.end());
  return names;
}

}  // namespace nocturna
