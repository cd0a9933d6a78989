#include "import/plain_log.h"

#include <gtest/gtest.h>

#include "core_test_support.h"

namespace tessarin::test {
namespace {

DepthLog Read(const std::string& text) {
    NoProgress quiet;
    return ReadPlainLogText(text, "well.dt", quiet);
}

TEST(ReadPlainLog, SkipsATitleLineAndReadsNumbersAcrossBlanksTabsCommasAndEmptyLines) {
    using V = std::vector<double>;
    const struct {
        const char* text;
        V depths, values;
        bool decreasing;
    } rows[] = {
        {"Sonic of well seven\n1000 100\n1001 110\n", {1000, 1001}, {100, 110}, false},
        // A comma in the title does not bring the rest of the title into the data.
        {"Sonic, well 7, 1998\r\n1000, 100\r\n1001, 110\r\n", {1000, 1001}, {100, 110}, false},
        // Two numbers on the first line: no title; a first depth beyond 32767 is no title either.
        {"1000 100\n1001 110\n", {1000, 1001}, {100, 110}, false},
        {"35000 100\n35000.5 110\n", {35000, 35000.5}, {100, 110}, false},
        // A lone last depth is dropped.
        {"\n  1000\t100\n\n1000.5,105  1001 ,110\n1001.5",
         {1000, 1000.5, 1001},
         {100, 105, 110},
         false},
        {"1002 120\n1001 110\n1000 100\n1001.5 115\n",
         {1002, 1001, 1000, 1001.5},
         {120, 110, 100, 115},
         true},
    };
    for (const auto& row : rows) {
        const DepthLog log = Read(row.text);
        EXPECT_EQ(log.depth, row.depths) << row.text;
        EXPECT_EQ(log.value, row.values) << row.text;
        EXPECT_EQ(log.decreasing, row.decreasing) << row.text;
    }
    DepthLog log = Read(rows[5].text);
    NoProgress quiet;
    SortDepthLog(log, quiet);
    EXPECT_EQ(log.depth, (std::vector<double>{1000, 1001, 1001.5, 1002}));
    EXPECT_EQ(log.value, (std::vector<double>{100, 110, 115, 120}));
}

TEST(ReadPlainLog, MergesPairsTwoByTwoInFilesOfMoreThan32766Lines) {
    // 40000 pairs half a foot apart, the values alternating 100 and 200. Each merged pair lies at
    // the shallower depth and averages the two values by interval; the last pair has no interval
    // after it and keeps its first value.
    std::string text;
    for (int k = 0; k < 40000; ++k)
        text += std::to_string(k * 0.5) + " " + (k % 2 == 0 ? "100" : "200") + "\n";
    const DepthLog log = Read(text);
    ASSERT_EQ(log.Count(), 20000);
    for (const auto& [i, value] :
         {std::pair<std::size_t, double>{0, 150}, {12345, 150}, {19999, 100}}) {
        EXPECT_EQ(log.depth[i], static_cast<double>(i)) << i;
        EXPECT_EQ(log.value[i], value) << i;
    }
}

TEST(ReadPlainLog, FailsWithAReasonTheBatchToolCanShow) {
    // An empty title: the program itself ends the import quietly.
    ExpectImportError([] { Read("1000 100\n1001 1l0\n"); },
                      "The file \"well.dt\" holds \"1l0\" on line 2 where a number should be.", "");
    std::string tooLong;
    for (int k = 0; k < 70000; ++k)
        tooLong += std::to_string(k) + " 100\n";
    EXPECT_NE(ErrorOf([&] { Read(tooLong); }), "");
    NoProgress quiet;
    EXPECT_NE(ErrorOf([&] { ReadPlainLog(DataPath("no such file.dt"), quiet); }), "");
}

}  // namespace
}  // namespace tessarin::test
