#pragma once
// Printing a table window: the table windows' "Print" buttons print their contents as a
// document of pages, every row, through the one print path.
#include <functional>

#include "chart/table_document.h"
#include "platform/message_presenter.h"
#include "ui/printing/print_pages.h"

class QPrinter;
class QWidget;

namespace nocturna {

class MessagePresenter;

// Sets up the printer for one job (device, file, page); false when the user cancels.
using PrinterChoice = std::function<bool(QPrinter& printer, QWidget* parent)>;

// The print dialog (the toolkit's own, which also offers printing to a PDF file).
bool ChoosePrinterInDialog(QPrinter& printer, QWidget* parent);

// The "Print" button: the document on portrait pages named after the window, through the
// chosen printer (an empty choice means the print dialog). A cancelled dialog prints nothing
// and says nothing; a printer or a file that fails is told.
void PrintDocument(const TableDocument& document, QWidget& window, const PrinterChoice& choose,
                   MessagePresenter& presenter);

// The "Print" button of a window that draws its own pages (portrait, or landscape when asked):
// the same dialog, job name and failure message as PrintDocument.
void PrintDrawing(QWidget& window, bool landscape, const PagePainter& paint,
                  const PrinterChoice& choose, MessagePresenter& presenter);

}  // namespace nocturna
