#pragma once
// The "Star Finder" window: for the chart's DR and zone date, the best bodies to shoot in the
// morning or evening twilight, with the sextant altitude to preset and the order to shoot them
// in. Not modal: while it is open the chart rings the chosen bodies, and a click on a listed
// body rings it a second time.
#include <QDialog>
#include <functional>

#include "chart/observer_state.h"
#include "platform/message_presenter.h"
#include "starfinder/star_finder.h"
#include "ui/printing/window_printing.h"

class QLineEdit;
class QRadioButton;
class QSpinBox;
class QTableWidget;
class QTextEdit;

namespace nocturna {

// What the window keeps from one opening to the next, for the whole run.
struct StarFinderWindowSettings {
  StarFinderSettings finder;  // its moment stays empty unless typed
  double courseDegrees = 0;   // true
  double speedKnots = 0;
};

class TStarFinderWindow : public QDialog {
  Q_OBJECT

 public:
  // Reads the DR, zone time, zone description and ephemeris of `observer` and writes its rings;
  // repaintChart shows changed rings.
  TStarFinderWindow(ObserverState& observer, StarFinderWindowSettings& settings,
                    std::function<void()> repaintChart, PrinterChoice choosePrinter,
                    MessagePresenter& presenter, QWidget* parent = nullptr);

  // Reads the fields (a message for the first that cannot be used, nothing else changes), finds
  // the bodies for the chart's DR and zone date, shows them and rings them on the chart.
  void FindBtnClick();
  // Rings the body of the list's row a second time on the chart.
  void BodyListClick(int row);
  // Prints what the last search found as a document: heading lines and the bodies' rows.
  void PrintBtnClick();

  const StarFinderResult& Shown() const { return shown_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  QWidget* BuildSettings();
  bool ReadFields(StarFinderWindowSettings& read);
  void ShowRings(int highlighted);

  ObserverState& observer_;
  StarFinderWindowSettings& settings_;
  std::function<void()> repaintChart_;
  PrinterChoice choosePrinter_;
  MessagePresenter& presenter_;
  StarFinderResult shown_;
  TableDocument printed_{"Star Finder", {}, {}};
  QRadioButton* morning_ = nullptr;
  QRadioButton* evening_ = nullptr;
  QLineEdit* moment_ = nullptr;
  QLineEdit* lowest_ = nullptr;
  QLineEdit* highest_ = nullptr;
  QLineEdit* magnitude_ = nullptr;
  QSpinBox* setSize_ = nullptr;
  QLineEdit* indexCorrection_ = nullptr;
  QLineEdit* heightOfEye_ = nullptr;
  QLineEdit* course_ = nullptr;
  QLineEdit* speed_ = nullptr;
  QTextEdit* headingLines_ = nullptr;
  QTableWidget* bodyList_ = nullptr;
};

}  // namespace nocturna
