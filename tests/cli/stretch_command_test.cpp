// tessarin-cli tie with a stretch, on a text trace made from the F03-4 well's own synthetic with
// its events moved by a known drift: Auto Stretch finds the drift; knees from a file are kept
// with -o, listed by info, followed by the export and written as a survey the import reads; and
// the refusals.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <random>
#include <sstream>
#include <tuple>

#include "cli/cli_runner.h"
#include "engine/datum.h"
#include "engine/stretch.h"
#include "engine/synthetic.h"
#include "engine/synthetic_trace.h"
#include "engine/trace_value.h"
#include "files/open_project.h"
#include "import/stretch_survey.h"
#include "import/velocity_survey.h"
#include "model/settings.h"

namespace tessarin::test {
namespace {

const std::string kWell = std::string(TESSARIN_TEST_DATA_DIR) + "/f03_4_display.tsp";

Project Opened(const std::string& path) {
    Project p;
    OpenProjectFile(p, MemorySettingsStore(), path);
    EXPECT_EQ(RecomputeSynthetic(p), std::nullopt);
    ComputeStartTime(p);
    return p;
}

// No bulk shift fits it: 0 at 0.4 s growing to 20 ms at 1.65 s, with a bump of 4 ms around 1 s.
double Drift(double t) {
    const double ramp = 0.020 * std::clamp((t - 0.4) / 1.25, 0.0, 1.0);
    return ramp + 0.004 * std::exp(-std::pow((t - 1.0) / 0.1, 2) / 2);
}

// The well's synthetic at 4 ms from 0 to 2 s, the event at t moved to t + Drift(t), with noise of
// a fifth of its RMS amplitude (one fixed draw).
std::string DriftedTrace() {
    const SampledTrace synthetic = SyntheticTrace(Opened(kWell));
    double power = 0;
    for (const double v : synthetic.values) {
        power += v * v / static_cast<double>(synthetic.values.size());
    }
    std::mt19937 random(11);
    std::ostringstream text;
    for (int k = 0; k < 500; ++k) {
        // Where the event now at 4k ms came from: two steps to the fixed point, within 0.1 ms.
        const double t = 0.004 * k - Drift(0.004 * k - Drift(0.004 * k));
        const double noise = (random() / 4294967296.0 - 0.5) * std::sqrt(12 * power) / 5;
        text << 0.004 * k << " " << TraceValueAt(synthetic, t).value_or(0.0) + noise << "\n";
    }
    return text.str();
}

// The knees the text report lists below its table's heading.
std::vector<StretchKnee> ReportedKnees(const std::string& out) {
    std::istringstream table(out.substr(out.find("above (%)\n") + 10));
    std::vector<StretchKnee> knees;
    for (std::string line; std::getline(table, line);) {
        std::istringstream(line) >> knees.emplace_back().syntheticTime >> knees.back().newTime;
    }
    return knees;
}

class StretchCommand : public CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        std::ofstream(Path("drift.txt")) << DriftedTrace();
    }
    CliResult Tie(const std::string& options) const {
        return RunCli("tie " + Quoted(kWell) + " --seismic " + Quoted(Path("drift.txt")) +
                      " --window 0.4:1.65 " + options);
    }
};

TEST_F(StretchCommand, AutoStretchFindsTheDriftEveryKneeSpacingOrAtTheHorizons) {
    const CliResult r = Tie("--stretch auto");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const std::size_t at = r.out.find("Stretch r:      ");
    ASSERT_NE(at, std::string::npos) << r.out;
    EXPECT_LT(std::stod(r.out.substr(at + 16)), 0.8);
    EXPECT_GT(std::stod(r.out.substr(r.out.find("before, ", at) + 8)), 0.95);
    EXPECT_NE(r.out.find("Auto Stretch, a knee every 100 ms, strain at most 0.05\n"),
              std::string::npos);
    EXPECT_LE(std::stod(r.out.substr(r.out.find("Largest strain: ") + 16)), 0.05);
    const std::vector<StretchKnee> knees = ReportedKnees(r.out);
    ASSERT_GE(knees.size(), 12u) << r.out;
    EXPECT_NEAR(knees[1].syntheticTime - knees[0].syntheticTime, 0.1, 1e-4);
    for (const StretchKnee& knee : knees) {  // the free ends of the warping aside
        if (knee.syntheticTime > 0.45 && knee.syntheticTime < 1.6) {
            EXPECT_NEAR(knee.Shift(), Drift(knee.syntheticTime), 0.001) << knee.syntheticTime;
        }
    }

    const Project well = Opened(kWell);
    std::string horizonTimes;
    for (int k = 1; k <= well.horizonCount; ++k) {
        horizonTimes += " " + std::to_string(well.firstSampleTime + well.horizonTimes[k]);
    }
    std::ofstream(Path("horizons.json")) << Tie("--stretch auto --knees-at-horizons --json").out;
    const std::string check =
        "/usr/bin/python3 -c \"import json, sys; s = json.load(open(sys.argv[1]))['stretch']; "
        "h = [float(x) for x in sys.argv[2:]]; k = [x['synthetic_time_s'] for x in s['knees']]; "
        "sys.exit(not (s['knees_at_horizons'] and s['knee_spacing_ms'] is None and "
        "s['r_after'] > 0.95 > s['r_before'] and len(k) > 3 and "
        "all(min(abs(t - x) for x in h) < 1e-4 for t in k[1:-1])))\" " +
        Quoted(Path("horizons.json")) + horizonTimes;
    EXPECT_EQ(std::system(check.c_str()), 0);
}

// The knees squeeze 0.8 to 1 s by 13 % of its velocity, more than the 10 % limit: warned of.
TEST_F(StretchCommand, KneesFromAFileAreKeptListedExportedAndWrittenAsASurvey) {
    const std::vector<StretchKnee> knees = {{0.8, 0.8}, {1.0, 1.03}, {1.5, 1.51}};
    std::ofstream(Path("knees.txt")) << "# picked by hand\n\n0.8 0.8\n1.5\t1.51\n1.0, 1.03\n";
    const CliResult r =
        Tie("--knees " + Quoted(Path("knees.txt")) + " --apply-stretch -o " +
            Quoted(Path("stretched.tsp")) + " --survey-out " + Quoted(Path("stretch.vs")));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err,
              "tessarin-cli tie: warning: the stretch changes the interval velocity from 0.8000 "
              "to 1.0000 s by -13.0 %, more than the 10 % limit set in the tie window\n");
    EXPECT_NE(r.out.find("Largest strain: 0.150\n"), std::string::npos) << r.out;
    EXPECT_EQ(ReportedKnees(r.out), knees);
    EXPECT_NE(RunCli("info " + Quoted(Path("stretched.tsp")))
                  .out.find("Stretch:          3 knees, largest shift 30 ms; synthetic time to "
                            "new time:\n  0.8 s to 0.8 s (0 ms)\n  1 s to 1.03 s (30 ms)\n"
                            "  1.5 s to 1.51 s (10 ms)\n"),
              std::string::npos);

    // Each row of the stretched export holds the well's depth at the row's time unstretched.
    ASSERT_EQ(RunCli("export " + Quoted(Path("stretched.tsp")) + " --dat " + Quoted(Path("w.dat")))
                  .status,
              0);
    const Project plain = Opened(kWell);
    const double dt = 2e-6 * plain.sampleIntervalUs;
    std::istringstream text(ReadFile(Path("w.dat")));
    int rows = 0;
    for (std::string line, uwi; std::getline(text, line);) {
        double logTime, time, depth;  // the header lines hold no such numbers
        if (std::istringstream(line) >> uwi >> logTime >> time >> depth) {
            const double u = (UnstretchedTime(knees, time) - plain.firstSampleTime) / dt;
            const auto i = static_cast<std::size_t>(u);
            const auto& d = plain.timeDepth;
            if (u >= 0 && u < plain.lastSampleIndex) {
                ASSERT_NEAR(depth, d[i] + (u - i) * (d[i + 1] - d[i]), 0.15) << time;
            }
            ++rows;
        }
    }
    EXPECT_EQ(rows, Opened(Path("stretched.tsp")).lastSampleIndex + 1);

    // The survey as the import reads it: the log's top and bottom and the three knees.
    EXPECT_EQ(ReadVelocitySurveyFile(Path("stretch.vs")).count, 5);
    EXPECT_EQ(ReadFile(Path("stretch.vs")),
              VelocitySurveyFileText(StretchSurvey(Opened(Path("stretched.tsp")))));
}

// Damaged knee files fail (1), options that cannot work are refused (2); one line each.
TEST_F(StretchCommand, RefusesWhatCannotWork) {
    std::ofstream(Path("bad.txt")) << "0.8 0.8\n1.2 soon\n";
    std::ofstream(Path("cross.txt")) << "0.8 0.9\n1.2 0.85\n";
    const std::string bad = Quoted(Path("bad.txt")), out = " -o " + Quoted(Path("out.tsp"));
    const std::tuple<std::string, int, std::string> refused[] = {
        {"--knees " + bad, 1,
         "The knee file " + bad +
             ", line 2: two numbers are expected, the time on the synthetic and the time it "
             "moves to, in seconds."},
        {"--knees " + Quoted(Path("cross.txt")), 1,
         "cross.txt\": the knees 0.8000 s to 0.9000 s and 1.2000 s to 0.8500 s cross: a later "
         "knee cannot move to or above an earlier one."},
        {"--stretch auto --apply-shift" + out, 2, "--apply-shift does not go with a stretch"},
        {"--knees " + bad + " --apply-phase" + out, 2, "--apply-phase does not go with a stretch"},
        {"--stretch auto --apply-stretch", 2, "--apply-stretch requires -o"},
        {"--apply-stretch" + out, 2, "--apply-stretch needs knees: --stretch auto or --knees FILE"},
        {"--stretch auto --survey-out " + Quoted(Path("drift.txt")), 2,
         "--survey-out would overwrite"},
        {"--stretch auto --knees " + bad, 2, "--stretch excludes --knees"},
        {"--stretch auto --knee-spacing 50 --knees-at-horizons", 2, "excludes --knees-at-horizons"},
        {"--stretch auto --max-strain 0", 2, "--max-strain: needs a number above 0 and at most 1"},
        {"--stretch manual", 2, "--stretch: must be auto, not \"manual\""},
    };
    const int files = FileCount();
    for (const auto& [options, status, reason] : refused) {
        const CliResult r = Tie(options);
        EXPECT_EQ(r.status, status) << options;
        EXPECT_EQ(r.err.rfind("tessarin-cli tie: ", 0), 0u) << r.err;
        EXPECT_NE(r.err.find(reason + (status == 1 ? "\n" : "")), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
    }
    EXPECT_EQ(FileCount(), files);
}

}  // namespace
}  // namespace tessarin::test
