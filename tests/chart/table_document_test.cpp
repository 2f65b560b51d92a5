// The table windows' printed documents: every row once, in order, on pages that repeat their
// captions and never end on captions alone.
#include <gtest/gtest.h>

#include "chart/table_document.h"

namespace nocturna {
namespace {

TableDocument DocumentWith(std::vector<int> rowCounts) {
  TableDocument document;
  document.title = "Title";
  document.headingLines = {"a", "b", "c", "d"};
  for (int rows : rowCounts) {
    DocumentTable table;
    table.columns = {{"Name", 24, false}, {"Value", 16, true}};
    for (int r = 0; r < rows; ++r) table.rows.push_back({"row", std::to_string(r)});
    document.tables.push_back(table);
  }
  return document;
}

TEST(TableDocumentTest, EveryRowOnceInOrderOnPagesThatRepeatTheirCaptions) {
  for (int perPage : {4, 5, 9, 44, 60}) {
    for (const std::vector<int>& rows :
         std::vector<std::vector<int>>{{57, 4}, {0}, {1, 0, 3}, {100}, {36, 1}, {37, 1}}) {
      SCOPED_TRACE("lines " + std::to_string(perPage) + ", tables " + std::to_string(rows.size()) +
                   ", first " + std::to_string(rows[0]));
      const std::vector<DocumentPage> pages = PaginateTableDocument(DocumentWith(rows), perPage);
      std::vector<DocumentLine> seen;
      for (const DocumentPage& page : pages) {
        ASSERT_FALSE(page.empty());
        EXPECT_LE(static_cast<int>(page.size()), perPage);
        if (page.front().kind == DocumentLineKind::Row) ADD_FAILURE() << "a page without captions";
        const DocumentLine& last = page.back();
        if (last.kind == DocumentLineKind::Captions && rows[last.table] > 0 && &page != &pages.back()) {
          ADD_FAILURE() << "captions end a page";
        }
        for (const DocumentLine& line : page) {
          if (line.kind == DocumentLineKind::Row) seen.push_back(line);
        }
      }
      std::vector<DocumentLine> expected;
      for (int t = 0; t < static_cast<int>(rows.size()); ++t) {
        for (int r = 0; r < rows[t]; ++r) expected.push_back({DocumentLineKind::Row, t, r});
      }
      EXPECT_EQ(seen, expected);
    }
  }
}

TEST(TableDocumentTest, TheAlmanacFillsTwoPagesOfFortyFourLines) {
  const std::vector<DocumentPage> pages = PaginateTableDocument(DocumentWith({57, 4}), 44);
  ASSERT_EQ(pages.size(), 2u);
  // Title, four heading lines, a blank, the captions and 37 stars; then the captions, the other
  // 20 stars, a blank and the planets under their captions.
  EXPECT_EQ(pages[0][6], (DocumentLine{DocumentLineKind::Captions, 0, 0}));
  EXPECT_EQ(pages[0].back(), (DocumentLine{DocumentLineKind::Row, 0, 36}));
  EXPECT_EQ(pages[1].size(), 27u);
  EXPECT_EQ(pages[1][21], (DocumentLine{DocumentLineKind::Blank, 0, 0}));
  EXPECT_EQ(pages[1][22], (DocumentLine{DocumentLineKind::Captions, 1, 0}));
}

TEST(TableDocumentTest, TheWindowsDocumentsCarryTheirHeadingsAndColumns) {
  VisibleBodiesList list;
  list.light = LightState::Twilight;
  list.dateLine = "date";
  list.rows = {TableRow{3, {"Sirius", "10", "120", "-1.5"}}};
  const TableDocument visible = VisibleBodiesDocument(list);
  EXPECT_EQ(visible.title, "Visible Bodies");
  EXPECT_EQ(visible.headingLines[0], "Twilight");
  EXPECT_EQ(visible.headingLines[1], "date");
  ASSERT_EQ(visible.tables.size(), 1u);
  EXPECT_EQ(visible.tables[0].rows[0][3], "-1.5");

  AlmanacPage page;
  page.angleHeading = "GHA";
  page.stars.resize(57);
  page.planets.resize(4);
  const TableDocument almanac = AlmanacPageDocument(page);
  EXPECT_EQ(almanac.headingLines[0], "Stars & Planets");
  ASSERT_EQ(almanac.tables.size(), 2u);
  EXPECT_EQ(almanac.tables[0].columns[1].caption, "GHA");
  EXPECT_EQ(almanac.tables[1].columns[0].caption, "Planets");
  EXPECT_EQ(almanac.tables[0].rows.size() + almanac.tables[1].rows.size(), 61u);
}

}  // namespace
}  // namespace nocturna
