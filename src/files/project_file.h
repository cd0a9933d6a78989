#pragma once

// The project file (.tsp): the whole input of one synthetic as plain text with CR LF line ends,
// written by sequential print and read by sequential field input, so files of the original
// Windows program read here and files written here read there.

#include <filesystem>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "model/project.h"

namespace tessarin {

inline constexpr const char* kInvalidProjectFileMessage =
    "This is not a valid Tessarin project file.";

// True when the path names a project file: it ends in ".tsp" in any case.
bool IsProjectPath(std::string_view path);

// Writes the record in the file's layout. Throws Error when the record cannot be written as it
// stands (more samples than its arrays hold, more horizons or survey points than the tables).
void WriteProjectFile(const Project& project, std::ostream& out);

// Writes the record to `path`, creating or replacing the file, and clears projectChanged. The
// previous file is replaced only once the new one is complete: the text goes to a temporary file
// beside it, which is read back and compared with the record (CheckProjectFileReadsBack) before
// it is renamed over it. On failure the previous file stays as it was, projectChanged is left
// alone, and Error tells the reason.
void WriteProjectFile(Project& project, const std::filesystem::path& path);

// What reading a project file had to leave out, for the user: each empty when its block was read
// or there was none.
struct ProjectFileProblems {
    std::string tie;      // the seismic tie block was damaged: the project has no tie
    std::string wavelet;  // the extracted wavelet's block was damaged: the Ricker type is chosen
    // Both, a line each, for a caller that only shows them.
    std::string Joined() const;
};

// Reads a project file into the record, which the caller has reset. Sets the fields the file
// holds, gardnerCoefficient from the units and sampleRateIndex from the sample interval (-1 when
// the interval is none of 1000, 500, 250). A file that cannot be opened, ends early, has
// something other than a number where one is needed or a line longer than any it could hold
// throws Error: kInvalidProjectFileMessage led by the file's name and followed by the cause. The
// record is then left as it was. Building the wavelet and sorting the horizons are left to the
// caller (OpenProjectFile). A damaged block after the log rows is left out: the rest is read,
// and the reason is returned for the user. A damaged extracted wavelet's block leaves the Ricker
// wavelet chosen, which the stored parameters build.
ProjectFileProblems ReadProjectFileParts(Project& project, std::istream& in,
                                         const std::string& fileName = {});
ProjectFileProblems ReadProjectFileParts(Project& project, const std::filesystem::path& path);

// ReadProjectFileParts with the problems joined (empty when there was nothing to leave out).
std::string ReadProjectFile(Project& project, std::istream& in, const std::string& fileName = {});
std::string ReadProjectFile(Project& project, const std::filesystem::path& path);

}  // namespace tessarin
