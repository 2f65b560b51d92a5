#include "gps/file_read_thread.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QMetaObject>

#include "gps/gps_port.h"

namespace nocturna {
namespace {

// After a device error or hang-up, the pause before the next read: about one receiver
// burst, so a pulled cable neither spins nor floods the window thread.
constexpr int kFailedReadPauseMs = 1000;

}  // namespace

TFileReadThread::TFileReadThread(GPSPort& port, QObject* context, std::function<void()> onGpsData)
    : TFileThread(port.Handle()), port_(port), context_(context), onGpsData_(std::move(onGpsData)) {
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

void TFileReadThread::run() {
  while (!isInterruptionRequested()) {
    port_.StartRead(overlapped);
    if (overlapped.Cancelled()) break;
    if (overlapped.failed && overlapped.WaitForCancel(kFailedReadPauseMs)) break;
    QMetaObject::invokeMethod(
        context_, [this] { if (!isInterruptionRequested()) onGpsData_(); }, Qt::BlockingQueuedConnection);
  }
}

}  // namespace nocturna
