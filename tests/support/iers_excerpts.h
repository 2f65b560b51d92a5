#pragma once
// The IERS excerpts of tests/data/iers (see its README): their text and their tables.
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "ephemeris/precise/iers_file.h"

namespace nocturna::testing {

inline constexpr char kFinalsExcerpt[] = "finals2000A_excerpt.data";
inline constexpr char kBulletinExcerpt[] = "bulletin_a_excerpt.txt";

inline std::string IersExcerptPath(const std::string& name) {
  return std::string(NOCTURNA_TEST_DATA_DIR) + "/iers/" + name;
}

inline std::string IersExcerptText(const std::string& name) {
  std::ifstream in(IersExcerptPath(name), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

inline std::shared_ptr<const Dut1Table> IersExcerptTable(const std::string& name) {
  return std::make_shared<const Dut1Table>(ParseIersFile(IersExcerptText(name)).table);
}

}  // namespace nocturna::testing
