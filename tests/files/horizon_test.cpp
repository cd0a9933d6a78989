#include <gtest/gtest.h>

#include <tuple>

#include "core_test_support.h"
#include "files/horizon_file.h"
#include "files/horizon_table.h"
#include "files/open_project.h"

namespace tessarin::test {
namespace {

// A log from 1000 to 2000 ft (11 samples, 100 apart).
Project LogProject() {
    Project p;
    p.lastSampleIndex = 10;
    for (int i = 0; i <= 10; ++i)
        p.timeDepth.push_back(1000.0 + 100.0 * i);
    return p;
}

// Dialog rows and tables are written "name@depth|name@depth|...".
HorizonRows Rows(const std::string& text) {
    HorizonRows rows;
    std::istringstream in(text);
    std::string item;
    for (std::size_t i = 0; std::getline(in, item, '|'); ++i)
        rows[i] = {item.substr(0, item.find('@')), item.substr(item.find('@') + 1)};
    return rows;
}

// The entries 1 to horizonCount; the entry after them must be empty.
std::string TableOf(const Project& p) {
    std::string table;
    for (int k = 1; k <= p.horizonCount; ++k)
        table += (k > 1 ? "|" : "") + p.horizonNames[k] + "@" + p.horizonDepths[k].ToText();
    EXPECT_EQ(p.horizonNames[p.horizonCount + 1], "");
    EXPECT_TRUE(p.horizonDepths[p.horizonCount + 1].IsEmpty());
    return table;
}

std::string Written(const Project& p) {
    std::ostringstream out;
    WriteHorizonFile(p, out);
    return out.str();
}

std::vector<HorizonEntry> Read(Project& p, const std::string& text) {
    std::istringstream in(text);
    return ReadHorizonFile(p, in);
}

TEST(HorizonTable, OkSortsTheRowsWithADepthAndRefusesADepthThatIsNoNumber) {
    Project p = LogProject();
    BuildHorizonTable(
        p,
        Rows("Top A@1500|@1200|Named only@|start of log@1000|end of log@2000|Base, shale@1234.6"));
    const std::string built =
        "start of log@1000|@1200|Base, shale@1234.6|Top A@1500|end of log@2000";
    EXPECT_EQ(TableOf(p), built);
    EXPECT_EQ(ErrorOf([&] { BuildHorizonTable(p, Rows("A@1200|@|B@12OO")); }),
              "The depth \"12OO\" in row 3 is not a number.");
    EXPECT_EQ(TableOf(p), built);
}

TEST(HorizonTable, DepthCheckAgainstTheLog) {
    // A depth is compared in single precision: 2000.00001 is 2000, the log's end. Before an
    // import the log is one sample at depth 0, and every number is accepted.
    const Project log = LogProject(), reset;
    const std::tuple<const Project&, const char*, DepthCheck> rows[] = {
        {log, "", DepthCheck::kAccepted},           {log, "1000", DepthCheck::kAccepted},
        {log, "2000.00001", DepthCheck::kAccepted}, {log, "999.9", DepthCheck::kOutsideLog},
        {log, "2001", DepthCheck::kOutsideLog},     {log, "top", DepthCheck::kNotANumber},
        {reset, "1500", DepthCheck::kAccepted},     {reset, "top", DepthCheck::kNotANumber},
    };
    for (const auto& [project, depth, expected] : rows)
        EXPECT_EQ(CheckHorizonDepth(project, depth), expected) << depth;
}

TEST(HorizonFile, SavesEveryTopButTheLogEndsAndOpensThemAgain) {
    // With the rows of the log ends emptied, the first and last tops are tops like the others;
    // a log end that was renamed is the user's top.
    const std::pair<const char*, const char*> saves[] = {
        {"end of log@2000|Top A  (sand)@1500|start of log@1000|Base, lower@1234.6|@1800",
         "1235          Base, lower\r\n1500          Top A  (sand)\r\n1800          \r\n"},
        {"Top A@1100|Top C@1900", "1100          Top A\r\n1900          Top C\r\n"},
        {"Base Chalk@1000|Top B@1500|end of log@2000",
         "1000          Base Chalk\r\n1500          Top B\r\n"},
    };
    for (const auto& [rows, file] : saves) {
        Project p = LogProject();
        BuildHorizonTable(p, Rows(rows));
        EXPECT_EQ(Written(p), file) << rows;
    }

    // Opened, the tops follow the log's ends until OK sorts them.
    Project p = LogProject();
    Read(p, saves[0].second);
    const std::string opened =
        "start of log@1000|end of log@2000|Base, lower@1235|Top A  (sand)@1500|@1800";
    EXPECT_EQ(TableOf(p), opened);
    const HorizonRows rows = RowsFromHorizonTable(p);
    EXPECT_EQ(rows, Rows(opened));
    BuildHorizonTable(p, rows);
    EXPECT_EQ(TableOf(p),
              "start of log@1000|Base, lower@1235|Top A  (sand)@1500|@1800|end of log@2000");

    // Line feeds alone end lines too, blank lines are skipped, a comma may separate.
    p = LogProject();
    Read(p, "1300 Shale\n\n  1400,Chalk\n1500\n");
    EXPECT_EQ(TableOf(p), "start of log@1000|end of log@2000|Shale@1300|Chalk@1400|@1500");

    // Through a file on disk, names keep their blanks and commas, depths become whole.
    TempDir dir;
    BuildHorizonTable(p, Rows("Niobrara, upper@1250.4|Greenhorn  shale  @1444"));
    SaveHorizonFile(p, dir.File("well.hor"));
    LoadHorizonFile(p, dir.File("well.hor"));
    EXPECT_EQ(p.horizonFileName, dir.File("well.hor"));
    EXPECT_EQ(TableOf(p),
              "start of log@1000|Niobrara, upper@1250|Greenhorn  shale  @1444|end of log@2000");
}

TEST(HorizonFile, TopsOutsideTheLogAreLeftOutAndNamed) {
    // A tops list reaching above and below the logged 1000 to 2000 ft, out of order.
    Project p = LogProject();
    const std::vector<HorizonEntry> left = Read(
        p,
        "2500          Basement\r\n1500          Middle\r\n0             Kelly, bushing\r\n"
        "2000          At the base\r\n999.99        Just above\r\n1000          At the top\r\n");
    EXPECT_EQ(left, (std::vector<HorizonEntry>{{"Basement", Value(2500)},
                                               {"Kelly, bushing", Value(0)},
                                               {"Just above", Value(999.99)}}));
    EXPECT_EQ(HorizonsLeftOutMessage(p, left),
              "3 horizons lie outside the log (1000 to 2000 ft) and were left out: \"Basement\" "
              "at 2500 ft, \"Kelly, bushing\" at 0 ft, \"Just above\" at 999.99 ft.");
    p.measurementUnits = kMetric;
    p.timeDepth.back() = 1999.996123;  // a log end from the time samples: shown to the hundredth
    EXPECT_EQ(HorizonsLeftOutMessage(p, {left[0]}),
              "The horizon \"Basement\" at 2500 m lies outside the log (1000 to 2000 m) and was "
              "left out.");
    p.timeDepth.back() = 2000;

    // Tops at the log's very ends stay, inside the log-end entries once sorted.
    SortHorizonsByDepth(p);
    EXPECT_EQ(TableOf(p),
              "start of log@1000|At the top@1000|Middle@1500|At the base@2000|end of log@2000");

    // Tops at one depth keep the order they were given in, so that a save and a reopen, which
    // sort again, never shuffle them.
    p = LogProject();
    Read(p, "1500  MFS9\r\n1500  MFS8\r\n1500  MFS10\r\n1200  Upper\r\n1500  FS7\r\n");
    const std::string sorted =
        "start of log@1000|Upper@1200|MFS9@1500|MFS8@1500|MFS10@1500|FS7@1500|end of log@2000";
    SortHorizonsByDepth(p);
    EXPECT_EQ(TableOf(p), sorted);
    SortHorizonsByDepth(p);
    EXPECT_EQ(TableOf(p), sorted);
}

TEST(HorizonFile, EighteenHorizonsLoadAndABadFileLeavesAnEmptyTable) {
    // Tops outside the log do not count against the eighteen.
    std::string text = "100           Above\r\n2100          Below\r\n";
    for (int i = 1; i <= 18; ++i)
        text += std::to_string(1000 + 50 * i) + "          H\r\n";
    Project p = LogProject();
    EXPECT_EQ(Read(p, text).size(), 2u);
    EXPECT_EQ(p.horizonCount, 20);
    const std::pair<std::string, std::string> refused[] = {
        {text + "1990  One too many\r\n", "it holds more than 18 horizons within the log."},
        {"Top B  1300\r\n", "line 1 holds \"Top\" where a depth should be."},
        {"1200 Top\n" + std::string(70000, ' '), "line 2 is longer than 65536 characters."}};
    for (const auto& [bad, cause] : refused) {
        EXPECT_EQ(ErrorOf([&] { Read(p, bad); }),
                  "This is not a valid Tessarin horizon file: " + cause);
        EXPECT_EQ(TableOf(p), "");
        BuildHorizonTable(p, Rows("Kept?@1400"));
    }
    EXPECT_NE(ErrorOf([&] { OpenHorizonFile(p, "/nonexistent/well.hor"); }), "");
    EXPECT_EQ(TableOf(p), "");
    EXPECT_EQ(p.horizonFileName, "/nonexistent/well.hor");
}

}  // namespace
}  // namespace tessarin::test
