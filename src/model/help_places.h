#pragma once

// Where the program looks for its help document, and what it tells the user when it is in none
// of those places.

#include <string>
#include <vector>

namespace tessarin {

// The help document the program looks for.
inline constexpr const char* kHelpFileName = "tessarin.html";

// The folders looked in, in order: the program's own folder, share/tessarin/help beside it
// (where an installation puts it), then each folder of the PATH list `pathVariable`, whose
// entries are divided by `separator`; empty entries are skipped.
std::vector<std::string> HelpFolders(const std::string& programDir, const std::string& pathVariable,
                                     char separator = ':');

// The warning shown when the help document is in none of `folders`: what to do, then every
// folder looked in, one a line.
std::string HelpMissingText(const std::vector<std::string>& folders);

}  // namespace tessarin
