#include "ui/printing/image_file.h"

#include <QBuffer>
#include <QImage>

#include "platform/atomic_file.h"

namespace nocturna {

std::string WritePngFile(const QImage& image, const std::string& path) {
  QBuffer png;
  png.open(QIODevice::WriteOnly);
  if (!image.save(&png, "PNG")) return "cannot write the image " + path + ": it cannot be encoded";
  return WriteFileAtomically(path, std::string_view(png.data().constData(), png.data().size()),
                             "the image");
}

}  // namespace nocturna
