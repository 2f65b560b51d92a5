// Nocturna: the sky chart and almanac window.
#include <QApplication>
#include <QCommandLineParser>
#include <QDateEdit>
#include <QDateTime>
#include <QIcon>
#include <QScreen>
#include <QTimeEdit>
#include <QTimer>
#include <cstdio>
#include <exception>

#include "navigation/body_catalog.h"
#include "platform/serial_device_resolver.h"
#include "platform/system_clock.h"
#include "platform/user_home_position.h"
#include "ui/application_look.h"
#include "ui/image_file.h"
#include "ui/chart_printing.h"
#include "ui/current_universal_time.h"
#include "ui/main_window.h"
#include "ui/qt_message_presenter.h"

namespace {

// What the command line may ask: a zone date and time to start at instead of the clock's, and
// a picture of the window to save instead of staying open (how the README's pictures are made).
struct StartOptions {
  QDateTime zoneTime;  // invalid: the computer clock's
  QString screenshot;  // empty: run as usual
};

// Reads the options; --help prints them and ends the program, a bad value is reported on
// stderr and gives false.
bool ReadStartOptions(const QApplication& application, StartOptions& options) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Sky chart and almanac for marine celestial navigation."));
  parser.addHelpOption();
  const QCommandLineOption zoneTime(QStringLiteral("zone-time"),
      QStringLiteral("Start at this zone date and time, \"YYYY-MM-DD HH:MM:SS\", instead of the clock's."),
      QStringLiteral("moment"));
  const QCommandLineOption screenshot(QStringLiteral("screenshot"),
      QStringLiteral("Save a picture of the window (PNG) once it is drawn, then quit."),
      QStringLiteral("file"));
  parser.addOption(zoneTime);
  parser.addOption(screenshot);
  parser.process(application);
  options.screenshot = parser.value(screenshot);
  if (parser.isSet(zoneTime)) {
    options.zoneTime = QDateTime::fromString(parser.value(zoneTime), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    const int year = options.zoneTime.date().year();
    if (!options.zoneTime.isValid() || year < 1901 || year > 2099) {
      std::fprintf(stderr, "nocturna: --zone-time wants \"YYYY-MM-DD HH:MM:SS\" in 1901-2099, not \"%s\"\n",
                   qPrintable(parser.value(zoneTime)));
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  // The one catalog and the day's events record live for the whole run, built before any window.
  nocturna::BodyCatalog catalog = nocturna::BuildCatalog();
  nocturna::SunEventsRecord events{};

  QApplication application(argc, argv);
  nocturna::InstallApplicationLook(application);
  // The desktop entry and the themed icon that the installation puts in place.
  QGuiApplication::setDesktopFileName(QStringLiteral("nocturna"));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("nocturna")));
  StartOptions options;
  if (!ReadStartOptions(application, options)) return 2;
  // The program's services, each the real one; tests give the window their own.
  nocturna::QtMessagePresenter presenter;
  nocturna::PosixSystemClock systemClock;
  nocturna::MainWindowServices services;
  services.presenter = &presenter;
  services.clock = [] { return nocturna::CurrentUniversalTime(); };
  services.readHomePosition = [&presenter](nocturna::DrPosition& position) {
    return nocturna::ReadUserHomePosition(presenter, position);
  };
  services.saveHomePosition = [&presenter](const nocturna::DrPosition& position) {
    nocturna::SaveUserHomePosition(presenter, position);
  };
  services.printDialog = nocturna::ChooseChartPrinterInDialog;
  services.serialDevices = [] { return nocturna::SerialDeviceResolver::FromEnvironment(); };
  services.systemClock = &systemClock;
  try {
    nocturna::TForm1 window(catalog, events, services);
    presenter.SetParent(&window);  // from here on; a box while the window is built stands alone
    if (options.zoneTime.isValid()) {
      // As if typed into the pickers, so the window's own handlers take the moment.
      window.Controls().starDatePicker->setDate(options.zoneTime.date());
      window.Controls().starTimePicker->setTime(options.zoneTime.time());
    }
    // Fill the screen first, so the window is full size even where no window manager maximises.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      window.setGeometry(screen->availableGeometry());
    }
    window.showMaximized();
    if (!options.screenshot.isEmpty()) {
      QTimer::singleShot(0, &window, [&] {
        const std::string problem =
            nocturna::WritePngFile(window.grab().toImage(), options.screenshot.toStdString());
        if (!problem.empty()) std::fprintf(stderr, "nocturna: %s\n", problem.c_str());
        QApplication::exit(problem.empty() ? 0 : 1);
      });
    }
    return application.exec();
  } catch (const std::exception& error) {
    presenter.SetParent(nullptr);
    nocturna::Message message;
    message.kind = nocturna::MessageKind::Error;
    message.text = error.what();
    presenter.Show(message);
    return 1;
  }
}
