// tessarin-cli export PROJECT.tsp: opens a project as Open Project does, recomputes the synthetic
// and writes what was asked for: pictures of the display, the display printed into a PDF file,
// the synthetic as a text table or as SEG-Y files.

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/help_formatter.h"
#include "cli/option_checks.h"
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

struct ExportOptions {
    std::string projectPath;
    PictureOptions picture;
    PdfOptions pdf;
    std::optional<std::string> textPath;
    std::optional<std::string> segyPrefix;
    std::optional<std::string> traces;
    std::optional<std::string> horizonsPath;

    bool AnyData() const { return textPath || segyPrefix; }
};

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
    WarnOfHorizonsLeftOut(project, LoadHorizonFile(project, path), path);
}

// The synthetic and its start time below the datum, as a recompute in the window computes them.
void ComputeSynthetic(Project& project) {
    std::optional<std::string> failure = RecomputeSynthetic(project);
    if (!failure) {
        try {
            ComputeStartTime(project);
        } catch (const Error& e) {
            failure = e.what();
        }
    }
    if (failure) {
        throw Error("the synthetic cannot be computed: " + *failure);
    }
}

void WriteDataExports(Project& project, const ExportOptions& options) {
    if (options.segyPrefix) {
        const int traces = TextToInt16(*options.traces);
        ExportSegyFile(project, Polarity::kNormal, traces, *options.segyPrefix + "normal.sgy");
        ExportSegyFile(project, Polarity::kReverse, traces, *options.segyPrefix + "reverse.sgy");
    }
    // Last, because an empty UWI becomes a blank in the record here.
    if (options.textPath) {
        ExportTextFile(project, *options.textPath);
    }
}

int Export(const ExportOptions& options) {
    if (!options.picture.Any() && !options.pdf.path && !options.AnyData()) {
        throw UsageError{
            "say what to write: --bmp FILE, --png FILE, --pdf FILE, --dat FILE or --segy "
            "PREFIX --traces N"};
    }
    // The display as the program's screen shows it: the user's saved plot preferences.
    const QtSettingsStore store;
    const Value factor =
        ScreenFactorOption(options.picture, ReadStartupSettings(store).screenFactor);
    const std::string& path = options.projectPath;
    Project project;
    try {
        const OpenProjectReport report = OpenProjectFile(project, store, path);
        WarnOfHorizonsLeftOut(project, report.horizonsLeftOut, path);
        if (!report.tieProblem.empty()) {
            std::cerr << kPrefix << "warning: " << path << ": " << OneLine(report.tieProblem)
                      << "\n";
        }
        if (!report.waveletProblem.empty()) {
            std::cerr << kPrefix << "the wavelet cannot be built: " << report.waveletProblem
                      << "\n";
            return kExitFailure;
        }
    } catch (const Error& e) {
        std::cerr << kPrefix << OneLine(e.what()) << "\n";
        return kExitFailure;
    }
    project.screenCorrection = factor;
    try {
        if (options.horizonsPath) {
            LoadHorizons(project, *options.horizonsPath);
        }
        if (options.AnyData()) {
            ComputeSynthetic(project);
        }
        if (options.segyPrefix) {
            PlanSegyTrace(project);  // a trace that cannot be written stops every file
        }
    } catch (const Error& e) {
        std::cerr << kPrefix << OneLine(e.what()) << "\n";
        return kExitFailure;
    }
    if (options.picture.Any()) {
        if (const int status = WritePictures(project, options.picture, std::cerr, kPrefix)) {
            return status;
        }
    }
    if (options.pdf.path) {
        if (const int status = WritePdf(project, options.pdf, std::cerr, kPrefix)) {
            return status;
        }
    }
    try {
        WriteDataExports(project, options);
    } catch (const Error& e) {
        std::cerr << kPrefix << OneLine(e.what()) << "\n";
        return kExitFailure;
    }
    return kExitOk;
}

// A trace count as the program's "Number of SGY traces" box takes it.
CLI::Validator TraceCountCheck() {
    return ReasonCheck([](const std::string& text) -> std::string {
        try {
            TextToInt16(text);
            return "";
        } catch (const Error&) {
            return "needs a whole number up to 32767, not \"" + text + "\"";
        }
    });
}

void AddDataOptions(CLI::App& command, ExportOptions& options) {
    command
        .add_option("--dat", options.textPath,
                    "Write the synthetic as a text table, as the window's Export Data does: four "
                    "header lines (well, UWI, elevations and datum, wavelet), column headings, "
                    "then one row per time sample with the UWI, the two-way time from the first "
                    "sample and from the seismic datum (s), depth, reflection coefficient, "
                    "interval velocity, density (g/cc, -1 without a density log) and the "
                    "synthetic's amplitude.")
        ->type_name("FILE");
    CLI::Option* segy =
        command
            .add_option("--segy", options.segyPrefix,
                        "Write the synthetic as two SEG-Y files of IBM 32-bit floats, "
                        "PREFIXnormal.sgy and PREFIXreverse.sgy (normal and reverse polarity), "
                        "with time 0 at the seismic datum.")
            ->type_name("PREFIX");
    CLI::Option* traces =
        command
            .add_option("--traces", options.traces,
                        "Number of traces in each SEG-Y file, every one the same synthetic; "
                        "0 writes the file headers alone.")
            ->type_name("N")
            ->check(TraceCountCheck());
    segy->needs(traces);
    traces->needs(segy);
}

}  // namespace

CommandRun AddExportCommand(CLI::App& tool) {
    auto options = std::make_shared<ExportOptions>();
    CLI::App* command = tool.add_subcommand(
        "export",
        "Write a project's display as a picture or a PDF, or its synthetic as a text "
        "table or SEG-Y files.");
    CommandText text;
    text.usage = {
        "tessarin-cli export PROJECT.tsp [--bmp FILE] [--png FILE] [--screen-factor X]"
        " [--pdf FILE [--paper letter|a4] [--landscape]] [--dat FILE]"
        " [--segy PREFIX --traces N] [--horizons FILE.hor]"};
    text.about =
        "Opens the project as the window's Open Project does, computes its synthetic "
        "and writes every file asked for, at least one. The pictures and the PDF "
        "follow the display preferences saved in the program (fonts, pen widths, "
        "timing lines). Horizons that lie outside the log are left out with a "
        "warning on standard error; the files are still written.";
    text.examples =
        "tessarin-cli export well.tsp --png well.png\n"
        "tessarin-cli export well.tsp --pdf well.pdf --paper a4 --landscape\n"
        "tessarin-cli export well.tsp --horizons tops.hor --segy well_ --traces 5";
    DescribeCommand(*command, std::move(text));
    command->add_option("PROJECT.tsp", options->projectPath, "The project file to export.")
        ->required();
    AddPictureOptions(*command, options->picture);
    AddPdfOptions(*command, options->pdf);
    AddDataOptions(*command, *options);
    command
        ->add_option("--horizons", options->horizonsPath,
                     "Replace the project's horizons by those of this horizon file, sorted by "
                     "depth, before anything is computed; the project file itself is not "
                     "changed.")
        ->type_name("FILE.hor");
    return [options] { return Export(*options); };
}

}  // namespace tessarin::cli
