#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "files/horizon_table.h"
#include "model/project.h"
#include "model/settings.h"

namespace tessarin {

// What opening a project had to report besides success.
struct OpenProjectReport {
    std::vector<SettingsProblem> settingsProblems;  // saved settings that fell back to defaults
    std::string waveletProblem;  // why the wavelet could not be built; empty when it was
    // Horizons of the file that lie outside its log, left out of the table
    // (HorizonsLeftOutMessage tells the user).
    std::vector<HorizonEntry> horizonsLeftOut;
    // Why the seismic tie stored in the file was damaged and left out; empty when it was read or
    // there was none.
    std::string tieProblem;
    // Why the extracted wavelet stored in the file was damaged and left out, so that the Ricker
    // wavelet of the stored parameters was built instead; empty when it was read or there was
    // none.
    std::string extractedWaveletProblem;
};

// The record steps of Open Project: resets the project with the saved settings, takes `path` as
// projectFileName, reads the file, builds the wavelet of the selected type, leaves out the
// horizons outside the log, sorts the others by depth and clears projectChanged.
//
// A file that cannot be read throws Error as ReadProjectFile does; the record is then left
// reset, with projectFileName set, and nothing of the file in it.
//
// Parameters that give no wavelet do not stop the open: the logs, horizons and every parameter
// are loaded, the wavelet is left empty and the report says why, so the user can correct the
// wavelet in Select Wavelet instead of losing the project. The same holds for a sample interval
// that is none of the three rates: the file's interval is kept and no wavelet is built.
OpenProjectReport OpenProjectFile(Project& project, const SettingsStore& store,
                                  const std::filesystem::path& path);

// What the window shows for a project file that could not be opened, given the reader's failure:
// the program's own sentence whole ("This is not a valid Tessarin project file."), then the file
// and the cause on lines of their own:
//     This is not a valid Tessarin project file.
//
//     /home/ann/well.tsp
//     The file ends early, on line 40.
std::string OpenProjectFailureMessage(const std::string& path, const std::string& failure);

// Sorts horizon entries 1 to horizonCount by increasing depth, names moving with their depths.
void SortHorizonsByDepth(Project& project);

}  // namespace tessarin
