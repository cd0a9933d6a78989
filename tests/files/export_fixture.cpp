#include "files/export_fixture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace tessarin::test {

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

}  // namespace tessarin::test
