// View, "Precise ephemeris": which theory fills the catalog and the records, remembered beside
// the home position, and the window title that says which one made the values shown.
#include <QAction>

#include "foundations/printf_text.h"
#include "ui/main_window/main_window.h"

namespace nocturna {

void TForm1::ConnectEphemeris() {
  connect(controls_.preciseEphemeris, &QAction::toggled, this, &TForm1::PreciseEphemeris1Click);
  connect(controls_.dut1, &QAction::triggered, this, &TForm1::Dut1Click);
}

// The next paint reruns the day's events with the new theory (the chart pass compares it).
void TForm1::PreciseEphemeris1Click(bool checked) {
  const EphemerisKind kind = checked ? EphemerisKind::precise : EphemerisKind::standard;
  if (observer_.ephemeris.kind == kind) return;
  observer_.ephemeris.kind = kind;
  if (services_.savePreciseEphemeris) services_.savePreciseEphemeris(checked);
  PaintChartNow();
}

void TForm1::ShowEphemerisInTitle() {
  const EphemerisReport& used = lastPass_.ephemeris;
  std::string title = "Nocturna";
  if (used.kind == EphemerisKind::precise) {
    title += PrintfText(" - precise ephemeris, DUT1 %+.3f s (%s), Delta T %.3f s", used.dut1Seconds,
                        Dut1SourceText(used).c_str(), used.deltaTSeconds);
  } else if (used.refusal != nullptr) {
    title += std::string(" - standard ephemeris: ") + used.refusal;
  }
  const QString text = QString::fromLatin1(title.c_str());
  if (windowTitle() != text) setWindowTitle(text);
}

}  // namespace nocturna
