#pragma once
// What the main window takes from outside. The program builds one set in app/nocturna/main.cpp
// (its composition root); tests pass their own. Every member must be set, but for those of the
// ephemeris choice, the DUT1, the GPS source and night vision: the window makes no defaults of
// its own.
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <QString>

#include "foundations/dr_position.h"
#include "platform/dut1_table_file.h"
#include "platform/gps_source_setting.h"
#include "platform/serial_device_resolver.h"
#include "ui/main_window/current_universal_time.h"

class QPrinter;
class QWidget;

namespace nocturna {

class MessagePresenter;
class SystemClock;

// The DUT1 remembered for the precise ephemeris: a value given by hand (empty: the IERS tables)
// and the table of the last IERS file imported (null: the bundled table only).
struct RememberedDut1 {
  std::optional<double> givenSeconds;
  std::shared_ptr<const Dut1Table> importedTable;
};

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
  // View > "DUT1...": the remembered DUT1, read at start (problems are the reader's to tell);
  // saving a new choice; the IERS file the user picks to import (empty: cancelled); and its
  // import, which keeps a copy for the next start (a refused file changes nothing). These may
  // be left unset too: the window then keeps a choice for the run and offers no import.
  std::function<RememberedDut1()> readDut1;
  std::function<void(std::optional<double>)> saveGivenDut1;
  std::function<QString(QWidget*)> chooseIersFile;
  std::function<Dut1TableLoad(const std::string&)> importIersFile;
};

// The name of the first member left unset, or nullptr when every one is set.
const char* MissingMainWindowService(const MainWindowServices& services);

}  // namespace nocturna
