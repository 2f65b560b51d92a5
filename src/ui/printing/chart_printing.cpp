#include "ui/printing/chart_printing.h"

#include <QFont>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QString>

#include "foundations/angles.h"
#include "ui/chart_drawing/decorations.h"
#include "ui/printing/print_pages.h"

namespace nocturna {

namespace {
constexpr double kLabelColumn = 0.0;
constexpr int kDataFontSize = 10;   // points
constexpr int kFooterFontSize = 8;  // points
constexpr int kTitleFontSize = 24;  // points
}  // namespace

PrintedPageGeometry PrintedPage(int pageWidth, int pageHeight) {
  const double w = pageWidth;
  const double h = pageHeight;
  PrintedPageGeometry page;
  page.dataBlock = DataBlockLayout{0.08 * w, w / 120.0, 0.1 * h, h / 55.0, kDataFontSize};
  page.chart.diameter = 0.8 * h;
  page.chart.radius = page.chart.diameter / 2.0;
  page.chart.centreX = 0.56 * w;
  page.chart.centreY = 0.52 * h;
  page.chart.symbolScale = 0.00125 * w;
  page.titleX = TruncToInt(0.48 * w);
  page.titleY = TruncToInt(0.025 * h);
  return page;
}

std::vector<DataBlockLine> PrintedFooterLines() {
  return {
      {34, "Varlo, Inc.", "", kLabelColumn},
      {35, PublisherNotice().toLatin1().toStdString(), "", kLabelColumn},
  };
}

SkyStyle PrintedSkyStyle() {
  SkyStyle style;
  style.blackOnWhite = true;
  style.letterFont = QFont(QStringLiteral("MurrayHill Bd BT"), 12, QFont::Bold);
  // Sizes of the 12-point letter font: {-7, 3}, {-13, -11}, {-5, -23}, {2, -10} pixels at 96
  // dots per inch.
  const double offsets[4][2] = {
      {-0.4375, 0.1875}, {-0.8125, -0.6875}, {-0.3125, -1.4375}, {0.125, -0.625}};
  for (int i = 0; i < 4; ++i) {
    style.letterOffsets[i][0] = offsets[i][0];
    style.letterOffsets[i][1] = offsets[i][1];
  }
  style.nameGap = 0.46875;  // 5 pixels at 96 dots per inch
  style.nameRise = 1.0;
  style.sunNamed = true;
  return style;
}

void DrawPrintedChart(QPainter& painter, int pageWidth, int pageHeight,
                      const ObserverState& observer, const BodyCatalog& catalog,
                      const SunEventsRecord& events) {
  const PrintedPageGeometry page = PrintedPage(pageWidth, pageHeight);
  painter.save();
  painter.setPen(Qt::black);
  painter.setBackground(Qt::white);
  painter.setBackgroundMode(Qt::OpaqueMode);
  painter.setFont(QFont(QStringLiteral("BrushScript BT"), kTitleFontSize));
  DrawTextAt(painter, page.titleX, page.titleY, QStringLiteral("Nocturna"));
  painter.restore();

  const ChartPass pass = PrintedPass(observer, events);
  DrawDataBlock(painter, page.dataBlock,
                PrintedDataBlockLines(
                    DataBlockValuesOf(pass, observer.zoneDescription, catalog, events)));
  DataBlockLayout footer = page.dataBlock;
  footer.fontSize = kFooterFontSize;
  DrawDataBlock(painter, footer, PrintedFooterLines());
  DrawSky(painter, page.chart, observer, catalog, PrintedSkyStyle());
}

bool ChooseChartPrinterInDialog(QPrinter& printer, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  return dialog.exec() == QDialog::Accepted;
}

std::string PrintChart(QPrinter& printer, const ObserverState& observer, const BodyCatalog& catalog,
                       const SunEventsRecord& events) {
  printer.setPageOrientation(QPageLayout::Landscape);
  printer.setDocName(QString::fromLatin1(kPrintJobName));
  return PrintPages(printer, [&](QPainter& painter, QPagedPaintDevice& page) {
    DrawPrintedChart(painter, page.width(), page.height(), observer, catalog, events);
  });
}

}  // namespace nocturna
