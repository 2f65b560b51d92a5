#include "ui/sights/sights_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "chart/table_document.h"
#include "foundations/text_forms.h"
#include "navigation/body_catalog.h"
#include "platform/sight_log_file.h"
#include "sights/sight_body.h"
#include "sights/sight_fields.h"
#include "sights/sight_texts.h"
#include "ui/main_window/latin1_text.h"
#include "ui/sights/plotting_sheet.h"
#include "ui/printing/window_printing.h"

namespace nocturna {
using namespace sight_columns;
namespace {

constexpr double kSecondsPerDay = 86400.0;
const QColor kBadCell(255, 200, 200);

const char* const kHeadings[kSightColumnCount] = {
    "Time", "Body", "Limb", "Hs", "IC", "Eye", "Temp \xB0" "C", "hPa", "Dip", "Ha", "R", "SD",
    "PA", "Ho", "Hc", "Zn", "Intercept", "Note"};
const int kWidths[kSightColumnCount] = {130, 90, 42, 70, 58, 52, 52, 52, 48, 66, 48, 52,
                                        48, 66, 66, 56, 66, 200};

QString Text(const std::string& windows1252) { return FromLatin1(windows1252); }

std::string CellText(const QTableWidget* table, int row, int column) {
  if (auto* box = qobject_cast<QComboBox*>(table->cellWidget(row, column)))
    return ToLatin1(box->currentText());
  const QTableWidgetItem* item = table->item(row, column);
  return item ? ToLatin1(item->text()) : std::string();
}

QLineEdit* SettingEdit(QWidget* parent, const char* name, const QString& hint, int width) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QLatin1String(name));
  edit->setToolTip(hint);
  edit->setFixedWidth(width);
  return edit;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption, const QString& hint) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QLatin1String(name));
  button->setToolTip(hint);
  return button;
}

}  // namespace

TSightsForm::TSightsForm(const DrPosition& dr, int zoneDescription, DateTime now,
                         const EphemerisChoice& ephemeris, SightsWindowServices services,
                         QWidget* parent)
    : QDialog(parent), dr_(dr), now_(now), ephemeris_(ephemeris), services_(std::move(services)) {
  setObjectName(QStringLiteral("SightsForm"));
  setWindowTitle(ephemeris_.kind == EphemerisKind::precise ? QStringLiteral("Sights (precise ephemeris)")
                                                           : QStringLiteral("Sights (standard ephemeris)"));
  setModal(true);
  setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
  resize(1280, 520);
  typedZoneDescription_ = zoneDescription;

  auto* column = new QVBoxLayout(this);
  auto* settings = new QWidget(this);
  BuildSettings(settings);
  column->addWidget(settings);

  table_ = new QTableWidget(0, kSightColumnCount, this);
  table_->setObjectName(QStringLiteral("SightTable"));
  QStringList headings;
  for (const char* heading : kHeadings) headings << QString::fromLatin1(heading);
  table_->setHorizontalHeaderLabels(headings);
  for (int c = 0; c < kSightColumnCount; ++c) table_->setColumnWidth(c, kWidths[c]);
  table_->horizontalHeader()->setStretchLastSection(true);
  column->addWidget(table_, 1);

  fixLabel_ = new QLabel(this);
  fixLabel_->setObjectName(QStringLiteral("FixLabel"));
  fixLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  column->addWidget(fixLabel_);
  auto* buttons = new QWidget(this);
  BuildButtons(buttons);
  column->addWidget(buttons);

  connect(table_, &QTableWidget::itemChanged, this, [this] { SightsChanged(); });
  logPath_ = services_.logPath.empty() ? DefaultSightLogPath() : services_.logPath;
  LoadFrom(logPath_);
}

void TSightsForm::BuildSettings(QWidget* panel) {
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(0, 0, 0, 0);
  auto* drLabel = new QLabel(Text("DR " + FormatLatitude(dr_.latitude) + " " + FormatLongitude(dr_.longitude)), panel);
  drLabel->setObjectName(QStringLiteral("DrLabel"));
  drLabel->setToolTip(QStringLiteral("The DR at the fix time, from the main window."));
  row->addWidget(drLabel);
  row->addWidget(new QLabel(QStringLiteral("Fix time (UTC)"), panel));
  fixTimeEdit_ = SettingEdit(panel, "FixTimeEdit",
                             QStringLiteral("YYYY-MM-DD HH:MM:SS; empty: the last sight's time"), 130);
  row->addWidget(fixTimeEdit_);
  row->addWidget(new QLabel(QStringLiteral("Course"), panel));
  courseEdit_ = SettingEdit(panel, "CourseEdit", QStringLiteral("Course made good, true degrees"), 50);
  courseEdit_->setText(QStringLiteral("0"));
  row->addWidget(courseEdit_);
  row->addWidget(new QLabel(QStringLiteral("Speed (kn)"), panel));
  speedEdit_ = SettingEdit(panel, "SpeedEdit", QStringLiteral("Speed made good, knots"), 50);
  speedEdit_->setText(QStringLiteral("0"));
  row->addWidget(speedEdit_);
  timeBasisBox_ = new QComboBox(panel);
  timeBasisBox_->setObjectName(QStringLiteral("TimeBasisBox"));
  timeBasisBox_->addItems({QStringLiteral("Times in UTC"), QStringLiteral("Watch times, zone")});
  row->addWidget(timeBasisBox_);
  row->addWidget(new QLabel(QStringLiteral("ZD"), panel));
  zoneDescriptionEdit_ = new QSpinBox(panel);
  zoneDescriptionEdit_->setObjectName(QStringLiteral("SightZoneDescription"));
  zoneDescriptionEdit_->setRange(-12, 12);
  zoneDescriptionEdit_->setValue(typedZoneDescription_);
  row->addWidget(zoneDescriptionEdit_);
  row->addWidget(new QLabel(QStringLiteral("Watch fast (s)"), panel));
  watchErrorEdit_ = SettingEdit(panel, "WatchErrorEdit",
                                QStringLiteral("Seconds the watch is fast (slow: negative)"), 50);
  watchErrorEdit_->setText(QStringLiteral("0"));
  row->addWidget(watchErrorEdit_);
  eyeUnitBox_ = new QComboBox(panel);
  eyeUnitBox_->setObjectName(QStringLiteral("EyeUnitBox"));
  eyeUnitBox_->addItems({QStringLiteral("Eye in metres"), QStringLiteral("Eye in feet")});
  row->addWidget(eyeUnitBox_);
  settingsNote_ = new QLabel(panel);
  settingsNote_->setObjectName(QStringLiteral("SettingsNote"));
  settingsNote_->setStyleSheet(QStringLiteral("color: rgb(160, 0, 0)"));
  row->addWidget(settingsNote_, 1);

  for (QLineEdit* edit : {fixTimeEdit_, courseEdit_, speedEdit_, watchErrorEdit_})
    connect(edit, &QLineEdit::editingFinished, this, [this] { SightsChanged(); });
  connect(timeBasisBox_, &QComboBox::currentIndexChanged, this, [this] { SightsChanged(); });
  connect(zoneDescriptionEdit_, &QSpinBox::valueChanged, this, [this] { SightsChanged(); });
  connect(eyeUnitBox_, &QComboBox::currentIndexChanged, this, [this] { SightsChanged(); });
}

void TSightsForm::BuildButtons(QWidget* panel) {
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(0, 0, 0, 0);
  const struct {
    const char* name;
    const char* caption;
    const char* hint;
    void (TSightsForm::*handler)();
  } buttons[] = {
      {"AddButton", "&Add", "Add a sight", &TSightsForm::AddButtonClick},
      {"DeleteButton", "&Delete", "Delete the selected sight", &TSightsForm::DeleteButtonClick},
      {"FixButton", "&Fix", "The fix from the sights, offered as the DR", &TSightsForm::FixButtonClick},
      {"PlotButton", "&Plot", "The plotting sheet", &TSightsForm::PlotButtonClick},
      {"OpenButton", "&Open...", "Open a sight log", &TSightsForm::OpenButtonClick},
      {"SaveButton", "&Save", "Save the sight log", &TSightsForm::SaveButtonClick},
      {"SaveAsButton", "Save &As...", "Save the sight log as another file", &TSightsForm::SaveAsButtonClick},
      {"PrintBtn", "P&rint", "Print the sight form", &TSightsForm::PrintButtonClick},
  };
  for (const auto& b : buttons) {
    QPushButton* button = Button(panel, b.name, QString::fromLatin1(b.caption), QString::fromLatin1(b.hint));
    connect(button, &QPushButton::clicked, this, b.handler);
    row->addWidget(button);
  }
  row->addStretch(1);
  QPushButton* close = Button(panel, "SightsCloseBtn", QStringLiteral("&Close"), QString());
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  row->addWidget(close);
}

std::string TSightsForm::TypedTime(DateTime utc) const {
  if (!zoneTimes_) return FormatUtcMoment(utc);
  return FormatUtcMoment(utc - typedZoneDescription_ / 24.0 + typedWatchErrorSeconds_ / kSecondsPerDay);
}

std::optional<DateTime> TSightsForm::UtcOfTyped(const std::string& text) const {
  const auto typed = ParseUtcMoment(text);
  if (!typed || !zoneTimes_) return typed;
  // UT = ZT + ZD; a fast watch reads ahead of the zone time.
  return *typed + typedZoneDescription_ / 24.0 - typedWatchErrorSeconds_ / kSecondsPerDay;
}

void TSightsForm::AddRow(const SightRecord& sight) {
  const bool wasFilling = filling_;
  filling_ = true;
  const int row = table_->rowCount();
  table_->insertRow(row);
  for (int c = 0; c < kSightColumnCount; ++c) {
    auto* item = new QTableWidgetItem;
    if (c > kPressureColumn) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    if (c != kNoteColumn && c != kTimeColumn) item->setTextAlignment(Qt::AlignCenter);
    table_->setItem(row, c, item);
  }
  auto* body = new QComboBox(table_);
  static const BodyCatalog names = BuildCatalog();
  for (int k = kFirstStarIndex; k < kBodyCount; ++k) body->addItem(QString::fromLatin1(names.entries[k].name));
  body->setCurrentText(Text(sight.body));
  auto* limb = new QComboBox(table_);
  limb->addItems({QString(), QStringLiteral("L"), QStringLiteral("U")});
  limb->setCurrentText(Text(FormatLimb(sight.limb)));
  table_->setCellWidget(row, kBodyColumn, body);
  table_->setCellWidget(row, kLimbColumn, limb);
  connect(body, &QComboBox::currentIndexChanged, this, [this] { SightsChanged(); });
  connect(limb, &QComboBox::currentIndexChanged, this, [this] { SightsChanged(); });
  const bool feet = eyeUnitBox_->currentIndex() == 1;
  const SightConditions& c = sight.conditions;
  table_->item(row, kTimeColumn)->setText(Text(TypedTime(sight.utc)));
  table_->item(row, kHsColumn)->setText(Text(FormatSextantAltitude(sight.hsDegrees)));
  table_->item(row, kIcColumn)->setText(QString::number(c.indexCorrectionMinutes, 'f', 1));
  table_->item(row, kEyeColumn)->setText(
      QString::number(feet ? c.heightOfEyeMetres / kMetresPerFoot : c.heightOfEyeMetres, 'f', 1));
  table_->item(row, kTempColumn)->setText(QString::number(c.temperatureCelsius, 'f', 0));
  table_->item(row, kPressureColumn)->setText(QString::number(c.pressureHectopascals, 'f', 0));
  filling_ = wasFilling;
  if (!filling_) SightsChanged();
}

std::optional<SightRecord> TSightsForm::ReadRow(int row, std::string& reason, int& badColumn) const {
  SightRecord sight;
  const auto cell = [&](int column) { return CellText(table_, row, column); };
  const auto fail = [&](int column, const std::string& why) {
    badColumn = column;
    reason = why;
    return std::nullopt;
  };
  const auto utc = UtcOfTyped(cell(kTimeColumn));
  if (!utc) return fail(kTimeColumn, "the time reads YYYY-MM-DD HH:MM:SS");
  sight.utc = *utc;
  const auto body = FindSightBody(cell(kBodyColumn));
  if (!body) return fail(kBodyColumn, "choose a body");
  sight.body = cell(kBodyColumn);
  sight.limb = ParseLimb(cell(kLimbColumn)).value_or(Limb::centre);
  if (sight.limb != Limb::centre && !BodyHasLimbs(*body))
    return fail(kLimbColumn, "only the Sun and the Moon have a limb");
  const auto hs = ParseSextantAltitude(cell(kHsColumn));
  if (!hs) return fail(kHsColumn, "Hs reads 34 12.3 (degrees and minutes) or 34.205");
  sight.hsDegrees = *hs;
  const auto ic = ParseIndexCorrection(cell(kIcColumn));
  if (!ic) return fail(kIcColumn, "IC reads 1.5 off, 1.5 on or -1.5 (minutes)");
  sight.conditions.indexCorrectionMinutes = *ic;
  const auto eye = ParseHeightOfEye(cell(kEyeColumn), eyeUnitBox_->currentIndex() == 1);
  if (!eye) return fail(kEyeColumn, "the height of eye reads 3.5, 3.5 m or 11 ft");
  sight.conditions.heightOfEyeMetres = *eye;
  const auto temp = ParseDecimal(cell(kTempColumn));
  if (!temp || *temp < kLowestTemperature || *temp > kHighestTemperature)
    return fail(kTempColumn, "the temperature is -60 to 60 \xB0" "C");
  sight.conditions.temperatureCelsius = *temp;
  const auto pressure = ParseDecimal(cell(kPressureColumn));
  if (!pressure || *pressure < kLowestPressure || *pressure > kHighestPressure)
    return fail(kPressureColumn, "the pressure is 850 to 1100 hPa");
  sight.conditions.pressureHectopascals = *pressure;
  return sight;
}

void TSightsForm::ShowRowResult(int row, const SightLine* line, const std::string& reason,
                                int badColumn) {
  const auto set = [&](int column, const std::string& text) {
    table_->item(row, column)->setText(Text(text));
  };
  for (int c = 0; c < kSightColumnCount; ++c) {
    if (QTableWidgetItem* item = table_->item(row, c))
      item->setBackground(c == badColumn ? QBrush(kBadCell) : QBrush());
  }
  if (line == nullptr) {
    for (int c = kDipColumn; c < kNoteColumn; ++c) set(c, "");
    set(kNoteColumn, reason);
    return;
  }
  const AltitudeCorrections& c = line->corrections;
  set(kDipColumn, FormatCorrectionMinutes(-c.dipMinutes));
  set(kHaColumn, FormatAltAz(c.apparentAltitudeDegrees, true, 2));
  set(kRefractionColumn, FormatCorrectionMinutes(-c.refractionMinutes));
  set(kSdColumn, c.semiDiameterMinutes == 0.0 ? "" : FormatCorrectionMinutes(c.semiDiameterMinutes));
  set(kParallaxColumn, c.parallaxMinutes == 0.0 ? "" : FormatCorrectionMinutes(c.parallaxMinutes));
  set(kHoColumn, FormatAltAz(c.observedAltitudeDegrees, true, 2));
  set(kHcColumn, FormatAltAz(line->hcDegrees, true, 2));
  set(sight_columns::kZnColumn, FormatAltAz(line->znDegrees, false, 3));
  set(kInterceptColumn, FormatIntercept(line->interceptMiles));
  set(kNoteColumn, reason.empty() ? CautionText(c.caution) : reason);
}

void TSightsForm::SightsChanged() {
  if (filling_) return;
  filling_ = true;
  // The time cells follow a change of basis, ZD or watch error: read with the old, write anew.
  const bool zoneTimes = timeBasisBox_->currentIndex() == 1;
  const auto watch = ParseDecimal(ToLatin1(watchErrorEdit_->text()));
  std::string settingsProblem;
  if (!watch || std::abs(*watch) > 3600.0) settingsProblem = "the watch error is seconds, -3600 to 3600; ";
  const double watchSeconds = watch && std::abs(*watch) <= 3600.0 ? *watch : typedWatchErrorSeconds_;
  if (zoneTimes != zoneTimes_ || zoneDescriptionEdit_->value() != typedZoneDescription_ ||
      watchSeconds != typedWatchErrorSeconds_) {
    std::vector<std::optional<DateTime>> times;
    for (int row = 0; row < table_->rowCount(); ++row)
      times.push_back(UtcOfTyped(CellText(table_, row, kTimeColumn)));
    zoneTimes_ = zoneTimes;
    typedZoneDescription_ = zoneDescriptionEdit_->value();
    typedWatchErrorSeconds_ = watchSeconds;
    for (int row = 0; row < table_->rowCount(); ++row)
      if (times[row]) table_->item(row, kTimeColumn)->setText(Text(TypedTime(*times[row])));
  }
  const auto course = ParseDecimal(ToLatin1(courseEdit_->text()));
  const auto speed = ParseDecimal(ToLatin1(speedEdit_->text()));
  if (!course || *course < 0.0 || *course >= 360.0) settingsProblem += "the course is 0 to 359.9 degrees; ";
  if (!speed || *speed < 0.0 || *speed > 60.0) settingsProblem += "the speed is 0 to 60 knots; ";
  run_ = {course && *course >= 0.0 && *course < 360.0 ? *course : 0.0,
          speed && *speed >= 0.0 && *speed <= 60.0 ? *speed : 0.0};

  std::vector<std::string> reasons(table_->rowCount());
  std::vector<int> badColumns(table_->rowCount(), -1);
  sights_.clear();
  sightRows_.clear();
  for (int row = 0; row < table_->rowCount(); ++row) {
    if (const auto sight = ReadRow(row, reasons[row], badColumns[row])) {
      sights_.push_back(*sight);
      sightRows_.push_back(row);
    }
  }
  fixTime_ = 0.0;
  for (const SightRecord& s : sights_) fixTime_ = std::max(fixTime_, s.utc);
  const std::string fixTimeText = ToLatin1(fixTimeEdit_->text());
  if (!fixTimeText.empty()) {
    if (const auto typed = ParseUtcMoment(fixTimeText)) {
      fixTime_ = *typed;
    } else {
      settingsProblem += "the fix time reads YYYY-MM-DD HH:MM:SS; ";
    }
  }
  reduction_ = ReduceSightLog(sights_, dr_, fixTime_, run_, ephemeris_);
  std::vector<const SightLine*> lines(table_->rowCount(), nullptr);
  for (std::size_t i = 0; i < sightRows_.size(); ++i) lines[sightRows_[i]] = &reduction_.shots[i];
  for (const ShotAverage& group : reduction_.groups) {
    for (std::size_t k = 0; k < group.shots.size(); ++k) {
      if (group.outliers[k])
        reasons[sightRows_[group.shots[k]]] =
            "outlier, " + FormatCorrectionMinutes(group.residualsMinutes[k]) + " off the others";
    }
  }
  for (int row = 0; row < table_->rowCount(); ++row)
    ShowRowResult(row, lines[row], reasons[row], badColumns[row]);
  if (!settingsProblem.empty()) settingsProblem.resize(settingsProblem.size() - 2);
  settingsNote_->setText(Text(settingsProblem));
  std::string fixText;
  for (const std::string& line : FixReportLines(reduction_.fix)) fixText += line + "\n";
  if (!fixText.empty()) fixText.pop_back();
  fixLabel_->setText(Text(fixText));
  modified_ = true;
  filling_ = false;
}

void TSightsForm::AddButtonClick() {
  SightRecord sight;
  if (!sights_.empty()) {
    sight = sights_.back();
    sight.utc += 60.0 / kSecondsPerDay;
  } else {
    sight.body = "Sun";
    sight.limb = Limb::lower;
    sight.utc = std::round(now_ * kSecondsPerDay) / kSecondsPerDay;
    sight.hsDegrees = 30.0;
  }
  AddRow(sight);
  table_->setCurrentCell(table_->rowCount() - 1, kHsColumn);
}

void TSightsForm::DeleteButtonClick() {
  const int row = table_->currentRow();
  if (row < 0) return;
  table_->removeRow(row);
  SightsChanged();
}

void TSightsForm::Say(MessageKind kind, const std::string& text) {
  if (services_.presenter) services_.presenter->Show({kind, text, "Sights"});
}

void TSightsForm::FixButtonClick() {
  SightsChanged();
  const SightFix& fix = reduction_.fix;
  if (!fix.found) {
    Say(MessageKind::Warning, "No fix: " + fix.problem + ".");
    return;
  }
  std::string text;
  for (const std::string& line : FixReportLines(fix)) text += line + "\n\r";
  text += "\n\rSet the fix as the DR?";
  const MessageAnswer answer =
      services_.presenter ? services_.presenter->Show({MessageKind::Information, text, "Sights",
                                                       MessageButtons::YesNo, MessageAnswer::No})
                          : MessageAnswer::No;
  if (answer == MessageAnswer::Yes && services_.setDr) services_.setDr(fix.position);
}

void TSightsForm::PlotButtonClick() {
  SightsChanged();
  TPlottingSheetForm sheet(reduction_, dr_, fixTime_, run_, services_.choosePrinter,
                           *services_.presenter, this);
  sheet.exec();
}

std::string TSightsForm::ChooseFile(bool save) {
  if (services_.chooseFile) return services_.chooseFile(this, save);
  const QString filter = QStringLiteral("Sight logs (*.csv);;All files (*)");
  const QString start = QString::fromStdString(logPath_);
  const QString chosen = save ? QFileDialog::getSaveFileName(this, QStringLiteral("Save the sight log as"), start, filter)
                              : QFileDialog::getOpenFileName(this, QStringLiteral("Open a sight log"), start, filter);
  return chosen.toStdString();
}

void TSightsForm::LoadFrom(const std::string& path) {
  const SightLogLoad load = LoadSightLog(path);
  if (load.state == SightLogFileState::Damaged || load.state == SightLogFileState::Unreadable) {
    Say(MessageKind::Warning,
        "The sight log cannot be read: " + load.problem +
            ".\n\rThe file is kept as it is; saving keeps it aside under the name .damaged.");
  }
  logPath_ = path;
  // What cannot be read (a folder, a pipe) is kept aside as promised, like a damaged log.
  logDamaged_ = load.state == SightLogFileState::Damaged || load.state == SightLogFileState::Unreadable;
  ShowLog(load.sights);
  modified_ = false;
}

void TSightsForm::ShowLog(const std::vector<SightRecord>& sights) {
  filling_ = true;
  table_->setRowCount(0);
  for (const SightRecord& sight : sights) AddRow(sight);
  filling_ = false;
  SightsChanged();
}

bool TSightsForm::SaveTo(const std::string& path) {
  const SightLogSave save = SaveSightLog(path, sights_, logDamaged_ && path == logPath_);
  if (!save.ok) {
    Say(MessageKind::Error, "The sight log was not saved: " + save.problem + ".");
    return false;
  }
  if (!save.damagedCopy.empty())
    Say(MessageKind::Information, "The damaged sight log was kept as " + save.damagedCopy + ".");
  if (static_cast<int>(sights_.size()) < table_->rowCount())
    Say(MessageKind::Warning, "Rows with a fault (see their notes) were not saved.");
  logPath_ = path;
  logDamaged_ = false;
  modified_ = false;
  return true;
}

void TSightsForm::OpenButtonClick() {
  const std::string path = ChooseFile(false);
  if (!path.empty()) LoadFrom(path);
}

void TSightsForm::SaveButtonClick() { SaveTo(logPath_); }

void TSightsForm::SaveAsButtonClick() {
  const std::string path = ChooseFile(true);
  if (!path.empty()) SaveTo(path);
}

void TSightsForm::PrintButtonClick() {
  // The sight form on paper: every row and column of the table, then the fix.
  TableDocument document;
  document.title = ToLatin1(windowTitle());
  DocumentTable sights;
  const int columns = table_->columnCount();
  for (int column = 0; column < columns; ++column) {
    const QTableWidgetItem* header = table_->horizontalHeaderItem(column);
    sights.columns.push_back({header ? ToLatin1(header->text()) : std::string(),
                              120.0 / std::max(1, columns), column > 0});
  }
  for (int row = 0; row < table_->rowCount(); ++row) {
    std::vector<std::string>& cells = sights.rows.emplace_back();
    for (int column = 0; column < columns; ++column) {
      const QTableWidgetItem* item = table_->item(row, column);
      QString text = item ? item->text() : QString();
      if (auto* field = qobject_cast<QComboBox*>(table_->cellWidget(row, column))) {
        text = field->currentText();
      }
      cells.push_back(ToLatin1(text));
    }
  }
  document.tables.push_back(std::move(sights));
  if (!fixLabel_->text().isEmpty()) document.headingLines.push_back(ToLatin1(fixLabel_->text()));
  PrintDocument(document, *this, services_.choosePrinter, *services_.presenter);
}

void TSightsForm::closeEvent(QCloseEvent* event) {
  if (modified_ && services_.presenter &&
      services_.presenter->Show({MessageKind::Information, "Save the sight log " + logPath_ + "?",
                                 "Sights", MessageButtons::YesNo, MessageAnswer::Yes}) ==
          MessageAnswer::Yes) {
    SaveTo(logPath_);
  }
  event->accept();
}

}  // namespace nocturna
