// Plain log files refused before they are read through: a velocity survey given as a log, and a
// file certain to hold more pairs than a log, however long it goes on.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core_test_support.h"
#include "import/plain_log.h"

namespace tessarin {
namespace {

TEST(ReadPlainLog, RefusesASurveyAndAFileCertainToBeTooLong) {
    NoProgress progress;
    const std::string survey = test::DataPath("F03-4_survey.vs");
    const auto endless = std::filesystem::temp_directory_path() /
                         ("tessarin-endless-" + std::to_string(::getpid()) + ".dt");
    std::ofstream out(endless);
    for (int k = 0; k < 140000; ++k)
        out << k << " 1\n";
    out.close();
    // A terabyte more of a sparse file: reading it whole could not even begin.
    std::filesystem::resize_file(endless, std::uintmax_t{1} << 40);
    const std::pair<std::string, std::string> files[] = {
        {survey,
         "is a velocity survey, not a log: its first line holds one number alone, the "
         "survey datum, and the next a depth and a time. Give it as the velocity survey."},
        {endless.string(),
         "is too long: more than 131067 of its lines hold numbers, more than "
         "32766 pairs even when merged two by two."}};
    for (const auto& [path, message] : files)
        EXPECT_EQ(test::ErrorOf([&] { ReadPlainLog(path, progress); }),
                  "The file \"" + path + "\" " + message);
    std::filesystem::remove(endless);
}

}  // namespace
}  // namespace tessarin
