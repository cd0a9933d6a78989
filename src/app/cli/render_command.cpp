#include "cli/render_command.h"

#include <CLI/CLI.hpp>
#include <QGuiApplication>
#include <iostream>

#include "cli/commands.h"
#include "cli/option_checks.h"
#include "model/error.h"
#include "model/numeric.h"
#include "plot/bitmap_export.h"
#include "plot/gui_application.h"
#include "plot/painter_surface.h"
#include "plot/plot_driver.h"

namespace tessarin::cli {

void AddPictureOptions(CLI::App& command, PictureOptions& options) {
    command
        .add_option("--bmp", options.bmpPath,
                    "Save the display as a 24-bit Windows bitmap, the picture the window's Save "
                    "Bitmap writes.")
        ->type_name("FILE");
    command
        .add_option("--png", options.pngPath,
                    "Save the same picture as a PNG file, far smaller than the bitmap.")
        ->type_name("FILE");
    command
        .add_option("--screen-factor", options.screenFactor,
                    "Monitor scale correction of the pictures, above 0, as the window's Screen "
                    "Scale Correction sets it: the time axis is drawn at this factor times the "
                    "project's time scale (0.8 for a screen that shows 10 cm as 12.5 cm). "
                    "Default: the factor saved in the program, 1 until one is saved.")
        ->type_name("X")
        ->check(PositiveNumberCheck());
}

Value ScreenFactorOption(const PictureOptions& options, const Value& saved) {
    return options.screenFactor ? Value(*ParseNumber(*options.screenFactor)) : saved;
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

int WritePictures(Project& project, const PictureOptions& options, std::ostream& err,
                  const std::string& prefix) {
    StartQuietGuiApplication();
    PlotState state;
    PlotPicture picture;
    if (const auto failure = RecomputeAndDisplay(project, state, picture)) {
        err << prefix << "the synthetic cannot be displayed: " << *failure << "\n";
        return kExitFailure;
    }
    try {
        if (options.bmpPath) {
            SaveBitmap(picture.Image(), *options.bmpPath);
        }
        if (options.pngPath) {
            SavePng(picture.Image(), *options.pngPath);
        }
    } catch (const Error& e) {
        err << prefix << e.what() << "\n";
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace tessarin::cli
