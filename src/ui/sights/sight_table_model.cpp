#include "ui/sights/sight_table_model.h"

#include <QBrush>
#include <QColor>

#include "sights/sight_body.h"
#include "sights/sight_fields.h"
#include "sights/sight_row.h"
#include "ui/main_window/latin1_text.h"

namespace nocturna {
using namespace sight_columns;
namespace {

constexpr double kSecondsPerDay = 86400.0;
const QColor kBadCell(255, 200, 200);

// The form's column of each computed column of the table, Dip to Note.
constexpr SightFormColumn kFormColumns[] = {
    SightFormColumn::dip, SightFormColumn::ha, SightFormColumn::refraction,
    SightFormColumn::semiDiameter, SightFormColumn::parallax, SightFormColumn::ho,
    SightFormColumn::hc, SightFormColumn::zn, SightFormColumn::intercept, SightFormColumn::note};

double ZoneOffsetDays(const SightTimeBasis& basis) {
  return basis.zoneTimes ? basis.zoneDescription / 24.0 - basis.watchFastSeconds / kSecondsPerDay : 0.0;
}

}  // namespace

int NotedColumn(const SightRecord& record) {
  for (int c = 0; c < kTypedColumnCount; ++c) {
    const std::string prefix =
        "column " + std::string(kSightLogColumnNames[static_cast<int>(LogColumnOf(c))]) + ":";
    if (record.note.rfind(prefix, 0) == 0) return c;
  }
  return -1;
}

SightTableModel::SightTableModel(QObject* parent) : QAbstractTableModel(parent) {}

int SightTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(records_.size());
}

int SightTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kSightColumnCount;
}

std::string SightTableModel::Shown(const SightRecord& record, int column) const {
  if (column < kTypedColumnCount) {
    // Zone times are shown from the record's UTC; a time that does not read, as typed.
    const std::string& cell = record.Cell(LogColumnOf(column));
    if (column == kTimeColumn && basis_.zoneTimes && ParseUtcMoment(cell))
      return FormatUtcMoment(*ParseUtcMoment(cell) - ZoneOffsetDays(basis_));
    return cell;
  }
  const std::size_t row = &record - records_.data();
  if (row >= form_.rows.size()) return {};
  return form_.rows[row][static_cast<int>(kFormColumns[column - kDipColumn])];
}

QVariant SightTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const SightRecord& record = records_[index.row()];
  const int column = index.column();
  const bool bad = column < kTypedColumnCount && !record.Reads() && NotedColumn(record) == column;
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return FromLatin1(Shown(record, column));
    case Qt::BackgroundRole:
      return bad ? QVariant(QBrush(kBadCell)) : QVariant();
    case Qt::ToolTipRole:
      return bad || column == kNoteColumn ? QVariant(FromLatin1(Shown(record, kNoteColumn))) : QVariant();
    case Qt::TextAlignmentRole:
      return column == kNoteColumn || column == kTimeColumn || column == kBodyColumn
                 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                 : QVariant(Qt::AlignCenter);
    default:
      return {};
  }
}

QVariant SightTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  return section >= 0 && section < kSightColumnCount ? QString::fromLatin1(SightColumnCaptions()[section]) : QVariant();
}

Qt::ItemFlags SightTableModel::flags(const QModelIndex& index) const {
  const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
  return index.column() < kTypedColumnCount ? flags | Qt::ItemIsEditable : flags;
}

void SightTableModel::Type(SightRecord& record, int column, const std::string& text) const {
  std::string cell = text;
  if (column == kTimeColumn && basis_.zoneTimes) {
    if (const auto zone = ParseUtcMoment(text)) cell = FormatUtcMoment(*zone + ZoneOffsetDays(basis_));
  }
  if (column == kEyeColumn && eyeInFeet_ && ParseDecimal(text)) cell = text + " ft";
  record.Cell(LogColumnOf(column)) = cell;
  if (column == kBodyColumn) {
    // The name as the sights show it ("Kochab"); a star or planet keeps no limb of the Sun's.
    if (const auto body = FindSightBody(text)) {
      record.Cell(SightColumn::body) = std::string(SightBodyName(*body));
      if (!BodyHasLimbs(*body)) record.Cell(SightColumn::limb).clear();
    }
  }
  ReadSightCells(record);
}

bool SightTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !index.isValid() || index.column() >= kTypedColumnCount) return false;
  const std::string text = ToLatin1(value.toString().trimmed());
  SightRecord& record = records_[index.row()];
  if (text == Shown(record, index.column())) return false;
  Type(record, index.column(), text);
  emit dataChanged(this->index(index.row(), 0), this->index(index.row(), kSightColumnCount - 1));
  emit Edited();
  return true;
}

void SightTableModel::SetRecords(std::vector<SightRecord> records) {
  beginResetModel();
  records_ = std::move(records);
  for (SightRecord& record : records_)
    if (record.Cell(SightColumn::utc).empty() && record.Reads()) WriteSightCells(record);
  form_ = {};
  endResetModel();
}

void SightTableModel::AppendRecord(SightRecord record) {
  const int at = rowCount();
  beginInsertRows(QModelIndex(), at, at);
  if (record.Cell(SightColumn::body).empty()) WriteSightCells(record);
  ReadSightCells(record);
  records_.push_back(std::move(record));
  endInsertRows();
  emit Edited();
}

void SightTableModel::RemoveRow(int row) {
  if (row < 0 || row >= rowCount()) return;
  beginRemoveRows(QModelIndex(), row, row);
  records_.erase(records_.begin() + row);
  if (row < static_cast<int>(form_.rows.size())) form_.rows.erase(form_.rows.begin() + row);
  endRemoveRows();
  emit Edited();
}

void SightTableModel::SetForm(SightForm form) {
  form_ = std::move(form);
  if (!records_.empty()) emit dataChanged(index(0, kDipColumn), index(rowCount() - 1, kSightColumnCount - 1));
}

void SightTableModel::SetTimeBasis(const SightTimeBasis& basis) {
  if (basis == basis_) return;
  basis_ = basis;
  if (!records_.empty()) emit dataChanged(index(0, kTimeColumn), index(rowCount() - 1, kTimeColumn));
}

}  // namespace nocturna
