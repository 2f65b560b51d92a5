// Any bytes as the settings hive file. Input byte 0 chooses how the rest is used: odd, as the
// whole file; even, as the file's body, to which the matching check-sum line is added so the
// lines themselves are explored. A hive that parses writes back to a text that parses to the
// same hive, and the saved home position read from the file is in range or absent.
#include <unistd.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "platform/home_position.h"
#include "platform/registry_hive.h"

namespace {

using namespace nocturna;

std::uint32_t Crc32(std::string_view bytes) {
  std::uint32_t c = 0xFFFFFFFFU;
  for (const char ch : bytes) {
    c ^= static_cast<std::uint8_t>(ch);
    for (int bit = 0; bit < 8; ++bit) c = (c & 1U) != 0 ? 0xEDB88320U ^ (c >> 1) : c >> 1;
  }
  return c ^ 0xFFFFFFFFU;
}

// One scratch file for the whole run, removed at exit.
class ScratchFile {
 public:
  ScratchFile() {
    const char* dir = std::getenv("TMPDIR");
    path_ = std::string(dir != nullptr && *dir != '\0' ? dir : "/tmp") + "/nocturna-fuzz-hive-XXXXXX";
    const int fd = mkstemp(path_.data());
    FUZZ_CHECK(fd >= 0);
    close(fd);
  }
  ~ScratchFile() { unlink(path_.c_str()); }
  void Write(std::string_view text) const {
    std::FILE* file = std::fopen(path_.c_str(), "wb");
    FUZZ_CHECK(file != nullptr);
    FUZZ_CHECK(std::fwrite(text.data(), 1, text.size(), file) == text.size());
    FUZZ_CHECK(std::fclose(file) == 0);
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

bool SameHive(const Hive& a, const Hive& b) {
  if (a.keys.size() != b.keys.size()) return false;
  for (std::size_t k = 0; k < a.keys.size(); ++k) {
    const HiveKey& x = a.keys[k];
    const HiveKey& y = b.keys[k];
    if (x.path != y.path || x.values.size() != y.values.size()) return false;
    for (std::size_t v = 0; v < x.values.size(); ++v) {
      if (x.values[v].name != y.values[v].name || x.values[v].type != y.values[v].type ||
          x.values[v].data != y.values[v].data) {
        return false;
      }
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  if ((data[0] & 1U) == 0) {
    if (text.empty() || text.back() != '\n') text += '\n';
    char checksum[16];
    std::snprintf(checksum, sizeof checksum, "%08x", static_cast<unsigned>(Crc32(text)));
    text += std::string("crc32 ") + checksum + "\n";
  }

  const HiveParse parsed = ParseHive(text);
  if (parsed.ok) {
    const std::string written = SerializeHive(parsed.hive);
    FUZZ_CHECK(!written.empty());
    const HiveParse again = ParseHive(written);
    FUZZ_CHECK(again.ok);
    FUZZ_CHECK(SameHive(parsed.hive, again.hive));
    FUZZ_CHECK(SerializeHive(again.hive) == written);
  } else {
    FUZZ_CHECK(!parsed.problem.empty());
  }

  static const ScratchFile scratch;
  scratch.Write(text);
  const HomePositionRead home = ReadHomePosition(scratch.path());
  if (home.latitude) FUZZ_CHECK(std::isfinite(*home.latitude) && std::fabs(*home.latitude) <= 90.0);
  if (home.longitude) FUZZ_CHECK(std::isfinite(*home.longitude) && std::fabs(*home.longitude) <= 180.0);
  if (!home.found) FUZZ_CHECK(!home.latitude && !home.longitude);
  return 0;
}
