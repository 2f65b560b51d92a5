// View > "Night vision" (Ctrl+N): the whole program dark red on black for the watch on deck,
// remembered beside the home position.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPixmap>

#include "ui/chart_drawing/sky_paint_box.h"
#include "ui/main_window/application_look.h"
#include "ui/main_window/main_window.h"

namespace nocturna {
namespace {

// The artwork in dark red at night; its day picture is kept on the label to come back to.
void ShowArtwork(QLabel* label, bool night) {
  if (label == nullptr) return;
  if (!label->property("dayPixmap").isValid()) label->setProperty("dayPixmap", label->pixmap());
  const QPixmap day = label->property("dayPixmap").value<QPixmap>();
  label->setPixmap(night ? QPixmap::fromImage(NightVisionArtwork(day.toImage())) : day);
}

}  // namespace

void TForm1::ConnectNightVision() {
  QAction* item = MenuTitled(QStringLiteral("View"))->addAction(QStringLiteral("Night vision"));
  item->setObjectName(QStringLiteral("NightVision1"));
  item->setCheckable(true);
  item->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
  const bool remembered = services_.readNightVision && services_.readNightVision();
  item->setChecked(remembered);
  SetNightVision(remembered);
  for (QLabel* label : {controls_.logo, controls_.varloWheel}) ShowArtwork(label, remembered);
  connect(item, &QAction::toggled, this, &TForm1::NightVision1Click);
}

void TForm1::NightVision1Click(bool on) {
  if (on == NightVisionOn()) return;
  SetNightVision(on);
  for (QLabel* label : {controls_.logo, controls_.varloWheel}) ShowArtwork(label, on);
  if (services_.saveNightVision) services_.saveNightVision(on);
  if (isVisible()) PaintChartNow();
}

}  // namespace nocturna
