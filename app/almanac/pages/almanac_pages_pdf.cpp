#include "pages/almanac_pages_pdf.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QString>

#include "pictures/chart_pictures.h"
#include "ui/almanac_pages/almanac_pages_printing.h"

namespace nocturna {
namespace {

constexpr int kPdfDotsPerInch = 600;
constexpr double kMarginMillimetres = 10.0;

}  // namespace

std::string WriteAlmanacPagesPdf(const std::string& path, const std::vector<BookletPage>& pages) {
  return WithOffscreenGui([&]() -> std::string {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path));
    printer.setResolution(kPdfDotsPerInch);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageMargins(QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres,
                                     kMarginMillimetres),
                           QPageLayout::Millimeter);
    return PrintAlmanacPages(printer, pages);
  });
}

}  // namespace nocturna
