// Whatever file a command is given in place of the user's own (a named pipe, a folder, a device),
// it ends at once with one line naming the file and what it is, and exit status 1. A file it
// cannot write whole (a full disk) leaves the old one as it was and says why.

#include <gtest/gtest.h>

#include <filesystem>

#include "cli/cli_runner.h"
#include "files/full_disk.h"
#include "files/special_files.h"

namespace tessarin::test {
namespace {

namespace fs = std::filesystem;

class CliRobustness : public CliTest {};

TEST_F(CliRobustness, EveryCommandRefusesWhatIsNotARegularFile) {
    const std::string out = Quoted(Path("out"));
    const std::string f03 = DataFile("F03-4_logs.las") + " --sonic-curve DT --units metric ";
    // Each command line, with @ where the file goes (% for a name of it that ends in "las": a LAS
    // file is known by its name).
    const std::pair<const char*, std::string> commands[] = {
        {"info", "info @"},
        {"export", "export @ --dat " + out},
        {"export", "export " + DataFile("f03_4_display.tsp") + " --horizons @ --dat " + out},
        {"import", "import --sonic @ -o " + out},
        {"import", "import --sonic % -o " + out},
        {"import", "import --sonic " + f03 + "--survey @ -o " + out},
        {"import", "import --sonic " + f03 + "--horizons @ -o " + out},
    };
    const SpecialFiles files;
    for (const SpecialFile& file : files.All()) {
        const fs::path las = Path(fs::path(file.name).filename().string() + ".las");
        fs::create_symlink(file.name, las);
        for (const auto& [command, line] : commands) {
            CliResult r;
            std::string arguments = line;
            const std::size_t at = arguments.find_first_of("@%");
            arguments.replace(at, 1, Quoted(arguments[at] == '@' ? fs::path(file.name) : las));
            files.MessageFor(file.name, [&](const std::string&) {
                r = RunCli(arguments);
                return r.err;
            });
            EXPECT_EQ(r.status, 1) << arguments;
            EXPECT_TRUE(r.err.starts_with("tessarin-cli " + std::string(command) + ": "))
                << arguments << "\n"
                << r.err;
            EXPECT_TRUE(r.err.ends_with(file.expectedEnd + "\n")) << arguments << "\n" << r.err;
            EXPECT_FALSE(fs::exists(Path("out"))) << arguments;
        }
        fs::remove(las);
    }
}

TEST_F(CliRobustness, AFullDiskKeepsEveryOldFileAndSaysWhy) {
    const FullDisk disk;
    if (!disk.Mounted())
        GTEST_SKIP() << disk.Reason();
    const std::string project = DataFile("f03_4_display.tsp");
    const std::pair<std::string, std::string> commands[] = {
        {"well.pdf", "export " + project + " --pdf @"},
        {"well.png", "export " + project + " --png @"},
        {"well.bmp", "export " + project + " --bmp @"},
        {"well.tsp", "import --sonic " + DataFile("F03-4_logs.las") + " --sonic-curve DT -o @"},
    };
    for (const auto& [name, line] : commands) {
        WriteWholeFile(disk.File(name), "old");
    }
    disk.Fill();
    for (const auto& [name, line] : commands) {
        std::string arguments = line;
        arguments.replace(arguments.find('@'), 1, Quoted(disk.File(name)));
        const CliResult r = RunCli(arguments);
        EXPECT_EQ(r.status, 1) << arguments;
        EXPECT_TRUE(r.err.ends_with("The file \"" + disk.File(name).string() +
                                    "\" could not be written: No space left on device.\n"))
            << r.err;
        EXPECT_EQ(ReadFile(disk.File(name)), "old") << name;
    }
}

}  // namespace
}  // namespace tessarin::test
