#include "sights/sight_reduction_pdf.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

#include "pictures/chart_pictures.h"
#include "ui/printing/print_pages.h"

namespace nocturna {
namespace {

std::string DrawPdf(const std::string& path, const SightFormPrint& print) {
  QPrinter printer(QPrinter::HighResolution);
  SetUpPdfPrinter(printer, path, QPageLayout::Landscape);
  printer.setDocName(QStringLiteral("Sight form"));
  return PrintPages(printer, [&](QPainter& painter, QPagedPaintDevice& device) {
    DrawSightFormPages(painter, device, print);
  });
}

}  // namespace

std::string WriteSightReductionPdf(const std::string& path, const std::vector<SightRecord>& log,
                                   const SightLogReduction& reduction,
                                   const SightFormSetting& setting) {
  const SightFormPrint print = SightFormPrintOf(log, reduction, setting, "--precise");
  return WithOffscreenGui([&] { return DrawPdf(path, print); });
}

}  // namespace nocturna
