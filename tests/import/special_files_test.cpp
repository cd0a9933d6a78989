// The log and velocity survey readers refuse what is not a regular file at once, naming the file
// and what it is, and never hang on a named pipe.

#include "files/special_files.h"

#include <gtest/gtest.h>

#include "import/las_reader.h"
#include "import/plain_log.h"
#include "import/velocity_survey.h"

namespace tessarin::test {
namespace {

TEST(SpecialFiles, EveryLogReaderRefusesThemWithTheFileAndItsKind) {
    NoProgress progress;
    const std::vector<std::pair<const char*, SpecialFiles::Reader>> readers = {
        {"LAS",
         [](const std::string& path) {
             ReadLasHeader(LoadLasFile(path));
             return std::string();
         }},
        {"plain log",
         [&](const std::string& path) {
             ReadPlainLog(path, progress);
             return std::string();
         }},
        {"velocity survey",
         [](const std::string& path) {
             ReadVelocitySurveyFile(path);
             return std::string();
         }},
    };
    SpecialFiles().ExpectRefusedByEach(readers);
}

}  // namespace
}  // namespace tessarin::test
