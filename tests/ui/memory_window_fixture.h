#pragma once
// A main window for the memory, animation and picking tests: a fixed clock the test can move,
// recorded message boxes, and a settings folder of its own (XDG_CONFIG_HOME) that is restored
// and removed afterwards.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPrinter>
#include <QDateEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeEdit>
#include <functional>
#include <memory>

#include "platform/registry_hive_file.h"
#include "support/main_window_test_access.h"
#include "support/recording_presenter.h"
#include "support/window_services.h"
#include "ui/main_window/main_window.h"
#include "ui/chart_drawing/sky_paint_box.h"

namespace nocturna::testing {

class MemoryWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedXdg_ = qgetenv("XDG_CONFIG_HOME");
    ASSERT_TRUE(settings_.isValid());
    qputenv("XDG_CONFIG_HOME", settings_.path().toLocal8Bit());
    catalog = BuildCatalog();
  }

  void TearDown() override {
    if (form) form->close();
    form.reset();
    qputenv("XDG_CONFIG_HOME", savedXdg_);
    for (QWidget* window : QApplication::topLevelWidgets()) {
      EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
    }
  }

  // Builds and shows the window; it reads the hive of this test's folder.
  void Open() {
    MainWindowServices services = WindowServices(presenter, systemClock);
    services.clock = [this] { return UniversalClockReading{clockTime, 0}; };
    if (printDialog) services.printDialog = printDialog;
    form = std::make_unique<TForm1>(catalog, events, services);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    Settle();
  }

  static void Settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
  }

  template <typename T>
  T* Find(const char* name) {
    T* found = form->findChild<T*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }

  ObserverState& State() { return MainWindowTestAccess::Observer(*form); }
  std::string HivePath() const { return DefaultHivePath(); }

  // The zone time the pickers show (days).
  DateTime PickerTime() {
    const QDate d = Find<QDateEdit>("StarDatePicker")->date();
    const QTime t = Find<QTimeEdit>("StarTimePicker")->time();
    return EncodeDateTime(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(),
                          t.msec());
  }

  QImage& Picture() { return form->Controls().skyPaintBox->Picture(); }

  // 2026-06-01 14:00 UT: mid-morning at 42°N 75°W, the Sun well up in the south-east.
  DateTime clockTime = EncodeDateTime(2026, 6, 1, 14, 0, 0);
  BodyCatalog catalog;
  SunEventsRecord events{};
  RecordingPresenter presenter;
  std::function<bool(QPrinter&, QWidget*)> printDialog;  // empty: the services' own
  RefusingSystemClock systemClock;
  std::unique_ptr<TForm1> form;

 private:
  QTemporaryDir settings_;
  QByteArray savedXdg_;
};

}  // namespace nocturna::testing
