#pragma once
// The application-wide look: installed stand-ins for the fonts the program names and the hint
// (tool tip) colour and delay.

class QApplication;

namespace nocturna {

// Maps "MS Sans Serif", "Arial Black", "Tahoma" and the decorative "BrushScript BT" and
// "MurrayHill Bd BT" to fonts a Linux desktop has. Safe to call more than once.
void InstallFontSubstitutes();

// Font stand-ins, aqua hints shown after one second, the title "Nocturna".
void InstallApplicationLook(QApplication& application);

}  // namespace nocturna
