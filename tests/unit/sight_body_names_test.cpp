#include <gtest/gtest.h>

#include <string>

#include "navigation/body_catalog.h"
#include "sights/sight_body_names.h"

namespace nocturna {
namespace {

// Whole names only, navigators' spellings, never completed to another body.
TEST(SightBodyNames, TypedNamesMatchWholeNames) {
  struct Case { const char* typed; int index; };
  const Case cases[] = {
      {"Deneb", 53},           {"deneb", 53},        {"Denebola", 28},     {"Kochab", 40},
      {"KOCHUB", 40},          {"Rigil Kentaurus", 38}, {"rigel  kentaurus", 38},
      {"Alnair", 55},          {"Al Na'ir", 55},     {"Al Na\xE2\x80\x99ir", 55},
      {" Sun ", 62},           {"moon", 63},         {"Hadar", 35},        {"Agena", 35},
      {"Den", 0},              {"Deneb ola", 0},     {"Aries", 0},         {"", 0},
      {"Sunx", 0},             {"Kochab Kochab", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(FindSightBody(c.typed).value_or(0), c.index) << c.typed;
  EXPECT_EQ(SightBodyName(40), "Kochab");
}

// Every shown name reads back to its own body, and stands for the catalog's entry there.
TEST(SightBodyNames, AgreeWithTheCatalog) {
  const BodyCatalog catalog = BuildCatalog();
  for (int index = kFirstStarIndex; index < kBodyCount; ++index) {
    const std::string shown(SightBodyName(index));
    EXPECT_EQ(FindSightBody(shown), index) << shown;
    EXPECT_EQ(FindSightBody(catalog.entries[index].name), index) << catalog.entries[index].name;
  }
  const auto sorted = SightBodyNames(true);
  EXPECT_EQ(sorted.size(), 63u);
  EXPECT_TRUE(std::is_sorted(sorted.begin(), sorted.end()));
}

}  // namespace
}  // namespace nocturna
