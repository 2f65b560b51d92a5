#include "chart/table_document.h"

#include <algorithm>

namespace nocturna {

namespace {

constexpr int kFewestLinesPerPage = 4;

// The window's four columns: the name wide and left-aligned, the values centred.
DocumentTable TableOf(const std::array<const char*, kTableColumnCount>& captions,
                      const std::vector<TableRow>& rows) {
  constexpr double kWidths[kTableColumnCount] = {24.0, 16.0, 18.0, 10.0};
  DocumentTable table;
  for (int i = 0; i < kTableColumnCount; ++i) {
    table.columns.push_back({captions[i], kWidths[i], i > 0});
  }
  for (const TableRow& row : rows) table.rows.emplace_back(row.cells.begin(), row.cells.end());
  return table;
}

}  // namespace

std::vector<DocumentPage> PaginateTableDocument(const TableDocument& document, int linesPerPage) {
  const int perPage = std::max(linesPerPage, kFewestLinesPerPage);
  std::vector<DocumentPage> pages(1);
  auto room = [&] { return perPage - static_cast<int>(pages.back().size()); };
  auto add = [&](DocumentLine line) {
    if (room() == 0) pages.emplace_back();
    pages.back().push_back(line);
  };
  add({DocumentLineKind::Title, 0, 0});
  for (int i = 0; i < static_cast<int>(document.headingLines.size()); ++i) {
    add({DocumentLineKind::Heading, 0, i});
  }
  for (int t = 0; t < static_cast<int>(document.tables.size()); ++t) {
    const DocumentTable& table = document.tables[t];
    const int needed = table.rows.empty() ? 1 : 2;  // the captions and a first row
    if (!pages.back().empty()) {
      if (room() > needed) {
        add({DocumentLineKind::Blank, 0, 0});
      } else {
        pages.emplace_back();
      }
    }
    add({DocumentLineKind::Captions, t, 0});
    for (int r = 0; r < static_cast<int>(table.rows.size()); ++r) {
      if (room() == 0) {
        pages.emplace_back();
        pages.back().push_back({DocumentLineKind::Captions, t, 0});
      }
      pages.back().push_back({DocumentLineKind::Row, t, r});
    }
  }
  return pages;
}

TableDocument VisibleBodiesDocument(const VisibleBodiesList& list) {
  TableDocument document;
  document.title = "Visible Bodies";
  document.headingLines = {LightStateCaption(list.light), list.dateLine, list.positionLine,
                           list.lhaAriesLine};
  document.tables.push_back(TableOf({"Visible Bodies", "Hc", "Zn", "Mag"}, list.rows));
  return document;
}

TableDocument AlmanacPageDocument(const AlmanacPage& page) {
  TableDocument document;
  document.title = "Almanac";
  document.headingLines = {"Stars & Planets", page.dateLine, page.positionLine,
                           page.ghaAriesLine};
  const char* angle = page.angleHeading.c_str();
  document.tables.push_back(TableOf({"Stars", angle, "Declination", "Mag"}, page.stars));
  document.tables.push_back(TableOf({"Planets", angle, "Declination", "Mag"}, page.planets));
  return document;
}

}  // namespace nocturna
