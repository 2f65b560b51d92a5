// A receiver that disappears in the middle of a sentence, as when its cable is pulled: the cut
// sentence never becomes a position, the last good fix stays, the user is told once that no fix
// is coming, and the GPS stops promptly and can be started again.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "gps/gps_controller.h"
#include "gps/gps_port.h"
#include "platform/system_clock.h"
#include "support/serial_test_support.h"

namespace nocturna {
namespace {

using testing::FakeGpsWindow;
using testing::kGpsNotFound;
using testing::kGpsOpenFailed;
using testing::kGpsOpened;
using testing::kGpsPoorCoverage;
using testing::NoClock;
using testing::PortMap;
using testing::PtyReceiver;
using testing::Sentence;
using testing::WaitUntil;
using namespace std::chrono_literals;

TEST(RobustDeviceLoss, ACutSentenceIsNoFixAndTheUserIsToldOnce) {
  // 48°07.038'N 11°31.000'E; the position is kept north and WEST positive.
  const DrPosition good{48.0 + 7.038 / 60.0, -(11.0 + 31.0 / 60.0)};
  // The line goes in the longitude: everything up to there reads well, but no fix may come of it.
  const std::string cut = "$GPRMC,123520,A,4807.038,N,0113";
  FakeGpsWindow window;
  NoClock clock;
  PtyReceiver receiver;
  const PortMap map({receiver.DevicePath()});
  receiver.Repeat(Sentence("GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W"), 300ms);
  GpsController controller(window, clock);
  controller.SpeedGPSClick(true);
  ASSERT_TRUE(testing::WaitForSearch(controller));
  ASSERT_TRUE(controller.IsOn());
  ASSERT_TRUE(WaitUntil([&] { return !window.fixes.empty(); }));

  receiver.StopRepeating();
  receiver.Write("\r\n" + cut);
  receiver.HangUp();
  // Failed reads count as bursts without a fix: ten of them, a second apart, bring the message.
  EXPECT_TRUE(WaitUntil([&] { return window.presenter.shown.size() >= 2; }, 2 * testing::kGenerousBound));
  EXPECT_EQ(window.Texts(), (std::vector<std::string>{kGpsOpened, kGpsPoorCoverage}));
  for (const testing::AppliedFix& fix : window.fixes) {
    EXPECT_NEAR(fix.position.latitude, good.latitude, 1e-9);
    EXPECT_NEAR(fix.position.longitude, good.longitude, 1e-9);
  }

  {
    const testing::Watchdog watchdog("stopping after the hang-up");
    controller.SpeedGPSClick(false);
  }
  EXPECT_FALSE(controller.IsOn());

  // Started again with the receiver gone: told plainly, nothing left running.
  window.presenter.shown.clear();
  controller.SpeedGPSClick(true);
  ASSERT_TRUE(testing::WaitForSearch(controller));
  EXPECT_FALSE(controller.IsOn());
  EXPECT_EQ(window.Texts(), (std::vector<std::string>{kGpsNotFound, kGpsOpenFailed}));
  controller.SpeedGPSClick(false);
}

}  // namespace
}  // namespace nocturna
