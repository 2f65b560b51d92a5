#pragma once
// The search for the receiver and the opening of its source, off the window thread, so that
// the window stays responsive through the seconds of listening or connecting and a second
// click can cancel. The boxes the search raises are kept and shown afterwards on the window
// thread.
#include <QThread>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/cancel_signal.h"
#include "platform/gps_feed.h"
#include "platform/message_presenter.h"

namespace nocturna {

// What an opening gives: the source, open and reading, or why there is none.
struct GpsFeedOpening {
  std::unique_ptr<GpsFeed> feed;
  PortResult result;
};

// Opens a source on the search thread: boxes go to the presenter, and the cancel signal ends
// the opening at its next pause.
using GpsOpener = std::function<GpsFeedOpening(MessagePresenter& presenter, const CancelSignal& cancel)>;

struct GpsSearchOutcome {
  std::unique_ptr<GpsFeed> feed;  // open and set for reading; null when the search failed
  std::vector<Message> messages;  // the boxes the search raised, in order
  std::string problem;            // why it failed, with the system's reason, for logs and tests
  bool cancelled = false;
};

class GpsSearchThread : public QThread {
 public:
  // Start with start().
  explicit GpsSearchThread(GpsOpener open);
  // Cancels and joins.
  ~GpsSearchThread() override;

  // Ends the search at its next pause, within milliseconds. Any thread.
  void Cancel();
  // The result, once the thread has finished (window thread).
  GpsSearchOutcome TakeOutcome();

 protected:
  void run() override;

 private:
  GpsOpener open_;
  CancelSignal cancel_;
  GpsSearchOutcome outcome_;
};

}  // namespace nocturna
