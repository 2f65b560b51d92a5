#include "gps/gps_controller.h"

#include <cmath>
#include <exception>

#include "foundations/date_time.h"
#include "foundations/text_forms.h"
#include "gps/file_read_thread.h"
#include "gps/gps_port.h"
#include "navigation/gps_fix_step.h"
#include "platform/message_presenter.h"
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

}  // namespace

GpsController::GpsController(GpsWindow& window, SystemClock& clock,
                             std::function<SerialDeviceResolver()> serialDevices)
    : window_(window), clock_(clock), serialDevices_(std::move(serialDevices)) {}

GpsController::~GpsController() {
  reader_.reset();
  port_.reset();
}

void GpsController::SpeedGPSClick(bool down) {
  if (!down || reader_ || port_) {  // a start while on would pull the port from under the reader
    Stop();
    if (!down) return;
  }
  try {
    window_.SetSpeedGpsCaption("GPS On", kGpsOnColour);
    window_.SetGpsTimeEnabled(true);
    window_.ProcessPendingEvents();
    port_ = std::make_unique<GPSPort>(window_.Presenter(), serialDevices_());
    reader_ = std::make_unique<TFileReadThread>(*port_, this, [this] { OnGpsData(); });
  } catch (...) {
    ShowOk(window_.Presenter(), MessageKind::Error, "Could not open GPS\n\rPlease retry");
    window_.SetSpeedGpsCaption("GPS Off", kGpsOffColour);
    window_.SetGpsTimeEnabled(false);
  }
}

void GpsController::Shutdown() {
  if (reader_ || port_) Stop();
}

void GpsController::Stop() {
  if (reader_) reader_->RequestStop();  // no fix is applied while the window catches up
  window_.SetSpeedGpsCaption("GPS Off", kGpsOffColour);
  window_.SetGpsTimeEnabled(false);
  window_.ProcessPendingEvents();
  reader_.reset();  // stops and joins the reader before its port goes
  if (!port_) return;
  const std::unique_ptr<GPSPort> port = std::move(port_);
  try {
    port->Close();
  } catch (const std::exception& error) {
    ShowOk(window_.Presenter(), MessageKind::Error, error.what());
  }
}

void GpsController::OnGpsData() {
  if (!port_) return;
  const bool parsed = port_->BurstLength() > 0 && port_->ParseRmc();
  const GpsFixResult result = GpsFixStep(parsed, port_->rmc, poorFixCount_);
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
  try {
    const UtcCalendar systemUtc = clock_.ReadUtc();
    const DateTime systemNow = ToDateTime(systemUtc);
    if (!port_ || port_->rmc.status != 'A') {
      ShowOk(presenter, MessageKind::Error, "GPS Time Signal not accurate\n\rPlease retry");
      return;
    }
    const DateTime gpsNow = NearestGpsMoment(systemNow, systemUtc, port_->GpsTimeOfDay());
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
  } catch (...) {
    ShowOk(presenter, MessageKind::Error, kCouldNotResetTime);
  }
}

}  // namespace nocturna
