// Exporting a 10 000-sample synthetic: both SEG-Y files of 100 traces each and the text file,
// written to disk as the Export commands write them. Target: under 0.2 s together.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>

#include "files/segy_export.h"
#include "files/text_export.h"
#include "model/project.h"

namespace {

tessarin::Project TenThousandSamples() {
    tessarin::Project p;
    p.wellName = "Benchmark 1";
    p.wellLocation = {"Kern", "California", "12", "29S", "21E", "0402912345"};
    p.kbElevation = 1234.5;
    p.datumElevation = 1000;
    p.datumVelocity = 7000;
    p.lowCut = 5;
    p.lowPass = 15;
    p.highPass = 40;
    p.highCut = 60;
    p.phaseDegrees = 0;
    p.waveletLength = 0.16;
    p.sampleIntervalUs = 250;
    p.impedanceType = tessarin::kSonicDensity;
    p.firstSampleTime = 0.0123;  // a fraction of a sample below the datum
    const int n = 9999;
    p.lastSampleIndex = n;
    p.reflectionCoefficients = tessarin::OffsetArray(-80, n + 90);
    for (int i = 0; i <= n; ++i) {
        p.timeDepth.push_back(3000.0 + 0.9 * i);
        p.intervalVelocity.push_back(9000.0 + 3000.0 * std::sin(i * 0.001));
        p.timeDensity.push_back(2.3 + 0.2 * std::cos(i * 0.002));
        p.reflectionCoefficients[i] = 0.05 * std::sin(i * 0.7);
        p.syntheticTrace.push_back(0.8 * std::sin(i * 0.05) * std::cos(i * 0.0031));
    }
    return p;
}

void BM_ExportSegyPairAndText(benchmark::State& state) {
    tessarin::Project project = TenThousandSamples();
    const auto dir = std::filesystem::temp_directory_path() /
                     ("tessarin-export-benchmark-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    for (auto _ : state) {
        tessarin::ExportSegyFile(project, tessarin::Polarity::kNormal, 100,
                                 (dir / "wellnormal.sgy").string());
        tessarin::ExportSegyFile(project, tessarin::Polarity::kReverse, 100,
                                 (dir / "wellreverse.sgy").string());
        tessarin::ExportTextFile(project, (dir / "well.dat").string());
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_ExportSegyPairAndText)->Unit(benchmark::kMillisecond);

}  // namespace
