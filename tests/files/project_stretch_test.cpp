// A stretched project: the well's times move with the knees and come back when they are cleared;
// the project file keeps the logs as imported with the knees beside them, and a damaged knee line
// costs only the stretch; the stretch kept as a velocity survey gives the same synthetic when the
// logs are imported again with it.

#include <gtest/gtest.h>

#include <cmath>

#include "core_test_support.h"
#include "engine/auto_stretch.h"
#include "engine/datum.h"
#include "engine/stretch.h"
#include "engine/synthetic.h"
#include "engine/synthetic_trace.h"
#include "engine/wavelet.h"
#include "files/knee_file.h"
#include "files/open_project.h"
#include "files/project_file.h"
#include "import/log_import.h"
#include "import/stretch_survey.h"
#include "model/settings.h"

namespace tessarin::test {
namespace {

// F03-4, computed, tied to its own synthetic.
Project TiedWell() {
    Project p;
    OpenProjectFile(p, MemorySettingsStore(), DataPath("f03_4_display.tsp"));
    EXPECT_EQ(RecomputeSynthetic(p), std::nullopt);
    p.tie = SeismicTie{};
    p.tie->trace = SyntheticTrace(p);
    return p;
}

Project Recomputed(Project p) {
    EXPECT_EQ(RecomputeSynthetic(p), std::nullopt);
    ComputeStartTime(p);
    return p;
}

// 0.8 to 1.2 s squeezed by 1 ms, stretched by 11 ms to 1.5 s, then 10 ms (five samples) later.
const std::vector<StretchKnee> kKnees = {{0.8, 0.8}, {1.2, 1.199}, {1.5, 1.51}};

TEST(ProjectStretch, MovesTheWellsTimesAndGivesThemBackWhenCleared) {
    const Project plain = Recomputed(TiedWell());
    Project p = plain;
    SetStretch(p, kKnees);
    EXPECT_TRUE(p.projectChanged);
    p = Recomputed(p);
    EXPECT_EQ(p.lastSampleIndex, plain.lastSampleIndex + 5);
    EXPECT_EQ(p.firstSampleTime, plain.firstSampleTime);
    for (int k = 1; k <= p.horizonCount; ++k) {
        const double before = plain.firstSampleTime + plain.horizonTimes[k];
        EXPECT_NEAR(p.firstSampleTime + p.horizonTimes[k], StretchedTime(kKnees, before), 1e-4)
            << p.horizonNames[k];
    }
    // The velocity between the knees changes as the intervals say; the wavelet is not stretched.
    const int j = static_cast<int>(std::round((1.35 - p.firstSampleTime) / 0.002));
    const double t = UnstretchedTime(kKnees, p.firstSampleTime + 0.002 * j);
    const int i = static_cast<int>(std::round((t - plain.firstSampleTime) / 0.002));
    EXPECT_NEAR(p.intervalVelocity[j] / plain.intervalVelocity[i], 0.3 / 0.311, 0.02);
    EXPECT_EQ(p.wavelet, plain.wavelet);
    const std::vector<KneeIntervalVelocity> intervals = KneeIntervalVelocities(p);
    ASSERT_EQ(intervals.size(), 2u);
    EXPECT_NEAR(intervals[1].top, 1.199, 1e-12);
    EXPECT_NEAR(intervals[1].after / intervals[1].before, 0.3 / 0.311, 1e-9);
    EXPECT_NEAR(intervals[0].after / intervals[0].before, 0.4 / 0.399, 1e-9);
    SetStretch(p, {kKnees[0], kKnees[1]});
    EXPECT_EQ(KneeIntervalVelocities(Recomputed(p)).size(), 1u);

    SetStretch(p, {});
    p = Recomputed(p);
    EXPECT_FALSE(p.unstretchedLogs);
    EXPECT_EQ(LogsOf(p), LogsOf(plain));
    EXPECT_EQ(p.syntheticTrace, plain.syntheticTrace);
}

TEST(ProjectStretchFile, KeepsTheImportedLogsAndTheKneesAndADamagedLineCostsOnlyTheStretch) {
    const TempDir dir;
    Project plain = Recomputed(TiedWell());
    WriteProjectFile(plain, dir.File("plain.tsp"));
    Project p = plain;
    SetStretch(p, kKnees);
    p = Recomputed(p);
    WriteProjectFile(p, dir.File("stretched.tsp"));
    const std::string text = ReadWholeFile(dir.File("stretched.tsp"));
    const std::string knees = "knees (s) = 0.8 0.8; 1.2 1.199; 1.5 1.51\r\n";
    std::string withoutKnees = text;
    withoutKnees.erase(text.find(knees), knees.size());
    EXPECT_EQ(withoutKnees, ReadWholeFile(dir.File("plain.tsp")));

    Project opened;
    EXPECT_EQ(OpenProjectFile(opened, MemorySettingsStore(), dir.File("stretched.tsp")).tieProblem,
              "");
    EXPECT_EQ(opened.tie->knees, kKnees);
    EXPECT_EQ(Recomputed(opened).syntheticTrace, p.syntheticTrace);

    const std::pair<const char*, const char*> damaged[] = {
        {"knees (s) = 0.8 0.8; 1.2",
         "its knee \"1.2\" is not a time on the synthetic and the "
         "time it moves to"},
        {"knees (s) = 0.8 0.8; 1.2 soon", "its knee time \"soon\" is not a number"},
        {"knees (s) = 0.8 0.9; 1.2 0.85",
         "the knees 0.8000 s to 0.9000 s and 1.2000 s to 0.8500 s cross: a later knee cannot "
         "move to or above an earlier one"},
    };
    for (const auto& [line, reason] : damaged) {
        std::string changed = text;
        changed.replace(text.find(knees), knees.size() - 2, line);
        WriteWholeFile(dir.File("damaged.tsp"), changed);
        Project back;
        EXPECT_EQ(OpenProjectFile(back, MemorySettingsStore(), dir.File("damaged.tsp")).tieProblem,
                  "The stretch stored in the project could not be read, so the project was "
                  "opened without it: " +
                      std::string(reason) + ".");
        ASSERT_TRUE(back.tie);
        EXPECT_TRUE(back.tie->knees.empty());
        EXPECT_EQ(back.tie->trace, p.tie->trace);
    }
}

// F03-4's sonic from its LAS file, 450 to 1900 m, with a bandpass wavelet.
ImportOptions F03Sonic() {
    ImportOptions o;
    o.information.measurementUnits = kMetric;
    o.sonic.path = DataPath("F03-4_logs.las");
    o.sonic.lasCurveMnemonic = "DT";
    o.sonic.lasStartDepth = 450;
    o.sonic.lasStopDepth = 1900;
    return o;
}

Project ImportedWith(Project p, const ImportOptions& options) {
    NoProgress quiet;
    ImportLogs(p, options, quiet);
    p.lowCut = Value(5), p.lowPass = Value(10), p.highPass = Value(50), p.highCut = Value(60);
    p.phaseDegrees = Value(0), p.waveletLength = Value(0.2);
    MakeBandpassWavelet(p);
    return Recomputed(p);
}

// The re-imported well must agree with the stretched one sample by sample, within the depth
// one sample spans, and trace for trace. The import calibrates exactly at the survey's points and
// splines the ratio of survey to sonic time between them, where the stretch is linear: with these
// sparse knees the two part by up to 0.8 of a sample midway.
void ExpectSameWell(const Project& again, const Project& stretched, const std::string& how) {
    ASSERT_NEAR(again.lastSampleIndex, stretched.lastSampleIndex, 1) << how;
    EXPECT_NEAR(again.firstSampleTime, stretched.firstSampleTime, 1e-4) << how;
    const int n = std::min(again.lastSampleIndex, stretched.lastSampleIndex);
    double cross = 0, a2 = 0, s2 = 0;
    for (int j = 0; j < n; ++j) {
        const double span = stretched.timeDepth[j + 1] - stretched.timeDepth[j];
        ASSERT_NEAR(again.timeDepth[j], stretched.timeDepth[j], span) << how << " sample " << j;
        cross += again.syntheticTrace[j] * stretched.syntheticTrace[j];
        a2 += again.syntheticTrace[j] * again.syntheticTrace[j];
        s2 += stretched.syntheticTrace[j] * stretched.syntheticTrace[j];
    }
    EXPECT_GT(cross / std::sqrt(a2 * s2), 0.9) << how;
}

TEST(AutoStretch, KneesEverySpacingAndAtTheBottomUnlessItIsWithinAQuarterSpacing) {
    Project p = TiedWell();
    // Cut to the synthetic's samples, the window ends at 1.348 s.
    p.tie->window = {TieWindowChoice::By::kTimes, 0.6, 1.35, "", ""};
    const auto times = [&](double spacing) {
        std::vector<double> t;
        for (const StretchKnee& knee :
             AutoStretch(p, {.warping = {}, .kneeSpacing = spacing}).knees) {
            EXPECT_NEAR(knee.Shift(), 0, 1e-4);  // tied to itself
            t.push_back(std::round(knee.syntheticTime * 1000) / 1000);
        }
        return t;
    };
    EXPECT_EQ(times(0.2), (std::vector<double>{0.6, 0.8, 1.0, 1.2, 1.348}));
    EXPECT_EQ(times(0.25), (std::vector<double>{0.6, 0.85, 1.1, 1.348}));
    EXPECT_EQ(times(0.24), (std::vector<double>{0.6, 0.84, 1.08, 1.32}));
    EXPECT_NE(ErrorOf([&] { AutoStretch(p, {.warping = {}, .kneeSpacing = 0}); }), "");
}

TEST(KneeFile, ReadsTwoTimesALineAndNamesTheLineOfAnythingElse) {
    const auto knees = ReadKneeText("# synthetic, new\n1.2, 1.206\n\n 0.8\t0.8\r\n", "k.txt");
    ASSERT_TRUE(knees) << knees.message;
    EXPECT_EQ(*knees.value, (std::vector<StretchKnee>{{0.8, 0.8}, {1.2, 1.206}}));
    for (const char* line : {"0.8 0.8 0.9", "0.8 late", "0.8"}) {
        const auto bad = ReadKneeText(std::string("1 1\n") + line + "\n", "k.txt");
        EXPECT_EQ(bad.message.find("The knee file \"k.txt\", line 2: two numbers"), 0u) << line;
    }
    EXPECT_FALSE(ReadKneeText("1 1\n0.9 1.1\n", "k.txt")) << "crossing knees";
}

TEST(StretchSurvey, AReimportWithTheStretchAsSurveyGivesTheStretchedSynthetic) {
    const TempDir dir;
    Project p = ImportedWith(FreshProject(), F03Sonic());
    p.tie = SeismicTie{};
    p.tie->trace = SyntheticTrace(p);
    p.tie->shiftSeconds = 0.004;
    SetStretch(p, {{0.5, 0.502}, {0.7, 0.71}, {1.0, 1.004}, {1.3, 1.325}});
    const Project stretched = Recomputed(p);

    const VelocitySurvey survey = StretchSurvey(stretched);
    ASSERT_EQ(survey.count, 6);
    EXPECT_EQ(survey.depths[1], 0);  // the top of the log, at a "Start of Log" datum
    EXPECT_NEAR(survey.times[1], stretched.firstSampleTime, 1e-12);
    WriteVelocitySurveyFile(dir.File("stretch.vs"), survey);

    Project used = stretched;
    UseStretchAsVelocitySurvey(used);
    EXPECT_TRUE(used.tie->knees.empty() && used.applyVelocitySurvey && used.projectChanged);
    EXPECT_EQ(used.velocitySurveyCount, 6);
    used = Recomputed(used);
    EXPECT_EQ(used.syntheticTrace, stretched.syntheticTrace);
    EXPECT_NEAR(used.firstSampleTime, stretched.firstSampleTime, 1e-12);

    ImportOptions again = F03Sonic();
    again.information.applyVelocitySurvey = true;
    ExpectSameWell(ImportedWith(used, again), stretched, "the project's survey");
    again.velocitySurvey = ReadVelocitySurveyFile(dir.File("stretch.vs"));
    Project fresh = FreshProject();
    fresh.tie = used.tie;
    ExpectSameWell(ImportedWith(fresh, again), stretched, "the survey file");

    Project unstretched = stretched;
    SetStretch(unstretched, {});
    EXPECT_EQ(ErrorOf([&] { StretchSurvey(unstretched); }),
              "The synthetic is not stretched: there is no stretch to keep as a survey.");
    // 18 knees along the log and its two ends fill a survey's 20 rows; one knee more is refused.
    std::vector<StretchKnee> many;
    for (int k = 0; k < 19; ++k) {
        many.push_back({0.1 + 0.05 * k, 0.1 + 0.05 * k});
    }
    SetStretch(unstretched, {many.begin(), many.end() - 1});
    EXPECT_EQ(StretchSurvey(Recomputed(unstretched)).count, 20);
    SetStretch(unstretched, many);
    EXPECT_NE(ErrorOf([&] { StretchSurvey(Recomputed(unstretched)); }), "");
}

}  // namespace
}  // namespace tessarin::test
