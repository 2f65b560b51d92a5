// View, "Precise ephemeris": read from the settings at start, saved on each change, and shown
// in the title and the data block; the standard window keeps its title and its values.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <memory>
#include <vector>

#include "support/shown_main_window.h"

namespace nocturna {
namespace {

struct WindowRun : testing::ShownMainWindow {
  std::vector<bool> saved;

  explicit WindowRun(bool rememberedPrecise) {
    Show([&](MainWindowServices& services) {
      services.readPreciseEphemeris = [rememberedPrecise] { return rememberedPrecise; };
      services.savePreciseEphemeris = [this](bool precise) { saved.push_back(precise); };
    });
  }
  QAction* Item() const { return form->findChild<QAction*>(QStringLiteral("PreciseEphemeris1")); }
};

TEST(PreciseEphemerisWindow, TheViewItemSwitchesSavesAndShowsTheEphemeris) {
  WindowRun run(false);
  QAction* item = run.Item();
  ASSERT_NE(item, nullptr);
  EXPECT_TRUE(item->isCheckable());
  EXPECT_FALSE(item->isChecked());
  EXPECT_EQ(item->shortcut(), QKeySequence(QStringLiteral("Ctrl+E")));
  EXPECT_EQ(run.form->windowTitle(), QStringLiteral("Nocturna"));
  const double standardSaturn = run.catalog.gha[kSaturnIndex];
  const int dailyRuns = run.form->DailyRunCount();

  item->trigger();
  QApplication::processEvents();
  EXPECT_EQ(run.saved, std::vector<bool>{true});
  EXPECT_EQ(run.form->Observer().ephemeris.kind, EphemerisKind::precise);
  EXPECT_TRUE(run.form->windowTitle().startsWith(QStringLiteral("Nocturna - precise ephemeris, DUT1 +")))
      << run.form->windowTitle().toStdString();
  EXPECT_GT(run.form->DailyRunCount(), dailyRuns);  // the day's events made anew
  // 2026-06-01: the standard Saturn and the precise one differ by a few tenths of a minute.
  EXPECT_NE(run.catalog.gha[kSaturnIndex], standardSaturn);

  item->trigger();
  QApplication::processEvents();
  EXPECT_EQ(run.saved, (std::vector<bool>{true, false}));
  EXPECT_EQ(run.form->windowTitle(), QStringLiteral("Nocturna"));
  EXPECT_EQ(run.catalog.gha[kSaturnIndex], standardSaturn);
}

TEST(PreciseEphemerisWindow, TheRememberedChoiceIsTakenAtStart) {
  WindowRun run(true);
  ASSERT_NE(run.Item(), nullptr);
  EXPECT_TRUE(run.Item()->isChecked());
  EXPECT_TRUE(run.saved.empty());  // reading is not saving
  EXPECT_EQ(run.form->LastPass().ephemeris.kind, EphemerisKind::precise);
  EXPECT_TRUE(run.form->windowTitle().contains(QStringLiteral("precise ephemeris")));
}

}  // namespace
}  // namespace nocturna
