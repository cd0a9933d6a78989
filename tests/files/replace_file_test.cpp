// Replacing a file: a killed save never costs the old file and its leftover is cleared a day
// later; what the user could not write in place is not replaced.

#include "files/replace_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <chrono>

#include "core_test_support.h"
#include "model/error.h"

namespace tessarin::test {
namespace {

namespace fs = std::filesystem;

std::string SaveFailure(const fs::path& path) {
    try {
        ReplaceFileContent(path, "new");
    } catch (const Error& e) {
        return e.what();
    }
    return "";
}

std::string CannotWrite(const fs::path& path, const std::string& reason) {
    return "The file \"" + path.string() + "\" could not be written: " + reason + ".";
}

// A save in a child process killed after its temporary file is written, before the rename; then
// the next save into the folder a day later.
TEST(ReplaceFile, AKilledSaveKeepsTheOldFileAndItsLeftoverGoesADayLater) {
    TempDir dir;
    const fs::path path = dir.Path() / "well_normal.sgy";
    WriteWholeFile(path, "old");
    int written[2];
    ASSERT_EQ(::pipe(written), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ReplaceFileContent(path, std::string(1 << 20, 'x'), [&](const fs::path&) {
            [[maybe_unused]] const auto told = ::write(written[1], "w", 1);
            ::pause();
        });
        ::_exit(0);
    }
    char told = 0;
    ASSERT_EQ(::read(written[0], &told, 1), 1);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_EQ(ReadWholeFile(path), "old");
    fs::path leftover;
    for (const auto& entry : fs::directory_iterator(dir.Path()))
        leftover = entry.path() != path ? entry.path() : leftover;
    EXPECT_EQ(fs::file_size(leftover), 1u << 20);
    const auto dayAgo = fs::file_time_type::clock::now() - std::chrono::hours(25);
    fs::last_write_time(leftover, dayAgo);
    const fs::path running = dir.Path() / ".well.dat.0123456789abcdef.tmp";  // a save under way
    const fs::path notOurs = dir.Path() / ".notes.0123456789abcdeg.tmp";
    WriteWholeFile(running, "");
    WriteWholeFile(notOurs, "");
    fs::last_write_time(notOurs, dayAgo);
    ReplaceFileContent(dir.Path() / "well_reverse.sgy", "new");
    EXPECT_FALSE(fs::exists(leftover));
    EXPECT_TRUE(fs::exists(running) && fs::exists(notOurs));
}

// The superuser may write anything: a child process saves as another user then, whom the
// read-only file does not belong to; the superuser's own save keeps that user's file theirs.
TEST(ReplaceFile, RefusesWhatTheUserCouldNotWriteInPlaceAndKeepsTheOwner) {
    TempDir dir;
    fs::permissions(dir.Path(), fs::perms::all);
    const fs::path locked = dir.Path() / "locked.tsp";
    WriteWholeFile(locked, "old");
    fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read);
    const pid_t child = ::fork();
    if (child == 0) {
        const bool other = ::geteuid() != 0 || (::setgid(65534) == 0 && ::setuid(65534) == 0);
        ::_exit(other && SaveFailure(locked) == CannotWrite(locked, "Permission denied") ? 0 : 1);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadWholeFile(locked), "old");

    const fs::path pipe = dir.Path() / "pipe.tsp";
    ::mkfifo(pipe.c_str(), 0600);
    EXPECT_EQ(SaveFailure(pipe), CannotWrite(pipe, "it is not a regular file but a named pipe"));
    EXPECT_TRUE(fs::is_fifo(pipe));
    // The superuser may open it for writing, but no file can be made beside it.
    EXPECT_EQ(SaveFailure("/proc/version"),
              CannotWrite("/proc/version", ::geteuid() != 0
                                               ? "Permission denied"
                                               : "no file can be made in its folder \"/proc\" "
                                                 "(No such file or directory)"));
    const fs::path own = dir.Path() / "private.tsp";  // a file of the user's own, kept private
    WriteWholeFile(own, "old");
    fs::permissions(own, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(SaveFailure(own), "");
    EXPECT_EQ(fs::status(own).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(locked.c_str(), 65534, 65534), 0);
        EXPECT_EQ(SaveFailure(locked), "");
        struct stat saved {};
        ASSERT_EQ(::stat(locked.c_str(), &saved), 0);
        EXPECT_EQ(saved.st_uid, 65534u);
        EXPECT_EQ(saved.st_mode & 0777, 0440u);
    }
}

}  // namespace
}  // namespace tessarin::test
