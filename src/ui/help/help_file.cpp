#include "ui/help/help_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace nocturna {
namespace {

constexpr char kHelpFileName[] = "Starhelp.rtf";
constexpr qint64 kMaxHelpFileBytes = qint64{4} << 20;

}  // namespace

QStringList HelpFileCandidates() {
  QStringList candidates{QDir::current().filePath(kHelpFileName)};
  if (QCoreApplication::instance() != nullptr) {
    candidates << QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/nocturna/") + kHelpFileName);
  }
#ifdef NOCTURNA_DATA_DIR
  candidates << QDir(QStringLiteral(NOCTURNA_DATA_DIR)).filePath(kHelpFileName);
#endif
#ifdef NOCTURNA_SOURCE_DATA_DIR
  candidates << QDir(QStringLiteral(NOCTURNA_SOURCE_DATA_DIR)).filePath(kHelpFileName);
#endif
  return candidates;
}

HelpFileContent ReadHelpFile(const QStringList& candidates) {
  for (const QString& path : candidates) {
    if (!QFileInfo::exists(path)) continue;
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly)) bytes = file.read(kMaxHelpFileBytes);
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
      return {{}, "The help file " + QDir::toNativeSeparators(path).toLatin1().toStdString() +
                      " could not be read.\n\rHelp has no text to show."};
    }
    return {bytes, {}};
  }
  return {{}, std::string("The help file ") + kHelpFileName + " was not found.\n\rHelp has no text to show."};
}

}  // namespace nocturna
