// The remembered home position: "&Save" writes the DR position to the user's settings hive,
// "Home" reads it back (window creation reads it too, through the same reader).
#include <QAction>
#include <QPushButton>

#include "foundations/text_forms.h"
#include "platform/home_position.h"
#include "ui/main_window.h"

namespace nocturna {

void TForm1::ConnectMemory() {
  if (!readHomePosition_) {
    readHomePosition_ = [this](DrPosition& position) { return ReadSavedPosition(position); };
  }
  const MainWindowControls& c = controls_;
  connect(c.savePosition, &QAction::triggered, this, &TForm1::SavePositionClick);
  connect(c.homeButton, &QPushButton::clicked, this, &TForm1::HomeButtonClick);
  c.savePosition->setEnabled(true);
  c.homeButton->setEnabled(true);
}

// Problems are shown here; a position that cannot be read leaves the record as it was.
bool TForm1::ReadSavedPosition(DrPosition& position) {
  const HomePositionRead read = ReadHomePosition(DefaultHivePath());
  for (const Message& message : read.messages) presenter_->Show(message);
  if (!read.found) return false;
  if (read.latitude) position.latitude = *read.latitude;
  if (read.longitude) position.longitude = *read.longitude;
  return true;
}

// No repaint; a message only when the save failed or set a damaged file aside.
void TForm1::SavePositionClick() {
  const HomePositionSave save = SaveHomePosition(DefaultHivePath(), observer_.drPosition);
  for (const Message& message : save.messages) presenter_->Show(message);
}

// Nothing saved: nothing changes, silently. Otherwise the zone follows the longitude and the
// position fields take the texts, whose change handlers read them and repaint.
void TForm1::HomeButtonClick() {
  DrPosition position = observer_.drPosition;
  if (!readHomePosition_(position)) return;
  observer_.drPosition = position;
  observer_.zoneDescription = ZoneDescriptionFromLongitude(position);
  ShowZoneDescription(observer_.zoneDescription);
  WritePositionTexts(FormatLatitude(position.latitude), FormatLongitude(position.longitude));
}

}  // namespace nocturna
