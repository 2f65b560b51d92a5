#pragma once
// The program's single-byte (Windows-1252) texts on screen and back. Every byte these texts use
// reads the same in Latin-1.
#include <QString>
#include <string>

namespace nocturna {

inline QString FromLatin1(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToLatin1(const QString& text) { return text.toLatin1().toStdString(); }

}  // namespace nocturna
