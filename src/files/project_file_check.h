#pragma once

// The check a save makes before it replaces the previous project file: the file just written
// must open again as the record it was written from.

#include <filesystem>

#include "model/project.h"

namespace tessarin {

// Reads the project file at `written` back and compares it with `record`, field by field in the
// order of the file. Throws Error naming the first field that would not come back as the record
// holds it, and why ("The project was not saved: the KB elevation "1 10" would not read back the
// same from the file (it holds a blank or a comma)."). Numbers the file writes with a digit
// pattern (survey points, log rows) need only come back within the pattern's rounding; the option
// flags are left out, since they are the program's own choices and cannot be misread.
void CheckProjectFileReadsBack(const Project& record, const std::filesystem::path& written);

}  // namespace tessarin
