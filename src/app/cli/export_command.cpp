// tessarin-cli export PROJECT.tsp: opens a project as Open Project does, recomputes the synthetic
// and writes what was asked for. Pictures of the display: --bmp FILE, --png FILE, with
// --screen-factor X (default: the user's saved "Screen Factor"). The display printed into a PDF
// file: --pdf FILE [--paper letter|a4] [--landscape]. The synthetic as data: --dat FILE
// (the text export), --segy PREFIX --traces N (PREFIXnormal.sgy and PREFIXreverse.sgy of N traces
// each). --horizons FILE.hor loads a horizon file into the project before anything is computed.

#include <iostream>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "cli/args.h"
#include "cli/commands.h"
#include "cli/print_command.h"
#include "cli/render_command.h"
#include "engine/datum.h"
#include "engine/synthetic.h"
#include "files/horizon_file.h"
#include "files/open_project.h"
#include "files/segy_export.h"
#include "files/text_export.h"
#include "model/error.h"
#include "model/numeric.h"
#include "qt_settings_store.h"

namespace tessarin::cli {
namespace {

constexpr const char* kPrefix = "tessarin-cli export: ";

// The data files asked for.
struct DataExports {
    std::optional<std::string> textPath;
    std::optional<std::string> segyPrefix;
    int traceCount = 0;

    bool Any() const { return textPath || segyPrefix; }
};

std::set<std::string> ValueOptions() {
    std::set<std::string> options = RenderOptions();
    options.insert({"--dat", "--segy", "--traces", "--horizons"});
    options.insert(PdfValueOptions().begin(), PdfValueOptions().end());
    return options;
}

DataExports ReadDataOptions(const Args& args) {
    DataExports exports;
    exports.textPath = args.Value("--dat");
    exports.segyPrefix = args.Value("--segy");
    const std::optional<std::string> traces = args.Value("--traces");
    if (exports.segyPrefix.has_value() != traces.has_value()) {
        throw UsageError{"--segy PREFIX and --traces N go together"};
    }
    if (traces) {
        try {
            exports.traceCount = TextToInt16(*traces);
        } catch (const Error&) {
            throw UsageError{"--traces needs a whole number from -32768 to 32767, not \"" +
                             *traces + "\""};
        }
    }
    return exports;
}

// Horizons outside the log were left out of what was loaded: a warning, not a failure.
void WarnOfHorizonsLeftOut(const Project& project, const std::vector<HorizonEntry>& left,
                           const std::string& source) {
    if (!left.empty()) {
        std::cerr << kPrefix << "warning: " << source << ": "
                  << OneLine(HorizonsLeftOutMessage(project, left)) << "\n";
    }
}

// The horizon file replaces the project's horizons and is sorted by depth, as the Define
// Horizons dialog's OK sorts what Open File loaded.
void LoadHorizons(Project& project, const std::string& path) {
    try {
        WarnOfHorizonsLeftOut(project, LoadHorizonFile(project, path), path);
    } catch (const Error& e) {
        throw Error(path + ": " + e.what());
    }
}

// The synthetic, and what a redraw sets before the program's exports read the record: the datum
// of a "Start of Log" project and the time of the first sample below the datum.
void ComputeSynthetic(Project& project) {
    std::optional<std::string> failure = RecomputeSynthetic(project);
    if (!failure) {
        try {
            ApplyStartOfLogDatum(project);
            project.firstSampleTime = FirstSampleTime(project);
        } catch (const Error& e) {
            failure = e.what();
        }
    }
    if (failure) {
        throw Error("the synthetic cannot be computed: " + *failure);
    }
}

void WriteDataExports(Project& project, const DataExports& exports) {
    if (exports.segyPrefix) {
        ExportSegyFile(project, Polarity::kNormal, exports.traceCount,
                       *exports.segyPrefix + "normal.sgy");
        ExportSegyFile(project, Polarity::kReverse, exports.traceCount,
                       *exports.segyPrefix + "reverse.sgy");
    }
    // Last, because an empty UWI becomes a blank in the record here.
    if (exports.textPath) {
        ExportTextFile(project, *exports.textPath);
    }
}

}  // namespace

int RunExport(const std::vector<std::string>& arguments) {
    Project project;
    try {
        const Args args(arguments, ValueOptions(), PdfFlagOptions());
        if (args.Positional().size() != 1) {
            throw UsageError{"give one project file: tessarin-cli export PROJECT.tsp --dat FILE"};
        }
        const DataExports exports = ReadDataOptions(args);
        const bool pdf = WantsPdf(args);
        if (!WantsPicture(args) && !pdf && !exports.Any()) {
            throw UsageError{
                "say what to write: --bmp FILE, --png FILE, --pdf FILE, --dat FILE or --segy "
                "PREFIX --traces N"};
        }
        // The display as the program's screen shows it: the user's saved plot preferences.
        const QtSettingsStore store;
        const Value factor = ScreenFactorOption(args, ReadStartupSettings(store).screenFactor);
        try {
            const OpenProjectReport report =
                OpenProjectFile(project, store, args.Positional().front());
            WarnOfHorizonsLeftOut(project, report.horizonsLeftOut, args.Positional().front());
            if (!report.waveletProblem.empty()) {
                std::cerr << kPrefix << "the wavelet cannot be built: " << report.waveletProblem
                          << "\n";
                return kExitFailure;
            }
        } catch (const Error& e) {
            std::cerr << kPrefix << args.Positional().front() << ": " << OneLine(e.what()) << "\n";
            return kExitFailure;
        }
        project.screenCorrection = factor;
        try {
            if (const auto horizons = args.Value("--horizons")) {
                LoadHorizons(project, *horizons);
            }
            if (exports.Any()) {
                ComputeSynthetic(project);
            }
            if (exports.segyPrefix) {
                PlanSegyTrace(project);  // a trace that cannot be written stops every file
            }
        } catch (const Error& e) {
            std::cerr << kPrefix << OneLine(e.what()) << "\n";
            return kExitFailure;
        }
        if (WantsPicture(args)) {
            if (const int status = WritePictures(project, args, std::cerr, kPrefix)) {
                return status;
            }
        }
        if (pdf) {
            if (const int status = WritePdf(project, args, std::cerr, kPrefix)) {
                return status;
            }
        }
        try {
            WriteDataExports(project, exports);
        } catch (const Error& e) {
            std::cerr << kPrefix << OneLine(e.what()) << "\n";
            return kExitFailure;
        }
        return kExitOk;
    } catch (const UsageError& e) {
        std::cerr << kPrefix << e.message << "\n";
        return kExitRefused;
    }
}

}  // namespace tessarin::cli
