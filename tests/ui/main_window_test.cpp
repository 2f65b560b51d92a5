// The main window driven through its real widgets: start-up, the observer inputs, the daily
// run, the Set menu and the window's size.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimeEdit>
#include <memory>

#include "support/main_window_test_access.h"
#include "support/recording_presenter.h"
#include "support/window_services.h"
#include "ui/main_window/main_window.h"
#include "ui/chart_drawing/sky_paint_box.h"

namespace nocturna {
namespace {

constexpr double kMinute = 1.0 / 1440.0;  // days
constexpr double kTolerance = 1e-3 / 86400.0;  // a millisecond, in days

QString Latin1(const char* text) { return QString::fromLatin1(text); }

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    catalog = BuildCatalog();
    MainWindowServices services = testing::WindowServices(presenter, systemClock);
    services.clock = [this] { return UniversalClockReading{clockTime, 1}; };
    form = std::make_unique<TForm1>(catalog, events, services);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    Settle();
  }

  void TearDown() override {
    form->close();
    form.reset();
    for (QWidget* window : QApplication::topLevelWidgets()) {
      EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
    }
  }

  static void Settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
  }

  template <typename T>
  T* Find(const char* name) {
    T* widget = form->findChild<T*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }

  ObserverState& State() { return testing::MainWindowTestAccess::Observer(*form); }

  // The zone time the pickers show, as a DateTime.
  DateTime PickerTime() {
    const QDate d = Find<QDateEdit>("StarDatePicker")->date();
    const QTime t = Find<QTimeEdit>("StarTimePicker")->time();
    return EncodeDateTime(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(),
                          t.msec());
  }

  // 2026-06-01 03:00 UT: with ZD 5 the zone time is 31 May 22:00.
  DateTime clockTime = EncodeDateTime(2026, 6, 1, 3, 0, 0);
  BodyCatalog catalog;
  SunEventsRecord events{};
  testing::RecordingPresenter presenter;
  testing::RefusingSystemClock systemClock;
  std::unique_ptr<TForm1> form;
};

TEST_F(MainWindowTest, StartsAtTheDefaultPositionWithTheClocksZoneTime) {
  EXPECT_EQ(form->windowTitle(), "Nocturna");
  EXPECT_EQ(Find<QLineEdit>("Latitude")->displayText(), Latin1("Latitude 42\xB0" "00.0'N"));
  EXPECT_EQ(Find<QLineEdit>("Longitude")->displayText(), Latin1("Longitude 075\xB0" "00.0'W"));
  EXPECT_EQ(Find<QSpinBox>("ZDEdit")->value(), 5);
  EXPECT_EQ(State().zoneDescription, 5);
  EXPECT_DOUBLE_EQ(State().drPosition.latitude, 42.0);
  EXPECT_DOUBLE_EQ(State().drPosition.longitude, 75.0);
  EXPECT_DOUBLE_EQ(State().universalTime, clockTime);
  EXPECT_NEAR(State().zoneTime, EncodeDateTime(2026, 5, 31, 22, 0, 0), kTolerance);
  EXPECT_NEAR(PickerTime(), State().zoneTime, kTolerance);
  EXPECT_TRUE(State().staticTime);
  EXPECT_EQ(State().daylightHours, 1);
  EXPECT_TRUE(presenter.shown.empty());
  // The first paint ran the day's events and showed the zone moment.
  EXPECT_GE(form->PaintCount(), 1);
  EXPECT_EQ(form->DailyRunCount(), 1);
  EXPECT_EQ(form->LastPass().moment.zoneClock.hour, 22);
  EXPECT_EQ(form->LastPass().moment.utDate.day, 1);
}

TEST_F(MainWindowTest, ARememberedHomePositionIsShownAndProposesItsZone) {
  MainWindowServices services = testing::WindowServices(presenter, systemClock);
  services.clock = [this] { return UniversalClockReading{clockTime, 0}; };
  services.readHomePosition = [](DrPosition& p) {
    p.latitude = -33.86;
    p.longitude = -70.5;  // 070°30.0'E
    return true;
  };
  TForm1 home(catalog, events, services);
  EXPECT_EQ(home.findChild<QLineEdit*>("Longitude")->displayText(),
            Latin1("Longitude 070\xB0" "30.0'E"));
  EXPECT_EQ(home.findChild<QLineEdit*>("Latitude")->displayText(),
            Latin1("Latitude 33\xB0" "51.6'S"));
  EXPECT_EQ(home.Observer().zoneDescription, -5);
  EXPECT_DOUBLE_EQ(home.Observer().drPosition.longitude, -70.5);
  EXPECT_NEAR(home.Observer().zoneTime, clockTime + 5.0 / 24, kTolerance);
}

TEST_F(MainWindowTest, ControlsCarryTheirCaptionsHintsAndPlaces) {
  struct Button {
    const char* name;
    const char* caption;
    const char* hint;
    int x;
  } const buttons[] = {
      {"AnimateButton", "Animate", "Display sky in real time animaton", 8},
      {"HomeButton", "Home", "Set to default lat and lon.", 80},
      {"NowButton", "Now", "Set current time and date", 153},
      {"LANButton", "LAN", "Local Apparent Noon", 225},
      {"RiseButton", "Rise", "Sunrise", 298},
      {"SetButton", "Set", "Sunset", 371},
      {"DawnButton", "Dawn", "AM Civil Twilight", 443},
      {"DuskButton", "Dusk", "PMCivil Twilight", 516},
      {"HcZnButton", "Hc-Zn", "Display list of visible bodies", 588},
      {"AlmanacButton", "Almanac", "Opens nautical almanac", 661},
      {"RotateButton", "N<->S", "Rotate sky 180 degrees", 734},
      {"FlipEWButton", "E<->W", "Flip East and West", 806},
      {"BrightButton", "Bright", "Show only first magnitude above 15 degrees.", 879},
      {"PrintBtn", "Print", "Print sky chart.", 952},
  };
  for (const Button& b : buttons) {
    auto* button = Find<QPushButton>(b.name);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), b.caption);
    EXPECT_EQ(button->toolTip(), b.hint);
    EXPECT_EQ(button->geometry(), QRect(b.x, 1, 65, 21)) << b.name;
  }
  for (const char* wired : {"NowButton", "LANButton", "RiseButton", "SetButton", "DawnButton",
                            "DuskButton"}) {
    EXPECT_TRUE(Find<QPushButton>(wired)->isEnabled()) << wired;
  }
  EXPECT_EQ(Find<QLabel>("DatePanel")->text(), "Date");
  EXPECT_EQ(Find<QLabel>("zonetime")->toolTip(), "Zone Time");
  EXPECT_EQ(Find<QSpinBox>("ZDEdit")->minimum(), -12);
  EXPECT_EQ(Find<QSpinBox>("ZDEdit")->maximum(), 12);
  EXPECT_EQ(Find<QPushButton>("SpeedGPS")->text(), "Start GPS");
  EXPECT_FALSE(Find<QPushButton>("GPSTimeBtn")->isEnabled());  // until a fix gives GPS time

  QStringList menus;
  for (QAction* menu : form->menuBar()->actions()) menus << menu->text();
  EXPECT_EQ(menus, QStringList({"&File", "Action", "Set", "&Help", "View"}));
  QStringList popup;
  for (QAction* item : Find<QMenu>("PopupSetMenu")->actions()) popup << item->text();
  EXPECT_EQ(popup, QStringList({"Now", "Sunrise", "AmCivTwi", "AmNautTwi", "Sunset", "PMCivTwi",
                                "PMNautTwi"}));
}

TEST_F(MainWindowTest, TypingLongitude090ChangesZdKeepsUtAndMovesZoneTimeAnHourEarlier) {
  const DateTime ut = State().universalTime;
  const DateTime zt = State().zoneTime;
  auto* longitude = Find<QLineEdit>("Longitude");
  longitude->setFocus();
  longitude->setCursorPosition(10);
  QTest::keyClicks(longitude, "090");
  QTest::keyClick(longitude, Qt::Key_Return);  // the entry is complete
  EXPECT_EQ(longitude->displayText(), Latin1("Longitude 090\xB0" "00.0'W"));
  EXPECT_DOUBLE_EQ(State().drPosition.longitude, 90.0);
  EXPECT_EQ(Find<QSpinBox>("ZDEdit")->value(), 6);
  EXPECT_EQ(State().zoneDescription, 6);
  EXPECT_DOUBLE_EQ(State().universalTime, ut);
  EXPECT_NEAR(State().zoneTime, zt - 60 * kMinute, kTolerance);
  EXPECT_NEAR(PickerTime(), State().zoneTime, kTolerance);
}

TEST_F(MainWindowTest, PositionFieldsAreCorrectedInPlaceAndStoredWestPositive) {
  struct Case {
    const char* field;
    const char* typed;
    const char* shown;
    double stored;
  } const cases[] = {
      {"Latitude", "Latitude 95\xB0" "30.0'S", "Latitude 90\xB0" "00.0'S", -90.0},
      {"Latitude", "Latitude 42\xB0" "60.0'N", "Latitude 42\xB0" "59.9'N", 42 + 59.9 / 60},
      {"Longitude", "Longitude 181\xB0" "00.0'E", "Longitude 180\xB0" "00.0'E", -180.0},
      {"Longitude", "Longitude 180\xB0" "00.0'W", "Longitude 180\xB0" "00.0'W", 180.0},
      {"Longitude", "Longitude 010\xB0" "75.0'W", "Longitude 010\xB0" "59.9'W", 10 + 59.9 / 60},
  };
  for (const Case& c : cases) {
    auto* field = Find<QLineEdit>(c.field);
    field->setText(Latin1(c.typed));
    EXPECT_EQ(field->displayText(), Latin1(c.shown)) << c.typed;
    const DrPosition& p = State().drPosition;
    EXPECT_DOUBLE_EQ(std::string(c.field) == "Latitude" ? p.latitude : p.longitude, c.stored)
        << c.typed;
  }
  EXPECT_EQ(State().zoneDescription, 1);  // proposed from 10°59.9'W
  EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(MainWindowTest, DeleteChangesNothingAndABlankDegreeIsReportedOnce) {
  auto* latitude = Find<QLineEdit>("Latitude");
  const QString before = latitude->displayText();
  latitude->setFocus();
  latitude->setCursorPosition(9);
  QTest::keyClick(latitude, Qt::Key_Delete);
  EXPECT_EQ(latitude->displayText(), before);

  const DrPosition position = State().drPosition;
  const DateTime zt = State().zoneTime;
  Settle();
  const int paints = form->PaintCount();
  latitude->setCursorPosition(11);
  QTest::keyClick(latitude, Qt::Key_Backspace);  // "4_"
  QTest::keyClick(latitude, Qt::Key_Return);     // taken and reported
  QTest::keyClick(latitude, Qt::Key_Backspace);  // "__"
  QTest::keyClick(latitude, Qt::Key_Return);     // the same fault: not reported again
  Settle();
  EXPECT_EQ(latitude->displayText(), Latin1("Latitude __\xB0" "00.0'N"));
  ASSERT_EQ(presenter.shown.size(), 1u);
  EXPECT_EQ(presenter.shown[0].kind, MessageKind::Error);
  EXPECT_EQ(presenter.shown[0].text, "'4_' is not a valid number.");
  EXPECT_DOUBLE_EQ(State().drPosition.latitude, position.latitude);
  EXPECT_DOUBLE_EQ(State().zoneTime, zt);
  EXPECT_EQ(form->PaintCount(), paints);

  // Once the field is a number again it is read, and a later fault is reported anew.
  QTest::keyClicks(latitude, "51");
  QTest::keyClick(latitude, Qt::Key_Return);
  EXPECT_DOUBLE_EQ(State().drPosition.latitude, 51.0);
  latitude->setCursorPosition(16);
  QTest::keyClick(latitude, Qt::Key_Backspace);
  QTest::keyClick(latitude, Qt::Key_Return);
  EXPECT_EQ(presenter.shown.size(), 2u);
}

TEST_F(MainWindowTest, PickersMoveZoneTimeAndUtTogetherAndTheZdSpinnerKeepsUt) {
  auto* time = Find<QTimeEdit>("StarTimePicker");
  time->setTime(QTime(23, 30, 0));
  EXPECT_NEAR(State().zoneTime, EncodeDateTime(2026, 5, 31, 23, 30, 0), kTolerance);
  EXPECT_NEAR(State().universalTime, EncodeDateTime(2026, 6, 1, 4, 30, 0), kTolerance);
  Find<QDateEdit>("StarDatePicker")->setDate(QDate(2026, 6, 2));
  EXPECT_NEAR(State().universalTime, EncodeDateTime(2026, 6, 3, 4, 30, 0), kTolerance);

  const DateTime ut = State().universalTime;
  for (int zd : {3, -12, 12}) {
    Find<QSpinBox>("ZDEdit")->setValue(zd);
    EXPECT_DOUBLE_EQ(State().universalTime, ut) << zd;
    EXPECT_NEAR(State().zoneTime, ut - zd / 24.0, kTolerance) << zd;
    EXPECT_NEAR(PickerTime(), State().zoneTime, kTolerance) << zd;
  }
}

TEST_F(MainWindowTest, DailyRunOncePerZoneDateAndPosition) {
  Settle();
  ASSERT_EQ(form->DailyRunCount(), 1);
  auto* time = Find<QTimeEdit>("StarTimePicker");
  struct Step {
    std::function<void()> change;
    int dailyRuns;
  } const steps[] = {
      {[&] { time->setTime(QTime(12, 0, 0)); }, 1},
      {[&] { time->setTime(QTime(23, 59, 59)); }, 1},
      {[&] { Find<QDateEdit>("StarDatePicker")->setDate(QDate(2026, 6, 1)); }, 2},
      {[&] { time->setTime(QTime(0, 0, 1)); }, 2},
      {[&] { Find<QLineEdit>("Latitude")->setText(Latin1("Latitude 42\xB0" "00.1'N")); }, 3},
      {[&] { Find<QSpinBox>("ZDEdit")->setValue(4); }, 3},  // same zone date 2026-06-01
  };
  for (const Step& step : steps) {
    const int paints = form->PaintCount();
    step.change();
    Settle();
    EXPECT_GT(form->PaintCount(), paints);
    EXPECT_EQ(form->DailyRunCount(), step.dailyRuns);
  }
}

TEST_F(MainWindowTest, SetMenuMovesToTheEventOrExplainsWhyNot) {
  Settle();
  const QDate date = Find<QDateEdit>("StarDatePicker")->date();
  events.sunrise = 10.5;
  Find<QPushButton>("RiseButton")->click();
  EXPECT_EQ(Find<QDateEdit>("StarDatePicker")->date(), date);
  EXPECT_EQ(Find<QTimeEdit>("StarTimePicker")->time(), QTime(5, 30, 0));
  EXPECT_NEAR(State().universalTime, State().zoneTime + 5.0 / 24, kTolerance);

  struct Sentinel {
    QAction* item;
    double BodyEphemeris::*event;
    double value;
    const char* message;
  } const sentinels[] = {
      {form->Controls().sunrise, &BodyEphemeris::sunrise, -2.0, "Sun does not rise."},
      {form->Controls().pmNautTwi, &BodyEphemeris::nauticalEvening, -1.0, "Sun is circumpolar."},
      {form->Controls().amPvc, &BodyEphemeris::pvcMorning, -3.0,
       "Sun does not cross the Prime Vertical."},
  };
  for (const Sentinel& s : sentinels) {
    Settle();
    const DateTime zt = State().zoneTime;
    const int paints = form->PaintCount();
    events.*s.event = s.value;
    s.item->trigger();
    Settle();
    ASSERT_FALSE(presenter.shown.empty());
    EXPECT_EQ(presenter.shown.back().text, s.message);
    EXPECT_EQ(presenter.shown.back().caption, "Message");
    EXPECT_EQ(presenter.shown.back().buttons, MessageButtons::Ok);
    EXPECT_DOUBLE_EQ(State().zoneTime, zt);
    EXPECT_EQ(form->PaintCount(), paints);
  }

  // While animating the pickers move but the handler does not repaint.
  State().staticTime = false;
  const int paints = form->PaintCount();
  events.sunset = 20.0;
  Find<QPushButton>("SetButton")->click();
  Settle();
  EXPECT_EQ(Find<QTimeEdit>("StarTimePicker")->time(), QTime(15, 0, 0));
  EXPECT_EQ(form->PaintCount(), paints);
  State().staticTime = true;
}

TEST_F(MainWindowTest, NowTakesTheClockInTheCurrentZone) {
  Find<QSpinBox>("ZDEdit")->setValue(-3);
  clockTime = EncodeDateTime(2027, 1, 2, 23, 15, 30);
  Find<QPushButton>("NowButton")->click();
  EXPECT_DOUBLE_EQ(State().universalTime, clockTime);
  EXPECT_NEAR(PickerTime(), EncodeDateTime(2027, 1, 3, 2, 15, 30), kTolerance);
}

TEST_F(MainWindowTest, AClickOnTheChartIsReportedAtTheBoxsPixel) {
  SkyPaintBox* box = form->Controls().skyPaintBox;
  std::vector<QPoint> clicks;
  QObject::connect(box, &SkyPaintBox::Clicked, [&](QPoint at) { clicks.push_back(at); });
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(120, 45));
  QTest::mouseClick(box, Qt::RightButton, {}, QPoint(10, 10));
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicks[0], QPoint(120, 45));
}

TEST_F(MainWindowTest, ANarrowWindowSnapsBackToMostOfTheScreen) {
  const QRect screen = form->screen()->geometry();
  form->resize(screen.width() / 2, screen.height() / 2);
  Settle();
  QTest::qWait(50);
  EXPECT_EQ(form->frameGeometry().width(), static_cast<int>(0.85 * screen.width()));
  EXPECT_EQ(form->frameGeometry().height(), static_cast<int>(0.85 * screen.height()));
  EXPECT_EQ(form->Observer().dataFontSize, 8);
  EXPECT_EQ(form->Controls().varloWheel->x(), static_cast<int>(0.80 * form->frameGeometry().width()));
}

}  // namespace
}  // namespace nocturna
