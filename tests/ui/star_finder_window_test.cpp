// The star finder window opened from the main window: it lists the model's set for the chart's
// DR and date, the chart rings that set while the window is open, a listed body clicked is
// ringed again, and unusable fields are refused with a message.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <memory>

#include "support/main_window_test_access.h"
#include "support/recording_presenter.h"
#include "support/window_services.h"
#include "ui/help/help_dialog.h"
#include "ui/main_window/main_window.h"
#include "ui/chart_drawing/sky_paint_box.h"
#include "ui/star_finder/star_finder_window.h"

namespace nocturna {
namespace {

// Pure yellow pixels of the chart: the rings' colour on the window's sky (the Sun is down).
int RingPixels(TForm1& form) {
  testing::MainWindowTestAccess::PaintChartNow(form);
  const QImage& picture = form.Controls().skyPaintBox->Picture();
  int count = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) count += picture.pixel(x, y) == qRgb(255, 255, 0);
  }
  return count;
}

class StarFinderWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    catalog = BuildCatalog();
    MainWindowServices services = testing::WindowServices(presenter, systemClock);
    // 2026-03-21 00:00 UT: with ZD 5, 19:00 zone time on 20 March, in the evening twilight.
    services.clock = [] { return UniversalClockReading{EncodeDateTime(2026, 3, 21, 0, 0, 0), 0}; };
    form = std::make_unique<TForm1>(catalog, events, services);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QApplication::processEvents();
  }

  void TearDown() override {
    form->close();
    form.reset();
    for (QWidget* window : QApplication::topLevelWidgets()) {
      EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
    }
  }

  TStarFinderWindow* Open() {
    form->Controls().starFinder->trigger();
    return form->findChild<TStarFinderWindow*>();
  }

  BodyCatalog catalog;
  SunEventsRecord events{};
  testing::RecordingPresenter presenter;
  testing::RefusingSystemClock systemClock;
  std::unique_ptr<TForm1> form;
};

TEST_F(StarFinderWindowTest, ListsTheModelsSetAndRingsItOnTheChartWhileOpen) {
  EXPECT_EQ(form->Controls().starFinder->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
  EXPECT_EQ(RingPixels(*form), 0);
  TStarFinderWindow* window = Open();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(window->isModal());
  window->findChild<QRadioButton*>("EveningButton")->setChecked(true);
  window->findChild<QLineEdit*>("HeightOfEyeEdit")->setText("12");
  QTest::mouseClick(window->findChild<QPushButton*>("FindBtn"), Qt::LeftButton);

  const ObserverState& observer = form->Observer();
  StarFinderSettings settings;
  settings.twilight = Twilight::evening;
  settings.heightOfEye = 12;
  const StarFinderResult expected =
      FindStars({observer.drPosition, observer.zoneTime, 0, 0}, observer.zoneDescription, settings);
  ASSERT_EQ(expected.bodies.size(), 3u) << expected.message;
  const auto* list = window->findChild<QTableWidget*>("BodyList");
  ASSERT_EQ(list->rowCount(), 3);
  for (int row = 0; row < 3; ++row) {
    EXPECT_EQ(list->item(row, 1)->text().toStdString(), expected.bodies[row].name);
    EXPECT_EQ(observer.rings.bodies[row], expected.bodies[row].catalogIndex);
  }
  EXPECT_EQ(observer.rings.count, 3);
  const int ringed = RingPixels(*form);
  EXPECT_GT(ringed, 0);

  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualItemRect(list->item(1, 1)).center());
  EXPECT_EQ(observer.rings.highlighted, expected.bodies[1].catalogIndex);
  EXPECT_GT(RingPixels(*form), ringed);

  form->Controls().starFinderButton->click();  // the same window again, not a second one
  EXPECT_EQ(form->findChildren<TStarFinderWindow*>().size(), 1);
  QTest::mouseClick(window->findChild<QPushButton*>("CloseBtn"), Qt::LeftButton);
  EXPECT_EQ(observer.rings.count, 0);
  EXPECT_EQ(RingPixels(*form), 0);
  EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(StarFinderWindowTest, RefusesUnusableFieldsWithAMessageAndKeepsTheList) {
  TStarFinderWindow* window = Open();
  ASSERT_NE(window, nullptr);
  const std::size_t shown = window->Shown().bodies.size();
  struct Case {
    const char* field;
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"MagnitudeEdit", "bright", "Magnitude limit: 'bright' is not a number."},
      {"HighestEdit", "10",
       "The highest altitude must be above the lowest and at most 90 degrees."},
      {"HeightOfEyeEdit", "-3", "The height of eye must be from 0 to 100 metres."},
      {"SpeedEdit", "99", "The speed must be from 0 to 60 knots."},
      {"MomentEdit", "20 March", "Moment: '20 March' is not a zone date and time"},
  };
  for (const Case& c : cases) {
    auto* field = window->findChild<QLineEdit*>(c.field);
    const QString before = field->text();
    field->setText(QString::fromLatin1(c.text));
    presenter.shown.clear();
    window->FindBtnClick();
    ASSERT_EQ(presenter.shown.size(), 1u) << c.field;
    EXPECT_EQ(presenter.shown[0].text.rfind(c.message, 0), 0u) << presenter.shown[0].text;
    EXPECT_EQ(window->Shown().bodies.size(), shown);
    field->setText(before);
  }
  window->close();
}

TEST_F(StarFinderWindowTest, OpensOnTheNearestTwilightAndRefusesAMomentWithTheSunUp) {
  TStarFinderWindow* window = Open();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->findChild<QRadioButton*>("EveningButton")->isChecked()) << "19:00 ZT";
  EXPECT_EQ(window->Shown().twilight, Twilight::evening);
  window->findChild<QLineEdit*>("MomentEdit")->setText("2026-03-20 12:00:00");
  window->FindBtnClick();
  EXPECT_TRUE(window->Shown().outsideTwilight);
  EXPECT_TRUE(window->Shown().bodies.empty());
  EXPECT_EQ(window->findChild<QTableWidget*>("BodyList")->rowCount(), 0);
  const QString lines = window->findChild<QTextEdit*>("Lines")->toPlainText();
  EXPECT_TRUE(lines.contains("no star can be seen")) << lines.toStdString();
  EXPECT_TRUE(lines.contains("evening twilight 18")) << lines.toStdString();
  window->close();
}

TEST(StarFinderHelp, TypingItsNameInTheTopicBoxLandsOnItsHeading) {
  testing::RecordingPresenter presenter;
  THelpDialog help(presenter, nullptr, {QStringLiteral(NOCTURNA_SOURCE_DATA_DIR "/Starhelp.rtf")});
  help.show();
  help.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&help));
  QLineEdit* typed = help.findChild<QComboBox*>(QStringLiteral("HelpList"))->lineEdit();
  typed->setFocus();
  typed->selectAll();
  QTest::keyClicks(typed, QStringLiteral("Star finder"));
  const QTextCursor found = help.findChild<QTextEdit*>(QStringLiteral("HelpEdit"))->textCursor();
  EXPECT_EQ(found.selectedText(), "Star finder");
  EXPECT_EQ(found.block().text(), "Star finder") << "the first 'Star finder' is not the heading";
  EXPECT_EQ(QTextCursor(found.block()).charFormat().fontWeight(), QFont::Bold);
  help.close();
}

}  // namespace
}  // namespace nocturna
