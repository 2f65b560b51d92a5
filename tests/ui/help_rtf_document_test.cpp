// The rich-text box's document as built from RTF: paragraphs become blocks with their
// alignment and indents, runs keep weight, slant, underline, size and colour.
#include <gtest/gtest.h>

#include <string>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

#include "ui/help/rtf_document_builder.h"

namespace nocturna {
namespace {

QTextCharFormat FormatOf(const QTextBlock& block, int fragment) {
  QTextBlock::iterator it = block.begin();
  for (int k = 0; k < fragment; ++k) ++it;
  return it.fragment().charFormat();
}

TEST(RtfDocument, ParagraphsAndRunsKeepTheirFormats) {
  QTextDocument document;
  document.setPlainText(QStringLiteral("old text"));
  LoadRtfDocument(R"({\rtf1{\colortbl;\red0\green0\blue128;})"
                  R"(\pard\qc\sa120{\b\fs28\cf1 Title}\par)"
                  R"(\pard\li720\fi-360 {\i slanted} {\ul under}\tab x\line y\par)"
                  R"(\pard last})",
                  document);
  ASSERT_EQ(document.blockCount(), 3);
  const QTextBlock title = document.firstBlock();
  EXPECT_EQ(title.text(), "Title");
  EXPECT_EQ(title.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  EXPECT_DOUBLE_EQ(title.blockFormat().bottomMargin(), 8.0);  // 120 twips at 96 dpi
  const QTextCharFormat titleChars = FormatOf(title, 0);
  EXPECT_EQ(titleChars.fontWeight(), QFont::Bold);
  EXPECT_DOUBLE_EQ(titleChars.fontPointSize(), 14.0);
  EXPECT_EQ(titleChars.foreground().color(), QColor(0, 0, 128));

  const QTextBlock body = title.next();
  EXPECT_EQ(body.text(), QString::fromUtf8("slanted under\tx\u2028y"));
  EXPECT_DOUBLE_EQ(body.blockFormat().leftMargin(), 48.0);
  EXPECT_DOUBLE_EQ(body.blockFormat().textIndent(), -24.0);
  EXPECT_TRUE(FormatOf(body, 0).fontItalic());
  EXPECT_FALSE(FormatOf(body, 0).fontUnderline());
  EXPECT_TRUE(FormatOf(body, 2).fontUnderline());
  EXPECT_EQ(FormatOf(body, 0).fontWeight(), QFont::Normal);
  EXPECT_EQ(FormatOf(body, 0).foreground().style(), Qt::NoBrush) << "no colour given: the default text colour";

  EXPECT_EQ(body.next().text(), "last");
  EXPECT_FALSE(document.isUndoAvailable());
}

TEST(RtfDocument, AHugeFileIsCutShort) {
  std::string rtf = "{\\rtf1 ";
  for (int k = 0; k < kMaxDocumentPieces; ++k) rtf += "x\\par ";
  QTextDocument document;
  LoadRtfDocument(rtf + "}", document);
  // Each paragraph is two pieces (its run and its end): half of them are taken.
  EXPECT_EQ(document.blockCount(), kMaxDocumentPieces / 2 + 1);
  EXPECT_EQ(document.firstBlock().text(), "x");
}

}  // namespace
}  // namespace nocturna
