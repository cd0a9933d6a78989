// tessarin-cli tie PROJECT.tsp --seismic FILE: ties the project's synthetic to a seismic trace,
// prints how well they match, and with -o writes the project with the trace and, when asked, the
// bulk shift and the wavelet phase the tie found.

#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/help_formatter.h"
#include "cli/option_checks.h"
#include "cli/tie_report.h"
#include "cli/tie_stretch.h"
#include "cli/tie_wavelet.h"
#include "engine/project_tie.h"
#include "engine/synthetic.h"
#include "engine/tie_shift.h"
#include "files/open_project.h"
#include "files/project_file.h"
#include "files/segy_file.h"
#include "files/seismic_trace_load.h"
#include "files/tie_search.h"
#include "model/error.h"
#include "model/numeric.h"
#include "model/settings.h"
#include "qt_settings_store.h"

namespace tessarin::cli {
namespace {

constexpr const char* kPrefix = "tessarin-cli tie: ";

struct TieArguments {
    std::string projectPath;
    std::string seismic;
    std::optional<std::string> inlineNumber;
    std::optional<std::string> crosslineNumber;
    std::string inlineByte = "189";
    std::string crosslineByte = "193";
    std::optional<std::string> trace;
    std::optional<std::string> x;
    std::optional<std::string> y;
    bool interpolate = false;
    std::string coordinates = "cdp";
    std::optional<std::string> dt;
    std::optional<std::string> window;
    std::vector<std::string> horizons;
    std::string maxLag = "100";
    std::optional<std::string> search;
    bool applyShift = false;
    bool applyPhase = false;
    std::optional<std::string> output;
    bool json = false;
    StretchArguments stretch;
    WaveletArguments wavelet;
};

double NumberOf(const std::string& text) {
    return *ParseNumber(text);
}

void WarnOfOpening(const OpenProjectReport& report, const Project& project,
                   const std::string& path) {
    if (!report.horizonsLeftOut.empty()) {
        std::cerr << kPrefix << "warning: " << path << ": "
                  << OneLine(HorizonsLeftOutMessage(project, report.horizonsLeftOut)) << "\n";
    }
    if (!report.tieProblem.empty()) {
        std::cerr << kPrefix << "warning: " << path << ": " << OneLine(report.tieProblem) << "\n";
    }
    if (!report.waveletProblem.empty()) {
        throw Error("the wavelet cannot be built: " + report.waveletProblem);
    }
}

void CheckHorizonNames(const Project& project, const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        bool found = false;
        std::string known;
        for (int k = 1; k <= project.horizonCount; ++k) {
            found = found || project.horizonNames[static_cast<std::size_t>(k)] == name;
            known +=
                (k > 1 ? ", \"" : "\"") + project.horizonNames[static_cast<std::size_t>(k)] + "\"";
        }
        if (!found) {
            throw UsageError{"--horizons: the project has no horizon \"" + name +
                             "\"; its horizons are " + known};
        }
    }
}

// The trace the options choose from a SEG-Y file; nothing for a plain text trace.
std::optional<SegyTraceChoice> TraceChoiceOf(const TieArguments& a) {
    if (a.inlineNumber) {
        return SegyTraceChoice::AtLines(static_cast<int>(NumberOf(*a.inlineNumber)),
                                        static_cast<int>(NumberOf(*a.crosslineNumber)));
    }
    if (a.trace) {
        return SegyTraceChoice::Number(static_cast<long long>(NumberOf(*a.trace)));
    }
    if (a.x) {
        return a.interpolate ? SegyTraceChoice::InterpolatedAt(NumberOf(*a.x), NumberOf(*a.y))
                             : SegyTraceChoice::NearestTo(NumberOf(*a.x), NumberOf(*a.y));
    }
    return std::nullopt;
}

LoadedSeismicTrace LoadTrace(const TieArguments& a) {
    const std::optional<SegyTraceChoice> choice = TraceChoiceOf(a);
    ReadResult<LoadedSeismicTrace> read;
    if (choice) {
        SegyReadOptions options;
        options.lineBytes = {static_cast<int>(NumberOf(a.inlineByte)),
                             static_cast<int>(NumberOf(a.crosslineByte))};
        options.intervalMs = a.dt ? NumberOf(*a.dt) : 0.0;
        options.coordinates =
            a.coordinates == "source" ? TraceCoordinates::kSource : TraceCoordinates::kCdp;
        read = LoadSegyTrace(a.seismic, *choice, options);
    } else {
        try {
            SegyFile file(a.seismic);
            throw UsageError{"choose the trace of the SEG-Y file " + a.seismic +
                             ": --inline N --crossline N, --trace N or --x X --y Y"};
        } catch (const Error&) {
            // Not SEG-Y: read as a text trace below.
        }
        if (a.dt) {
            throw UsageError{"--dt applies to SEG-Y files; a text trace gives its own times"};
        }
        if (a.search) {
            throw UsageError{"--search needs a SEG-Y file: a text trace has no traces around it"};
        }
        read = LoadTextTrace(a.seismic);
    }
    if (!read) {
        throw Error(read.message);
    }
    // The project keeps where the trace came from wherever it is opened next.
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(a.seismic, error);
    if (!error) {
        read.value->source.path = absolute.lexically_normal().string();
    }
    return std::move(*read.value);
}

void ChooseWindow(Project& project, const TieArguments& a) {
    TieWindowChoice window = project.tie->window;
    if (a.window) {
        const TieWindow times = *ParseTimeWindow(*a.window);
        window = {TieWindowChoice::By::kTimes, times.start, times.end, {}, {}};
    } else if (a.horizons.size() == 2) {
        window = {TieWindowChoice::By::kHorizons, 0, 0, a.horizons[0], a.horizons[1]};
    }
    SetTieWindow(project, window);
}

// Options that cannot work with this project are refused before the seismic file is read.
void RefuseWrongCombinations(const TieArguments& a, const Project& project) {
    std::error_code error;
    if (a.output && std::filesystem::equivalent(*a.output, a.seismic, error)) {
        throw UsageError{"-o would overwrite the seismic file \"" + a.seismic + "\""};
    }
    std::vector<std::string> files{a.projectPath, a.seismic};
    if (a.output) {
        files.push_back(*a.output);
    }
    RefuseStretchCombinations(a.stretch, a.applyShift, a.applyPhase, files);
    RefuseWaveletCombinations(a.wavelet, a.applyPhase, a.stretch.Any(), files);
    if (a.applyPhase) {
        if (const auto refusal = ApplyTiePhaseRefusal(project)) {
            throw UsageError{"--apply-phase: " + OneLine(*refusal)};
        }
    }
    CheckHorizonNames(project, a.horizons);
}

void ApplyFindings(Project& project, const TieArguments& a, TieReport& report) {
    const TieMeasures& m = report.measures;
    if (a.applyPhase) {
        report.phaseBefore = NumberOf(project.phaseDegrees, "phase");
        if (const auto refusal = ApplyTiePhase(project, m)) {
            throw Error(*refusal);
        }
        report.phaseAfter = NumberOf(project.phaseDegrees, "phase");
    }
    if (a.applyShift) {
        // A phase and a lag found together go together.
        const double lag = a.applyPhase ? m.bestPhase.lag : m.bestLag.lag;
        if (!std::isfinite(lag)) {
            throw Error("The tie found no best lag to apply.");
        }
        ApplyTieShift(project, lag);
    }
    report.shiftAfter = project.tie->shiftSeconds;
}

int Tie(const TieArguments& a) {
    const QtSettingsStore store;
    Project project;
    // The reader's message names the file itself, as info's and export's do.
    const OpenProjectReport opened = OpenProjectFile(project, store, a.projectPath);
    WarnOfOpening(opened, project, a.projectPath);
    RefuseWrongCombinations(a, project);
    std::vector<StretchKnee> fileKnees = ReadKnees(a.stretch);
    LoadedSeismicTrace loaded = LoadTrace(a);
    SetTieTrace(project, std::move(loaded.source), std::move(loaded.trace));
    ChooseWindow(project, a);
    if (const std::optional<std::string> failure = RecomputeSynthetic(project)) {
        throw Error("the synthetic cannot be computed: " + *failure);
    }
    TieReport report;
    report.well = project.wellName;
    report.shiftBefore = project.tie->shiftSeconds;
    TieOptions options;
    options.maxLag = NumberOf(a.maxLag) / 1000.0;
    report.driftWindow = options.driftWindow;
    report.measures = MeasureProjectTie(project, options);
    if (a.search) {
        // Around the trace as measured, before a shift found here is applied.
        ReadResult<TieSearch> found =
            SearchAroundTie(project, static_cast<int>(NumberOf(*a.search)), options.maxLag);
        if (!found) {
            throw Error(found.message);
        }
        report.search = std::move(found.value);
    }
    ApplyFindings(project, a, report);
    if (a.wavelet.method) {
        report.wavelet = RunExtraction(project, a.wavelet, a.output.has_value());
    }
    if (a.stretch.Any()) {
        report.stretch = RunStretch(project, a.stretch, std::move(fileKnees), options.maxLag,
                                    ReadStretchVelocityLimit(store));
    }
    if (a.output) {
        project.projectFileName = *a.output;
        WriteProjectFile(project, std::filesystem::path(*a.output));
        report.written = *a.output;
    }
    report.tie = &*project.tie;
    report.measurementUnits = project.measurementUnits;
    if (a.json) {
        PrintTieJson(report, std::cout);
    } else {
        PrintTieReport(report, std::cout);
    }
    if (report.stretch) {
        WarnOfVelocityChange(*report.stretch, std::cerr);
    }
    if (report.wavelet) {
        WarnOfCheckWindow(*report.wavelet, std::cerr);
    }
    return kExitOk;
}

int RunTie(const TieArguments& a) {
    try {
        return Tie(a);
    } catch (const Error& e) {
        std::cerr << kPrefix << OneLine(e.what()) << "\n";
        return kExitFailure;
    }
}

CLI::Validator WholeNumberCheck(double lowest, double highest) {
    return ReasonCheck([lowest, highest](const std::string& text) {
        const auto n = ParseNumber(text);
        if (n && *n == std::floor(*n) && *n >= lowest && *n <= highest) {
            return std::string();
        }
        const std::string range =
            highest < 1e15 ? " from " + PlainNumber(lowest) + " to " + PlainNumber(highest)
                           : " of at least " + PlainNumber(lowest);
        return "needs a whole number" + range + ", not \"" + text + "\"";
    });
}

void AddTraceOptions(CLI::App& command, TieArguments& a) {
    const char* const kTrace = "Choosing the trace";
    const CLI::Validator line = WholeNumberCheck(-2147483648.0, 2147483647.0);
    const CLI::Validator byte = WholeNumberCheck(1, 237);
    CLI::Option* inl =
        command.add_option("--inline", a.inlineNumber, "The trace with this inline number.")
            ->type_name("N")
            ->check(line)
            ->group(kTrace);
    CLI::Option* xl =
        command
            .add_option("--crossline", a.crosslineNumber, "The trace with this crossline number.")
            ->type_name("N")
            ->check(line)
            ->group(kTrace);
    CLI::Option* inlByte =
        command
            .add_option("--inline-byte", a.inlineByte,
                        "The trace header byte, counted from 1, where the inline number "
                        "starts as a 4-byte integer.")
            ->type_name("B")
            ->capture_default_str()
            ->check(byte)
            ->group(kTrace);
    CLI::Option* xlByte =
        command
            .add_option("--crossline-byte", a.crosslineByte,
                        "The trace header byte, counted from 1, where the crossline number "
                        "starts as a 4-byte integer.")
            ->type_name("B")
            ->capture_default_str()
            ->check(byte)
            ->group(kTrace);
    CLI::Option* trace = command
                             .add_option("--trace", a.trace,
                                         "The trace with this number, counted from 1 in the "
                                         "order of the file.")
                             ->type_name("N")
                             ->check(WholeNumberCheck(1, 9e15))
                             ->group(kTrace);
    CLI::Option* x = command
                         .add_option("--x", a.x,
                                     "The trace nearest the well at this X, in the "
                                     "file's coordinates (CDP X/Y at trace header bytes 181 "
                                     "and 185 unless --coordinates source, scaled by bytes "
                                     "71-72); its distance is printed.")
                         ->type_name("X")
                         ->check(NumberCheck())
                         ->group(kTrace);
    CLI::Option* y = command.add_option("--y", a.y, "The trace nearest the well at this Y.")
                         ->type_name("Y")
                         ->check(NumberCheck())
                         ->group(kTrace);
    CLI::Option* interpolate =
        command
            .add_flag("--interpolate", a.interpolate,
                      "With --x and --y: the bilinear blend of the four traces of a 3D volume "
                      "around the well, placed among the lines by the corner traces' X and Y.")
            ->group(kTrace);
    CLI::Option* coordinates =
        command
            .add_option("--coordinates", a.coordinates,
                        "The trace header coordinates --x and --y are in: cdp (bytes 181 and "
                        "185) or source (bytes 73 and 77), both scaled by bytes 71-72.")
            ->type_name("cdp|source")
            ->capture_default_str()
            ->check(CLI::IsMember({"cdp", "source"}))
            ->group(kTrace);
    interpolate->needs(x);
    coordinates->needs(x);
    inl->needs(xl);
    xl->needs(inl);
    x->needs(y);
    y->needs(x);
    inlByte->needs(inl);
    xlByte->needs(xl);
    for (CLI::Option* other : {inl, xl, x, y}) {
        trace->excludes(other);
    }
    inl->excludes(x);
    inl->excludes(y);
    xl->excludes(x);
    xl->excludes(y);
}

void AddTieOptions(CLI::App& command, TieArguments& a) {
    command
        .add_option("--dt", a.dt,
                    "The SEG-Y file's sample interval in milliseconds, over what its headers "
                    "say. Without it, a binary header and a first trace header that disagree "
                    "are refused, naming both.")
        ->type_name("MS")
        ->check(PositiveNumberCheck());
    CLI::Option* window =
        command
            .add_option("--window", a.window,
                        "Measure the tie from T0 to T1, two-way seconds below the seismic "
                        "datum. Default: the window saved in the project, or where the "
                        "synthetic and the seismic overlap.")
            ->type_name("T0:T1")
            ->check(TimeWindowCheck());
    CLI::Option* horizons =
        command
            .add_option("--horizons", a.horizons,
                        "Measure the tie between these two horizons of the project, by name.")
            ->type_name("\"TOP A\" \"TOP B\"")
            ->expected(2);
    window->excludes(horizons);
    command
        .add_option("--max-lag", a.maxLag, "Lags searched on either side of zero, in milliseconds.")
        ->type_name("MS")
        ->capture_default_str()
        ->check(PositiveNumberCheck());
    CLI::Option* output =
        command
            .add_option("-o", a.output,
                        "Write the project, with the seismic trace in it, to this file (it "
                        "may be the project itself).")
            ->type_name("OUT.tsp");
    command
        .add_flag("--apply-shift", a.applyShift,
                  "Add the best lag to the project's bulk shift, which moves every two-way "
                  "time of the well; with --apply-phase, the lag found with the best phase.")
        ->needs(output);
    command
        .add_flag("--apply-phase", a.applyPhase,
                  "Turn the bandpass wavelet by the best phase, to whole degrees; refused "
                  "for a Ricker wavelet.")
        ->needs(output);
    command
        .add_option("--search", a.search,
                    "Also tie to every trace within N inlines and crosslines of the chosen one "
                    "(along a 2D line, N traces either side) and print the best of them beside "
                    "the chosen one: a better trace nearby says that the well or the seismic is "
                    "mispositioned. With --json, every trace searched.")
        ->type_name("N")
        ->check(WholeNumberCheck(1, kLargestSearchReach));
    command.add_flag("--json", a.json, "Print the figures as JSON instead of text.");
    AddStretchOptions(command, a.stretch, output);
    AddWaveletOptions(command, a.wavelet);
}

}  // namespace

CommandRun AddTieCommand(CLI::App& tool) {
    auto arguments = std::make_shared<TieArguments>();
    CLI::App* command = tool.add_subcommand(
        "tie", "Tie a project's synthetic to a seismic trace: correlation, lag, phase, drift.");
    CommandText text;
    text.usage = {
        "tessarin-cli tie PROJECT.tsp --seismic FILE (--inline N --crossline N"
        " [--inline-byte B --crossline-byte B] | --trace N |"
        " --x X --y Y [--interpolate] [--coordinates cdp|source])"
        " [--dt MS] [--window T0:T1 | --horizons \"TOP A\" \"TOP B\"] [--max-lag MS]"
        " [--search N] [--apply-shift] [--apply-phase] [-o OUT.tsp] [--json]",
        "tessarin-cli tie PROJECT.tsp --seismic FILE ... (--stretch auto [--max-strain X]"
        " [--knee-spacing MS | --knees-at-horizons] | --knees FILE) [--apply-stretch -o OUT.tsp]"
        " [--survey-out FILE.vs]",
        "tessarin-cli tie PROJECT.tsp --seismic FILE ... --extract-wavelet"
        " deterministic|statistical [--wavelet-length S] [--prewhitening PCT]"
        " [--wavelet-phase zero|deterministic|DEG] [--taper PCT] [--check-window T0:T1]"
        " [-o OUT.tsp] [--wavelet-out FILE]"};
    text.about =
        "Opens the project as the window's Open Project does, computes its synthetic and "
        "reads the chosen seismic trace: from a SEG-Y file by inline and crossline, by "
        "number, nearest the well's X and Y, or (--interpolate) as the blend of the four "
        "traces of a 3D volume around the well, or from a text file of two-way times and "
        "amplitudes (then no choice is given). Prints the trace and the window, r at zero "
        "lag, the best lag and its r (a positive lag: the seismic is later than the "
        "synthetic), the best phase and lag found together and their r, PEP (the part of "
        "the seismic's energy the scaled synthetic explains), and the best lag in windows "
        "down the well, which shows a drift. With --search N it also ties to every trace "
        "within N inlines and crosslines of the chosen one, or N traces either side along a "
        "2D line, and prints the best of them beside the chosen one. With -o it writes the project "
        "with the trace, "
        "so that it opens without the seismic file. With --stretch auto or --knees it also "
        "prints a stretch, which moves the well's time-depth relation where no bulk shift "
        "fits the drift: its knees, r in the window before and after, the largest strain "
        "and the largest change of interval velocity, warning on standard error of a change "
        "above the limit set in the tie window (10 % unless set). With --extract-wavelet it "
        "extracts a wavelet from the trace in the window and prints its figures, among them r "
        "in a check window outside the one it was fitted in; with -o the project keeps it as "
        "its wavelet. A run ties one well: for many, run one a well, each with --json, and "
        "gather their results with tessarin-cli tie-summary.";
    text.examples =
        "tessarin-cli tie well.tsp --seismic line.sgy --inline 1190 --crossline 1155\n"
        "tessarin-cli tie well.tsp --seismic line.sgy --x 612300 --y 6075100 \\\n"
        "    --horizons \"Top A\" \"Base B\" --apply-shift -o well_tied.tsp\n"
        "tessarin-cli tie well.tsp --seismic trace.txt --json\n"
        "tessarin-cli tie well.tsp --seismic cube.sgy --inline 1190 \\\n"
        "    --crossline 1155 --search 5\n"
        "tessarin-cli tie well.tsp --seismic line.sgy --trace 12 --window 0.4:1.65 \\\n"
        "    --stretch auto --apply-stretch -o well_stretched.tsp --survey-out well.vs\n"
        "tessarin-cli tie well.tsp --seismic trace.txt --window 0.6:1.4 \\\n"
        "    --extract-wavelet deterministic -o well_wavelet.tsp --wavelet-out well.txt";
    DescribeCommand(*command, std::move(text));
    command->add_option("PROJECT.tsp", arguments->projectPath, "The project file to tie.")
        ->required();
    command
        ->add_option("--seismic", arguments->seismic,
                     "The SEG-Y file (formats 1, 2, 3, 5 and 8, either byte order) or text "
                     "trace to tie to.")
        ->type_name("FILE")
        ->required();
    AddTraceOptions(*command, *arguments);
    AddTieOptions(*command, *arguments);
    return [arguments] { return RunTie(*arguments); };
}

}  // namespace tessarin::cli
