#include "pages/almanac_pages_pdf.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QString>
#include <cstdio>

#include "pictures/chart_pictures.h"
#include "ui/almanac_pages/almanac_pages_printing.h"

namespace nocturna {
namespace {

constexpr int kPdfDotsPerInch = 600;
constexpr double kMarginMillimetres = 10.0;

}  // namespace

std::string WriteAlmanacPagesPdf(const std::string& path, const std::vector<Sheet>& sheets) {
  // Written beside the file and renamed over it once whole, so a failure never leaves half a PDF
  // under the name asked for.
  const std::string partial = path + ".partial";
  return WithOffscreenGui([&]() -> std::string {
    bool printed = false;
    {
      QPrinter printer(QPrinter::HighResolution);
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(QString::fromStdString(partial));
      printer.setResolution(kPdfDotsPerInch);
      printer.setPageSize(QPageSize(QPageSize::Letter));
      printer.setPageMargins(QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres,
                                       kMarginMillimetres),
                             QPageLayout::Millimeter);
      printed = PrintAlmanacPages(printer, sheets);
    }
    if (!printed || std::rename(partial.c_str(), path.c_str()) != 0) {
      std::remove(partial.c_str());
      return "cannot write the PDF " + path;
    }
    return {};
  });
}

}  // namespace nocturna
