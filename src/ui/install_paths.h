#pragma once

// Where the program finds what is installed beside it: the help document and the example
// projects, in share/tessarin beside the program's folder, as the build tree and an
// installation both lay them out.

#include <QString>

#include "model/help_places.h"

namespace tessarin {

// The full path of the help document, or an empty text when it is nowhere to be found.
// `pathVariable` is the PATH list, its folders separated by the platform's separator (":").
QString FindHelpFile(const QString& programDir, const QString& pathVariable);

// The example projects installed with the program, in share/tessarin/examples beside the
// program's folder; an empty text when there is no such folder.
QString FindExamplesFolder(const QString& programDir);

// The warning shown when the help document cannot be found, with every folder looked in.
QString HelpMissingMessage(const QString& programDir, const QString& pathVariable);

}  // namespace tessarin
