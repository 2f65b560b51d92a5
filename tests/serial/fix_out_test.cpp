// The fix out: a plotter stand-in connects over TCP (or listens for UDP) on 127.0.0.1 and reads
// each new fix as a waypoint sentence whose checksum it checks.
#include <gtest/gtest.h>
#include <poll.h>

#include <string>

#include "foundations/date_time.h"
#include "navigation/nmea_sentence.h"
#include "navigation/nmea_waypoint.h"
#include "platform/network/fix_broadcaster.h"
#include "support/loopback_peer.h"

namespace nocturna {
namespace {

using testing::ConnectTo;
using testing::ReadLine;

// Checksums as a plotter computes them, apart from the program's own.
bool ChecksumHolds(const std::string& line) {
  const std::size_t star = line.find('*');
  unsigned sum = 0;
  for (std::size_t i = 1; i < star; ++i) sum ^= static_cast<unsigned char>(line[i]);
  return star != std::string::npos && std::stoul(line.substr(star + 1, 2), nullptr, 16) == sum;
}

TEST(FixOut, WaypointSentencesCarryThePositionTheTimeAndAValidChecksum) {
  const DateTime utc = EncodeDateTime(1994, 3, 23, 12, 35, 19);
  struct Case {
    DrPosition position;  // north and WEST positive
    std::string expected;
  };
  // Bowditch's textbook position 48°07.038'N 11°31.000'E, and one south and west.
  for (const Case& c : {Case{{48.1173, -(11.0 + 31.0 / 60.0)}, "$ECWPL,4807.0380,N,01131.0000,E,FIX123519*"},
                        Case{{-(33.0 + 51.54 / 60.0), 70.5}, "$ECWPL,3351.5400,S,07030.0000,W,FIX123519*"}}) {
    const std::string line = WaypointSentence(c.position, utc);
    EXPECT_EQ(line.substr(0, c.expected.size()), c.expected);
    EXPECT_TRUE(ChecksumHolds(line)) << line;
    EXPECT_TRUE(NmeaChecksumOk(line.substr(0, line.size() - 2)));
    EXPECT_EQ(line.substr(line.size() - 2), "\r\n");
  }
}

TEST(FixOut, PlottersOnTcpGetEachFixAndALateOneTheLastAndUdpToo) {
  const int port = testing::RefusingPort();
  FixBroadcaster out;
  ASSERT_EQ(out.Start({FixOutKind::TcpServer, {"127.0.0.1", port}}), "");
  const int early = ConnectTo(port);
  ASSERT_GE(early, 0);
  const std::string fix = WaypointSentence({48.1173, -11.5}, EncodeDateTime(2026, 6, 1, 20, 15, 0));
  out.Send(fix);
  EXPECT_EQ(ReadLine(early), fix);
  const int late = ConnectTo(port);
  out.AcceptPlotters();
  EXPECT_EQ(ReadLine(late), fix);
  EXPECT_EQ(out.Plotters(), 2u);
  ::close(early);
  out.Send(fix);  // the closed plotter is dropped without a stall
  out.Send(fix);
  EXPECT_EQ(out.Plotters(), 1u);
  ::close(late);

  FixBroadcaster busy;
  EXPECT_EQ(busy.Start({FixOutKind::TcpServer, {"127.0.0.1", port}}),
            "Could not send fixes on TCP port " + std::to_string(port) + ": Address already in use");

  int udpPort = 0;
  const int plotter = testing::BoundLoopbackSocket(SOCK_DGRAM, udpPort);
  ASSERT_EQ(out.Start({FixOutKind::Udp, {"127.0.0.1", udpPort}}), "");
  out.Send(fix);
  char datagram[200] = {};
  pollfd ready{plotter, POLLIN, 0};
  ASSERT_EQ(::poll(&ready, 1, 2000), 1);
  EXPECT_EQ(std::string(datagram, ::recv(plotter, datagram, sizeof datagram, 0)), fix);
  ::close(plotter);
}

}  // namespace
}  // namespace nocturna
