// Replacing a file: a full disk or a killed save never costs the old file, a leftover of a killed
// save is cleared a day later, and a file the user could not write in place is not replaced.

#include "files/replace_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>

#include "files/export_fixture.h"
#include "files/full_disk.h"
#include "files/project_file.h"
#include "model/error.h"
#include "model/reset.h"

namespace tessarin::test {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;

std::string CannotWrite(const fs::path& path, const std::string& reason) {
    return "The file \"" + path.string() + "\" could not be written: " + reason + ".";
}

std::string SaveFailure(const fs::path& path) {
    try {
        ReplaceFileContent(path, "new");
    } catch (const Error& e) {
        return e.what();
    }
    return "";
}

// SaveFailure run by `user` in a child process (the superuser gives up its rights there).
std::string SaveFailureAs(uid_t user, const fs::path& path) {
    int pipe[2];
    if (::pipe(pipe) != 0)
        return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe[0]);
        const bool became = user == ::geteuid() || (::setgid(user) == 0 && ::setuid(user) == 0);
        const std::string failure = became ? SaveFailure(path) : "could not become the user";
        [[maybe_unused]] auto written = ::write(pipe[1], failure.data(), failure.size());
        ::_exit(0);
    }
    ::close(pipe[1]);
    std::string failure;
    char buffer[256];
    for (ssize_t got; (got = ::read(pipe[0], buffer, sizeof buffer)) > 0;)
        failure.append(buffer, static_cast<std::size_t>(got));
    ::close(pipe[0]);
    ::waitpid(child, nullptr, 0);
    return failure;
}

std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ReplaceFile, AFullDiskKeepsTheOldProjectAndSaysWhy) {
    const FullDisk disk;
    if (!disk.Mounted())
        GTEST_SKIP() << disk.Reason();
    const fs::path path = disk.File("well.tsp");
    WriteWholeFile(path, "old\r\n");
    disk.Fill();
    Project project;
    ResetProject(project, MemorySettingsStore());
    try {
        WriteProjectFile(project, path);
        ADD_FAILURE() << "saved on a full disk";
    } catch (const Error& e) {
        EXPECT_EQ(e.what(), CannotWrite(path, "No space left on device"));
    }
    EXPECT_EQ(ReadWholeFile(path), "old\r\n");
    EXPECT_EQ(Names(disk.File("")), (std::vector<std::string>{"filler", "well.tsp"}));
}

// A save killed before its rename, as a batch run stopped in the middle of a large SEG-Y export.
TEST(ReplaceFile, AKilledSaveKeepsTheOldFileAndItsLeftoverGoesADayLater) {
    TempDir dir;
    const fs::path path = dir.Path() / "well_normal.sgy";
    WriteWholeFile(path, "old");
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ReplaceFileContent(path, std::string(1 << 20, 'x'), [&](const fs::path&) {
            [[maybe_unused]] auto written = ::write(ready[1], "w", 1);
            ::pause();  // written whole, not yet renamed: killed here
        });
        ::_exit(0);
    }
    char written = 0;
    ASSERT_EQ(::read(ready[0], &written, 1), 1);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_EQ(ReadWholeFile(path), "old");
    const std::vector<std::string> names = Names(dir.Path());
    ASSERT_EQ(names.size(), 2u);
    const fs::path leftover = dir.Path() / names[0];
    EXPECT_TRUE(names[0].starts_with(".well_normal.sgy.")) << names[0];
    EXPECT_EQ(fs::file_size(leftover), 1u << 20);

    // The next save into the folder a day later clears it, and nothing that is not its like.
    const auto dayAndHourAgo = fs::file_time_type::clock::now() - std::chrono::hours(25);
    fs::last_write_time(leftover, dayAndHourAgo);
    const fs::path running = dir.Path() / ".well.dat.0123456789abcdef.tmp";  // a save under way
    const fs::path notOurs = dir.Path() / ".notes.0123456789abcdeg.tmp";
    for (const fs::path& other : {running, notOurs})
        WriteWholeFile(other, "keep");
    fs::last_write_time(notOurs, dayAndHourAgo);
    ReplaceFileContent(dir.Path() / "well_reverse.sgy", "new");
    EXPECT_FALSE(fs::exists(leftover));
    EXPECT_TRUE(fs::exists(running));
    EXPECT_TRUE(fs::exists(notOurs));
}

// The rename would replace a file whenever its folder is writable; what the user could not
// overwrite in place (a read-only file, another user's file, a pipe, a file of the system) is
// refused with the target's own reason, and the file stays as it was.
TEST(ReplaceFile, RefusesWhatTheUserCouldNotWriteInPlace) {
    TempDir dir;
    fs::permissions(dir.Path(), fs::perms::all);  // anyone may make files in the folder
    const fs::path locked = dir.Path() / "locked.tsp";
    WriteWholeFile(locked, "old");
    // The superuser may write anything: the save is made as another user then.
    const uid_t saver = ::geteuid() == 0 ? kNobody : ::geteuid();
    if (saver == ::geteuid())
        fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(SaveFailureAs(saver, locked), CannotWrite(locked, "Permission denied"));
    EXPECT_EQ(ReadWholeFile(locked), "old");
    struct stat status {};
    ASSERT_EQ(::stat(locked.c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, ::geteuid());

    const fs::path pipe = dir.Path() / "pipe.tsp";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(SaveFailure(pipe), CannotWrite(pipe, "it is not a regular file but a named pipe"));
    EXPECT_TRUE(fs::is_fifo(pipe));

    // A file of the system: the superuser may open it for writing, but no file can be made
    // beside it.
    EXPECT_EQ(SaveFailure("/proc/version"),
              CannotWrite("/proc/version",
                          ::geteuid() == 0
                              ? "no file can be made in its folder \"/proc\" (No such file or "
                                "directory)"
                              : "Permission denied"));
}

TEST(ReplaceFile, TheSuperuserSavingAnotherUsersFileKeepsItsOwnerAndPermissions) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only the superuser may give a file to another user";
    TempDir dir;
    const fs::path path = dir.Path() / "theirs.tsp";
    WriteWholeFile(path, "old");
    ASSERT_EQ(::chown(path.c_str(), kNobody, kNobody), 0);
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(SaveFailure(path), "");
    EXPECT_EQ(ReadWholeFile(path), "new");
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, kNobody);
    EXPECT_EQ(status.st_gid, kNobody);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
}

}  // namespace
}  // namespace tessarin::test
