#pragma once
// The booklet's pages as a PDF file, drawn by the window library's page printing.
#include <string>

#include <vector>

#include "almanacpages/page_sheet.h"

namespace nocturna {

// Writes the sheets as portrait US Letter pages to `path` through the one print path and atomic
// writer. Returns an empty text or a message naming the file and reason.
std::string WriteAlmanacPagesPdf(const std::string& path, const std::vector<Sheet>& sheets);

}  // namespace nocturna
