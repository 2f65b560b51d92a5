#pragma once
// A table document on paper, in the printed chart's style: black on white, "MS Sans Serif",
// a line height of a 55th of the page's height from a top margin of a tenth, text from 0.08 of
// the page's width, column units of a 120th of it. Every page ends with "Page n of m".
#include "chart/table_document.h"

class QPainter;
class QPagedPaintDevice;

namespace nocturna {

// The lines a page holds: the page's height less a tenth above and below.
inline constexpr int kDocumentLinesPerPage = 44;

// Draws every page of the document on the painter over the device, starting a new page on the
// device for each page after the first. Portrait or landscape alike.
void DrawTableDocument(QPainter& painter, QPagedPaintDevice& device, const TableDocument& document);

}  // namespace nocturna
