#include "cli/render_command.h"

#include <CLI/CLI.hpp>

#include "cli/option_checks.h"
#include "model/numeric.h"

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

}  // namespace tessarin::cli
