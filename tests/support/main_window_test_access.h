#pragma once
// The few ways into the main window that window tests need and no control offers: the observer
// record and the catalog to set a case up, the table windows' modal step, the GPS controller's
// state, the animation's tick, its tick count, and a paint at once.
#include "gps/gps_controller.h"
#include "ui/main_window/main_window.h"

namespace nocturna::testing {

class MainWindowTestAccess {
 public:
  static ObserverState& Observer(TForm1& window) { return window.observer_; }
  static BodyCatalog& Catalog(TForm1& window) { return window.catalog_; }
  static TableWindows& Tables(TForm1& window) { return window.tables_; }
  static const GpsController& Gps(const TForm1& window) { return *window.gps_; }
  static void Timer1Timer(TForm1& window) { window.Timer1Timer(); }
  static void ResetAnimationTicks(TForm1& window) { window.ResetAnimationTicks(); }
  static void PaintChartNow(TForm1& window) { window.PaintChartNow(); }
};

}  // namespace nocturna::testing
