#include "almanacpages/booklet_sections.h"

#include <algorithm>
#include <iterator>

namespace nocturna {
namespace {

// "daily, lunar, ..., forms".
std::string AllSectionNames() {
  std::string names;
  for (const BookletSection section : kBookletSections) names += std::string(names.empty() ? "" : ", ") + SectionName(section);
  return names;
}

}  // namespace

bool BookletContents::Empty() const {
  for (const bool on : wanted) {
    if (on) return false;
  }
  return true;
}

const char* SectionName(BookletSection section) {
  switch (section) {
    case BookletSection::daily: return "daily";
    case BookletSection::lunar: return "lunar";
    case BookletSection::increments: return "increments";
    case BookletSection::altitude: return "altitude";
    case BookletSection::polaris: return "polaris";
    case BookletSection::reduction: return "reduction";
    case BookletSection::forms: return "forms";
  }
  return "";
}

const char* SectionTitle(BookletSection section) {
  switch (section) {
    case BookletSection::daily: return "Daily pages";
    case BookletSection::lunar: return "Lunar distances";
    case BookletSection::increments: return "Increments and corrections";
    case BookletSection::altitude: return "Altitude correction tables";
    case BookletSection::polaris: return "Polaris tables";
    case BookletSection::reduction: return "Concise sight reduction tables";
    case BookletSection::forms: return "Sight form and plotting sheet";
  }
  return "";
}

std::optional<BookletContents> ParseSections(const std::string& list, std::string& error) {
  BookletContents contents;
  for (const BookletSection section : kBookletSections) contents.Set(section, false);
  std::size_t start = 0;
  while (start <= list.size()) {
    const std::size_t comma = std::min(list.find(',', start), list.size());
    const std::string name = list.substr(start, comma - start);
    bool known = false;
    for (const BookletSection section : kBookletSections) {
      if (name == SectionName(section) || name == "all") {
        contents.Set(section, true);
        known = true;
      }
    }
    if (!known) {
      error = "unknown section '" + name + "': give " + AllSectionNames() + " or all";
      return std::nullopt;
    }
    start = comma + 1;
  }
  return contents;
}

std::string SectionList(const BookletContents& contents) {
  std::string list;
  for (const BookletSection section : kBookletSections) {
    if (!contents.Has(section)) continue;
    if (!list.empty()) list += ',';
    list += SectionName(section);
  }
  return list;
}

}  // namespace nocturna
