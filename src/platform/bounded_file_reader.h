#pragma once
// Reading a file the user names (a sight log, say) into memory of a known bound: whatever stands
// at the path answers at once (a pipe nobody writes is not waited for), a folder is named as
// one, and anything larger than the bound is refused with its size, read no further than that.
#include <cstddef>
#include <string>

namespace nocturna {

// The most a user's file may hold: a year of sights is a few hundred kilobytes.
inline constexpr std::size_t kLargestUserFileBytes = std::size_t{16} << 20;

enum class FileReadOutcome {
  Read,      // bytes holds the whole file
  Absent,    // nothing at the path
  TooLarge,  // more than the bound (problem names the size)
  Refused,   // a folder, a kind of file not taken, or the system's refusal (problem says which)
};

// Whether a pipe or a character device (`<(command)`, /dev/stdin) is read as well as files.
enum class FileKinds { RegularOnly, StreamsToo };

struct FileRead {
  FileReadOutcome outcome = FileReadOutcome::Read;
  std::string bytes;
  std::string problem;  // naming the path, when not Read
};

FileRead ReadBoundedFile(const std::string& path, FileKinds kinds,
                         std::size_t limit = kLargestUserFileBytes);

}  // namespace nocturna
