#pragma once
// The passage's pages as a PDF file, drawn by the window library's page printing.
#include <string>

#include "almanacpages/almanac_passage.h"

namespace nocturna {

// Writes the title page and two portrait US Letter pages per opening to `path` through the one
// print path and atomic writer. Returns an empty text or a message naming the file and reason.
std::string WriteAlmanacPagesPdf(const std::string& path, const AlmanacPassage& passage);

}  // namespace nocturna
