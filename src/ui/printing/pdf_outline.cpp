#include "ui/printing/pdf_outline.h"

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>
#include <qpdf/QUtil.hh>

#include <exception>
#include <memory>

namespace nocturna {
namespace {

using Handle = QPDFObjectHandle;

Handle Name(const char* name) { return Handle::newName(name); }

// Links `items` in order as the children of `parent`; `open` says whether they show without a
// click (the outline's count is then theirs, else minus it).
void LinkChildren(Handle parent, const std::vector<Handle>& items, bool open) {
  if (items.empty()) return;
  for (std::size_t i = 0; i < items.size(); ++i) {
    Handle item = items[i];
    item.replaceKey("/Parent", parent);
    if (i > 0) item.replaceKey("/Prev", items[i - 1]);
    if (i + 1 < items.size()) item.replaceKey("/Next", items[i + 1]);
  }
  parent.replaceKey("/First", items.front());
  parent.replaceKey("/Last", items.back());
  const long long count = static_cast<long long>(items.size());
  parent.replaceKey("/Count", Handle::newInteger(open ? count : -count));
}

Handle Bookmark(QPDF& pdf, const PdfBookmark& bookmark, const std::vector<QPDFPageObjectHelper>& pages) {
  Handle item = pdf.makeIndirectObject(Handle::newDictionary());
  item.replaceKey("/Title", Handle::newUnicodeString(QUtil::win_ansi_to_utf8(bookmark.title)));
  Handle destination = Handle::newArray();
  destination.appendItem(pages.at(static_cast<std::size_t>(bookmark.page)).getObjectHandle());
  destination.appendItem(Name("/XYZ"));
  for (int i = 0; i < 3; ++i) destination.appendItem(Handle::newNull());
  item.replaceKey("/Dest", destination);
  return item;
}

void BuildOutline(QPDF& pdf, const std::vector<PdfBookmark>& bookmarks) {
  const std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(pdf).getAllPages();
  Handle outlines = pdf.makeIndirectObject(Handle::newDictionary());
  outlines.replaceKey("/Type", Name("/Outlines"));
  std::vector<Handle> top;
  std::vector<Handle> children;
  const auto closeTop = [&] {
    if (!top.empty()) LinkChildren(top.back(), children, false);
    children.clear();
  };
  for (const PdfBookmark& bookmark : bookmarks) {
    Handle item = Bookmark(pdf, bookmark, pages);
    if (bookmark.level > 0 && !top.empty()) {
      children.push_back(item);
      continue;
    }
    closeTop();
    top.push_back(item);
  }
  closeTop();
  LinkChildren(outlines, top, true);
  Handle root = pdf.getRoot();
  root.replaceKey("/Outlines", outlines);
  root.replaceKey("/PageMode", Name("/UseOutlines"));
}

}  // namespace

std::string AddPdfOutline(std::string& pdf, const std::vector<PdfBookmark>& bookmarks) {
  if (bookmarks.empty()) return {};
  try {
    QPDF document;
    document.processMemoryFile("the PDF", pdf.data(), pdf.size());
    BuildOutline(document, bookmarks);
    QPDFWriter writer(document);
    writer.setOutputMemory();
    writer.write();
    const std::unique_ptr<Buffer> buffer(writer.getBuffer());
    pdf.assign(reinterpret_cast<const char*>(buffer->getBuffer()), buffer->getSize());
    return {};
  } catch (const std::exception& problem) {
    return std::string("cannot add the bookmarks: ") + problem.what();
  }
}

}  // namespace nocturna
