#pragma once
// "Print Almanac Pages...": the passage's first Greenwich date and its days, the sections of the
// booklet and the paper, a preview of the pages and their print (or PDF) through the program's
// print dialog. The pages are computed and printed off the window thread, with a progress
// dialog that can cancel them.
#include <QDialog>
#include <array>
#include <vector>

#include "almanacpages/almanac_booklet.h"
#include "almanacpages/page_sheet.h"
#include "ephemeris/ephemeris_choice.h"
#include "foundations/date_time.h"
#include "ui/printing/window_printing.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QPrinter;
class QPushButton;
class QSpinBox;

namespace nocturna {

class MessagePresenter;

// The days the window proposes: the next nine, three openings.
inline constexpr int kDefaultPagesDays = 9;

class TAlmanacPagesForm : public QDialog {
  Q_OBJECT

 public:
  // `universalTime` (days since 1899-12-30, UT) gives the first date proposed; the pages take the
  // DUT1 (given, or the IERS table imported) of `earthRotation`, the navigator's choice;
  // `choosePrinter` sets up the printer (the print dialog, or a file for tests), false when cancelled.
  TAlmanacPagesForm(DateTime universalTime, const EphemerisChoice& earthRotation, PrinterChoice choosePrinter,
                    MessagePresenter& presenter, QWidget* parent = nullptr);

  // The sections ticked (check boxes named "Section_daily", "Section_increments", ...).
  BookletContents Contents() const;

  // The sheets of the booklet the fields describe, computed here and now; empty when the
  // fields do not make one.
  std::vector<Sheet> Sheets() const;

 private:
  void PassageChange();
  void PreviewClick();
  void PrintClick();
  CalendarDate FromDate() const;
  void SetUpPrinter(QPrinter& printer) const;
  // The pages computed off the window thread; empty when cancelled.
  std::vector<BookletPage> PagesInBackground();

  QDateEdit* fromDate_ = nullptr;
  QSpinBox* days_ = nullptr;
  std::array<QCheckBox*, std::size(kBookletSections)> sections_{};
  QComboBox* paper_ = nullptr;
  QLabel* summary_ = nullptr;
  QPushButton* preview_ = nullptr;
  QPushButton* print_ = nullptr;
  EphemerisChoice ephemeris_;
  PrinterChoice choosePrinter_;
  MessagePresenter& presenter_;
};

}  // namespace nocturna
