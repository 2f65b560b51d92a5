#include "gps/gps_search_thread.h"

#include <stdexcept>

#include "gps/gps_port.h"

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

GpsSearchThread::GpsSearchThread(SerialDeviceResolver resolver,
                                 std::function<void(const std::string& portName)> probing)
    : resolver_(std::move(resolver)), probing_(std::move(probing)) {}

GpsSearchThread::~GpsSearchThread() {
  Cancel();
  wait();
}

void GpsSearchThread::Cancel() { cancel_.Cancel(); }

GpsSearchOutcome GpsSearchThread::TakeOutcome() { return std::move(outcome_); }

void GpsSearchThread::run() {
  KeptMessages presenter(outcome_.messages);
  try {
    outcome_.port = std::make_unique<GPSPort>(presenter, resolver_, GpsSearchHooks{&cancel_, probing_});
  } catch (const std::runtime_error& error) {
    outcome_.problem = error.what();
  }
  outcome_.cancelled = cancel_.Cancelled();
}

}  // namespace nocturna
