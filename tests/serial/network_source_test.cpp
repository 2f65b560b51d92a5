// The GPS on the network: NMEA over TCP and UDP from loopback peers, gpsd fed by gpsfake, and
// the faults a boat's network brings. Nothing leaves 127.0.0.1.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "gps/gps_controller.h"
#include "platform/gps_feed.h"
#include "platform/system_clock.h"
#include "support/serial_test_support.h"
#include "support/loopback_peer.h"

namespace nocturna {
namespace {

using namespace std::chrono_literals;
using testing::FakeGpsWindow;
using testing::LoopbackTcpServer;
using testing::WaitUntil;
using Clock = std::chrono::steady_clock;

const std::string kOpenFailed = "Could not open GPS\n\rPlease retry";
// Bowditch's textbook RMC (48°07.038'N, 11°31.000'E) between two other sentences.
const std::string kBurst =
    "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n"
    "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A\r\n";

class NoClock : public SystemClock {
 public:
  UtcCalendar ReadUtc() const override { return {}; }
  bool SetUtc(const UtcCalendar&) override { return false; }
};

class NetworkSourceTest : public ::testing::Test {
 protected:
  // Starts the GPS on source and waits for the start to end.
  void Start(GpsSourceKind kind, int port) {
    controller.SetSource({kind, {kind == GpsSourceKind::NmeaUdp ? "" : "127.0.0.1", port}});
    controller.SpeedGPSClick(true);
    ASSERT_TRUE(testing::WaitForSearch(controller));
  }
  // The click that stops the GPS, and how long it took.
  std::chrono::milliseconds StopTime() {
    const auto begun = Clock::now();
    controller.SpeedGPSClick(false);
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - begun);
  }
  bool FixArrives() {
    return WaitUntil([&] { return !window.fixes.empty(); }, 5000ms);
  }

  FakeGpsWindow window;
  NoClock clock;
  GpsController controller{window, clock};
};

void SendBurstsUntilStopped(int client, const LoopbackTcpServer& server) {
  while (testing::SendAll(client, kBurst) && server.Pause(300)) {}
}

TEST_F(NetworkSourceTest, NmeaOverTcpMovesTheDrPositionLikeTheSerialPort) {
  LoopbackTcpServer server(SendBurstsUntilStopped);
  Start(GpsSourceKind::NmeaTcp, server.Port());
  ASSERT_TRUE(controller.IsOn()) << ::testing::PrintToString(window.Texts());
  EXPECT_EQ(window.caption, "GPS On");
  EXPECT_EQ(window.Texts(), std::vector<std::string>{"GPS is open on NMEA TCP 127.0.0.1:" +
                                                     std::to_string(server.Port()) +
                                                     "\n\rAcquiring Satellites - Please Wait"});
  ASSERT_TRUE(FixArrives());
  EXPECT_NEAR(window.fixes.front().position.latitude, 48.0 + 7.038 / 60.0, 1e-9);
  EXPECT_NEAR(window.fixes.front().position.longitude, -(11.0 + 31.0 / 60.0), 1e-9);
  EXPECT_EQ(controller.Feed()->rmc.sentenceId, "GPRMC");
  EXPECT_EQ(controller.Port(), nullptr);
  EXPECT_LT(StopTime(), 1000ms);
  EXPECT_EQ(window.caption, "GPS Off");
}

TEST_F(NetworkSourceTest, NmeaOverUdpIsHeardOnItsPort) {
  int port = 0;
  const int sender = testing::BoundLoopbackSocket(SOCK_DGRAM, port);
  port = testing::RefusingPort();  // a free port for the listener
  Start(GpsSourceKind::NmeaUdp, port);
  ASSERT_TRUE(controller.IsOn()) << ::testing::PrintToString(window.Texts());
  sockaddr_in to{};
  to.sin_family = AF_INET;
  to.sin_port = htons(static_cast<std::uint16_t>(port));
  to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  // One sentence a datagram, as multiplexers send: the burst gathers them.
  for (int i = 0; i < 20 && window.fixes.empty(); ++i) {
    for (const std::string& sentence : {kBurst.substr(0, kBurst.find('\n') + 1), kBurst.substr(kBurst.find('\n') + 1)}) {
      ::sendto(sender, sentence.data(), sentence.size(), 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
    }
    WaitUntil([&] { return !window.fixes.empty(); }, 300ms);
  }
  ::close(sender);
  EXPECT_FALSE(window.fixes.empty());
  EXPECT_EQ(controller.PoorFixCount(), 0);
  EXPECT_LT(StopTime(), 1000ms);
}

// Each fault ends the start with one plain message and "GPS Off", promptly.
TEST_F(NetworkSourceTest, AStartThatCannotConnectSaysWhyOnce) {
  const int refused = testing::RefusingPort();
  struct Case {
    GpsSourceKind kind;
    int port;
    std::string message;
  };
  for (const Case& c : {Case{GpsSourceKind::Gpsd, refused,
                             "Could not connect to gpsd at 127.0.0.1:" + std::to_string(refused) + ": Connection refused"},
                        Case{GpsSourceKind::NmeaTcp, refused, "Could not connect to NMEA TCP at 127.0.0.1:" +
                                                                   std::to_string(refused) + ": Connection refused"}}) {
    window.presenter.shown.clear();
    Start(c.kind, c.port);
    EXPECT_FALSE(controller.IsOn());
    EXPECT_EQ(window.Texts(), (std::vector<std::string>{c.message, kOpenFailed}));
    EXPECT_EQ(window.caption, "GPS Off");
    controller.SpeedGPSClick(false);
  }
  // A UDP port another program holds (bound to every address here, so ours clashes).
  const int wide = ::socket(AF_INET, SOCK_DGRAM, 0);
  sockaddr_in any{};
  any.sin_family = AF_INET;
  ::bind(wide, reinterpret_cast<sockaddr*>(&any), sizeof any);
  socklen_t length = sizeof any;
  ::getsockname(wide, reinterpret_cast<sockaddr*>(&any), &length);
  window.presenter.shown.clear();
  Start(GpsSourceKind::NmeaUdp, ntohs(any.sin_port));
  EXPECT_EQ(window.Texts(), (std::vector<std::string>{"Could not listen for NMEA on UDP port " +
                                                          std::to_string(ntohs(any.sin_port)) + ": Address already in use",
                                                      kOpenFailed}));
  ::close(wide);
}

// A server whose queue is full takes no more connections: the connect waits for an answer
// that never comes. The click that stops the GPS ends the wait at once.
TEST_F(NetworkSourceTest, AHostThatNeverAnswersCanBeStoppedAtOnce) {
  int port = 0;
  const int listener = testing::BoundLoopbackSocket(SOCK_STREAM, port);
  ::listen(listener, 0);
  const int filler = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in to{};
  to.sin_family = AF_INET;
  to.sin_port = htons(static_cast<std::uint16_t>(port));
  to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ::connect(filler, reinterpret_cast<sockaddr*>(&to), sizeof to);
  controller.SetSource({GpsSourceKind::NmeaTcp, {"127.0.0.1", port}});
  controller.SpeedGPSClick(true);
  WaitUntil([] { return false; }, 300ms);
  EXPECT_TRUE(controller.IsSearching()) << ::testing::PrintToString(window.Texts());
  EXPECT_LT(StopTime(), 1000ms);
  EXPECT_TRUE(window.presenter.shown.empty());  // a cancelled start is quiet
  // Left alone, the start gives up after its time-out with a plain message.
  const auto begun = Clock::now();
  Start(GpsSourceKind::NmeaTcp, port);
  EXPECT_LT(Clock::now() - begun, 5s);
  ASSERT_FALSE(window.presenter.shown.empty());
  EXPECT_EQ(window.Texts().front(), "Could not connect to NMEA TCP at 127.0.0.1:" + std::to_string(port) +
                                        ": no answer within 3 s");
  ::close(filler);
  ::close(listener);
}

double ProcessCpuSeconds() {
  rusage used{};
  ::getrusage(RUSAGE_SELF, &used);
  return static_cast<double>(used.ru_utime.tv_sec + used.ru_stime.tv_sec) +
         static_cast<double>(used.ru_utime.tv_usec + used.ru_stime.tv_usec) / 1e6;
}

// A port that answers and then says nothing (a service that is not gpsd, a multiplexer with no
// input): the GPS waits without spinning or a stream of messages, and stops at once.
TEST_F(NetworkSourceTest, ASourceThatConnectsButStaysSilentIsWaitedForQuietly) {
  LoopbackTcpServer silent([](int, const LoopbackTcpServer& peer) { while (peer.Pause(100)) {} });
  Start(GpsSourceKind::Gpsd, silent.Port());
  ASSERT_TRUE(controller.IsOn()) << ::testing::PrintToString(window.Texts());
  const double cpuBefore = ProcessCpuSeconds();
  WaitUntil([] { return false; }, 500ms);
  EXPECT_LT(ProcessCpuSeconds() - cpuBefore, 0.2);
  EXPECT_TRUE(window.fixes.empty());
  EXPECT_EQ(window.Texts().size(), 1u) << ::testing::PrintToString(window.Texts());  // "GPS is open on ..."
  EXPECT_LT(StopTime(), 1000ms);
}

// Junk, then a sentence cut off as the connection drops: one warning; the source is tried
// again and fixes flow once it answers.
TEST_F(NetworkSourceTest, AConnectionThatDropsMidSentenceIsMadeAgain) {
  LoopbackTcpServer server([](int client, const LoopbackTcpServer& peer) {
    if (peer.Connections() == 1) {
      std::string junk(3000, '\0');
      for (std::size_t i = 0; i < junk.size(); ++i) junk[i] = static_cast<char>((i * 131) % 256);
      testing::SendAll(client, junk + kBurst.substr(0, 40));
      peer.Pause(300);
      return;
    }
    SendBurstsUntilStopped(client, peer);
  });
  Start(GpsSourceKind::NmeaTcp, server.Port());
  ASSERT_TRUE(controller.IsOn());
  ASSERT_TRUE(FixArrives());
  EXPECT_GE(server.Connections(), 2);
  const std::vector<std::string> texts = window.Texts();
  ASSERT_EQ(texts.size(), 2u) << ::testing::PrintToString(texts);
  EXPECT_EQ(texts[1], "Lost the GPS on NMEA TCP 127.0.0.1:" + std::to_string(server.Port()) +
                          " (the other end closed the connection).\n\rTrying again every second.");
  EXPECT_LT(StopTime(), 1000ms);
}

// A flood is read a buffer at a time: memory stays bounded and the stop is prompt.
TEST_F(NetworkSourceTest, AFloodingSourceIsReadABufferAtATime) {
  LoopbackTcpServer server([](int client, const LoopbackTcpServer& peer) {
    std::string flood;
    while (flood.size() < 64 * 1024) flood += kBurst;
    while (!peer.Stopping() && testing::SendAll(client, flood)) {}
  });
  Start(GpsSourceKind::NmeaTcp, server.Port());
  ASSERT_TRUE(FixArrives());
  ASSERT_TRUE(WaitUntil([&] { return window.fixes.size() >= 5; }, 5000ms));
  EXPECT_LE(controller.Feed()->BurstLength(), GpsFeed::kBufferSize);
  EXPECT_LT(StopTime(), 1000ms);
}

}  // namespace
}  // namespace nocturna
