#pragma once
// How every report ends: its text on standard output, or a message on standard error.
#include <string>

namespace nocturna {

inline constexpr int kRunFailure = 1;    // a file or the output could not be read or written
inline constexpr int kUsageFailure = 2;  // the command line asks for what cannot be done

// "nocturna-almanac: MESSAGE" on standard error; returns the status.
int Fail(const std::string& message, int status = kUsageFailure);

enum class TextEncoding { windows1252, utf8 };

// Standard output for a report written in pieces: after the first failed write nothing more
// is written, and Finish tells what failed.
class StandardOutput {
 public:
  // Writes the text, a Windows-1252 text as UTF-8.
  void Write(const std::string& text, TextEncoding encoding = TextEncoding::windows1252);
  // Flushes; returns 0, or kRunFailure after saying that the output failed and why (a full
  // disk, a closed output).
  int Finish();
  // A write has failed: what follows would be lost.
  bool Failed() const { return error_ != 0; }

 private:
  int error_ = 0;  // errno of the first failure
};

// The whole page at once: Write and Finish.
int WriteStandardOutput(const std::string& page, TextEncoding encoding = TextEncoding::windows1252);

}  // namespace nocturna
