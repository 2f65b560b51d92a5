#pragma once
// Pseudo-terminal receivers, port maps and a fake main window for the serial tests.
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "gps/gps_controller.h"
#include "gps/gps_window.h"
#include "platform/system_clock.h"
#include "support/recording_presenter.h"

namespace nocturna::testing {

// One end of a pseudo-terminal for the program (DevicePath) and the other for a simulated
// receiver, which can write bursts, repeat one, fall silent or hang up.
class PtyReceiver {
 public:
  PtyReceiver() {
    char name[256] = {};
    if (::openpty(&master_, &slave_, name, nullptr, nullptr) != 0) std::abort();
    path_ = name;
    termios raw{};
    ::tcgetattr(slave_, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(slave_, TCSANOW, &raw);
  }
  ~PtyReceiver() {
    StopRepeating();
    HangUp();
    if (slave_ >= 0) ::close(slave_);
  }
  PtyReceiver(const PtyReceiver&) = delete;
  PtyReceiver& operator=(const PtyReceiver&) = delete;

  const std::string& DevicePath() const { return path_; }

  // Writes the bytes, then wakes the window thread's event wait (WaitUntil) so that a wait
  // on the receiver's own progress (Writes) is an event like any other.
  void Write(const std::string& bytes) {
    {
      std::lock_guard lock(writeMutex_);
      std::size_t done = 0;
      while (master_ >= 0 && done < bytes.size()) {
        const ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
      }
      ++writes_;
    }
    if (QCoreApplication* application = QCoreApplication::instance()) {
      QMetaObject::invokeMethod(application, [] {}, Qt::QueuedConnection);
    }
  }
  // The writes so far.
  int Writes() const { return writes_.load(); }

  // Writes burst every period until StopRepeating (a receiver's once-a-second output).
  void Repeat(std::string burst, std::chrono::milliseconds period) {
    StopRepeating();
    repeating_ = true;
    writer_ = std::thread([this, burst = std::move(burst), period] {
      while (repeating_) {
        Write(burst);
        for (auto slept = std::chrono::milliseconds(0); repeating_ && slept < period; slept += std::chrono::milliseconds(10)) {
          std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
      }
    });
  }
  void StopRepeating() {
    repeating_ = false;
    if (writer_.joinable()) writer_.join();
  }
  // The receiver's end goes away, as when its cable is pulled.
  void HangUp() {
    std::lock_guard lock(writeMutex_);
    if (master_ >= 0) ::close(master_);
    master_ = -1;
  }

 private:
  int master_ = -1;
  int slave_ = -1;  // held so the line stays up while the program opens and closes it
  std::string path_;
  std::mutex writeMutex_;
  std::atomic<int> writes_{0};
  std::atomic<bool> repeating_{false};
  std::thread writer_;
};

// The window's texts about the port, byte for byte.
inline const std::string kGpsOpened = "GPS is open on COM1\n\rAcquiring Satellites - Please Wait";
inline const std::string kGpsOpenFailed = "Could not open GPS\n\rPlease retry";
inline const std::string kGpsNotFound = "Could not find a GPS\n\rPlease check to see if a GPS is attached!";
inline const std::string kGpsPoorCoverage = "GPS coverage is poor, Please Wait";

// "$body*CS\r\n" with the checksum fitted to the body.
inline std::string Sentence(const std::string& body) {
  unsigned sum = 0;
  for (const char c : body) sum ^= static_cast<unsigned char>(c);
  char checksum[4];
  std::snprintf(checksum, sizeof checksum, "*%02X", sum);
  return "$" + body + checksum + "\r\n";
}

// A computer clock that cannot be read or set.
class NoClock : public SystemClock {
 public:
  UtcCalendar ReadUtc() const override { return {}; }
  bool SetUtc(const UtcCalendar&) override { return false; }
};

// Sets NOCTURNA_COM1..9 to the given devices (missing or empty: no port), for one test.
class PortMap {
 public:
  explicit PortMap(const std::vector<std::string>& devices) {
    for (int n = 1; n <= 9; ++n) {
      const std::string value = n <= static_cast<int>(devices.size()) ? devices[n - 1] : "";
      ::setenv(("NOCTURNA_COM" + std::to_string(n)).c_str(), value.c_str(), 1);
    }
  }
  ~PortMap() {
    for (int n = 1; n <= 9; ++n) ::unsetenv(("NOCTURNA_COM" + std::to_string(n)).c_str());
  }
};

// An upper bound for waits on events, generous enough for a machine under heavy load.
inline constexpr std::chrono::milliseconds kGenerousBound{30000};

// Runs the window thread's events until done() holds, waking for each event that arrives
// (a burst's step, a thread's end, a signal); false when bound passes first.
inline bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds bound = kGenerousBound) {
  const QDeadlineTimer deadline(bound);
  QTimer wake;  // so the wait below ends at the bound even when nothing else happens
  wake.setSingleShot(true);
  wake.setTimerType(Qt::PreciseTimer);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    // A timer may fire a little early: armed again for what is left, so no wait outlasts the bound.
    if (!wake.isActive()) wake.start(std::max<qint64>(deadline.remainingTime(), 1));
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  return true;
}

// Aborts the test program with a message when the code it guards has not finished by the
// bound: what "promptly" means for a call that would otherwise hang (a stop that never ends).
class Watchdog {
 public:
  explicit Watchdog(const char* what, std::chrono::milliseconds bound = kGenerousBound)
      : thread_([this, what, bound] {
          std::unique_lock lock(mutex_);
          if (!finished_.wait_for(lock, bound, [this] { return done_; })) {
            std::fprintf(stderr, "%s did not finish within %lld ms\n", what, static_cast<long long>(bound.count()));
            std::abort();
          }
        }) {}
  ~Watchdog() {
    {
      std::lock_guard lock(mutex_);
      done_ = true;
    }
    finished_.notify_one();
    thread_.join();
  }
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;

 private:
  std::mutex mutex_;
  std::condition_variable finished_;
  bool done_ = false;
  std::thread thread_;
};

// Waits for a search that a click started to end (in a running GPS or a failed start).
inline bool WaitForSearch(const GpsController& controller) {
  return WaitUntil([&] { return !controller.IsSearching(); });
}

struct AppliedFix {
  DrPosition position;
  int zoneDescription = 0;
  std::string latitudeText;
  std::string longitudeText;
};

class FakeGpsWindow : public GpsWindow {
 public:
  void ApplyGpsFix(const DrPosition& position, int zoneDescription, const std::string& latitudeText,
                   const std::string& longitudeText) override {
    fixes.push_back({position, zoneDescription, latitudeText, longitudeText});
  }
  void SetSpeedGpsCaption(const std::string& text, CaptionColour colour) override {
    caption = text;
    captionColour = colour;
  }
  void SetGpsTimeEnabled(bool enabled) override { gpsTimeEnabled = enabled; }
  void ProcessPendingEvents() override { QCoreApplication::processEvents(); }
  MessagePresenter& Presenter() override { return presenter; }

  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const Message& m : presenter.shown) texts.push_back(m.text);
    return texts;
  }

  RecordingPresenter presenter;
  std::vector<AppliedFix> fixes;
  std::string caption = "Start GPS";
  CaptionColour captionColour = kGpsOffColour;
  bool gpsTimeEnabled = false;
};

}  // namespace nocturna::testing
