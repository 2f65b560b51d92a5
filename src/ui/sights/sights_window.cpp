#include "ui/sights/sights_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "foundations/text_forms.h"
#include "sights/dead_reckoning.h"
#include "platform/sight_log_file.h"
#include "foundations/printf_text.h"
#include "sights/lunar_planner.h"
#include "sights/noon_preset.h"
#include "sights/sight_body.h"
#include "sights/sight_form.h"
#include "sights/sight_log_csv.h"
#include "sights/sight_fields.h"
#include "sights/sight_texts.h"
#include "ui/main_window/latin1_text.h"
#include "ui/sights/plotting_sheet.h"
#include "ui/sights/watch_log_file.h"
#include "ui/printing/window_printing.h"
#include "ui/sights/sight_cell_delegate.h"
#include "ui/sights/sight_form_printing.h"

namespace nocturna {
using namespace sight_columns;
namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr char kPreciseSwitch[] = "View > Precise ephemeris, Ctrl+E";
const int kWidths[kSightColumnCount] = {130, 70, 90, 42, 70, 58, 52, 52, 52, 58, 58, 52, 70, 70, 80, 48,
                                        62, 70, 48, 66, 48, 52, 48, 66, 66, 56, 66, 200};

QString Text(const std::string& windows1252) { return FromLatin1(windows1252); }

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
  return text;
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
  button->setAutoDefault(false);  // Return in a cell enters the cell, never presses a button
  return button;
}

}  // namespace


TSightsForm::TSightsForm(const DrPosition& dr, int zoneDescription, DateTime now,
                         const EphemerisChoice& ephemeris, SightsWindowServices services,
                         QWidget* parent)
    : QDialog(parent), dr_{dr, now, 0.0, 0.0}, ephemeris_(ephemeris), services_(std::move(services)) {
  setObjectName(QStringLiteral("SightsForm"));
  setWindowTitle(ephemeris_.kind == EphemerisKind::precise ? QStringLiteral("Sights (precise ephemeris)")
                                                           : QStringLiteral("Sights (standard ephemeris)"));
  setModal(true);
  setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
  resize(1280, 600);

  model_ = new SightTableModel(this);
  model_->SetTimeBasis({false, zoneDescription, 0.0});
  auto* column = new QVBoxLayout(this);
  auto* settings = new QWidget(this);
  BuildSettings(settings);
  column->addWidget(settings);

  table_ = new QTableView(this);
  table_->setObjectName(QStringLiteral("SightTable"));
  table_->setModel(model_);
  table_->setItemDelegate(new SightCellDelegate(
      [this] { return alphabeticalBox_->isChecked(); }, table_));
  table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
  for (int c = 0; c < kSightColumnCount; ++c) table_->setColumnWidth(c, kWidths[c]);
  table_->horizontalHeader()->setStretchLastSection(true);
  column->addWidget(table_, 1);
  column->addWidget(BuildResults());
  auto* buttons = new QWidget(this);
  BuildButtons(buttons);
  column->addWidget(buttons);

  connect(model_, &SightTableModel::Edited, this, [this] { Changed(); });
  logPath_ = services_.logPath.empty() ? DefaultSightLogPath() : services_.logPath;
  LoadFrom(logPath_);
}

void TSightsForm::BuildSettings(QWidget* panel) {
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(0, 0, 0, 0);
  drLabel_ = new QLabel(panel);
  drLabel_->setObjectName(QStringLiteral("DrLabel"));
  drLabel_->setToolTip(QStringLiteral(
      "The chart's DR at its time, carried by the course and speed to each sight and the fix."));
  row->addWidget(drLabel_);
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
  zoneDescriptionEdit_->setValue(model_->TimeBasis().zoneDescription);
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
  alphabeticalBox_ = new QCheckBox(QStringLiteral("Bodies A to Z"), panel);
  alphabeticalBox_->setObjectName(QStringLiteral("AlphabeticalBox"));
  alphabeticalBox_->setToolTip(QStringLiteral("The body list in alphabetical order, else stars by number"));
  alphabeticalBox_->setChecked(true);
  row->addWidget(alphabeticalBox_);
  row->addStretch(1);

  // Typing marks the log changed; leaving a field only reads it again.
  for (QLineEdit* edit : {fixTimeEdit_, courseEdit_, speedEdit_, watchErrorEdit_}) {
    connect(edit, &QLineEdit::textEdited, this, [this] { modified_ = true; });
    connect(edit, &QLineEdit::editingFinished, this, [this] { Recompute(); });
  }
  connect(timeBasisBox_, &QComboBox::currentIndexChanged, this, [this] { Changed(); });
  connect(zoneDescriptionEdit_, &QSpinBox::valueChanged, this, [this] { Changed(); });
  connect(eyeUnitBox_, &QComboBox::currentIndexChanged, this, [this] { Recompute(); });
}

QWidget* TSightsForm::BuildResults() {
  auto* panel = new QWidget(this);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  const auto label = [&](const char* name) {
    auto* shown = new QLabel(panel);
    shown->setObjectName(QLatin1String(name));
    shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(shown);
    return shown;
  };
  settingsNote_ = label("SettingsNote");
  settingsNote_->setStyleSheet(QStringLiteral("color: rgb(160, 0, 0)"));
  kindsLabel_ = label("KindsLabel");
  linesLabel_ = label("LinesLabel");
  fixLabel_ = label("FixLabel");
  ephemerisNote_ = label("EphemerisNote");
  ephemerisNote_->setText(Text(EphemerisNote(ephemeris_, kPreciseSwitch)));
  return panel;
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
      {"NoonButton", "&Noon", "Local apparent noon for the DR under way, and the Sun's altitude to preset",
       &TSightsForm::NoonButtonClick},
      {"LunarsButton", "&Lunars...", "The bodies that make good lunar distances at the DR's time, with the distance to preset",
       &TSightsForm::LunarsButtonClick},
      {"OpenButton", "&Open...", "Open a sight log", &TSightsForm::OpenButtonClick},
      {"SaveButton", "&Save", "Save the sight log (Ctrl+S)", &TSightsForm::SaveButtonClick},
      {"SaveAsButton", "Save &As...", "Save the sight log as another file", &TSightsForm::SaveAsButtonClick},
      {"PrintBtn", "P&rint", "Print the sight form and the plotting sheet", &TSightsForm::PrintButtonClick},
  };
  for (const auto& b : buttons) {
    QPushButton* button = Button(panel, b.name, QString::fromLatin1(b.caption), QString::fromLatin1(b.hint));
    connect(button, &QPushButton::clicked, this, b.handler);
    row->addWidget(button);
  }
  auto* save = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this);
  connect(save, &QShortcut::activated, this, &TSightsForm::SaveButtonClick);
  saveStatus_ = new QLabel(panel);
  saveStatus_->setObjectName(QStringLiteral("SaveStatus"));
  row->addWidget(saveStatus_, 1);
  QPushButton* close = Button(panel, "SightsCloseBtn", QStringLiteral("&Close"), QString());
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  row->addWidget(close);
}

void TSightsForm::ReadTableSettings(std::string& problems) {
  const auto watch = ParseDecimal(ToLatin1(watchErrorEdit_->text()));
  const bool watchReads = watch && std::abs(*watch) <= 3600.0;
  if (!watchReads) problems += "the watch error is seconds, -3600 to 3600; ";
  model_->SetTimeBasis({timeBasisBox_->currentIndex() == 1, zoneDescriptionEdit_->value(),
                        watchReads ? *watch : model_->TimeBasis().watchFastSeconds});
  model_->SetEyeInFeet(eyeUnitBox_->currentIndex() == 1);
}

void TSightsForm::ReadRunSettings(std::string& problems) {
  const auto course = ParseDecimal(ToLatin1(courseEdit_->text()));
  const auto speed = ParseDecimal(ToLatin1(speedEdit_->text()));
  const bool courseReads = course && *course >= 0.0 && *course < 360.0;
  const bool speedReads = speed && *speed >= 0.0 && *speed <= 60.0;
  if (!courseReads) problems += "the course is 0 to 359.9 degrees; ";
  if (!speedReads) problems += "the speed is 0 to 60 knots; ";
  dr_.courseDegrees = courseReads ? *course : 0.0;
  dr_.speedKnots = speedReads ? *speed : 0.0;
  fixTime_ = sights_.empty() ? dr_.utc : 0.0;
  for (const SightRecord& s : sights_) fixTime_ = std::max(fixTime_, s.utc);
  const std::string fixTimeText = ToLatin1(fixTimeEdit_->text());
  if (fixTimeText.empty()) return;
  if (const auto typed = ParseUtcMoment(fixTimeText)) fixTime_ = *typed;
  else problems += "the fix time reads YYYY-MM-DD HH:MM:SS; ";
}

void TSightsForm::Recompute() {
  std::string problems;
  ReadTableSettings(problems);
  sights_.clear();
  for (const SightRecord& record : model_->Records())
    if (record.Reads()) sights_.push_back(record);
  ReadRunSettings(problems);  // the fix time defaults to the last sight that reads
  reduction_ = ReduceSightLog(model_->Records(), dr_, fixTime_, ephemeris_);
  ApplyWatchLog(reduction_, model_->Records(), watchLog_, statedWatchError_, fixTime_);
  form_ = SightFormOf(model_->Records(), reduction_);
  model_->SetForm(form_);
  if (!problems.empty()) problems.resize(problems.size() - 2);
  settingsNote_->setText(Text(problems));
  ShowResults();
  RingIdentifiedBody();
}

void TSightsForm::RingIdentifiedBody() {
  if (!services_.ringOnChart) return;
  const std::vector<SightRecord>& records = model_->Records();
  DateTime utc = dr_.utc;
  DrPosition at = dr_.position;
  std::vector<int> named;
  for (std::size_t i = std::min(records.size(), reduction_.rows.size()); i-- > 0;) {
    if (reduction_.rows[i].namedBodies.empty()) continue;
    utc = records[i].utc;
    at = PositionAt(dr_, utc);
    named = reduction_.rows[i].namedBodies;
    break;
  }
  std::vector<double> ring = {utc, at.latitude, at.longitude};
  ring.insert(ring.end(), named.begin(), named.end());
  if (ring == lastRing_) return;
  lastRing_ = ring;
  services_.ringOnChart(utc, at, named);
}

void TSightsForm::ShowResults() {
  const DrPosition& p = dr_.position;
  drLabel_->setText(Text("DR " + FormatLatitude(p.latitude) + " " + FormatLongitude(p.longitude) +
                         " at " + FormatUtcMoment(dr_.utc) + " UTC"));
  kindsLabel_->setText(Text(Joined(form_.kinds)));
  linesLabel_->setText(Text(Joined(form_.lines)));
  fixLabel_->setText(Text(sights_.empty() ? std::string() : Joined(FixSectionLines(form_))));
}

void TSightsForm::Changed() {
  modified_ = true;
  saveStatus_->clear();
  Recompute();
}

void TSightsForm::AddButtonClick() {
  SightRecord sight;
  if (!sights_.empty()) {
    sight = sights_.back();  // as typed, a minute later
    sight.utc += 60.0 / kSecondsPerDay;
    sight.Cell(SightColumn::utc) = FormatUtcMoment(sight.utc);
  } else {
    sight.body = "Sun";
    sight.limb = Limb::lower;
    sight.utc = std::round(dr_.utc * kSecondsPerDay) / kSecondsPerDay;
    sight.hsDegrees = 30.0;
  }
  model_->AppendRecord(sight);
  table_->setCurrentIndex(model_->index(model_->rowCount() - 1, kHsColumn));
}

void TSightsForm::DeleteButtonClick() {
  const QModelIndex current = table_->currentIndex();
  if (current.isValid()) model_->RemoveRow(current.row());
}

void TSightsForm::Say(MessageKind kind, const std::string& text) {
  if (services_.presenter) services_.presenter->Show({kind, text, "Sights"});
}

void TSightsForm::FixButtonClick() {
  Recompute();
  const SightFix& fix = reduction_.fix;
  if (!fix.found) {
    Say(MessageKind::Warning, "No fix: " + fix.problem + ".");
    return;
  }
  // The chart's DR holds at the chart's time: the fix is carried there by the run.
  const DrPosition atChartTime =
      PositionAt({fix.position, fix.utc, dr_.courseDegrees, dr_.speedKnots}, dr_.utc);
  std::string text;
  for (const std::string& line : form_.fix) text += line + "\n\r";
  text += "\n\rSet the fix as the DR?\n\rThe chart's DR at its time " + FormatUtcMoment(dr_.utc) +
          " UTC becomes " + FormatLatitude(atChartTime.latitude) + " " +
          FormatLongitude(atChartTime.longitude) +
          (fix.utc == dr_.utc ? std::string(".") : ", the fix carried there by the course and speed.");
  const MessageAnswer answer =
      services_.presenter ? services_.presenter->Show({MessageKind::Information, text, "Sights",
                                                       MessageButtons::YesNo, MessageAnswer::No})
                          : MessageAnswer::No;
  if (answer != MessageAnswer::Yes) return;
  if (services_.setDr) services_.setDr(atChartTime);
  dr_.position = atChartTime;
  Recompute();
}

void TSightsForm::PlotButtonClick() {
  Recompute();
  TPlottingSheetForm sheet(reduction_, PositionAt(dr_, fixTime_), fixTime_, dr_, services_.choosePrinter,
                           *services_.presenter, this);
  sheet.exec();
}

void TSightsForm::NoonButtonClick() {
  Recompute();
  // The last sight's index correction and height of eye, its limb if it was of the Sun.
  SightConditions conditions;
  Limb limb = Limb::lower;
  if (!sights_.empty()) {
    conditions = sights_.back().conditions;
    if (sights_.back().body == SightBodyName(kSunIndex)) limb = sights_.back().limb;
  }
  BodyCatalog scratch = BuildCatalog();
  const LocalApparentNoon noon = LocalApparentNoonFor(scratch, dr_.utc, dr_, conditions, limb, ephemeris_);
  const RowReduction steps = NoonPresetSteps(noon, limb);
  Say(steps.note.empty() ? MessageKind::Information : MessageKind::Warning,
      "Local apparent noon: " + RowStepsText(steps) + (steps.note.empty() ? "." : ".\n\r" + steps.note));
}

void TSightsForm::LunarsButtonClick() {
  Recompute();
  SightConditions air;  // the last sight's height of eye, temperature and pressure
  if (!sights_.empty()) air = sights_.back().conditions;
  BodyCatalog scratch = BuildCatalog();
  const std::vector<LunarCandidate> plan = PlanLunars(scratch, dr_.utc, dr_.position, air, ephemeris_);
  std::string text = "Lunars at " + FormatUtcMoment(dr_.utc) + " UTC from the DR:";
  for (const std::string& line : LunarPlanLines(plan)) text += "\n\r" + line;
  if (!services_.presenter) return;
  Message table{MessageKind::Information, text, "Sights"};
  table.fixedPitch = true;
  services_.presenter->Show(table);
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
  SightLogLoad load = LoadSightLog(path);
  const SightLogParse parse = ParseSightLog(load.text);
  if (load.state == SightLogFileState::Loaded && parse.error) {
    load.state = SightLogFileState::Damaged;
    load.problem = path + ": " + parse.error->Message();
  }
  if (load.state == SightLogFileState::Damaged || load.state == SightLogFileState::Unreadable) {
    Say(MessageKind::Warning,
        "The sight log cannot be read: " + load.problem +
            ".\n\rThe file is kept as it is; saving keeps it aside under the name .damaged.");
  }
  logPath_ = path;
  // What cannot be read (a folder, a pipe) is kept aside as promised, like a damaged log.
  logDamaged_ = load.state == SightLogFileState::Damaged || load.state == SightLogFileState::Unreadable;
  const bool loaded = load.state == SightLogFileState::Loaded;
  ShowSettings(loaded ? parse.settings : SightLogSettings{});
  // Rows that do not read are shown as typed, with their notes, for correction.
  model_->SetRecords(loaded ? parse.sights : std::vector<SightRecord>{});
  const WatchLogRead watch = ReadWatchLog(WatchLogPathFor(path));
  if (!watch.problem.empty()) Say(MessageKind::Warning, watch.problem + ".\n\rIt is kept as it is.");
  watchLog_ = watch.comparisons;
  statedWatchError_ = loaded ? parse.settings.watchErrorSeconds : std::nullopt;
  Recompute();
  // A log that does not state the watch's error takes the one its comparisons predict.
  if (!statedWatchError_ && reduction_.watchError) {
    watchErrorEdit_->setText(Text(PrintfText("%.1f", reduction_.watchError->fastSeconds)));
    Recompute();
  }
  modified_ = false;
}

// What the log keeps beside its sights, into the settings fields (the DR stays the chart's).
void TSightsForm::ShowSettings(const SightLogSettings& settings) {
  const QSignalBlocker blockBasis(timeBasisBox_), blockZone(zoneDescriptionEdit_);
  courseEdit_->setText(Text(FormatExactDecimal(settings.courseDegrees.value_or(0.0))));
  speedEdit_->setText(Text(FormatExactDecimal(settings.speedKnots.value_or(0.0))));
  fixTimeEdit_->setText(settings.fixUtc ? Text(FormatUtcMoment(*settings.fixUtc)) : QString());
  watchErrorEdit_->setText(Text(FormatExactDecimal(settings.watchErrorSeconds.value_or(0.0))));
  if (settings.zoneDescription) {
    zoneDescriptionEdit_->setValue(*settings.zoneDescription);
    timeBasisBox_->setCurrentIndex(1);
  }
}

SightLogSettings TSightsForm::Settings() const {
  SightLogSettings settings;
  settings.drPosition = dr_.position;
  settings.drUtc = dr_.utc;
  settings.courseDegrees = dr_.courseDegrees;
  settings.speedKnots = dr_.speedKnots;
  if (!fixTimeEdit_->text().isEmpty()) settings.fixUtc = fixTime_;
  if (model_->TimeBasis().zoneTimes) {
    settings.zoneDescription = model_->TimeBasis().zoneDescription;
    settings.watchErrorSeconds = model_->TimeBasis().watchFastSeconds;
  }
  return settings;
}

bool TSightsForm::SaveTo(const std::string& path) {
  const std::vector<SightRecord>& rows = model_->Records();
  const SightLogSave save =
      SaveSightLog(path, FormatSightLog(rows, Settings()), logDamaged_ && path == logPath_);
  if (!save.ok) {
    Say(MessageKind::Error, "The sight log was not saved: " + save.problem + ".");
    return false;
  }
  if (!save.damagedCopy.empty())
    Say(MessageKind::Information, "The damaged sight log was kept as " + save.damagedCopy + ".");
  logPath_ = path;
  logDamaged_ = false;
  modified_ = false;
  const std::size_t faulty = rows.size() - sights_.size();
  saveStatus_->setText(Text("Saved " + std::to_string(rows.size()) + " rows to " + path +
                            (faulty ? " (" + std::to_string(faulty) + " with a fault, as typed)" : "")));
  return true;
}

void TSightsForm::OpenButtonClick() {
  if (!MayClose()) return;
  const std::string path = ChooseFile(false);
  if (!path.empty()) LoadFrom(path);
}

void TSightsForm::SaveButtonClick() { SaveTo(logPath_); }

void TSightsForm::SaveAsButtonClick() {
  const std::string path = ChooseFile(true);
  if (!path.empty()) SaveTo(path);
}

SightFormPrint TSightsForm::PrintedForm() const {
  return SightFormPrintOf(model_->Records(), reduction_, {dr_, fixTime_, ephemeris_}, kPreciseSwitch);
}

void TSightsForm::PrintButtonClick() {
  Recompute();
  const SightFormPrint print = PrintedForm();
  PrintDrawing(*this, true, [&](QPainter& painter, QPagedPaintDevice& device) {
    DrawSightFormPages(painter, device, print);
  }, services_.choosePrinter, *services_.presenter);
}

bool TSightsForm::MayClose() {
  if (!modified_ || services_.presenter == nullptr) return true;
  const MessageAnswer answer = services_.presenter->Show(
      {MessageKind::Information, "The sight log " + logPath_ + " has unsaved changes.\n\rSave them?",
       "Sights", MessageButtons::SaveDiscardCancel, MessageAnswer::Save});
  if (answer == MessageAnswer::Save) return SaveTo(logPath_);
  if (answer != MessageAnswer::Discard) return false;
  modified_ = false;
  return true;
}

void TSightsForm::reject() {
  if (MayClose()) QDialog::reject();
}

void TSightsForm::closeEvent(QCloseEvent* event) {
  if (!MayClose()) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

}  // namespace nocturna
