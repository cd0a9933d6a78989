#include "import/plain_log.h"

#include <gtest/gtest.h>

#include "import/import_error.h"
#include "import/import_test_support.h"

namespace tessarin {
namespace {

DepthLog Read(const std::string& text) {
    NoProgress progress;
    return ReadPlainLogText(text, "well.dt", progress);
}

TEST(ReadPlainLog, SkipsATitleLineWhateverItHolds) {
    EXPECT_EQ(Read("Sonic of well seven\n1000 100\n1001 110\n").depth,
              (std::vector<double>{1000, 1001}));
    // A comma in the title does not bring the rest of the title into the data.
    EXPECT_EQ(Read("Sonic, well 7, 1998\r\n1000, 100\r\n1001, 110\r\n").value,
              (std::vector<double>{100, 110}));
    // Two numbers on the first line: no title.
    EXPECT_EQ(Read("1000 100\n1001 110\n").depth, (std::vector<double>{1000, 1001}));
    // A first depth beyond 32767 is a depth, not a title.
    const DepthLog deep = Read("35000 100\n35000.5 110\n");
    EXPECT_EQ(deep.depth, (std::vector<double>{35000, 35000.5}));
    EXPECT_EQ(deep.value, (std::vector<double>{100, 110}));
}

TEST(ReadPlainLog, ReadsNumbersAcrossBlanksTabsCommasAndEmptyLines) {
    const DepthLog log = Read("\n  1000\t100\n\n1000.5,105  1001 ,110\n1001.5");
    EXPECT_EQ(log.depth,
              (std::vector<double>{1000, 1000.5, 1001}));  // a lone last depth is dropped
    EXPECT_EQ(log.value, (std::vector<double>{100, 105, 110}));
    EXPECT_FALSE(log.decreasing);
}

TEST(ReadPlainLog, SortsALogListedFromTheBottomUp) {
    DepthLog log = Read("1002 120\n1001 110\n1000 100\n1001.5 115\n");
    EXPECT_TRUE(log.decreasing);
    NoProgress progress;
    SortDepthLog(log, progress);
    EXPECT_EQ(log.depth, (std::vector<double>{1000, 1001, 1001.5, 1002}));
    EXPECT_EQ(log.value, (std::vector<double>{100, 110, 115, 120}));
}

TEST(ReadPlainLog, MergesPairsTwoByTwoInFilesOfMoreThan32766Lines) {
    // 40000 pairs half a foot apart, the values alternating 100 and 200.
    std::string text;
    for (int k = 0; k < 40000; ++k) {
        text += std::to_string(k * 0.5) + " " + (k % 2 == 0 ? "100" : "200") + "\n";
    }
    const DepthLog log = Read(text);
    ASSERT_EQ(log.Count(), 20000);
    // Each merged pair lies at the shallower depth and averages the two values by interval.
    EXPECT_EQ(log.depth[0], 0.0);
    EXPECT_EQ(log.value[0], 150.0);
    EXPECT_EQ(log.depth[12345], 12345.0);
    EXPECT_EQ(log.value[12345], 150.0);
    // The last pair has no interval after it and keeps its first value.
    EXPECT_EQ(log.depth[19999], 19999.0);
    EXPECT_EQ(log.value[19999], 100.0);
}

TEST(ReadPlainLog, FailsWithAReasonTheBatchToolCanShow) {
    NoProgress progress;
    try {
        ReadPlainLogText("1000 100\n1001 1l0\n", "well.dt", progress);
        ADD_FAILURE();
    } catch (const ImportError& e) {
        EXPECT_STREQ(e.what(),
                     "The file \"well.dt\" holds \"1l0\" on line 2 where a number should be.");
        EXPECT_EQ(e.Title(), "");  // the program itself ends the import quietly
    }
    std::string tooLong;
    for (int k = 0; k < 70000; ++k) {
        tooLong += std::to_string(k) + " 100\n";
    }
    EXPECT_THROW(ReadPlainLogText(tooLong, "well.dt", progress), ImportError);
    EXPECT_THROW(ReadPlainLog(test::DataPath("no such file.dt"), progress), ImportError);
}

}  // namespace
}  // namespace tessarin
