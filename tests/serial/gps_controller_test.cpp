// Starting and stopping the GPS, and the position step, with simulated receivers on
// pseudo-terminals.
#include "gps/gps_controller.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

#include "gps/gps_port.h"
#include "platform/system_clock.h"
#include "support/serial_test_support.h"

namespace nocturna {
namespace {

using testing::FakeGpsWindow;
using testing::kGpsNotFound;
using testing::kGpsOpenFailed;
using testing::kGpsPoorCoverage;
using testing::NoClock;
using testing::PortMap;
using testing::PtyReceiver;
using testing::Sentence;
using testing::WaitUntil;
using namespace std::chrono_literals;

// A receiver's burst around the textbook sentence, under the talker's name.
std::string Burst(const std::string& talker, char status) {
  return Sentence(talker + "GGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,") +
         Sentence(talker + "RMC,123519," + status + ",4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W") +
         Sentence(talker + "GSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1");
}

class GpsControllerTest : public ::testing::Test {
 protected:
  FakeGpsWindow window;
  NoClock clock;
};

TEST(GpsBurstTest, TextbookSentenceChecksumIsTheOneReceiversSend) {
  EXPECT_EQ(Sentence("GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W"),
            "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A\r\n");
}

class GpsTalkerTest : public GpsControllerTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(GpsTalkerTest, AValidFixSetsThePositionAndAFixWithoutStatusAOnlyCounts) {
  PtyReceiver receiver;
  const PortMap map({receiver.DevicePath()});
  receiver.Repeat(Burst(GetParam(), 'A'), 400ms);
  GpsController controller(window, clock);
  controller.SpeedGPSClick(true);
  ASSERT_TRUE(testing::WaitForSearch(controller));
  ASSERT_TRUE(controller.IsOn()) << ::testing::PrintToString(window.Texts());
  EXPECT_EQ(window.caption, "GPS On");
  EXPECT_EQ(window.captionColour.green, 128);
  EXPECT_TRUE(window.gpsTimeEnabled);
  ASSERT_EQ(window.Texts(), std::vector<std::string>{"GPS is open on COM1\n\rAcquiring Satellites - Please Wait"});

  ASSERT_TRUE(WaitUntil([&] { return !window.fixes.empty(); }));
  const testing::AppliedFix& fix = window.fixes.front();
  // 48°07.038'N 11°31.000'E: 48 + 7.038/60, and east negative.
  EXPECT_NEAR(fix.position.latitude, 48.1173, 1e-9);
  EXPECT_NEAR(fix.position.longitude, -(11.0 + 31.0 / 60.0), 1e-9);
  EXPECT_EQ(fix.zoneDescription, -1);
  EXPECT_EQ(fix.latitudeText, "Latitude 48\xB0" "07.0'N");
  EXPECT_EQ(fix.longitudeText, "Longitude 011\xB0" "31.0'E");
  EXPECT_EQ(controller.Port()->rmc.sentenceId, GetParam() + "RMC");
  EXPECT_EQ(controller.PoorFixCount(), 0);
  // The clock compared with the GPS's 12:35:19 for the watch log, once however many bursts repeat it.
  ASSERT_EQ(window.clockComparisons.size(), 1u);
  const double gpsTimeOfDay = window.clockComparisons[0].second - std::floor(window.clockComparisons[0].second);
  EXPECT_NEAR(gpsTimeOfDay * 86400.0, 12 * 3600 + 35 * 60 + 19, 1e-3);

  receiver.Repeat(Burst(GetParam(), 'V'), 400ms);
  const std::size_t fixesBefore = window.fixes.size() + 1;  // one valid burst may still be in flight
  ASSERT_TRUE(WaitUntil([&] { return controller.PoorFixCount() >= 3; }));
  EXPECT_LE(window.fixes.size(), fixesBefore);
  EXPECT_EQ(controller.Port()->rmc.status, 'V');

  controller.SpeedGPSClick(false);
  EXPECT_FALSE(controller.IsOn());
  EXPECT_EQ(window.caption, "GPS Off");
  EXPECT_EQ(window.captionColour.red, 255);
  EXPECT_FALSE(window.gpsTimeEnabled);
}

INSTANTIATE_TEST_SUITE_P(Talkers, GpsTalkerTest, ::testing::Values("GP", "GN"));

TEST_F(GpsControllerTest, TenBurstsWithoutAFixTellTheUserOnce) {
  PtyReceiver receiver;
  const PortMap map({receiver.DevicePath()});
  receiver.Repeat(Sentence("GPRMC,,V,,,,,,,,,,N") + Sentence("GPGSV,1,1,00"), 300ms);
  GpsController controller(window, clock);
  controller.SpeedGPSClick(true);
  ASSERT_TRUE(testing::WaitForSearch(controller));
  ASSERT_TRUE(controller.IsOn());
  ASSERT_TRUE(WaitUntil([&] { return window.presenter.shown.size() >= 2; }));
  // The count starts again: the next message needs ten more bursts.
  ASSERT_TRUE(WaitUntil([&] { return controller.PoorFixCount() >= 5; }));
  controller.SpeedGPSClick(false);
  EXPECT_EQ(window.Texts(),
            (std::vector<std::string>{"GPS is open on COM1\n\rAcquiring Satellites - Please Wait", kGpsPoorCoverage}));
  EXPECT_TRUE(window.fixes.empty());
}

TEST_F(GpsControllerTest, AReceiverBehindThreeSilentPortsIsFound) {
  PtyReceiver silent1, silent2, silent3, gps;
  const PortMap map({silent1.DevicePath(), silent2.DevicePath(), silent3.DevicePath(), gps.DevicePath()});
  gps.Repeat(Burst("GN", 'A'), 400ms);
  GpsController controller(window, clock);
  controller.SpeedGPSClick(true);
  ASSERT_TRUE(testing::WaitForSearch(controller));
  ASSERT_TRUE(controller.IsOn());
  EXPECT_EQ(controller.Port()->PortName(), "COM4");
  EXPECT_EQ(window.Texts(), std::vector<std::string>{"GPS is open on COM4\n\rAcquiring Satellites - Please Wait"});
  EXPECT_TRUE(WaitUntil([&] { return !window.fixes.empty(); }));
}

TEST_F(GpsControllerTest, NoPortGivesBothMessagesAndASecondClickStopsCleanly) {
  const PortMap map({});
  GpsController controller(window, clock);
  controller.SpeedGPSClick(true);
  ASSERT_TRUE(testing::WaitForSearch(controller));
  EXPECT_FALSE(controller.IsOn());
  EXPECT_EQ(window.Texts(), (std::vector<std::string>{kGpsNotFound, kGpsOpenFailed}));
  EXPECT_EQ(window.presenter.shown[1].kind, MessageKind::Error);
  EXPECT_EQ(window.caption, "GPS Off");
  EXPECT_EQ(window.captionColour.red, 255);
  EXPECT_FALSE(window.gpsTimeEnabled);

  controller.SpeedGPSClick(false);
  EXPECT_EQ(window.presenter.shown.size(), 2u);
  EXPECT_EQ(window.caption, "GPS Off");
}

TEST_F(GpsControllerTest, PortsWithoutNmeaTextAreNotAReceiver) {
  PtyReceiver modem;
  const PortMap map({modem.DevicePath()});
  modem.Repeat("ATZ\r\nOK\r\n$PMTK001,604,3*32\r\n", 200ms);  // '$' but no satellite talker
  GpsController controller(window, clock);
  controller.SpeedGPSClick(true);
  ASSERT_TRUE(testing::WaitForSearch(controller));
  EXPECT_FALSE(controller.IsOn());
  EXPECT_EQ(window.Texts(), (std::vector<std::string>{kGpsNotFound, kGpsOpenFailed}));
}

// Stopping ends the reader within a second whether the receiver talks, is silent or has
// been unplugged; the port closes after the reader has gone.
TEST_F(GpsControllerTest, StoppingIsPromptWhateverTheReceiverDoes) {
  enum class Then { KeepsTalking, FallsSilent, HangsUp };
  for (const Then then : {Then::KeepsTalking, Then::FallsSilent, Then::HangsUp}) {
    SCOPED_TRACE(static_cast<int>(then));
    FakeGpsWindow w;
    PtyReceiver receiver;
    const PortMap map({receiver.DevicePath()});
    receiver.Repeat(Burst("GP", 'A'), 300ms);
    GpsController controller(w, clock);
    controller.SpeedGPSClick(true);
    ASSERT_TRUE(testing::WaitForSearch(controller));
    ASSERT_TRUE(controller.IsOn());
    ASSERT_TRUE(WaitUntil([&] { return !w.fixes.empty(); }));
    if (then != Then::KeepsTalking) receiver.StopRepeating();
    if (then == Then::HangsUp) {
      receiver.HangUp();
      ASSERT_TRUE(WaitUntil([&] { return controller.PoorFixCount() > 0; }));  // the reader has seen it
    }

    {
      const testing::Watchdog watchdog("stopping the GPS");
      controller.SpeedGPSClick(false);
    }
    EXPECT_FALSE(controller.IsOn());
    EXPECT_EQ(w.presenter.shown.size(), 1u) << ::testing::PrintToString(w.Texts());
  }
}

TEST_F(GpsControllerTest, DestroyingTheControllerStopsTheReader) {
  PtyReceiver receiver;
  const PortMap map({receiver.DevicePath()});
  receiver.Repeat(Burst("GP", 'A'), 200ms);
  {
    const testing::Watchdog watchdog("destroying a running controller");
    GpsController controller(window, clock);
    controller.SpeedGPSClick(true);
    ASSERT_TRUE(testing::WaitForSearch(controller));
    ASSERT_TRUE(controller.IsOn());
    ASSERT_TRUE(WaitUntil([&] { return window.fixes.size() >= 2; }));
    controller.Shutdown();
    EXPECT_FALSE(controller.IsOn());
    controller.SpeedGPSClick(true);  // started again, left running for the destructor
    ASSERT_TRUE(testing::WaitForSearch(controller));
    ASSERT_TRUE(controller.IsOn());
  }
}

}  // namespace
}  // namespace nocturna
