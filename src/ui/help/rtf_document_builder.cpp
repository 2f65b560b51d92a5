#include "ui/help/rtf_document_builder.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include "platform/rtf_reader.h"

namespace nocturna {
namespace {

constexpr double kTwipsPerPixel = 15.0;  // 1440 twips per inch at 96 pixels per inch

class DocumentSink : public RtfSink {
 public:
  explicit DocumentSink(QTextDocument& document) : cursor_(&document) { cursor_.beginEditBlock(); }
  // One edit block: the document lays itself out once, not after every run.
  ~DocumentSink() override { cursor_.endEditBlock(); }

  void Text(std::string_view utf8, const RtfCharFormat& format) override {
    if (!TakePiece()) return;
    QTextCharFormat chars;
    chars.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
    chars.setFontItalic(format.italic);
    chars.setFontUnderline(format.underline);
    chars.setFontPointSize(format.halfPoints / 2.0);
    if (format.hasColor) chars.setForeground(QColor(format.color.red, format.color.green, format.color.blue));
    cursor_.insertText(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())), chars);
  }

  void EndParagraph(const RtfParagraphFormat& format) override {
    if (!TakePiece()) return;
    cursor_.setBlockFormat(BlockFormat(format));
    cursor_.insertBlock();
  }

  void Finish(const RtfParagraphFormat& format) override {
    if (pieces_ < kMaxDocumentPieces) cursor_.setBlockFormat(BlockFormat(format));
  }

 private:
  bool TakePiece() {
    if (pieces_ >= kMaxDocumentPieces) return false;
    ++pieces_;
    return true;
  }

  static QTextBlockFormat BlockFormat(const RtfParagraphFormat& format) {
    QTextBlockFormat block;
    switch (format.alignment) {
      case RtfAlignment::Left: block.setAlignment(Qt::AlignLeft); break;
      case RtfAlignment::Center: block.setAlignment(Qt::AlignHCenter); break;
      case RtfAlignment::Right: block.setAlignment(Qt::AlignRight); break;
      case RtfAlignment::Justify: block.setAlignment(Qt::AlignJustify); break;
    }
    block.setLeftMargin(format.leftIndent / kTwipsPerPixel);
    block.setRightMargin(format.rightIndent / kTwipsPerPixel);
    block.setTextIndent(format.firstLineIndent / kTwipsPerPixel);
    block.setTopMargin(format.spaceBefore / kTwipsPerPixel);
    block.setBottomMargin(format.spaceAfter / kTwipsPerPixel);
    return block;
  }

  QTextCursor cursor_;
  int pieces_ = 0;
};

}  // namespace

void LoadRtfDocument(std::string_view bytes, QTextDocument& document) {
  const bool undo = document.isUndoRedoEnabled();
  document.setUndoRedoEnabled(false);
  document.clear();
  {
    DocumentSink sink(document);
    ReadRtf(bytes, sink);
  }
  document.setUndoRedoEnabled(undo);
}

}  // namespace nocturna
