#pragma once
// Writing a whole file so that it is either there complete or not changed at all: the bytes go
// to a temporary file of a name no other save uses, beside the target, are flushed to the disk
// and checked, and the file is then renamed into place and its folder flushed. Every file the
// programs save (images, PDF pages, the sight log, the settings) goes through here.
#include <string>
#include <string_view>

namespace nocturna {

// The system calls a save makes that a test may make fail; null means the system's own.
struct WriteCalls {
  int (*rename)(const char* from, const char* to) = nullptr;
  int (*fsync)(int fd) = nullptr;
};

// Writes bytes to path; `what` names the file in a message ("the PDF", "the image"). A symbolic
// link is followed, so the link stays and its target gets the bytes. A path naming something
// that is not a regular file (a device such as /dev/stdout, a pipe) is written directly, never
// renamed over, since a rename would put a plain file in the device's place; a pipe without a
// reader is refused rather than waited for. Two saves of one file at once each write whole and
// the later rename wins. Temporary files of killed saves are removed. Returns an empty text, or
// a message naming the file and the system's reason: "cannot write <what> <path>: <reason>". On
// failure no temporary file is left and a regular file at path is as it was.
std::string WriteFileAtomically(const std::string& path, std::string_view bytes,
                                const std::string& what, const WriteCalls& calls = {});

struct UserFileSave {
  bool ok = false;
  std::string problem;      // which step failed and the system's reason, when not ok
  std::string damagedCopy;  // where the damaged file was kept, when one was set aside
};

// Saves a file of the user's own data (the settings, the sight log) at path, making its folder
// when missing; a new file is private to the user. With setAsideDamaged whatever is at path is first kept under a ".damaged" name
// (see SetAside) and the save makes a new file there; otherwise as WriteFileAtomically.
UserFileSave SaveUserFile(const std::string& path, std::string_view bytes, const std::string& what,
                          bool setAsideDamaged, const WriteCalls& calls = {});

}  // namespace nocturna
