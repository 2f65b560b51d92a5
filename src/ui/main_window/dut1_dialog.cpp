#include "ui/main_window/dut1_dialog.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "platform/ephemeris_setting.h"

namespace nocturna {
namespace {

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

}  // namespace

Dut1Dialog::Dut1Dialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Dut1Dialog"));
  setWindowTitle(QStringLiteral("DUT1"));
  inUse_ = Named(new QLabel(this), "Dut1InUse");
  tables_ = Named(new QLabel(this), "Dut1Tables");
  inUse_->setWordWrap(true);
  tables_->setWordWrap(true);
  fromTables_ = Named(new QRadioButton(QStringLiteral("From the IERS tables"), this), "Dut1FromTables");
  given_ = Named(new QRadioButton(QStringLiteral("Given (UT1 - UTC, seconds):"), this), "Dut1Given");
  seconds_ = Named(new QDoubleSpinBox(this), "Dut1Seconds");
  seconds_->setRange(-kLargestGivenDut1Seconds, kLargestGivenDut1Seconds);
  seconds_->setDecimals(3);
  seconds_->setSingleStep(0.1);
  import_ = Named(new QPushButton(QStringLiteral("&Import IERS File..."), this), "Dut1Import");
  auto* buttons = Named(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this), "Dut1Buttons");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(given_, &QRadioButton::toggled, seconds_, &QWidget::setEnabled);

  auto* layout = new QGridLayout(this);
  layout->addWidget(inUse_, 0, 0, 1, 2);
  layout->addWidget(fromTables_, 1, 0, 1, 2);
  layout->addWidget(given_, 2, 0);
  layout->addWidget(seconds_, 2, 1);
  layout->addWidget(tables_, 3, 0, 1, 2);
  layout->addWidget(import_, 4, 0);
  layout->addWidget(buttons, 5, 0, 1, 2);
}

void Dut1Dialog::ShowInUse(const std::string& inUse, const std::string& tables) {
  inUse_->setText(QString::fromLatin1(inUse.c_str()));
  tables_->setText(QString::fromLatin1(tables.c_str()));
}

void Dut1Dialog::ShowChoice(std::optional<double> givenSeconds) {
  (givenSeconds ? given_ : fromTables_)->setChecked(true);
  seconds_->setEnabled(givenSeconds.has_value());
  if (givenSeconds) seconds_->setValue(*givenSeconds);
}

std::optional<double> Dut1Dialog::Choice() const {
  if (!given_->isChecked()) return std::nullopt;
  return seconds_->value();
}

}  // namespace nocturna
