#include "ui/almanac_pages/almanac_pages_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QGroupBox>
#include <QPageSize>
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
#include "ui/almanac_pages/background_job.h"

namespace nocturna {
namespace {

QDate QDateOf(const CalendarDate& date) { return QDate(date.year, date.month, date.day); }

QString LongDate(const CalendarDate& date) {
  return QDateOf(date).toString(QStringLiteral("d MMMM yyyy"));
}

// The openings are shared between both cores of a small machine.
constexpr int kThreads = 2;

// The paper sizes offered, the first proposed.
constexpr QPageSize::PageSizeId kPaperSizes[] = {QPageSize::A4, QPageSize::Letter, QPageSize::A5};


}  // namespace

TAlmanacPagesForm::TAlmanacPagesForm(DateTime universalTime, const EphemerisChoice& earthRotation,
                                     PrinterChoice choosePrinter, MessagePresenter& presenter, QWidget* parent)
    : QDialog(parent),
      ephemeris_(AlmanacPagesEphemeris(earthRotation)),
      choosePrinter_(std::move(choosePrinter)),
      presenter_(presenter) {
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
  auto* sections = new QGroupBox(QStringLiteral("Sections"), this);
  auto* sectionLayout = new QVBoxLayout(sections);
  for (const BookletSection section : kBookletSections) {
    QCheckBox*& box = sections_[static_cast<int>(section)];
    box = new QCheckBox(QString::fromLatin1(SectionTitle(section)), sections);
    box->setObjectName(QStringLiteral("Section_") + QString::fromLatin1(SectionName(section)));
    box->setChecked(true);
    sectionLayout->addWidget(box);
    connect(box, &QCheckBox::toggled, this, &TAlmanacPagesForm::PassageChange);
  }
  paper_ = new QComboBox(this);
  paper_->setObjectName(QStringLiteral("PaperSize"));
  for (const QPageSize::PageSizeId size : kPaperSizes) paper_->addItem(QPageSize::name(size));
  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("PassageSummary"));
  summary_->setWordWrap(true);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("&From (Greenwich date):"), fromDate_);
  form->addRow(QStringLiteral("&Days:"), days_);
  form->addRow(QStringLiteral("P&aper:"), paper_);
  auto* buttons = new QDialogButtonBox(this);
  preview_ = buttons->addButton(QStringLiteral("Pre&view..."), QDialogButtonBox::ActionRole);
  preview_->setObjectName(QStringLiteral("PreviewButton"));
  print_ = buttons->addButton(QStringLiteral("&Print..."), QDialogButtonBox::AcceptRole);
  print_->setObjectName(QStringLiteral("PrintButton"));
  QPushButton* close = buttons->addButton(QStringLiteral("&Close"), QDialogButtonBox::RejectRole);
  close->setObjectName(QStringLiteral("CloseButton"));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(sections);
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

BookletContents TAlmanacPagesForm::Contents() const {
  BookletContents contents;
  for (const BookletSection section : kBookletSections) {
    contents.Set(section, sections_[static_cast<int>(section)]->isChecked());
  }
  return contents;
}

std::vector<Sheet> TAlmanacPagesForm::Sheets() const {
  if (!CheckBooklet(FromDate(), days_->value(), Contents()).empty()) return {};
  return BookletSheets(*ComputeAlmanacBooklet(FromDate(), days_->value(), Contents(), ephemeris_,
                                              [](int, int) { return true; }, kThreads));
}

void TAlmanacPagesForm::PassageChange() {
  const CalendarDate from = FromDate();
  const int days = days_->value();
  const BookletContents contents = Contents();
  const std::string problem = CheckBooklet(from, days, contents);
  preview_->setEnabled(problem.empty());
  print_->setEnabled(problem.empty());
  if (contents.Empty()) {
    summary_->setText(QStringLiteral("No section is chosen: tick at least one."));
    return;
  }
  if (!problem.empty()) {
    summary_->setText(QStringLiteral("Not a passage the pages can hold: ") +
                      QString::fromLatin1(problem.c_str()) + QLatin1Char('.'));
    return;
  }
  const int openings = OpeningCount(days);
  summary_->setText(QStringLiteral("%1 to %2: %3 opening(s), %4 pages with the title page; %5.")
                        .arg(LongDate(from), LongDate(DateAfter(from, days - 1)))
                        .arg(openings)
                        .arg(BookletPageCount(days, contents))
                        .arg(QString::fromLatin1(
                            StatementLine(EphemerisStatementAt(ephemeris_, from)).c_str())));
}

void TAlmanacPagesForm::SetUpPrinter(QPrinter& printer) const {
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setPageSize(QPageSize(kPaperSizes[std::max(0, paper_->currentIndex())]));
  printer.setDocName(QString::fromLatin1(kAlmanacPagesJobName));
}

std::vector<BookletPage> TAlmanacPagesForm::PagesInBackground() {
  const CalendarDate from = FromDate();
  const int days = days_->value();
  const BookletContents contents = Contents();
  std::vector<BookletPage> pages;
  RunWithProgress(this, QStringLiteral("Computing the almanac pages..."), [&](JobProgress& progress) {
    const std::optional<AlmanacBooklet> booklet = ComputeAlmanacBooklet(
        from, days, contents, ephemeris_,
        [&progress](int done, int total) {
          progress.permille = 1000 * done / total;
          return !progress.cancelled;
        },
        kThreads);
    if (booklet) pages = BookletPages(*booklet);
  });
  return pages;
}

void TAlmanacPagesForm::PreviewClick() {
  const std::vector<BookletPage> pages = PagesInBackground();
  if (pages.empty()) return;
  QPrinter printer(QPrinter::HighResolution);
  SetUpPrinter(printer);
  QPrintPreviewDialog preview(&printer, this);
  preview.setObjectName(QStringLiteral("AlmanacPagesPreview"));
  connect(&preview, &QPrintPreviewDialog::paintRequested, this,
          [&pages](QPrinter* target) { PrintAlmanacPages(*target, pages); });
  preview.exec();
}

// Computes and prints off the window thread; a cancelled job prints nothing and writes no file.
void TAlmanacPagesForm::PrintClick() {
  QPrinter printer(QPrinter::HighResolution);
  SetUpPrinter(printer);
  if (!choosePrinter_(printer, this)) return;
  const CalendarDate from = FromDate();
  const int days = days_->value();
  const BookletContents contents = Contents();
  std::string problem;
  bool cancelled = false;
  RunWithProgress(this, QStringLiteral("Computing and printing the almanac pages..."), [&](JobProgress& progress) {
    const auto step = [&progress](int offset) {
      return [&progress, offset](int done, int total) {
        progress.permille = offset + 500 * done / total;
        return !progress.cancelled;
      };
    };
    const std::optional<AlmanacBooklet> booklet =
        ComputeAlmanacBooklet(from, days, contents, ephemeris_, step(0), kThreads);
    if (booklet) problem = PrintAlmanacPages(printer, BookletPages(*booklet), step(500));
    cancelled = progress.cancelled;
  });
  if (problem.empty() || cancelled) return;
  presenter_.Show(Message{MessageKind::Error, "The almanac pages could not be printed: " + problem + ".", ""});
}

}  // namespace nocturna
