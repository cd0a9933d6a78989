#pragma once

// The pictures and the PDF of `tessarin-cli export` are drawn with Qt Gui and printed with Qt
// Print Support. Loading those libraries takes longer than many a whole command, so they are
// linked into a module of their own, tessarin-cli-display.so, which the tool loads only when an
// export draws. This is what the module hands the tool.

#include <iosfwd>
#include <string>

#include "cli/print_command.h"
#include "cli/render_command.h"
#include "model/project.h"

namespace tessarin::cli {

struct DisplayModule {
    decltype(&WritePictures) writePictures;
    decltype(&WritePdf) writePdf;
};

// The module's one exported function, looked up by this name.
inline constexpr const char* kDisplayModuleEntry = "TessarinCliDisplayModule";
inline constexpr const char* kDisplayModuleFile = "tessarin-cli-display.so";

}  // namespace tessarin::cli

extern "C" const tessarin::cli::DisplayModule* TessarinCliDisplayModule();
