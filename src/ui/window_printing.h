#pragma once
// Printing a window's image (the table windows' "Print" buttons), the print dialog, and the
// message of a print that failed.
#include <functional>
#include <string>

#include "platform/message_presenter.h"

class QPrinter;
class QWidget;

namespace nocturna {

// Sets up the printer for one job (device, file, page); false when the user cancels.
using PrinterChoice = std::function<bool(QPrinter& printer, QWidget* parent)>;

// The print dialog (the toolkit's own, which also offers printing to a PDF file).
bool ChoosePrinterInDialog(QPrinter& printer, QWidget* parent);

// The error message of a print the printer did not take: "<what> could not be printed on
// <printer>." or, for a file, "<what> could not be written to <file>.".
Message PrintFailure(const QPrinter& printer, const std::string& what);

enum class PrintOutcome { Printed, Cancelled, Failed };

// Prints the window as it shows on screen on one page: at its screen size where it fits,
// scaled down to the page otherwise, at the top left of the printable area. An empty choice
// means the print dialog.
PrintOutcome PrintWindowImage(QWidget& window, const PrinterChoice& choose);

// The "Print" button: prints the window's image and tells the user when the printer could not
// be started or did not finish (a cancelled dialog says nothing).
void PrintWindow(QWidget& window, const PrinterChoice& choose, MessagePresenter& presenter);

}  // namespace nocturna
