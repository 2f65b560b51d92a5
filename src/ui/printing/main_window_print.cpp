// "Print" and "&Print...": the chart on paper or in a PDF file, from what the last paint left.
#include <QAction>
#include <QPrinter>
#include <QPushButton>

#include "ui/printing/chart_printing.h"
#include "ui/main_window/main_window.h"
#include "ui/printing/window_printing.h"

namespace nocturna {

void TForm1::ConnectPrint() {
  connect(controls_.printButton, &QPushButton::clicked, this, &TForm1::PrintClick);
  connect(controls_.print, &QAction::triggered, this, &TForm1::PrintClick);
}

// The page shows the pickers' zone time (also while animating) with the positions of the last
// paint; nothing is computed and nothing in the window changes.
void TForm1::PrintClick() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  printer.setDocName(QString::fromLatin1(kPrintJobName));
  if (!services_.printDialog(printer, this)) return;
  const std::string problem = PrintChart(printer, observer_, catalog_, events_);
  if (problem.empty()) return;
  Message failure;
  failure.kind = MessageKind::Error;
  failure.text = "The chart could not be printed: " + problem + ".";
  presenter_->Show(failure);
}

}  // namespace nocturna
