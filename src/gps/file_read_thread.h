#pragma once
// The GPS reader: reads the receiver burst by burst and has the window thread run the
// parsing and position step after each burst, waiting until it is done, so that all
// state is touched on the window thread only.
#include <functional>

#include "gps/file_thread.h"

class QObject;

namespace nocturna {

class GPSPort;

class TFileReadThread : public TFileThread {
 public:
  // Starts at once when Ready (a reader that could not be stopped never starts). onGpsData runs on context's thread (the window thread) after each
  // completed read.
  TFileReadThread(GPSPort& port, QObject* context, std::function<void()> onGpsData);
  // Stops the thread if it still runs.
  ~TFileReadThread() override;

  // Asks the loop to end and cancels the pending read; a step not yet run is skipped.
  // Any thread.
  void RequestStop();
  // RequestStop, then joins the thread. Returns within a few milliseconds whether or not
  // the receiver is sending; call on the window thread.
  void Stop();

 protected:
  void run() override;

 private:
  GPSPort& port_;
  QObject* context_;
  std::function<void()> onGpsData_;
};

}  // namespace nocturna
