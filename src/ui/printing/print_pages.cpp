#include "ui/printing/print_pages.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include "platform/atomic_file.h"
#include "ui/main_window/latin1_text.h"

namespace nocturna {

namespace {

constexpr char kAbandoned[] = "abandoned";

std::string PrintToPdfFile(QPrinter& printer, const PagePainter& paint, const std::function<bool()>& stillWanted,
                           const std::vector<PdfBookmark>& outline) {
  const std::string path = printer.outputFileName().toStdString();
  QBuffer pdf;
  pdf.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&pdf);
    writer.setResolution(printer.resolution());
    writer.setPageLayout(printer.pageLayout());
    writer.setTitle(printer.docName());
    writer.setCreator(printer.creator());
    QPainter painter;
    if (!painter.begin(&writer)) return "cannot make the PDF " + path;
    paint(painter, writer);
    if (!painter.end()) return "cannot make the PDF " + path;
  }
  if (stillWanted && !stillWanted()) return kAbandoned;
  std::string bytes(pdf.data().constData(), static_cast<std::size_t>(pdf.data().size()));
  const std::string problem = AddPdfOutline(bytes, outline);
  if (!problem.empty()) return problem + " in the PDF " + path;
  return WriteFileAtomically(path, bytes, "the PDF");
}

}  // namespace

std::string PrintPages(QPrinter& printer, const PagePainter& paint, const std::function<bool()>& stillWanted,
                       const std::vector<PdfBookmark>& outline) {
  if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
    return PrintToPdfFile(printer, paint, stillWanted, outline);
  }
  const std::string name = ToLatin1(printer.printerName());
  QPainter painter;
  if (!painter.begin(&printer)) return "the printer " + name + " did not start the document";
  paint(painter, printer);
  if (stillWanted && !stillWanted()) {
    printer.abort();
    painter.end();
    return kAbandoned;
  }
  if (!painter.end()) return "the printer " + name + " did not finish the document";
  return {};
}

}  // namespace nocturna
