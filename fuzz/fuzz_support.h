#pragma once

// Shared by the fuzz targets: a check that stops the run with its reason, temporary files of the
// run's own, and the depth-to-time conversion that follows every log reader.

#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "import/depth_log.h"
#include "import/depth_to_time.h"
#include "import/import_error.h"
#include "model/project.h"

namespace tessarin::fuzz {

// A fault found: libFuzzer keeps the input that caused it.
inline void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "fuzz check failed: %s\n", what);
        std::abort();
    }
}

inline std::string Text(const std::uint8_t* data, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

// A path of this process's own in memory (/dev/shm) where the machine has one, else in the
// temporary folder. A file on the disk that is truncated and written again thousands of times a
// second is flushed by the file system each time: that took more than half of every run of the
// LAS target, whose inputs are some kilobytes.
inline std::filesystem::path TempPath(const std::string& name) {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::is_directory("/dev/shm", error)
                                             ? std::filesystem::path("/dev/shm")
                                             : std::filesystem::temp_directory_path();
    return folder / ("tessarin-fuzz-" + std::to_string(::getpid()) + "-" + name);
}

inline void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<long>(bytes.size()));
}

inline bool AllFinite(const std::vector<double>& values, int last) {
    for (int i = 0; i <= last; ++i) {
        if (!std::isfinite(values[static_cast<std::size_t>(i)])) {
            return false;
        }
    }
    return true;
}

// The sonic steps of an import, then the same log carried on as a density: a result or the
// import's own error. The result must be a usable time log.
inline void ConvertToTime(DepthLog log, Project project = Project()) {
    NoProgress progress;
    if (log.decreasing) {
        SortDepthLog(log, progress);
    }
    DropRepeatedDepths(log);
    try {
        ConvertSonicToTime(log, project, progress);
    } catch (const ImportError&) {
        return;
    }
    const int n = project.lastSampleIndex;
    Require(n >= 1 && project.timeDepth.size() > static_cast<std::size_t>(n) &&
                project.timeSonic.size() > static_cast<std::size_t>(n),
            "the time arrays hold the samples");
    Require(AllFinite(project.timeDepth, n) && AllFinite(project.timeSonic, n),
            "time-sampled depths and sonic are numbers");
    for (int j = 1; j <= n; ++j) {
        Require(project.timeDepth[static_cast<std::size_t>(j)] >=
                    project.timeDepth[static_cast<std::size_t>(j - 1)],
                "time-sampled depths increase");
    }
    try {
        ResampleDensity(log, project, progress);
    } catch (const ImportError&) {
        return;
    }
    for (int j = 0; j <= n; ++j) {
        const double rho = project.timeDensity[static_cast<std::size_t>(j)];
        Require(std::isfinite(rho), "time-sampled densities are numbers");
    }
}

}  // namespace tessarin::fuzz
