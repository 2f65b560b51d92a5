// The GPS commands on the tool bar: the SpeedGPS toggle and "GPS Time". The controller does
// the work; the window shows its captions and takes each fix as typed position input.
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>

#include "gps/gps_controller.h"
#include "ui/main_window/latin1_text.h"
#include "platform/sight_log_file.h"
#include "ui/main_window/main_window.h"
#include "ui/sights/watch_log_file.h"

namespace nocturna {

void TForm1::ConnectGps() {
  gps_ = std::make_unique<GpsController>(*this, *services_.systemClock, services_.serialDevices);
  const MainWindowControls& c = controls_;
  connect(c.speedGps, &QPushButton::clicked, this, &TForm1::SpeedGPSClick);
  connect(c.gpsTimeButton, &QPushButton::clicked, this, &TForm1::GPSTimeBtnClick);
}

void TForm1::SpeedGPSClick(bool down) { gps_->SpeedGPSClick(down); }

void TForm1::GPSTimeBtnClick() { gps_->GPSTimeBtnClick(); }

// The reader stops and joins before the port closes, while the window's controls still exist.
void TForm1::FormDestroy() {
  if (gps_) gps_->Shutdown();
}

// The zone follows the spinner (ZDChange keeps UT and moves the zone time); the texts then go
// through the position fields' change handlers as typed input, which repaint.
void TForm1::ApplyGpsFix(const DrPosition& position, int zoneDescription,
                         const std::string& latitudeText, const std::string& longitudeText) {
  observer_.drPosition = position;
  ShowZoneDescription(zoneDescription);
  controls_.latitude->setText(FromLatin1(latitudeText));
  controls_.longitude->setText(FromLatin1(longitudeText));
  RepaintChart();
}

void TForm1::SetSpeedGpsCaption(const std::string& caption, CaptionColour colour) {
  QPushButton* button = controls_.speedGps;
  button->setText(FromLatin1(caption));
  QPalette palette = button->palette();
  palette.setColor(QPalette::ButtonText, QColor(colour.red, colour.green, colour.blue));
  button->setPalette(palette);
}

void TForm1::SetGpsTimeEnabled(bool enabled) { controls_.gpsTimeButton->setEnabled(enabled); }

// The system clock's comparison with GPS time goes into the watch log beside the sight log.
void TForm1::RecordClockComparison(double systemUtc, double gpsUtc) {
  const std::string sightLog = tables_.sightLogPath.empty() ? DefaultSightLogPath() : tables_.sightLogPath;
  const std::string problem = AppendToWatchLog(WatchLogPathFor(sightLog), {systemUtc, gpsUtc});
  if (problem.empty() || watchLogProblemShown_) return;
  watchLogProblemShown_ = true;
  presenter_->Show({MessageKind::Warning, "The clock's comparison with GPS time is not kept. " + problem, "",
                    MessageButtons::Ok, MessageAnswer::Ok});
}

// Paints and queued steps only: a click queued meanwhile waits until the command has finished,
// so a second press cannot stop the GPS halfway through its start.
void TForm1::ProcessPendingEvents() {
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace nocturna
