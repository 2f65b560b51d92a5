#pragma once
// The plotting sheet: a Mercator sheet around the DR with the latitude scale on the right and
// the longitude scale shrunk by the latitude's cosine, the DR, each line of position with its
// azimuth line and intercept (advanced or retarded lines dashed), and the fix with its ellipse.
#include <QDialog>
#include <QWidget>

#include "foundations/dr_position.h"
#include "platform/message_presenter.h"
#include "sights/sight_log_reduction.h"
#include "ui/printing/window_printing.h"

class QPainter;

namespace nocturna {

// The sheet on a painter over width x height pixels: dr (degrees, north and WEST positive) is
// the DR at fixTime (UTC days since 1899-12-30), the centre of the sheet; lines that the run
// moved to that time are dashed.
void DrawPlottingSheet(QPainter& painter, int width, int height,
                       const SightLogReduction& reduction, const DrPosition& dr, DateTime fixTime,
                       const DeadReckoning& run);

class PlottingSheetView : public QWidget {
 public:
  PlottingSheetView(const SightLogReduction& reduction, const DrPosition& dr, DateTime fixTime,
                    const DeadReckoning& run, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 public:
  // The sheet over width x height pixels of any painter (the window, a printed page).
  void Draw(QPainter& painter, int width, int height) const;

 private:
  const SightLogReduction& reduction_;
  DrPosition dr_;
  DateTime fixTime_;
  DeadReckoning run_;
};

// The sheet in a window of its own with "Print" (the print dialog, which also writes PDF).
class TPlottingSheetForm : public QDialog {
  Q_OBJECT

 public:
  TPlottingSheetForm(const SightLogReduction& reduction, const DrPosition& dr, DateTime fixTime,
                     const DeadReckoning& run, PrinterChoice choosePrinter,
                     MessagePresenter& presenter, QWidget* parent);

  PlottingSheetView* Sheet() const { return sheet_; }
  void PrintBtnClick();

 private:
  PlottingSheetView* sheet_ = nullptr;
  PrinterChoice choosePrinter_;
  MessagePresenter& presenter_;
};

}  // namespace nocturna
