#pragma once
// Printing a window's image: the table windows' "Print" buttons.
#include <functional>

class QPrinter;
class QWidget;

namespace nocturna {

class MessagePresenter;

// Sets up the printer for one job (device, file, page); false when the user cancels.
using PrinterChoice = std::function<bool(QPrinter& printer, QWidget* parent)>;

// The print dialog (the toolkit's own, which also offers printing to a PDF file).
bool ChoosePrinterInDialog(QPrinter& printer, QWidget* parent);

enum class PrintOutcome { Printed, Cancelled, Failed };

// Prints the window as it shows on screen on one page: at its screen size where it fits,
// scaled down to the page otherwise, at the top left of the printable area. An empty choice
// means the print dialog.
PrintOutcome PrintWindowImage(QWidget& window, const PrinterChoice& choose);

// The "Print" button: prints the window's image and tells the user when the printer could not
// be started or did not finish (a cancelled dialog says nothing).
void PrintWindow(QWidget& window, const PrinterChoice& choose, MessagePresenter& presenter);

}  // namespace nocturna
