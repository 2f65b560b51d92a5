#pragma once
// Writing a whole file so that it is either there complete or not changed at all: the bytes go
// to a temporary file beside the target, are flushed to the disk and checked, and the file is
// then renamed into place. Every file the programs write (images, PDF pages) goes through here.
#include <string>
#include <string_view>

namespace nocturna {

// Writes bytes to path; `what` names the file in a message ("the PDF", "the image"). A symbolic link is followed, so the link stays and its target gets the
// bytes. A path naming something that is not a regular file (a device such as /dev/stdout, a
// pipe) is written directly, never renamed over, since a rename would put a plain file in the
// device's place; a pipe without a reader is refused rather than waited for. Returns an empty
// text, or a message naming the file and the system's reason. On failure no temporary file is
// left and a regular file at path is as it was. Messages read "cannot write <what> <path>:
// <reason>".
std::string WriteFileAtomically(const std::string& path, std::string_view bytes,
                                const std::string& what);

}  // namespace nocturna
