#pragma once
// The bookmarks of a PDF (its outline), which Qt's PDF writer cannot make: added to the finished
// file's bytes before they are written.
#include <string>
#include <vector>

namespace nocturna {

struct PdfBookmark {
  std::string title;  // Windows-1252
  int page = 0;       // from 0
  int level = 0;      // 0 at the top; 1 under the last bookmark of level 0 before it
};

// Adds `bookmarks` as the outline of the PDF in `pdf`, each opening its page at the top, the
// top level shown when the file opens. Returns an empty text, or why the PDF could not be read
// or written (`pdf` is then unchanged).
std::string AddPdfOutline(std::string& pdf, const std::vector<PdfBookmark>& bookmarks);

}  // namespace nocturna
