#include "cli/render_command.h"

#include <QGuiApplication>
#include <iostream>

#include "cli/commands.h"
#include "model/error.h"
#include "model/numeric.h"
#include "plot/bitmap_export.h"
#include "plot/gui_application.h"
#include "plot/painter_surface.h"
#include "plot/plot_driver.h"

namespace tessarin::cli {

const std::set<std::string>& RenderOptions() {
    static const std::set<std::string> options = {"--bmp", "--png", "--screen-factor"};
    return options;
}

bool WantsPicture(const Args& args) {
    return args.Has("--bmp") || args.Has("--png");
}

Value ScreenFactorOption(const Args& args, const Value& saved) {
    const auto text = args.Value("--screen-factor");
    if (!text) {
        return saved;
    }
    const auto factor = ParseNumber(*text);
    if (!factor || !(*factor > 0.0)) {
        throw UsageError{"--screen-factor must be a number greater than zero, not \"" + *text +
                         "\""};
    }
    return Value(*factor);
}

namespace {

// Qt's notes about the environment (a missing runtime folder and the like) are not for the users
// of the batch tool; only real failures are printed.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::cerr << message.toStdString() << "\n";
    }
}

}  // namespace

void StartQuietGuiApplication() {
    if (!QGuiApplication::instance()) {
        qInstallMessageHandler(QuietMessages);
        EnsureGuiApplication("tessarin-cli");
    }
}

int WritePictures(Project& project, const Args& args, std::ostream& err,
                  const std::string& prefix) {
    StartQuietGuiApplication();
    PlotState state;
    PlotPicture picture;
    if (const auto failure = RecomputeAndDisplay(project, state, picture)) {
        err << prefix << "the synthetic cannot be displayed: " << *failure << "\n";
        return kExitFailure;
    }
    try {
        if (const auto path = args.Value("--bmp")) {
            SaveBitmap(picture.Image(), *path);
        }
        if (const auto path = args.Value("--png")) {
            SavePng(picture.Image(), *path);
        }
    } catch (const Error& e) {
        err << prefix << e.what() << "\n";
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace tessarin::cli
