// Reading the trace at the well from a survey-sized 3D volume: a 10 GiB SEG-Y file of 1 721 250
// traces (1350 inlines of 1275 crosslines, sorted by inline, on a grid turned 30 degrees) of
// 1500 IEEE float samples. The file is written sparse: every trace header is written in full
// (inline, crossline, CDP X/Y and the coordinate scalar), the samples are left as holes, which
// read as zeros. Opening the file (its summary and geometry) and fetching a trace by inline and
// crossline, nearest the well, by number and as the blend of four must each stay under 1 s, and
// the memory they take must not grow with the file. Figures are given warm (the file in the page
// cache) and once cold (its pages dropped first) as counters of the Open benchmark. The reader
// keeps the geometries it found, so the warm figures after the first are those of a file whose
// geometry is known; Geometry measures finding it afresh.
//
// The file takes about 8 GB of disk (each header lands on a block of its own) in the temporary
// folder and is removed at the end; the benchmark is skipped when there is not room for it.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "files/segy_reader.h"

namespace {

using namespace tessarin;

constexpr int kInlines = 1350;
constexpr int kCrosslines = 1275;
constexpr int kSamples = 1500;
constexpr long long kTraceBytes = 240 + 4LL * kSamples;
constexpr long long kFileBytes = 3600 + kTraceBytes * kInlines * kCrosslines;
constexpr int kFirstInline = 1000;
constexpr int kFirstCrossline = 2000;

void PutBigEndian(unsigned char* at, std::uint32_t value, int size) {
    for (int k = 0; k < size; ++k) {
        at[k] = static_cast<unsigned char>(value >> (8 * (size - 1 - k)));
    }
}

// The CDP of inline index i and crossline index j: 25 m bins along a grid turned 30 degrees.
std::array<double, 2> Position(double i, double j) {
    const double c = std::cos(M_PI / 6);
    const double s = std::sin(M_PI / 6);
    return {605000 + 25 * (i * c - j * s), 6075000 + 25 * (i * s + j * c)};
}

long long MaxRssKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

struct VolumeFile {
    std::filesystem::path folder;
    std::string path;
    std::string skipped;
    double writeSeconds = 0;

    VolumeFile() {
        const std::filesystem::path temp = std::filesystem::temp_directory_path();
        std::error_code error;
        const auto space = std::filesystem::space(temp, error);
        if (error || space.available < 12'000'000'000ULL) {
            skipped = "fewer than 12 GB free in " + temp.string();
            return;
        }
        folder = temp / ("tessarin-volume-benchmark-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        path = (folder / "volume.sgy").string();
        const auto start = std::chrono::steady_clock::now();
        const int fd = ::open(path.c_str(), O_CREAT | O_TRUNC | O_WRONLY, 0600);
        if (fd < 0 || ::ftruncate(fd, kFileBytes) != 0) {
            skipped = "cannot write " + path;
            return;
        }
        std::vector<unsigned char> headers(3600, 0);
        PutBigEndian(&headers[3216], 4000, 2);      // sample interval, microseconds
        PutBigEndian(&headers[3220], kSamples, 2);  // samples per trace
        PutBigEndian(&headers[3224], 5, 2);         // IEEE float
        bool written = ::pwrite(fd, headers.data(), headers.size(), 0) == 3600;
        std::array<unsigned char, 240> trace{};
        PutBigEndian(&trace[70], static_cast<std::uint32_t>(-100), 2);  // coordinates / 100
        PutBigEndian(&trace[114], kSamples, 2);
        PutBigEndian(&trace[116], 4000, 2);
        long long offset = 3600;
        for (int i = 0; i < kInlines && written; ++i) {
            for (int j = 0; j < kCrosslines; ++j, offset += kTraceBytes) {
                const auto [x, y] = Position(i, j);
                PutBigEndian(&trace[180], static_cast<std::uint32_t>(std::lround(x * 100)), 4);
                PutBigEndian(&trace[184], static_cast<std::uint32_t>(std::lround(y * 100)), 4);
                PutBigEndian(&trace[188], static_cast<std::uint32_t>(kFirstInline + i), 4);
                PutBigEndian(&trace[192], static_cast<std::uint32_t>(kFirstCrossline + j), 4);
                written = written && ::pwrite(fd, trace.data(), trace.size(), offset) == 240;
            }
        }
        written = ::fsync(fd) == 0 && written;
        ::close(fd);
        if (!written) {
            skipped = "cannot write " + path;
            return;
        }
        writeSeconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::fprintf(stderr, "wrote %s: %lld bytes, %d traces, in %.1f s\n", path.c_str(),
                     kFileBytes, kInlines * kCrosslines, writeSeconds);
    }
    ~VolumeFile() {
        if (!folder.empty()) {
            std::error_code error;
            std::filesystem::remove_all(folder, error);
        }
    }

    // Drops the file's pages from the page cache, so that the next read goes to the disk.
    void DropCache() const {
        const int fd = ::open(path.c_str(), O_RDONLY);
        if (fd >= 0) {
            ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
            ::close(fd);
        }
    }
};

const VolumeFile& Volume() {
    static const VolumeFile file;
    return file;
}

// The well: between inlines 1675 and 1676 and crosslines 2637 and 2638, near the middle.
const std::array<double, 2> kWell = Position(675.3, 637.6);

bool Skip(benchmark::State& state) {
    if (!Volume().skipped.empty()) {
        state.SkipWithError(Volume().skipped.c_str());
        return true;
    }
    return false;
}

template <class Read>
double Seconds(Read&& read) {
    const auto start = std::chrono::steady_clock::now();
    read();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void Open(benchmark::State& state) {
    if (Skip(state)) {
        return;
    }
    const std::string& path = Volume().path;
    Volume().DropCache();
    const long long rssBefore = MaxRssKb();
    bool regular = false;
    const double coldOpen = Seconds([&] { regular = ScanSegy(path).value->geometry.has_value(); });
    Volume().DropCache();
    const double coldLines = Seconds([&] {
        benchmark::DoNotOptimize(ReadSegyTrace(path, SegyTraceChoice::AtLines(1700, 2700)));
    });
    Volume().DropCache();
    const double coldNearest = Seconds([&] {
        benchmark::DoNotOptimize(
            ReadSegyTrace(path, SegyTraceChoice::NearestTo(kWell[0], kWell[1])));
    });
    for (auto _ : state) {
        const auto summary = ScanSegy(path);
        if (!summary || !summary.value->geometry) {
            state.SkipWithError(summary ? "no geometry found" : summary.message.c_str());
            return;
        }
        benchmark::DoNotOptimize(summary);
    }
    state.counters["regular"] = regular;
    state.counters["cold_open_s"] = coldOpen;
    state.counters["cold_lines_s"] = coldLines;
    state.counters["cold_nearest_s"] = coldNearest;
    state.counters["write_s"] = Volume().writeSeconds;
    state.counters["rss_growth_kB"] = static_cast<double>(MaxRssKb() - rssBefore);
    state.counters["file_GiB"] = static_cast<double>(kFileBytes) / (1 << 30);
}
BENCHMARK(Open)->Unit(benchmark::kMillisecond)->Iterations(20);

// The geometry found afresh each time, as the first opening of a file (warm) finds it; the
// summary and the readings after it take it from the geometries kept.
void Geometry(benchmark::State& state) {
    if (Skip(state)) {
        return;
    }
    const long long rssBefore = MaxRssKb();
    for (auto _ : state) {
        const SegyFile file(Volume().path);
        const auto geometry = FindSegyGeometry(file, {}, TraceCoordinates::kCdp);
        if (!geometry) {
            state.SkipWithError("no geometry found");
            return;
        }
        benchmark::DoNotOptimize(geometry);
    }
    state.counters["rss_growth_kB"] = static_cast<double>(MaxRssKb() - rssBefore);
}
BENCHMARK(Geometry)->Unit(benchmark::kMillisecond)->Iterations(20);

void Fetch(benchmark::State& state, const SegyTraceChoice& choice) {
    if (Skip(state)) {
        return;
    }
    const long long rssBefore = MaxRssKb();
    const long long headersBefore = SegyFile::HeadersRead();
    long long reads = 0;
    for (auto _ : state) {
        const auto trace = ReadSegyTrace(Volume().path, choice);
        if (!trace) {
            state.SkipWithError(trace.message.c_str());
            return;
        }
        benchmark::DoNotOptimize(trace);
        ++reads;
    }
    state.counters["headers_per_read"] =
        static_cast<double>(SegyFile::HeadersRead() - headersBefore) /
        static_cast<double>(std::max(reads, 1LL));
    state.counters["rss_growth_kB"] = static_cast<double>(MaxRssKb() - rssBefore);
}

BENCHMARK_CAPTURE(Fetch, ByLines, SegyTraceChoice::AtLines(1700, 2700))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(50);
BENCHMARK_CAPTURE(Fetch, LastByLines, SegyTraceChoice::AtLines(2349, 3274))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(50);
BENCHMARK_CAPTURE(Fetch, ByNumber, SegyTraceChoice::Number(1'000'000))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(50);
BENCHMARK_CAPTURE(Fetch, Nearest, SegyTraceChoice::NearestTo(kWell[0], kWell[1]))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(50);
BENCHMARK_CAPTURE(Fetch, Interpolated, SegyTraceChoice::InterpolatedAt(kWell[0], kWell[1]))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(50);

}  // namespace
