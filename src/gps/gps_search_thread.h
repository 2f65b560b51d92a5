#pragma once
// The search for the receiver and the opening of its port, off the window thread, so that
// the window stays responsive through the seconds of listening and a second click can
// cancel. The boxes the search raises are kept and shown afterwards on the window thread.
#include <QThread>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/cancel_signal.h"
#include "platform/message_presenter.h"
#include "platform/serial_device_resolver.h"

namespace nocturna {

class GPSPort;

struct GpsSearchOutcome {
  std::unique_ptr<GPSPort> port;  // open and set for reading; null when the search failed
  std::vector<Message> messages;  // the boxes the search raised, in order
  std::string problem;            // why it failed, with the system's reason, for logs and tests
  bool cancelled = false;
};

class GpsSearchThread : public QThread {
 public:
  // probing runs on the search thread as each port's probe begins ("COM3"). Start with start().
  GpsSearchThread(SerialDeviceResolver resolver, std::function<void(const std::string& portName)> probing);
  // Cancels and joins.
  ~GpsSearchThread() override;

  // Ends the search at its next pause, within milliseconds. Any thread.
  void Cancel();
  // The result, once the thread has finished (window thread).
  GpsSearchOutcome TakeOutcome();

 protected:
  void run() override;

 private:
  SerialDeviceResolver resolver_;
  std::function<void(const std::string& portName)> probing_;
  CancelSignal cancel_;
  GpsSearchOutcome outcome_;
};

}  // namespace nocturna
