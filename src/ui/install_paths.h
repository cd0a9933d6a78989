#pragma once

// Where the program finds what is installed beside it: the help document and the example
// projects, in share/tessarin beside the program's folder, as the build tree and an
// installation both lay them out.

#include <QString>

namespace tessarin {

// The help document the program looks for, in its own folder, in share/tessarin/help beside
// that folder (where an installation puts it), and in the folders of PATH.
inline constexpr const char* kHelpFileName = "tessarin.html";

// The full path of the help document, or an empty text when it is nowhere to be found.
// `pathVariable` is the PATH list, its folders separated by the platform's separator (":").
QString FindHelpFile(const QString& programDir, const QString& pathVariable);

// The example projects installed with the program, in share/tessarin/examples beside the
// program's folder; an empty text when there is no such folder.
QString FindExamplesFolder(const QString& programDir);

// The warning shown at start-up when the help document cannot be found.
QString HelpMissingMessage();

}  // namespace tessarin
