#include "gps/file_read_thread.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QMetaObject>

#include "platform/gps_feed.h"

namespace nocturna {
namespace {

// After a device error, a hang-up or a lost connection, the pause before the next read: about
// one receiver burst, so a pulled cable neither spins nor floods the window thread.
constexpr int kFailedReadPauseMs = 1000;

}  // namespace

TFileReadThread::TFileReadThread(GpsFeed& feed, QObject* context, std::function<void()> onGpsData,
                                 std::function<void(const std::string& reason)> onLost)
    : feed_(feed), context_(context), onGpsData_(std::move(onGpsData)), onLost_(std::move(onLost)) {
  if (Ready()) start();
}

TFileReadThread::~TFileReadThread() { Stop(); }

void TFileReadThread::RequestStop() {
  requestInterruption();
  overlapped.Cancel();
}

void TFileReadThread::Stop() {
  RequestStop();
  // The worker may be waiting for the window thread to run a step; deliver it (the step
  // sees the interruption and does nothing) rather than deadlock.
  while (!wait(QDeadlineTimer(5))) QCoreApplication::sendPostedEvents(context_, QEvent::MetaCall);
}

void TFileReadThread::RunOnWindowThread(const std::function<void()>& step) {
  QMetaObject::invokeMethod(
      context_, [this, &step] { if (!isInterruptionRequested()) step(); }, Qt::BlockingQueuedConnection);
}

void TFileReadThread::run() {
  bool answered = true;  // the source opened, or sent bytes since it was last reported lost
  while (!isInterruptionRequested()) {
    feed_.StartRead(overlapped);
    if (overlapped.Cancelled()) break;
    if (overlapped.bytesRead > 0) answered = true;
    if (overlapped.failed && answered && onLost_) {
      answered = false;
      const std::string reason = overlapped.reason;
      RunOnWindowThread([this, &reason] { onLost_(reason); });
    }
    if (overlapped.failed && overlapped.WaitForCancel(kFailedReadPauseMs)) break;
    RunOnWindowThread(onGpsData_);
  }
}

}  // namespace nocturna
