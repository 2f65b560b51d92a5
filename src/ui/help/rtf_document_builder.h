#pragma once
// Builds a Qt rich-text document from the bytes of an RTF file, through the toolkit-free
// reader of src/platform.
#include <string_view>

class QTextDocument;

namespace nocturna {

// The document takes at most this many runs and paragraph ends; the rest of a larger
// file is left out, so that no file can keep the window busy for long (a real help
// document has a few thousand).
inline constexpr int kMaxDocumentPieces = 100000;

// Replaces the content of `document` with what the reader makes of `bytes`: paragraphs with
// their alignment, indents (twips shown at 96 pixels per inch) and spacing; runs with bold,
// italic, underline, point size and colour. Fonts come from the document's default font.
void LoadRtfDocument(std::string_view bytes, QTextDocument& document);

}  // namespace nocturna
