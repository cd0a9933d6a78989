#pragma once

// The options of `tessarin-cli import`, with their help: what each one means, its units, what it
// takes when left out and the values it allows. A value that cannot be right on its own (a word
// where a number belongs, an unknown sample rate) is refused while the command line is read;
// rules between options are the import's own, checked before any file is read.

#include <optional>
#include <string>

namespace CLI {
class App;
}

namespace tessarin::cli {

struct ImportArguments {
    std::optional<std::string> sonic;
    std::optional<std::string> sonicCurve;
    std::optional<std::string> density;
    std::optional<std::string> densityCurve;
    bool gardner = false;
    std::optional<std::string> units;
    bool sonicPerFoot = false;
    std::optional<std::string> rate;
    std::optional<std::string> depthRange;
    std::optional<std::string> survey;
    std::optional<std::string> horizons;
    std::optional<std::string> ricker;
    std::optional<std::string> bandpass;
    std::optional<std::string> phase;
    std::optional<std::string> length;
    std::optional<std::string> waveletFile;
    std::optional<std::string> agc;
    std::optional<std::string> timeScale;
    std::optional<std::string> tracesPerUnit;
    std::optional<std::string> amplitude;
    std::optional<std::string> panelTraces;
    std::optional<std::string> kb;
    std::optional<std::string> gl;
    std::optional<std::string> datum;
    std::optional<std::string> datumVelocity;
    std::optional<std::string> wellName;
    std::optional<std::string> location;
    std::optional<std::string> location2;
    std::optional<std::string> output;
};

// Adds the import command's options, with their help, to `command`.
void AddImportOptions(CLI::App& command, ImportArguments& arguments);

// The top and base of a "TOP:BASE" depth range, the top not below the base.
struct DepthRange {
    double top = 0.0;
    double base = 0.0;
};
std::optional<DepthRange> ParseDepthRange(const std::string& text);

}  // namespace tessarin::cli
