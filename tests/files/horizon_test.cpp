#include <gtest/gtest.h>

#include <sstream>

#include "files/export_fixture.h"
#include "files/horizon_file.h"
#include "files/horizon_table.h"
#include "files/open_project.h"
#include "model/error.h"

namespace tessarin::test {
namespace {

// A log from 1000 to 2000 (11 samples, 100 apart).
Project LogProject() {
    Project p;
    p.lastSampleIndex = 10;
    for (int i = 0; i <= 10; ++i)
        p.timeDepth.push_back(1000.0 + 100.0 * i);
    return p;
}

HorizonRows Rows(std::initializer_list<HorizonRow> filled) {
    HorizonRows rows;
    std::copy(filled.begin(), filled.end(), rows.begin());
    return rows;
}

using Entries = std::vector<std::pair<std::string, double>>;

// The table entries 1 to horizonCount; the entry after them must be empty.
Entries TableOf(const Project& p) {
    Entries entries;
    for (int k = 1; k <= p.horizonCount; ++k)
        entries.emplace_back(p.horizonNames[k], p.horizonDepths[k].Number());
    EXPECT_EQ(p.horizonNames[p.horizonCount + 1], "");
    EXPECT_TRUE(p.horizonDepths[p.horizonCount + 1].IsEmpty());
    return entries;
}

std::string WrittenHorizonFile(const Project& p) {
    std::ostringstream out;
    WriteHorizonFile(p, out);
    return out.str();
}

std::vector<HorizonEntry> ReadHorizons(Project& p, const std::string& text) {
    std::istringstream in(text);
    return ReadHorizonFile(p, in);
}

TEST(HorizonTable, OkBuildsSortedEntriesFromTheRowsWithADepth) {
    Project p = LogProject();
    BuildHorizonTable(p, Rows({{"Top A", "1500"},
                               {"", "1200"},
                               {"Named only", ""},
                               {"start of log", "1000"},
                               {"end of log", "2000"},
                               {"Base, lower  shale", "1234.6"}}));
    EXPECT_EQ(TableOf(p), (Entries{{"start of log", 1000},
                                   {"", 1200},
                                   {"Base, lower  shale", 1234.6},
                                   {"Top A", 1500},
                                   {"end of log", 2000}}));
    // Equal depths both remain.
    BuildHorizonTable(p, Rows({{"B", "1300"}, {"A", "1300"}, {"C", "1100"}}));
    const Entries equal = TableOf(p);
    ASSERT_EQ(equal.size(), 3u);
    EXPECT_EQ(equal[0], (std::pair<std::string, double>{"C", 1100}));
    EXPECT_EQ(equal[1].second, 1300);
    EXPECT_EQ(equal[2].second, 1300);
    EXPECT_NE(equal[1].first, equal[2].first);
}

TEST(HorizonTable, ADepthThatIsNoNumberIsRefusedAndChangesNothing) {
    Project p = LogProject();
    BuildHorizonTable(p, Rows({{"Kept", "1400"}}));
    try {
        BuildHorizonTable(p, Rows({{"A", "1200"}, {"", ""}, {"B", "12OO"}}));
        FAIL() << "a depth of 12OO was accepted";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "The depth \"12OO\" in row 3 is not a number.");
    }
    EXPECT_EQ(TableOf(p), (Entries{{"Kept", 1400}}));
}

TEST(HorizonTable, DepthCheckAgainstTheLog) {
    const Project log = LogProject();
    const Project reset;  // one sample at depth 0 before an import: nothing to check against
    const struct {
        const Project& project;
        const char* depth;
        DepthCheck expected;
    } rows[] = {
        {log, "", DepthCheck::kAccepted},           {log, "1000", DepthCheck::kAccepted},
        {log, "2000", DepthCheck::kAccepted},       {log, "1500.5", DepthCheck::kAccepted},
        {log, "999.9", DepthCheck::kOutsideLog},    {log, "2001", DepthCheck::kOutsideLog},
        {log, "2000.00001", DepthCheck::kAccepted},  // single precision: 2000, the log's end
        {log, "top", DepthCheck::kNotANumber},      {reset, "1500", DepthCheck::kAccepted},
        {reset, "top", DepthCheck::kNotANumber},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(CheckHorizonDepth(row.project, row.depth), row.expected)
            << row.depth << (&row.project == &reset ? " before an import" : "");
    }
}

TEST(HorizonFile, SavesTheHorizonsBetweenTheLogEnds) {
    Project p = LogProject();
    BuildHorizonTable(p, Rows({{"end of log", "2000"},
                               {"Top A  (sand)", "1500"},
                               {"start of log", "1000"},
                               {"Base, lower", "1234.6"},
                               {"", "1800"}}));
    EXPECT_EQ(WrittenHorizonFile(p),
              "1235          Base, lower\r\n"
              "1500          Top A  (sand)\r\n"
              "1800          \r\n");
    BuildHorizonTable(p, Rows({{"start of log", "1000"}, {"end of log", "2000"}}));
    EXPECT_EQ(WrittenHorizonFile(p), "");

    // With the rows of the log ends emptied, the first and last tops are tops like the others.
    BuildHorizonTable(p, Rows({{"Top A", "1100"}, {"Top B", "1500"}, {"Top C", "1900"}}));
    EXPECT_EQ(WrittenHorizonFile(p),
              "1100          Top A\r\n"
              "1500          Top B\r\n"
              "1900          Top C\r\n");
    // A log end that was renamed is the user's top; only the one still so named is left out.
    BuildHorizonTable(p, Rows({{"Base Chalk", "1000"}, {"Top B", "1500"}, {"end of log", "2000"}}));
    EXPECT_EQ(WrittenHorizonFile(p),
              "1000          Base Chalk\r\n"
              "1500          Top B\r\n");
}

TEST(HorizonFile, OpenedHorizonsFollowTheLogEntriesUntilSorted) {
    Project p = LogProject();
    ReadHorizons(p,
                 "1235          Base, lower\r\n1500          Top A  (sand)\r\n1800          \r\n");
    EXPECT_EQ(TableOf(p), (Entries{{"start of log", 1000},
                                   {"end of log", 2000},
                                   {"Base, lower", 1235},
                                   {"Top A  (sand)", 1500},
                                   {"", 1800}}));
    const HorizonRows rows = RowsFromHorizonTable(p);
    EXPECT_EQ(rows[0], (HorizonRow{"start of log", "1000"}));
    EXPECT_EQ(rows[1], (HorizonRow{"end of log", "2000"}));
    EXPECT_EQ(rows[4], (HorizonRow{"", "1800"}));
    EXPECT_EQ(rows[5], (HorizonRow{"", ""}));

    BuildHorizonTable(p, rows);  // OK
    EXPECT_EQ(p.horizonNames[2], "Base, lower");
    EXPECT_EQ(p.horizonNames[5], "end of log");

    // Line feeds alone end lines too, blank lines are skipped, a comma may separate.
    p = LogProject();
    ReadHorizons(p, "1300 Shale\n\n  1400,Chalk\n1500\n");
    EXPECT_EQ(TableOf(p), (Entries{{"start of log", 1000},
                                   {"end of log", 2000},
                                   {"Shale", 1300},
                                   {"Chalk", 1400},
                                   {"", 1500}}));
}

TEST(HorizonFile, RoundTripKeepsNamesAndWholeDepths) {
    TempDir dir;
    Project saved = LogProject();
    BuildHorizonTable(saved, Rows({{"start of log", "1000"},
                                   {"Niobrara, upper", "1250.4"},
                                   {"Greenhorn  shale  ", "1444"},
                                   {"Dakota", "1900"},
                                   {"end of log", "2000"}}));
    SaveHorizonFile(saved, dir.File("well.hor"));

    Project opened = LogProject();
    OpenHorizonFile(opened, dir.File("well.hor"));
    EXPECT_EQ(opened.horizonFileName, dir.File("well.hor"));
    SortHorizonsByDepth(opened);  // as OK does
    EXPECT_EQ(TableOf(opened), (Entries{{"start of log", 1000},
                                        {"Niobrara, upper", 1250},
                                        {"Greenhorn  shale  ", 1444},
                                        {"Dakota", 1900},
                                        {"end of log", 2000}}));
}

TEST(HorizonFile, TopsOutsideTheLogAreLeftOutAndNamed) {
    // A tops list reaching above and below the logged 1000 to 2000 ft, out of order.
    Project p = LogProject();
    p.measurementUnits = kEnglish;
    const std::vector<HorizonEntry> left = ReadHorizons(p,
                                                        "2500          Basement\r\n"
                                                        "1500          Middle\r\n"
                                                        "0             Kelly, bushing\r\n"
                                                        "2000          At the base\r\n"
                                                        "999.99        Just above\r\n"
                                                        "1000          At the top\r\n");
    EXPECT_EQ(left, (std::vector<HorizonEntry>{{"Basement", Value(2500)},
                                               {"Kelly, bushing", Value(0)},
                                               {"Just above", Value(999.99)}}));
    EXPECT_EQ(HorizonsLeftOutMessage(p, left),
              "3 horizons lie outside the log (1000 to 2000 ft) and were left out: \"Basement\" "
              "at 2500 ft, \"Kelly, bushing\" at 0 ft, \"Just above\" at 999.99 ft.");
    EXPECT_EQ(HorizonsLeftOutMessage(p, {left[0]}),
              "The horizon \"Basement\" at 2500 ft lies outside the log (1000 to 2000 ft) and was "
              "left out.");

    // Tops at the log's very ends stay, inside the log-end entries once sorted.
    SortHorizonsByDepth(p);
    EXPECT_EQ(TableOf(p), (Entries{{"start of log", 1000},
                                   {"At the top", 1000},
                                   {"Middle", 1500},
                                   {"At the base", 2000},
                                   {"end of log", 2000}}));

    // Tops at one depth keep the order they were given in, so that a save and a reopen, which
    // sort again, never shuffle them.
    Project shared = LogProject();
    ReadHorizons(shared,
                 "1500          MFS9\r\n1500          MFS8\r\n1500          MFS10\r\n"
                 "1200          Upper\r\n1500          FS7\r\n");
    SortHorizonsByDepth(shared);
    const Entries once = TableOf(shared);
    EXPECT_EQ(
        std::vector(once.begin() + 1, once.end() - 1),
        (Entries{{"Upper", 1200}, {"MFS9", 1500}, {"MFS8", 1500}, {"MFS10", 1500}, {"FS7", 1500}}));
    SortHorizonsByDepth(shared);
    EXPECT_EQ(TableOf(shared), once);

    // Before a log is loaded there is nothing to compare with: everything is kept.
    Project reset;
    EXPECT_TRUE(ReadHorizons(reset, "2500          Basement\r\n").empty());
    EXPECT_EQ(reset.horizonNames[3], "Basement");
}

TEST(HorizonFile, EighteenHorizonsLoadAndNineteenAreRefused) {
    // Tops outside the log do not count against the eighteen.
    std::string text = "100           Above\r\n";
    for (int i = 1; i <= 18; ++i)
        text += std::to_string(1000 + 50 * i) + "          H\r\n";
    text += "2100          Below\r\n2200          Further below\r\n";
    Project p = LogProject();
    EXPECT_EQ(ReadHorizons(p, text).size(), 3u);
    EXPECT_EQ(p.horizonCount, 20);

    text += "1990          One too many\r\n";
    try {
        ReadHorizons(p, text);
        FAIL() << "a 19th horizon was accepted";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(),
                     "This is not a valid Tessarin horizon file: it holds more than 18 horizons "
                     "within the log.");
    }
    EXPECT_EQ(TableOf(p), Entries{});
    EXPECT_TRUE(p.horizonDepths[3].IsEmpty());
}

TEST(HorizonFile, ABadFileLeavesAnEmptyTable) {
    Project p = LogProject();
    EXPECT_THROW(ReadHorizons(p, "1200          Top\r\nTop B         1300\r\n"), Error);
    EXPECT_EQ(TableOf(p), Entries{});
    try {
        ReadHorizons(p, "1200 Top\n" + std::string(70000, ' '));  // a line without an end
        ADD_FAILURE() << "a line of 70000 characters was read";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(),
                     "This is not a valid Tessarin horizon file: line 2 is longer than "
                     "65536 characters.");
    }
    EXPECT_EQ(p.horizonNames[3], "");

    BuildHorizonTable(p, Rows({{"Kept?", "1400"}}));
    EXPECT_THROW(OpenHorizonFile(p, "/nonexistent/well.hor"), Error);
    EXPECT_EQ(TableOf(p), Entries{});
    EXPECT_EQ(p.horizonFileName, "/nonexistent/well.hor");
}

}  // namespace
}  // namespace tessarin::test
