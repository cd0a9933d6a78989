#include "files/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

#include "model/error.h"

namespace tessarin {
namespace {

std::filesystem::path TemporaryPathFor(const std::filesystem::path& target) {
    static std::mt19937 generator{std::random_device{}()};
    std::filesystem::path temporary;
    do {
        temporary = target;
        temporary += ".part" + std::to_string(generator() % 1000000);
    } while (std::filesystem::exists(temporary));
    return temporary;
}

// The operating system's reason for the last failure, when it gave one.
std::string SystemReason() {
    return errno != 0 ? std::strerror(errno) : std::string();
}

[[noreturn]] void FailWriting(const std::string& path, const std::string& reason) {
    throw Error("The file \"" + path + "\" could not be written" +
                (reason.empty() ? std::string(".") : ": " + reason + "."));
}

}  // namespace

void WriteFileAtomically(const std::string& path, const std::function<void(std::ostream&)>& write) {
    const std::filesystem::path target(path);
    const std::filesystem::path temporary = TemporaryPathFor(target);
    errno = 0;
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) {
        FailWriting(path, SystemReason());
    }
    try {
        write(out);
        out.flush();
        if (!out) {
            FailWriting(path, SystemReason());
        }
        out.close();
        if (out.fail()) {
            FailWriting(path, SystemReason());
        }
    } catch (...) {
        out.close();
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        throw;
    }
    std::error_code error;
    std::filesystem::rename(temporary, target, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        FailWriting(path, error.message());
    }
}

}  // namespace tessarin
