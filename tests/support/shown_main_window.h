#pragma once
// A main window shown for a window test: the catalog and the day's record it draws on, a
// recording presenter, a system clock that refuses to be set, and the services of
// WindowServices with no remembered home position, which the test adjusts before the window
// is made.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <functional>
#include <memory>

#include "support/recording_presenter.h"
#include "support/window_services.h"
#include "ui/main_window/main_window.h"

namespace nocturna::testing {

struct ShownMainWindow {
  BodyCatalog catalog = BuildCatalog();
  SunEventsRecord events{};
  RecordingPresenter presenter;
  RefusingSystemClock systemClock;
  std::unique_ptr<TForm1> form;  // last, so it goes first

  // Makes and shows the window over the services as adjust leaves them.
  void Show(const std::function<void(MainWindowServices&)>& adjust) {
    MainWindowServices services = WindowServices(presenter, systemClock);
    services.readHomePosition = [](DrPosition&) { return false; };
    if (adjust) adjust(services);
    form = std::make_unique<TForm1>(catalog, events, services);
    form->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QApplication::processEvents();
  }
  ~ShownMainWindow() {
    if (form) form->close();
  }
};

}  // namespace nocturna::testing
