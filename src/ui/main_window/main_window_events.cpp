// The Set menu, its pop-up twin and the LAN, Rise, Set, Dawn and Dusk buttons: the zone time
// moves to one of the day's Sun events on the same zone date.
#include <QAction>
#include <QPushButton>

#include "ui/main_window/main_window.h"

namespace nocturna {

void TForm1::ConnectSetMenu() {
  const MainWindowControls& c = controls_;
  connect(c.sunrise, &QAction::triggered, this, &TForm1::Sunrise1Click);
  connect(c.amCivTwi, &QAction::triggered, this, &TForm1::AMCivTwi1Click);
  connect(c.amNautTwi, &QAction::triggered, this, &TForm1::AMNautTwi1Click);
  connect(c.amPvc, &QAction::triggered, this, &TForm1::AMPVC1Click);
  connect(c.sunset, &QAction::triggered, this, &TForm1::Sunset1Click);
  connect(c.pmCivTwi, &QAction::triggered, this, &TForm1::PMCivTwi1Click);
  connect(c.pmNautTwi, &QAction::triggered, this, &TForm1::PMNautTwi1Click);
  connect(c.pmPvc, &QAction::triggered, this, &TForm1::PMPVC1Click);
  connect(c.meridian, &QAction::triggered, this, &TForm1::MeridianClick);
  connect(c.riseButton, &QPushButton::clicked, this, &TForm1::Sunrise1Click);
  connect(c.setButton, &QPushButton::clicked, this, &TForm1::Sunset1Click);
  connect(c.dawnButton, &QPushButton::clicked, this, &TForm1::AMCivTwi1Click);
  connect(c.duskButton, &QPushButton::clicked, this, &TForm1::PMCivTwi1Click);
  connect(c.lanButton, &QPushButton::clicked, this, &TForm1::MeridianClick);
}

// The event time is the one the last daily run stored; a sentinel is explained and nothing
// changes. While animating the inputs move but the chart is not repainted.
void TForm1::JumpToSunEvent(double BodyEphemeris::*event, SunEventKind kind) {
  const EventJump jump =
      JumpToEvent(observer_.zoneTime, events_.*event, observer_.zoneDescription, kind);
  if (!jump.moved) {
    Message message;
    message.text = jump.message;
    message.caption = "Message";
    presenter_->Show(message);
    return;
  }
  observer_.SetZoneTime(jump.zoneTime);
  ShowZoneTimeInPickers();
  RepaintChart();
}

void TForm1::Sunrise1Click() {
  JumpToSunEvent(&BodyEphemeris::sunrise, SunEventKind::RiseSetOrTwilight);
}
void TForm1::AMCivTwi1Click() {
  JumpToSunEvent(&BodyEphemeris::civilMorning, SunEventKind::RiseSetOrTwilight);
}
void TForm1::AMNautTwi1Click() {
  JumpToSunEvent(&BodyEphemeris::nauticalMorning, SunEventKind::RiseSetOrTwilight);
}
void TForm1::AMPVC1Click() { JumpToSunEvent(&BodyEphemeris::pvcMorning, SunEventKind::PrimeVertical); }
void TForm1::Sunset1Click() {
  JumpToSunEvent(&BodyEphemeris::sunset, SunEventKind::RiseSetOrTwilight);
}
void TForm1::PMCivTwi1Click() {
  JumpToSunEvent(&BodyEphemeris::civilEvening, SunEventKind::RiseSetOrTwilight);
}
void TForm1::PMNautTwi1Click() {
  JumpToSunEvent(&BodyEphemeris::nauticalEvening, SunEventKind::RiseSetOrTwilight);
}
void TForm1::PMPVC1Click() { JumpToSunEvent(&BodyEphemeris::pvcEvening, SunEventKind::PrimeVertical); }
void TForm1::MeridianClick() {
  JumpToSunEvent(&BodyEphemeris::meridianPassage, SunEventKind::Meridian);
}

}  // namespace nocturna
