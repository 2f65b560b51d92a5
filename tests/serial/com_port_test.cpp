// The termios serial port over pseudo-terminals.
#include "platform/com_port.h"

#include <gtest/gtest.h>
#include <poll.h>

#include <chrono>
#include <future>
#include <stdexcept>

#include "support/serial_test_support.h"

namespace nocturna {
namespace {

using testing::PortMap;
using testing::PtyReceiver;
using testing::RecordingPresenter;

// Waits, with a generous bound, until the port has bytes to read.
bool DataArrives(const COMPort& port) {
  pollfd fd{port.Handle(), POLLIN, 0};
  return ::poll(&fd, 1, static_cast<int>(testing::kGenerousBound.count())) == 1;
}

// The fixed text of a failure, which the program's messages go by.
std::string ErrorText(const PortResult& result) { return result ? "(no failure)" : result.message; }

TEST(SerialDeviceResolverTest, MapsPortNamesToDevicesInOrder) {
  const SerialDeviceResolver resolver({"/dev/ttyUSB0", "", "/dev/ttyS0"});
  EXPECT_EQ(resolver.DevicePath("COM1").value_or("none"), "/dev/ttyUSB0");
  EXPECT_FALSE(resolver.DevicePath("COM2"));  // empty entry: no port
  EXPECT_EQ(resolver.DevicePath("COM3").value_or("none"), "/dev/ttyS0");
  for (const char* name : {"COM0", "COM4", "COM:", "COM", "LPT1", "COM10"}) {
    EXPECT_FALSE(resolver.DevicePath(name)) << name;
  }
}

TEST(SerialDeviceResolverTest, EnvironmentOverridesReplaceTheMachinesDevices) {
  const PortMap map({"", "/dev/pts/99"});
  const SerialDeviceResolver resolver = SerialDeviceResolver::FromEnvironment();
  EXPECT_FALSE(resolver.DevicePath("COM1"));
  EXPECT_EQ(resolver.DevicePath("COM2").value_or("none"), "/dev/pts/99");
  EXPECT_FALSE(resolver.DevicePath("COM3"));
}

TEST(COMPortTest, OpensTheFirstPortFromTheSearchStartAndSettlesIt) {
  PtyReceiver receiver;
  const PortMap map({"", receiver.DevicePath()});
  RecordingPresenter presenter;
  COMPort port(SerialDeviceResolver::FromEnvironment());
  int n = 0;  // COM0 never opens, COM1 is absent
  ASSERT_TRUE(port.OpenFirstAvailable(n, presenter));
  EXPECT_EQ(n, 2);
  EXPECT_EQ(port.PortName(), "COM2");
  ReadTimeouts timeouts{9, 9, 9};
  ASSERT_TRUE(port.GetTimeouts(timeouts));
  EXPECT_EQ(timeouts.interval, 0u);
  EXPECT_EQ(timeouts.multiplier, 0u);
  EXPECT_EQ(timeouts.constant, 0u);
  EXPECT_TRUE(presenter.shown.empty());

  // A second program (or a second port object) may not share the open port.
  COMPort second(SerialDeviceResolver::FromEnvironment());
  int m = 2;
  const PortResult held = second.OpenFirstAvailable(m, presenter);
  EXPECT_EQ(ErrorText(held), "COMPort: failed to open.");
  EXPECT_EQ(held.reason, "Resource temporarily unavailable");  // the lock is held
  ASSERT_TRUE(port.Close());
  const PortResult secondClose = port.Close();
  EXPECT_EQ(ErrorText(secondClose), "COMPort: failed to close.");
  EXPECT_EQ(secondClose.reason, "Bad file descriptor");
}

TEST(COMPortTest, NoPortFromTheSearchStartUpwardTellsTheUserAndThrows) {
  PtyReceiver receiver;
  const PortMap map({receiver.DevicePath()});  // only COM1
  RecordingPresenter presenter;
  COMPort port(SerialDeviceResolver::FromEnvironment());
  int n = 3;
  EXPECT_EQ(ErrorText(port.OpenFirstAvailable(n, presenter)), "COMPort: failed to open.");
  EXPECT_EQ(n, 25);
  ASSERT_EQ(presenter.shown.size(), 1u);
  EXPECT_EQ(presenter.shown[0].text, "Could not find a GPS\n\rPlease check to see if a GPS is attached!");
  EXPECT_EQ(presenter.shown[0].kind, MessageKind::Information);
  EXPECT_EQ(presenter.shown[0].buttons, MessageButtons::Ok);
}

TEST(COMPortTest, LineSettingsAndTimeoutsKeepWhatWasSet) {
  PtyReceiver receiver;
  const PortMap map({receiver.DevicePath()});
  RecordingPresenter presenter;
  COMPort port(SerialDeviceResolver::FromEnvironment());
  int n = 1;
  ASSERT_TRUE(port.OpenFirstAvailable(n, presenter));

  // (A pseudo-terminal takes rate and stop bits; some refuse parity and short bytes.)
  ASSERT_TRUE(port.SetBaudRate(9600));
  ASSERT_TRUE(port.SetParity(0));
  ASSERT_TRUE(port.SetDataBits(8));
  ASSERT_TRUE(port.SetStopBits(2));
  ASSERT_TRUE(port.SetBaudRate(4800));  // one field changes, the rest stays as set
  ASSERT_TRUE(port.ReadState());        // and the device really holds them
  EXPECT_EQ(port.BaudRate(), 4800u);
  EXPECT_EQ(port.Parity(), 0);
  EXPECT_EQ(port.DataBits(), 8);
  EXPECT_EQ(port.StopBits(), 2);

  for (const auto& [bad, name] : std::initializer_list<std::pair<std::function<PortResult()>, const char*>>{
           {[&] { return port.SetBaudRate(4801); }, "rate"},
           {[&] { return port.SetDataBits(9); }, "data bits"},
           {[&] { return port.SetParity(5); }, "parity"}}) {
    const PortResult result = bad();
    EXPECT_EQ(ErrorText(result), "COMPort: could not modify serial port state.") << name;
    EXPECT_EQ(result.reason, "Invalid argument") << name;
  }

  ASSERT_TRUE(port.SetTimeouts(kReadReturnAtOnce, 7, 8));  // totals ignored with "return at once"
  ReadTimeouts timeouts;
  ASSERT_TRUE(port.GetTimeouts(timeouts));
  EXPECT_EQ(timeouts.interval, kReadReturnAtOnce);
  EXPECT_EQ(timeouts.multiplier, 0u);
  EXPECT_EQ(timeouts.constant, 0u);
  ASSERT_TRUE(port.SetTimeouts(200, 7, 8));
  ASSERT_TRUE(port.GetTimeouts(timeouts));
  EXPECT_EQ(timeouts.multiplier, 7u);
  EXPECT_EQ(timeouts.constant, 8u);

  ASSERT_TRUE(port.Close());
  EXPECT_FALSE(port.GetTimeouts(timeouts));
  EXPECT_EQ(ErrorText(port.SetTimeouts(0, 0, 0)), "COMPort: failed to retrieve timeouts.");
  EXPECT_EQ(ErrorText(port.ReadState()), "COMPort: could not retrieve serial port state.");
  EXPECT_EQ(ErrorText(port.WriteState()), "COMPort: could not modify serial port state.");
}

TEST(COMPortTest, ReadsFollowTheTimeouts) {
  PtyReceiver receiver;
  const PortMap map({receiver.DevicePath()});
  RecordingPresenter presenter;
  COMPort port(SerialDeviceResolver::FromEnvironment());
  int n = 1;
  ASSERT_TRUE(port.OpenFirstAvailable(n, presenter));
  char buffer[64] = {};

  ASSERT_TRUE(port.SetTimeouts(kReadReturnAtOnce, 0, 0));
  EXPECT_EQ(port.Read(buffer, sizeof buffer).bytes, 0u);  // nothing there: at once
  receiver.Write("$GPGLL");
  ASSERT_TRUE(DataArrives(port));
  EXPECT_EQ(port.Read(buffer, sizeof buffer).bytes, 6u);

  // Interval time-out: the read ends on a pause after the first byte, not before it.
  ASSERT_TRUE(port.SetTimeouts(100, 0, 0));
  auto pending = std::async(std::launch::async, [&] { return port.Read(buffer, sizeof buffer).bytes; });
  EXPECT_EQ(pending.wait_for(std::chrono::milliseconds(300)), std::future_status::timeout)
      << "the read ended before its first byte";
  receiver.Write("$GPRMC,");
  EXPECT_EQ(pending.get(), 7u);

  // Total time-out with nothing arriving.
  ASSERT_TRUE(port.SetTimeouts(0, 0, 50));
  EXPECT_EQ(port.Read(buffer, sizeof buffer).bytes, 0u);

  receiver.HangUp();
  ASSERT_TRUE(port.SetTimeouts(0, 0, 0));
  const PortRead failed = port.Read(buffer, sizeof buffer);
  EXPECT_EQ(ErrorText(failed.result), "COMPort: read failed ");
  EXPECT_FALSE(failed.result.reason.empty());
}

TEST(COMPortTest, ACancelledReadReturnsPromptlyAndAHangUpIsReported) {
  PtyReceiver receiver;
  const PortMap map({receiver.DevicePath()});
  RecordingPresenter presenter;
  COMPort port(SerialDeviceResolver::FromEnvironment());
  int n = 1;
  ASSERT_TRUE(port.OpenFirstAvailable(n, presenter));
  ASSERT_TRUE(port.SetTimeouts(200, 0, 0));
  OverlappedRead overlapped;
  char buffer[500];

  // Nothing arrives: without the cancel this read would wait for ever.
  auto pending = std::async(std::launch::async, [&] { return port.ReadAsync(buffer, sizeof buffer, overlapped); });
  overlapped.Cancel();
  ASSERT_EQ(pending.wait_for(testing::kGenerousBound), std::future_status::ready);
  EXPECT_EQ(pending.get(), 0u);
  EXPECT_FALSE(overlapped.failed);

  overlapped.Reset();
  receiver.HangUp();
  EXPECT_EQ(port.ReadAsync(buffer, sizeof buffer, overlapped), 0u);
  EXPECT_TRUE(overlapped.failed);
}

}  // namespace
}  // namespace nocturna
