#include "import/file_bytes.h"

#include <cerrno>
#include <cstring>

#include "import/import_error.h"
#include "model/user_file.h"

namespace tessarin {

std::ifstream OpenFileBytes(const std::string& path) {
    if (const auto problem = UnreadableFileProblem(path)) {
        throw ImportError(UnreadableFileMessage(path, *problem), "");
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw ImportError(UnreadableFileMessage(path, "cannot be opened"), "");
    }
    return in;
}

void ThrowCannotBeRead(const std::string& path) {
    const int error = errno;
    throw ImportError(UnreadableFileMessage(path, error != 0 ? std::string("cannot be read (") +
                                                                   std::strerror(error) + ")"
                                                             : "cannot be read"),
                      "");
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in = OpenFileBytes(path);
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    in.seekg(0, std::ios::beg);
    std::string bytes(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    errno = 0;
    if (size > 0 && !in.read(bytes.data(), size)) {
        ThrowCannotBeRead(path);
    }
    return bytes;
}

}  // namespace tessarin
