// The remembered home position: "&Save" hands the DR position to the home-position store,
// "Home" reads it back (window creation reads it too, through the same reader).
#include <QAction>
#include <QPushButton>

#include "foundations/text_forms.h"
#include "ui/main_window/main_window.h"

namespace nocturna {

void TForm1::ConnectMemory() {
  const MainWindowControls& c = controls_;
  connect(c.savePosition, &QAction::triggered, this, &TForm1::SavePositionClick);
  connect(c.homeButton, &QPushButton::clicked, this, &TForm1::HomeButtonClick);
}

// No repaint; the store tells of a failed save or a damaged file set aside.
void TForm1::SavePositionClick() { services_.saveHomePosition(observer_.drPosition); }

// Nothing saved: nothing changes, silently. Otherwise the zone follows the longitude and the
// position fields take the texts, whose change handlers read them and repaint.
void TForm1::HomeButtonClick() {
  DrPosition position = observer_.drPosition;
  if (!services_.readHomePosition(position)) return;
  observer_.drPosition = position;
  observer_.zoneDescription = ZoneDescriptionFromLongitude(position);
  ShowZoneDescription(observer_.zoneDescription);
  WritePositionTexts(FormatLatitude(position.latitude), FormatLongitude(position.longitude));
}

}  // namespace nocturna
