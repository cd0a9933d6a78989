#include "cli/tie_wavelet.h"

#include "cli/commands.h"
#include "cli/option_checks.h"
#include "engine/wavelet_extraction.h"
#include "files/wavelet_file.h"
#include "model/numeric.h"

namespace tessarin::cli {
namespace {

CLI::Validator RangeCheck(double lowest, double highest, const std::string& what) {
    return ReasonCheck([=](const std::string& text) {
        const auto n = ParseNumber(text);
        return n && *n >= lowest && *n <= highest ? std::string()
                                                  : "needs " + what + ", not \"" + text + "\"";
    });
}

CLI::Validator PhaseCheck() {
    return ReasonCheck([](const std::string& text) {
        const auto n = ParseNumber(text);
        return text == "zero" || text == "deterministic" || (n && *n >= -180 && *n <= 180)
                   ? std::string()
                   : "needs zero, deterministic or degrees from -180 to 180, not \"" + text + "\"";
    });
}

StatisticalPhase PhaseOf(const std::optional<std::string>& text) {
    if (!text || *text == "zero") {
        return {};
    }
    if (*text == "deterministic") {
        return {.by = StatisticalPhase::By::kDeterministic};
    }
    return {.by = StatisticalPhase::By::kGiven, .degrees = *ParseNumber(*text)};
}

// As the wavelet's source names the method; the window's Extract Wavelet names them alike.
std::string MethodName(const WaveletArguments& a) {
    const StatisticalPhase phase = PhaseOf(a.phase);
    if (*a.method == "deterministic" || phase.by == StatisticalPhase::By::kZero) {
        return *a.method;
    }
    return phase.by == StatisticalPhase::By::kDeterministic
               ? "statistical, deterministic phase"
               : "statistical, phase " + PlainNumber(phase.degrees) + " degrees";
}

}  // namespace

void AddWaveletOptions(CLI::App& command, WaveletArguments& a) {
    const char* const kWavelet = "Wavelet extraction";
    CLI::Option* method =
        command
            .add_option("--extract-wavelet", a.method,
                        "Extract a wavelet from the seismic trace in the window (after "
                        "--apply-shift, at the shifted times): deterministic, the least-squares "
                        "filter that turns the well's reflection coefficients into the seismic, "
                        "or statistical, zero phase from the seismic's own spectrum. Its method, "
                        "window, length, constant phase and residual, dominant frequency, PEP "
                        "and r in the window and r in the check window are printed; with -o it "
                        "becomes the project's wavelet. Not with --apply-phase or a stretch.")
            ->type_name("deterministic|statistical")
            ->check(OneOfCheck({"deterministic", "statistical"}))
            ->group(kWavelet);
    CLI::Option* options[] = {
        command
            .add_option("--wavelet-length", a.length,
                        "The extracted wavelet's length in seconds of two-way time, cut to whole "
                        "samples; the window must hold four lengths.")
            ->type_name("S")
            ->capture_default_str()
            ->check(RangeCheck(0.008, 1e9, "a number of seconds of at least 0.008")),
        command
            .add_option("--prewhitening", a.prewhitening,
                        "Per cent added to the zero lag of the reflection coefficients' "
                        "autocorrelation, which keeps the deterministic wavelet from growing "
                        "where they have little energy. Default: 1.")
            ->type_name("PCT")
            ->check(RangeCheck(0, 1e9, "a number of at least 0")),
        command
            .add_option("--wavelet-phase", a.phase,
                        "The statistical wavelet's constant phase: zero (the default), "
                        "deterministic (that of the deterministic wavelet in the same window, "
                        "shaped by --prewhitening) or a number of degrees from -180 to 180.")
            ->type_name("zero|deterministic|DEG")
            ->check(PhaseCheck()),
        command
            .add_option("--taper", a.taper,
                        "The part of the wavelet's length, in per cent, given to a cosine "
                        "taper, half at each end.")
            ->type_name("PCT")
            ->capture_default_str()
            ->check(RangeCheck(0, 100, "a number from 0 to 100")),
        command
            .add_option("--check-window", a.checkWindow,
                        "Measure r of the extracted wavelet's synthetic also from T0 to T1, "
                        "two-way seconds. Default: where the synthetic and the seismic overlap "
                        "above and below the window.")
            ->type_name("T0:T1")
            ->check(TimeWindowCheck()),
        command
            .add_option("--wavelet-out", a.out,
                        "Write the extracted wavelet as a wavelet file: time in seconds and "
                        "amplitude, one sample a line, which import --wavelet-file reads.")
            ->type_name("FILE"),
    };
    for (CLI::Option* option : options) {
        option->needs(method)->group(kWavelet);
    }
}

void RefuseWaveletCombinations(const WaveletArguments& a, bool applyPhase, bool stretch,
                               const std::vector<std::string>& otherFiles) {
    if (!a.method) {
        return;
    }
    if (applyPhase || stretch) {
        throw UsageError{std::string(applyPhase ? "--apply-phase" : "a stretch") +
                         " does not go with --extract-wavelet: the extracted wavelet replaces "
                         "the wavelet " +
                         (applyPhase ? "the phase would turn" : "the knees are found with") +
                         "; extract it first, then tie with it in a second run"};
    }
    if (a.phase && *a.method == "deterministic") {
        throw UsageError{
            "--wavelet-phase applies to the statistical wavelet; the "
            "deterministic wavelet finds its own phase"};
    }
    if (a.prewhitening && *a.method == "statistical" &&
        PhaseOf(a.phase).by != StatisticalPhase::By::kDeterministic) {
        throw UsageError{
            "--prewhitening applies to the deterministic wavelet, and to the "
            "statistical one only at --wavelet-phase deterministic"};
    }
    for (const std::string& other : otherFiles) {
        if (a.out && SameFile(*a.out, other)) {
            throw UsageError{"--wavelet-out would overwrite \"" + other + "\""};
        }
    }
}

WaveletReport RunExtraction(Project& project, const WaveletArguments& a, bool keep) {
    WaveletExtractionOptions options;
    options.lengthSeconds = *ParseNumber(a.length);
    options.taperFraction = *ParseNumber(a.taper) / 100.0;
    options.prewhiteningPercent = a.prewhitening ? *ParseNumber(*a.prewhitening) : 1.0;
    if (a.checkWindow) {
        options.checkWindow = ParseTimeWindow(*a.checkWindow);
    }
    WaveletReport report;
    report.method = MethodName(a);
    report.checkWindow = options.checkWindow;
    report.extraction = *a.method == "deterministic"
                            ? ExtractDeterministicWavelet(project, options)
                            : ExtractStatisticalWavelet(project, options, PhaseOf(a.phase));
    Project extracted = project;
    UseWaveletExtraction(extracted, report.extraction, report.method);
    if (a.out) {
        WriteWaveletFile(extracted, *a.out);
        report.fileWritten = a.out;
    }
    if (keep) {
        report.source = extracted.extractedWavelet->source;
        project = std::move(extracted);
    }
    return report;
}

void WarnOfCheckWindow(const WaveletReport& report, std::ostream& err) {
    const TieWindow& fitted = report.extraction.window;
    if (report.checkWindow && report.checkWindow->start < fitted.end &&
        report.checkWindow->end > fitted.start) {
        err << "tessarin-cli tie: warning: the check window overlaps the extraction window, "
               "where the wavelet was fitted: r there is no check of it\n";
    }
}

}  // namespace tessarin::cli
