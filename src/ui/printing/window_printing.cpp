#include "ui/printing/window_printing.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>

#include "platform/message_presenter.h"
#include "ui/printing/print_pages.h"
#include "ui/printing/table_document_printing.h"

namespace nocturna {

bool ChoosePrinterInDialog(QPrinter& printer, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  dialog.setObjectName(QStringLiteral("PrintDialog"));
  return dialog.exec() == QDialog::Accepted;
}

void PrintDrawing(QWidget& window, bool landscape, const PagePainter& paint,
                  const PrinterChoice& choose, MessagePresenter& presenter) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  printer.setDocName(window.windowTitle());
  const bool chosen = choose ? choose(printer, &window) : ChoosePrinterInDialog(printer, &window);
  if (!chosen) return;
  const std::string problem = PrintPages(printer, paint);
  if (problem.empty()) return;
  Message message;
  message.kind = MessageKind::Error;
  message.text = "The window could not be printed: " + problem + ".";
  presenter.Show(message);
}

void PrintDocument(const TableDocument& document, QWidget& window, const PrinterChoice& choose,
                   MessagePresenter& presenter) {
  PrintDrawing(window, false, [&](QPainter& painter, QPagedPaintDevice& page) {
    DrawTableDocument(painter, page, document);
  }, choose, presenter);
}

}  // namespace nocturna
