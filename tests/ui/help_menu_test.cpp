// The Help menu opens the help topics dialog and the about box, each modal and gone after use.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <memory>

#include "support/recording_presenter.h"
#include "support/window_services.h"
#include "ui/main_window/main_window.h"

namespace nocturna {
namespace {

// Triggers the menu item and returns the title of the modal window it opened (closed at once).
QString TitleOfModalOpenedBy(QAction* item) {
  QString title;
  QTimer::singleShot(0, [&title] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) return;
    title = modal->windowTitle();
    modal->close();
  });
  item->trigger();
  return title;
}

TEST(HelpMenuTest, SearchContentsAndAboutOpenTheirDialogs) {
  BodyCatalog catalog = BuildCatalog();
  SunEventsRecord events{};
  testing::RecordingPresenter presenter;
  testing::RefusingSystemClock systemClock;
  auto form = std::make_unique<TForm1>(catalog, events,
                                       testing::WindowServices(presenter, systemClock));
  form->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));

  const MainWindowControls& c = form->Controls();
  ASSERT_TRUE(c.searchForHelpOn->isEnabled());
  ASSERT_TRUE(c.contents->isEnabled());
  ASSERT_TRUE(c.about->isEnabled());
  EXPECT_EQ(TitleOfModalOpenedBy(c.searchForHelpOn), QStringLiteral("Help"));
  EXPECT_EQ(TitleOfModalOpenedBy(c.contents), QStringLiteral("Help"));
  EXPECT_EQ(TitleOfModalOpenedBy(c.about), QStringLiteral("About Nocturna"));

  form->close();
  form.reset();
  for (QWidget* window : QApplication::topLevelWidgets()) {
    EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
  }
}

}  // namespace
}  // namespace nocturna
