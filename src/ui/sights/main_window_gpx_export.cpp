// File > "Export GPX..." (Ctrl+Shift+G): the last celestial fix of the Sights window with its
// lines of position, the DR and the run, as GPX 1.1 for chart plotters and track loggers.
#include <QAction>
#include <QDir>
#include <QFileDialog>

#include "platform/gpx_file.h"
#include "ui/main_window/main_window.h"

namespace nocturna {

void TForm1::ConnectGpxExport() {
  connect(controls_.exportGpx, &QAction::triggered, this, &TForm1::ExportGpx1Click);
}

void TForm1::ExportGpx1Click() {
  if (lastFixGpx_.empty()) {
    presenter_->Show({MessageKind::Information,
                      "There is no celestial fix to export yet: reduce sights to a fix in Action > Sights... first.",
                      "Export GPX", MessageButtons::Ok, MessageAnswer::Ok});
    return;
  }
  const std::string path =
      tables_.chooseGpxFile
          ? tables_.chooseGpxFile(this)
          : QFileDialog::getSaveFileName(this, QStringLiteral("Export the fix as GPX"),
                                         QDir::home().filePath(QStringLiteral("celestial-fix.gpx")),
                                         QStringLiteral("GPX files (*.gpx);;All files (*)"))
                .toStdString();
  if (path.empty()) return;
  if (const std::string problem = WriteGpxFile(path, lastFixGpx_); !problem.empty()) {
    presenter_->Show({MessageKind::Error, problem, "Export GPX", MessageButtons::Ok, MessageAnswer::Ok});
  }
}

}  // namespace nocturna
