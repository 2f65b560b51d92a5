#pragma once
// The GPS commands of the main window: the SpeedGPS toggle (start and stop the receiver on
// the serial port, gpsd or NMEA over the network),
// the step after each burst, and setting the computer's clock to GPS time. Lives on the
// window thread; the window stays a thin caller. The search for the receiver runs on a
// thread of its own, so the window answers while ports are probed.
#include <QObject>
#include <functional>
#include <memory>
#include <string>

#include "gps/gps_window.h"
#include "platform/gps_source_setting.h"
#include "platform/serial_device_resolver.h"

namespace nocturna {

class GPSPort;
class GpsFeed;
class GpsSearchThread;
class SystemClock;
class TFileReadThread;

class GpsController : public QObject {
  Q_OBJECT

 public:
  // serialDevices names the devices behind "COM1".."COM9", asked at each start (the window
  // passes its service; by default the environment's, NOCTURNA_COM1..9 or the machine's).
  GpsController(GpsWindow& window, SystemClock& clock,
                std::function<SerialDeviceResolver()> serialDevices =
                    &SerialDeviceResolver::FromEnvironment);
  ~GpsController() override;  // stops the reader, then closes the port

  // The toggle's click: down starts the GPS, up stops it. A start shows "GPS On" and returns
  // at once; the search then shows each port it probes ("Searching COM3...") and ends in
  // the receiver's boxes and "GPS On" with the reader running, or in the failure's boxes and
  // "GPS Off" (startFinished either way). Up while searching cancels the search, quietly.
  void SpeedGPSClick(bool down);
  // Where the next start reads the position from (the serial port until set). The GPS in use
  // keeps its source until it is stopped.
  void SetSource(const GpsSourceSetting& source) { source_ = source; }
  const GpsSourceSetting& Source() const { return source_; }
  // Runs the stop steps when the GPS is on (the main window's destruction).
  void Shutdown();
  // After each burst, on the window thread: parse, and on a valid fix move the DR
  // position; ten bursts in a row without one tell the user coverage is poor.
  void OnGpsData();
  // Offers to set the computer's UTC clock to the last valid RMC time and sets it on Yes.
  void GPSTimeBtnClick();

  bool IsOn() const { return feed_ != nullptr; }
  bool IsSearching() const { return search_ != nullptr; }
  const GpsFeed* Feed() const { return feed_.get(); }
  // The serial port in use; null when off or reading another source.
  const GPSPort* Port() const;
  int PoorFixCount() const { return poorFixCount_; }
  // Why the last start failed (the serial layer's own text), for logs and tests.
  const std::string& StartProblem() const { return startProblem_; }

 signals:
  // A search has ended in a running GPS or a failed start (not when cancelled).
  void startFinished();

 private:
  void FinishStart();
  void Stop();
  void OnSourceLost(const std::string& reason);

  GpsWindow& window_;
  SystemClock& clock_;
  std::function<SerialDeviceResolver()> serialDevices_;
  GpsSourceSetting source_;
  std::unique_ptr<GpsFeed> feed_;
  std::unique_ptr<TFileReadThread> reader_;
  std::unique_ptr<GpsSearchThread> search_;
  std::string startProblem_;
  int poorFixCount_ = 0;  // bursts in a row without a valid fix, over the whole run
};

}  // namespace nocturna
