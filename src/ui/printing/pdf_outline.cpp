#include "ui/printing/pdf_outline.h"

// qpdf's C interface: its C++ headers do not compile as C++20 with clang 14.
#include <qpdf/qpdf-c.h>

#include "foundations/windows1252.h"

namespace nocturna {
namespace {

// One qpdf document for the length of a call.
class QpdfDocument {
 public:
  QpdfDocument() : data_(qpdf_init()) { qpdf_silence_errors(data_); }
  ~QpdfDocument() { qpdf_cleanup(&data_); }
  QpdfDocument(const QpdfDocument&) = delete;
  QpdfDocument& operator=(const QpdfDocument&) = delete;
  qpdf_data get() const { return data_; }
  // Empty, or what qpdf reported.
  std::string Problem() const {
    if (!qpdf_has_error(data_)) return {};
    return qpdf_get_error_full_text(data_, qpdf_get_error(data_));
  }

 private:
  qpdf_data data_;
};

// Links `items` in order as the children of `parent`; `open` says whether they show without a
// click (the outline's count is then theirs, else minus it).
void LinkChildren(qpdf_data pdf, qpdf_oh parent, const std::vector<qpdf_oh>& items, bool open) {
  if (items.empty()) return;
  for (std::size_t i = 0; i < items.size(); ++i) {
    qpdf_oh_replace_key(pdf, items[i], "/Parent", parent);
    if (i > 0) qpdf_oh_replace_key(pdf, items[i], "/Prev", items[i - 1]);
    if (i + 1 < items.size()) qpdf_oh_replace_key(pdf, items[i], "/Next", items[i + 1]);
  }
  qpdf_oh_replace_key(pdf, parent, "/First", items.front());
  qpdf_oh_replace_key(pdf, parent, "/Last", items.back());
  const long long count = static_cast<long long>(items.size());
  qpdf_oh_replace_key(pdf, parent, "/Count", qpdf_oh_new_integer(pdf, open ? count : -count));
}

// The bookmark's item: its title and its page opened at the top.
qpdf_oh Bookmark(qpdf_data pdf, const PdfBookmark& bookmark) {
  const qpdf_oh item = qpdf_make_indirect_object(pdf, qpdf_oh_new_dictionary(pdf));
  qpdf_oh_replace_key(pdf, item, "/Title",
                      qpdf_oh_new_unicode_string(pdf, Windows1252ToUtf8(bookmark.title).c_str()));
  const qpdf_oh destination = qpdf_oh_new_array(pdf);
  qpdf_oh_append_item(pdf, destination, qpdf_get_page_n(pdf, static_cast<std::size_t>(bookmark.page)));
  qpdf_oh_append_item(pdf, destination, qpdf_oh_new_name(pdf, "/XYZ"));
  for (int i = 0; i < 3; ++i) qpdf_oh_append_item(pdf, destination, qpdf_oh_new_null(pdf));
  qpdf_oh_replace_key(pdf, item, "/Dest", destination);
  return item;
}

void BuildOutline(qpdf_data pdf, const std::vector<PdfBookmark>& bookmarks) {
  const qpdf_oh outlines = qpdf_make_indirect_object(pdf, qpdf_oh_new_dictionary(pdf));
  qpdf_oh_replace_key(pdf, outlines, "/Type", qpdf_oh_new_name(pdf, "/Outlines"));
  std::vector<qpdf_oh> top;
  std::vector<qpdf_oh> children;
  const auto closeTop = [&] {
    if (!top.empty()) LinkChildren(pdf, top.back(), children, false);
    children.clear();
  };
  for (const PdfBookmark& bookmark : bookmarks) {
    const qpdf_oh item = Bookmark(pdf, bookmark);
    if (bookmark.level > 0 && !top.empty()) {
      children.push_back(item);
      continue;
    }
    closeTop();
    top.push_back(item);
  }
  closeTop();
  LinkChildren(pdf, outlines, top, true);
  const qpdf_oh root = qpdf_get_root(pdf);
  qpdf_oh_replace_key(pdf, root, "/Outlines", outlines);
  qpdf_oh_replace_key(pdf, root, "/PageMode", qpdf_oh_new_name(pdf, "/UseOutlines"));
}

}  // namespace

std::string AddPdfOutline(std::string& pdf, const std::vector<PdfBookmark>& bookmarks) {
  if (bookmarks.empty()) return {};
  const QpdfDocument document;
  qpdf_data data = document.get();
  const auto failed = [&document]() { return "cannot add the bookmarks: " + document.Problem(); };
  if (qpdf_read_memory(data, "the PDF", pdf.data(), pdf.size(), nullptr) & QPDF_ERRORS) return failed();
  for (const PdfBookmark& bookmark : bookmarks) {
    if (bookmark.page < 0 || bookmark.page >= qpdf_get_num_pages(data)) {
      return "cannot add the bookmarks: no page " + std::to_string(bookmark.page + 1);
    }
  }
  BuildOutline(data, bookmarks);
  if (qpdf_has_error(data)) return failed();
  if (qpdf_init_write_memory(data) & QPDF_ERRORS) return failed();
  if (qpdf_write(data) & QPDF_ERRORS) return failed();
  pdf.assign(reinterpret_cast<const char*>(qpdf_get_buffer(data)), qpdf_get_buffer_length(data));
  return {};
}

}  // namespace nocturna
