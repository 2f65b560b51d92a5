#pragma once
// The almanac window ("Almanac"): SHA or GHA, declination and magnitude of the 57 stars and the
// four planets for the moment of the last chart paint, under the Greenwich date, UT, DR
// position and GHA Aries. Modal and stay-on-top; built anew on each opening.
#include "navigation/almanac_page.h"
#include "ui/tables/table_window.h"

class QPushButton;
class QTableWidget;
class QTextEdit;

namespace nocturna {

// What the almanac keeps from one opening to the next, for the whole run.
struct AlmanacSettings {
  AlmanacMode mode = AlmanacMode::Sha;
  int sortColumn = 0;  // of the stars: 0 name, 1 SHA or GHA, 2 declination, 3 magnitude
};

class TAlmanacForm : public TableWindow {
  Q_OBJECT

 public:
  // Reads the catalog, the observer and the last paint's moment; keeps them by reference.
  TAlmanacForm(const BodyCatalog& catalog, const ObserverState& observer, const ChartPass& lastPass,
               AlmanacSettings& settings, PrinterChoice choosePrinter, MessagePresenter& presenter,
               QWidget* parent = nullptr);

  // Fills the page from what the last paint left; runs at creation and on each mode change.
  void StarsEnter();
  // Switches column 1 between SHA and GHA.
  void ModeButtonClick();
  // Sorts the stars by the column's texts and keeps the column for later openings.
  void StarViewColumnClick(int column);
  void CloseBitBtnClick();
  TableDocument Document() const override { return AlmanacPageDocument(shown_); }

  // The page as shown, the stars in their order on screen.
  const AlmanacPage& Shown() const { return shown_; }

 private:
  AlmanacSettings& settings_;
  AlmanacPage shown_;
  QPushButton* modeButton_ = nullptr;
  QTextEdit* stars_ = nullptr;
  QTableWidget* starView_ = nullptr;
  QTableWidget* planetView_ = nullptr;
};

}  // namespace nocturna
