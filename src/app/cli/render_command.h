#pragma once

// The picture options of `tessarin-cli export`: --bmp FILE, --png FILE and --screen-factor X.
// The export command opens the project, then hands it here when a picture was asked for.

#include <iosfwd>
#include <set>
#include <string>

#include "cli/args.h"
#include "model/project.h"

namespace tessarin::cli {

// Options that take a value.
const std::set<std::string>& RenderOptions();

// Whether the arguments ask for a picture (--bmp or --png).
bool WantsPicture(const Args& args);

// The --screen-factor given, as the record holds it, or `saved` (the user's "Screen Factor")
// when none was given. Throws UsageError for a factor that is not a positive number.
Value ScreenFactorOption(const Args& args, const Value& saved);

// Starts the offscreen GUI application that fonts, pictures and printers need, once, with Qt's
// notes about the environment kept from the tool's users.
void StartQuietGuiApplication();

// Recomputes the synthetic of an opened project and draws the display exactly as the program's
// screen does (same painters, same picture size), then writes the files asked for. Failures are
// printed to `err` with `prefix`; returns the exit status.
int WritePictures(Project& project, const Args& args, std::ostream& err, const std::string& prefix);

}  // namespace tessarin::cli
