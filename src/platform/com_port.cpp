#include "platform/com_port.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <stdexcept>
#include <thread>

#include "platform/message_presenter.h"

namespace nocturna {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr int kLastPortNumber = 25;

struct BaudRow {
  std::uint32_t rate;
  speed_t speed;
};
constexpr std::array<BaudRow, 15> kBaudRates = {{
    {110, B110}, {300, B300}, {600, B600}, {1200, B1200}, {2400, B2400},
    {4800, B4800}, {9600, B9600}, {19200, B19200}, {38400, B38400}, {57600, B57600},
    {115200, B115200}, {230400, B230400}, {460800, B460800}, {921600, B921600}, {0, B0},
}};

constexpr const char* kCouldNotModifyState = "COMPort: could not modify serial port state.";

}  // namespace

// ---- COMPort ----

COMPort::COMPort(SerialDeviceResolver resolver) : resolver_(std::move(resolver)) {}

COMPort::~COMPort() {
  if (handle >= 0) ::close(handle);
}

int COMPort::OpenDevice() {
  const std::optional<std::string> path = resolver_.DevicePath(portName);
  if (!path) return ENOENT;
  const int fd = ::open(path->c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return errno;
  // Not a terminal, or held by another program: not a port we may use.
  if (!::isatty(fd) || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int error = errno;
    ::close(fd);
    return error;
  }
  handle = fd;
  return 0;
}

bool COMPort::Pause(int milliseconds) const {
  if (cancel_ == nullptr) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    return true;
  }
  return !cancel_->WaitForCancel(milliseconds);
}

PortResult COMPort::Settle() {
  lineSettings = std::make_unique<termios>();
  Pause(500);
  PortResult result = ReadState();
  if (result) result = SetTimeouts(0, 0, 0);
  if (result) result = SetFlowControl(true);
  return result;
}

PortResult COMPort::OpenFirstAvailable(int& n, MessagePresenter& presenter) {
  int reason = ENOENT;  // the telling one: a port that is there but would not open
  for (;; ++n) {
    portName = std::string("COM") + static_cast<char>('0' + n);
    const int error = OpenDevice();
    if (error == 0) break;
    if (error != ENOENT) reason = error;
    if (n >= kLastPortNumber) {
      presenter.Show({MessageKind::Information, "Could not find a GPS\n\rPlease check to see if a GPS is attached!",
                      "", MessageButtons::Ok, MessageAnswer::Ok});
      return PortResult::Failure("COMPort: failed to open.", reason);
    }
  }
  return Settle();
}

PortResult COMPort::Close() {
  lineSettings.reset();
  const int fd = handle;
  handle = -1;
  if (fd < 0) return PortResult::Failure("COMPort: failed to close.", EBADF);
  if (::close(fd) != 0) return PortResult::Failure("COMPort: failed to close.", errno);
  return PortResult::Success();
}

PortResult COMPort::ReadState() {
  if (!lineSettings) lineSettings = std::make_unique<termios>();
  for (int attempt = 1;; ++attempt) {
    if (handle >= 0 && ::tcgetattr(handle, lineSettings.get()) == 0) break;
    const int error = handle < 0 ? EBADF : errno;
    if (attempt == 5 || !Pause(100)) return PortResult::Failure("COMPort: could not retrieve serial port state.", error);
  }
  // A serial driver's line is always binary: no echo, no line editing, no translation.
  termios& t = *lineSettings;
  t.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF);
  t.c_oflag &= ~static_cast<tcflag_t>(OPOST);
  t.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
  t.c_cflag |= CREAD | CLOCAL;
  t.c_cc[VMIN] = 0;
  t.c_cc[VTIME] = 0;
  return PortResult::Success();
}

PortResult COMPort::WriteState() {
  if (handle < 0 || !lineSettings) return PortResult::Failure(kCouldNotModifyState, EBADF);
  if (::tcsetattr(handle, TCSANOW, lineSettings.get()) != 0) return PortResult::Failure(kCouldNotModifyState, errno);
  return PortResult::Success();
}

PortResult COMPort::SetBaudRate(std::uint32_t rate) {
  const auto row = std::find_if(kBaudRates.begin(), kBaudRates.end(), [rate](const BaudRow& r) { return r.rate == rate; });
  if (!lineSettings) return PortResult::Failure(kCouldNotModifyState, EBADF);
  if (row == kBaudRates.end() || rate == 0) return PortResult::Failure(kCouldNotModifyState, EINVAL);
  ::cfsetispeed(lineSettings.get(), row->speed);
  ::cfsetospeed(lineSettings.get(), row->speed);
  return WriteState();
}

std::uint32_t COMPort::BaudRate() const {
  if (!lineSettings) return 0;
  const speed_t speed = ::cfgetispeed(lineSettings.get());
  const auto row = std::find_if(kBaudRates.begin(), kBaudRates.end(), [speed](const BaudRow& r) { return r.speed == speed; });
  return row == kBaudRates.end() ? 0 : row->rate;
}

PortResult COMPort::SetParity(std::uint8_t code) {
  if (!lineSettings) return PortResult::Failure(kCouldNotModifyState, EBADF);
  if (code > 4) return PortResult::Failure(kCouldNotModifyState, EINVAL);
  tcflag_t& c = lineSettings->c_cflag;
  c &= ~static_cast<tcflag_t>(PARENB | PARODD | CMSPAR);
  constexpr std::array<tcflag_t, 5> kParityFlags = {0, PARENB | PARODD, PARENB, PARENB | PARODD | CMSPAR,
                                                    PARENB | CMSPAR};
  c |= kParityFlags[code];
  return WriteState();
}

std::uint8_t COMPort::Parity() const {
  if (!lineSettings) return 0;
  const tcflag_t c = lineSettings->c_cflag;
  if (!(c & PARENB)) return 0;
  if (c & CMSPAR) return (c & PARODD) ? 3 : 4;
  return (c & PARODD) ? 1 : 2;
}

PortResult COMPort::SetDataBits(std::uint8_t bits) {
  if (!lineSettings) return PortResult::Failure(kCouldNotModifyState, EBADF);
  if (bits < 5 || bits > 8) return PortResult::Failure(kCouldNotModifyState, EINVAL);
  constexpr std::array<tcflag_t, 4> kSizes = {CS5, CS6, CS7, CS8};
  lineSettings->c_cflag = (lineSettings->c_cflag & ~static_cast<tcflag_t>(CSIZE)) | kSizes[bits - 5];
  return WriteState();
}

std::uint8_t COMPort::DataBits() const {
  if (!lineSettings) return 0;
  switch (lineSettings->c_cflag & CSIZE) {
    case CS5: return 5;
    case CS6: return 6;
    case CS7: return 7;
    default: return 8;
  }
}

PortResult COMPort::SetStopBits(std::uint8_t code) {
  if (!lineSettings) return PortResult::Failure(kCouldNotModifyState, EBADF);
  if (code > 2) return PortResult::Failure(kCouldNotModifyState, EINVAL);
  if (code == 0) {
    lineSettings->c_cflag &= ~static_cast<tcflag_t>(CSTOPB);
  } else {
    lineSettings->c_cflag |= CSTOPB;
  }
  return WriteState();
}

std::uint8_t COMPort::StopBits() const {
  return lineSettings && (lineSettings->c_cflag & CSTOPB) ? 2 : 0;
}

PortResult COMPort::SetFlowControl(bool on) {
  if (!lineSettings) return PortResult::Failure(kCouldNotModifyState, EBADF);
  if (on) {
    lineSettings->c_cflag |= CRTSCTS;
  } else {
    lineSettings->c_cflag &= ~static_cast<tcflag_t>(CRTSCTS);
    // Hold RTS on; a line without modem lines (a pseudo-terminal) has nothing to hold.
    int rts = TIOCM_RTS;
    ::ioctl(handle, TIOCMBIS, &rts);
  }
  return WriteState();
}

PortResult COMPort::SetTimeouts(std::uint32_t interval, std::uint32_t multiplier, std::uint32_t constant) {
  ReadTimeouts current;
  if (!GetTimeouts(current)) return PortResult::Failure("COMPort: failed to retrieve timeouts.", EBADF);
  current.interval = interval;
  current.multiplier = interval == kReadReturnAtOnce ? 0 : multiplier;
  current.constant = interval == kReadReturnAtOnce ? 0 : constant;
  timeouts_ = current;  // kept by the port itself: the device has nothing to refuse
  return PortResult::Success();
}

bool COMPort::GetTimeouts(ReadTimeouts& timeouts) const {
  if (handle < 0) return false;
  timeouts = timeouts_;
  return true;
}

COMPort::ReadOutcome COMPort::ReadWithTimeouts(char* buffer, std::size_t count, int cancelFd) {
  ReadOutcome outcome;
  if (handle < 0) {
    outcome.failed = true;
    outcome.reason = SystemReason(EBADF);
    return outcome;
  }
  const ReadTimeouts t = timeouts_;
  const bool atOnce = t.interval == kReadReturnAtOnce;
  const bool totalLimit = !atOnce && (t.multiplier != 0 || t.constant != 0);
  const auto deadline =
      Clock::now() + milliseconds(static_cast<std::uint64_t>(t.multiplier) * count + t.constant);
  while (outcome.bytes < count) {
    long waitMs = -1;  // without limit
    if (atOnce) {
      waitMs = 0;
    } else {
      if (outcome.bytes > 0 && t.interval != 0) waitMs = t.interval;
      if (totalLimit) {
        const long left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) break;
        waitMs = waitMs < 0 ? left : std::min(waitMs, left);
      }
    }
    pollfd fds[2] = {{handle, POLLIN, 0}, {cancelFd, POLLIN, 0}};
    const int ready = ::poll(fds, cancelFd >= 0 ? 2 : 1, static_cast<int>(std::min(waitMs, 0x7FFFFFFFL)));
    if (ready < 0) {
      if (errno == EINTR) continue;
      outcome.failed = true;
      outcome.reason = SystemReason(errno);
      break;
    }
    if (cancelFd >= 0 && (fds[1].revents & POLLIN)) break;
    if (ready == 0) break;  // timed out
    if (fds[0].revents & (POLLIN | POLLHUP | POLLERR | POLLNVAL)) {
      const ssize_t got = ::read(handle, buffer + outcome.bytes, count - outcome.bytes);
      if (got > 0) {
        outcome.bytes += static_cast<std::size_t>(got);
      } else if (got < 0 && (errno == EAGAIN || errno == EINTR)) {
        continue;
      } else {
        outcome.failed = true;  // error, or the other end hung up
        outcome.reason = got < 0 ? SystemReason(errno) : "the line was hung up";
        break;
      }
    }
  }
  return outcome;
}

PortRead COMPort::Read(char* buffer, std::size_t count) {
  const ReadOutcome outcome = ReadWithTimeouts(buffer, count, -1);
  if (outcome.failed) return {PortResult{"COMPort: read failed ", outcome.reason}, outcome.bytes};
  return {PortResult::Success(), outcome.bytes};
}

std::size_t COMPort::ReadAsync(char* buffer, std::size_t count, OverlappedRead& overlapped) {
  const ReadOutcome outcome = ReadWithTimeouts(buffer, count, overlapped.SignalFd());
  overlapped.bytesRead = outcome.bytes;
  overlapped.failed = outcome.failed;
  overlapped.reason = outcome.reason;
  return outcome.bytes;
}

}  // namespace nocturna
