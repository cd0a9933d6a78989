// tessarin-cli export PROJECT.tsp: opens a project as Open Project does, recomputes the synthetic
// and writes what was asked for. Pictures of the display: --bmp FILE, --png FILE, with
// --screen-factor X (default: the user's saved "Screen Factor").

#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "cli/args.h"
#include "cli/commands.h"
#include "cli/render_command.h"
#include "files/open_project.h"
#include "model/error.h"
#include "qt_settings_store.h"

namespace tessarin::cli {

int RunExport(const std::vector<std::string>& arguments) {
    const std::string prefix = "tessarin-cli export: ";
    Project project;
    try {
        const Args args(arguments, RenderOptions(), {});
        if (args.Positional().size() != 1) {
            throw UsageError{"give one project file: tessarin-cli export PROJECT.tsp --bmp FILE"};
        }
        if (!WantsPicture(args)) {
            throw UsageError{"say what to write: --bmp FILE or --png FILE"};
        }
        // The display as the program's screen shows it: the user's saved plot preferences.
        const QtSettingsStore store;
        const Value factor = ScreenFactorOption(args, ReadStartupSettings(store).screenFactor);
        try {
            const OpenProjectReport report =
                OpenProjectFile(project, store, args.Positional().front());
            if (!report.waveletProblem.empty()) {
                std::cerr << prefix << "the wavelet cannot be built: " << report.waveletProblem
                          << "\n";
                return kExitFailure;
            }
        } catch (const Error& e) {
            std::cerr << prefix << args.Positional().front() << ": " << e.what() << "\n";
            return kExitFailure;
        }
        project.screenCorrection = factor;
        return WritePictures(project, args, std::cerr, prefix);
    } catch (const UsageError& e) {
        std::cerr << prefix << e.message << "\n";
        return kExitRefused;
    }
}

}  // namespace tessarin::cli
