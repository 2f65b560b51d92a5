// The Sights window driven through its real widgets: a log read into the sight form with
// every correction, a bad cell marked with its reason, the fix offered as the DR, the log
// saved and a damaged one kept aside, the plotting sheet drawn, and the main window's way in.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

#include <sys/stat.h>
#include <unistd.h>

#include "platform/sight_log_file.h"
#include "sights/sight_log_csv.h"
#include "sights/sight_log_csv.h"
#include "sights/sight_body_names.h"
#include "sights/sight_fields.h"
#include "foundations/text_forms.h"
#include "support/file_text.h"
#include "support/main_window_test_access.h"
#include "support/recording_presenter.h"
#include "support/window_services.h"
#include "ui/main_window/latin1_text.h"
#include "ui/main_window/main_window.h"
#include "ui/sights/watch_log_file.h"
#include "ui/sights/plotting_sheet.h"
#include "ui/sights/sights_window.h"

namespace nocturna {
namespace {

using namespace sight_columns;

class SightsWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path = (folder.path() + "/sights.csv").toStdString();
    QFile::copy(QStringLiteral(NOCTURNA_TEST_DATA_DIR "/sights/evening_stars.csv"), QString::fromStdString(path));
    QFile::setPermissions(QString::fromStdString(path), QFile::ReadOwner | QFile::WriteOwner);
  }
  std::unique_ptr<TSightsForm> Open() {
    SightsWindowServices services;
    services.presenter = &presenter;
    services.logPath = path;
    services.setDr = [this](const DrPosition& p) { newDr = p; };
    services.ringOnChart = [this](DateTime utc, const DrPosition&, const std::vector<int>& named) {
      ringedAt = utc;
      ringed = named;
    };
    services.chooseFile = [this](QWidget*, bool) { return chosenFile; };
    services.choosePrinter = [this](QPrinter& printer, QWidget*) { return PrintTo(printer); };
    return std::make_unique<TSightsForm>(DrPosition{39.0 + 10.0 / 60, 23.5}, 2,
                                         EncodeDateTime(2026, 12, 10, 6, 0, 0), EphemerisChoice{},
                                         services);
  }
  static QModelIndex At(const TSightsForm& form, int row, int column) { return form.Model().index(row, column); }
  static std::string Cell(const TSightsForm& form, int row, int column) {
    return ToLatin1(At(form, row, column).data().toString());
  }
  static void Type(TSightsForm& form, int row, int column, const char* text) {
    form.Model().setData(At(form, row, column), QString::fromLatin1(text), Qt::EditRole);
  }
  bool PrintTo(QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.path() + "/printed.pdf");
    return true;
  }
  QTemporaryDir folder;
  std::string path, chosenFile;
  testing::RecordingPresenter presenter;
  std::optional<DrPosition> newDr;
  DateTime ringedAt = 0.0;
  std::vector<int> ringed;
};

TEST_F(SightsWindowTest, ShowsEveryCorrectionAndTheFix) {
  const auto form = Open();
  ASSERT_EQ(form->Model().rowCount(), 7);
  EXPECT_EQ(Cell(*form, 0, kTimeColumn), "2026-12-09 18:40:00");
  EXPECT_EQ(Cell(*form, 0, kDipColumn), "-3.0'");
  EXPECT_EQ(Cell(*form, 0, kHoColumn), "47\xB0" "52.3'");
  EXPECT_EQ(Cell(*form, 0, kInterceptColumn), "20.9 T");
  EXPECT_NE(Cell(*form, 5, kNoteColumn).find("outlier"), std::string::npos);
  const std::string fix = ToLatin1(form->findChild<QLabel*>(QStringLiteral("FixLabel"))->text());
  EXPECT_NE(fix.find("Fix 38\xB0" "30.0'N 024\xB0" "15.0'W"), std::string::npos) << fix;

  // Watch times in zone +2 with the watch 30 s fast: the same moments, typed differently.
  form->findChild<QLineEdit*>(QStringLiteral("WatchErrorEdit"))->setText(QStringLiteral("30"));
  form->findChild<QComboBox*>(QStringLiteral("TimeBasisBox"))->setCurrentIndex(1);
  EXPECT_EQ(Cell(*form, 0, kTimeColumn), "2026-12-09 16:40:30");
  // 16:40:30 by a watch 30 s fast in zone +2 is 18:40:00 UTC.
  EXPECT_NEAR((form->Sights()[0].utc - EncodeDateTime(2026, 12, 9, 18, 40, 0)) * 86400.0, 0.0, 1e-3);
  EXPECT_EQ(Cell(*form, 0, kInterceptColumn), "20.9 T");
}

TEST_F(SightsWindowTest, BadCellsAreMarkedAndTheFixOfferedAsTheDr) {
  const auto form = Open();
  Type(*form, 1, kHsColumn, "7 72.0");
  EXPECT_NE(Cell(*form, 1, kNoteColumn).find("is not a sextant altitude"), std::string::npos);
  EXPECT_EQ(Cell(*form, 1, kHsColumn), "7 72.0") << "a bad cell keeps its text";
  EXPECT_EQ(At(*form, 1, kHsColumn).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(255, 200, 200));
  EXPECT_EQ(Cell(*form, 1, kHcColumn), "");
  EXPECT_EQ(form->Sights().size(), 6u);
  ASSERT_TRUE(form->Reduction().fix.found) << "three bodies are left";
  form->SaveButtonClick();  // the bad row is kept as typed, and reads back as bad
  const SightLogParse saved = ParseSightLog(LoadSightLog(path).text);
  ASSERT_EQ(saved.sights.size(), 7u);
  EXPECT_EQ(saved.sights[1].Cell(SightColumn::hs), "7 72.0");
  EXPECT_FALSE(saved.sights[1].Reads());

  presenter.scriptedAnswers = {MessageAnswer::Yes};
  QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("FixButton")), Qt::LeftButton);
  ASSERT_TRUE(newDr.has_value());
  EXPECT_NEAR(newDr->latitude, 38.5, 0.2 / 60);
  EXPECT_NEAR(newDr->longitude, 24.25, 0.3 / 60);
  ASSERT_FALSE(presenter.shown.empty());
  EXPECT_NE(presenter.shown.back().text.find("Set the fix as the DR?"), std::string::npos);

  form->findChild<QLineEdit*>(QStringLiteral("SpeedEdit"))->setText(QStringLiteral("fast"));
  form->Recompute();
  EXPECT_NE(ToLatin1(form->findChild<QLabel*>(QStringLiteral("SettingsNote"))->text()).find("speed"),
            std::string::npos);
}

// A row's kind is typed like any cell: a sight becomes a compass check by its kind and bearing,
// and the Noon button gives the time of noon and the altitude to preset.
TEST_F(SightsWindowTest, AKindTypedMakesACompassCheckAndNoonIsPrepared) {
  const auto form = Open();
  Type(*form, 0, kKindColumn, "azimuth");
  EXPECT_NE(Cell(*form, 0, kNoteColumn).find("needs the body's bearing"), std::string::npos) << Cell(*form, 0, kNoteColumn);
  Type(*form, 0, kBearingColumn, "300");
  EXPECT_EQ(Cell(*form, 0, kNoteColumn).rfind("Error ", 0), 0u) << Cell(*form, 0, kNoteColumn);
  const std::string kinds = ToLatin1(form->findChild<QLabel*>(QStringLiteral("KindsLabel"))->text());
  EXPECT_NE(kinds.find("1  azimuth   Vega: Zn "), std::string::npos) << kinds;
  EXPECT_TRUE(ringed.empty());
  // The same shot as an unknown body at Vega's bearing: Vega is named and ringed at its time.
  const std::size_t zn = kinds.find("Vega: Zn ") + 9;
  Type(*form, 0, kBearingColumn, kinds.substr(zn, kinds.find_first_of("\xB0 ", zn) - zn).c_str());
  Type(*form, 0, kBodyColumn, "?");
  Type(*form, 0, kKindColumn, "identify");
  EXPECT_EQ(ringed, std::vector<int>{*FindSightBody("Vega")}) << Cell(*form, 0, kNoteColumn);
  EXPECT_EQ(ringedAt, form->Sights()[0].utc);
  presenter.shown.clear();
  QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("NoonButton")), Qt::LeftButton);
  ASSERT_EQ(presenter.shown.size(), 1u);
  EXPECT_EQ(presenter.shown[0].text.rfind("Local apparent noon: LAN 2026-12-", 0), 0u) << presenter.shown[0].text;
  EXPECT_NE(presenter.shown[0].text.find("preset Hs"), std::string::npos) << presenter.shown[0].text;
}

// A log of watch comparisons and lunars: the watch's rate under the fix, and the Lunars button
// plans lunars for the DR's time (the window's).
TEST_F(SightsWindowTest, ShowsTheWatchAndPlansLunars) {
  QFile::remove(QString::fromStdString(path));
  QFile::copy(QStringLiteral(NOCTURNA_TEST_DATA_DIR "/sights/lunar_watch.csv"), QString::fromStdString(path));
  const auto form = Open();
  const std::string fix = ToLatin1(form->findChild<QLabel*>(QStringLiteral("FixLabel"))->text());
  EXPECT_NE(fix.find("Watch\nfast +31.5 s at 2026-03-25 00:00:00 UTC, gaining 3.00 s a day"), std::string::npos) << fix;
  EXPECT_NE(fix.find("Fix with the clock unknown\nNo fix with the clock unknown: "), std::string::npos) << fix;
  presenter.shown.clear();
  QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("LunarsButton")), Qt::LeftButton);
  ASSERT_EQ(presenter.shown.size(), 1u);
  const std::string& plan = presenter.shown[0].text;
  EXPECT_EQ(plan.rfind("Lunars at 2026-12-10 06:00:00 UTC from the DR:\n\r", 0), 0u) << plan;
  EXPECT_TRUE(presenter.shown[0].fixedPitch) << "the plan's columns line up";
}

// The GPS's comparisons kept beside the log: appended through the one writer, read back, joined
// to the log's own in the window, the Watch fast field filled from them; a damaged watch log is
// left as it is.
TEST_F(SightsWindowTest, KeepsTheWatchLogBesideTheSightLog) {
  const std::string watchLog = WatchLogPathFor(path);
  EXPECT_EQ(watchLog, (folder.path() + "/sights.watch.csv").toStdString());
  const DateTime first = EncodeDateTime(2026, 12, 9, 6, 0, 0);
  EXPECT_EQ(AppendToWatchLog(watchLog, {first + 2.0 / 86400.0, first}), "");
  EXPECT_EQ(AppendToWatchLog(watchLog, {first + 1.0 + 4.0 / 86400.0, first + 1.0}), "");
  const WatchLogRead read = ReadWatchLog(watchLog);
  ASSERT_EQ(read.comparisons.size(), 2u) << read.problem;
  EXPECT_NEAR((read.comparisons[1].watchRead - read.comparisons[1].reference) * 86400.0, 4.0, 1e-3);

  // Predicted at the fix, the log's last sight at 2026-12-09 18:50: 2 s and 2 s a day for 12 h 50 min.
  const auto form = Open();
  EXPECT_EQ(ToLatin1(form->findChild<QLineEdit*>(QStringLiteral("WatchErrorEdit"))->text()), "3.1");
  const std::string fix = ToLatin1(form->findChild<QLabel*>(QStringLiteral("FixLabel"))->text());
  EXPECT_NE(fix.find("gaining 2.00 s a day (+-0.71) from 2 comparisons"), std::string::npos) << fix;
  EXPECT_NE(fix.find("watch times go by: fast +3.1 s +-0.4 s, predicted from the watch log"), std::string::npos) << fix;

  QFile damaged(QString::fromStdString(watchLog));
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
  damaged.write("utc,watch,wind\n");
  damaged.close();
  EXPECT_NE(AppendToWatchLog(watchLog, {first, first}).find("cannot be read"), std::string::npos);
  EXPECT_EQ(testing::ReadFile(watchLog), "utc,watch,wind\n");
}

TEST_F(SightsWindowTest, SavesTheLogAndKeepsADamagedOneAside) {
  {
    const auto form = Open();
    QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("AddButton")), Qt::LeftButton);
    ASSERT_EQ(form->Model().rowCount(), 8);
    form->SaveButtonClick();
  }
  EXPECT_EQ(ParseSightLog(LoadSightLog(path).text).sights.size(), 8u);

  QFile damaged(QString::fromStdString(path));
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
  damaged.write("utc,body,hs,ic,eye,wind\n2026-12-09 18:40:00,Vega,47 57.7,0,3,NW 4\n");
  damaged.close();
  presenter.shown.clear();
  const auto form = Open();
  ASSERT_EQ(presenter.shown.size(), 1u);
  EXPECT_NE(presenter.shown[0].text.find("wind"), std::string::npos) << presenter.shown[0].text;
  EXPECT_EQ(form->Model().rowCount(), 0);
  form->AddButtonClick();
  EXPECT_EQ(Cell(*form, 0, kTimeColumn), "2026-12-10 06:00:00") << "a first sight takes the window's UT";
  form->SaveButtonClick();
  EXPECT_TRUE(QFile::exists(QString::fromStdString(path + ".damaged")));
  EXPECT_EQ(ParseSightLog(LoadSightLog(path).text).sights.size(), 1u);

  chosenFile = (folder.path() + "/other.csv").toStdString();
  form->SaveAsButtonClick();
  EXPECT_EQ(form->LogPath(), chosenFile);
  EXPECT_EQ(LoadSightLog(chosenFile).state, SightLogFileState::Loaded);
}

// Whatever stands at the log's path and cannot be read (a folder, a pipe, a link to a file that
// is no sight log) is kept aside as the window promised; the save makes a new log and never
// writes into the file a link names.
TEST_F(SightsWindowTest, WhatCannotBeReadIsKeptAsideAsPromised) {
  const std::string linked = (folder.path() + "/notes.txt").toStdString();
  const struct {
    const char* kind;
    std::function<void()> make;
  } cases[] = {
      {"folder", [&] { ::mkdir(path.c_str(), 0700); }},
      {"pipe", [&] { ::mkfifo(path.c_str(), 0600); }},
      {"link", [&] { ::symlink(linked.c_str(), path.c_str()); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    QFile::remove(QString::fromStdString(path));
    QFile notes(QString::fromStdString(linked));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly | QIODevice::Truncate));
    notes.write("my notes\n");
    notes.close();
    c.make();
    presenter.shown.clear();
    const auto form = Open();
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_NE(presenter.shown[0].text.find("keeps it aside under the name .damaged"), std::string::npos);
    form->AddButtonClick();
    form->SaveButtonClick();
    EXPECT_EQ(presenter.shown.back().text, "The damaged sight log was kept as " + path + ".damaged.");
    EXPECT_EQ(ParseSightLog(LoadSightLog(path).text).sights.size(), 1u);
    QFile kept(QString::fromStdString(linked));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("my notes\n"));
    QDir(QString::fromStdString(path + ".damaged")).removeRecursively();
    QFile::remove(QString::fromStdString(path + ".damaged"));
  }
}

TEST_F(SightsWindowTest, PlottingSheetDrawsLinesAndTheFix) {
  const auto form = Open();
  form->findChild<QLineEdit*>(QStringLiteral("SpeedEdit"))->setText(QStringLiteral("8"));
  form->findChild<QLineEdit*>(QStringLiteral("CourseEdit"))->setText(QStringLiteral("90"));
  form->findChild<QLineEdit*>(QStringLiteral("FixTimeEdit"))->setText(QStringLiteral("2026-12-09 19:30:00"));
  form->Recompute();
  struct Inked {
    int lineBlue = 0, fixRed = 0;
  };
  const auto draw = [&](const SightLogReduction& reduction) {
    QImage image(800, 640, QImage::Format_RGB32);
    QPainter painter(&image);
    DrawPlottingSheet(painter, image.width(), image.height(), reduction, {39.0 + 10.0 / 60, 23.5},
                      *ParseUtcMoment("2026-12-09 19:30:00"), {{}, 0.0, 90, 8});
    painter.end();
    Inked inked;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const QColor c = image.pixelColor(x, y);
        inked.lineBlue += c.blue() > 120 && c.red() < 60 && c.green() < 60;
        inked.fixRed += c.red() > 180 && c.green() < 60;
      }
    }
    return inked;
  };
  const Inked all = draw(form->Reduction());
  EXPECT_GT(all.lineBlue, 300) << "the lines of position";
  EXPECT_GT(all.fixRed, 20) << "the fix and its ellipse";
  // A line left out of the fix is drawn thin and grey, not as one of the fix's lines.
  SightLogReduction oneLeftOut = form->Reduction();
  ASSERT_GE(oneLeftOut.lineNotes.size(), 2u);
  for (std::size_t i = 1; i < oneLeftOut.lineNotes.size(); ++i) oneLeftOut.lineNotes[i] = "left out";
  EXPECT_LT(draw(oneLeftOut).lineBlue, all.lineBlue * 2 / 3);
}

TEST_F(SightsWindowTest, ABodyIsTypedByItsWholeNameInTheCellsEditor) {
  const auto form = Open();
  form->show();
  struct Case {
    const char* typed;
    const char* shown;
    bool reads;
  } cases[] = {{"Deneb", "Deneb", true}, {"deneb", "Deneb", true}, {"Denb", "Denb", false},
               {"Denebola", "Denebola", true}};
  for (const Case& c : cases) {
    form->Table()->edit(At(*form, 0, kBodyColumn));
    auto* editor = qobject_cast<QComboBox*>(form->Table()->indexWidget(At(*form, 0, kBodyColumn)));
    ASSERT_NE(editor, nullptr);
    editor->lineEdit()->clear();
    QTest::keyClicks(editor->lineEdit(), QString::fromLatin1(c.typed));
    QTest::keyClick(editor->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(Cell(*form, 0, kBodyColumn), c.shown) << c.typed;
    EXPECT_EQ(form->Model().Records()[0].Reads(), c.reads) << c.typed;
  }
  EXPECT_EQ(form->Sights().size(), 7u);
  EXPECT_EQ(form->Sights()[0].body, "Denebola");
  // The first sight added to the Sun's lower limb, then made a star: it keeps no limb.
  form->AddButtonClick();
  const int added = form->Model().rowCount() - 1;
  Type(*form, added, kBodyColumn, "Sun");
  Type(*form, added, kLimbColumn, "L");
  Type(*form, added, kBodyColumn, "Vega");
  EXPECT_EQ(Cell(*form, added, kLimbColumn), "");
  EXPECT_TRUE(form->Model().Records()[added].Reads());
  form->findChild<QCheckBox*>(QStringLiteral("AlphabeticalBox"))->setChecked(true);
  form->Table()->edit(At(*form, 0, kBodyColumn));
  auto* editor = qobject_cast<QComboBox*>(form->Table()->indexWidget(At(*form, 0, kBodyColumn)));
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->itemText(0), "Acamar");
  presenter.scriptedAnswers = {MessageAnswer::Discard};
  form->close();
}

TEST_F(SightsWindowTest, LoadedValuesStayExactAndTheFeetAreNotReReadAsMetres) {
  QFile log(QString::fromStdString(path));
  ASSERT_TRUE(log.open(QIODevice::WriteOnly | QIODevice::Truncate));
  log.write("utc,body,limb,hs,ic,eye,temp,pressure\n"
            "2026-12-09 18:40:00,Vega,,47 57.7,-1.25,3.55,12.5,1013.7\n");
  log.close();
  const auto form = Open();
  const SightConditions& c = form->Sights()[0].conditions;
  EXPECT_EQ(c.indexCorrectionMinutes, -1.25);
  EXPECT_EQ(c.heightOfEyeMetres, 3.55);
  EXPECT_EQ(c.temperatureCelsius, 12.5);
  EXPECT_EQ(c.pressureHectopascals, 1013.7);
  auto* unit = form->findChild<QComboBox*>(QStringLiteral("EyeUnitBox"));
  unit->setCurrentIndex(1);
  EXPECT_EQ(Cell(*form, 0, kEyeColumn), "3.55") << "metres typed stay metres";
  EXPECT_EQ(form->Sights()[0].conditions.heightOfEyeMetres, 3.55);
  EXPECT_FALSE(form->Modified()) << "the unit is no change to the log";
  Type(*form, 0, kEyeColumn, "11");
  EXPECT_EQ(Cell(*form, 0, kEyeColumn), "11 ft");
  EXPECT_NEAR(form->Sights()[0].conditions.heightOfEyeMetres, 3.3528, 1e-9);
  Type(*form, 0, kTempColumn, "54.5 F");
  EXPECT_NEAR(form->Sights()[0].conditions.temperatureCelsius, 12.5, 1e-9);
  // The window reduces what --reduce reduces from the same file: the same log, unrounded.
  EXPECT_EQ(form->Sights()[0].conditions.indexCorrectionMinutes, -1.25);
  unit->setCurrentIndex(0);
}

TEST_F(SightsWindowTest, EveryWayOutAsksAboutUnsavedChangesAndAFailedSaveKeepsTheWindow) {
  const auto form = Open();
  form->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("FixButton")), Qt::LeftButton);
  QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("PrintBtn")), Qt::LeftButton);
  EXPECT_FALSE(form->Modified()) << "Fix and Print change nothing";
  EXPECT_TRUE(QFile::exists(folder.path() + "/printed.pdf"));
  Type(*form, 0, kHsColumn, "47 58.0");
  ASSERT_TRUE(form->Modified());

  presenter.shown.clear();
  presenter.scriptedAnswers = {MessageAnswer::Cancel};
  QTest::keyClick(form.get(), Qt::Key_Escape);
  EXPECT_TRUE(form->isVisible());
  ASSERT_EQ(presenter.shown.size(), 1u);
  EXPECT_EQ(presenter.shown[0].buttons, MessageButtons::SaveDiscardCancel);

  // A folder where the log was: the save fails and the window stays open, still changed.
  ASSERT_TRUE(QFile::remove(QString::fromStdString(path)));
  ASSERT_TRUE(QDir().mkdir(QString::fromStdString(path)));
  presenter.scriptedAnswers = {MessageAnswer::Save};
  form->close();
  EXPECT_TRUE(form->isVisible()) << "the save failed";
  EXPECT_TRUE(form->Modified());
  ASSERT_TRUE(QDir().rmdir(QString::fromStdString(path)));

  QTest::keyClick(form.get(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_FALSE(form->Modified());
  EXPECT_NE(ToLatin1(form->findChild<QLabel*>(QStringLiteral("SaveStatus"))->text()).find("Saved 7 rows"),
            std::string::npos);
  EXPECT_EQ(ParseSightLog(LoadSightLog(path).text).sights[0].Cell(SightColumn::hs), "47 58.0");
  presenter.shown.clear();
  form->close();
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(SightsWindowTest, TheDrHasItsTimeAndFollowsTheFixSetAsTheDr) {
  const auto form = Open();
  const auto label = [&] { return ToLatin1(form->findChild<QLabel*>(QStringLiteral("DrLabel"))->text()); };
  EXPECT_NE(label().find("at 2026-12-10 06:00:00 UTC"), std::string::npos) << label();
  EXPECT_NE(ToLatin1(form->findChild<QLabel*>(QStringLiteral("EphemerisNote"))->text()).find("Ctrl+E"),
            std::string::npos);
  EXPECT_NE(ToLatin1(form->findChild<QLabel*>(QStringLiteral("LinesLabel"))->text()).find("(outlier, +2.9')"),
            std::string::npos);
  // Sights at 18:40 to 19:00, the chart's DR at 06:00 the next day, 10 kn to the north: the
  // sights' DR lies 110 miles south of the chart's.
  form->findChild<QLineEdit*>(QStringLiteral("SpeedEdit"))->setText(QStringLiteral("10"));
  form->Recompute();
  EXPECT_NEAR(form->Reduction().shots[0].dr.latitude, 39.0 + 10.0 / 60 - (11 + 20.0 / 60) * 10 / 60, 0.05);
  const SightFix fix = form->Reduction().fix;
  presenter.scriptedAnswers = {MessageAnswer::Yes};
  form->FixButtonClick();
  ASSERT_TRUE(newDr.has_value());
  EXPECT_NE(presenter.shown.back().text.find("The chart's DR at its time 2026-12-10 06:00:00 UTC becomes"),
            std::string::npos) << presenter.shown.back().text;
  EXPECT_EQ(form->Dr().latitude, newDr->latitude);
  const double hoursToChartTime = (EncodeDateTime(2026, 12, 10, 6, 0, 0) - fix.utc) * 24;
  EXPECT_NEAR(newDr->latitude, fix.position.latitude + hoursToChartTime * 10 / 60, 0.01);
  EXPECT_NE(label().find(FormatLatitude(newDr->latitude)), std::string::npos) << label();
}

TEST(SightsMainWindow, ActionMenuAndButtonOpenTheSightsWindow) {
  BodyCatalog catalog = BuildCatalog();
  SunEventsRecord events;
  testing::RecordingPresenter presenter;
  testing::RefusingSystemClock systemClock;
  TForm1 form(catalog, events, testing::WindowServices(presenter, systemClock));
  QStringList opened;
  testing::MainWindowTestAccess::Tables(form).showModal = [&](QDialog& window) { opened << window.objectName(); };
  QAction* item = form.findChild<QAction*>(QStringLiteral("Sights1"));
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->shortcut(), QKeySequence(QStringLiteral("Ctrl+R")));
  item->trigger();
  QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("SightsButton")), Qt::LeftButton);
  EXPECT_EQ(opened, QStringList({QStringLiteral("SightsForm"), QStringLiteral("SightsForm")}));
}

}  // namespace
}  // namespace nocturna
