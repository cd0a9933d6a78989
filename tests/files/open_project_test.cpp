#include "files/open_project.h"

#include <gtest/gtest.h>

#include "files/export_fixture.h"
#include "files/project_file.h"
#include "model/error.h"
#include "model/reset.h"

namespace tessarin::test {
namespace {

const std::string kRanch = TestData("ranch_7_22.tsp");

// The ranch project with one edit, saved where the test can open it.
std::string EditedRanch(const TempDir& dir, const std::string& from, const std::string& to) {
    std::string text = ReadWholeFile(kRanch);
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    WriteWholeFile(dir.File("edited.tsp"), text.replace(at, from.size(), to));
    return dir.File("edited.tsp");
}

// A project with something in every part, as if another well had been worked on.
Project ProjectInUse() {
    Project p;
    ResetProject(p, MemorySettingsStore());
    p.wellName = "Previous well";
    p.lastSampleIndex = 30;
    p.timeDepth.assign(41, 5.0);
    p.horizonCount = 6;
    p.horizonNames[5] = "old horizon";
    p.velocitySurveyCount = 9;
    p.velocitySurveyTimes[9] = 1.5;
    p.wavelet = OffsetArray(-3, 4);
    p.projectChanged = true;
    p.synthDisplayed = true;
    return p;
}

TEST(OpenProject, ReadsTheFileBuildsTheWaveletAndClearsProjectChanged) {
    Project p = ProjectInUse();
    const OpenProjectReport report = OpenProjectFile(p, MemorySettingsStore(), kRanch);
    EXPECT_TRUE(report.settingsProblems.empty());
    EXPECT_EQ(report.waveletProblem, "");
    EXPECT_EQ(p.projectFileName, kRanch);
    EXPECT_FALSE(p.projectChanged);
    EXPECT_EQ(p.wellName, "Ranch 7-22, Sec. 22");
    EXPECT_EQ(p.lastSampleIndex, 4);
    EXPECT_EQ(p.gardnerCoefficient, 357.3458);
    // Nothing of the previous project is left.
    EXPECT_EQ(p.horizonCount, 4);
    EXPECT_EQ(p.horizonNames[5], "");
    EXPECT_EQ(p.velocitySurveyCount, 3);
    EXPECT_EQ(p.velocitySurveyTimes[9], 0.0);
    EXPECT_EQ(p.timeDepth.size(), 15u);

    // 0.16 s at 2 ms: h = 250 x 0.16 x 1000 / 1000 = 40, so samples -40 to 41. A zero-phase
    // bandpass wavelet peaks at time 0 with 1, and the extra sample stays 0.
    ASSERT_EQ(p.wavelet.First(), -40);
    ASSERT_EQ(p.wavelet.Last(), 41);
    EXPECT_NEAR(p.wavelet[0], 1.0, 1e-12);
    EXPECT_EQ(p.wavelet[41], 0.0);
    EXPECT_NEAR(p.wavelet[-7], p.wavelet[7], 1e-12);
}

TEST(OpenProject, AppliesTheSavedSettingsTheFileDoesNotHold) {
    MemorySettingsStore store;
    store.Write("font", "Courier New");
    store.Write("Timing Lines", "bad");
    Project p = ProjectInUse();
    const OpenProjectReport report = OpenProjectFile(p, store, kRanch);
    EXPECT_EQ(p.plotFontName, "Courier New");
    ASSERT_EQ(report.settingsProblems.size(), 1u);
    EXPECT_EQ(report.settingsProblems[0].key, "Timing Lines");
}

TEST(OpenProject, SortsTheHorizonsByDepthWithTheirNames) {
    // A hand-edited file whose horizons are out of order.
    TempDir dir;
    Project p;
    OpenProjectFile(p, MemorySettingsStore(),
                    EditedRanch(dir, "start of log\r\n .5 \r\nTop Reef, upper\r\n 6.1 \r\n",
                                "Top Reef, upper\r\n 6.1 \r\nstart of log\r\n .5 \r\n"));
    EXPECT_EQ(p.horizonNames[1], "start of log");
    EXPECT_EQ(p.horizonDepths[1], Value(0.5));
    EXPECT_EQ(p.horizonNames[2], "Top Reef, upper");
    EXPECT_EQ(p.horizonDepths[2], Value(6.1));
    EXPECT_EQ(p.horizonNames[4], "end of log");
}

TEST(OpenProject, LeavesOutAndReportsTheHorizonsOutsideTheLog) {
    // The log runs from .5 to 11.5 ft; a kelly bushing top above it and a basement below.
    TempDir dir;
    Project p;
    const OpenProjectReport report = OpenProjectFile(
        p, MemorySettingsStore(),
        EditedRanch(dir, " 4 \r\nstart of log\r\n .5 \r\n",
                    " 6 \r\nBasement\r\n 12 \r\nKelly\r\n 0 \r\nstart of log\r\n .5 \r\n"));
    EXPECT_EQ(report.horizonsLeftOut,
              (std::vector<HorizonEntry>{{"Basement", Value(12)}, {"Kelly", Value(0)}}));
    ASSERT_EQ(p.horizonCount, 4);
    EXPECT_EQ(p.horizonNames[1], "start of log");
    EXPECT_EQ(p.horizonNames[2], "Top Reef, upper");
    EXPECT_EQ(p.horizonNames[4], "end of log");
    EXPECT_EQ(p.horizonNames[5], "");

    // A table inside the log reports nothing.
    EXPECT_TRUE(OpenProjectFile(p, MemorySettingsStore(), kRanch).horizonsLeftOut.empty());
}

TEST(OpenProject, KeepsATopSavedAtTheVeryEndOfTheLog) {
    // The file keeps sample depths to a hundredth: an end of log at 11.504 ft comes back as 11.5,
    // and a top saved at 11.504 must not then be judged below the log. One further down is.
    TempDir dir;
    Project p;
    OpenProjectFile(p, MemorySettingsStore(), kRanch);
    p.timeDepth[static_cast<std::size_t>(p.lastSampleIndex)] = 11.504;
    p.horizonCount = 5;
    p.horizonNames[4] = "Top at the end";
    p.horizonDepths[4] = Value(11.504);
    p.horizonNames[5] = "end of log";
    p.horizonDepths[5] = Value(11.504);
    WriteProjectFile(p, dir.File("end.tsp"));

    Project reopened;
    EXPECT_TRUE(OpenProjectFile(reopened, MemorySettingsStore(), dir.File("end.tsp"))
                    .horizonsLeftOut.empty());
    EXPECT_EQ(reopened.horizonCount, 5);
    EXPECT_EQ(reopened.horizonNames[4], "Top at the end");

    std::string text = ReadWholeFile(dir.File("end.tsp"));
    const std::string saved = "Top at the end\r\n 11.504 ";
    const auto at = text.find(saved);
    ASSERT_NE(at, std::string::npos);
    WriteWholeFile(dir.File("below.tsp"),
                   text.replace(at, saved.size(), "Top at the end\r\n 11.51 "));
    EXPECT_EQ(OpenProjectFile(reopened, MemorySettingsStore(), dir.File("below.tsp"))
                  .horizonsLeftOut.size(),
              1u);
}

TEST(OpenProject, ParametersThatGiveNoWaveletStillOpenTheProject) {
    TempDir dir;
    // The corners 5, 15, 40, 60 become 5, 50, 40, 60: out of order.
    Project p = ProjectInUse();
    OpenProjectReport report = OpenProjectFile(
        p, MemorySettingsStore(), EditedRanch(dir, " 15            40 ", " 50            40 "));
    EXPECT_NE(report.waveletProblem, "");
    EXPECT_TRUE(p.wavelet.Empty());
    EXPECT_EQ(p.lowPass, Value(50));  // kept for the user to correct
    EXPECT_EQ(p.wellName, "Ranch 7-22, Sec. 22");
    EXPECT_FALSE(p.projectChanged);

    // An interval of no sample rate is kept, and says why there is no wavelet.
    p = ProjectInUse();
    report = OpenProjectFile(p, MemorySettingsStore(), EditedRanch(dir, " 1000 ", " 300 "));
    EXPECT_EQ(p.sampleIntervalUs, 300);
    EXPECT_EQ(p.sampleRateIndex, -1);
    EXPECT_TRUE(p.wavelet.Empty());
    EXPECT_EQ(report.waveletProblem,
              "The sample interval of 300 microseconds is none of 2, 1 or 0.5 ms, so no wavelet "
              "was built.");
}

TEST(OpenProject, ABadFileLeavesTheProjectResetAndSaysSo) {
    TempDir dir;
    const std::string path = EditedRanch(dir, " 4 \r\n.50", " 9 \r\n.50");  // rows missing
    Project p = ProjectInUse();
    try {
        OpenProjectFile(p, MemorySettingsStore(), path);
        FAIL() << "a file with missing rows opened";
    } catch (const Error& e) {
        EXPECT_EQ(e.what(), path +
                                ": This is not a valid Tessarin project file: it ends early, on "
                                "line 32.");
    }
    EXPECT_EQ(p.wellName, "");
    EXPECT_EQ(p.lastSampleIndex, 0);
    EXPECT_EQ(p.horizonCount, 0);
    EXPECT_EQ(p.projectFileName, path);
    EXPECT_FALSE(p.projectChanged);
    EXPECT_FALSE(p.synthDisplayed);
}

}  // namespace
}  // namespace tessarin::test
