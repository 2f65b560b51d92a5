#pragma once
// "Print Almanac Pages...": the passage's first Greenwich date and its days, a preview of the
// pages and their print (or PDF) through the program's print dialog.
#include <QDialog>
#include <vector>

#include "almanacpages/almanac_passage.h"
#include "almanacpages/page_sheet.h"
#include "foundations/date_time.h"
#include "ui/printing/window_printing.h"

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
  // `universalTime` (days since 1899-12-30, UT) gives the first date proposed; `choosePrinter`
  // sets up the printer (the print dialog, or a file for tests), false when cancelled.
  TAlmanacPagesForm(DateTime universalTime, PrinterChoice choosePrinter,
                    MessagePresenter& presenter, QWidget* parent = nullptr);

  // The sheets of the passage the fields describe (the title page, then two a opening); empty
  // when the fields do not make a passage.
  std::vector<Sheet> Sheets() const;

 private:
  void PassageChange();
  void PreviewClick();
  void PrintClick();
  CalendarDate FromDate() const;

  QDateEdit* fromDate_ = nullptr;
  QSpinBox* days_ = nullptr;
  QLabel* summary_ = nullptr;
  QPushButton* preview_ = nullptr;
  QPushButton* print_ = nullptr;
  PrinterChoice choosePrinter_;
  MessagePresenter& presenter_;
};

}  // namespace nocturna
