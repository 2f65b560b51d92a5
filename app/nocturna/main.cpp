// Nocturna: the sky chart and almanac window.
#include <QApplication>
#include <QScreen>
#include <exception>

#include "navigation/body_catalog.h"
#include "ui/application_look.h"
#include "ui/main_window.h"
#include "ui/qt_message_presenter.h"

int main(int argc, char** argv) {
  // The one catalog and the day's events record live for the whole run, built before any window.
  nocturna::BodyCatalog catalog = nocturna::BuildCatalog();
  nocturna::SunEventsRecord events{};

  QApplication application(argc, argv);
  nocturna::InstallApplicationLook(application);
  try {
    nocturna::TForm1 window(catalog, events);
    // Fill the screen first, so the window is full size even where no window manager maximises.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      window.setGeometry(screen->availableGeometry());
    }
    window.showMaximized();
    return application.exec();
  } catch (const std::exception& error) {
    nocturna::QtMessagePresenter presenter;
    nocturna::Message message;
    message.kind = nocturna::MessageKind::Error;
    message.text = error.what();
    presenter.Show(message);
    return 1;
  }
}
