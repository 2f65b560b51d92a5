// The visible-bodies list and the almanac opened from the main window: the buttons and menu
// items open them, they hold exactly the rows the catalog gives for the window's moment, and
// closing them resets the animation's tick count. Also the real modal path and print dialog,
// closed by a timer so that nothing blocks.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "navigation/almanac_page.h"
#include "navigation/visible_bodies.h"
#include "support/main_window_test_access.h"
#include "support/recording_presenter.h"
#include "support/window_services.h"
#include "ui/main_window/main_window.h"

namespace nocturna {
namespace {

// Closes the modal window on top as soon as the event loop runs, after `inspect` saw it.
void CloseModalSoon(std::function<void(QWidget*)> inspect) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, inspect] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      inspect(modal);
      modal->close();
      timer->stop();
      timer->deleteLater();
    }
  });
  timer->start();
}

class TableWindowOpeningTest : public ::testing::Test {
 protected:
  void SetUp() override {
    catalog = BuildCatalog();
    MainWindowServices services = testing::WindowServices(presenter, systemClock);
    // 2026-06-01 03:00 UT: with ZD 5 the zone time is 31 May 22:00, night at 42N 75W.
    services.clock = [] { return UniversalClockReading{EncodeDateTime(2026, 6, 1, 3, 0, 0), 0}; };
    form = std::make_unique<TForm1>(catalog, events, services);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QApplication::processEvents();
    snapshot = TakeAlmanacSnapshot(form->Observer().zoneTime, form->Observer().zoneDescription,
                                   form->Observer().drPosition);
  }

  void TearDown() override {
    form->close();
    form.reset();
    for (QWidget* window : QApplication::topLevelWidgets()) {
      EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
    }
  }

  BodyCatalog catalog;
  SunEventsRecord events{};
  testing::RecordingPresenter presenter;
  testing::RefusingSystemClock systemClock;
  std::unique_ptr<TForm1> form;
  AlmanacSnapshot snapshot;  // the same moment and place, computed afresh
};

std::vector<std::array<std::string, 4>> Cells(const std::vector<TableRow>& rows) {
  std::vector<std::array<std::string, 4>> cells;
  for (const TableRow& row : rows) cells.push_back(row.cells);
  return cells;
}

TEST_F(TableWindowOpeningTest, ListHoldsTheCatalogsRowsAndClosingResetsTheTicks) {
  int sortColumn = 0;
  const VisibleBodiesList expected =
      BuildVisibleBodiesList(snapshot.catalog, snapshot.moment, snapshot.zoneDescription,
                             snapshot.position, true, sortColumn);
  ASSERT_EQ(expected.light, LightState::NightTime);
  ASSERT_GT(expected.rows.size(), 10u);
  int openings = 0;
  testing::MainWindowTestAccess::Tables(*form).showModal = [&](QDialog& window) {
    ++openings;
    auto* list = qobject_cast<TStarListForm*>(&window);
    ASSERT_NE(list, nullptr);
    window.show();
    EXPECT_TRUE(window.isModal());
    EXPECT_EQ(window.parentWidget(), form.get());
    EXPECT_EQ(list->Shown().light, expected.light);
    EXPECT_EQ(list->Shown().dateLine, expected.dateLine);
    EXPECT_EQ(list->Shown().lhaAriesLine, expected.lhaAriesLine);
    EXPECT_EQ(Cells(list->Shown().rows), Cells(expected.rows));
    QTest::mouseClick(window.findChild<QPushButton*>("ListCloseBtn"), Qt::LeftButton);
  };
  testing::MainWindowTestAccess::Observer(*form).animationTicks = 7;
  QTest::mouseClick(form->Controls().hcZnButton, Qt::LeftButton);
  EXPECT_EQ(openings, 1);
  EXPECT_EQ(form->Observer().animationTicks, 0);
  testing::MainWindowTestAccess::Observer(*form).animationTicks = 3;
  form->Controls().openList->trigger();
  EXPECT_EQ(openings, 2);
  EXPECT_EQ(form->Observer().animationTicks, 0);
  EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(TableWindowOpeningTest, AlmanacHoldsTheCatalogsRowsAndClosingResetsTheTicks) {
  const AlmanacPage expected =
      BuildAlmanacPage(snapshot.catalog, snapshot.moment, snapshot.zoneDescription,
                       snapshot.position, AlmanacMode::Sha);
  int openings = 0;
  testing::MainWindowTestAccess::Tables(*form).showModal = [&](QDialog& window) {
    ++openings;
    auto* almanac = qobject_cast<TAlmanacForm*>(&window);
    ASSERT_NE(almanac, nullptr);
    EXPECT_EQ(almanac->Shown().dateLine, expected.dateLine);
    EXPECT_EQ(almanac->Shown().ghaAriesLine, expected.ghaAriesLine);
    EXPECT_EQ(Cells(almanac->Shown().stars), Cells(expected.stars));
    EXPECT_EQ(Cells(almanac->Shown().planets), Cells(expected.planets));
  };
  testing::MainWindowTestAccess::Observer(*form).animationTicks = 7;
  QTest::mouseClick(form->Controls().almanacButton, Qt::LeftButton);
  EXPECT_EQ(form->Observer().animationTicks, 0);
  form->Controls().openAlmanac->trigger();
  EXPECT_EQ(openings, 2);
}

TEST_F(TableWindowOpeningTest, WithoutAStepTheWindowsAreModalDialogs) {
  std::vector<QString> seen;
  for (QPushButton* button : {form->Controls().hcZnButton, form->Controls().almanacButton}) {
    CloseModalSoon([&](QWidget* modal) {
      seen.push_back(modal->objectName());
      EXPECT_TRUE(modal->windowFlags() & Qt::WindowStaysOnTopHint);
    });
    button->click();
  }
  EXPECT_EQ(seen, (std::vector<QString>{"StarListForm", "AlmanacForm"}));
}

TEST_F(TableWindowOpeningTest, ThePrintDialogOffersAPdfFile) {
  bool pdfOffered = false;
  CloseModalSoon([&](QWidget* modal) {
    EXPECT_NE(qobject_cast<QPrintDialog*>(modal), nullptr);
    for (const QComboBox* box : modal->findChildren<QComboBox*>()) {
      for (int i = 0; i < box->count(); ++i) pdfOffered |= box->itemText(i).contains("PDF");
    }
  });
  QPrinter printer;
  EXPECT_FALSE(ChoosePrinterInDialog(printer, form.get()));  // closed: cancelled
  EXPECT_TRUE(pdfOffered);
}

}  // namespace
}  // namespace nocturna
