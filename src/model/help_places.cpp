#include "model/help_places.h"

#include <filesystem>
#include <sstream>

namespace tessarin {

std::vector<std::string> HelpFolders(const std::string& programDir, const std::string& pathVariable,
                                     char separator) {
    const std::filesystem::path program(programDir);
    std::vector<std::string> folders = {
        programDir, (program / "../share/tessarin/help").lexically_normal().string()};
    std::istringstream path(pathVariable);
    // Every folder of PATH, the last one too even without a separator after it.
    for (std::string folder; std::getline(path, folder, separator);) {
        if (!folder.empty()) {
            folders.push_back(folder);
        }
    }
    return folders;
}

std::string HelpMissingText(const std::vector<std::string>& folders) {
    const std::string name = kHelpFileName;
    std::string text = name + " not found in your path.\n\n" +
                       "Tessarin searches your PATH environment variable for help files, " +
                       "so you need to copy " + name + " to a directory included in your " +
                       "PATH or into the directory that contains tessarin if you wish to " +
                       "obtain help while running Tessarin.\n\nLooked in:";
    for (const std::string& folder : folders) {
        text += "\n" + folder;
    }
    return text;
}

}  // namespace tessarin
