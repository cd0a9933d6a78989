// tessarin-cli import: builds a project file from log files, through the same steps as the
// program's Import Sonic/Density Logs command. Values the options do not give come from the saved
// settings, as a new project gets them; the well items come from the LAS header, and options
// override them.

#include <CLI/CLI.hpp>
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "cli/args.h"
#include "cli/commands.h"
#include "engine/wavelet.h"
#include "engine/wavelet_calculate.h"
#include "files/horizon_file.h"
#include "files/project_file.h"
#include "import/las_reader.h"
#include "import/log_import.h"
#include "import/velocity_survey.h"
#include "model/error.h"
#include "model/numeric.h"
#include "model/reset.h"
#include "model/scales.h"
#include "qt_settings_store.h"

namespace tessarin::cli {
namespace {

constexpr const char* kPrefix = "tessarin-cli import: ";

// clang-format off
const std::set<std::string> kValueOptions = {
    "--sonic",  "--sonic-curve", "--density", "--density-curve", "--units",          "--rate",
    "--survey", "--depth-range", "--ricker",  "--bandpass",      "--phase",          "--length",
    "--agc",    "--kb",          "--gl",      "--datum",         "--datum-velocity", "--well-name",
    "--horizons", "--location",  "--location-2", "--time-scale", "--traces-per-unit",
    "--amplitude", "--panel-traces", "-o"};
// clang-format on
const std::set<std::string> kFlagOptions = {"--gardner", "--sonic-per-ft"};

double NumberOption(const Args& args, const std::string& option) {
    const std::string text = *args.Value(option);
    const auto number = ParseNumber(text);
    if (!number) {
        throw UsageError{option + " needs a number, not \"" + text + "\""};
    }
    return *number;
}

int SampleRateIndex(const std::string& rate) {
    const auto ms = ParseNumber(rate);
    for (int index = 0; index < 3; ++index) {
        if (ms && *ms * 1000 == 2 * SampleIntervalForRate(index)) {
            return index;
        }
    }
    throw UsageError{"--rate must be 2, 1 or 0.5 (milliseconds), not \"" + rate + "\""};
}

void ReadDepthRange(const std::string& text, ImportOptions& options) {
    const std::size_t colon = text.find(':');
    std::optional<double> top;
    std::optional<double> base;
    if (colon != std::string::npos) {
        top = ParseNumber(std::string_view(text).substr(0, colon));
        base = ParseNumber(std::string_view(text).substr(colon + 1));
    }
    if (!top || !base || *top > *base) {
        throw UsageError{"--depth-range needs TOP:BASE with TOP not below BASE, not \"" + text +
                         "\""};
    }
    options.sonic.lasStartDepth = top;
    options.sonic.lasStopDepth = base;
    options.density.lasStartDepth = top;
    options.density.lasStopDepth = base;
}

// The logs and the Synthetic Information choices, over the saved ones.
void ReadLogOptions(const Args& args, const Project& saved, ImportOptions& options) {
    const bool gardner = args.Has("--gardner");
    const bool density = args.Has("--density");
    if (gardner ? args.Has("--sonic") || !density : !args.Has("--sonic")) {
        throw UsageError{gardner ? "--gardner makes the sonic from --density FILE; give no --sonic"
                                 : "--sonic FILE is needed (or --gardner with --density FILE)"};
    }
    if ((args.Has("--sonic-curve") && !args.Has("--sonic")) ||
        (args.Has("--density-curve") && !density)) {
        throw UsageError{"a curve option needs its log file"};
    }
    for (const auto& [file, curve] :
         {std::pair{"--sonic", "--sonic-curve"}, std::pair{"--density", "--density-curve"}}) {
        if (args.Has(curve) && !IsLasPath(*args.Value(file))) {
            throw UsageError{std::string(curve) + " chooses a curve of a LAS file; \"" +
                             *args.Value(file) + "\" is a plain log file"};
        }
    }
    SyntheticInformation& info = options.information;
    info = SyntheticInformationOf(saved);
    if (const auto units = args.Value("--units")) {
        if (*units != "english" && *units != "metric") {
            throw UsageError{"--units must be english or metric, not \"" + *units + "\""};
        }
        info.measurementUnits = *units == "metric" ? kMetric : kEnglish;
    }
    if (const auto rate = args.Value("--rate")) {
        info.sampleRateIndex = SampleRateIndex(*rate);
    }
    info.impedanceType = density ? kSonicDensity : kSonicOnly;
    info.gardnerFromDensity = gardner;
    info.applyVelocitySurvey = args.Has("--survey");
    info.sonicInMicrosecondsPerFoot = args.Has("--sonic-per-ft");
    if (info.sonicInMicrosecondsPerFoot && (info.measurementUnits != kMetric || gardner)) {
        throw UsageError{"--sonic-per-ft applies to a sonic file in metric units"};
    }
    options.sonic.path = args.Value("--sonic").value_or("");
    options.sonic.lasCurveMnemonic = args.Value("--sonic-curve");
    options.density.path = args.Value("--density").value_or("");
    options.density.lasCurveMnemonic = args.Value("--density-curve");
    if (const auto range = args.Value("--depth-range")) {
        ReadDepthRange(*range, options);
    }
    if (args.Has("--kb")) {
        options.wellOverrides.kbElevation = Value(NumberOption(args, "--kb"));
    }
    if (args.Has("--gl")) {
        options.wellOverrides.glElevation = Value(NumberOption(args, "--gl"));
    }
    options.wellOverrides.wellName = args.Value("--well-name");
}

// The seismic datum as the Well and Datum Information dialog would take it.
void ReadDatumOptions(const Args& args, Project& project) {
    if (args.Has("--survey") && (args.Has("--datum") || args.Has("--datum-velocity"))) {
        throw UsageError{"a velocity survey sets the datum: give no --datum or --datum-velocity"};
    }
    if (args.Has("--datum")) {
        project.datumType = kSpecifiedDatum;
        project.datumElevation = Value(NumberOption(args, "--datum"));
    }
    if (args.Has("--datum-velocity")) {
        const double velocity = NumberOption(args, "--datum-velocity");
        if (velocity <= 0) {
            throw UsageError{"--datum-velocity must be above 0"};
        }
        project.datumVelocity = Value(velocity);
    }
}

// The wavelet and AGC choices, as the Select Wavelet and Set Scales dialogs would take them.
// Returns the texts to calculate the wavelet from, or nothing to build the saved wavelet.
std::optional<WaveletTexts> ReadWaveletOptions(const Args& args, Project& project) {
    if (const auto agc = args.Value("--agc")) {
        if (*agc != "None" && !(ParseNumber(*agc) && *ParseNumber(*agc) > 0)) {
            throw UsageError{"--agc must be a window in seconds or None, not \"" + *agc + "\""};
        }
        project.agcWindow = *agc;
    }
    const bool ricker = args.Has("--ricker");
    const bool bandpass = args.Has("--bandpass");
    if (ricker && bandpass) {
        throw UsageError{"give either --ricker F or --bandpass LC,LP,HP,HC"};
    }
    if (ricker && (args.Has("--phase") || args.Has("--length"))) {
        throw UsageError{"--phase and --length belong to the bandpass wavelet"};
    }
    if (!ricker && !bandpass && !args.Has("--phase") && !args.Has("--length")) {
        return std::nullopt;
    }
    WaveletTexts texts = StoredWaveletTexts(project);
    if (ricker) {
        project.waveletType = kRickerWavelet;
        texts.lowCut = *args.Value("--ricker");
    } else {
        if (project.waveletType != kBandpassWavelet && !bandpass) {
            throw UsageError{"--phase and --length belong to the bandpass wavelet"};
        }
        project.waveletType = kBandpassWavelet;
        if (bandpass) {
            const std::string list = *args.Value("--bandpass");
            std::vector<std::string> parts;
            std::size_t start = 0;
            for (std::size_t comma; (comma = list.find(',', start)) != std::string::npos;) {
                parts.push_back(list.substr(start, comma - start));
                start = comma + 1;
            }
            parts.push_back(list.substr(start));
            if (parts.size() != 4) {
                throw UsageError{"--bandpass needs four corner frequencies LC,LP,HP,HC, not \"" +
                                 list + "\""};
            }
            texts.lowCut = parts[0];
            texts.lowPass = parts[1];
            texts.highPass = parts[2];
            texts.highCut = parts[3];
        }
        texts.phase = args.Value("--phase").value_or(texts.phase);
        texts.length = args.Value("--length").value_or(texts.length);
    }
    return texts;
}

// The scales as the Set Scales and AGC dialog's OK takes them, over the saved ones; the AGC
// window has been taken already.
void ReadScalesOptions(const Args& args, Project& project) {
    const struct {
        const char* option;
        std::string ScalesValues::*box;
    } boxes[] = {{"--time-scale", &ScalesValues::timeScale},
                 {"--traces-per-unit", &ScalesValues::tracesPerUnit},
                 {"--amplitude", &ScalesValues::amplitude},
                 {"--panel-traces", &ScalesValues::traceCount}};
    ScalesValues values = ScalesValuesOf(project);
    bool given = false;
    for (const auto& box : boxes) {
        if (const auto text = args.Value(box.option)) {
            values.*box.box = *text;
            given = true;
        }
    }
    if (!given) {
        return;
    }
    if (const auto problem = FindScalesProblem(values)) {
        throw UsageError{OneLine(*problem)};
    }
    ApplyScalesValues(project, values);
}

// A location given on the command line is the General format's two free lines; it replaces
// whatever location the LAS header gave.
void ApplyLocationOptions(const Args& args, Project& project) {
    const auto first = args.Value("--location");
    const auto second = args.Value("--location-2");
    if (!first && !second) {
        return;
    }
    project.locationType = kGeneralLocation;
    project.wellLocation[0] = first.value_or("");
    project.wellLocation[1] = second.value_or("");
}

// Reads the survey file and accepts it as the dialog's OK does: two points at least, sorted.
VelocitySurvey ReadSurvey(const std::string& path) {
    VelocitySurvey survey = ReadVelocitySurveyFile(path);
    if (survey.count < 2) {
        throw Error("The velocity survey file \"" + path + "\" holds fewer than two points.");
    }
    SortVelocitySurvey(survey);
    return survey;
}

void BuildChosenWavelet(Project& project, const std::optional<WaveletTexts>& texts) {
    if (!texts) {
        BuildWavelet(project);
        return;
    }
    const CalculateOutcome outcome = CalculateWavelet(project, *texts);
    if (!outcome.accepted) {
        throw UsageError{outcome.reason};
    }
}

// The horizons of a horizon file between the new log's "start of log" and "end of log" entries,
// sorted by depth as the Define Horizons dialog's OK sorts what Open File loaded.
// Horizons outside the new log are left out with a warning naming them.
void LoadHorizons(Project& project, const std::string& path) {
    std::vector<HorizonEntry> left;
    try {
        left = LoadHorizonFile(project, path);
    } catch (const Error& e) {
        throw Error(path + ": " + e.what());
    }
    if (!left.empty()) {
        std::cerr << kPrefix << "warning: " << path << ": "
                  << OneLine(HorizonsLeftOutMessage(project, left)) << "\n";
    }
}

// The project must not take the place of a file it is made from, however the path is spelt.
void RefuseOutputOverInput(const Args& args, const std::string& output) {
    for (const char* option : {"--sonic", "--density", "--survey", "--horizons"}) {
        const auto input = args.Value(option);
        std::error_code error;
        if (input && std::filesystem::equivalent(output, *input, error)) {
            throw UsageError{"-o would overwrite the input file \"" + *input + "\" (" + option +
                             ")"};
        }
    }
}

// Messages break lines with CR LF for the message box; the terminal takes LF.
int Import(const Args& args) {
    if (!args.Positional().empty()) {
        throw UsageError{"unexpected argument \"" + args.Positional().front() + "\""};
    }
    const auto output = args.Value("-o");
    if (!output) {
        throw UsageError{"-o PROJECT.tsp is needed"};
    }
    RefuseOutputOverInput(args, *output);
    Project project;
    QtSettingsStore store;
    for (const SettingsProblem& problem : ResetProject(project, store)) {
        std::cerr << kPrefix << "warning: " << problem.Message() << "\n";
    }
    ImportOptions options;
    ReadLogOptions(args, project, options);
    ReadDatumOptions(args, project);
    const std::optional<WaveletTexts> wavelet = ReadWaveletOptions(args, project);
    ReadScalesOptions(args, project);
    if (const auto survey = args.Value("--survey")) {
        options.velocitySurvey = ReadSurvey(*survey);
    }

    NoProgress progress;
    ImportLogs(project, options, progress);
    ApplyLocationOptions(args, project);
    if (const auto horizons = args.Value("--horizons")) {
        LoadHorizons(project, *horizons);
    }
    BuildChosenWavelet(project, wavelet);
    project.projectFileName = *output;
    WriteProjectFile(project, std::filesystem::path(*output));
    return kExitOk;
}

constexpr const char* kSynopsis =
    "Usage: tessarin-cli import --sonic FILE [--sonic-curve MNEMONIC] [--density FILE]"
    " [--density-curve MNEMONIC] [--gardner] [--units english|metric] [--sonic-per-ft]"
    " [--rate 2|1|0.5] [--survey FILE.vs] [--depth-range TOP:BASE]"
    " [--ricker F | --bandpass LC,LP,HP,HC] [--phase P] [--length L] [--agc SECONDS|None]"
    " [--time-scale X] [--traces-per-unit X] [--amplitude X] [--panel-traces N]"
    " [--kb X] [--gl X] [--datum X] [--datum-velocity X] [--well-name TEXT]"
    " [--location TEXT] [--location-2 TEXT] [--horizons FILE.hor] -o PROJECT.tsp\n";

int RunImport(const std::vector<std::string>& arguments) {
    if (std::find(arguments.begin(), arguments.end(), "--help") != arguments.end()) {
        std::cout << kSynopsis;
        return kExitOk;
    }
    try {
        return Import(Args(arguments, kValueOptions, kFlagOptions));
    } catch (const UsageError& e) {
        std::cerr << kPrefix << e.message << "\n";
        return kExitRefused;
    } catch (const Error& e) {
        std::cerr << kPrefix << OneLine(e.what()) << "\n";
        return kExitFailure;
    }
}

}  // namespace

CommandRun AddImportCommand(CLI::App& tool) {
    CLI::App* command = tool.add_subcommand(
        "import", "Build a project file from a sonic log and, optionally, a density log.");
    command->prefix_command();
    return [command] { return RunImport(command->remaining()); };
}

}  // namespace tessarin::cli
