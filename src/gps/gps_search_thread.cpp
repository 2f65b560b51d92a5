#include "gps/gps_search_thread.h"

namespace nocturna {
namespace {

// Keeps the search's boxes for the window thread; they all have an OK button only.
class KeptMessages : public MessagePresenter {
 public:
  explicit KeptMessages(std::vector<Message>& kept) : kept_(kept) {}
  MessageAnswer Show(const Message& message) override {
    kept_.push_back(message);
    return message.defaultAnswer;
  }

 private:
  std::vector<Message>& kept_;
};

}  // namespace

GpsSearchThread::GpsSearchThread(GpsOpener open) : open_(std::move(open)) {}

GpsSearchThread::~GpsSearchThread() {
  Cancel();
  wait();
}

void GpsSearchThread::Cancel() { cancel_.Cancel(); }

GpsSearchOutcome GpsSearchThread::TakeOutcome() { return std::move(outcome_); }

void GpsSearchThread::run() {
  if (!cancel_.Ready()) {  // a search that could not be cancelled must not begin
    outcome_.problem = cancel_.Problem();
    return;
  }
  KeptMessages presenter(outcome_.messages);
  GpsFeedOpening opening = open_(presenter, cancel_);
  outcome_.feed = std::move(opening.feed);
  outcome_.problem = opening.result.Describe();
  outcome_.cancelled = cancel_.Cancelled();
}

}  // namespace nocturna
