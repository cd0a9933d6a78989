// Our SEG-Y files as segyio, the widely used open reader, sees them. segyio assumes normalized
// IBM floats, so it reads the samples right only because they are written normalized.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "files/export_fixture.h"
#include "files/segy_export.h"

namespace tessarin::test {
namespace {

// Debian's python3-segyio; another python3 may come first on PATH.
constexpr const char* kPython = "/usr/bin/python3";

constexpr const char* kProbe = R"(import sys, segyio
with segyio.open(sys.argv[1], "r", ignore_geometry=True) as f:
    print("traces", f.tracecount)
    print("samples", len(f.samples))
    print("interval", f.bin[segyio.BinField.Interval])
    print("format", f.bin[segyio.BinField.Format])
    print("trace_samples", f.header[0][segyio.TraceField.TRACE_SAMPLE_COUNT])
    text = f.text[0].decode("ascii", "replace")
    print("card1", text[0:80].rstrip())
    print("card9", text[640:720].rstrip())
    for i in range(f.tracecount):
        print("trace%d" % i, " ".join(float(v).hex() for v in f.trace[i]))
)";

// What segyio reports, by keyword.
std::map<std::string, std::string> ReadWithSegyio(const TempDir& dir, const std::string& path) {
    const std::string script = dir.File("probe.py");
    std::ofstream(script) << kProbe;
    const std::string output = dir.File("probe.out");
    const std::string command =
        std::string(kPython) + " " + script + " " + path + " >" + output + " 2>&1";
    const int status = std::system(command.c_str());
    EXPECT_EQ(status, 0) << ReadWholeFile(output);
    std::map<std::string, std::string> report;
    std::istringstream lines(ReadWholeFile(output));
    for (std::string line; std::getline(lines, line);) {
        const auto blank = line.find(' ');
        report[line.substr(0, blank)] = blank == std::string::npos ? "" : line.substr(blank + 1);
    }
    return report;
}

std::vector<double> HexValues(const std::string& text) {
    std::vector<double> values;
    std::istringstream in(text);
    for (std::string word; in >> word;)
        values.push_back(std::strtod(word.c_str(), nullptr));
    return values;
}

// 300 samples of a damped wave, two of them beyond what 24 bits of N held before.
std::vector<double> Synthetic() {
    std::vector<double> s;
    for (int i = 0; i < 300; ++i)
        s.push_back(0.9 * std::sin(i * 0.37) * std::exp(-i / 200.0));
    s[100] = 20.0;
    s[101] = -17.25;
    return s;
}

void CheckFile(const Project& p, const std::string& path, double sign, const TempDir& dir) {
    auto report = ReadWithSegyio(dir, path);
    EXPECT_EQ(report["traces"], "4");
    EXPECT_EQ(report["samples"], "310");  // 10 zeros, then all 300 samples: 20 ms below
    EXPECT_EQ(report["interval"], "2000");
    EXPECT_EQ(report["format"], "1");
    EXPECT_EQ(report["trace_samples"], "310");
    EXPECT_EQ(report["card1"], "C1  Tessarin Synthetic Seismogram");
    EXPECT_EQ(report["card9"], sign > 0 ? "C9  Normal Polarity" : "C9  Reverse Polarity");
    for (int k = 0; k < 4; ++k) {
        const std::vector<double> values = HexValues(report["trace" + std::to_string(k)]);
        ASSERT_EQ(values.size(), 310u);
        for (int slot = 0; slot < 10; ++slot)
            EXPECT_EQ(values[slot], 0.0);
        for (int j = 0; j < 300; ++j) {
            const double v = sign * p.syntheticTrace[static_cast<std::size_t>(j)];
            const double n = std::floor(v * 1000000.0);
            ASSERT_EQ(values[10 + j], n / 256) << "trace " << k << " sample " << j;
            ASSERT_NEAR(values[10 + j], v * 3906.25, 1.0 / 256);
        }
    }
}

TEST(SegyWithSegyio, ReadsBothFilesAndEverySampleToTheLastBit) {
    TempDir dir;
    Project p = ComputedProject(Synthetic());
    p.firstSampleTime = 0.02;  // exactly 10 samples: t = 10, no fraction
    ExportSegyFile(p, Polarity::kNormal, 4, dir.File("wellnormal.sgy"));
    ExportSegyFile(p, Polarity::kReverse, 4, dir.File("wellreverse.sgy"));
    CheckFile(p, dir.File("wellnormal.sgy"), 1.0, dir);
    CheckFile(p, dir.File("wellreverse.sgy"), -1.0, dir);
}

TEST(SegyWithSegyio, ReadsATraceOf10000SamplesAtHalfAMillisecond) {
    TempDir dir;
    std::vector<double> s(10000);
    for (int i = 0; i < 10000; ++i)
        s[static_cast<std::size_t>(i)] = std::cos(i * 0.01);
    Project p = ComputedProject(s);
    p.sampleIntervalUs = 250;
    p.firstSampleTime = 0.0;
    ExportSegyFile(p, Polarity::kNormal, 2, dir.File("long.sgy"));
    auto report = ReadWithSegyio(dir, dir.File("long.sgy"));
    EXPECT_EQ(report["samples"], "10000");
    EXPECT_EQ(report["interval"], "500");
    const std::vector<double> values = HexValues(report["trace1"]);
    ASSERT_EQ(values.size(), 10000u);
    EXPECT_EQ(values[9999], std::floor(std::cos(99.99) * 1000000.0) / 256);
}

}  // namespace
}  // namespace tessarin::test
