// tessarin-cli tie --search on surveys written from the F03-4 well's synthetic, clean in one
// trace (segy_volume.h): the search must name that trace, in a volume and along a 2D line.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "cli/cli_runner.h"
#include "engine/synthetic.h"
#include "engine/synthetic_trace.h"
#include "files/open_project.h"
#include "model/settings.h"
#include "segy_volume.h"

namespace tessarin::test {
namespace {

const std::string kWell = std::string(TESSARIN_TEST_DATA_DIR) + "/f03_4_display.tsp";

class TieSearchCommand : public CliTest {
protected:
    void WriteSurvey(const std::string& name, const TraceLines& lines, std::pair<int, int> clean) {
        Project well;
        OpenProjectFile(well, MemorySettingsStore(), kWell);
        ASSERT_EQ(RecomputeSynthetic(well), std::nullopt);
        ASSERT_TRUE(WriteNoisySurvey(Path(name), SyntheticTrace(well), lines, clean));
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
    WriteSurvey("cube.sgy", VolumeLines(10, 14, 20, 25), {12, 21});
    const CliResult text = Search("cube.sgy", "--inline 10 --crossline 23 --search 2");
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("Search:         within 2 inlines and crosslines: 15 traces in the "
                            "file\nBest trace:     inline 12, crossline 21 (+2 inlines, -2 "
                            "crosslines): r = "),
              std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find(" at +8.0 ms; chosen trace r = "), std::string::npos) << text.out;
    const CliResult json = Search("cube.sgy", "--inline 10 --crossline 23 --search 2 --json");
    ASSERT_EQ(json.status, 0) << json.err;
    // Inlines 8 and 9 lie outside the survey; a trace on its first inline does not make it a 2D
    // line. The best is the highest r of all, 8 ms late.
    EXPECT_EQ(
        CheckJson(json.out,
                  "len(c) == 15 and min(x['inline'] for x in c) == 10 and "
                  "d['best'] == max(c, key=lambda x: x['r']) and d['best']['trace'] == 14 "
                  "and (d['best']['inline_offset'], d['best']['crossline_offset']) == (2, -2) "
                  "and abs(d['best']['lag_ms'] - 8) < 0.3 and d['chosen']['r'] < 0.9 and "
                  "(d['chosen']['inline'], d['chosen']['crossline']) == (10, 23)"),
        0)
        << json.out;
}

TEST_F(TieSearchCommand, SearchesAlongA2DLineByTraceNumberAndRefusesATextTrace) {
    WriteSurvey("line.sgy", VolumeLines(0, 0, 101, 109), {0, 107});
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
