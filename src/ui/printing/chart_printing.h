#pragma once
// The printed chart: one landscape page with the title, the data block and the sky in black
// and white, drawn by the chart's own drawing code with the page's geometry. It computes no
// astronomy: it prints what the last chart pass left in the catalog and the records.
#include <string>
#include <vector>

#include "chart/chart_compute.h"
#include "chart/chart_geometry.h"
#include "chart/data_block.h"
#include "chart/observer_state.h"
#include "navigation/body_catalog.h"
#include "ui/chart_drawing/chart_painter.h"

class QPainter;
class QPrinter;
class QWidget;

namespace nocturna {

// The print job's name (and the PDF document's title).
inline constexpr char kPrintJobName[] = "Nocturna Sky Chart";

// Where things go on a landscape page of W x H device pixels.
struct PrintedPageGeometry {
  // Line height H/55 from a top margin of 0.1 H; labels at 0.08 W, a column unit of W/120.
  DataBlockLayout dataBlock;
  // Disc of diameter 0.8 H centred at (0.56 W, 0.52 H); symbols scaled by the page width.
  ChartGeometry chart;
  int titleX = 0;  // top-left corner of the title: 0.48 W, 0.025 H
  int titleY = 0;
};
PrintedPageGeometry PrintedPage(int pageWidth, int pageHeight);

// The page's data block lines are PrintedDataBlockLines (chart/data_block.h); under them the
// publisher's two footer lines (34 and 35, drawn smaller).
std::vector<DataBlockLine> PrintedFooterLines();

// Black on white, the cardinal letters in the title's companion face, names a little further
// from their symbols, and the Sun named.
SkyStyle PrintedSkyStyle();

// The whole page on a painter over pageWidth x pageHeight device pixels.
void DrawPrintedChart(QPainter& painter, int pageWidth, int pageHeight,
                      const ObserverState& observer, const BodyCatalog& catalog,
                      const SunEventsRecord& events);

// The print dialog of the chart over the given window, without a page range (there is one
// page); false when cancelled.
bool ChooseChartPrinterInDialog(QPrinter& printer, QWidget* parent);

// Prints the page on the printer, set to landscape and named kPrintJobName, through the one
// print path. Returns an empty text, or what went wrong (an unwritable file, a printer gone).
std::string PrintChart(QPrinter& printer, const ObserverState& observer, const BodyCatalog& catalog,
                       const SunEventsRecord& events);

}  // namespace nocturna
