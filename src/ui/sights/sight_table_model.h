#pragma once
// The sight form's table: one row a sight record, the record the data. A typed cell is read
// into its own field of the record and nothing else is re-read, so loaded values stay exact; a
// cell that does not read keeps its text, shown red with the reason, until it is corrected.
#include <QAbstractTableModel>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "sights/sight_record.h"
#include "ui/sights/sight_form_texts.h"

namespace nocturna {

// How the time cells are typed: UTC, or watch times in a zone (UT = ZT + ZD), the watch fast by
// watchFastSeconds.
struct SightTimeBasis {
  bool zoneTimes = false;
  int zoneDescription = 0;  // hours, west positive
  double watchFastSeconds = 0.0;
  bool operator==(const SightTimeBasis&) const = default;
};

struct SightRow {
  SightRecord record;
  std::array<std::string, sight_columns::kTypedColumnCount> typed;     // as shown (Windows-1252)
  std::array<std::string, sight_columns::kTypedColumnCount> problems;  // why a cell does not read
  bool Reads() const;
};

class SightTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit SightTableModel(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // A typed cell: its text is read into the record, or kept with the reason it does not read.
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  void SetRecords(const std::vector<SightRecord>& records);
  void AppendRecord(const SightRecord& record);
  void RemoveRow(int row);
  const std::vector<SightRow>& Rows() const { return rows_; }
  // The computed cells of every row, in row order.
  void SetResults(const std::vector<SightRowResult>& results);
  // The time cells rewritten in a new basis, the eye cells in a new unit, from the records.
  void SetTimeBasis(const SightTimeBasis& basis);
  void SetEyeInFeet(bool feet);
  const SightTimeBasis& TimeBasis() const { return basis_; }
  // The typed time of a UTC moment in the current basis.
  std::string TypedTime(DateTime utc) const;

 signals:
  // The user changed a cell.
  void Edited();

 private:
  void ReadCell(SightRow& row, int column, const std::string& text) const;
  void WriteTypedCells(SightRow& row) const;

  std::vector<SightRow> rows_;
  std::vector<SightRowResult> results_;
  SightTimeBasis basis_;
  bool eyeInFeet_ = false;
};

// The typed cells of a record as the form shows them in a time basis and unit of eye.
std::array<std::string, sight_columns::kTypedColumnCount> TypedCellsOf(const SightRecord& record,
                                                                     const SightTimeBasis& basis,
                                                                     bool eyeInFeet);

// A number as short as it can be written and still read back the same.
std::string ExactNumberText(double value);

}  // namespace nocturna
