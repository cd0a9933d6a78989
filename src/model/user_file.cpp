#include "model/user_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tessarin {
namespace {

std::string CannotBeOpened(int error) {
    return std::string("cannot be opened (") + std::strerror(error) + ")";
}

const char* KindOf(mode_t mode) {
    if (S_ISDIR(mode)) {
        return "a folder";
    }
    if (S_ISFIFO(mode)) {
        return "a named pipe";
    }
    if (S_ISSOCK(mode)) {
        return "a socket";
    }
    return S_ISCHR(mode) || S_ISBLK(mode) ? "a device" : "of an unknown kind";
}

}  // namespace

std::optional<std::string> UnreadableFileProblem(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return CannotBeOpened(errno);
    }
    if (!S_ISREG(status.st_mode)) {
        return std::string("is not a regular file but ") + KindOf(status.st_mode);
    }
    // Opened here without waiting, so that a file changed into a pipe meanwhile cannot block;
    // this also finds what permissions forbid.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return CannotBeOpened(errno);
    }
    const bool regular = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    ::close(fd);
    if (!regular) {
        return std::string("is not a regular file but ") + KindOf(status.st_mode);
    }
    return std::nullopt;
}

std::string UnreadableFileMessage(const std::string& path, const std::string& problem) {
    return "The file \"" + path + "\" " + problem + ".";
}

std::string FileFailure(std::string_view name, std::string_view text, std::string_view cause) {
    if (text.ends_with('.')) {
        text.remove_suffix(1);
    }
    std::string message = (name.empty() ? "" : std::string(name) + ": ") + std::string(text) +
                          ": " + std::string(cause);
    if (!message.ends_with('.')) {
        message += '.';
    }
    return message;
}

}  // namespace tessarin
