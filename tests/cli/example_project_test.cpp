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
    // The logs in time, sample by sample: the first difference tells where the import moved.
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
