#include "ui/printing/print_pages.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include "platform/atomic_file.h"
#include "ui/main_window/latin1_text.h"

namespace nocturna {

namespace {

std::string PrintToPdfFile(QPrinter& printer, const PagePainter& paint) {
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
  return WriteFileAtomically(path, std::string_view(pdf.data().constData(), pdf.data().size()),
                             "the PDF");
}

}  // namespace

std::string PrintPages(QPrinter& printer, const PagePainter& paint) {
  if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
    return PrintToPdfFile(printer, paint);
  }
  const std::string name = ToLatin1(printer.printerName());
  QPainter painter;
  if (!painter.begin(&printer)) return "the printer " + name + " did not start the document";
  paint(painter, printer);
  if (!painter.end()) return "the printer " + name + " did not finish the document";
  return {};
}

}  // namespace nocturna
