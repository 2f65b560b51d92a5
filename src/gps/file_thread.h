#pragma once
// The worker thread that owns a serial port's read completion: its handle, and the
// cancellable read record with its signal.
#include <QThread>

#include "platform/com_port.h"

namespace nocturna {

class TFileThread : public QThread {
 public:
  explicit TFileThread(int handle) : handle_(handle) {}

  int Handle() const { return handle_; }
  // False when the read record's cancel signal could not be made (see CancelSignal::Ready).
  bool Ready() const { return overlapped.Ready(); }
  const std::string& Problem() const { return overlapped.Problem(); }

 protected:
  OverlappedRead overlapped;

 private:
  int handle_;
};

}  // namespace nocturna
