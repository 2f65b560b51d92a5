#pragma once
// What the GPS commands need from the main window. The window implements it; tests use
// a fake.
#include <string>

#include "foundations/dr_position.h"

namespace nocturna {

class MessagePresenter;

// A caption colour (red, green, blue), 0..255 each.
struct CaptionColour {
  int red = 0;
  int green = 0;
  int blue = 0;
};

inline constexpr CaptionColour kGpsOnColour{0, 128, 0};
inline constexpr CaptionColour kGpsOffColour{255, 0, 0};

class GpsWindow {
 public:
  virtual ~GpsWindow() = default;

  // A valid fix: store position (degrees, north and west positive) as the DR position,
  // set the zone description (hours; the ZD spinner shows it, UT is kept and the zone
  // time moves), write the two texts ("Latitude 48°07.0'N", "Longitude 011°31.0'E",
  // Windows-1252) into the position fields as typed input, and repaint.
  virtual void ApplyGpsFix(const DrPosition& position, int zoneDescription, const std::string& latitudeText,
                           const std::string& longitudeText) = 0;
  // The caption and text colour of the SpeedGPS toggle.
  virtual void SetSpeedGpsCaption(const std::string& caption, CaptionColour colour) = 0;
  // Enables or disables the "GPS Time" button.
  virtual void SetGpsTimeEnabled(bool enabled) = 0;
  // Lets pending window events run, so new captions show before a long step.
  virtual void ProcessPendingEvents() = 0;
  // Where the GPS commands' message boxes go.
  virtual MessagePresenter& Presenter() = 0;
  // While the GPS runs, every so often: what the system clock read (the watch kept for sights)
  // at the GPS's UTC, both days since 1899-12-30, for the watch log.
  virtual void RecordClockComparison(double systemUtc, double gpsUtc) = 0;
};

}  // namespace nocturna
