#include "files/open_project.h"

#include <gtest/gtest.h>

#include <tuple>

#include "core_test_support.h"
#include "files/project_file.h"

namespace tessarin::test {
namespace {

// The ranch project with one edit, saved where the test can open it.
std::string EditedRanch(const TempDir& dir, const std::string& from, const std::string& to) {
    std::string text = ReadWholeFile(DataPath("ranch_7_22.tsp"));
    EXPECT_NE(text.find(from), std::string::npos) << from;
    WriteWholeFile(dir.File("edited.tsp"), text.replace(text.find(from), from.size(), to));
    return dir.File("edited.tsp");
}

// A project with something in every part, as if another well had been worked on.
Project ProjectInUse() {
    Project p = FreshProject();
    p.wellName = "Previous well";
    p.lastSampleIndex = 30;
    p.timeDepth.assign(41, 5.0);
    p.horizonCount = 6;
    p.wavelet = OffsetArray(-3, 4);
    p.projectChanged = p.synthDisplayed = true;
    return p;
}

// Parameters that give no wavelet, out-of-order corners or an interval of no sample rate, do not
// stop the open: the record is read, kept for the user to correct, and the report says why.
TEST(OpenProject, ParametersThatGiveNoWaveletStillOpenTheProject) {
    TempDir dir;
    MemorySettingsStore store;
    store.Write("font", "Courier New");  // a saved setting the file does not hold
    Project p = ProjectInUse();
    OpenProjectReport report =
        OpenProjectFile(p, store, EditedRanch(dir, " 15            40 ", " 50            40 "));
    EXPECT_NE(report.waveletProblem, "");
    EXPECT_TRUE(p.wavelet.Empty());
    EXPECT_EQ(p.lowPass, Value(50));
    EXPECT_EQ(p.wellName, "Ranch 7-22, Sec. 22");
    EXPECT_EQ(p.plotFontName, "Courier New");
    EXPECT_FALSE(p.projectChanged);

    p = ProjectInUse();
    report = OpenProjectFile(p, store, EditedRanch(dir, " 1000 ", " 300 "));
    EXPECT_EQ(p.sampleIntervalUs, 300);
    EXPECT_EQ(p.sampleRateIndex, -1);
    EXPECT_TRUE(p.wavelet.Empty());
    EXPECT_EQ(report.waveletProblem,
              "The sample interval of 300 microseconds is none of 2, 1 or 0.5 ms, so no wavelet "
              "was built.");
    p = ProjectInUse();
    EXPECT_EQ(OpenProjectFile(p, store, DataPath("ranch_7_22.tsp")).waveletProblem, "");
    EXPECT_EQ(p.wavelet.First(), -40);  // 0.16 s at 2 ms
}

TEST(OpenProject, KeepsATopSavedAtTheVeryEndOfTheLogButLeavesOutTheOthersOutsideIt) {
    // The file keeps sample depths to a hundredth: an end of log at 11.504 ft comes back as 11.5,
    // and a top saved at 11.504 must not then be judged below the log. One further down is.
    TempDir dir;
    Project p;
    OpenProjectFile(p, MemorySettingsStore(), DataPath("ranch_7_22.tsp"));
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
    EXPECT_EQ(reopened.horizonNames[4], "Top at the end");

    std::string text = ReadWholeFile(dir.File("end.tsp"));
    const std::string saved = "Top at the end\r\n 11.504 ";
    ASSERT_NE(text.find(saved), std::string::npos);
    WriteWholeFile(dir.File("below.tsp"),
                   text.replace(text.find(saved), saved.size(), "Top at the end\r\n 11.51 "));
    const OpenProjectReport report =
        OpenProjectFile(reopened, MemorySettingsStore(), dir.File("below.tsp"));
    EXPECT_EQ(report.horizonsLeftOut,
              (std::vector<HorizonEntry>{{"Top at the end", Value(11.51)}}));
    EXPECT_EQ(reopened.horizonCount, 4);
    EXPECT_EQ(reopened.horizonNames[4], "end of log");
}

TEST(OpenProject, ABadFileLeavesTheProjectResetAndSaysSo) {
    TempDir dir;
    const std::string path = EditedRanch(dir, " 4 \r\n.50", " 9 \r\n.50");  // rows missing
    Project p = ProjectInUse();
    EXPECT_EQ(ErrorOf([&] { OpenProjectFile(p, MemorySettingsStore(), path); }),
              "This is not a valid Tessarin project file.");
    EXPECT_EQ(std::tuple(p.wellName, p.lastSampleIndex, p.horizonCount, p.projectFileName,
                         p.projectChanged, p.synthDisplayed),
              std::tuple("", 0, 0, path, false, false));
}

}  // namespace
}  // namespace tessarin::test
