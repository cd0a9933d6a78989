#pragma once

// The picture options of `tessarin-cli export`: --bmp FILE, --png FILE and --screen-factor X.
// The export command opens the project, then hands it here when a picture was asked for.

#include <iosfwd>
#include <optional>
#include <string>

#include "model/project.h"

namespace CLI {
class App;
}

namespace tessarin::cli {

struct PictureOptions {
    std::optional<std::string> bmpPath;
    std::optional<std::string> pngPath;
    std::optional<std::string> screenFactor;

    bool Any() const { return bmpPath || pngPath; }
};

// Adds --bmp, --png and --screen-factor, with their help, to `command`.
void AddPictureOptions(CLI::App& command, PictureOptions& options);

// The --screen-factor given, as the record holds it, or `saved` (the user's "Screen Factor")
// when none was given.
Value ScreenFactorOption(const PictureOptions& options, const Value& saved);

// Recomputes the synthetic of an opened project and draws the display exactly as the program's
// screen does (same painters, same picture size), then writes the files asked for. Failures are
// printed to `err` with `prefix`; returns the exit status. Loads the display module
// (display_module.h) on first use.
int WritePictures(Project& project, const PictureOptions& options, std::ostream& err,
                  const std::string& prefix);

}  // namespace tessarin::cli
