#pragma once
// Action > "GPS Settings...": where the position comes from (the serial port, gpsd, NMEA 0183
// over TCP or over UDP) and where each new celestial fix goes (a TCP port that chart plotters
// connect to, or UDP datagrams to a plotter), with the DR beside it when asked.
#include <QDialog>
#include <optional>

#include "platform/gps_source_setting.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace nocturna {

class MessagePresenter;

class GpsSettingsDialog : public QDialog {
  Q_OBJECT

 public:
  // presenter tells of an address that does not read (the dialog then stays open).
  GpsSettingsDialog(const GpsSourceSetting& source, const FixOutSetting& fixOut, MessagePresenter& presenter,
                    QWidget* parent = nullptr);

  // What the fields hold; none when an address does not read.
  std::optional<GpsSourceSetting> Source() const;
  std::optional<FixOutSetting> FixOut() const;

  QComboBox* SourceKind() const { return sourceKind_; }
  QLineEdit* SourceAddress() const { return sourceAddress_; }
  QComboBox* FixOutKind() const { return fixOutKind_; }
  QLineEdit* FixOutAddress() const { return fixOutAddress_; }
  QCheckBox* FixOutWithDr() const { return fixOutWithDr_; }

  void accept() override;

 private:
  void ShowAddressHints();

  MessagePresenter& presenter_;
  QComboBox* sourceKind_ = nullptr;
  QLineEdit* sourceAddress_ = nullptr;
  QComboBox* fixOutKind_ = nullptr;
  QLineEdit* fixOutAddress_ = nullptr;
  QCheckBox* fixOutWithDr_ = nullptr;
};

}  // namespace nocturna
