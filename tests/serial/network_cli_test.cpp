// nocturna-almanac's network sources from the command line: a real gpsd fed by gpsfake, and
// NMEA over TCP from a loopback peer. Nothing leaves 127.0.0.1.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "foundations/windows1252.h"
#include "navigation/nmea_replay.h"
#include "support/loopback_peer.h"
#include "support/program_run.h"

extern char** environ;

namespace nocturna {
namespace {

using testing::LoopbackTcpServer;
using testing::ProgramRun;

const std::string kLog = std::string(NOCTURNA_TEST_DATA_DIR) + "/nmea/neo-m8n.log";

ProgramRun Almanac(const std::string& arguments) {
  return testing::RunCommand(std::string(NOCTURNA_ALMANAC_BINARY) + " " + arguments + " 2>&1");
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// gpsfake replaying a log once into its own gpsd on a free loopback port; both stopped at the end.
class GpsFake {
 public:
  explicit GpsFake(const std::string& log) : port_(testing::RefusingPort()) {
    const std::string portText = std::to_string(port_);
    const char* argv[] = {"gpsfake", "-q", "-1", "-c", "0.02", "-P", portText.c_str(), log.c_str(), nullptr};
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);  // its gpsd joins its group
    if (posix_spawnp(&pid_, "gpsfake", nullptr, &attributes, const_cast<char**>(argv), environ) != 0) pid_ = -1;
    posix_spawnattr_destroy(&attributes);
    // Ready once its gpsd listens; this first client starts the replay.
    for (int tries = 0; pid_ > 0 && tries < 200 && !Listening(); ++tries) ::usleep(50000);
  }
  ~GpsFake() {
    if (pid_ <= 0) return;
    ::kill(-pid_, SIGTERM);
    ::waitpid(pid_, nullptr, 0);
  }
  int Port() const { return port_; }

 private:
  bool Listening() const {
    const int probe = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(static_cast<std::uint16_t>(port_));
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool connected = ::connect(probe, reinterpret_cast<sockaddr*>(&to), sizeof to) == 0;
    ::close(probe);
    return connected;
  }

  int port_;
  pid_t pid_ = -1;
};

bool GpsFakeInstalled() { return ::access("/usr/bin/gpsfake", X_OK) == 0 && ::access("/usr/sbin/gpsd", X_OK) == 0; }

TEST(NetworkCliTest, GpsdGivesTheFixesTheLogReplayGives) {
  if (!GpsFakeInstalled()) GTEST_SKIP() << "gpsfake and gpsd are not installed (Debian gpsd, gpsd-clients)";
  const GpsFake fake(kLog);
  // gpsd learns the receiver's kind from its first sentences and passes the rest on.
  const ProgramRun run = Almanac("--gpsd 127.0.0.1:" + std::to_string(fake.Port()) + " --fixes 6 --timeout 30");
  ASSERT_EQ(run.exitCode, 0) << run.out;
  std::ifstream in(kLog, std::ios::binary);
  const std::string log((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  // Byte by byte, every RMC of the log gives its fix: the serial replay's whole list.
  std::vector<std::string> replayed;
  NmeaBurstReplay replay;
  for (std::size_t i = 0; i < log.size(); ++i) {
    if (const auto fix = replay.Feed(&log[i], 1, i + 1 == log.size())) replayed.push_back(Windows1252ToUtf8(fix->line));
  }
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 7u) << run.out;
  // The fixes from gpsd come in the log's order, each one of the replay's.
  std::size_t next = 0;
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    while (next < replayed.size() && replayed[next] != lines[i]) ++next;
    ASSERT_LT(next, replayed.size()) << lines[i] << " is not next among the replay's fixes";
  }
  EXPECT_EQ(lines.back().rfind("bursts ", 0), 0u) << lines.back();
}

TEST(NetworkCliTest, NmeaOverTcpInJsonAndTheFaultsInPlainWords) {
  const std::string rmc = "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A\r\n";
  LoopbackTcpServer server([&](int client, const LoopbackTcpServer& peer) {
    while (testing::SendAll(client, rmc) && peer.Pause(250)) {}
  });
  const std::string at = "127.0.0.1:" + std::to_string(server.Port());
  const ProgramRun json = Almanac("--nmea-tcp " + at + " --fixes 2 --json");
  ASSERT_EQ(json.exitCode, 0) << json.out;
  EXPECT_EQ(json.out.rfind("{\"source\":\"NMEA TCP " + at + "\",\"fixes\":[{\"utcTime\":123519.0,", 0), 0u) << json.out;
  EXPECT_NE(json.out.find("\"latitude\":48.1173"), std::string::npos) << json.out;

  LoopbackTcpServer silent([](int, const LoopbackTcpServer& peer) { peer.Pause(5000); });
  const int refused = testing::RefusingPort();
  const struct {
    std::string arguments;
    int exitCode;
    std::string lastLine;
  } cases[] = {
      {"--nmea-tcp 127.0.0.1:" + std::to_string(silent.Port()) + " --timeout 1", 1,
       "nocturna-almanac: no fix from NMEA TCP 127.0.0.1:" + std::to_string(silent.Port()) + " within 1 s"},
      {"--gpsd 127.0.0.1:" + std::to_string(refused), 1,
       "nocturna-almanac: Could not connect to gpsd at 127.0.0.1:" + std::to_string(refused) + ": Connection refused"},
      {"--gpsd 127.0.0.1:99999", 2,
       "nocturna-almanac: --gpsd '127.0.0.1:99999': expected HOST:PORT, an IPv6 address in brackets"},
      {"--gpsd a:1 --nmea-tcp b:2", 2, "nocturna-almanac: give one of --gpsd, --nmea-tcp and --nmea-udp"},
      {"--gpsd a:1 --fixes 0", 2, "nocturna-almanac: --fixes '0': expected a whole number from 1 to 1000000"},
      {"--gpsd a:1 --burst 5", 2, "nocturna-almanac: --gpsd takes --json, --fixes and --timeout beside it, not --burst"},
  };
  for (const auto& c : cases) {
    const ProgramRun run = Almanac(c.arguments);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments << ": " << run.out;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_FALSE(lines.empty()) << c.arguments;
    EXPECT_EQ(lines.back(), c.lastLine) << c.arguments;
  }
}

}  // namespace
}  // namespace nocturna
