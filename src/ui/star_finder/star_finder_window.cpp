#include "ui/star_finder/star_finder_window.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextEdit>
#include <QVBoxLayout>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "foundations/calendar_text.h"
#include "foundations/number_text.h"
#include "foundations/printf_text.h"
#include "starfinder/star_finder_texts.h"
#include "ui/main_window/latin1_text.h"
#include "ui/tables/table_window_parts.h"

namespace nocturna {
namespace {

constexpr int kClientWidth = 430;
constexpr int kClientHeight = 470;
constexpr int kPanelHeight = 25;
constexpr int kHeadingHeight = 112;

QLineEdit* MakeField(QWidget* parent, const char* name, const QString& text, int width) {
  auto* field = new QLineEdit(text, parent);
  field->setObjectName(QLatin1String(name));
  field->setFixedWidth(width);
  return field;
}

QString Number(double value) { return QString::number(value, 'g', 6); }

void Warn(MessagePresenter& presenter, const std::string& text) {
  Message message;
  message.kind = MessageKind::Warning;
  message.text = text;
  presenter.Show(message);
}

// The field's number into `value`; a message naming the field when it holds none.
bool ReadNumber(const QLineEdit* field, const char* label, double& value,
                MessagePresenter& presenter) {
  const std::string text = field->text().toLatin1().toStdString();
  const std::optional<double> read = ParseDecimal(text);
  if (!read) {
    Warn(presenter, PrintfText("%s: '%s' is not a number.", label, text.c_str()));
    return false;
  }
  value = *read;
  return true;
}

}  // namespace

TStarFinderWindow::TStarFinderWindow(ObserverState& observer, StarFinderWindowSettings& settings,
                                     std::function<void()> repaintChart,
                                     PrinterChoice choosePrinter, MessagePresenter& presenter,
                                     QWidget* parent)
    : QDialog(parent),
      observer_(observer),
      settings_(settings),
      repaintChart_(std::move(repaintChart)),
      choosePrinter_(std::move(choosePrinter)),
      presenter_(presenter) {
  setObjectName(QStringLiteral("StarFinderForm"));
  setWindowTitle(QStringLiteral("Star Finder"));
  setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
  setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
  setFixedSize(kClientWidth, kClientHeight);
  // Without a typed moment the window opens on the twilight nearest the chart's time.
  settings_.finder.twilight = NearestTwilight(observer_.drPosition, observer_.zoneTime,
                                              observer_.zoneDescription, observer_.ephemeris);

  QLabel* panel = MakeTitlePanel(this, "Panel1", QStringLiteral("Star Finder"), kPanelHeight,
                                 QColor(0, 0, 128), Qt::yellow);
  QPushButton* find = MakePanelButton(panel, "FindBtn", QStringLiteral("&Find"),
                                      QStringLiteral("Find the bodies to shoot"), 250, 52);
  QPushButton* print =
      MakePanelButton(panel, "PrintBtn", QStringLiteral("Print"), QString(), 306, 52);
  QPushButton* close =
      MakePanelButton(panel, "CloseBtn", QStringLiteral("&Close"), QString(), 362, 52);

  headingLines_ = MakeHeadingText(this, "Lines", kHeadingHeight, true);
  QStringList headings;
  for (const char* heading : kFinderColumns) headings << QString::fromLatin1(heading);
  bodyList_ = MakeReportView(this, "BodyList", headings, {40, 110, 70, 70, 70, 0});

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(panel);
  column->addWidget(BuildSettings());
  column->addWidget(headingLines_);
  column->addWidget(bodyList_, 1);

  connect(find, &QPushButton::clicked, this, &TStarFinderWindow::FindBtnClick);
  connect(print, &QPushButton::clicked, this, &TStarFinderWindow::PrintBtnClick);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  connect(bodyList_, &QTableWidget::cellClicked, this,
          [this](int row, int) { BodyListClick(row); });
  FindBtnClick();
}

QWidget* TStarFinderWindow::BuildSettings() {
  const StarFinderSettings& s = settings_.finder;
  auto* form = new QWidget(this);
  form->setObjectName(QStringLiteral("Settings"));
  auto* grid = new QGridLayout(form);
  grid->setContentsMargins(6, 4, 6, 4);
  grid->setVerticalSpacing(2);
  morning_ = new QRadioButton(QStringLiteral("&Morning"), form);
  morning_->setObjectName(QStringLiteral("MorningButton"));
  evening_ = new QRadioButton(QStringLiteral("&Evening"), form);
  evening_->setObjectName(QStringLiteral("EveningButton"));
  (s.twilight == Twilight::morning ? morning_ : evening_)->setChecked(true);
  moment_ = MakeField(form, "MomentEdit", QString(), 130);
  moment_->setPlaceholderText(QStringLiteral("middle of twilight"));
  moment_->setToolTip(QStringLiteral(
      "Zone time YYYY-MM-DD HH:MM:SS in the twilight; empty: the middle of the twilight"));
  lowest_ = MakeField(form, "LowestEdit", Number(s.minAltitude), 44);
  highest_ = MakeField(form, "HighestEdit", Number(s.maxAltitude), 44);
  magnitude_ = MakeField(form, "MagnitudeEdit", Number(s.magnitudeLimit), 44);
  setSize_ = new QSpinBox(form);
  setSize_->setObjectName(QStringLiteral("SetSizeEdit"));
  setSize_->setRange(kMinSetSize, kMaxSetSize);
  setSize_->setValue(s.setSize);
  indexCorrection_ = MakeField(form, "IndexCorrectionEdit", Number(s.indexCorrection), 44);
  heightOfEye_ = MakeField(form, "HeightOfEyeEdit", Number(s.heightOfEye), 44);
  course_ = MakeField(form, "CourseEdit", Number(settings_.courseDegrees), 44);
  speed_ = MakeField(form, "SpeedEdit", Number(settings_.speedKnots), 44);
  const auto label = [form](const char* text) {
    return new QLabel(QString::fromLatin1(text), form);
  };
  grid->addWidget(morning_, 0, 0);
  grid->addWidget(evening_, 0, 1);
  grid->addWidget(label("Moment (ZT)"), 0, 2);
  grid->addWidget(moment_, 0, 3, 1, 3);
  // Label and field pairs, three to a row under the twilight and the moment.
  const std::pair<const char*, QWidget*> pairs[] = {
      {"Hc from \xB0", lowest_}, {"to \xB0", highest_},      {"Mag limit", magnitude_},
      {"Set of", setSize_},      {"IC '", indexCorrection_}, {"Eye m", heightOfEye_},
      {"Course \xB0T", course_}, {"Speed kn", speed_}};
  for (int i = 0; i < static_cast<int>(std::size(pairs)); ++i) {
    grid->addWidget(label(pairs[i].first), 1 + i / 3, 2 * (i % 3));
    grid->addWidget(pairs[i].second, 1 + i / 3, 2 * (i % 3) + 1);
  }
  return form;
}

bool TStarFinderWindow::ReadFields(StarFinderWindowSettings& read) {
  StarFinderSettings& s = read.finder;
  s.twilight = evening_->isChecked() ? Twilight::evening : Twilight::morning;
  s.setSize = setSize_->value();
  const std::string typedMoment = moment_->text().toLatin1().toStdString();
  const std::string_view momentText = TrimBlanks(typedMoment);
  s.moment.reset();
  if (!momentText.empty()) {
    const std::optional<DateAndTime> typed = ParseDateAndTime(momentText);
    if (!typed) {
      Warn(presenter_, "Moment: '" + std::string(momentText) +
                           "' is not a zone date and time YYYY-MM-DD HH:MM:SS from 1901 to 2099; "
                           "leave it empty for the middle of the twilight.");
      return false;
    }
    const DateFields& d = typed->date;
    const TimeFields& t = typed->time;
    s.moment = EncodeDateTime(d.year, d.month, d.day, t.hour, t.minute, t.second);
  }
  if (!ReadNumber(lowest_, "Lowest Hc", s.minAltitude, presenter_) ||
      !ReadNumber(highest_, "Highest Hc", s.maxAltitude, presenter_) ||
      !ReadNumber(magnitude_, "Magnitude limit", s.magnitudeLimit, presenter_) ||
      !ReadNumber(indexCorrection_, "Index correction", s.indexCorrection, presenter_) ||
      !ReadNumber(heightOfEye_, "Height of eye", s.heightOfEye, presenter_) ||
      !ReadNumber(course_, "Course", read.courseDegrees, presenter_) ||
      !ReadNumber(speed_, "Speed", read.speedKnots, presenter_)) {
    return false;
  }
  std::string error = StarFinderSettingsError(s);
  if (error.empty()) error = DeadReckoningError({{}, 0, read.courseDegrees, read.speedKnots});
  if (!error.empty()) {
    Warn(presenter_, error);
    return false;
  }
  return true;
}

namespace {

// What "Print" puts on paper: the heading lines and the chosen bodies in shooting order.
TableDocument FinderDocument(const StarFinderTexts& texts, const char* ephemerisLine) {
  TableDocument document;
  document.title = "Star Finder";
  document.headingLines = {texts.windowLine, texts.momentLine, texts.positionLine,
                           texts.limitsLine, texts.setLine + "  " + ephemerisLine};
  if (!texts.message.empty()) document.headingLines.push_back(texts.message);
  DocumentTable table;
  constexpr double kWidths[kFinderColumnCount] = {8, 24, 16, 16, 16, 10};
  for (int c = 0; c < kFinderColumnCount; ++c) {
    table.columns.push_back({kFinderColumns[c], kWidths[c], c != 1});
  }
  for (const auto& row : texts.rows) table.rows.emplace_back(row.begin(), row.end());
  document.tables.push_back(table);
  return document;
}

}  // namespace

void TStarFinderWindow::FindBtnClick() {
  StarFinderWindowSettings read = settings_;
  if (!ReadFields(read)) return;
  settings_ = read;
  const DeadReckoning dr{observer_.drPosition,
                         observer_.zoneTime + observer_.zoneDescription / 24.0,
                         read.courseDegrees, read.speedKnots};
  shown_ = FindStars(dr, observer_.zoneDescription, read.finder, observer_.ephemeris);
  const StarFinderTexts texts = StarFinderTextsOf(shown_, read.finder);
  const char* ephemerisLine =
      observer_.ephemeris.kind == EphemerisKind::precise ? "Precise ephemeris" : "Standard ephemeris";
  WriteHeadingLines(headingLines_, {{texts.windowLine, QColor(0, 0, 255)},
                                    {texts.momentLine, QColor(0, 0, 255)},
                                    {texts.positionLine, QColor(0, 128, 0)},
                                    {texts.limitsLine, QColor(0, 128, 0)},
                                    {texts.setLine + "  " + ephemerisLine, QColor(0, 0, 0)},
                                    {texts.message, QColor(255, 0, 0)}});
  bodyList_->setRowCount(static_cast<int>(texts.rows.size()));
  for (int r = 0; r < static_cast<int>(texts.rows.size()); ++r) {
    for (int c = 0; c < kFinderColumnCount; ++c) {
      auto* item = new QTableWidgetItem(FromLatin1(texts.rows[r][c]));
      item->setTextAlignment(c == 1 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
      bodyList_->setItem(r, c, item);
    }
  }
  printed_ = FinderDocument(texts, ephemerisLine);
  ShowRings(-1);
}

void TStarFinderWindow::BodyListClick(int row) {
  if (row < 0 || row >= static_cast<int>(shown_.bodies.size())) return;
  ShowRings(shown_.bodies[row].catalogIndex);
}

void TStarFinderWindow::PrintBtnClick() {
  PrintDocument(printed_, *this, choosePrinter_, presenter_);
}

void TStarFinderWindow::ShowRings(int highlighted) {
  ChartRings rings;
  for (const FinderBody& body : shown_.bodies) {
    if (rings.count < ChartRings::kMostRings) rings.bodies[rings.count++] = body.catalogIndex;
  }
  rings.highlighted = highlighted;
  observer_.rings = rings;
  repaintChart_();
}

void TStarFinderWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  ShowRings(-1);
}

void TStarFinderWindow::hideEvent(QHideEvent* event) {
  // The rings belong to the open window only.
  observer_.rings = {};
  repaintChart_();
  QDialog::hideEvent(event);
}

}  // namespace nocturna
