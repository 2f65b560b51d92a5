#pragma once
// The services of a main window under test, each a stand-in the test may replace: its own
// presenter, a fixed clock (2026-06-01 00:00 UT), the settings hive of the test's
// XDG_CONFIG_HOME told through the presenter, a print dialog that is cancelled, the serial
// ports of the environment (NOCTURNA_COM1..9) and a system clock that refuses to be set.
#include "foundations/date_time.h"
#include "platform/serial_device_resolver.h"
#include "platform/system_clock.h"
#include "platform/user_home_position.h"
#include "ui/main_window/main_window_services.h"

namespace nocturna::testing {

class RefusingSystemClock : public SystemClock {
 public:
  UtcCalendar ReadUtc() const override { return {2026, 6, 1, 0, 0, 0, 0}; }
  bool SetUtc(const UtcCalendar&) override { return false; }
};

inline MainWindowServices WindowServices(MessagePresenter& presenter, SystemClock& systemClock) {
  MainWindowServices services;
  services.presenter = &presenter;
  services.clock = [] { return UniversalClockReading{EncodeDateTime(2026, 6, 1, 0, 0, 0), 0}; };
  services.readHomePosition = [&presenter](DrPosition& position) {
    return ReadUserHomePosition(presenter, position);
  };
  services.saveHomePosition = [&presenter](const DrPosition& position) {
    SaveUserHomePosition(presenter, position);
  };
  services.printDialog = [](QPrinter&, QWidget*) { return false; };
  services.serialDevices = [] { return SerialDeviceResolver::FromEnvironment(); };
  services.systemClock = &systemClock;
  return services;
}

}  // namespace nocturna::testing
