#include "ui/window_printing.h"

#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>
#include <algorithm>

#include "platform/message_presenter.h"

namespace nocturna {

bool ChoosePrinterInDialog(QPrinter& printer, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  dialog.setObjectName(QStringLiteral("PrintDialog"));
  return dialog.exec() == QDialog::Accepted;
}

Message PrintFailure(const QPrinter& printer, const std::string& what) {
  Message failure;
  failure.kind = MessageKind::Error;
  failure.text = printer.outputFileName().isEmpty()
                     ? what + " could not be printed on " + printer.printerName().toLatin1().toStdString() + "."
                     : what + " could not be written to " + printer.outputFileName().toLatin1().toStdString() + ".";
  return failure;
}

PrintOutcome PrintWindowImage(QWidget& window, const PrinterChoice& choose) {
  // Grab before the dialog covers the window.
  const QPixmap image = window.grab();
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(window.windowTitle());
  const bool chosen = choose ? choose(printer, &window) : ChoosePrinterInDialog(printer, &window);
  if (!chosen) return PrintOutcome::Cancelled;
  QPainter painter;
  if (!painter.begin(&printer)) return PrintOutcome::Failed;
  const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
  // Screen pixels to printer pixels, so the print has the window's size on screen.
  const double screenDpi = std::max(1, window.logicalDpiX());
  const QSizeF size = image.deviceIndependentSize();
  double scale = printer.resolution() / screenDpi;
  scale = std::min({scale, page.width() / std::max(1.0, size.width()),
                    page.height() / std::max(1.0, size.height())});
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawPixmap(QRectF(0, 0, size.width() * scale, size.height() * scale), image,
                     QRectF(image.rect()));
  return painter.end() ? PrintOutcome::Printed : PrintOutcome::Failed;
}

void PrintWindow(QWidget& window, const PrinterChoice& choose, MessagePresenter& presenter) {
  if (PrintWindowImage(window, choose) != PrintOutcome::Failed) return;
  Message message;
  message.kind = MessageKind::Error;
  message.text = "The window could not be printed: the printer or the file did not accept it.";
  presenter.Show(message);
}

}  // namespace nocturna
