#include "sights/sight_reduction_pdf.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

#include "pictures/chart_pictures.h"
#include "ui/printing/print_pages.h"
#include "ui/sights/sight_table_model.h"

namespace nocturna {
namespace {

constexpr int kPdfDotsPerInch = 600;

std::string DrawPdf(const std::string& path, const SightFormPrint& print) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(path));
  printer.setResolution(kPdfDotsPerInch);
  printer.setPageSize(QPageSize(QPageSize::Letter));
  printer.setPageMargins(QMarginsF(0, 0, 0, 0));
  printer.setFullPage(true);
  printer.setPageOrientation(QPageLayout::Landscape);
  printer.setDocName(QStringLiteral("Sight form"));
  return PrintPages(printer, [&](QPainter& painter, QPagedPaintDevice& device) {
    DrawSightFormPages(painter, device, print);
  });
}

}  // namespace

std::string WriteSightReductionPdf(const std::string& path, const std::vector<SightRecord>& log,
                                   const SightLogReduction& reduction,
                                   const SightFormSetting& setting) {
  std::vector<std::vector<std::string>> cells;
  std::vector<int> rows;
  for (std::size_t i = 0; i < log.size(); ++i) {
    const auto typed = TypedCellsOf(log[i], {}, false);
    cells.emplace_back(typed.begin(), typed.end());
    rows.push_back(static_cast<int>(i));
  }
  const auto results = SightRowResults(std::vector<std::string>(log.size()), rows, reduction);
  for (std::size_t i = 0; i < log.size(); ++i)
    cells[i].insert(cells[i].end(), results[i].begin(), results[i].end());
  const SightFormPrint print = SightFormPrintOf(cells, rows, reduction, setting, "--precise");
  return WithOffscreenGui([&] { return DrawPdf(path, print); });
}

}  // namespace nocturna
