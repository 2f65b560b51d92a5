#include "ui/sights/sight_table_model.h"

#include <QBrush>
#include <QColor>
#include <charconv>
#include <cmath>

#include "sights/sight_body.h"
#include "sights/sight_fields.h"
#include "ui/main_window/latin1_text.h"
#include "ui/sights/sight_body_list.h"

namespace nocturna {
using namespace sight_columns;
namespace {

constexpr double kSecondsPerDay = 86400.0;
const QColor kBadCell(255, 200, 200);

std::optional<double> InRange(std::optional<double> value, double lowest, double highest) {
  if (!value || *value < lowest || *value > highest) return std::nullopt;
  return value;
}

std::string TypedTimeOf(DateTime utc, const SightTimeBasis& basis) {
  if (!basis.zoneTimes) return FormatUtcMoment(utc);
  return FormatUtcMoment(utc - basis.zoneDescription / 24.0 + basis.watchFastSeconds / kSecondsPerDay);
}

// Feet shown to a hundredth; the record keeps the metres as read.
std::string EyeText(double metres, bool feet) {
  return feet ? ExactNumberText(std::round(metres / kMetresPerFoot * 100) / 100) : ExactNumberText(metres);
}

}  // namespace

std::array<std::string, kTypedColumnCount> TypedCellsOf(const SightRecord& record,
                                                        const SightTimeBasis& basis, bool eyeInFeet) {
  const SightConditions& c = record.conditions;
  const auto body = FindSightBody(record.body);
  return {TypedTimeOf(record.utc, basis),
          body ? ShownBodyName(*body) : record.body,
          FormatLimb(record.limb),
          FormatSextantAltitude(record.hsDegrees),
          ExactNumberText(c.indexCorrectionMinutes),
          EyeText(c.heightOfEyeMetres, eyeInFeet),
          ExactNumberText(c.temperatureCelsius),
          ExactNumberText(c.pressureHectopascals)};
}

std::string ExactNumberText(double value) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

bool SightRow::Reads() const {
  for (const std::string& problem : problems)
    if (!problem.empty()) return false;
  return true;
}

SightTableModel::SightTableModel(QObject* parent) : QAbstractTableModel(parent) {}

int SightTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int SightTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kSightColumnCount;
}

QVariant SightTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const SightRow& row = rows_[index.row()];
  const int column = index.column();
  const bool typed = column < kTypedColumnCount;
  const std::string* problem = typed ? &row.problems[column] : nullptr;
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      if (typed) return FromLatin1(row.typed[column]);
      if (index.row() < static_cast<int>(results_.size()))
        return FromLatin1(results_[index.row()][column - kDipColumn]);
      return QString();
    case Qt::BackgroundRole:
      return problem && !problem->empty() ? QVariant(QBrush(kBadCell)) : QVariant();
    case Qt::ToolTipRole:
      return problem && !problem->empty() ? QVariant(FromLatin1(*problem)) : QVariant();
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

bool SightTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !index.isValid() || index.column() >= kTypedColumnCount) return false;
  SightRow& row = rows_[index.row()];
  const std::string text = ToLatin1(value.toString().trimmed());
  if (text == row.typed[index.column()] && row.problems[index.column()].empty()) return false;
  ReadCell(row, index.column(), text);
  emit dataChanged(this->index(index.row(), 0), this->index(index.row(), kTypedColumnCount - 1));
  emit Edited();
  return true;
}

void SightTableModel::ReadCell(SightRow& row, int column, const std::string& text) const {
  row.typed[column] = text;
  std::string& problem = row.problems[column];
  problem.clear();
  SightRecord& r = row.record;
  SightConditions& c = r.conditions;
  const auto read = [&](auto parsed, auto& field, const char* why) {
    if (parsed) field = *parsed;
    else problem = why;
  };
  switch (column) {
    case kTimeColumn: {
      auto utc = ParseUtcMoment(text);
      if (utc && basis_.zoneTimes)
        *utc += basis_.zoneDescription / 24.0 - basis_.watchFastSeconds / kSecondsPerDay;
      read(utc, r.utc, "the time reads YYYY-MM-DD HH:MM:SS");
      break;
    }
    case kBodyColumn: {
      const auto body = FindSightBody(text);
      if (!body) {
        problem = "no body is called \"" + text + "\": type a whole name or choose one";
        break;
      }
      r.body = ShownBodyName(*body);
      row.typed[column] = r.body;
      // A star or a planet has no limb: the row does not keep the one the Sun had.
      if (!BodyHasLimbs(*body)) ReadCell(row, kLimbColumn, "");
      else if (!row.problems[kLimbColumn].empty()) ReadCell(row, kLimbColumn, row.typed[kLimbColumn]);
      break;
    }
    case kLimbColumn: {
      read(ParseLimb(text), r.limb, "the limb is L (lower), U (upper) or empty");
      const auto body = FindSightBody(r.body);
      if (problem.empty() && r.limb != Limb::centre && body && !BodyHasLimbs(*body))
        problem = "only the Sun and the Moon have a limb";
      break;
    }
    case kHsColumn:
      read(ParseSextantAltitude(text), r.hsDegrees, "Hs reads 34 12.3 (degrees and minutes) or 34.205");
      break;
    case kIcColumn:
      read(ParseIndexCorrection(text), c.indexCorrectionMinutes, "IC reads 1.5 off, 1.5 on or -1.5 (minutes)");
      break;
    case kEyeColumn:
      read(ParseHeightOfEye(text, eyeInFeet_), c.heightOfEyeMetres, "the height of eye reads 3.5, 3.5 m or 11 ft");
      break;
    case kTempColumn:
      read(InRange(ParseDecimal(text), kLowestTemperature, kHighestTemperature), c.temperatureCelsius,
           "the temperature is -60 to 60 \xB0" "C");
      break;
    case kPressureColumn:
      read(InRange(ParseDecimal(text), kLowestPressure, kHighestPressure), c.pressureHectopascals,
           "the pressure is 850 to 1100 hPa");
      break;
    default:
      break;
  }
}

std::string SightTableModel::TypedTime(DateTime utc) const { return TypedTimeOf(utc, basis_); }

void SightTableModel::WriteTypedCells(SightRow& row) const {
  row.typed = TypedCellsOf(row.record, basis_, eyeInFeet_);
  row.problems = {};
}

void SightTableModel::SetRecords(const std::vector<SightRecord>& records) {
  beginResetModel();
  rows_.clear();
  results_.clear();
  for (const SightRecord& record : records) {
    SightRow& row = rows_.emplace_back();
    row.record = record;
    WriteTypedCells(row);
  }
  endResetModel();
}

void SightTableModel::AppendRecord(const SightRecord& record) {
  const int at = rowCount();
  beginInsertRows(QModelIndex(), at, at);
  SightRow& row = rows_.emplace_back();
  row.record = record;
  WriteTypedCells(row);
  endInsertRows();
  emit Edited();
}

void SightTableModel::RemoveRow(int row) {
  if (row < 0 || row >= rowCount()) return;
  beginRemoveRows(QModelIndex(), row, row);
  rows_.erase(rows_.begin() + row);
  if (row < static_cast<int>(results_.size())) results_.erase(results_.begin() + row);
  endRemoveRows();
  emit Edited();
}

void SightTableModel::SetResults(const std::vector<SightRowResult>& results) {
  results_ = results;
  if (!rows_.empty())
    emit dataChanged(index(0, kDipColumn), index(rowCount() - 1, kSightColumnCount - 1));
}

void SightTableModel::SetTimeBasis(const SightTimeBasis& basis) {
  if (basis == basis_) return;
  basis_ = basis;
  for (SightRow& row : rows_)
    if (row.problems[kTimeColumn].empty()) row.typed[kTimeColumn] = TypedTime(row.record.utc);
  if (!rows_.empty()) emit dataChanged(index(0, kTimeColumn), index(rowCount() - 1, kTimeColumn));
}

void SightTableModel::SetEyeInFeet(bool feet) {
  if (feet == eyeInFeet_) return;
  eyeInFeet_ = feet;
  for (SightRow& row : rows_) {
    if (!row.problems[kEyeColumn].empty()) continue;
    row.typed[kEyeColumn] = EyeText(row.record.conditions.heightOfEyeMetres, feet);
  }
  if (!rows_.empty()) emit dataChanged(index(0, kEyeColumn), index(rowCount() - 1, kEyeColumn));
}

}  // namespace nocturna
