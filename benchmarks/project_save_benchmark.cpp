// Saving a project: the text of the file, then writing it beside the old one, reading it back and
// comparing it with the record before it replaces the old file. Projects of 5000 samples (a
// long log at 2 ms) and of 32767 samples (the most a project holds), with a density column.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>

#include "files/project_file.h"
#include "files/project_file_check.h"

namespace {

tessarin::Project LargeProject(int lastSample) {
    tessarin::Project p;
    p.wellName = "Benchmark 1";
    p.kbElevation = tessarin::Value(1234.5);
    p.datumVelocity = tessarin::Value::Text("6000");
    p.timeScale = tessarin::Value::Text("5");
    p.impedanceType = tessarin::kSonicDensity;
    p.lastSampleIndex = static_cast<std::int16_t>(lastSample);
    for (int i = 0; i <= lastSample + 10; ++i) {
        p.timeDepth.push_back(1000.0 + 1.2345 * i);
        p.timeSonic.push_back(60.0 + (i * 7 % 113) * 0.91);
        p.timeDensity.push_back(2.1 + (i * 13 % 97) * 0.0071);
    }
    p.horizonCount = 3;
    for (int k = 1; k <= 3; ++k) {
        p.horizonNames[static_cast<std::size_t>(k)] = "Horizon " + std::to_string(k);
        p.horizonDepths[static_cast<std::size_t>(k)] = tessarin::Value(1000.0 + 500 * k);
    }
    return p;
}

std::filesystem::path BenchmarkFile() {
    return std::filesystem::temp_directory_path() / "tessarin-benchmark-save.tsp";
}

// The text alone, as the save made it before it checked what it wrote.
void BM_ProjectFileText(benchmark::State& state) {
    const tessarin::Project project = LargeProject(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::ostringstream text;
        tessarin::WriteProjectFile(project, text);
        benchmark::DoNotOptimize(text.str().data());
    }
}
BENCHMARK(BM_ProjectFileText)->Arg(5000)->Arg(32767)->Unit(benchmark::kMillisecond);

// The whole save: text, temporary file, read back and compare, rename.
void BM_SaveProjectWithReadBack(benchmark::State& state) {
    tessarin::Project project = LargeProject(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        tessarin::WriteProjectFile(project, BenchmarkFile());
    }
    std::filesystem::remove(BenchmarkFile());
}
BENCHMARK(BM_SaveProjectWithReadBack)->Arg(5000)->Arg(32767)->Unit(benchmark::kMillisecond);

// The read back and compare alone.
void BM_ProjectReadBackCheck(benchmark::State& state) {
    tessarin::Project project = LargeProject(static_cast<int>(state.range(0)));
    tessarin::WriteProjectFile(project, BenchmarkFile());
    for (auto _ : state) {
        tessarin::CheckProjectFileReadsBack(project, BenchmarkFile());
    }
    std::filesystem::remove(BenchmarkFile());
}
BENCHMARK(BM_ProjectReadBackCheck)->Arg(5000)->Arg(32767)->Unit(benchmark::kMillisecond);

}  // namespace
