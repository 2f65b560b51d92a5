// Night vision, the GPS settings and the sights' fix going out in the main window: the look of
// every window, what is remembered, the dialog's choices reaching the GPS and the fix out, and
// the fix sent to a plotter and exported as GPX.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <vector>

#include "navigation/nmea_sentence.h"
#include "support/loopback_peer.h"
#include "support/main_window_test_access.h"
#include "support/shown_main_window.h"
#include "ui/chart_drawing/sky_paint_box.h"
#include "ui/gps_settings/gps_settings_dialog.h"
#include "ui/main_window/application_look.h"
#include "ui/main_window/main_window.h"
#include "ui/sights/plotting_sheet.h"

namespace nocturna {
namespace {

using testing::MainWindowTestAccess;

struct WindowRun : testing::ShownMainWindow {
  std::vector<bool> savedNight;
  std::vector<std::string> savedSources;

  explicit WindowRun(bool rememberedNight, FixOutSetting fixOut = {},
                     const std::function<void(MainWindowServices&)>& adjust = {}) {
    Show([&](MainWindowServices& services) {
      services.readNightVision = [rememberedNight] { return rememberedNight; };
      services.saveNightVision = [this](bool on) { savedNight.push_back(on); };
      services.readGpsSource = [] { return *ParseGpsSourceText("tcp 127.0.0.1:10110"); };
      services.readFixOut = [fixOut] { return fixOut; };
      services.saveGpsSource = [this](const GpsSourceSetting& source, const FixOutSetting& out) {
        savedSources.push_back(GpsSourceText(source) + " / " + FixOutText(out));
      };
      if (adjust) adjust(services);
    });
  }
  ~WindowRun() { SetNightVision(false); }
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
  // So is a window drawn as paper, the plotting sheet.
  const SightLogReduction noSights;
  PlottingSheetView sheet(noSights, DrPosition{39.0, 23.5}, 0.0, DeadReckoning{}, nullptr);
  sheet.resize(640, 560);
  EXPECT_EQ(BrightPixels(sheet.grab().toImage()), 0);
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

  // The DR beside the fix: offered only when the fix goes out, and remembered with it.
  const std::string port = std::to_string(testing::RefusingPort());
  MainWindowTestAccess::Tables(*run.form).showModal = [&](QDialog& dialog) {
    auto& settings = dynamic_cast<GpsSettingsDialog&>(dialog);
    EXPECT_FALSE(settings.FixOutWithDr()->isEnabled());
    settings.FixOutKind()->setCurrentIndex(static_cast<int>(FixOutKind::TcpServer));
    EXPECT_TRUE(settings.FixOutWithDr()->isEnabled());
    settings.FixOutAddress()->setText(QString::fromStdString(port));
    settings.FixOutWithDr()->setChecked(true);
    settings.accept();
  };
  item->trigger();
  EXPECT_EQ(run.savedSources.back(), "gpsd [::1]:2947 / tcp " + port + " dr");
}

// The evening stars of the sights tests, reduced from the same DR at the same chart time.
void ReduceFromTheEveningDr(MainWindowServices& services) {
  services.readHomePosition = [](DrPosition& position) {
    position = {39.0 + 10.0 / 60, 23.5};
    return true;
  };
  services.clock = [] { return UniversalClockReading{EncodeDateTime(2026, 12, 10, 6, 0, 0), 0}; };
}

TEST(SightsFixOutWindow, TheFixGoesToThePlotterWithTheDrAndIntoTheExportedGpx) {
  QTemporaryDir folder;
  const std::string log = (folder.path() + "/sights.csv").toStdString();
  const std::string gpx = (folder.path() + "/fix.gpx").toStdString();
  ASSERT_TRUE(QFile::copy(QStringLiteral(NOCTURNA_TEST_DATA_DIR "/sights/evening_stars.csv"), QString::fromStdString(log)));
  const int port = testing::RefusingPort();
  WindowRun run(false, {FixOutKind::TcpServer, {"", port}, true}, ReduceFromTheEveningDr);
  TableWindows& tables = MainWindowTestAccess::Tables(*run.form);
  tables.showModal = [](QDialog&) {};
  tables.sightLogPath = log;
  tables.chooseGpxFile = [&gpx](QWidget*) { return gpx; };
  QAction* exportGpx = run.Item("ExportGpx1");
  ASSERT_NE(exportGpx, nullptr);
  EXPECT_EQ(exportGpx->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+G")));
  exportGpx->trigger();
  ASSERT_EQ(run.presenter.shown.size(), 1u);
  EXPECT_EQ(run.presenter.shown[0].text,
            "There is no celestial fix to export yet: reduce sights to a fix in Action > Sights... first.");

  const int plotter = testing::ConnectTo(port);
  ASSERT_GE(plotter, 0);
  QApplication::processEvents();  // the window takes the plotter
  run.Item("Sights1")->trigger();
  // 38°30.0'N 024°15.0'W, the fix the Sights window shows; the DR stands still (no run).
  const std::string fix = testing::ReadLine(plotter), dr = testing::ReadLine(plotter);
  ::close(plotter);
  ASSERT_EQ(fix.size(), 46u) << fix;  // $ECWPL,ddmm.mmmm,N,dddmm.mmmm,W,FIXhhmmss*hh
  EXPECT_NEAR(std::stod(fix.substr(7, 9)), 3830.0, 0.1) << fix;
  EXPECT_NEAR(std::stod(fix.substr(19, 10)), 2415.0, 0.1) << fix;
  EXPECT_EQ(fix.substr(16, 3) + fix.substr(29, 6), ",N,,W,FIX") << fix;
  ASSERT_EQ(dr.size(), 45u) << dr;
  EXPECT_EQ(dr.substr(0, 34), "$ECWPL,3910.0000,N,02330.0000,W,DR");
  EXPECT_EQ(dr.substr(34, 6), fix.substr(35, 6));  // named with the fix's time
  for (const std::string& line : {fix, dr}) EXPECT_TRUE(NmeaChecksumOk(line.substr(0, line.size() - 2))) << line;
  exportGpx->trigger();
  EXPECT_EQ(run.presenter.shown.size(), 1u);  // written without a word
  std::ifstream in(gpx);
  const std::string written((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const std::size_t fixPoint = written.find("<wpt lat=\"");  // the fix comes first, east positive
  ASSERT_NE(fixPoint, std::string::npos) << written;
  EXPECT_NEAR(std::stod(written.substr(fixPoint + 10)), 38.5, 1e-3);
  EXPECT_NEAR(std::stod(written.substr(written.find("lon=\"", fixPoint) + 5)), -24.25, 1e-3);
  EXPECT_NE(written.find("<name>DR</name>"), std::string::npos);

  tables.chooseGpxFile = [&folder](QWidget*) { return (folder.path() + "/no/such/folder/fix.gpx").toStdString(); };
  exportGpx->trigger();
  ASSERT_EQ(run.presenter.shown.size(), 2u);
  EXPECT_EQ(run.presenter.shown[1].text.rfind("cannot write the GPX file ", 0), 0u) << run.presenter.shown[1].text;
}

}  // namespace
}  // namespace nocturna
