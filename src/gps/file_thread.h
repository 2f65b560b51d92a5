#pragma once
// The worker thread that owns a source's read completion: the cancellable read record with
// its signal.
#include <QThread>

#include "platform/com_port.h"

namespace nocturna {

class TFileThread : public QThread {
 public:
  // False when the read record's cancel signal could not be made (see CancelSignal::Ready).
  bool Ready() const { return overlapped.Ready(); }
  const std::string& Problem() const { return overlapped.Problem(); }

 protected:
  OverlappedRead overlapped;
};

}  // namespace nocturna
