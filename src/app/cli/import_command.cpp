// tessarin-cli import: builds a project file from log files, through the same steps as the
// program's Import Sonic/Density Logs command. Values the options do not give come from the saved
// settings, as a new project gets them; the well items come from the LAS header, and options
// override them.

#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/help_formatter.h"
#include "cli/import_options.h"
#include "cli/option_checks.h"
#include "engine/wavelet.h"
#include "engine/wavelet_calculate.h"
#include "files/horizon_file.h"
#include "files/project_file.h"
#include "files/wavelet_file.h"
#include "import/las_reader.h"
#include "import/log_import.h"
#include "import/synthetic_information.h"
#include "import/velocity_survey.h"
#include "model/error.h"
#include "model/numeric.h"
#include "model/reset.h"
#include "model/scales.h"
#include "qt_settings_store.h"

namespace tessarin::cli {
namespace {

constexpr const char* kPrefix = "tessarin-cli import: ";

// A number the option's check has taken.
Value NumberOf(const std::string& text) {
    return Value(*ParseNumber(text));
}

// The logs and the Synthetic Information choices, over the saved ones.
void ReadLogOptions(const ImportArguments& a, const Project& saved, ImportOptions& options) {
    const bool density = a.density.has_value();
    if (a.gardner ? a.sonic || !density : !a.sonic) {
        throw UsageError{a.gardner
                             ? "--gardner makes the sonic from --density FILE; give no --sonic"
                             : "--sonic FILE is needed (or --gardner with --density FILE)"};
    }
    if ((a.sonicCurve && !a.sonic) || (a.densityCurve && !density)) {
        throw UsageError{"a curve option needs its log file"};
    }
    const struct {
        const std::optional<std::string>& file;
        const std::optional<std::string>& curve;
        const char* option;
    } curves[] = {{a.sonic, a.sonicCurve, "--sonic-curve"},
                  {a.density, a.densityCurve, "--density-curve"}};
    for (const auto& [file, curve, option] : curves) {
        if (curve && !IsLasPath(*file)) {
            throw UsageError{std::string(option) + " chooses a curve of a LAS file; \"" + *file +
                             "\" is a plain log file"};
        }
    }
    SyntheticInformationValues& info = options.information;
    info = SyntheticInformationValuesOf(saved);
    if (a.units) {
        info.measurementUnits = *a.units == "metric" ? kMetric : kEnglish;
    }
    if (a.rate) {
        info.sampleRateIndex = SampleRateIndex(*a.rate);
    }
    info.impedanceType = density ? kSonicDensity : kSonicOnly;
    info.gardnerFromDensity = a.gardner;
    info.applyVelocitySurvey = a.survey.has_value();
    info.sonicInMicrosecondsPerFoot = a.sonicPerFoot;
    if (info.sonicInMicrosecondsPerFoot && (info.measurementUnits != kMetric || a.gardner)) {
        throw UsageError{"--sonic-per-ft applies to a sonic file in metric units"};
    }
    options.sonic.path = a.sonic.value_or("");
    options.sonic.lasCurveMnemonic = a.sonicCurve;
    options.density.path = a.density.value_or("");
    options.density.lasCurveMnemonic = a.densityCurve;
    if (a.depthRange) {
        const DepthRange range = *ParseDepthRange(*a.depthRange);
        for (LogFileChoice* log : {&options.sonic, &options.density}) {
            log->lasStartDepth = range.top;
            log->lasStopDepth = range.base;
        }
    }
    if (a.kb) {
        options.wellOverrides.kbElevation = NumberOf(*a.kb);
    }
    if (a.gl) {
        options.wellOverrides.glElevation = NumberOf(*a.gl);
    }
    options.wellOverrides.wellName = a.wellName;
}

// The seismic datum as the Well and Datum Information dialog would take it.
void ReadDatumOptions(const ImportArguments& a, Project& project) {
    if (a.survey && (a.datum || a.datumVelocity)) {
        throw UsageError{"a velocity survey sets the datum: give no --datum or --datum-velocity"};
    }
    if (a.datum) {
        project.datumType = kSpecifiedDatum;
        project.datumElevation = NumberOf(*a.datum);
    }
    if (a.datumVelocity) {
        project.datumVelocity = NumberOf(*a.datumVelocity);
    }
}

// The wavelet and AGC choices, as the Select Wavelet and Set Scales dialogs would take them.
// Returns the texts to calculate the wavelet from, or nothing to build the saved wavelet.
std::optional<WaveletTexts> ReadWaveletOptions(const ImportArguments& a, Project& project) {
    if (a.agc) {
        project.agcWindow = *a.agc;
    }
    if (a.waveletFile && (a.ricker || a.bandpass || a.phase || a.length)) {
        throw UsageError{
            "--wavelet-file gives the wavelet: give no --ricker, --bandpass, "
            "--phase or --length"};
    }
    if (a.ricker && a.bandpass) {
        throw UsageError{"give either --ricker F or --bandpass LC,LP,HP,HC"};
    }
    if (a.ricker && (a.phase || a.length)) {
        throw UsageError{"--phase and --length belong to the bandpass wavelet"};
    }
    if (!a.ricker && !a.bandpass && !a.phase && !a.length) {
        return std::nullopt;
    }
    WaveletTexts texts = StoredWaveletTexts(project);
    if (a.ricker) {
        project.waveletType = kRickerWavelet;
        texts.lowCut = *a.ricker;
        return texts;
    }
    if (project.waveletType != kBandpassWavelet && !a.bandpass) {
        throw UsageError{"--phase and --length belong to the bandpass wavelet"};
    }
    project.waveletType = kBandpassWavelet;
    if (a.bandpass) {
        const std::vector<std::string> corners = CornerList(*a.bandpass);
        texts.lowCut = corners[0];
        texts.lowPass = corners[1];
        texts.highPass = corners[2];
        texts.highCut = corners[3];
    }
    texts.phase = a.phase.value_or(texts.phase);
    texts.length = a.length.value_or(texts.length);
    return texts;
}

// The scales as the Set Scales and AGC dialog's OK takes them, over the saved ones; the AGC
// window has been taken already.
void ReadScalesOptions(const ImportArguments& a, Project& project) {
    const struct {
        const std::optional<std::string>& text;
        std::string ScalesValues::*box;
    } boxes[] = {{a.timeScale, &ScalesValues::timeScale},
                 {a.tracesPerUnit, &ScalesValues::tracesPerUnit},
                 {a.amplitude, &ScalesValues::amplitude},
                 {a.panelTraces, &ScalesValues::traceCount}};
    ScalesValues values = ScalesValuesOf(project);
    bool given = false;
    for (const auto& box : boxes) {
        if (box.text) {
            values.*box.box = *box.text;
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
void ApplyLocationOptions(const ImportArguments& a, Project& project) {
    if (!a.location && !a.location2) {
        return;
    }
    project.locationType = kGeneralLocation;
    project.wellLocation[0] = a.location.value_or("");
    project.wellLocation[1] = a.location2.value_or("");
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
    const std::vector<HorizonEntry> left = LoadHorizonFile(project, path);
    if (!left.empty()) {
        std::cerr << kPrefix << "warning: " << path << ": "
                  << OneLine(HorizonsLeftOutMessage(project, left)) << "\n";
    }
}

// A LAS file whose depths are in other units than the project's has its depths and elevations
// taken in the project's units; the batch run does as told, with a warning naming the option.
void WarnOfOtherDepthUnits(const ImportOptions& options) {
    for (const LogFileChoice* log : {&options.sonic, &options.density}) {
        if (log->path.empty() || !IsLasPath(log->path)) {
            continue;
        }
        std::optional<int> fileUnits;
        try {
            fileUnits = ReadLasHeader(LoadLasFile(log->path)).depthUnits;
        } catch (const std::exception&) {
            continue;  // the import itself says what is wrong with the file
        }
        if (const auto mismatch =
                LasUnitsMismatch(fileUnits, options.information.measurementUnits)) {
            std::cerr << kPrefix << "warning: " << log->path << ": " << *mismatch
                      << "  Give --units " << (*fileUnits == kMetric ? "metric" : "english")
                      << " to read them so.\n";
            return;  // once is enough when both logs come from one file
        }
    }
}

// The project must not take the place of a file it is made from, however the path is spelt.
void RefuseOutputOverInput(const ImportArguments& a, const std::string& output) {
    const std::pair<const std::optional<std::string>&, const char*> inputs[] = {
        {a.sonic, "--sonic"},
        {a.density, "--density"},
        {a.survey, "--survey"},
        {a.horizons, "--horizons"},
        {a.waveletFile, "--wavelet-file"}};
    for (const auto& [input, option] : inputs) {
        std::error_code error;
        if (input && std::filesystem::equivalent(output, *input, error)) {
            throw UsageError{"-o would overwrite the input file \"" + *input + "\" (" + option +
                             ")"};
        }
    }
}

int Import(const ImportArguments& a) {
    if (!a.output) {
        throw UsageError{"-o PROJECT.tsp is needed"};
    }
    RefuseOutputOverInput(a, *a.output);
    Project project;
    QtSettingsStore store;
    for (const SettingsProblem& problem : ResetProject(project, store)) {
        std::cerr << kPrefix << "warning: " << problem.Message() << "\n";
    }
    ImportOptions options;
    ReadLogOptions(a, project, options);
    // Other units than the saved ones convert the saved KB, GL, datum and scales, as choosing
    // them in Synthetic Information does: a saved datum velocity of 6000 ft/s must not become
    // 6000 m/s. The options below then set what they name.
    ChangeMeasurementUnits(project, options.information.measurementUnits);
    ReadDatumOptions(a, project);
    const std::optional<WaveletTexts> wavelet = ReadWaveletOptions(a, project);
    ReadScalesOptions(a, project);
    if (a.survey) {
        options.velocitySurvey = ReadSurvey(*a.survey);
    }

    WarnOfOtherDepthUnits(options);
    NoProgress progress;
    const std::vector<HorizonEntry> left = ImportLogs(project, options, progress);
    if (!left.empty()) {
        std::cerr << kPrefix << "warning: " << OneLine(HorizonsLeftOutMessage(project, left))
                  << "\n";
    }
    ApplyLocationOptions(a, project);
    if (a.horizons) {
        LoadHorizons(project, *a.horizons);
    }
    if (a.waveletFile) {
        const ReadResult<std::string> used = UseWaveletFile(project, *a.waveletFile);
        if (!used) {
            throw Error(used.message);
        }
        std::cout << "Wavelet file:   " << *a.waveletFile << ", " << *used.value << "\n";
    } else {
        BuildChosenWavelet(project, wavelet);
    }
    project.projectFileName = *a.output;
    WriteProjectFile(project, std::filesystem::path(*a.output));
    return kExitOk;
}

// Messages break lines with CR LF for the message box; the terminal takes LF.
int RunImport(const ImportArguments& arguments) {
    try {
        return Import(arguments);
    } catch (const Error& e) {
        std::cerr << kPrefix << OneLine(e.what()) << "\n";
        return kExitFailure;
    }
}

}  // namespace

CommandRun AddImportCommand(CLI::App& tool) {
    auto arguments = std::make_shared<ImportArguments>();
    CLI::App* command = tool.add_subcommand(
        "import", "Build a project file from a sonic log and, optionally, a density log.");
    CommandText text;
    text.usage = {"tessarin-cli import --sonic FILE [OPTIONS] -o PROJECT.tsp",
                  "tessarin-cli import --gardner --density FILE [OPTIONS] -o PROJECT.tsp"};
    text.about =
        "Runs the steps of the window's Import Sonic/Density Logs: reads the logs, converts "
        "them from depth to two-way time, calibrates them to a velocity survey if one is "
        "given, and writes the project with its wavelet, ready to display or export. Values "
        "the options leave out are the defaults saved in the program, as a new project takes "
        "them; the well's name, location and elevations come from a LAS file's header unless "
        "options give them. Depths, elevations and velocities are in feet or metres, as "
        "--units says.";
    // Lines short enough for the manual page, which sets them in a narrower column.
    text.examples =
        "tessarin-cli import --sonic well.las --sonic-curve DT \\\n"
        "    --units metric --ricker 30 -o well.tsp\n"
        "tessarin-cli import --sonic well.las --sonic-curve DT \\\n"
        "    --density well.las --density-curve RHOB --units metric \\\n"
        "    --survey well.vs --horizons tops.hor -o well.tsp\n"
        "tessarin-cli import --gardner --density well.den \\\n"
        "    --units english --datum 0 --datum-velocity 6000 -o well.tsp";
    DescribeCommand(*command, std::move(text));
    AddImportOptions(*command, *arguments);
    return [arguments] { return RunImport(*arguments); };
}

}  // namespace tessarin::cli
