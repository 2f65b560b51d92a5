// Action > "Sights..." (Ctrl+R) and the "Sights" button open the Sights window for the DR;
// its "Fix" answered Yes writes the fix into the position fields as typed input, so the zone
// description follows the new longitude. The fix found goes to the chart plotters and is kept
// for the GPX export. The body an identify row names is ringed on the chart at that row's
// moment and DR while the window is open.
#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include "foundations/text_forms.h"
#include "sights/gpx_document.h"
#include "ui/gps_settings/network_fix_out.h"
#include "ui/main_window/main_window.h"
#include "ui/sights/sights_window.h"

namespace nocturna {

void TForm1::ConnectSights() {
  for (QAction* menu : menuBar()->actions()) {
    if (menu->text() != QStringLiteral("Action") || menu->menu() == nullptr) continue;
    QAction* item = menu->menu()->addAction(QStringLiteral("Sights..."));
    item->setObjectName(QStringLiteral("Sights1"));
    item->setShortcut(QKeySequence(QStringLiteral("Ctrl+R")));
    connect(item, &QAction::triggered, this, &TForm1::SightsButtonClick);
  }
  // After "Finder" on the button bar, in the bar's own style.
  auto* button = new QPushButton(QStringLiteral("Sights"), controls_.buttonBar);
  button->setObjectName(QStringLiteral("SightsButton"));
  button->setToolTip(QStringLiteral("Reduce sights to a fix"));
  button->setGeometry(1097, 1, 65, 21);
  button->setCursor(Qt::PointingHandCursor);
  connect(button, &QPushButton::clicked, this, &TForm1::SightsButtonClick);
}

void TForm1::SightsButtonClick() {
  SightsWindowServices services;
  services.presenter = presenter_;
  services.choosePrinter = tables_.choosePrinter;
  services.chooseFile = tables_.chooseSightLogFile;
  services.logPath = tables_.sightLogPath;
  services.setDr = [this](const DrPosition& fix) {
    WritePositionTexts(FormatLatitude(fix.latitude), FormatLongitude(fix.longitude));
  };
  services.ringOnChart = [this](DateTime utc, const DrPosition& dr, const std::vector<int>& named) {
    RingIdentifiedBody(utc, dr, named);
  };
  TSightsForm sights(observer_.drPosition, observer_.zoneDescription, observer_.universalTime,
                     observer_.ephemeris,
                     std::move(services), this);
  ShowTableWindow(sights);
  observer_.rings = {};  // the rings belong to the open window only
  RepaintChart();
  if (sights.Reduction().fix.found) TakeSightsFix(sights.Reduction(), sights.Reckoning());
}

// The chart still at the identify row's moment and DR, the body it names ringed.
void TForm1::RingIdentifiedBody(DateTime utc, const DrPosition& dr, const std::vector<int>& named) {
  observer_.rings = RingsNaming(named);
  if (!named.empty()) {
    observer_.staticTime = true;
    timer1_->stop();
    observer_.drawSky = true;
    observer_.SetUniversalTime(utc);
    ShowZoneTimeInPickers();
    observer_.drPosition = dr;
    WritePositionTexts(FormatLatitude(dr.latitude), FormatLongitude(dr.longitude));
  }
  RepaintChart();
}

void TForm1::TakeSightsFix(const SightLogReduction& reduction, const DeadReckoning& dr) {
  const SightFix& fix = reduction.fix;
  fixOut_->SendFix(fix.position, PositionAt(dr, fix.utc), fix.utc);
  lastFixGpx_ = GpxDocument({&reduction, dr.position, dr.utc});
}

}  // namespace nocturna
