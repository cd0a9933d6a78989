#include "import/log_import.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/datum.h"
#include "import/depth_to_time.h"
#include "import/import_error.h"
#include "import/las_reader.h"
#include "import/plain_log.h"
#include "model/numeric.h"
#include "model/pair_sort.h"

namespace tessarin {
namespace {

constexpr double kMetresPerFoot = 0.3048;

// Shows the progress window for one import routine and hides it however the routine ends.
class ProgressWindow {
public:
    ProgressWindow(ImportProgress& progress, const std::string& caption, const std::string& path)
        : progress_(progress) {
        progress_.Begin(caption, path);
    }
    ~ProgressWindow() { progress_.End(); }
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;

private:
    ImportProgress& progress_;
};

// A LAS file whose depths fall is reversed; any log in which a depth still falls is sorted.
void BringIntoDepthOrder(DepthLog& log, bool lasFile, ImportProgress& progress) {
    if (!log.decreasing) {
        return;
    }
    if (lasFile && log.depth.front() > log.depth.back()) {
        ReverseDepthLog(log, progress);
    }
    if (!IsIncreasing(log)) {
        SortDepthLog(log, progress);
    }
}

int ChosenCurve(const LasHeader& header, const LogFileChoice& file) {
    if (!file.lasCurveMnemonic) {
        return file.lasCurveIndex;
    }
    const auto index = FindLasCurve(header, *file.lasCurveMnemonic);
    if (!index) {
        throw ImportError(
            "The LAS file \"" + file.path + "\" has no curve \"" + *file.lasCurveMnemonic + "\".",
            "");
    }
    return *index;
}

}  // namespace

std::string ProjectFileNameFor(std::string_view logPath) {
    std::string name(logPath);
    const std::size_t n = name.size();
    if (n >= 3 && name[n - 3] == '.') {
        return name.substr(0, n - 2) + "tsp";
    }
    if (n >= 4 && name[n - 4] == '.') {
        return name.substr(0, n - 3) + "tsp";
    }
    return name;
}

LogImport::LogImport(const Project& project) : working_(project) {
    working_.dialogCancelled = false;
}

void LogImport::SetSyntheticInformation(const SyntheticInformationValues& choices) {
    ApplySyntheticInformationValues(working_, choices);
}

void LogImport::SetVelocitySurvey(const VelocitySurvey& survey) {
    tessarin::SetVelocitySurvey(working_, survey);
    working_.projectChanged = true;
}

void LogImport::SetWellOverrides(const WellOverrides& overrides) {
    overrides_ = overrides;
    ApplyOverrides();
}

void LogImport::ApplyOverrides() {
    if (overrides_.wellName) {
        working_.wellName = *overrides_.wellName;
    }
    if (overrides_.kbElevation) {
        working_.kbElevation = *overrides_.kbElevation;
    }
    if (overrides_.glElevation) {
        working_.glElevation = *overrides_.glElevation;
    }
}

DepthLog LogImport::ReadInOrder(const LogFileChoice& file, ImportProgress& progress) {
    const bool lasFile = IsLasPath(file.path);
    DepthLog log;
    curvePerFoot_ = false;
    if (lasFile) {
        const LasFile las = LoadLasFile(file.path);
        const LasHeader header = ReadLasHeader(las);
        LasCurveChoice choice;
        choice.curveIndex = ChosenCurve(header, file);
        choice.startDepth =
            file.lasStartDepth.value_or(std::min(header.startDepth, header.stopDepth));
        choice.stopDepth =
            file.lasStopDepth.value_or(std::max(header.startDepth, header.stopDepth));
        LasCurve curve = ReadLasCurve(las, header, choice, progress);
        curvePerFoot_ = LasCurveIsPerFoot(header, choice.curveIndex);
        ApplyLasWellItems(curve.wellItems, working_);
        ApplyOverrides();
        log = std::move(curve.log);
    } else {
        log = ReadPlainLog(file.path, progress);
        if (file.lasStartDepth || file.lasStopDepth) {
            KeepDepthRange(log, file.lasStartDepth.value_or(-HUGE_VAL),
                           file.lasStopDepth.value_or(HUGE_VAL));
        }
    }
    BringIntoDepthOrder(log, lasFile, progress);
    DropRepeatedDepths(log);
    return log;
}

void LogImport::ImportSonic(const LogFileChoice& file, ImportProgress& progress) {
    working_.synthDisplayed = false;
    working_.projectFileName = ProjectFileNameFor(file.path);
    working_.sampleIntervalUs = SampleIntervalForRate(working_.sampleRateIndex);
    ProgressWindow window(progress, "Import Sonic Log", file.path);
    progress.Step("Reading sonic log");
    DepthLog sonic = ReadInOrder(file, progress);
    // A LAS sonic that names its unit per foot is read so in a metric project, ticked or not: the
    // box starts unticked on every import, and a sonic per foot read per metre gives velocities
    // three times too high without a word.
    if (curvePerFoot_ && working_.measurementUnits == kMetric) {
        working_.sonicInMicrosecondsPerFoot = true;
    }
    if (working_.sonicInMicrosecondsPerFoot) {
        for (double& v : sonic.value) {
            v /= kMetresPerFoot;
        }
    }
    ConvertSonicToTime(sonic, working_, progress);
}

void LogImport::ImportDensity(const LogFileChoice& file, ImportProgress& progress) {
    working_.synthDisplayed = false;
    if (working_.gardnerFromDensity) {
        working_.projectFileName = ProjectFileNameFor(file.path);
        working_.sampleIntervalUs = SampleIntervalForRate(working_.sampleRateIndex);
    }
    ProgressWindow window(progress, "Import Density Log", file.path);
    progress.Step("Reading density log");
    const DepthLog density = ReadInOrder(file, progress);
    if (working_.gardnerFromDensity) {
        // The Gardner sonic is in the project's own units already: the microseconds-per-foot
        // choice concerns sonic files only.
        ConvertSonicToTime(GardnerSonic(density, working_.gardnerCoefficient), working_, progress);
    }
    ResampleDensity(density, working_, progress);
}

std::vector<HorizonEntry> LogImport::Commit(Project& project) {
    working_.synthDisplayed = false;
    working_.wavelet = OffsetArray();
    // The logs just imported are the ones a stretch is applied to at the next recompute.
    working_.unstretchedLogs.reset();
    std::vector<HorizonEntry> leftOut = RebuildHorizonTable(working_);
    ApplyStartOfLogDatum(working_);
    project = std::move(working_);
    return leftOut;
}

std::vector<HorizonEntry> ImportLogs(Project& project, const ImportOptions& options,
                                     ImportProgress& progress) {
    LogImport import(project);
    import.SetWellOverrides(options.wellOverrides);
    import.SetSyntheticInformation(options.information);
    const Project& working = import.Working();
    if (working.applyVelocitySurvey && options.velocitySurvey) {
        import.SetVelocitySurvey(*options.velocitySurvey);
    }
    if (!working.gardnerFromDensity) {
        import.ImportSonic(options.sonic, progress);
        if (working.impedanceType == kSonicDensity) {
            import.ImportDensity(options.density, progress);
        }
    } else {
        import.ImportDensity(options.density, progress);
    }
    return import.Commit(project);
}

std::vector<HorizonEntry> RebuildHorizonTable(Project& p) {
    std::vector<double> depths;
    std::vector<std::string> names;
    for (std::size_t k = 1; k <= 20; ++k) {
        if (!p.horizonDepths[k].IsEmpty()) {
            depths.push_back(p.horizonDepths[k].Number());
            names.push_back(p.horizonNames[k]);
        }
    }
    OneBased<double> keys(depths);
    OneBased<std::string> carried(names);
    SortPairsByKey(static_cast<int>(depths.size()), keys, carried);

    p.horizonNames.fill("");
    p.horizonDepths.fill(Value());
    const double lastDepth = p.timeDepth[static_cast<std::size_t>(p.lastSampleIndex)];
    int count = 0;
    std::vector<HorizonEntry> leftOut;
    for (std::size_t i = 0; i < depths.size(); ++i) {
        if (IntFloor(depths[i]) > lastDepth) {
            leftOut.push_back({names[i], Value(depths[i])});  // below the end of the log
            continue;
        }
        ++count;
        p.horizonNames[static_cast<std::size_t>(count)] = names[i];
        p.horizonDepths[static_cast<std::size_t>(count)] = Value(depths[i]);
    }
    p.horizonCount = count;
    return leftOut;
}

}  // namespace tessarin
