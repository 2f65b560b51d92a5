#pragma once
// A whole file as bytes, for comparing what a program wrote.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace nocturna::testing {

// The file's bytes; empty when it is absent or cannot be read.
inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace nocturna::testing
