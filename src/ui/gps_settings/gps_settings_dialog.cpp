#include "ui/gps_settings/gps_settings_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "platform/message_presenter.h"

namespace nocturna {
namespace {

// The address field's text for a setting, and its hint.
QString SourceAddressText(const GpsSourceSetting& source) {
  if (source.kind == GpsSourceKind::Serial) return {};
  if (source.kind == GpsSourceKind::NmeaUdp) return QString::number(source.endpoint.port);
  return QString::fromStdString(HostPortText(source.endpoint));
}

QString FixOutAddressText(const FixOutSetting& fixOut) {
  if (fixOut.kind == FixOutKind::TcpServer) return QString::number(fixOut.endpoint.port);
  return QString::fromStdString(HostPortText(fixOut.endpoint));
}

QComboBox* Choices(QWidget* parent, const char* name, std::initializer_list<const char*> captions, int current) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QLatin1String(name));
  for (const char* caption : captions) box->addItem(QString::fromLatin1(caption));
  box->setCurrentIndex(current);
  return box;
}

QLineEdit* AddressField(QWidget* parent, const char* name, const QString& text) {
  auto* field = new QLineEdit(text, parent);
  field->setObjectName(QLatin1String(name));
  return field;
}

}  // namespace

GpsSettingsDialog::GpsSettingsDialog(const GpsSourceSetting& source, const FixOutSetting& fixOut,
                                     MessagePresenter& presenter, QWidget* parent)
    : QDialog(parent), presenter_(presenter) {
  setObjectName(QStringLiteral("GpsSettingsDialog"));
  setWindowTitle(QStringLiteral("GPS Settings"));
  sourceKind_ = Choices(this, "GpsSourceKind",
                        {"Serial port (COM1 to COM9)", "gpsd", "NMEA 0183 over TCP", "NMEA 0183 over UDP"},
                        static_cast<int>(source.kind));
  sourceAddress_ = AddressField(this, "GpsSourceAddress", SourceAddressText(source));
  fixOutKind_ = Choices(this, "FixOutKind", {"Off", "TCP server (plotters connect)", "UDP to a plotter"},
                        static_cast<int>(fixOut.kind));
  fixOutAddress_ = AddressField(this, "FixOutAddress", FixOutAddressText(fixOut));
  fixOutWithDr_ = new QCheckBox(QStringLiteral("Send the DR beside each fix (waypoint DR and the fix time)"), this);
  fixOutWithDr_->setObjectName(QStringLiteral("FixOutWithDr"));
  fixOutWithDr_->setChecked(fixOut.withDr);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Position from:"), sourceKind_);
  form->addRow(QStringLiteral("Address:"), sourceAddress_);
  form->addRow(QStringLiteral("Send each fix:"), fixOutKind_);
  form->addRow(QStringLiteral("Fix address:"), fixOutAddress_);
  form->addRow(QString(), fixOutWithDr_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  connect(sourceKind_, &QComboBox::currentIndexChanged, this, &GpsSettingsDialog::ShowAddressHints);
  connect(fixOutKind_, &QComboBox::currentIndexChanged, this, &GpsSettingsDialog::ShowAddressHints);
  ShowAddressHints();
}

// What each address field takes, for the choice made; a field without use is disabled.
void GpsSettingsDialog::ShowAddressHints() {
  static const char* const sourceHints[] = {"", "localhost:2947", "host:10110", "10110 (port to listen on)"};
  const int source = sourceKind_->currentIndex();
  sourceAddress_->setEnabled(source != static_cast<int>(GpsSourceKind::Serial));
  sourceAddress_->setPlaceholderText(QString::fromLatin1(sourceHints[source]));
  static const char* const fixOutHints[] = {"", "10110 (port to serve)", "host:10110"};
  const int fixOut = fixOutKind_->currentIndex();
  fixOutAddress_->setEnabled(fixOut != static_cast<int>(FixOutKind::Off));
  fixOutWithDr_->setEnabled(fixOut != static_cast<int>(FixOutKind::Off));
  fixOutAddress_->setPlaceholderText(QString::fromLatin1(fixOutHints[fixOut]));
}

std::optional<GpsSourceSetting> GpsSettingsDialog::Source() const {
  static const char* const words[] = {"serial", "gpsd", "tcp", "udp"};
  const std::string word = words[sourceKind_->currentIndex()];
  std::string address = sourceAddress_->text().trimmed().toStdString();
  if (address.empty() && word != "serial") address = word == "gpsd" ? "localhost:2947" : "10110";
  return ParseGpsSourceText(word == "serial" ? word : word + " " + address);
}

std::optional<FixOutSetting> GpsSettingsDialog::FixOut() const {
  static const char* const words[] = {"off", "tcp", "udp"};
  const std::string word = words[fixOutKind_->currentIndex()];
  std::string address = fixOutAddress_->text().trimmed().toStdString();
  if (address.empty()) address = word == "tcp" ? "10110" : "127.0.0.1:10110";
  std::optional<FixOutSetting> fixOut = ParseFixOutText(word == "off" ? word : word + " " + address);
  if (fixOut && fixOut->kind != FixOutKind::Off) fixOut->withDr = fixOutWithDr_->isChecked();
  return fixOut;
}

void GpsSettingsDialog::accept() {
  const char* problem = !Source() ? "The GPS address does not read: give host:port (a port alone for UDP)."
                        : !FixOut() ? "The fix address does not read: give a port for TCP, host:port for UDP."
                                    : nullptr;
  if (problem == nullptr) {
    QDialog::accept();
    return;
  }
  presenter_.Show({MessageKind::Warning, problem, "GPS Settings", MessageButtons::Ok, MessageAnswer::Ok});
}

}  // namespace nocturna
