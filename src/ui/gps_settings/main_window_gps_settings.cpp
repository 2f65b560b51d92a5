// Action > "GPS Settings..." (Ctrl+G): where the GPS position comes from and where each new
// celestial fix is sent, both remembered beside the home position. A new source takes effect
// at the next start of the GPS.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "ui/gps_settings/gps_settings_dialog.h"
#include "ui/gps_settings/network_fix_out.h"
#include "gps/gps_controller.h"
#include "ui/main_window/main_window.h"

namespace nocturna {

void TForm1::ConnectGpsSettings() {
  QMenu* action = MenuTitled(QStringLiteral("Action"));
  QAction* item = action->addAction(QStringLiteral("GPS Settings..."));
  item->setObjectName(QStringLiteral("GpsSettings1"));
  item->setShortcut(QKeySequence(QStringLiteral("Ctrl+G")));
  connect(item, &QAction::triggered, this, &TForm1::GpsSettings1Click);
  fixOut_ = std::make_unique<NetworkFixOut>();
  if (services_.readGpsSource) gps_->SetSource(services_.readGpsSource());
  if (services_.readFixOut) StartFixOut(services_.readFixOut());
}

void TForm1::StartFixOut(const FixOutSetting& setting) {
  fixOutSetting_ = setting;
  if (const std::string problem = fixOut_->Start(setting); !problem.empty()) {
    presenter_->Show({MessageKind::Warning, problem, "GPS Settings", MessageButtons::Ok, MessageAnswer::Ok});
  }
}

void TForm1::GpsSettings1Click() {
  GpsSettingsDialog dialog(gps_->Source(), fixOutSetting_, *presenter_, this);
  ShowTableWindow(dialog);
  if (dialog.result() != QDialog::Accepted) return;
  const GpsSourceSetting source = *dialog.Source();
  const FixOutSetting fixOut = *dialog.FixOut();
  gps_->SetSource(source);
  if (services_.saveGpsSource) services_.saveGpsSource(source, fixOut);
  if (FixOutText(fixOut) != FixOutText(fixOutSetting_)) StartFixOut(fixOut);
}

QMenu* TForm1::MenuTitled(const QString& title) const {
  for (QAction* menu : menuBar()->actions()) {
    if (menu->text() == title && menu->menu() != nullptr) return menu->menu();
  }
  return menuBar()->addMenu(title);
}

}  // namespace nocturna
