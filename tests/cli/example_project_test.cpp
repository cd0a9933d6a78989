// The example well shipped with the program is the project that tessarin-cli import makes of its
// logs, velocity survey and tops today. When the import changes on purpose, scripts/make-example
// rebuilds the shipped project and this test passes again.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "cli/cli_runner.h"
#include "files/project_file.h"
#include "model/reset.h"
#include "model/settings.h"

namespace tessarin::test {
namespace {

namespace fs = std::filesystem;

const fs::path kExample = fs::path(TESSARIN_SOURCE_DIR) / "examples/F03-4";
constexpr const char* kRegenerate =
    "the shipped example differs from what the import makes now; "
    "if the change is meant, run scripts/make-example";

Project Read(const fs::path& path) {
    Project p;
    MemorySettingsStore store;
    ResetProject(p, store);
    ReadProjectFile(p, path);
    p.projectFileName.clear();
    return p;
}

using ExampleProject = CliTest;

TEST_F(ExampleProject, IsWhatTheImportMakesOfTheWellsFiles) {
    const fs::path made = Path("F03-4.tsp");
    const std::string command = "TESSARIN_CLI=" + Quoted(TESSARIN_CLI_PATH) + " " +
                                Quoted(fs::path(TESSARIN_SOURCE_DIR) / "scripts/make-example") +
                                " " + Quoted(made) + " 2>" + Quoted(Path("stderr.txt"));
    ASSERT_EQ(std::system(command.c_str()), 0) << ReadFile(Path("stderr.txt"));
    // The example's tops and survey lie inside the imported log: nothing is left out.
    EXPECT_EQ(ReadFile(Path("stderr.txt")), "");

    const Project shipped = Read(kExample / "F03-4.tsp");
    const Project now = Read(made);

    // Well, datum and the import choices.
    EXPECT_EQ(now.wellName, shipped.wellName) << kRegenerate;
    EXPECT_EQ(now.wellLocation, shipped.wellLocation) << kRegenerate;
    EXPECT_EQ(now.locationType, shipped.locationType) << kRegenerate;
    EXPECT_EQ(now.kbElevation, shipped.kbElevation) << kRegenerate;
    EXPECT_EQ(now.glElevation, shipped.glElevation) << kRegenerate;
    EXPECT_EQ(now.datumType, shipped.datumType) << kRegenerate;
    EXPECT_EQ(now.datumElevation, shipped.datumElevation) << kRegenerate;
    EXPECT_EQ(now.datumVelocity, shipped.datumVelocity) << kRegenerate;
    EXPECT_EQ(now.measurementUnits, shipped.measurementUnits) << kRegenerate;
    EXPECT_EQ(now.sampleIntervalUs, shipped.sampleIntervalUs) << kRegenerate;
    EXPECT_EQ(now.impedanceType, shipped.impedanceType) << kRegenerate;
    EXPECT_EQ(now.gardnerFromDensity, shipped.gardnerFromDensity) << kRegenerate;

    // Velocity survey.
    EXPECT_EQ(now.applyVelocitySurvey, shipped.applyVelocitySurvey) << kRegenerate;
    EXPECT_EQ(now.velocitySurveyDatumElevation, shipped.velocitySurveyDatumElevation)
        << kRegenerate;
    EXPECT_EQ(now.velocitySurveyCount, shipped.velocitySurveyCount) << kRegenerate;
    EXPECT_EQ(now.velocitySurveyDepths, shipped.velocitySurveyDepths) << kRegenerate;
    EXPECT_EQ(now.velocitySurveyTimes, shipped.velocitySurveyTimes) << kRegenerate;

    // Horizons, entry by entry.
    ASSERT_EQ(now.horizonCount, shipped.horizonCount) << kRegenerate;
    for (int k = 1; k <= shipped.horizonCount; ++k) {
        EXPECT_EQ(now.horizonNames[k], shipped.horizonNames[k]) << "horizon " << k;
        EXPECT_EQ(now.horizonDepths[k], shipped.horizonDepths[k])
            << shipped.horizonNames[k] << ": " << kRegenerate;
    }

    // Wavelet and scales.
    EXPECT_EQ(now.waveletType, shipped.waveletType) << kRegenerate;
    EXPECT_EQ(now.lowCut, shipped.lowCut) << kRegenerate;
    EXPECT_EQ(now.waveletLength, shipped.waveletLength) << kRegenerate;
    EXPECT_EQ(now.timeScale, shipped.timeScale) << kRegenerate;
    EXPECT_EQ(now.tracesPerUnit, shipped.tracesPerUnit) << kRegenerate;
    EXPECT_EQ(now.amplitudeScale, shipped.amplitudeScale) << kRegenerate;
    EXPECT_EQ(now.traceCount, shipped.traceCount) << kRegenerate;
    EXPECT_EQ(now.agcWindow, shipped.agcWindow) << kRegenerate;

    // The logs in time, sample by sample; the first difference tells where the import moved.
    ASSERT_EQ(now.lastSampleIndex, shipped.lastSampleIndex) << kRegenerate;
    for (std::size_t i = 0; i <= static_cast<std::size_t>(shipped.lastSampleIndex); ++i) {
        ASSERT_EQ(now.timeDepth[i], shipped.timeDepth[i]) << "depth of sample " << i;
        ASSERT_EQ(now.timeSonic[i], shipped.timeSonic[i]) << "sonic of sample " << i;
        ASSERT_EQ(now.timeDensity[i], shipped.timeDensity[i]) << "density of sample " << i;
    }

    // And whatever else the project file holds.
    EXPECT_TRUE(now == shipped) << kRegenerate;
}

}  // namespace
}  // namespace tessarin::test
