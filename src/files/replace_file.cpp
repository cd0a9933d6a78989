#include "files/replace_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <system_error>

#include "model/error.h"

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

// Creates a new, empty temporary file beside `target`; "x" makes sure an existing file of the
// same name is never reused.
std::FILE* CreateTemporaryBeside(const fs::path& path, const fs::path& target,
                                 fs::path& temporary) {
    std::random_device seed;
    std::mt19937_64 random(seed());
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
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
    Fail(path, SystemReason(errno));
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
    // The new file keeps the permissions the old one had.
    const fs::file_status old = fs::status(target, ec);
    if (!ec && fs::is_regular_file(old)) {
        fs::permissions(temporary, old.permissions(), ec);
    }
    fs::rename(temporary, target, ec);
    if (ec) {
        const std::string renameReason = ec.message();
        fs::remove(temporary, ec);
        Fail(path, renameReason);
    }
}

}  // namespace tessarin
