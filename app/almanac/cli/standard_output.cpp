#include "cli/standard_output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "foundations/windows1252.h"

namespace nocturna {

int WriteStandardOutput(const std::string& page) {
  const std::string utf8 = Windows1252ToUtf8(page);
  errno = 0;
  const bool written = std::fwrite(utf8.data(), 1, utf8.size(), stdout) == utf8.size();
  if (written && std::fflush(stdout) == 0 && !std::ferror(stdout)) return 0;
  const int error = errno != 0 ? errno : EIO;
  std::fprintf(stderr, "nocturna-almanac: cannot write the output: %s\n", std::strerror(error));
  return 1;
}

}  // namespace nocturna
