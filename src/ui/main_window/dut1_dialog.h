#pragma once
// View > "DUT1...": the DUT1 the precise ephemeris uses at the chart's moment with its source,
// the choice between the IERS tables and a value given by hand, and the import of an IERS file.
// The window fills it and acts on its buttons; the dialog only shows and reads.
#include <QDialog>
#include <optional>

class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace nocturna {

class Dut1Dialog : public QDialog {
 public:
  explicit Dut1Dialog(QWidget* parent);

  // The DUT1 in use with its source, and what the tables hold (Windows-1252 texts).
  void ShowInUse(const std::string& inUse, const std::string& tables);
  // The tables (empty) or a value given by hand, in seconds.
  void ShowChoice(std::optional<double> givenSeconds);
  std::optional<double> Choice() const;
  QPushButton* ImportButton() const { return import_; }

 private:
  QLabel* inUse_ = nullptr;
  QLabel* tables_ = nullptr;
  QRadioButton* fromTables_ = nullptr;
  QRadioButton* given_ = nullptr;
  QDoubleSpinBox* seconds_ = nullptr;
  QPushButton* import_ = nullptr;
};

}  // namespace nocturna
