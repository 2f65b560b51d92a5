#include "cli/standard_output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "foundations/windows1252.h"

namespace nocturna {

int Fail(const std::string& message, int status) {
  std::fprintf(stderr, "nocturna-almanac: %s\n", message.c_str());
  return status;
}

void StandardOutput::Write(const std::string& text, TextEncoding encoding) {
  if (error_ != 0) return;
  const std::string bytes = encoding == TextEncoding::windows1252 ? Windows1252ToUtf8(text) : text;
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size()) {
    error_ = errno != 0 ? errno : EIO;
  }
}

int StandardOutput::Finish() {
  if (error_ == 0) {
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) error_ = errno != 0 ? errno : EIO;
  }
  if (error_ == 0) return 0;
  return Fail(std::string("cannot write the output: ") + std::strerror(error_), kRunFailure);
}

int WriteStandardOutput(const std::string& page, TextEncoding encoding) {
  StandardOutput output;
  output.Write(page, encoding);
  return output.Finish();
}

}  // namespace nocturna
