#pragma once
// Pictures saved as PNG files through the atomic file writer: the command line's chart image
// and the window's screenshot.
#include <string>

class QImage;

namespace nocturna {

// Returns an empty text, or a message naming the file ("cannot write the image FILE: reason").
std::string WritePngFile(const QImage& image, const std::string& path);

}  // namespace nocturna
