// The real-time animation and the chart toggles, driven through the window's buttons and menus
// with a clock the test moves. Which parts of the chart a tick redrew is read from the picture.
#include <QAction>
#include <QPushButton>
#include <QTimer>
#include <set>

#include "foundations/angles.h"
#include "memory_window_fixture.h"

namespace nocturna::testing {
namespace {

constexpr double kHour = 1.0 / 24.0;
constexpr double kTolerance = 1e-3 / 86400.0;  // a millisecond, in days

class AnimationTest : public MemoryWindowTest {
 protected:
  QPushButton* AnimateButton() { return Find<QPushButton>("AnimateButton"); }
  QTimer* Timer() { return Find<QTimer>("Timer1"); }
  void Trigger(const char* item) { Find<QAction>(item)->trigger(); }
  void Click(const char* button) { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }

  // Whether the pixels left of the chart's disc (the data block) and from its left edge on
  // (the sky) differ between two pictures.
  struct Changes {
    bool dataBlock = false;
    bool sky = false;
  };
  Changes Compare(const QImage& before, const QImage& after) {
    const int skyLeft = TruncToInt(form->ScreenGeometry().centreX - form->ScreenGeometry().radius);
    Changes changes;
    for (int y = 0; y < after.height(); ++y) {
      for (int x = 0; x < after.width(); ++x) {
        if (before.pixel(x, y) == after.pixel(x, y)) continue;
        (x < skyLeft - 1 ? changes.dataBlock : changes.sky) = true;
      }
    }
    return changes;
  }
};

TEST_F(AnimationTest, AnimateStartsTheTicksWithoutPaintingAndInputsNoLongerRepaint) {
  Open();
  EXPECT_FALSE(Timer()->isActive());
  EXPECT_EQ(Timer()->interval(), 1000);
  const int paints = form->PaintCount();
  const DateTime zoneTime = State().zoneTime;
  Click("AnimateButton");
  Settle();
  EXPECT_TRUE(AnimateButton()->isChecked());
  EXPECT_EQ(AnimateButton()->text(), "Stop");
  EXPECT_FALSE(State().staticTime);
  EXPECT_TRUE(Timer()->isActive());
  EXPECT_EQ(form->PaintCount(), paints);

  // The date moves the zone time but does not repaint.
  auto* date = Find<QDateEdit>("StarDatePicker");
  date->setDate(date->date().addDays(3));
  Settle();
  EXPECT_NEAR(State().zoneTime, zoneTime + 3.0, kTolerance);
  EXPECT_EQ(form->PaintCount(), paints);

  // A tick shows the clock's moment, not the pickers'.
  clockTime = EncodeDateTime(2026, 6, 1, 20, 30, 0);
  MainWindowTestAccess::Timer1Timer(*form);
  EXPECT_EQ(form->LastPass().moment.utClock.hour, 20);
  EXPECT_EQ(form->LastPass().moment.zoneClock.hour, 15);
  EXPECT_EQ(form->LastPass().moment.zoneDate.day, 1);
  EXPECT_NEAR(PickerTime(), zoneTime + 3.0, kTolerance);  // the animation never writes them

  // "Reset" goes back to the pickers' moment and leaves the button down.
  Trigger("Reset1");
  Settle();
  EXPECT_TRUE(State().staticTime);
  EXPECT_FALSE(Timer()->isActive());
  EXPECT_TRUE(AnimateButton()->isChecked());
  EXPECT_EQ(AnimateButton()->text(), "Stop");
  const DecodedDateTime pickers = DecodeDateTime(PickerTime());
  EXPECT_EQ(form->LastPass().moment.zoneDate.day, pickers.day);
  EXPECT_EQ(form->LastPass().moment.zoneClock.hour, pickers.hour);
  EXPECT_EQ(form->LastPass().moment.zoneClock.minute, pickers.minute);
}

// "Stop" from the menu, releasing the button, and "Run" with the button up all stop the chart at
// the clock's time and show it in the pickers; only releasing the button changes its caption.
TEST_F(AnimationTest, StoppingShowsTheCurrentTimeInThePickers) {
  Open();
  const auto expectStoppedAtClock = [&](const char* how, bool buttonDown) {
    Settle();
    EXPECT_TRUE(State().staticTime) << how;
    EXPECT_FALSE(Timer()->isActive()) << how;
    EXPECT_TRUE(State().drawSky) << how;
    EXPECT_EQ(AnimateButton()->isChecked(), buttonDown) << how;
    EXPECT_EQ(AnimateButton()->text(), buttonDown ? "Stop" : "Animate") << how;
    EXPECT_DOUBLE_EQ(State().universalTime, clockTime) << how;
    EXPECT_NEAR(PickerTime(), clockTime - 5 * kHour, kTolerance) << how;
    EXPECT_EQ(form->LastPass().moment.utClock.hour, DecodeDateTime(clockTime).hour) << how;
  };
  Click("AnimateButton");
  clockTime += 7.25 * kHour;
  Trigger("Stop1");
  expectStoppedAtClock("Stop", true);

  // The button is still down, so "Run" starts the ticks again; releasing the button stops at
  // the clock's time too.
  Trigger("Run1");
  EXPECT_FALSE(State().staticTime);
  EXPECT_TRUE(Timer()->isActive());
  clockTime += 3 * kHour;
  Click("AnimateButton");
  expectStoppedAtClock("released", false);

  // With the button up, "Run" does what releasing it does.
  clockTime += 2 * kHour;
  Trigger("Run1");
  expectStoppedAtClock("Run", false);
}

// The sky follows the clock on ticks 1, 16, 31 (and on the tick after the list or the almanac
// closed); the data block on every tick. The clock moves an hour a tick, so every redraw shows.
TEST_F(AnimationTest, TheSkyIsRedrawnEveryFifteenthTickTheDataBlockEveryTick) {
  Open();
  Click("AnimateButton");
  Settle();
  const std::set<int> skyTicks = {1, 16, 31, 34};
  for (int tick = 1; tick <= 35; ++tick) {
    if (tick == 34) MainWindowTestAccess::ResetAnimationTicks(*form);  // the list or the almanac just closed
    clockTime += kHour;
    const QImage before = Picture().copy();
    const int paints = form->PaintCount();
    MainWindowTestAccess::Timer1Timer(*form);
    const Changes changes = Compare(before, Picture());
    const bool sky = skyTicks.count(tick) > 0;
    EXPECT_EQ(changes.sky, sky) << "tick " << tick;
    EXPECT_TRUE(changes.dataBlock) << "tick " << tick;
    // The tick that redraws the sky skips the data-block paint, except the very first.
    EXPECT_EQ(form->PaintCount() - paints, tick == 1 || tick == 34 ? 2 : 1) << "tick " << tick;
    EXPECT_TRUE(State().drawSky);
  }
}

TEST_F(AnimationTest, TogglesRepaintAtOnceAlsoWhileAnimating) {
  Open();
  Click("AnimateButton");
  Settle();
  const struct {
    const char* control;
    bool isMenu;
    int rotateSign, flipSign;
    bool brightOnly;
    const char* brightCaption;
    bool skyChanges;
  } steps[] = {
      {"RotateButton", false, -1, 1, false, "Bright", true},
      {"RotateNS1", true, 1, 1, false, "Bright", true},
      {"FlipEWButton", false, 1, -1, false, "Bright", true},
      {"FlipEW1", true, 1, 1, false, "Bright", true},
      {"BrightStars1", true, 1, 1, true, "Bright", true},  // the button is not touched
      {"BrightButton", false, 1, 1, true, "ShowAll", false},  // going down keeps it on
      {"BrightButton", false, 1, 1, false, "Bright", true},
      {"BrightStars1", true, 1, 1, true, "Bright", true},
      {"ShowAll1", true, 1, 1, false, "Bright", true},
  };
  for (const auto& step : steps) {
    const QImage before = Picture().copy();
    const int paints = form->PaintCount();
    step.isMenu ? Trigger(step.control) : Click(step.control);
    EXPECT_EQ(form->PaintCount(), paints + 1) << step.control;  // at once, without events
    EXPECT_EQ(State().rotateSign, step.rotateSign) << step.control;
    EXPECT_EQ(State().flipSign, step.flipSign) << step.control;
    EXPECT_EQ(State().brightOnly, step.brightOnly) << step.control;
    EXPECT_EQ(Find<QPushButton>("BrightButton")->text(), step.brightCaption) << step.control;
    EXPECT_EQ(Compare(before, Picture()).sky, step.skyChanges) << step.control;
  }
  EXPECT_FALSE(State().staticTime);
}

}  // namespace
}  // namespace nocturna::testing
