// Nocturna: the sky chart and almanac window.
#include <QApplication>
#include <QCoreApplication>
#include <QCommandLineParser>
#include <QDateEdit>
#include <QDateTime>
#include <QFileDialog>
#include <QIcon>
#include <QScreen>
#include <QTimeEdit>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>
#include <vector>

#include "navigation/body_catalog.h"
#include "platform/dut1_table_file.h"
#include "platform/ephemeris_setting.h"
#include "platform/gps_source_setting.h"
#include "platform/serial_device_resolver.h"
#include "platform/setting_value.h"
#include "platform/system_clock.h"
#include "platform/user_home_position.h"
#include "ui/main_window/application_look.h"
#include "ui/printing/image_file.h"
#include "ui/printing/chart_printing.h"
#include "ui/main_window/current_universal_time.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/qt_message_presenter.h"

namespace {

// What the command line may ask: a zone date and time to start at instead of the clock's, and
// a picture of the window to save instead of staying open (how the README's pictures are made).
struct StartOptions {
  QDateTime zoneTime;  // invalid: the computer clock's
  QString screenshot;  // empty: run as usual
};

// The options, for the answers without a display and for the run.
void DeclareStartOptions(QCommandLineParser& parser) {
  parser.setApplicationDescription(QStringLiteral("Sky chart and almanac for marine celestial navigation."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addOption(QCommandLineOption(QStringLiteral("zone-time"),
      QStringLiteral("Start at this zone date and time, \"YYYY-MM-DD HH:MM:SS\", instead of the clock's."),
      QStringLiteral("moment")));
  parser.addOption(QCommandLineOption(QStringLiteral("screenshot"),
      QStringLiteral("Save a picture of the window (PNG) once it is drawn, then quit."),
      QStringLiteral("file")));
}

// --help and --version are answered (and the program ends) before any display is opened; any
// other use without a display is told so plainly instead of the toolkit's abort. False then.
bool CheckBeforeTheDisplay(int argc, char** argv) {
  {
    QCoreApplication::setApplicationName(QStringLiteral("nocturna"));
    QCoreApplication::setApplicationVersion(QStringLiteral(NOCTURNA_VERSION));
    QCoreApplication core(argc, argv);
    QCommandLineParser parser;
    DeclareStartOptions(parser);
    parser.parse(core.arguments());  // the toolkit's own options are not known yet: errors come later
    if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version"))) parser.showVersion();
  }
  const auto set = [](const char* name) { return !qEnvironmentVariableIsEmpty(name); };
  const bool platformChosen = std::any_of(argv + 1, argv + argc, [](const char* arg) {
    return std::strcmp(arg, "-platform") == 0 || std::strncmp(arg, "-platform=", 10) == 0;
  });
  if (platformChosen || set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY")) return true;
  std::fprintf(stderr, "nocturna: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); "
                       "nocturna-almanac gives the tables without one\n");
  return false;
}

// Reads the options; --help prints them and ends the program, a bad value is reported on
// stderr and gives false.
bool ReadStartOptions(const QApplication& application, StartOptions& options) {
  QCommandLineParser parser;
  DeclareStartOptions(parser);
  const QString zoneTime = QStringLiteral("zone-time");
  const QString screenshot = QStringLiteral("screenshot");
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

void ShowEach(nocturna::MessagePresenter& presenter, const std::vector<nocturna::Message>& messages) {
  for (const nocturna::Message& message : messages) presenter.Show(message);
}

// The choices remembered beside the home position: the ephemeris, the GPS source and the fix
// out, night vision.
void AddRememberedChoices(nocturna::MainWindowServices& services, nocturna::MessagePresenter& presenter) {
  services.readPreciseEphemeris = [] {
    return nocturna::ReadPreciseEphemerisSetting(nocturna::DefaultHivePath());
  };
  services.savePreciseEphemeris = [&presenter](bool precise) {
    ShowEach(presenter, nocturna::SavePreciseEphemerisSetting(nocturna::DefaultHivePath(), precise));
  };
  services.readGpsSource = [] { return nocturna::ReadGpsSourceSetting(nocturna::DefaultHivePath()); };
  services.readFixOut = [] { return nocturna::ReadFixOutSetting(nocturna::DefaultHivePath()); };
  services.saveGpsSource = [&presenter](const nocturna::GpsSourceSetting& source,
                                        const nocturna::FixOutSetting& fixOut) {
    ShowEach(presenter, nocturna::SaveGpsSourceSetting(nocturna::DefaultHivePath(), source));
    ShowEach(presenter, nocturna::SaveFixOutSetting(nocturna::DefaultHivePath(), fixOut));
  };
  services.readNightVision = [] { return nocturna::ReadSettingSwitch(nocturna::DefaultHivePath(), "nightvision"); };
  services.saveNightVision = [&presenter](bool on) {
    ShowEach(presenter, nocturna::SaveSettingSwitch(nocturna::DefaultHivePath(), "nightvision", on,
                                                    "the night vision choice"));
  };
}

// View > "DUT1...": the value given by hand and the imported IERS table.
void AddDut1Services(nocturna::MainWindowServices& services, nocturna::MessagePresenter& presenter) {
  services.readDut1 = [&presenter] {
    nocturna::RememberedDut1 remembered;
    remembered.givenSeconds = nocturna::ReadGivenDut1Setting(nocturna::DefaultHivePath());
    const nocturna::Dut1TableLoad kept = nocturna::LoadDut1TableFile(nocturna::DefaultDut1TablePath());
    if (!kept.table && !kept.absent) {
      presenter.Show({nocturna::MessageKind::Warning,
                      "The imported IERS table was not read: " + kept.problem +
                          ".\n\rThe bundled table serves until another file is imported (View > DUT1...).",
                      "DUT1"});
    }
    remembered.importedTable = kept.table;
    return remembered;
  };
  services.saveGivenDut1 = [&presenter](std::optional<double> seconds) {
    ShowEach(presenter, nocturna::SaveGivenDut1Setting(nocturna::DefaultHivePath(), seconds));
  };
  services.chooseIersFile = [](QWidget* parent) {
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Import an IERS Bulletin A or finals2000A file"), QString(),
                                        QStringLiteral("IERS files (*.txt *.dat *.data *.all);;All files (*)"));
  };
  services.importIersFile = [](const std::string& path) {
    return nocturna::ImportDut1TableFile(path, nocturna::DefaultDut1TablePath());
  };
}

// The program's services, each the real one; tests give the window their own.
nocturna::MainWindowServices RealServices(nocturna::QtMessagePresenter& presenter,
                                          nocturna::PosixSystemClock& systemClock) {
  nocturna::MainWindowServices services;
  services.presenter = &presenter;
  services.clock = [] { return nocturna::CurrentUniversalTime(); };
  services.readHomePosition = [&presenter](nocturna::DrPosition& position) {
    return nocturna::ReadUserHomePosition(presenter, position);
  };
  services.saveHomePosition = [&presenter](const nocturna::DrPosition& position) {
    nocturna::SaveUserHomePosition(presenter, position);
  };
  AddRememberedChoices(services, presenter);
  AddDut1Services(services, presenter);
  services.printDialog = nocturna::ChooseChartPrinterInDialog;
  services.serialDevices = [] { return nocturna::SerialDeviceResolver::FromEnvironment(); };
  services.systemClock = &systemClock;
  return services;
}

}  // namespace

int main(int argc, char** argv) {
  if (!CheckBeforeTheDisplay(argc, argv)) return 1;
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
  nocturna::QtMessagePresenter presenter;
  nocturna::PosixSystemClock systemClock;
  const nocturna::MainWindowServices services = RealServices(presenter, systemClock);
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
