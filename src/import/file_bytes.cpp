#include "import/file_bytes.h"

#include <filesystem>

#include "import/import_error.h"

namespace tessarin {

std::ifstream OpenFileBytes(const std::string& path) {
    std::error_code error;
    const bool regular = std::filesystem::is_regular_file(path, error);
    std::ifstream in(path, std::ios::binary);
    if (!regular || !in) {
        throw ImportError("The file \"" + path + "\" cannot be opened.", "");
    }
    return in;
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in = OpenFileBytes(path);
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    in.seekg(0, std::ios::beg);
    std::string bytes(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    if (size > 0 && !in.read(bytes.data(), size)) {
        throw ImportError("The file \"" + path + "\" cannot be read.", "");
    }
    return bytes;
}

}  // namespace tessarin
