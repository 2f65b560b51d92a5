// The real-time animation (the chart follows the computer clock, one tick a second) and the
// chart toggles: N<->S rotation, E<->W mirror and the "Bright" filter.
#include <QAction>
#include <QPushButton>
#include <QTimer>

#include "ui/main_window/main_window.h"

namespace nocturna {

namespace {
constexpr int kTickMilliseconds = 1000;
constexpr int kTicksPerSkyRedraw = 15;
}  // namespace

void TForm1::ConnectAnimation() {
  timer1_ = new QTimer(this);
  timer1_->setObjectName(QStringLiteral("Timer1"));
  timer1_->setInterval(kTickMilliseconds);
  connect(timer1_, &QTimer::timeout, this, &TForm1::Timer1Timer);

  const MainWindowControls& c = controls_;
  connect(c.animateButton, &QPushButton::clicked, this, &TForm1::AnimateButtonClick);
  connect(c.run, &QAction::triggered, this, &TForm1::AnimateButtonClick);
  connect(c.stop, &QAction::triggered, this, &TForm1::PauseClick);
  connect(c.reset, &QAction::triggered, this, &TForm1::Reset1Click);
  connect(c.rotateButton, &QPushButton::clicked, this, &TForm1::RotateButtonClick);
  connect(c.rotateNs, &QAction::triggered, this, &TForm1::RotateButtonClick);
  connect(c.flipEwButton, &QPushButton::clicked, this, &TForm1::FlipEWButtonClick);
  connect(c.flipEw, &QAction::triggered, this, &TForm1::FlipEWButtonClick);
  connect(c.brightButton, &QPushButton::clicked, this, &TForm1::BrightButtonClick);
  connect(c.brightStars, &QAction::triggered, this, &TForm1::BrightStars1Click);
  connect(c.showAll, &QAction::triggered, this, &TForm1::ShowAll1Click);
}

// The chart is still again and shows the clock's moment in the pickers.
void TForm1::StopAtCurrentTime() {
  observer_.staticTime = true;
  timer1_->stop();
  observer_.drawSky = true;
  observer_.SetUniversalTime(CurrentUniversalTime());
  ShowZoneTimeInPickers();
  RepaintChart();
}

// Follows the button: down starts the ticks (the first one paints), up stops at the clock's
// time. The menu's "Run" comes here without moving the button.
void TForm1::AnimateButtonClick() {
  observer_.animationTicks = 0;
  QPushButton* button = controls_.animateButton;
  if (!button->isChecked()) {
    button->setText(QStringLiteral("Animate"));
    StopAtCurrentTime();
    return;
  }
  observer_.staticTime = false;
  button->setText(QStringLiteral("Stop"));
  timer1_->start();
}

void TForm1::PauseClick() { StopAtCurrentTime(); }

// Back to the pickers' zone time, which the animation never wrote.
void TForm1::Reset1Click() {
  observer_.staticTime = true;
  timer1_->stop();
  observer_.drawSky = true;
  RepaintChart();
}

// The data block follows the clock every second; the sky is redrawn on the first tick after a
// start and then every fifteenth tick (ticks 1, 16, 31, ...), that tick skipping the data-block
// paint since the whole chart is drawn anyway.
void TForm1::Timer1Timer() {
  if (observer_.animationTicks >= kTicksPerSkyRedraw) {
    observer_.animationTicks = 0;
  } else {
    observer_.drawSky = false;
    PaintChartNow();
    observer_.drawSky = true;
  }
  const int ticks = observer_.animationTicks;
  observer_.animationTicks = ticks + 1;
  if (ticks == 0) PaintChartNow();
}

void TForm1::ResetAnimationTicks() { observer_.animationTicks = 0; }

// The toggles repaint at once, also while the animation runs.
void TForm1::RotateButtonClick() {
  observer_.rotateSign = observer_.rotateSign == 1 ? -1 : 1;
  PaintChartNow();
}

void TForm1::FlipEWButtonClick() {
  observer_.flipSign = observer_.flipSign == 1 ? -1 : 1;
  PaintChartNow();
}

void TForm1::BrightButtonClick() {
  QPushButton* button = controls_.brightButton;
  observer_.brightOnly = button->isChecked();
  button->setText(button->isChecked() ? QStringLiteral("ShowAll") : QStringLiteral("Bright"));
  PaintChartNow();
}

void TForm1::BrightStars1Click() {
  observer_.brightOnly = true;
  PaintChartNow();
}

void TForm1::ShowAll1Click() {
  observer_.brightOnly = false;
  PaintChartNow();
}

}  // namespace nocturna
