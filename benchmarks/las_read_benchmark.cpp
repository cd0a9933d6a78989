// Reading a large LAS file: the header and one curve of a generated LAS 2.0 file of 100 000 data
// lines and 10 curves, from the disk, as the import does it.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "import/las_reader.h"

namespace {

constexpr int kDataLines = 100000;
constexpr int kCurves = 10;

std::string WriteLargeLasFile() {
    const auto path = std::filesystem::temp_directory_path() / "tessarin-benchmark-100000.las";
    std::ofstream out(path, std::ios::binary);
    out << "~VERSION INFORMATION\r\n"
           " VERS.   2.0 : CWLS LOG ASCII STANDARD - VERSION 2.0\r\n"
           " WRAP.   NO  : ONE LINE PER DEPTH STEP\r\n"
           "~WELL INFORMATION\r\n"
           " STRT.M    100.0000 : START DEPTH\r\n"
           " STOP.M  15099.8500 : STOP DEPTH\r\n"
           " STEP.M      0.1500 : STEP\r\n"
           " NULL.    -999.2500 : NULL VALUE\r\n"
           " COMP.    BENCHMARK : COMPANY\r\n"
           " WELL.    LARGE-1   : WELL\r\n"
           "~CURVE INFORMATION\r\n"
           " DEPT.M     : DEPTH\r\n";
    for (int c = 1; c < kCurves; ++c) {
        out << " C" << c << "  .UNIT  : CURVE " << c << "\r\n";
    }
    out << "~A\r\n";
    char line[256];
    for (int i = 0; i < kDataLines; ++i) {
        int n = std::snprintf(line, sizeof line, "%12.4f", 100.0 + 0.15 * i);
        for (int c = 1; c < kCurves; ++c) {
            const double value = i % 97 == 0 ? -999.25 : 300.0 + (i * 7 + c * 13) % 211 * 0.37;
            n += std::snprintf(line + n, sizeof line - static_cast<std::size_t>(n), " %11.4f",
                               value);
        }
        out << line << "\r\n";
    }
    return path.string();
}

void BM_ReadLasHeaderAndOneCurve(benchmark::State& state) {
    static const std::string path = WriteLargeLasFile();
    for (auto _ : state) {
        const tessarin::LasFile file = tessarin::LoadLasFile(path);
        const tessarin::LasHeader header = tessarin::ReadLasHeader(file);
        tessarin::NoProgress progress;
        const tessarin::LasCurve curve = tessarin::ReadLasCurve(
            file, header, {1, header.startDepth, header.stopDepth}, progress);
        if (header.dataLineCount != kDataLines || curve.log.Count() < kDataLines * 9 / 10) {
            state.SkipWithError("the generated file was not read whole");
        }
        benchmark::DoNotOptimize(curve.log.value.data());
    }
    state.SetItemsProcessed(state.iterations() * kDataLines);
}
BENCHMARK(BM_ReadLasHeaderAndOneCurve)->Unit(benchmark::kMillisecond);

}  // namespace
