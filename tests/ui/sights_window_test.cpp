// The Sights window driven through its real widgets: a log read into the sight form with
// every correction, a bad cell marked with its reason, the fix offered as the DR, the log
// saved and a damaged one kept aside, the plotting sheet drawn, and the main window's way in.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

#include <sys/stat.h>
#include <unistd.h>

#include "platform/sight_log_file.h"
#include "sights/sight_fields.h"
#include "support/main_window_test_access.h"
#include "support/recording_presenter.h"
#include "support/window_services.h"
#include "ui/main_window/latin1_text.h"
#include "ui/main_window/main_window.h"
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
    services.chooseFile = [this](QWidget*, bool) { return chosenFile; };
    return std::make_unique<TSightsForm>(DrPosition{39.0 + 10.0 / 60, 23.5}, 2,
                                         EncodeDateTime(2026, 12, 10, 6, 0, 0), EphemerisChoice{},
                                         services);
  }
  std::string Cell(const TSightsForm& form, int row, int column) {
    return ToLatin1(form.Table()->item(row, column)->text());
  }
  QTemporaryDir folder;
  std::string path, chosenFile;
  testing::RecordingPresenter presenter;
  std::optional<DrPosition> newDr;
};

TEST_F(SightsWindowTest, ShowsEveryCorrectionAndTheFix) {
  const auto form = Open();
  ASSERT_EQ(form->Table()->rowCount(), 7);
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
  form->Table()->item(1, kHsColumn)->setText(QStringLiteral("7 72.0"));
  EXPECT_NE(Cell(*form, 1, kNoteColumn).find("Hs reads"), std::string::npos);
  EXPECT_EQ(form->Table()->item(1, kHsColumn)->background().color(), QColor(255, 200, 200));
  EXPECT_EQ(Cell(*form, 1, kHcColumn), "");
  EXPECT_EQ(form->Sights().size(), 6u);
  ASSERT_TRUE(form->Reduction().fix.found) << "three bodies are left";

  presenter.scriptedAnswers = {MessageAnswer::Yes};
  QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("FixButton")), Qt::LeftButton);
  ASSERT_TRUE(newDr.has_value());
  EXPECT_NEAR(newDr->latitude, 38.5, 0.2 / 60);
  EXPECT_NEAR(newDr->longitude, 24.25, 0.3 / 60);
  ASSERT_FALSE(presenter.shown.empty());
  EXPECT_NE(presenter.shown.back().text.find("Set the fix as the DR?"), std::string::npos);

  form->findChild<QLineEdit*>(QStringLiteral("SpeedEdit"))->setText(QStringLiteral("fast"));
  form->SightsChanged();
  EXPECT_NE(ToLatin1(form->findChild<QLabel*>(QStringLiteral("SettingsNote"))->text()).find("speed"),
            std::string::npos);
}

TEST_F(SightsWindowTest, SavesTheLogAndKeepsADamagedOneAside) {
  {
    const auto form = Open();
    QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("AddButton")), Qt::LeftButton);
    ASSERT_EQ(form->Table()->rowCount(), 8);
    form->SaveButtonClick();
  }
  EXPECT_EQ(LoadSightLog(path).sights.size(), 8u);

  QFile damaged(QString::fromStdString(path));
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
  damaged.write("utc,body,hs,ic,eye\n2026-12-09 18:40:00,Vulcan,47 57.7,0,3\n");
  damaged.close();
  presenter.shown.clear();
  const auto form = Open();
  ASSERT_EQ(presenter.shown.size(), 1u);
  EXPECT_NE(presenter.shown[0].text.find("line 2 (sight 1), column body"), std::string::npos)
      << presenter.shown[0].text;
  EXPECT_EQ(form->Table()->rowCount(), 0);
  form->AddButtonClick();
  EXPECT_EQ(Cell(*form, 0, kTimeColumn), "2026-12-10 06:00:00") << "a first sight takes the window's UT";
  form->SaveButtonClick();
  EXPECT_TRUE(QFile::exists(QString::fromStdString(path + ".damaged")));
  EXPECT_EQ(LoadSightLog(path).sights.size(), 1u);

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
    EXPECT_EQ(LoadSightLog(path).sights.size(), 1u);
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
  form->SightsChanged();
  QImage image(800, 640, QImage::Format_RGB32);
  QPainter painter(&image);
  DrawPlottingSheet(painter, image.width(), image.height(), form->Reduction(),
                    {39.0 + 10.0 / 60, 23.5}, *ParseUtcMoment("2026-12-09 19:30:00"), {90, 8});
  painter.end();
  int lineBlue = 0, fixRed = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      lineBlue += c.blue() > 120 && c.red() < 60 && c.green() < 60;
      fixRed += c.red() > 180 && c.green() < 60;
    }
  }
  EXPECT_GT(lineBlue, 300) << "the lines of position";
  EXPECT_GT(fixRed, 20) << "the fix and its ellipse";
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
