// tessarin-cli tie --search on files written by segyio from the F03-4 well's synthetic: one trace
// holds it clean and 8 ms late, the others hold it under more noise the farther they lie from
// that one. The search must name that trace, in a volume and along a 2D line.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <random>

#include "cli/cli_runner.h"
#include "engine/synthetic.h"
#include "engine/synthetic_trace.h"
#include "engine/trace_value.h"
#include "files/open_project.h"
#include "model/settings.h"

namespace tessarin::test {
namespace {

const std::string kWell = std::string(TESSARIN_TEST_DATA_DIR) + "/f03_4_display.tsp";

// Each line of the text file: inline, crossline, then the samples at 4 ms.
constexpr const char* kWriter = R"(import sys, types, numpy as np, segyio
rows = np.loadtxt(sys.argv[2], ndmin=2)
n = rows.shape[1] - 2
spec = types.SimpleNamespace(iline=189, ilines=None, xline=193, xlines=None, offsets=[1],
                             ext_headers=0, sorting=None, format=5, endian="big",
                             samples=range(n), tracecount=len(rows))
with segyio.create(sys.argv[1], spec) as f:
    f.bin.update(hdt=4000, hns=n)
    for i, row in enumerate(rows):
        f.header[i] = {segyio.su.iline: int(row[0]), segyio.su.xline: int(row[1]),
                       segyio.su.dt: 4000, segyio.su.ns: n}
        f.trace[i] = row[2:].astype(np.float32)
)";

class TieSearchCommand : public CliTest {
protected:
    // Traces at the inlines and crosslines given, clean at `best`, each 8 ms late.
    void WriteSurvey(const std::string& name, const std::vector<std::pair<int, int>>& lines,
                     std::pair<int, int> best) {
        Project well;
        OpenProjectFile(well, MemorySettingsStore(), kWell);
        ASSERT_EQ(RecomputeSynthetic(well), std::nullopt);
        const SampledTrace synthetic = SyntheticTrace(well);
        double power = 0;
        for (const double v : synthetic.values) {
            power += v * v / static_cast<double>(synthetic.values.size());
        }
        std::mt19937 random(3);
        std::ofstream rows(Path("rows.txt"));
        for (const auto& [il, xl] : lines) {
            const double noise =
                std::sqrt(power) * (std::abs(il - best.first) + std::abs(xl - best.second));
            rows << il << " " << xl;
            for (int i = 0; i < 450; ++i) {
                const double v = TraceValueAt(synthetic, 0.004 * i - 0.008).value_or(0.0);
                rows << " " << v + noise * (random() / 4294967296.0 - 0.5);
            }
            rows << "\n";
        }
        rows.close();
        std::ofstream(Path("write.py")) << kWriter;
        const std::string write = "/usr/bin/python3 " + Quoted(Path("write.py")) + " " +
                                  Quoted(Path(name)) + " " + Quoted(Path("rows.txt"));
        ASSERT_EQ(std::system(write.c_str()), 0);
    }
    CliResult Search(const std::string& file, const std::string& options) {
        return RunCli("tie " + Quoted(kWell) + " --seismic " + Quoted(Path(file)) + " " + options);
    }
    // Runs a Python test of the JSON printed, `d` its search.
    int CheckJson(const std::string& json, const std::string& test) {
        std::ofstream(Path("out.json")) << json;
        const std::string check =
            "/usr/bin/python3 -c \"import json, sys; d = json.load(open(sys.argv[1]))['search']; "
            "c = d['cells']; sys.exit(not (" +
            test + "))\" " + Quoted(Path("out.json"));
        return std::system(check.c_str());
    }
};

TEST_F(TieSearchCommand, FindsTheCleanTraceOffTheChosenOneInAVolume) {
    std::vector<std::pair<int, int>> lines;
    for (int il = 10; il <= 14; ++il) {
        for (int xl = 20; xl <= 25; ++xl) {
            lines.emplace_back(il, xl);
        }
    }
    WriteSurvey("cube.sgy", lines, {13, 21});
    const CliResult text = Search("cube.sgy", "--inline 11 --crossline 23 --search 2");
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("Search:         within 2 inlines and crosslines: 20 traces in the "
                            "file\nBest trace:     inline 13, crossline 21 (+2 inlines, -2 "
                            "crosslines): r = "),
              std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find(" at +8.0 ms; chosen trace r = "), std::string::npos) << text.out;
    const CliResult json = Search("cube.sgy", "--inline 11 --crossline 23 --search 2 --json");
    ASSERT_EQ(json.status, 0) << json.err;
    // Inline 9 lies outside the survey; the best is the highest r of all, 8 ms late.
    EXPECT_EQ(
        CheckJson(json.out,
                  "len(c) == 20 and min(x['inline'] for x in c) == 10 and "
                  "d['best'] == max(c, key=lambda x: x['r']) and d['best']['trace'] == 20 "
                  "and (d['best']['inline_offset'], d['best']['crossline_offset']) == (2, -2) "
                  "and abs(d['best']['lag_ms'] - 8) < 0.3 and d['chosen']['r'] < 0.9 and "
                  "(d['chosen']['inline'], d['chosen']['crossline']) == (11, 23)"),
        0)
        << json.out;
}

TEST_F(TieSearchCommand, SearchesAlongA2DLineByTraceNumberAndRefusesATextTrace) {
    std::vector<std::pair<int, int>> lines;
    for (int cdp = 101; cdp <= 109; ++cdp) {
        lines.emplace_back(0, cdp);
    }
    WriteSurvey("line.sgy", lines, {0, 107});
    const CliResult json = Search("line.sgy", "--trace 4 --search 5 --json");
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(CheckJson(json.out,
                        "d['along_line'] and [x['trace'] for x in c] == list(range(1, 10)) and "
                        "d['best']['trace'] == 7 and d['best']['trace_offset'] == 3"),
              0)
        << json.out;
    std::ofstream(Path("trace.txt")) << "0 1\n0.004 -1\n0.008 2\n";
    const CliResult text = Search("trace.txt", "--search 3");
    EXPECT_EQ(text.status, 2);
    EXPECT_EQ(text.err,
              "tessarin-cli tie: --search needs a SEG-Y file: a text trace has no traces around "
              "it\n");
}

}  // namespace
}  // namespace tessarin::test
