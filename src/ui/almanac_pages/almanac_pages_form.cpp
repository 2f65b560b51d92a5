#include "ui/almanac_pages/almanac_pages_form.h"

#include <QDate>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "almanacpages/opening_sheets.h"
#include "almanacpages/page_dates.h"
#include "platform/message_presenter.h"
#include "ui/almanac_pages/almanac_pages_printing.h"

namespace nocturna {
namespace {

QDate QDateOf(const CalendarDate& date) { return QDate(date.year, date.month, date.day); }

QString LongDate(const CalendarDate& date) {
  return QDateOf(date).toString(QStringLiteral("d MMMM yyyy"));
}

}  // namespace

TAlmanacPagesForm::TAlmanacPagesForm(DateTime universalTime,
                                     PrinterChoice choosePrinter,
                                     MessagePresenter& presenter, QWidget* parent)
    : QDialog(parent), choosePrinter_(std::move(choosePrinter)), presenter_(presenter) {
  setObjectName(QStringLiteral("AlmanacPagesForm"));
  setWindowTitle(QStringLiteral("Print Almanac Pages"));
  fromDate_ = new QDateEdit(this);
  fromDate_->setObjectName(QStringLiteral("FromDate"));
  fromDate_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
  fromDate_->setCalendarPopup(true);
  fromDate_->setDateRange(QDate(kFirstPassageYear, 1, 1), QDate(kLastPassageYear, 12, 31));
  fromDate_->setDate(QDateOf(CalendarDateOf(DecodeDateTime(universalTime))));
  days_ = new QSpinBox(this);
  days_->setObjectName(QStringLiteral("DaysSpin"));
  days_->setRange(kMinPassageDays, kMaxPassageDays);
  days_->setValue(kDefaultPagesDays);
  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("PassageSummary"));
  summary_->setWordWrap(true);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("&From (Greenwich date):"), fromDate_);
  form->addRow(QStringLiteral("&Days:"), days_);
  auto* buttons = new QDialogButtonBox(this);
  preview_ = buttons->addButton(QStringLiteral("Pre&view..."), QDialogButtonBox::ActionRole);
  preview_->setObjectName(QStringLiteral("PreviewButton"));
  print_ = buttons->addButton(QStringLiteral("&Print..."), QDialogButtonBox::AcceptRole);
  print_->setObjectName(QStringLiteral("PrintButton"));
  QPushButton* close = buttons->addButton(QStringLiteral("&Close"), QDialogButtonBox::RejectRole);
  close->setObjectName(QStringLiteral("CloseButton"));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(summary_);
  layout->addWidget(buttons);

  connect(fromDate_, &QDateEdit::dateChanged, this, &TAlmanacPagesForm::PassageChange);
  connect(days_, &QSpinBox::valueChanged, this, &TAlmanacPagesForm::PassageChange);
  connect(preview_, &QPushButton::clicked, this, &TAlmanacPagesForm::PreviewClick);
  connect(print_, &QPushButton::clicked, this, &TAlmanacPagesForm::PrintClick);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  PassageChange();
}

CalendarDate TAlmanacPagesForm::FromDate() const {
  const QDate date = fromDate_->date();
  return {static_cast<std::uint16_t>(date.month()), static_cast<std::uint16_t>(date.day()),
          static_cast<std::uint16_t>(date.year())};
}

std::vector<Sheet> TAlmanacPagesForm::Sheets() const {
  if (!CheckPassage(FromDate(), days_->value()).empty()) return {};
  return PassageSheets(ComputeAlmanacPassage(FromDate(), days_->value(),
                                             AlmanacPagesEphemeris()));
}

void TAlmanacPagesForm::PassageChange() {
  const CalendarDate from = FromDate();
  const int days = days_->value();
  const std::string problem = CheckPassage(from, days);
  preview_->setEnabled(problem.empty());
  print_->setEnabled(problem.empty());
  if (!problem.empty()) {
    summary_->setText(QStringLiteral("Not a passage the pages can hold: ") +
                      QString::fromLatin1(problem.c_str()) + QLatin1Char('.'));
    return;
  }
  const int openings = OpeningCount(days);
  summary_->setText(QStringLiteral("%1 to %2: %3 opening(s), %4 pages with the title page; %5.")
                        .arg(LongDate(from), LongDate(DateAfter(from, days - 1)))
                        .arg(openings)
                        .arg(1 + 2 * openings)
                        .arg(QString::fromLatin1(
                            StatementLine(EphemerisStatementAt(AlmanacPagesEphemeris(), from)).c_str())));
}

void TAlmanacPagesForm::PreviewClick() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setDocName(QString::fromLatin1(kAlmanacPagesJobName));
  const std::vector<Sheet> sheets = Sheets();
  QPrintPreviewDialog preview(&printer, this);
  preview.setObjectName(QStringLiteral("AlmanacPagesPreview"));
  connect(&preview, &QPrintPreviewDialog::paintRequested, this,
          [&sheets](QPrinter* target) { PrintAlmanacPages(*target, sheets); });
  preview.exec();
}

void TAlmanacPagesForm::PrintClick() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setDocName(QString::fromLatin1(kAlmanacPagesJobName));
  if (!choosePrinter_(printer, this)) return;
  const std::string problem = PrintAlmanacPages(printer, Sheets());
  if (problem.empty()) return;
  presenter_.Show(Message{MessageKind::Error, "The almanac pages could not be printed: " + problem + ".", ""});
}

}  // namespace nocturna
