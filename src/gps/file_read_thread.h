#pragma once
// The GPS reader: reads the source burst by burst and has the window thread run the
// parsing and position step after each burst, waiting until it is done, so that all
// state is touched on the window thread only.
#include <functional>
#include <string>

#include "gps/file_thread.h"

class QObject;

namespace nocturna {

class GpsFeed;

class TFileReadThread : public TFileThread {
 public:
  // Starts at once when Ready (a reader that could not be stopped never starts). onGpsData runs
  // on context's thread (the window thread) after each completed read; onLost there too, with
  // the system's reason, when reads begin to fail after the source had answered (once until it
  // answers again).
  TFileReadThread(GpsFeed& feed, QObject* context, std::function<void()> onGpsData,
                  std::function<void(const std::string& reason)> onLost = {});
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
  // Runs step on the window thread unless stopping, and waits for it.
  void RunOnWindowThread(const std::function<void()>& step);

  GpsFeed& feed_;
  QObject* context_;
  std::function<void()> onGpsData_;
  std::function<void(const std::string& reason)> onLost_;
};

}  // namespace nocturna
