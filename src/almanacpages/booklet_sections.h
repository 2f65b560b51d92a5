#pragma once
// The sections of an almanac booklet: the daily pages of a passage and the tables a navigator
// needs to work a sight by hand.
#include <optional>
#include <string>
#include <vector>

namespace nocturna {

enum class BookletSection { daily, lunar, increments, altitude, polaris, reduction, forms };

inline constexpr BookletSection kBookletSections[] = {
    BookletSection::daily,   BookletSection::lunar,     BookletSection::increments, BookletSection::altitude,
    BookletSection::polaris, BookletSection::reduction, BookletSection::forms};

// A set of sections, in booklet order.
struct BookletContents {
  bool wanted[std::size(kBookletSections)] = {true, true, true, true, true, true, true};
  bool Has(BookletSection section) const { return wanted[static_cast<int>(section)]; }
  void Set(BookletSection section, bool on) { wanted[static_cast<int>(section)] = on; }
  bool Empty() const;
};

// "daily", "lunar", "increments", "altitude", "polaris", "reduction", "forms".
const char* SectionName(BookletSection section);
// "Daily pages", "Increments and corrections", ...: as the index and the window name them.
const char* SectionTitle(BookletSection section);

// The sections of a comma-separated list of names ("all" for every one). Nothing, with
// `error` set, for an unknown or empty name.
std::optional<BookletContents> ParseSections(const std::string& list, std::string& error);

// The names of the sections chosen, comma-separated.
std::string SectionList(const BookletContents& contents);

}  // namespace nocturna
