#pragma once
// Finding and reading the help document, "Starhelp.rtf".
#include <QByteArray>
#include <QStringList>
#include <string>

namespace nocturna {

// Where the help document is looked for, in this order: the current directory; the data
// folder beside the running program (<bin>/../share/nocturna); the data folder of the
// installation prefix the program was built for; the data folder of its source tree.
QStringList HelpFileCandidates();

struct HelpFileContent {
  QByteArray bytes;
  std::string failure;  // empty when the file was read; else the message for the user
};

// Reads the first candidate that exists; a document larger than 4 MiB is read up to
// that size. No candidate, or one that cannot be read, gives a failure message.
HelpFileContent ReadHelpFile(const QStringList& candidates);

}  // namespace nocturna
