// Night vision and the GPS settings in the main window: the look of every window, what is
// remembered, and the dialog's choices reaching the GPS and the fix out.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <memory>
#include <vector>

#include "support/main_window_test_access.h"
#include "support/recording_presenter.h"
#include "support/window_services.h"
#include "ui/chart_drawing/sky_paint_box.h"
#include "ui/gps_settings/gps_settings_dialog.h"
#include "ui/main_window/application_look.h"
#include "ui/main_window/main_window.h"

namespace nocturna {
namespace {

using testing::MainWindowTestAccess;

struct WindowRun {
  std::unique_ptr<TForm1> form;
  BodyCatalog catalog = BuildCatalog();
  SunEventsRecord events{};
  testing::RecordingPresenter presenter;
  testing::RefusingSystemClock systemClock;
  std::vector<bool> savedNight;
  std::vector<std::string> savedSources;

  explicit WindowRun(bool rememberedNight, FixOutSetting fixOut = {}) {
    MainWindowServices services = testing::WindowServices(presenter, systemClock);
    services.readHomePosition = [](DrPosition&) { return false; };
    services.readNightVision = [rememberedNight] { return rememberedNight; };
    services.saveNightVision = [this](bool on) { savedNight.push_back(on); };
    services.readGpsSource = [] { return *ParseGpsSourceText("tcp 127.0.0.1:10110"); };
    services.readFixOut = [fixOut] { return fixOut; };
    services.saveGpsSource = [this](const GpsSourceSetting& source, const FixOutSetting& out) {
      savedSources.push_back(GpsSourceText(source) + " / " + FixOutText(out));
    };
    form = std::make_unique<TForm1>(catalog, events, services);
    form->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QApplication::processEvents();
  }
  ~WindowRun() {
    SetNightVision(false);
    form->close();
  }
  QAction* Item(const char* name) const { return form->findChild<QAction*>(QLatin1String(name)); }
};

// Pixels brighter than dark red, or with any green or blue to speak of.
int BrightPixels(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  int bright = 0;
  for (int y = 0; y < rgb.height(); ++y) {
    for (int x = 0; x < rgb.width(); ++x) {
      const QRgb pixel = rgb.pixel(x, y);
      bright += qRed(pixel) > 180 || qGreen(pixel) > 40 || qBlue(pixel) > 40;
    }
  }
  return bright;
}

// The text cursor of the focused field may invert a few pixels.
constexpr int kCursorPixels = 20;

TEST(NightVisionWindow, EveryWindowTurnsDarkRedAndTheChoiceIsSaved) {
  WindowRun run(false);
  QAction* item = run.Item("NightVision1");
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
  EXPECT_GT(BrightPixels(run.form->grab().toImage()), 10000);  // the day look
  item->trigger();
  EXPECT_EQ(run.savedNight, std::vector<bool>{true});
  QApplication::processEvents();
  EXPECT_LE(BrightPixels(run.form->grab().toImage()), kCursorPixels);
  // A box opened now is dark from its first frame: the look is the application's.
  QMessageBox box(QMessageBox::Information, QStringLiteral("Nocturna"), QStringLiteral("GPS coverage is poor"));
  box.ensurePolished();
  EXPECT_EQ(BrightPixels(box.grab().toImage()), 0);
  item->trigger();
  EXPECT_EQ(run.savedNight, (std::vector<bool>{true, false}));
  EXPECT_GT(BrightPixels(run.form->grab().toImage()), 10000);
}

TEST(NightVisionWindow, ARememberedChoiceStartsAtNight) {
  WindowRun run(true);
  EXPECT_TRUE(run.Item("NightVision1")->isChecked());
  EXPECT_TRUE(NightVisionOn());
  MainWindowTestAccess::PaintChartNow(*run.form);
  EXPECT_EQ(BrightPixels(run.form->findChild<SkyPaintBox*>()->Picture()), 0);
}

TEST(GpsSettingsWindow, TheDialogSetsTheSourceAndRefusesAnAddressThatDoesNotRead) {
  WindowRun run(false);
  QAction* item = run.Item("GpsSettings1");
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->shortcut(), QKeySequence(QStringLiteral("Ctrl+G")));
  EXPECT_EQ(GpsSourceText(MainWindowTestAccess::Gps(*run.form).Source()), "tcp 127.0.0.1:10110");
  std::vector<bool> acceptedEachTime;
  std::vector<std::string> typed = {"[::1", "[::1]:2947"};
  MainWindowTestAccess::Tables(*run.form).showModal = [&](QDialog& dialog) {
    auto& settings = dynamic_cast<GpsSettingsDialog&>(dialog);
    EXPECT_EQ(settings.SourceAddress()->text(), QStringLiteral("127.0.0.1:10110"));
    settings.SourceKind()->setCurrentIndex(static_cast<int>(GpsSourceKind::Gpsd));
    settings.SourceAddress()->setText(QString::fromStdString(typed.front()));
    typed.erase(typed.begin());
    settings.accept();
    acceptedEachTime.push_back(settings.result() == QDialog::Accepted);
  };
  item->trigger();
  item->trigger();
  EXPECT_EQ(acceptedEachTime, (std::vector<bool>{false, true}));
  ASSERT_EQ(run.presenter.shown.size(), 1u);
  EXPECT_EQ(run.presenter.shown[0].text, "The GPS address does not read: give host:port (a port alone for UDP).");
  EXPECT_EQ(run.savedSources, std::vector<std::string>{"gpsd [::1]:2947 / off"});
  EXPECT_EQ(GpsSourceText(MainWindowTestAccess::Gps(*run.form).Source()), "gpsd [::1]:2947");
}

}  // namespace
}  // namespace nocturna
