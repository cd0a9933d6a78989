// Open Project on any bytes: the record is read, the wavelet built and the horizons sorted, or
// the project file's own error is given, never a crash, a sanitizer report or a hang. A seismic
// tie block after the log rows is read with a usable trace or left out with its reason; a damaged
// stretch line drops the stretch alone.

#include <cstdint>

#include "files/open_project.h"
#include "files/project_file.h"
#include "fuzz_support.h"
#include "model/error.h"
#include "model/settings.h"

using namespace tessarin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto path = fuzz::TempPath("open.tsp");
    fuzz::WriteFile(path, fuzz::Text(data, size));
    Project project;
    MemorySettingsStore store;
    OpenProjectReport report;
    try {
        report = OpenProjectFile(project, store, path);
    } catch (const Error& e) {
        // "PATH: This is not a valid Tessarin project file: " and the cause.
        std::string_view expected = kInvalidProjectFileMessage;
        expected.remove_suffix(1);
        fuzz::Require(std::string_view(e.what()).starts_with(path.string() + ": " +
                                                             std::string(expected) + ": "),
                      "a file that cannot be read gives the project file's message and cause");
        return 0;
    }
    const auto n = static_cast<std::size_t>(project.lastSampleIndex);
    fuzz::Require(project.lastSampleIndex >= 0 && project.timeDepth.size() > n &&
                      project.timeSonic.size() > n && project.timeDensity.size() > n,
                  "the logs hold their samples");
    // A seismic tie block is read whole, with a trace the tie can use, or left out with a reason.
    // A damaged stretch line is the one problem a kept tie may come with: it is kept without knees.
    fuzz::Require(!project.tie || report.tieProblem.empty() || project.tie->knees.empty(),
                  "a tie left out is not kept, and a damaged stretch is dropped");
    if (project.tie) {
        const SampledTrace& trace = project.tie->trace;
        fuzz::Require(!trace.values.empty() && trace.interval > 0 &&
                          std::isfinite(trace.firstTime) &&
                          std::isfinite(project.tie->shiftSeconds) &&
                          fuzz::AllFinite(trace.values, static_cast<int>(trace.values.size()) - 1),
                      "a tie read has a usable trace");
    }
    return 0;
}
