// What the user may give by mistake (a named pipe, a folder, a device, a link loop) is refused by
// every command at once, in one line naming the file and what it is, exit status 1. A file that
// cannot be written whole (a full disk) leaves the old one as it was and says why.

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

#include "cli/cli_runner.h"

namespace tessarin::test {
namespace {

namespace fs = std::filesystem;

class CliRobustness : public CliTest {};

TEST_F(CliRobustness, EveryCommandRefusesWhatIsNotARegularFile) {
    ::mkfifo(Path("pipe").c_str(), 0600);
    fs::create_directory(Path("folder"));
    fs::create_symlink("loop", Path("loop"));
    const std::pair<std::string, std::string> files[] = {
        {Path("pipe"), "is not a regular file but a named pipe."},
        {Path("folder"), "is not a regular file but a folder."},
        {"/dev/zero", "is not a regular file but a device."},
        {Path("loop"), "cannot be opened (Too many levels of symbolic links)."}};
    const std::string out = Quoted(Path("out"));
    const std::string f03 = DataFile("F03-4_logs.las") + " --sonic-curve DT --units metric ";
    // A command line for each reader, @ where the file goes (% for a name of it ending in "las").
    const std::pair<std::string, std::string> commands[] = {
        {"info", "info @"},
        {"export", "export @ --dat " + out},
        {"export", "export " + DataFile("f03_4_display.tsp") + " --horizons @ --dat " + out},
        {"import", "import --sonic @ -o " + out},
        {"import", "import --sonic % -o " + out},
        {"import", "import --sonic " + f03 + "--survey @ -o " + out}};
    for (const auto& [file, end] : files) {
        const fs::path las = Path(fs::path(file).filename().string() + ".las");
        fs::create_symlink(file, las);
        for (const auto& [command, line] : commands) {
            std::string arguments = line;
            const std::size_t at = arguments.find_first_of("@%");
            arguments.replace(at, 1, Quoted(arguments[at] == '@' ? fs::path(file) : las));
            const CliResult r = RunCli(arguments);
            EXPECT_EQ(r.status, 1) << arguments;
            EXPECT_TRUE(r.err.starts_with("tessarin-cli " + command + ": ")) << r.err;
            EXPECT_TRUE(r.err.ends_with(end + "\n")) << r.err;
            EXPECT_FALSE(fs::exists(Path("out"))) << arguments;
        }
    }
    // A file that cannot be replaced is named with the reason, not the temporary file beside it.
    const CliResult r = RunCli("import --sonic " + f03 + "-o /proc/version");
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(
        r.err.starts_with("tessarin-cli import: The file \"/proc/version\" could not be "
                          "written: "))
        << r.err;
}

// A disk of 64 kB filled to the last byte: a tmpfs the test mounts (the CI machine runs the tests
// as the superuser) and unmounts at its end.
TEST_F(CliRobustness, AFullDiskKeepsEveryOldFileAndSaysWhy) {
    const fs::path disk = Path("disk");
    fs::create_directory(disk);
    if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "no file system can be mounted here: " << std::strerror(errno);
    const std::unique_ptr<const char, decltype(&::umount)> unmount(disk.c_str(), ::umount);
    const std::string project = DataFile("f03_4_display.tsp");
    const std::pair<std::string, std::string> commands[] = {
        {"well.pdf", "export " + project + " --pdf @"},
        {"well.png", "export " + project + " --png @"},
        {"well.bmp", "export " + project + " --bmp @"},
        {"well.tsp", "import --sonic " + DataFile("F03-4_logs.las") + " --sonic-curve DT -o @"}};
    for (const auto& [name, line] : commands)
        std::ofstream(disk / name) << "old";
    std::ofstream filler(disk / "filler");
    while (filler << std::string(4096, 'f') << std::flush) {
    }
    for (const auto& [name, line] : commands) {
        std::string arguments = line;
        arguments.replace(arguments.find('@'), 1, Quoted(disk / name));
        const CliResult r = RunCli(arguments);
        EXPECT_EQ(r.status, 1) << arguments;
        EXPECT_TRUE(r.err.ends_with("The file \"" + (disk / name).string() +
                                    "\" could not be written: No space left on device.\n"))
            << r.err;
        EXPECT_EQ(ReadFile(disk / name), "old") << name;
    }
}

}  // namespace
}  // namespace tessarin::test
