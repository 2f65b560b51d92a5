// Setting the computer's clock from the GPS, with a fake clock and a simulated receiver.
#include <gtest/gtest.h>

#include <optional>

#include "gps/gps_controller.h"
#include "gps/gps_port.h"
#include "platform/system_clock.h"
#include "support/serial_test_support.h"

namespace nocturna {
namespace {

using testing::FakeGpsWindow;
using testing::PortMap;
using testing::PtyReceiver;
using testing::WaitUntil;
using namespace std::chrono_literals;

const std::string kNotAccurate = "GPS Time Signal not accurate\n\rPlease retry";
const std::string kCouldNotReset = "Could not reset system time\n\rPlease retry or manually adjust";

std::string Question(long seconds) {
  return "SYNCHRONIZE COMPUTER TIME TO GPS TIME (Yes, No)?\n\r System time will be adjusted by " +
         std::to_string(seconds) +
         " seconds.\n\r\n WARNING: Use GPS time only if Internet Time or NISTIME is not available!";
}

// A clock that reads a set time and moves 250 ms on at every reading.
class FakeClock : public SystemClock {
 public:
  UtcCalendar ReadUtc() const override {
    const UtcCalendar reading = now;
    now.millisecond += 250;
    if (now.millisecond >= 1000) {  // the tests stay clear of minute ends
      now.millisecond -= 1000;
      ++now.second;
    }
    return reading;
  }
  bool SetUtc(const UtcCalendar& utc) override {
    if (!mayBeSet) return false;
    set = utc;
    return true;
  }
  mutable UtcCalendar now;
  std::optional<UtcCalendar> set;
  bool mayBeSet = true;
};

struct ClockCase {
  const char* name;
  const char* rmcTime;
  char status;
  UtcCalendar clockAt;
  std::optional<MessageAnswer> answer;  // none: the box's default (Enter)
  bool mayBeSet;
  std::vector<std::string> expectedTexts;
  std::optional<UtcCalendar> expectedSet;
};

TEST(GpsTimeTest, OffersTheCorrectionAndSetsTheClockOnYes) {
  const std::vector<ClockCase> cases = {
      {"three seconds ahead, Yes", "123519", 'A', {2024, 6, 1, 12, 35, 16, 0}, MessageAnswer::Yes, true,
       {Question(3)}, UtcCalendar{2024, 6, 1, 12, 35, 19, 250}},  // measured from the second reading
      {"Enter answers No", "123519", 'A', {2024, 6, 1, 12, 35, 16, 0}, std::nullopt, true, {Question(3)},
       std::nullopt},
      {"behind by 2.7 s", "123519", 'A', {2024, 6, 1, 12, 35, 21, 700}, MessageAnswer::No, true, {Question(-3)},
       std::nullopt},
      {"read just after midnight", "235959", 'A', {2024, 6, 2, 0, 0, 1, 0}, MessageAnswer::Yes, true,
       {Question(-2)}, UtcCalendar{2024, 6, 1, 23, 59, 59, 250}},
      {"read just before midnight", "000001", 'A', {2024, 12, 31, 23, 59, 58, 0}, MessageAnswer::Yes, true,
       {Question(3)}, UtcCalendar{2025, 1, 1, 0, 0, 1, 250}},
      {"hundredths kept apart from the seconds", "125959.997", 'A', {2024, 6, 1, 12, 59, 58, 0},
       MessageAnswer::No, true, {Question(1)}, std::nullopt},
      {"no fix", "123519", 'V', {2024, 6, 1, 12, 35, 16, 0}, MessageAnswer::Yes, true, {kNotAccurate},
       std::nullopt},
      {"no right to set the clock", "123519", 'A', {2024, 6, 1, 12, 35, 16, 0}, MessageAnswer::Yes, false,
       {Question(3), kCouldNotReset}, std::nullopt},
      {"no time of day", "126100", 'A', {2024, 6, 1, 12, 35, 16, 0}, MessageAnswer::Yes, true, {kCouldNotReset},
       std::nullopt},
  };

  PtyReceiver receiver;
  const PortMap map({receiver.DevicePath()});
  FakeGpsWindow window;
  FakeClock clock;
  receiver.Repeat("$GPRMC,000000,V,,,,,,,,,,N\r\n", 300ms);
  GpsController controller(window, clock);
  controller.SpeedGPSClick(true);
  ASSERT_TRUE(testing::WaitForSearch(controller));
  ASSERT_TRUE(controller.IsOn());

  for (const ClockCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string rmc = std::string("$GPRMC,") + c.rmcTime + "," + c.status + ",4807.038,N,01131.000,E,,,,,,\r\n";
    receiver.Repeat(rmc, 300ms);
    ASSERT_TRUE(WaitUntil([&] {
      const GPSPort* port = controller.Port();
      return port->rmc.status == c.status && port->rmc.utcTime == std::stod(c.rmcTime);
    }));
    window.presenter.shown.clear();
    if (c.answer) window.presenter.scriptedAnswers = {*c.answer};
    clock.now = c.clockAt;
    clock.set.reset();
    clock.mayBeSet = c.mayBeSet;

    controller.GPSTimeBtnClick();

    EXPECT_EQ(window.Texts(), c.expectedTexts);
    if (c.expectedTexts.front().rfind("SYNCHRONIZE", 0) == 0) {
      const Message& question = window.presenter.shown.front();
      EXPECT_EQ(question.kind, MessageKind::Warning);
      EXPECT_EQ(question.buttons, MessageButtons::YesNo);
      EXPECT_EQ(question.defaultAnswer, MessageAnswer::No);
    }
    ASSERT_EQ(clock.set.has_value(), c.expectedSet.has_value());
    if (c.expectedSet) {
      const UtcCalendar& got = *clock.set;
      const UtcCalendar& want = *c.expectedSet;
      EXPECT_EQ(std::vector<int>({got.year, got.month, got.day, got.hour, got.minute, got.second, got.millisecond}),
                std::vector<int>({want.year, want.month, want.day, want.hour, want.minute, want.second,
                                  want.millisecond}));
    }
  }
  window.presenter.shown.clear();
  controller.SpeedGPSClick(false);
  controller.GPSTimeBtnClick();  // the GPS is off: no fix to offer
  EXPECT_EQ(window.Texts(), std::vector<std::string>{kNotAccurate});
}

}  // namespace
}  // namespace nocturna
