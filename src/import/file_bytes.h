#pragma once

#include <fstream>
#include <string>

namespace tessarin {

// The file opened for reading bytes. Throws ImportError (no title) naming the file and the reason
// when it cannot be opened or is not a regular file.
std::ifstream OpenFileBytes(const std::string& path);

// Throws ImportError (no title): the file cannot be read, with the system's reason (errno).
[[noreturn]] void ThrowCannotBeRead(const std::string& path);

// The whole content of a file. Throws ImportError (no title) when it cannot be read.
std::string ReadFileBytes(const std::string& path);

}  // namespace tessarin
