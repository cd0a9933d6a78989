#pragma once

// The horizon file (.hor): one line per horizon, CR LF, no header. A line holds the depth as a
// whole number, blanks to the next 14-character print zone, then the name as typed to the end of
// the line. The entries "start of log" and "end of log" are not stored: the log gives them.

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "files/horizon_table.h"
#include "model/project.h"

namespace tessarin {

inline constexpr const char* kBadHorizonFileMessage = "This is not a valid Tessarin horizon file.";

// Writes every entry of the (sorted) table except those named "start of log" and "end of log".
void WriteHorizonFile(const Project& project, std::ostream& out);

// WriteHorizonFile into the file at `path`, replaced only when the whole file has been written.
// Throws Error naming the file when it cannot be written.
void SaveHorizonFile(const Project& project, const std::string& path);

// Replaces the table by "start of log" at timeDepth(0), "end of log" at timeDepth(n) and the
// horizons of the file after them, in the file's order (sorting is left to the caller, as the
// dialog sorts on OK). Horizons above or below the log are left out and returned in the file's
// order, so that the user can be told (HorizonsLeftOutMessage). A file that cannot be read, a
// line that does not begin with a number or is longer than kLongestTextLine, or more than 18
// horizons inside the log leave an empty table and throw Error: kBadHorizonFileMessage led by the
// file's name and followed by the cause.
std::vector<HorizonEntry> ReadHorizonFile(Project& project, std::istream& in,
                                          const std::string& fileName = {});

// Sets horizonFileName, then ReadHorizonFile from that file.
std::vector<HorizonEntry> OpenHorizonFile(Project& project, const std::string& path);

// Open File followed by OK: OpenHorizonFile, then the entries sorted by depth.
std::vector<HorizonEntry> LoadHorizonFile(Project& project, const std::string& path);

// The name the save dialog proposes: the project file's name with "hor" in place of its last
// three characters.
std::string ProposedHorizonFileName(const Project& project);

}  // namespace tessarin
