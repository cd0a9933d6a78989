#pragma once

#include <string>

namespace tessarin {

// The whole content of a file. Throws ImportError (no title) when it cannot be read.
std::string ReadFileBytes(const std::string& path);

}  // namespace tessarin
