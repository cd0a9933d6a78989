// The horizon file (.hor): any bytes give a horizon table or the file's own error.

#include <cstdint>
#include <sstream>

#include "files/horizon_file.h"
#include "files/open_project.h"
#include "fuzz_support.h"
#include "model/error.h"

using namespace tessarin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Project project;
    project.lastSampleIndex = 100;
    for (int j = 0; j <= 110; ++j) {
        project.timeDepth.push_back(1000.0 + 10.0 * j);
    }
    std::istringstream in(fuzz::Text(data, size));
    try {
        ReadHorizonFile(project, in);
    } catch (const Error&) {
        fuzz::Require(project.horizonCount == 0, "a file refused leaves an empty table");
        return 0;
    }
    fuzz::Require(project.horizonCount >= 0 && project.horizonCount < kTableSize,
                  "the horizons fit the table");
    SortHorizonsByDepth(project);
    return 0;
}
