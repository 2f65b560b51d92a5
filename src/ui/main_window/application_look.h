#pragma once
// The application-wide look: installed stand-ins for the fonts the program names, the hint
// (tool tip) colour and delay, and night vision.

class QApplication;
class QImage;

namespace nocturna {

// Maps "MS Sans Serif", "Arial Black", "Tahoma" and the decorative "BrushScript BT" and
// "MurrayHill Bd BT" to fonts a Linux desktop has. Safe to call more than once.
void InstallFontSubstitutes();

// Font stand-ins, aqua hints shown after one second, the title "Nocturna".
void InstallApplicationLook(QApplication& application);

// Night vision: every window, dialog and message box dark red on black, through the
// application's palette and style sheet, so that a window opening shows no bright frame. Off
// gives back the day look. Printed pages are drawn apart and stay black on white.
void SetNightVision(bool on);
bool NightVisionOn();
// A picture drawn black on white turned to dark red on black: the darker, the redder.
void TurnToNightVision(QImage& picture);
// Artwork on a transparent ground in dark red: the brighter, the redder; transparency kept.
QImage NightVisionArtwork(const QImage& artwork);

}  // namespace nocturna
