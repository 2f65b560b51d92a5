#pragma once
// The sight form's table: a model over the sight records, one row a record, the record the
// data. A typed cell goes into the record as typed and the record is read again from its cells,
// which hold loaded values exactly, so nothing is rounded; a cell that does not read keeps its
// text, shown red with the record's note, until it is corrected. The computed cells come from
// the sight form of the reduced log.
#include <QAbstractTableModel>
#include <string>
#include <vector>

#include "sights/sight_form.h"
#include "sights/sight_record.h"
#include "ui/sights/sight_form_texts.h"

namespace nocturna {

// How the time cells are shown and typed: UTC, or watch times in a zone (UT = ZT + ZD), the
// watch fast by watchFastSeconds. The records keep UTC.
struct SightTimeBasis {
  bool zoneTimes = false;
  int zoneDescription = 0;  // hours, west positive
  double watchFastSeconds = 0.0;
  bool operator==(const SightTimeBasis&) const = default;
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
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  void SetRecords(std::vector<SightRecord> records);
  void AppendRecord(SightRecord record);
  void RemoveRow(int row);
  const std::vector<SightRecord>& Records() const { return records_; }
  // The computed cells, from the form of the reduced records.
  void SetForm(SightForm form);
  // The time cells shown in a new basis; bare heights of eye typed from now on read as feet.
  void SetTimeBasis(const SightTimeBasis& basis);
  void SetEyeInFeet(bool feet) { eyeInFeet_ = feet; }
  const SightTimeBasis& TimeBasis() const { return basis_; }

 signals:
  // The user changed a cell.
  void Edited();

 private:
  std::string Shown(const SightRecord& record, int column) const;
  void Type(SightRecord& record, int column, const std::string& text) const;

  std::vector<SightRecord> records_;
  SightForm form_;
  SightTimeBasis basis_;
  bool eyeInFeet_ = false;
};

// The typed column a record's note names ("column hs: ..."), or -1.
int NotedColumn(const SightRecord& record);

}  // namespace nocturna
