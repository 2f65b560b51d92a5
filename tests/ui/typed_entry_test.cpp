// Typing into the main window as a user does: the zone time and date by sections, Tab between
// the controls, a DR position read once its entry is complete, and the keyboard's commands.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QTimer>
#include <functional>
#include <sys/stat.h>

#include "memory_window_fixture.h"

namespace nocturna {
namespace {

constexpr double kTolerance = 1e-3 / 86400.0;  // a millisecond, in days

QString Latin1(const char* text) { return QString::fromLatin1(text); }

class TypedEntryTest : public testing::MemoryWindowTest {
 protected:
  void SetUp() override {
    MemoryWindowTest::SetUp();
    printDialog = [this](QPrinter&, QWidget*) {
      ++printDialogs;
      return false;
    };
    Open();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  }

  // A click near the field's left edge puts the cursor in its first section, as a user's would.
  static void ClickFirstSection(QWidget* field) {
    field->setFocus(Qt::MouseFocusReason);
    QWidget* text = field->findChild<QLineEdit*>();
    QTest::mouseClick(text, Qt::LeftButton, {}, QPoint(3, text->height() / 2));
  }

  // The title of the modal window that the key opens in the window; it is closed at once.
  QString ModalOpenedBy(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    Activate();
    QString title;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        title = modal->windowTitle();
        modal->close();
      }
    });
    closer.start(10);
    QTest::keyClick(form.get(), key, modifiers);
    return title;
  }

  void Activate() {
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  }

  QLineEdit* Longitude() { return Find<QLineEdit>("Longitude"); }
  int printDialogs = 0;

  // A key pressed in the window, made active again after any modal window that came before.
  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    Activate();
    QTest::keyClick(form.get(), key, modifiers);
  }
};

TEST_F(TypedEntryTest, AZoneTimeTypedWholeOrSectionBySectionIsThatTime) {
  auto* time = Find<QTimeEdit>("StarTimePicker");
  struct Case {
    const char* how;
    std::function<void()> place;
    const char* keys;
    QTime expected;
  } const cases[] = {
      {"whole field selected", [&] { time->setFocus(); time->selectAll(); }, "17:45:00",
       QTime(17, 45, 0)},
      {"cursor in the hours", [&] { ClickFirstSection(time); }, "174500", QTime(17, 45, 0)},
      {"cursor in the hours, with colons", [&] { ClickFirstSection(time); }, "17:45:00",
       QTime(17, 45, 0)},
      {"single-digit sections", [&] { ClickFirstSection(time); }, "9:5:7", QTime(9, 5, 7)},
      {"Right to the minutes", [&] { ClickFirstSection(time); QTest::keyClick(time, Qt::Key_Right); },
       "30", QTime(6, 30, 0)},
      {"Right, Right, Left", [&] {
         ClickFirstSection(time);
         for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Left}) QTest::keyClick(time, key);
       }, "15", QTime(6, 15, 0)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    time->setTime(QTime(6, 0, 0));
    c.place();
    QTest::keyClicks(time, c.keys);
    Settle();
    EXPECT_EQ(time->time(), c.expected) << time->time().toString().toStdString();
    const DateTime zoneTime =
        EncodeDateTime(2026, 6, 1, c.expected.hour(), c.expected.minute(), c.expected.second());
    EXPECT_NEAR(State().zoneTime, zoneTime, kTolerance);
    EXPECT_NEAR(State().universalTime, zoneTime + 5.0 / 24, kTolerance);
  }
}

TEST_F(TypedEntryTest, TabLeavesTheDateForTheTimeAndTheDateTakesTypedSections) {
  auto* date = Find<QDateEdit>("StarDatePicker");
  auto* time = Find<QTimeEdit>("StarTimePicker");
  date->setFocus(Qt::TabFocusReason);
  QTest::keyClick(date, Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), time);
  QTest::keyClicks(time, "174500");  // meant for the zone time: the date keeps its day
  EXPECT_EQ(date->date(), QDate(2026, 6, 1));
  EXPECT_EQ(time->time(), QTime(17, 45, 0));
  QTest::keyClick(time, Qt::Key_Backtab);
  EXPECT_EQ(QApplication::focusWidget(), date);

  date->selectAll();
  QTest::keyClicks(date, "2026-12-10");
  EXPECT_EQ(date->date(), QDate(2026, 12, 10));
  ClickFirstSection(date);
  QTest::keyClick(date, Qt::Key_Right);
  QTest::keyClick(date, Qt::Key_Right);
  QTest::keyClicks(date, "25");
  EXPECT_EQ(date->date(), QDate(2026, 12, 25));
  EXPECT_NEAR(State().zoneTime, EncodeDateTime(2026, 12, 25, 17, 45, 0), kTolerance);
}

TEST_F(TypedEntryTest, ALongitudeIsTakenWhenItsEntryIsCompleteNeverHalfway) {
  const QString start = Latin1("Longitude 095\xB0" "18.0'W");
  struct Case {
    const char* how;
    std::function<void()> complete;
  } const cases[] = {
      {"Enter", [&] { QTest::keyClick(Longitude(), Qt::Key_Return); }},
      {"Tab", [&] { QTest::keyClick(Longitude(), Qt::Key_Tab); }},
      {"focus leaving", [&] { Find<QDateEdit>("StarDatePicker")->setFocus(); }},
      {"the mask filled", [&] {
         Longitude()->setCursorPosition(19);
         QTest::keyClicks(Longitude(), "W");
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    Longitude()->setText(start);  // the program's own text is taken at once
    ASSERT_DOUBLE_EQ(State().drPosition.longitude, 95.3);
    ASSERT_EQ(State().zoneDescription, 6);
    Settle();
    const DateTime ut = State().universalTime;
    const DateTime zt = State().zoneTime;
    const int paints = form->PaintCount();
    Longitude()->setFocus();
    Longitude()->setCursorPosition(10);
    QTest::keyClicks(Longitude(), "150");  // passes through 195 degrees
    Settle();
    EXPECT_EQ(Longitude()->displayText(), Latin1("Longitude 150\xB0" "18.0'W"));
    EXPECT_DOUBLE_EQ(State().drPosition.longitude, 95.3);
    EXPECT_EQ(State().zoneDescription, 6);
    EXPECT_DOUBLE_EQ(State().zoneTime, zt);
    EXPECT_EQ(form->PaintCount(), paints);

    c.complete();
    Settle();
    EXPECT_DOUBLE_EQ(State().drPosition.longitude, 150.3);
    EXPECT_EQ(Find<QSpinBox>("ZDEdit")->value(), 10);
    EXPECT_DOUBLE_EQ(State().universalTime, ut);
    EXPECT_NEAR(State().zoneTime, zt - 4.0 / 24, kTolerance);
    EXPECT_GT(form->PaintCount(), paints);
  }
  EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(TypedEntryTest, ABlankedLatitudeDigitIsReportedOnceWhenTheEntryEnds) {
  auto* latitude = Find<QLineEdit>("Latitude");
  latitude->setText(Latin1("Latitude 42\xB0" "50.0'N"));
  latitude->setFocus();
  latitude->setCursorPosition(17);  // before the letter
  QTest::keyClick(latitude, Qt::Key_Backspace);
  Settle();
  EXPECT_EQ(latitude->displayText(), Latin1("Latitude 42\xB0" "50._'N"));
  EXPECT_TRUE(presenter.shown.empty());

  QTest::keyClick(latitude, Qt::Key_Tab);
  Settle();
  latitude->setFocus();
  QTest::keyClick(latitude, Qt::Key_Tab);
  Settle();
  ASSERT_EQ(presenter.shown.size(), 1u);
  EXPECT_EQ(presenter.shown[0].text, "'50._' is not a valid number.");
  EXPECT_DOUBLE_EQ(State().drPosition.latitude, 42 + 50.0 / 60);

  latitude->setFocus();
  latitude->setCursorPosition(15);
  QTest::keyClicks(latitude, "5");
  QTest::keyClick(latitude, Qt::Key_Return);
  EXPECT_DOUBLE_EQ(State().drPosition.latitude, 42 + 50.5 / 60);
  EXPECT_EQ(presenter.shown.size(), 1u);
}

TEST_F(TypedEntryTest, KeysOpenHelpPrintSaveExitAndEveryMenu) {
  EXPECT_EQ(ModalOpenedBy(Qt::Key_F1), "Help");
  Press(Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(printDialogs, 1);

  struct stat info{};
  ASSERT_NE(::stat(HivePath().c_str(), &info), 0);
  Press(Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(::stat(HivePath().c_str(), &info), 0) << "Ctrl+S saved no home position";

  for (QAction* menu : form->menuBar()->actions()) {
    const QString caption = menu->text();
    const QChar letter = caption.contains('&') ? caption.at(caption.indexOf('&') + 1) : caption[0];
    SCOPED_TRACE(caption.toStdString());
    Press(static_cast<Qt::Key>(letter.toUpper().unicode()), Qt::AltModifier);
    Settle();
    EXPECT_TRUE(menu->menu()->isVisible());
    menu->menu()->close();
    Settle();
  }

  Press(Qt::Key_Q, Qt::ControlModifier);
  EXPECT_FALSE(form->isVisible());
}

}  // namespace
}  // namespace nocturna
