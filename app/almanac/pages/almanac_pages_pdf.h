#pragma once
// The booklet's pages as a PDF file, drawn by the window library's page printing.
#include <string>

#include <vector>

#include "almanacpages/almanac_booklet.h"

namespace nocturna {

// Writes the pages as portrait US Letter pages to `path` through the one print path and atomic
// writer, with a bookmark at each section and month. Returns an empty text or a message naming the
// file and reason.
std::string WriteAlmanacPagesPdf(const std::string& path, const std::vector<BookletPage>& pages);

}  // namespace nocturna
