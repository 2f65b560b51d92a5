#pragma once
// The daily pages on paper or in a PDF: each sheet of a passage drawn in a fixed-width font on
// its own portrait page, with its rules, scaled to the page's printable area (US Letter and A4
// alike).
#include <functional>
#include <string>
#include <vector>

#include "almanacpages/almanac_booklet.h"
#include "almanacpages/page_sheet.h"

class QPainter;
class QPrinter;
class QRectF;

namespace nocturna {

// The print job's name (and the PDF document's title).
inline constexpr char kAlmanacPagesJobName[] = "Nocturna Almanac Pages";

// The fixed-width face of the figures.
inline constexpr char kAlmanacPagesFont[] = "DejaVu Sans Mono";

// Draws the sheet into `area` (device pixels): one character column and one line each take an
// equal share of it, the font as large as both allow, a title line a little larger.
void DrawSheet(QPainter& painter, const Sheet& sheet, const QRectF& area);

// Told after each page how many of the pages are drawn; false abandons the job.
using PagePrinted = std::function<bool(int printed, int pages)>;

// Prints the booklet's pages one to a page, portrait, named kAlmanacPagesJobName, through the one
// print path (a PDF file is written atomically, a bookmark at each section and month the index
// lists). Returns an empty text, or what went wrong, naming the printer or the file and the
// reason; a job `pagePrinted` abandoned leaves no file and no print.
std::string PrintAlmanacPages(QPrinter& printer, const std::vector<BookletPage>& pages,
                              const PagePrinted& pagePrinted = {});

}  // namespace nocturna
