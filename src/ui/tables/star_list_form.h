#pragma once
// The visible-bodies window ("Visible Bodies"): every body above the horizon with Hc, Zn and
// magnitude for the moment and DR position of the last chart paint, under a header that says
// whether it is day, twilight or night. Modal and stay-on-top; built anew on each opening.
#include "navigation/visible_bodies.h"
#include "ui/tables/table_window.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QTextEdit;

namespace nocturna {

// What the list keeps from one opening to the next, for the whole run.
struct StarListSettings {
  bool degMin = true;  // Hc and Zn in degrees and minutes; false: decimal degrees
  int sortColumn = 0;  // 0 name, 1 Hc, 2 Zn, 3 magnitude
};

class TStarListForm : public TableWindow {
  Q_OBJECT

 public:
  // Reads the catalog, the observer and the last paint's moment; keeps them by reference.
  TStarListForm(const BodyCatalog& catalog, const ObserverState& observer,
                const ChartPass& lastPass, StarListSettings& settings, PrinterChoice choosePrinter,
                MessagePresenter& presenter, QWidget* parent = nullptr);

  // Fills the window from what the last paint left; runs on each activation.
  void StarListEnter();
  // Switches Hc and Zn between degrees-and-minutes and decimal degrees.
  void DegMinButtonClick();
  // Sorts the list by the column's texts and keeps the column for later openings.
  void StarListColumnClick(int column);
  void ListCloseBtnClick();
  TableDocument Document() const override { return VisibleBodiesDocument(shown_); }

  // The list as shown: light state, heading lines and rows in their order on screen.
  const VisibleBodiesList& Shown() const { return shown_; }

 protected:
  bool event(QEvent* event) override;

 private:
  StarListSettings& settings_;
  VisibleBodiesList shown_;
  QLabel* panel_ = nullptr;
  QPushButton* degMinButton_ = nullptr;
  QTextEdit* headingLines_ = nullptr;
  QTableWidget* starList_ = nullptr;
};

}  // namespace nocturna
