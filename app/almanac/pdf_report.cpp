#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QString>

#include "chart_pictures.h"
#include "ui/chart_printing.h"

namespace nocturna {

namespace {
constexpr int kPdfDotsPerInch = 600;
}

std::string WriteChartPdf(const std::string& path, const ObserverState& observer,
                          const BodyCatalog& catalog, const SunEventsRecord& events) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(path));
  printer.setResolution(kPdfDotsPerInch);
  printer.setPageSize(QPageSize(QPageSize::Letter));
  printer.setPageMargins(QMarginsF(0, 0, 0, 0));
  printer.setFullPage(true);
  if (!PrintChart(printer, observer, catalog, events)) return "cannot write the PDF " + path;
  return {};
}

}  // namespace nocturna
