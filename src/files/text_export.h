#pragma once

// The text export of the synthetic (.dat): four lines describing well, datum and wavelet, a
// heading line, and one fixed-width row per time sample with times, depth, reflection
// coefficient, interval velocity, density and amplitude. Lines end in CR LF.

#include <ostream>
#include <string>

#include "model/project.h"

namespace tessarin {

inline constexpr const char* kTextExportHeading =
    "                 UWI  LogTime  DatTime   Depth        RC    Vel     Den  Amplitude";

// Writes the export of a computed synthetic. An empty UWI becomes a single blank in the project
// (after the header lines are written), so that the UWI column keeps its 20 characters in every
// row. Throws Error when the synthetic arrays do not cover samples 0 to lastSampleIndex.
void WriteTextExport(Project& project, std::ostream& out);

// WriteTextExport into the file at `path`, which is replaced only when the whole export has been
// written. Throws Error naming the file when it cannot be written.
void ExportTextFile(Project& project, const std::string& path);

// The file name the save dialog proposes: the project file's name with "dat" in place of its
// last three characters.
std::string ProposedTextExportName(const Project& project);

}  // namespace tessarin
