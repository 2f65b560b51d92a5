#include "gps/gps_controller.h"

#include <cmath>
#include <optional>

#include "foundations/date_time.h"
#include "foundations/text_forms.h"
#include "gps/file_read_thread.h"
#include "gps/gps_port.h"
#include "gps/gps_search_thread.h"
#include "navigation/gps_fix_step.h"
#include "platform/message_presenter.h"
#include "platform/network/network_feed.h"
#include "platform/system_clock.h"

namespace nocturna {
namespace {

constexpr double kSecondsPerDay = 86400.0;
const char* const kCouldNotResetTime = "Could not reset system time\n\rPlease retry or manually adjust";

void ShowOk(MessagePresenter& presenter, MessageKind kind, const std::string& text) {
  presenter.Show({kind, text, "", MessageButtons::Ok, MessageAnswer::Ok});
}

DateTime ToDateTime(const UtcCalendar& utc) {
  return EncodeDateTime(utc.year, utc.month, utc.day, utc.hour, utc.minute, utc.second, utc.millisecond);
}

UtcCalendar ToCalendar(DateTime value) {
  const DecodedDateTime d = DecodeDateTime(value);
  return {d.year, d.month, d.day, d.hour, d.minute, d.second, d.millisecond};
}

// The GPS time of day on the UTC day (yesterday, today or tomorrow) that puts it nearest
// the system clock, so a reading taken across midnight does not move the clock a day.
DateTime NearestGpsMoment(DateTime systemNow, const UtcCalendar& systemUtc, DateTime timeOfDay) {
  const DateTime today = EncodeDateTime(systemUtc.year, systemUtc.month, systemUtc.day, 0, 0, 0, 0);
  DateTime best = today + timeOfDay;
  for (const int dayStep : {-1, 1}) {
    const DateTime candidate = today + dayStep + timeOfDay;
    if (std::fabs(candidate - systemNow) < std::fabs(best - systemNow)) best = candidate;
  }
  return best;
}

// The serial search, reporting each port as its probe begins.
GpsOpener SerialOpener(SerialDeviceResolver resolver, std::function<void(const std::string&)> probing) {
  return [resolver = std::move(resolver), probing = std::move(probing)](MessagePresenter& presenter,
                                                                       const CancelSignal& cancel) {
    GpsOpening opening = GPSPort::OpenGps(presenter, resolver, GpsSearchHooks{&cancel, probing});
    return GpsFeedOpening{std::move(opening.port), std::move(opening.result)};
  };
}

// gpsd or NMEA over the network: one connection (or the UDP port bound), told as the serial
// port's opening is.
GpsOpener NetworkOpener(const GpsSourceSetting& source) {
  return [source](MessagePresenter& presenter, const CancelSignal& cancel) {
    auto feed = std::make_unique<NetworkFeed>(source);
    PortResult opened = feed->Open(cancel.SignalFd());
    if (!opened) {
      if (!cancel.Cancelled()) ShowOk(presenter, MessageKind::Error, opened.message);
      return GpsFeedOpening{nullptr, std::move(opened)};
    }
    ShowOk(presenter, MessageKind::Information,
           "GPS is open on " + feed->SourceName() + "\n\rAcquiring Satellites - Please Wait");
    return GpsFeedOpening{std::move(feed), std::move(opened)};
  };
}

}  // namespace

GpsController::GpsController(GpsWindow& window, SystemClock& clock,
                             std::function<SerialDeviceResolver()> serialDevices)
    : window_(window), clock_(clock), serialDevices_(std::move(serialDevices)) {}

GpsController::~GpsController() {
  search_.reset();
  reader_.reset();
  feed_.reset();
}

const GPSPort* GpsController::Port() const { return dynamic_cast<const GPSPort*>(feed_.get()); }

void GpsController::SpeedGPSClick(bool down) {
  // A start while searching or on would pull the port from under the search or the reader.
  if (!down || search_ || reader_ || feed_) {
    Stop();
    if (!down) return;
  }
  window_.SetSpeedGpsCaption("GPS On", kGpsOnColour);
  window_.SetGpsTimeEnabled(true);
  window_.ProcessPendingEvents();
  startProblem_.clear();
  const auto probing = [this](const std::string& name) {
    // Queued to the window thread; dropped with the controller, and ignored once the search is over.
    QMetaObject::invokeMethod(this, [this, name] {
      if (search_) window_.SetSpeedGpsCaption("Searching " + name + "...", kGpsOnColour);
    }, Qt::QueuedConnection);
  };
  search_ = std::make_unique<GpsSearchThread>(source_.kind == GpsSourceKind::Serial
                                                  ? SerialOpener(serialDevices_(), probing)
                                                  : NetworkOpener(source_));
  GpsSearchThread* const search = search_.get();
  connect(search, &QThread::finished, this, [this, search] {
    if (search_.get() == search && search->isFinished()) FinishStart();
  }, Qt::QueuedConnection);
  search->start();
}

void GpsController::FinishStart() {
  GpsSearchOutcome outcome = search_->TakeOutcome();
  search_.reset();
  for (const Message& message : outcome.messages) window_.Presenter().Show(message);
  startProblem_ = outcome.problem;
  if (outcome.feed) {
    feed_ = std::move(outcome.feed);
    reader_ = std::make_unique<TFileReadThread>(
        *feed_, this, [this] { OnGpsData(); }, [this](const std::string& reason) { OnSourceLost(reason); });
    if (!reader_->Ready()) {  // a reader that could not be stopped must not run
      startProblem_ = reader_->Problem();
      reader_.reset();
      feed_.reset();
    }
  }
  if (feed_) {
    window_.SetSpeedGpsCaption("GPS On", kGpsOnColour);
  } else {
    ShowOk(window_.Presenter(), MessageKind::Error, "Could not open GPS\n\rPlease retry");
    window_.SetSpeedGpsCaption("GPS Off", kGpsOffColour);
    window_.SetGpsTimeEnabled(false);
  }
  emit startFinished();
}

void GpsController::Shutdown() {
  if (search_ || reader_ || feed_) Stop();
}

void GpsController::Stop() {
  search_.reset();  // cancels and joins: the search ends at its next pause
  if (reader_) reader_->RequestStop();  // no fix is applied while the window catches up
  window_.SetSpeedGpsCaption("GPS Off", kGpsOffColour);
  window_.SetGpsTimeEnabled(false);
  window_.ProcessPendingEvents();
  reader_.reset();  // stops and joins the reader before its port goes
  if (!feed_) return;
  const std::unique_ptr<GpsFeed> feed = std::move(feed_);
  if (const PortResult closed = feed->CloseFeed(); !closed) {
    ShowOk(window_.Presenter(), MessageKind::Error, closed.message);
  }
}

void GpsController::OnSourceLost(const std::string& reason) {
  if (!feed_) return;
  const std::string notice = feed_->LossNotice(reason);
  if (!notice.empty()) ShowOk(window_.Presenter(), MessageKind::Warning, notice);
}

void GpsController::OnGpsData() {
  if (!feed_) return;
  const bool parsed = feed_->BurstLength() > 0 && feed_->ParseRmc();
  const GpsFixResult result = GpsFixStep(parsed, feed_->rmc, poorFixCount_);
  if (result.kind == GpsFixResult::Kind::Fix) {
    window_.ApplyGpsFix(result.position, result.zoneDescription,
                        "Latitude " + FormatLatitude(result.position.latitude),
                        "Longitude " + FormatLongitude(result.position.longitude));
  } else if (result.kind == GpsFixResult::Kind::PoorCoverage) {
    ShowOk(window_.Presenter(), MessageKind::Information, "GPS coverage is poor, Please Wait");
  }
}

void GpsController::GPSTimeBtnClick() {
  MessagePresenter& presenter = window_.Presenter();
  const UtcCalendar systemUtc = clock_.ReadUtc();
  const DateTime systemNow = ToDateTime(systemUtc);
  if (!feed_ || feed_->rmc.status != 'A') {
    ShowOk(presenter, MessageKind::Error, "GPS Time Signal not accurate\n\rPlease retry");
    return;
  }
  const std::optional<DateTime> timeOfDay = feed_->GpsTimeOfDay();
  if (!timeOfDay) {
    ShowOk(presenter, MessageKind::Error, kCouldNotResetTime);
    return;
  }
  const DateTime gpsNow = NearestGpsMoment(systemNow, systemUtc, *timeOfDay);
  const double diff = gpsNow - systemNow;
  const long seconds = std::lround(diff * kSecondsPerDay);
  const MessageAnswer answer = presenter.Show(
      {MessageKind::Warning,
       "SYNCHRONIZE COMPUTER TIME TO GPS TIME (Yes, No)?\n\r System time will be adjusted by " +
           std::to_string(seconds) +
           " seconds.\n\r\n WARNING: Use GPS time only if Internet Time or NISTIME is not available!",
       "", MessageButtons::YesNo, MessageAnswer::No});
  if (answer != MessageAnswer::Yes) return;
  if (!clock_.SetUtc(ToCalendar(ToDateTime(clock_.ReadUtc()) + diff))) {
    ShowOk(presenter, MessageKind::Error, kCouldNotResetTime);
  }
}

}  // namespace nocturna
