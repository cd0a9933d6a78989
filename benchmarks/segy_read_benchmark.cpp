// Reading a trace from a survey-sized SEG-Y file: 500 000 traces (1000 inlines of 500
// crosslines) of 50 IEEE float samples. Opening the file and finding the last trace by inline and
// crossline must stay under 3 s; the header scan behind the summary is measured alongside.

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "files/segy_reader.h"

namespace {

constexpr int kInlines = 1000;
constexpr int kCrosslines = 500;
constexpr int kSamples = 50;

void PutBigEndian(unsigned char* at, std::uint32_t value, int size) {
    for (int k = 0; k < size; ++k) {
        at[k] = static_cast<unsigned char>(value >> (8 * (size - 1 - k)));
    }
}

std::string WriteSurveyFile() {
    const auto path = std::filesystem::temp_directory_path() / "tessarin-benchmark-500000.sgy";
    std::ofstream out(path, std::ios::binary);
    std::vector<unsigned char> headers(3600, 0);
    PutBigEndian(&headers[3216], 4000, 2);      // sample interval, microseconds
    PutBigEndian(&headers[3220], kSamples, 2);  // samples per trace
    PutBigEndian(&headers[3224], 5, 2);         // IEEE float
    out.write(reinterpret_cast<const char*>(headers.data()), 3600);
    std::vector<unsigned char> trace(240 + 4 * kSamples, 0);
    PutBigEndian(&trace[114], kSamples, 2);
    PutBigEndian(&trace[116], 4000, 2);
    for (int il = 1; il <= kInlines; ++il) {
        for (int xl = 1; xl <= kCrosslines; ++xl) {
            PutBigEndian(&trace[180], static_cast<std::uint32_t>(600000 + 25 * xl), 4);
            PutBigEndian(&trace[184], static_cast<std::uint32_t>(6000000 + 25 * il), 4);
            PutBigEndian(&trace[188], static_cast<std::uint32_t>(il), 4);
            PutBigEndian(&trace[192], static_cast<std::uint32_t>(xl), 4);
            out.write(reinterpret_cast<const char*>(trace.data()),
                      static_cast<std::streamsize>(trace.size()));
        }
    }
    return path.string();
}

// Written once for all the benchmarks, removed at the end (it takes 220 MB).
const std::string& SurveyFile() {
    static const struct File {
        std::string path = WriteSurveyFile();
        ~File() { std::filesystem::remove(path); }
    } file;
    return file.path;
}

void BM_OpenAndFindTraceByLines(benchmark::State& state) {
    const std::string& path = SurveyFile();
    for (auto _ : state) {
        const auto trace = tessarin::ReadSegyTrace(
            path, tessarin::SegyTraceChoice::AtLines(kInlines, kCrosslines));
        if (!trace || trace.value->traceNumber != kInlines * kCrosslines) {
            state.SkipWithError(trace.message.c_str());
            break;
        }
        benchmark::DoNotOptimize(trace.value->trace.values.data());
    }
}
BENCHMARK(BM_OpenAndFindTraceByLines)->Unit(benchmark::kMillisecond);

void BM_ScanHeaders(benchmark::State& state) {
    const std::string& path = SurveyFile();
    for (auto _ : state) {
        const auto summary = tessarin::ScanSegy(path);
        if (!summary || summary.value->lastInline != kInlines) {
            state.SkipWithError(summary.message.c_str());
            break;
        }
        benchmark::DoNotOptimize(summary.value->maxX);
    }
    state.SetItemsProcessed(state.iterations() * kInlines * kCrosslines);
}
BENCHMARK(BM_ScanHeaders)->Unit(benchmark::kMillisecond);

}  // namespace
