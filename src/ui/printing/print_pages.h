#pragma once
// The program's one way onto paper: every print (the chart, the table windows, the command
// line's PDF pages) paints its pages through PrintPages.
#include <functional>
#include <string>
#include <vector>

#include "ui/printing/pdf_outline.h"

class QPagedPaintDevice;
class QPainter;
class QPrinter;

namespace nocturna {

// Paints the pages on the painter over the device (device.newPage() between pages).
using PagePainter = std::function<void(QPainter& painter, QPagedPaintDevice& device)>;

// Prints one job on the printer as the user set it up (page layout, resolution, job name).
// A printer prints the pages; a PDF file is made in memory with the printer's page layout and
// then written atomically, so that a full disk or a missing folder leaves no half file.
// Returns an empty text, or what went wrong ("cannot write the PDF FILE: reason"). When
// `stillWanted` is given and says no once the pages are painted, the job is dropped: the
// printer's job aborted, no file written, and the text "abandoned". A PDF file gets `outline`
// as its bookmarks (a printer has no use for them).
std::string PrintPages(QPrinter& printer, const PagePainter& paint,
                       const std::function<bool()>& stillWanted = {}, const std::vector<PdfBookmark>& outline = {});

}  // namespace nocturna
