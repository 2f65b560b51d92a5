#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPrinter>
#include <QString>

#include "pictures/chart_pictures.h"
#include "ui/printing/chart_printing.h"
#include "ui/printing/print_pages.h"
#include "ui/printing/table_document_printing.h"

namespace nocturna {

namespace {

constexpr int kPdfDotsPerInch = 600;

}  // namespace

void SetUpPdfPrinter(QPrinter& printer, const std::string& path,
                     QPageLayout::Orientation orientation) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(path));
  printer.setResolution(kPdfDotsPerInch);
  printer.setPageSize(QPageSize(QPageSize::Letter));
  printer.setPageMargins(QMarginsF(0, 0, 0, 0));
  printer.setFullPage(true);
  printer.setPageOrientation(orientation);
}

std::string WriteChartPdf(const std::string& path, const ObserverState& observer,
                          const BodyCatalog& catalog, const SunEventsRecord& events) {
  QPrinter printer(QPrinter::HighResolution);
  SetUpPdfPrinter(printer, path, QPageLayout::Landscape);
  return PrintChart(printer, observer, catalog, events);
}

std::string WriteTablePdf(const std::string& path, const std::vector<TableDocument>& documents) {
  QPrinter printer(QPrinter::HighResolution);
  SetUpPdfPrinter(printer, path, QPageLayout::Portrait);
  printer.setDocName(QString::fromLatin1(documents.empty() ? "" : documents.front().title.c_str()));
  return PrintPages(printer, [&](QPainter& painter, QPagedPaintDevice& device) {
    for (std::size_t i = 0; i < documents.size(); ++i) {
      if (i > 0) device.newPage();
      DrawTableDocument(painter, device, documents[i]);
    }
  });
}

}  // namespace nocturna
