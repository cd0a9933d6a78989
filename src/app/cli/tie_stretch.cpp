#include "cli/tie_stretch.h"

#include <charconv>
#include <cmath>

#include "cli/commands.h"
#include "cli/option_checks.h"
#include "engine/auto_stretch.h"
#include "engine/datum.h"
#include "engine/stretch.h"
#include "engine/stretch_measures.h"
#include "engine/synthetic.h"
#include "files/knee_file.h"
#include "import/stretch_survey.h"
#include "import/velocity_survey.h"
#include "model/error.h"
#include "model/numeric.h"

namespace tessarin::cli {
namespace {

CLI::Validator StrainCheck() {
    return ReasonCheck([](const std::string& text) {
        const auto n = ParseNumber(text);
        return n && *n > 0 && *n <= 1
                   ? std::string()
                   : "needs a number above 0 and at most 1, not \"" + text + "\"";
    });
}

StretchReport AutoStretchReport(const Project& project, const StretchArguments& a, double maxLag) {
    AutoStretchOptions options;
    options.warping.maxLag = maxLag;
    options.warping.maxStrain = *ParseNumber(a.maxStrain);
    options.kneeSpacing = *ParseNumber(a.kneeSpacing) / 1000.0;
    options.kneesAtHorizons = a.kneesAtHorizons;
    AutoStretchResult found = AutoStretch(project, options);
    StretchReport report;
    report.atHorizons = a.kneesAtHorizons;
    report.maxStrain = options.warping.maxStrain;
    report.kneeSpacingAsked = options.kneeSpacing;
    report.kneeSpacing = found.kneeSpacing;
    report.knees = std::move(found.knees);
    report.rBefore = found.rBefore;
    report.rAfter = found.rAfter;
    report.largestStrain = found.largestStrain;
    report.largestVelocityChange = found.largestVelocityChange;
    return report;
}

StretchReport FileStretchReport(const Project& project, const StretchArguments& a,
                                std::vector<StretchKnee> knees, double maxLag) {
    const StretchMeasures m = MeasureStretch(project, knees, maxLag);
    StretchReport report;
    report.kneeFile = a.kneeFile;
    report.knees = std::move(knees);
    report.rBefore = m.rBefore;
    report.rAfter = m.rAfter;
    report.largestStrain = m.largestStrain;
    report.largestVelocityChange = m.largestVelocityChange;
    return report;
}

// 7.5 as "7.5", 10 as "10".
std::string Shortest(double x) {
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, x).ptr);
}

}  // namespace

void AddStretchOptions(CLI::App& command, StretchArguments& a, CLI::Option* output) {
    const char* const kStretch = "Stretch and squeeze";
    CLI::Option* stretch =
        command
            .add_option("--stretch", a.stretch,
                        "Find a stretch by Auto Stretch: dynamic warping of the synthetic to the "
                        "seismic over the window, within the lags of --max-lag, turned into "
                        "knees. The knees, r in the window before and after, the largest strain "
                        "and the largest change of interval velocity are printed; a change above "
                        "the limit set in the tie window (10 % unless set) is warned of.")
            ->type_name("auto")
            ->check(OneOfCheck({"auto"}))
            ->group(kStretch);
    CLI::Option* strain =
        command
            .add_option("--max-strain", a.maxStrain,
                        "The largest strain |ds/dt| the warping's shift may have, above 0 and "
                        "at most 1.")
            ->type_name("X")
            ->capture_default_str()
            ->check(StrainCheck())
            ->group(kStretch);
    CLI::Option* spacing = command
                               .add_option("--knee-spacing", a.kneeSpacing,
                                           "Milliseconds between the knees down the window.")
                               ->type_name("MS")
                               ->capture_default_str()
                               ->check(PositiveNumberCheck())
                               ->group(kStretch);
    CLI::Option* horizons =
        command
            .add_flag("--knees-at-horizons", a.kneesAtHorizons,
                      "Knees at the project's horizons inside the window and at its ends, "
                      "instead of every --knee-spacing.")
            ->group(kStretch);
    CLI::Option* file =
        command
            .add_option("--knees", a.kneeFile,
                        "Take the knees from this text file instead: one a line, the time on the "
                        "synthetic (after the bulk shift) and the time it moves to, two-way "
                        "seconds; \"#\" begins a comment line.")
            ->type_name("FILE")
            ->group(kStretch);
    command
        .add_flag("--apply-stretch", a.apply,
                  "Make the knees the project's stretch, written with -o: the well's logs move "
                  "onto the new times, and the synthetic, depths, horizon times and exports "
                  "follow. Not with --apply-shift or --apply-phase.")
        ->needs(output)
        ->group(kStretch);
    command
        .add_option("--survey-out", a.surveyOut,
                    "Write the stretched time-depth relation as a velocity survey file, which "
                    "the import and the Velocity Survey dialog read. Needs --stretch or --knees; "
                    "with --apply-stretch, of the stretch applied.")
        ->type_name("FILE.vs")
        ->group(kStretch);
    for (CLI::Option* option : {strain, spacing, horizons}) {
        option->needs(stretch);
    }
    spacing->excludes(horizons);
    file->excludes(stretch);
}

void RefuseStretchCombinations(const StretchArguments& a, bool applyShift, bool applyPhase,
                               const std::vector<std::string>& otherFiles) {
    if (!a.Any()) {
        if (a.apply || a.surveyOut) {
            throw UsageError{std::string(a.apply ? "--apply-stretch" : "--survey-out") +
                             " needs knees: --stretch auto or --knees FILE"};
        }
        return;
    }
    if (applyShift || applyPhase) {
        throw UsageError{std::string(applyShift ? "--apply-shift" : "--apply-phase") +
                         " does not go with a stretch: the knees are found on the synthetic as "
                         "it stands, and the shift or phase would move it under them; apply "
                         "it first, then stretch in a second run"};
    }
    for (const std::string& other : otherFiles) {
        if (a.surveyOut && SameFile(*a.surveyOut, other)) {
            throw UsageError{"--survey-out would overwrite \"" + other + "\""};
        }
    }
}

std::vector<StretchKnee> ReadKnees(const StretchArguments& a) {
    if (!a.kneeFile) {
        return {};
    }
    ReadResult<std::vector<StretchKnee>> read = ReadKneeFile(*a.kneeFile);
    if (!read) {
        throw Error(read.message);
    }
    return std::move(*read.value);
}

StretchReport RunStretch(Project& project, const StretchArguments& a,
                         std::vector<StretchKnee> fileKnees, double maxLag, double velocityLimit) {
    StretchReport report = a.kneeFile ? FileStretchReport(project, a, std::move(fileKnees), maxLag)
                                      : AutoStretchReport(project, a, maxLag);
    report.velocityLimit = velocityLimit;
    if (!a.apply && !a.surveyOut) {
        return report;
    }
    Project stretched = project;
    SetStretch(stretched, report.knees);
    if (const std::optional<std::string> failure = RecomputeSynthetic(stretched)) {
        throw Error("the stretched synthetic cannot be computed: " + *failure);
    }
    ComputeStartTime(stretched);
    if (a.surveyOut) {
        WriteVelocitySurveyFile(*a.surveyOut, StretchSurvey(stretched));
        report.surveyWritten = *a.surveyOut;
    }
    if (a.apply) {
        project = std::move(stretched);
        report.applied = true;
    }
    return report;
}

void WarnOfVelocityChange(const StretchReport& report, std::ostream& err) {
    if (!(report.largestVelocityChange > report.velocityLimit)) {
        return;
    }
    for (const StretchInterval& interval : StretchIntervals(report.knees)) {
        if (std::fabs(interval.velocityChangePercent) == report.largestVelocityChange) {
            err << "tessarin-cli tie: warning: the stretch changes the interval velocity from "
                << FormatPattern(interval.upper.syntheticTime, "0.0000") << " to "
                << FormatPattern(interval.lower.syntheticTime, "0.0000") << " s by "
                << FormatPattern(interval.velocityChangePercent, "0.0") << " %, more than the "
                << Shortest(report.velocityLimit) << " % limit set in the tie window\n";
            return;
        }
    }
}

}  // namespace tessarin::cli
