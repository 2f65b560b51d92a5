#pragma once
// A GPX document saved through the one atomic writer: whole or not at all.
#include <string>
#include <string_view>

#include "platform/atomic_file.h"

namespace nocturna {

// The message when the file could not be written, else empty.
inline std::string WriteGpxFile(const std::string& path, std::string_view document) {
  return WriteFileAtomically(path, document, "the GPX file");
}

}  // namespace nocturna
