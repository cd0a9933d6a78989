#pragma once

#include <fstream>
#include <string>

namespace tessarin {

// The file opened for reading bytes. Throws ImportError (no title) when it cannot be opened.
std::ifstream OpenFileBytes(const std::string& path);

// The whole content of a file. Throws ImportError (no title) when it cannot be read.
std::string ReadFileBytes(const std::string& path);

}  // namespace tessarin
