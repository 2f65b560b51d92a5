// The GPS commands through the main window's own buttons, with a simulated receiver on a
// pseudo-terminal and a fake UTC clock: the fix becomes the DR position and zone, captions
// and colours follow the receiver's state, "GPS Time" sets the clock, and the window closes
// cleanly with the reader running.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <chrono>
#include <memory>
#include <optional>

#include "foundations/date_time.h"
#include "gps/gps_controller.h"
#include "platform/system_clock.h"
#include "support/serial_test_support.h"
#include "support/main_window_test_access.h"
#include "support/recording_presenter.h"
#include "support/window_services.h"
#include "ui/main_window/main_window.h"

namespace nocturna {
namespace {

using namespace std::chrono_literals;
using testing::PortMap;
using testing::PtyReceiver;
using testing::WaitUntil;

const std::string kTextbookRmc =
    "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A\r\n";
const std::string kOpenedOnCom1 = "GPS is open on COM1\n\rAcquiring Satellites - Please Wait";
constexpr double kAngleTolerance = 1e-9;         // degrees
constexpr double kTimeTolerance = 1e-3 / 86400;  // a millisecond, in days

// A UTC clock that always reads one moment and records what it is set to.
class FakeClock : public SystemClock {
 public:
  UtcCalendar ReadUtc() const override { return now; }
  bool SetUtc(const UtcCalendar& utc) override {
    set = utc;
    return true;
  }
  UtcCalendar now{1994, 3, 23, 12, 35, 16, 0};
  std::optional<UtcCalendar> set;
};

class GpsWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    catalog = BuildCatalog();
    MainWindowServices services = testing::WindowServices(presenter, clock);
    services.clock = [] { return UniversalClockReading{EncodeDateTime(2026, 6, 1, 14, 0, 0), 0}; };
    services.readHomePosition = [](DrPosition&) { return false; };  // 42°N 75°W, ZD 5
    form = std::make_unique<TForm1>(catalog, events, services);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QApplication::processEvents();
  }

  void TearDown() override {
    if (form) form->close();
    form.reset();
    for (QWidget* window : QApplication::topLevelWidgets()) {
      EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
    }
  }

  QPushButton* SpeedGps() { return form->Controls().speedGps; }
  QPushButton* GpsTime() { return form->Controls().gpsTimeButton; }
  std::string Caption() { return SpeedGps()->text().toStdString(); }
  QColor CaptionColour() { return SpeedGps()->palette().color(QPalette::ButtonText); }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const Message& m : presenter.shown) texts.push_back(m.text);
    return texts;
  }
  // Starts the GPS with the button and waits for the first fix to reach the window.
  void StartAndWaitForFix() {
    SpeedGps()->click();
    ASSERT_TRUE(testing::WaitForSearch(testing::MainWindowTestAccess::Gps(*form)));
    ASSERT_TRUE(testing::MainWindowTestAccess::Gps(*form).IsOn()) << ::testing::PrintToString(Texts());
    ASSERT_TRUE(WaitUntil([&] { return form->Observer().zoneDescription == -1; }));
  }

  BodyCatalog catalog;
  SunEventsRecord events{};
  testing::RecordingPresenter presenter;
  FakeClock clock;
  std::unique_ptr<TForm1> form;
};

TEST_F(GpsWindowTest, AFixBecomesTheDrPositionAndZoneAndStoppingIsPrompt) {
  EXPECT_EQ(Caption(), "Start GPS");
  EXPECT_EQ(CaptionColour(), QColor(Qt::red));
  EXPECT_EQ(SpeedGps()->font().family(), QStringLiteral("Tahoma"));
  EXPECT_TRUE(SpeedGps()->isEnabled());
  EXPECT_TRUE(SpeedGps()->isCheckable());
  EXPECT_FALSE(GpsTime()->isEnabled());

  PtyReceiver receiver;
  const PortMap map({receiver.DevicePath()});
  receiver.Repeat(kTextbookRmc, 1000ms);  // a receiver's once-a-second output
  const ObserverState before = form->Observer();
  ASSERT_EQ(before.zoneDescription, 5);
  const int paintsBefore = form->PaintCount();

  StartAndWaitForFix();
  EXPECT_EQ(Texts(), std::vector<std::string>{kOpenedOnCom1});
  EXPECT_TRUE(SpeedGps()->isChecked());
  EXPECT_EQ(Caption(), "GPS On");
  EXPECT_EQ(CaptionColour(), QColor(0, 128, 0));
  EXPECT_TRUE(GpsTime()->isEnabled());

  // The fields are read back as typed input: the tenth of a minute is what the position keeps.
  ASSERT_TRUE(WaitUntil([&] { return form->PaintCount() > paintsBefore; }));
  const ObserverState& after = form->Observer();
  EXPECT_NEAR(after.drPosition.latitude, 48.0 + 7.0 / 60.0, kAngleTolerance);
  EXPECT_NEAR(after.drPosition.longitude, -(11.0 + 31.0 / 60.0), kAngleTolerance);
  EXPECT_EQ(form->Controls().latitude->displayText(), QString::fromLatin1("Latitude 48\xB0" "07.0'N"));
  EXPECT_EQ(form->Controls().longitude->displayText(), QString::fromLatin1("Longitude 011\xB0" "31.0'E"));
  EXPECT_EQ(form->Controls().zdEdit->value(), -1);
  // ZD 5 to -1 keeps UT and moves the zone time six hours later.
  EXPECT_NEAR(after.universalTime, before.universalTime, kTimeTolerance);
  EXPECT_NEAR(after.zoneTime - before.zoneTime, 6.0 / 24.0, kTimeTolerance);
  EXPECT_GT(form->PaintCount(), paintsBefore);
  EXPECT_EQ(form->LastPass().latitudeText, "48\xB0" "07.0'N");
  EXPECT_EQ(form->LastPass().longitudeText, "011\xB0" "31.0'E");

  {
    const testing::Watchdog watchdog("stopping the GPS");
    SpeedGps()->click();
  }
  EXPECT_FALSE(testing::MainWindowTestAccess::Gps(*form).IsOn());
  EXPECT_FALSE(SpeedGps()->isChecked());
  EXPECT_EQ(Caption(), "GPS Off");
  EXPECT_EQ(CaptionColour(), QColor(255, 0, 0));
  EXPECT_FALSE(GpsTime()->isEnabled());
  EXPECT_EQ(presenter.shown.size(), 1u) << ::testing::PrintToString(Texts());
}

// RMC 12:35:19 against a clock at 12:35:16: three seconds offered; Yes sets the clock from a
// second reading plus the difference, No (the default, Enter) leaves it alone.
TEST_F(GpsWindowTest, GpsTimeOffersTheDifferenceAndSetsTheClockOnlyOnYes) {
  PtyReceiver receiver;
  const PortMap map({receiver.DevicePath()});
  receiver.Repeat(kTextbookRmc, 500ms);
  StartAndWaitForFix();
  struct Case {
    MessageAnswer answer;
    std::optional<int> setSecond;
  };
  for (const Case& c : {Case{MessageAnswer::Yes, 19}, Case{MessageAnswer::No, std::nullopt}}) {
    SCOPED_TRACE(c.answer == MessageAnswer::Yes ? "Yes" : "No");
    presenter.shown.clear();
    presenter.scriptedAnswers = {c.answer};
    clock.set.reset();
    GpsTime()->click();
    ASSERT_EQ(presenter.shown.size(), 1u) << ::testing::PrintToString(Texts());
    const Message& question = presenter.shown.front();
    EXPECT_EQ(question.kind, MessageKind::Warning);
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(question.defaultAnswer, MessageAnswer::No);
    EXPECT_NE(question.text.find("adjusted by 3 seconds."), std::string::npos) << question.text;
    ASSERT_EQ(clock.set.has_value(), c.setSecond.has_value());
    if (!c.setSecond) continue;
    const UtcCalendar& set = *clock.set;
    EXPECT_EQ((std::vector<int>{set.year, set.month, set.day, set.hour, set.minute, set.second,
                                set.millisecond}),
              (std::vector<int>{1994, 3, 23, 12, 35, *c.setSecond, 0}));
  }
}

// Destroying the window with the reader running stops the reader and releases the port (the
// device can be locked again), promptly, and no step reaches the window afterwards.
TEST_F(GpsWindowTest, ClosingTheWindowWhileTheGpsRunsStopsItFirst) {
  PtyReceiver receiver;
  const PortMap map({receiver.DevicePath()});
  receiver.Repeat(kTextbookRmc, 200ms);
  StartAndWaitForFix();

  {
    const testing::Watchdog watchdog("closing the window");
    form->close();
    form.reset();
  }
  // Bursts keep arriving; nothing may be delivered to the window that is gone.
  const int writes = receiver.Writes();
  ASSERT_TRUE(WaitUntil([&] { return receiver.Writes() >= writes + 3; }));

  const int fd = ::open(receiver.DevicePath().c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
  ASSERT_GE(fd, 0);
  EXPECT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0) << "the port is still held";
  ::close(fd);
  EXPECT_EQ(Texts(), std::vector<std::string>{kOpenedOnCom1});
}

// No receiver: both boxes, recorded rather than shown; the toggle stays down with "GPS Off",
// and the next click stops cleanly although nothing started.
TEST_F(GpsWindowTest, AFailedStartLeavesTheToggleDownAndTheNextClickStops) {
  const PortMap map({});
  SpeedGps()->click();
  ASSERT_TRUE(testing::WaitForSearch(testing::MainWindowTestAccess::Gps(*form)));
  EXPECT_EQ(Texts(), (std::vector<std::string>{
                         "Could not find a GPS\n\rPlease check to see if a GPS is attached!",
                         "Could not open GPS\n\rPlease retry"}));
  EXPECT_FALSE(testing::MainWindowTestAccess::Gps(*form).IsOn());
  EXPECT_TRUE(SpeedGps()->isChecked());
  EXPECT_EQ(Caption(), "GPS Off");
  EXPECT_EQ(CaptionColour(), QColor(255, 0, 0));
  EXPECT_FALSE(GpsTime()->isEnabled());

  SpeedGps()->click();
  EXPECT_FALSE(SpeedGps()->isChecked());
  EXPECT_EQ(presenter.shown.size(), 2u);
  EXPECT_EQ(Caption(), "GPS Off");
  EXPECT_EQ(form->Observer().zoneDescription, 5);
}

// Silent ports only: the click returns at once and the window keeps answering while the search
// listens; the toggle names the port being probed, and a second click cancels the search without a
// box and frees every port. Left to run, the same search ends in the two boxes of a failed start.
TEST_F(GpsWindowTest, TheSearchLeavesTheWindowFreeShowsThePortAndASecondClickCancels) {
  PtyReceiver silent1, silent2;
  const PortMap map({silent1.DevicePath(), silent2.DevicePath()});
  SpeedGps()->click();
  EXPECT_TRUE(testing::MainWindowTestAccess::Gps(*form).IsSearching());
  EXPECT_EQ(Caption(), "GPS On");
  ASSERT_TRUE(testing::WaitUntil([&] { return Caption() == "Searching COM1..."; }));
  EXPECT_EQ(CaptionColour(), QColor(0, 128, 0));

  const int rotation = form->Observer().rotateSign;
  QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("RotateButton")), Qt::LeftButton);
  EXPECT_EQ(form->Observer().rotateSign, -rotation) << "the window did not answer during the search";
  ASSERT_TRUE(testing::WaitUntil([&] { return Caption() == "Searching COM2..."; }));

  SpeedGps()->click();
  EXPECT_FALSE(testing::MainWindowTestAccess::Gps(*form).IsSearching());
  EXPECT_FALSE(testing::MainWindowTestAccess::Gps(*form).IsOn());
  EXPECT_FALSE(SpeedGps()->isChecked());
  EXPECT_EQ(Caption(), "GPS Off");
  EXPECT_EQ(CaptionColour(), QColor(255, 0, 0));
  EXPECT_FALSE(GpsTime()->isEnabled());
  EXPECT_TRUE(presenter.shown.empty()) << ::testing::PrintToString(Texts());
  for (const PtyReceiver* port : {&silent1, &silent2}) {
    const int fd = ::open(port->DevicePath().c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0) << port->DevicePath() << " is still held";
    ::close(fd);
  }

  QSignalSpy searchEnded(&testing::MainWindowTestAccess::Gps(*form), &GpsController::startFinished);
  SpeedGps()->click();
  ASSERT_TRUE(searchEnded.wait(static_cast<int>(testing::kGenerousBound.count())));
  EXPECT_EQ(Texts(), (std::vector<std::string>{
                         "Could not find a GPS\n\rPlease check to see if a GPS is attached!",
                         "Could not open GPS\n\rPlease retry"}));
  EXPECT_EQ(testing::MainWindowTestAccess::Gps(*form).StartProblem(), "COMPort: failed to open. (No such file or directory)");
  EXPECT_TRUE(SpeedGps()->isChecked());
  EXPECT_EQ(Caption(), "GPS Off");
  EXPECT_FALSE(GpsTime()->isEnabled());
}

}  // namespace
}  // namespace nocturna
