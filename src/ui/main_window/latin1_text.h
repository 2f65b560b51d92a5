#pragma once
// The program's single-byte (Windows-1252) texts on screen and back, through the one
// Windows-1252 table (foundations/windows1252.h). (The names keep their Latin-1 history:
// every byte the program's own texts use reads the same in both.)
#include <QString>
#include <string>

#include "foundations/windows1252.h"

namespace nocturna {

inline QString FromLatin1(const std::string& text) {
  QString shown;
  shown.reserve(static_cast<qsizetype>(text.size()));
  // Every character of the code page lies in the Basic Multilingual Plane: one UTF-16 unit.
  for (const char c : text) shown.append(QChar(static_cast<char16_t>(Windows1252ToUnicode(static_cast<unsigned char>(c)))));
  return shown;
}

inline std::string ToLatin1(const QString& text) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.size()));
  for (const QChar c : text) bytes += Windows1252FromUnicode(c.unicode());
  return bytes;
}

}  // namespace nocturna
