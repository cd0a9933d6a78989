// Every reader of the user's project, horizon and seismic files refuses what is not a regular file
// at once, naming the file and what it is, and never hangs on a named pipe.

#include "files/special_files.h"

#include <gtest/gtest.h>

#include "files/horizon_file.h"
#include "files/project_file.h"
#include "files/segy_reader.h"
#include "files/text_trace.h"

namespace tessarin::test {
namespace {

TEST(SpecialFiles, EveryReaderRefusesThemWithTheFileAndItsKind) {
    const std::vector<std::pair<const char*, SpecialFiles::Reader>> readers = {
        {"project",
         [](const std::string& path) {
             Project p;
             ReadProjectFile(p, std::filesystem::path(path));
             return std::string();
         }},
        {"horizon",
         [](const std::string& path) {
             Project p;
             LoadHorizonFile(p, path);
             return std::string();
         }},
        {"SEG-Y", [](const std::string& path) { return ScanSegy(path).message; }},
        {"text trace", [](const std::string& path) { return ReadTextTrace(path).message; }},
    };
    SpecialFiles().ExpectRefusedByEach(readers);
}

}  // namespace
}  // namespace tessarin::test
