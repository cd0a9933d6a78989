// Plain log files the import refuses before it reads them through: a velocity survey given as a
// log, and a file with more pairs than a log holds even merged.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "import/import_test_support.h"
#include "import/plain_log.h"

namespace tessarin {
namespace {

namespace fs = std::filesystem;

TEST(ReadPlainLog, RefusesAVelocitySurveyByItsFirstLines) {
    NoProgress progress;
    for (const std::string name : {"F03-4_survey.vs", "../../examples/F03-4/F03-4.vs"}) {
        const std::string path = test::DataPath(name);
        test::ExpectImportError(
            [&] { ReadPlainLog(path, progress); },
            "The file \"" + path +
                "\" is a velocity survey, not a log: its first line holds one number alone, the "
                "survey datum, and the next a depth and a time. Give it as the velocity survey.",
            "", name);
    }
    // A title of one word, or a first pair, is a log.
    EXPECT_EQ(ReadPlainLogText("Sonic\n1000 100\n1001 110\n", "a.dt", progress).Count(), 2);
    EXPECT_EQ(ReadPlainLogText("1000 100\n1001\n110\n", "a.dt", progress).Count(), 2);
}

// Lines enough to be certain of too many pairs, then a terabyte of nothing (a sparse file, which
// takes no room): reading it whole first could not even begin.
TEST(ReadPlainLog, StopsReadingAsSoonAsTheFileIsCertainToBeTooLong) {
    const fs::path path =
        fs::temp_directory_path() / ("tessarin-endless-" + std::to_string(::getpid()) + ".dt");
    {
        std::ofstream out(path, std::ios::binary);
        for (int k = 0; k < 140000; ++k)
            out << k << " 100\n";
    }
    std::error_code error;
    fs::resize_file(path, std::uintmax_t{1} << 40, error);
    if (error) {
        fs::remove(path);
        GTEST_SKIP() << "no sparse file of a terabyte here: " << error.message();
    }
    NoProgress progress;
    test::ExpectImportError([&] { ReadPlainLog(path.string(), progress); },
                            "The file \"" + path.string() +
                                "\" is too long: more than 131067 of its lines hold numbers, more "
                                "than 32766 pairs even when merged two by two.",
                            "");
    fs::remove(path);
}

}  // namespace
}  // namespace tessarin
