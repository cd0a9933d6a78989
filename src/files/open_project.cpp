#include "files/open_project.h"

#include <array>
#include <string>
#include <tuple>
#include <utility>

#include "engine/wavelet.h"
#include "files/project_file.h"
#include "model/error.h"
#include "model/pair_sort.h"
#include "model/reset.h"

namespace tessarin {
namespace {

// Half the hundredth to which a project file keeps the depth of each sample.
constexpr double kSavedSampleDepthTolerance = 0.005;

}  // namespace

void SortHorizonsByDepth(Project& project) {
    const int count = project.horizonCount;
    if (count < 2) {
        return;
    }
    // Sort the depths carrying each entry's number, then move names and depths together. At
    // equal depths "start of log" goes first and "end of log" last, so that a top at the very
    // start or end of the log stays inside the log ends. Other tops at one depth keep their order,
    // so that a project saved and opened again lists them as before.
    std::array<std::tuple<double, int, int>, kTableSize> depths{};
    std::array<int, kTableSize> entry{};
    for (int k = 1; k <= count; ++k) {
        const std::string& name = project.horizonNames[k];
        const int place = name == kStartOfLogName ? 0 : name == kEndOfLogName ? 2 : 1;
        depths[k] = {project.horizonDepths[k].Number(), place, k};
        entry[k] = k;
    }
    SortPairsByKey(count, depths, entry);
    const auto names = project.horizonNames;
    const auto values = project.horizonDepths;
    for (int k = 1; k <= count; ++k) {
        project.horizonNames[k] = names[entry[k]];
        project.horizonDepths[k] = values[entry[k]];
    }
}

OpenProjectReport OpenProjectFile(Project& project, const SettingsStore& store,
                                  const std::filesystem::path& path) {
    OpenProjectReport report;
    report.settingsProblems = ResetProject(project, store);
    project.projectFileName = path.string();
    ProjectFileProblems problems = ReadProjectFileParts(project, path);
    report.tieProblem = std::move(problems.tie);
    report.extractedWaveletProblem = std::move(problems.wavelet);
    project.wavelet = OffsetArray();
    if (project.sampleRateIndex < 0) {
        // The generators take the interval from the sample rate, so building here would quietly
        // put the logs on another time scale.
        report.waveletProblem = "The sample interval of " +
                                std::to_string(project.sampleIntervalUs) +
                                " microseconds is none of 2, 1 or 0.5 ms, so no wavelet was built.";
    } else {
        try {
            BuildWavelet(project);
        } catch (const Error& e) {
            project.wavelet = OffsetArray();
            report.waveletProblem = e.what();
        }
    }
    // The file keeps each sample's depth to a hundredth, so the log's ends come back up to half a
    // hundredth from where they were when the project was saved. A top saved at the very end of
    // the log must still be inside it.
    report.horizonsLeftOut = LeaveOutHorizonsOutsideLog(project, kSavedSampleDepthTolerance);
    SortHorizonsByDepth(project);
    project.projectChanged = false;
    return report;
}

std::string OpenProjectFailureMessage(const std::string& path, const std::string& failure) {
    // The reader's one-line text is "PATH: SENTENCE: cause."; the cause is taken out of it and
    // written as a sentence of its own.
    std::string sentence = kInvalidProjectFileMessage;
    sentence.pop_back();
    const std::string lead = path + ": " + sentence + ": ";
    std::string cause = failure.starts_with(lead) ? failure.substr(lead.size()) : failure;
    if (cause.starts_with("it ")) {
        cause.replace(0, 2, "The file");
    } else if (!cause.empty() && cause[0] >= 'a' && cause[0] <= 'z') {
        cause[0] = static_cast<char>(cause[0] - 'a' + 'A');
    }
    return std::string(kInvalidProjectFileMessage) + "\n\n" + path + "\n" + cause;
}

}  // namespace tessarin
