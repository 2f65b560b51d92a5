#pragma once
// A table window's contents as a printed document: the window's caption as the title, its
// heading lines, then one or more tables of column captions and rows, every row of every table,
// laid out in pages of a fixed number of lines. The visible-bodies list and the almanac page
// print through it; texts are Windows-1252.
#include <string>
#include <vector>

#include "navigation/almanac_page.h"
#include "navigation/visible_bodies.h"

namespace nocturna {

struct DocumentColumn {
  std::string caption;
  double width = 0.0;    // in column units of a hundred-and-twentieth of the page's width
  bool centred = false;  // false: left-aligned (the names)
};

struct DocumentTable {
  std::vector<DocumentColumn> columns;
  std::vector<std::vector<std::string>> rows;  // one text a column
};

struct TableDocument {
  std::string title;
  std::vector<std::string> headingLines;
  std::vector<DocumentTable> tables;
};

enum class DocumentLineKind { Title, Heading, Captions, Row, Blank };

// One printed line: the title, heading line `index`, the captions of table `table` or its row
// `index`.
struct DocumentLine {
  DocumentLineKind kind = DocumentLineKind::Blank;
  int table = 0;
  int index = 0;
  bool operator==(const DocumentLine&) const = default;
};
using DocumentPage = std::vector<DocumentLine>;

// The pages, each of at most linesPerPage lines (at least 4 are used): the title and the
// heading lines, a blank line, then each table as its captions and rows with a blank line
// before the next table. A page that goes on with a table starts with its captions again, and
// captions never end a page without a row under them. An empty table prints its captions.
std::vector<DocumentPage> PaginateTableDocument(const TableDocument& document, int linesPerPage);

// The "Visible Bodies" window: its light state and three heading lines, and the list in the
// order shown.
TableDocument VisibleBodiesDocument(const VisibleBodiesList& list);

// The "Almanac" window: "Stars & Planets" and its three heading lines, then the stars in the
// order shown and the planets.
TableDocument AlmanacPageDocument(const AlmanacPage& page);

}  // namespace nocturna
