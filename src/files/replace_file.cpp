#include "files/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <system_error>

#include "model/error.h"
#include "model/user_file.h"

namespace tessarin {
namespace fs = std::filesystem;

namespace {

[[noreturn]] void Fail(const fs::path& path, const std::string& reason) {
    throw Error("The file \"" + path.string() + "\" could not be written: " + reason + ".");
}

std::string SystemReason(int error) {
    return error != 0 ? std::strerror(error) : "unknown error";
}

// The file a write to `path` really replaces: the target of a symbolic link, else `path`.
fs::path FileToReplace(const fs::path& path) {
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(path, ec))) {
        const fs::path resolved = fs::weakly_canonical(path, ec);
        if (!ec) {
            return resolved;
        }
    }
    return path;
}

// The temporary files of this writer: "." + the target's name + "." + 16 hexadecimal digits +
// ".tmp", hidden beside the file they are to replace.
bool IsTemporaryName(const std::string& name) {
    constexpr std::size_t kDigits = 16;
    constexpr std::string_view kEnd = ".tmp";
    if (name.size() < 3 + kDigits + kEnd.size() || name.front() != '.' || !name.ends_with(kEnd)) {
        return false;
    }
    const std::size_t digits = name.size() - kEnd.size() - kDigits;
    return name[digits - 1] == '.' &&
           std::all_of(name.begin() + static_cast<long>(digits), name.end() - 4,
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

// A write killed before its rename (a batch run stopped, a machine switched off) leaves its
// temporary file behind, as large as the file it was writing. Those of this user older than a
// day are removed when the next file is saved into the folder: no save still runs that long.
void RemoveStaleTemporaries(const fs::path& folder) {
    const auto dayAgo = fs::file_time_type::clock::now() - std::chrono::hours(24);
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) {
        struct stat status {};
        if (IsTemporaryName(entry.path().filename().string()) &&
            ::lstat(entry.path().c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
            status.st_uid == ::geteuid() && entry.last_write_time(ec) < dayAgo && !ec) {
            fs::remove(entry.path(), ec);
        }
    }
}

// Creates a new, empty temporary file beside `target`; "x" makes sure an existing file of the
// same name is never reused.
std::FILE* CreateTemporaryBeside(const fs::path& path, const fs::path& target,
                                 fs::path& temporary) {
    std::random_device seed;
    std::mt19937_64 random(seed());
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    RemoveStaleTemporaries(folder);
    for (int attempt = 0; attempt < 16; ++attempt) {
        char suffix[24];
        std::snprintf(suffix, sizeof suffix, ".%016llx.tmp",
                      static_cast<unsigned long long>(random()));
        // The name is shortened so that a long file name still leaves room for the suffix.
        temporary = folder / ("." + target.filename().string().substr(0, 200) + suffix);
        errno = 0;
        if (std::FILE* file = std::fopen(temporary.c_str(), "wbx")) {
            return file;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    // The temporary file's own name would only puzzle the user: the folder is what refused it.
    Fail(path, "no file can be made in its folder \"" + folder.string() + "\" (" +
                   SystemReason(errno) + ")");
}

// Refuses to replace what the user could not overwrite in place: a file without write
// permission for this user (the rename would otherwise replace it whenever the folder is
// writable), or anything but a regular file (a device, a pipe, a folder).
void CheckTargetCanBeReplaced(const fs::path& path, const fs::path& target) {
    struct stat status {};
    if (::stat(target.c_str(), &status) != 0) {
        return;  // a new file
    }
    if (!S_ISREG(status.st_mode)) {
        const std::string problem = UnreadableFileProblem(target.string()).value_or("");
        Fail(path, problem.starts_with("is ") ? "it " + problem : "it is not a regular file");
    }
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
        Fail(path, SystemReason(errno));
    }
}

// The new file takes the old one's permissions, and its owner and group where this user may
// give them (the superuser saving another user's file): the file is changed, not taken over.
void KeepPermissionsAndOwner(const fs::path& temporary, const fs::path& target) {
    struct stat old {};
    if (::stat(target.c_str(), &old) != 0 || !S_ISREG(old.st_mode)) {
        return;
    }
    std::error_code ec;
    fs::permissions(temporary, static_cast<fs::perms>(old.st_mode & 07777), ec);
    if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
        [[maybe_unused]] const int ignored = ::chown(temporary.c_str(), old.st_uid, old.st_gid);
        fs::permissions(temporary, static_cast<fs::perms>(old.st_mode & 07777), ec);
    }
}

// Writes and closes the file, returning the reason of the first failure or "" on success.
std::string WriteAndClose(std::FILE* file, std::string_view content) {
    errno = 0;
    const bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size() &&
                         std::fflush(file) == 0;
    std::string reason = written ? "" : SystemReason(errno);
    errno = 0;
    if (std::fclose(file) != 0 && reason.empty()) {
        reason = SystemReason(errno);
    }
    return reason;
}

}  // namespace

void ReplaceFileContent(const fs::path& path, std::string_view content) {
    ReplaceFileContent(path, content, [](const fs::path&) {});
}

void ReplaceFileContent(const fs::path& path, std::string_view content,
                        const std::function<void(const fs::path& written)>& check) {
    const fs::path target = FileToReplace(path);
    CheckTargetCanBeReplaced(path, target);
    fs::path temporary;
    std::FILE* file = CreateTemporaryBeside(path, target, temporary);
    const std::string reason = WriteAndClose(file, content);
    std::error_code ec;
    if (!reason.empty()) {
        fs::remove(temporary, ec);
        Fail(path, reason);
    }
    try {
        check(temporary);
    } catch (...) {
        fs::remove(temporary, ec);
        throw;
    }
    KeepPermissionsAndOwner(temporary, target);
    fs::rename(temporary, target, ec);
    if (ec) {
        const std::string renameReason = ec.message();
        fs::remove(temporary, ec);
        Fail(path, renameReason);
    }
}

}  // namespace tessarin
