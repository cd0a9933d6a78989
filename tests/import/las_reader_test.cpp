#include "import/las_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "import/file_bytes.h"
#include "import/import_test_support.h"

namespace tessarin {
namespace {

using test::DataPath;
using test::SmallLasWith;

TEST(ReadTextLine, DropsLineFeedAndCarriageReturnAndKeepsRealPositions) {
    const std::string bytes = "one\r\ntwo\nthree\rstill three\nlast";
    std::size_t position = 0;
    EXPECT_EQ(ReadTextLine(bytes, position), "one");
    EXPECT_EQ(position, 5u);
    EXPECT_EQ(ReadTextLine(bytes, position), "two");
    EXPECT_EQ(ReadTextLine(bytes, position), "three\rstill three");
    EXPECT_EQ(position, 27u);
    EXPECT_EQ(ReadTextLine(bytes, position), "last");
    EXPECT_EQ(ReadTextLine(bytes, position), "");  // at the end the line comes back empty
    EXPECT_EQ(position, bytes.size());
}

// A file read from the disk keeps only its header in memory and reads its data a block at a time;
// every result must be that of the same bytes held in memory, across block boundaries.
TEST(LasFile, ReadFromTheDiskGivesWhatTheSameBytesInMemoryGive) {
    for (const char* name : {"F03-4_logs.las", "P-135_time.LAS", "example_1.las", "sample.las"}) {
        const LasFile disk = LoadLasFile(DataPath(name));
        const LasFile memory(DataPath(name), ReadFileBytes(DataPath(name)));
        EXPECT_FALSE(disk.InMemory()) << name;
        EXPECT_EQ(disk.Header(), memory.Header()) << name;
        const LasHeader h = ReadLasHeader(disk);
        const LasHeader m = ReadLasHeader(memory);
        EXPECT_EQ(h.dataLineCount, m.dataLineCount) << name;
        EXPECT_EQ(h.recordLength, m.recordLength) << name;
        NoProgress progress;
        const LasCurveChoice all{2, -1e9, 1e9};
        EXPECT_EQ(ReadLasCurve(disk, h, all, progress).log.depth,
                  ReadLasCurve(memory, m, all, progress).log.depth)
            << name;
        EXPECT_EQ(ReadLasCurve(disk, h, all, progress).log.value,
                  ReadLasCurve(memory, m, all, progress).log.value)
            << name;
        for (int scroll : {0, 7, h.scroll.maximum / 2, h.scroll.maximum}) {
            EXPECT_EQ(RefreshLasViewer(disk, h, scroll, 1), RefreshLasViewer(memory, m, scroll, 1))
                << name << " " << scroll;
        }
    }
}

TEST(LasFile, ReadsADataLineLongerThanABlock) {
    const auto path = std::filesystem::temp_directory_path() / "tessarin-long-line.las";
    std::string longLine = "1001.0";
    for (int i = 0; i < 60000; ++i) {
        longLine += " 300.0";  // 360 kB of values on one line
    }
    std::ofstream(path, std::ios::binary)
        << *test::SmallLasWithData("~A\n1000.0 300 2.4\n" + longLine + "\n").InMemory();
    const LasFile file = LoadLasFile(path.string());
    NoProgress progress;
    test::ExpectImportError(
        [&] {
            ReadLasCurve(file, ReadLasHeader(file), {1, 0, 5000}, progress);
        },
        path.string() +
            ": Error reading LAS file: line 2 of the data has 60001 values where the curves list "
            "3.",
        "File Format Error");
    std::filesystem::remove(path);
}

TEST(ReadLasHeader, ReadsTheCanonicalLas12Example) {
    const LasHeader h = ReadLasHeader(LoadLasFile(DataPath("sample.las")));
    EXPECT_EQ(h.startDepth, 1670.0);
    EXPECT_EQ(h.stopDepth, 1669.75);
    EXPECT_EQ(h.nullValue, -999.25);
    // STOP above STRT: the start box shows the smaller depth.
    EXPECT_EQ(h.startDepthText, "1669.75");
    EXPECT_EQ(h.stopDepthText, "1670");
    ASSERT_EQ(h.curveEntries.size(), 8u);
    EXPECT_EQ(h.LastCurveIndex(), 7);
    EXPECT_EQ(h.curveEntries[1], " DT  .US/M     \t\t     :  2  SONIC TRANSIT TIME");
    EXPECT_EQ(h.dataLineCount, 3);
    EXPECT_EQ(h.caption, "Import LAS File " + DataPath("sample.las"));
    EXPECT_EQ(h.selectedCurve, 1);
    // Mnemonics match in any case (other cases are found in the import tests).
    EXPECT_EQ(FindLasCurve(h, "ild"), 7);
    EXPECT_EQ(FindLasCurve(h, "sonic"), std::nullopt);
}

TEST(ReadLasHeader, MeasuresTheDataSectionInRealBytesWhateverTheLineEnds) {
    struct Case {
        const char* file;
        int lines;
        std::size_t recordLength;
        int scrollMaximum, largeChange;
    };
    // Lines and lengths counted in the files themselves; P-135 ends its lines in CR LF, the
    // others in LF alone.
    for (const Case& c :
         {Case{"P-135_time.LAS", 4951, 54, 495, 25}, Case{"F03-4_logs.las", 12467, 135, 1247, 100},
          Case{"example_1.las", 2096, 182, 210, 25}}) {
        const std::string bytes = ReadFileBytes(DataPath(c.file));
        const LasHeader h = ReadLasHeader(LoadLasFile(DataPath(c.file)));
        EXPECT_EQ(h.dataOffset, bytes.find('\n', bytes.find("\n~A") + 1) + 1) << c.file;
        EXPECT_EQ(h.recordLength, c.recordLength) << c.file;
        EXPECT_EQ(h.dataLineCount, c.lines) << c.file;
        EXPECT_EQ(h.scroll.maximum, c.scrollMaximum) << c.file;
        EXPECT_EQ(h.scroll.largeChange, c.largeChange) << c.file;
    }
    // 25 data lines: a maximum of 2.5 rounds to the even 2.
    std::string lines = "~A\n";
    for (int i = 0; i < 25; ++i) {
        lines += std::to_string(1000 + i) + " 300 2.4\n";
    }
    const LasHeader h = ReadLasHeader(test::SmallLasWithData(lines));
    EXPECT_EQ(h.dataLineCount, 25);
    EXPECT_EQ(h.scroll.maximum, 2);
    EXPECT_EQ(h.scroll.largeChange, 2);
}

// Wrapped files and files missing an item fail (the real files are refused in the import tests).
TEST(ReadLasHeader, RefusesWrappedFilesAndMissingItemsInsteadOfSearchingForever) {
    const std::string wrap = " WRAP.   NO  : ONE LINE PER DEPTH\n";
    const std::string wrapped = test::Wrapped("memory.las");
    const auto notStandard = [](const std::string& cause) {
        return test::NotStandard("memory.las", cause);
    };
    const struct {
        std::string from, to;
        std::string message;
    } rows[] = {
        {wrap, " WRAP.   Yes : wrapped\n", wrapped},
        // A blank before the dot, as many archives write it, or none after it: the value
        // between the dot and the colon says YES.
        {wrap, " WRAP .   YES : Multiple lines per depth step\n", wrapped},
        {wrap, " WRAP.YES: Multiple lines per depth step\n", wrapped},
        {wrap, " WRAP   YES\n", notStandard("the WRAP line has no colon")},
        {" STEP. 0.5 :\n", "", notStandard("no STEP line in the header")},
        {"NULL.   -999.25:\n", "", notStandard("no NULL line in the header")},
        {"~C\n", "", notStandard("no ~C section, the list of curves")},
        {" DT  .US/M : SONIC\n RHOB.G/C3 : DENSITY\n", "",
         notStandard("the ~C section lists no curve after the depth")},
        {"~A\n", "", notStandard("no ~A section, the data")},
        {test::kSmallLas, "", notStandard("no WRAP line in the header")},
        // Two blanks before STRT: not found.
        {" STRT", "   STRT", notStandard("no STRT line in the header")},
        {"1000.0000 :", "deep :",
         notStandard("the STRT line holds \"deep\" where a number should be")},
    };
    for (const auto& row : rows) {
        test::ExpectImportError([&] { ReadLasHeader(SmallLasWith(row.from, row.to)); }, row.message,
                                "File Format Error", row.from + " -> " + row.to);
    }
    test::ExpectImportError([] { ReadLasHeader(test::SmallLasWithData("~A\n\n")); },
                            notStandard("no data lines after ~A"), "File Format Error",
                            "no data lines");
    for (const char* notWrapped : {" WRAP.   Y : one line\n", " WRAP.  TRUE : one line\n",
                                   " WRAP .   NO : one line\n", " WRAP.NO: one line\n"}) {
        EXPECT_NO_THROW(ReadLasHeader(SmallLasWith(wrap, notWrapped))) << notWrapped;
    }
}

TEST(ReadLasHeader, GivesTheLongLineMessageForAFileWithoutLineFeeds) {
    std::string text = test::kSmallLas;
    std::replace(text.begin(), text.end(), '\n', '\r');  // old Macintosh line ends: one line
    text += std::string(70000, ' ');
    test::ExpectImportError(
        [&] {
            ReadLasHeader(LasFile{"memory.las", text});
        },
        "memory.las: This file is not in standard LAS 1.2 or 2.0 format: line 1 is longer than "
        "65535 characters.  Please open this LAS file in a word processor such as Microsoft Word, "
        "make the page width wide enough so that there is one depth per line on screen in the "
        "data section of the file, and save as 'text with line breaks'.  Try to import the new "
        "file.",
        "File Format Error");
}

TEST(ReadLasHeader, TakesTheLastTokenBeforeTheColon) {
    const LasHeader h = ReadLasHeader(SmallLasWith());
    EXPECT_EQ(h.startDepth, 1000.0);
    EXPECT_EQ(h.stopDepth, 1002.0);
    EXPECT_EQ(h.nullValue, -999.25);
    EXPECT_EQ(h.startDepthText, "1000");
}

TEST(ReadLasHeader, ListsEmptyCurveLinesButNotComments) {
    const LasHeader h =
        ReadLasHeader(SmallLasWith(" DT  .US/M : SONIC\n", "# a comment\n DT.US/M : SONIC\n\n"));
    ASSERT_EQ(h.curveEntries.size(), 4u);
    EXPECT_EQ(h.curveEntries[2], "");
    EXPECT_EQ(h.LastCurveIndex(), 3);
    // The empty line stands for no column: RHOB is still the third column.
    EXPECT_EQ(h.curveColumns, (std::vector<int>{0, 1, -1, 2}));
    EXPECT_EQ(FindLasCurve(h, "rhob"), 3);
}

TEST(RefreshLasViewer, ShowsElevenLinesOfDepthAndTheChosenColumn) {
    const LasFile file = LoadLasFile(DataPath("P-135_time.LAS"));
    const LasHeader h = ReadLasHeader(file);
    const std::string top = RefreshLasViewer(file, h, 0, 1);
    EXPECT_EQ(top.substr(0, 39), std::string(11, ' ') + "\n 197.51040000  -999.250000\n");
    EXPECT_EQ(std::count(top.begin(), top.end(), '\n'), 12);
    EXPECT_NE(top.find(" 199.03440000  -999.250000\n"), std::string::npos);  // line 11
    // Scroll value 2 starts at data line 21; the density column is column 2.
    EXPECT_EQ(RefreshLasViewer(file, h, 2, 2).substr(12, 27), " 200.55840000 3.0003230572\n");
    // The last scroll value shows the last eleven lines.
    const std::string bottom = RefreshLasViewer(file, h, h.scroll.maximum, 1);
    EXPECT_EQ(bottom.substr(bottom.size() - 27), " 951.89040000 61.961086273\n");
    EXPECT_EQ(bottom.substr(12, 27), " 950.36640000 61.961086273\n");
    // Line-feed endings, and files of fewer than eleven lines.
    const LasFile f03 = LoadLasFile(DataPath("F03-4_logs.las"));
    EXPECT_EQ(RefreshLasViewer(f03, ReadLasHeader(f03), 1, 2).substr(12, 35),
              "       31.5000            508.4069\n");
    const LasFile sample = LoadLasFile(DataPath("sample.las"));
    EXPECT_EQ(RefreshLasViewer(sample, ReadLasHeader(sample), 0, 2),
              "   \n1670.000 2550.000\n1669.875 2550.000\n1669.750 2550.000\n");
}

}  // namespace
}  // namespace tessarin
