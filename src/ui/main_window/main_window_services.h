#pragma once
// What the main window takes from outside. The program builds one set in app/nocturna/main.cpp
// (its composition root); tests pass their own. Every member must be set, but for the two of the
// ephemeris choice: the window makes no defaults of its own.
#include <functional>

#include "foundations/dr_position.h"
#include "platform/gps_source_setting.h"
#include "platform/serial_device_resolver.h"
#include "ui/main_window/current_universal_time.h"

class QPrinter;
class QWidget;

namespace nocturna {

class MessagePresenter;
class SystemClock;

struct MainWindowServices {
  // Every message box and yes/no question of the window and of its GPS commands.
  MessagePresenter* presenter = nullptr;
  // UT of this instant and the local clock's daylight-saving state.
  std::function<UniversalClockReading()> clock;
  // Reads the remembered home position into the given record (degrees, north and west
  // positive), leaving a coordinate it does not hold as it was; false when nothing is
  // remembered. Problems are the reader's to tell.
  std::function<bool(DrPosition&)> readHomePosition;
  // Remembers the DR position (degrees, north and west positive) as the home position.
  std::function<void(const DrPosition&)> saveHomePosition;
  // Lets the user choose the printer (or a PDF file) of the printed chart, over the given
  // window; false when cancelled.
  std::function<bool(QPrinter&, QWidget*)> printDialog;
  // The devices behind "COM1".."COM9", asked at each start of the GPS.
  std::function<SerialDeviceResolver()> serialDevices;
  // The UTC clock that "GPS Time" reads and sets.
  SystemClock* systemClock = nullptr;
  // The remembered ephemeris choice (true: precise) and its saving. These two may be left
  // unset: the window then starts with the standard ephemeris and keeps a choice for the run.
  std::function<bool()> readPreciseEphemeris;
  std::function<void(bool)> savePreciseEphemeris;
  // The remembered GPS source and fix out, and their saving; night vision likewise. May be left
  // unset: the serial port, no fix out and the day look then hold, and a choice lasts the run.
  std::function<GpsSourceSetting()> readGpsSource;
  std::function<FixOutSetting()> readFixOut;
  std::function<void(const GpsSourceSetting&, const FixOutSetting&)> saveGpsSource;
  std::function<bool()> readNightVision;
  std::function<void(bool)> saveNightVision;
};

// The name of the first member left unset, or nullptr when every one is set.
const char* MissingMainWindowService(const MainWindowServices& services);

}  // namespace nocturna
