// The altitude correction pages: the Sun, stars and planets and the dip from 10 deg; the low
// altitudes; the non-standard atmosphere; the Moon.
#include <cstdio>

#include "almanacpages/altitude_correction_tables.h"
#include "almanacpages/table_blocks.h"

namespace nocturna {
namespace {

constexpr int kColumns = 100;
constexpr int kGroup = 5;
enum TableIndex { kSunWinter, kSunSummer, kStars, kDip, kLow, kFactor, kAdditional, kMoon };

std::string Metres(long tenths) {
  char text[64];
  std::snprintf(text, sizeof text, "%ld.%ld", tenths / 10, tenths % 10);
  return text;
}

std::string Hundredths(long value) {
  char text[64];
  std::snprintf(text, sizeof text, "%ld.%02ld", value / 100, value % 100);
  return text;
}

// The rows [from, to) of a table, the first value by `argument` and the rest as corrections.
template <typename Argument>
std::vector<std::vector<std::string>> Texts(const ValueTable& table, std::size_t from, std::size_t to,
                                            Argument argument) {
  std::vector<std::vector<std::string>> rows;
  for (std::size_t r = from; r < to && r < table.rows.size(); ++r) {
    std::vector<std::string> row{argument(table.rows[r][0])};
    for (std::size_t c = 1; c < table.rows[r].size(); ++c) row.push_back(SignedTenths(table.rows[r][c]));
    rows.push_back(std::move(row));
  }
  return rows;
}

Sheet FromTenDegreesSheet(const std::vector<ValueTable>& tables) {
  SheetWriter sheet(kColumns);
  sheet.Line(SheetLineStyle::title).PutCentred("ALTITUDE CORRECTION TABLES 10\xB0-90\xB0: SUN, STARS, PLANETS, DIP");
  const TextColumn alt{"App.", "Alt.", 5};
  const auto sun = [&](const ValueTable& table, const char* title, int left) {
    return TextBlock{title, left, {alt, {"Lower", "Limb", 5}, {"Upper", "Limb", 5}},
                     Texts(table, 0, table.rows.size(), DegreesMinutes)};
  };
  const ValueTable& dip = tables[kDip];
  const std::size_t half = (dip.rows.size() + 1) / 2;
  const TextColumn height{"Ht.", "m", 4};
  const TextColumn dipColumn{"Dip", "", 4};
  WriteBlocks(sheet, kColumns,
              {sun(tables[kSunWinter], "SUN OCT.-MAR.", 0), sun(tables[kSunSummer], "SUN APR.-SEPT.", 21),
               {"STARS", 42, {alt, {"Corr", "", 5}}, Texts(tables[kStars], 0, tables[kStars].rows.size(), DegreesMinutes)},
               {"DIP", 57, {height, dipColumn}, Texts(dip, 0, half, Metres)},
               {"", 70, {height, dipColumn}, Texts(dip, half, dip.rows.size(), Metres)}},
              kGroup);
  sheet.Line().Put(0, "Critical tables: each correction holds from its argument up to the next row's; on a");
  sheet.Line().Put(0, "boundary take the upper. Ho = Ha + correction; Ha = Hs + index correction + dip.");
  sheet.Line().Put(0, "Standard atmosphere 10\xB0" "C, 1010 hPa; Sun's semi-diameter 16.1' Oct.-Mar., 15.9' Apr.-Sept.");
  return sheet.Take();
}

Sheet LowAltitudeSheet(const ValueTable& low) {
  SheetWriter sheet(kColumns);
  sheet.Line(SheetLineStyle::title).PutCentred("ALTITUDE CORRECTION TABLES 0\xB0-10\xB0: SUN, STARS, PLANETS");
  const std::vector<TextColumn> columns{{"App.", "Alt.", 5},   {"Lower", "Limb", 5}, {"Upper", "Limb", 5},
                                        {"Lower", "Limb", 5},  {"Upper", "Limb", 5}, {"Stars", "Plan.", 5}};
  const char* title = "      OCT.-MAR.   APR.-SEPT.";
  const std::size_t half = (low.rows.size() + 1) / 2;
  WriteBlocks(sheet, kColumns,
              {{title, 0, columns, Texts(low, 0, half, DegreesMinutes)},
               {title, 40, columns, Texts(low, half, low.rows.size(), DegreesMinutes)}},
              kGroup);
  sheet.Line().Put(0, "Below 5\xB0 the refraction is uncertain; below 0\xB0 these corrections do not apply.");
  return sheet.Take();
}

Sheet AtmosphereSheet(const ValueTable& factor, const ValueTable& additional) {
  SheetWriter sheet(kColumns);
  sheet.Line(SheetLineStyle::title).PutCentred("ADDITIONAL REFRACTION FOR TEMPERATURE AND PRESSURE");
  std::vector<TextColumn> factorColumns{{"Temp.", "\xB0" "C", 5}};
  for (std::size_t c = 1; c < factor.columns.size(); ++c) {
    factorColumns.push_back({c == 1 ? "hPa" : "", std::to_string(960 + 10 * (c - 1)), 5});
  }
  std::vector<std::vector<std::string>> factorRows;
  for (const std::vector<long>& row : factor.rows) {
    std::vector<std::string> texts{std::to_string(row[0])};
    for (std::size_t c = 1; c < row.size(); ++c) texts.push_back(Hundredths(row[c]));
    factorRows.push_back(std::move(texts));
  }
  WriteBlocks(sheet, kColumns, {{"REFRACTION FACTOR f = 0.28 P / (T + 273)", 0, factorColumns, factorRows}}, kGroup);
  std::vector<TextColumn> columns{{"App.", "Alt.", 5}};
  for (std::size_t c = 1; c < additional.columns.size(); ++c) {
    columns.push_back({c == 1 ? "f" : "", Hundredths(80 + 5 * static_cast<long>(c - 1)), 5});
  }
  WriteBlocks(sheet, kColumns,
              {{"ADDITIONAL CORRECTION, added to the main correction", 0, columns,
                Texts(additional, 0, additional.rows.size(), DegreesMinutes)}},
              kGroup);
  sheet.Line().Put(0, "Find f from the air temperature and the barometer, then the correction by the apparent");
  sheet.Line().Put(0, "altitude and f, interpolating in both. It is (1 - f) times the standard refraction.");
  return sheet.Take();
}

Sheet MoonSheet(const ValueTable& moon, int fromDegree, int toDegree) {
  SheetWriter sheet(kColumns);
  sheet.Line(SheetLineStyle::title).PutCentred("ALTITUDE CORRECTION TABLES: MOON " + std::to_string(fromDegree) +
                                               "\xB0-" + std::to_string(toDegree) + "\xB0");
  std::vector<TextColumn> columns{{"App.", "Alt.", 4}};
  for (std::size_t c = 1; c < moon.columns.size(); c += 2) {
    columns.push_back({"HP " + std::to_string(54 + (c - 1) / 2) + "'", "L", 5});
    columns.push_back({"", "U", 5});
  }
  const auto degrees = [](long value) { return std::to_string(value) + "\xB0"; };
  WriteBlocks(sheet, kColumns, {{"", 0, columns, Texts(moon, fromDegree, toDegree + 1, degrees)}}, kGroup);
  sheet.Line().Put(0, "Ho = Ha + correction for the lower (L) or upper (U) limb, interpolating in the apparent");
  sheet.Line().Put(0, "altitude and in HP. Semi-diameter 0.2725 HP, augmented for the altitude; parallax in altitude.");
  return sheet.Take();
}

}  // namespace

std::vector<Sheet> AltitudeCorrectionSheets() {
  const std::vector<ValueTable> tables = AltitudeCorrectionTables();
  return {FromTenDegreesSheet(tables), LowAltitudeSheet(tables[kLow]),
          AtmosphereSheet(tables[kFactor], tables[kAdditional]), MoonSheet(tables[kMoon], 0, 45),
          MoonSheet(tables[kMoon], 46, 90)};
}

}  // namespace nocturna
