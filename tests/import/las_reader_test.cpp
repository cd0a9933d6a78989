#include "import/las_reader.h"

#include <gtest/gtest.h>

#include "import/import_error.h"
#include "import/import_test_support.h"

namespace tessarin {
namespace {

using test::DataPath;
using test::LasBuilder;
using test::LasText;

// The exact message and title the reader fails with.
void ExpectHeaderFailure(const LasFile& file, const std::string& message) {
    try {
        ReadLasHeader(file);
        ADD_FAILURE() << "the header of " << file.path << " was read";
    } catch (const ImportError& e) {
        EXPECT_EQ(e.what(), message) << file.path;
        EXPECT_EQ(e.Title(), "File Format Error");
    }
}

TEST(ReadTextLine, DropsLineFeedAndCarriageReturnAndKeepsRealPositions) {
    const std::string bytes = "one\r\ntwo\nthree\rstill three\nlast";
    std::size_t position = 0;
    EXPECT_EQ(ReadTextLine(bytes, position), "one");
    EXPECT_EQ(position, 5u);
    EXPECT_EQ(ReadTextLine(bytes, position), "two");
    EXPECT_EQ(position, 9u);
    EXPECT_EQ(ReadTextLine(bytes, position), "three\rstill three");
    EXPECT_EQ(ReadTextLine(bytes, position), "last");
    EXPECT_EQ(position, bytes.size());
    EXPECT_EQ(ReadTextLine(bytes, position), "");  // at the end the line comes back empty
    EXPECT_EQ(position, bytes.size());
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
    EXPECT_EQ(h.curveEntries[0], " DEPT.M                      :  1  DEPTH");
    EXPECT_EQ(h.curveEntries[1], " DT  .US/M     \t\t     :  2  SONIC TRANSIT TIME");
    EXPECT_EQ(h.dataLineCount, 3);
    EXPECT_EQ(h.caption, "Import LAS File " + DataPath("sample.las"));
    EXPECT_EQ(h.selectedCurve, 1);
}

TEST(ReadLasHeader, MeasuresTheDataSectionInRealBytesWhateverTheLineEnds) {
    struct Case {
        const char* file;
        int lines;
        std::size_t recordLength;
        int scrollMaximum;
        int largeChange;
    };
    // Lines and lengths counted in the files themselves; P-135 ends its lines in CR LF, the
    // others in LF alone.
    for (const Case& c :
         {Case{"P-135_time.LAS", 4951, 54, 495, 25}, Case{"F03-4_logs.las", 12467, 135, 1247, 100},
          Case{"example_1.las", 2096, 182, 210, 25}}) {
        const LasFile file = LoadLasFile(DataPath(c.file));
        const LasHeader h = ReadLasHeader(file);
        const std::size_t tilde = file.bytes.find("\n~A") + 1;
        EXPECT_EQ(h.dataOffset, file.bytes.find('\n', tilde) + 1) << c.file;
        EXPECT_EQ(h.recordLength, c.recordLength) << c.file;
        EXPECT_EQ(h.dataLineCount, c.lines) << c.file;
        EXPECT_EQ(h.scroll.maximum, c.scrollMaximum) << c.file;
        EXPECT_EQ(h.scroll.largeChange, c.largeChange) << c.file;
        EXPECT_EQ(h.scroll.smallChange, 1);
        EXPECT_EQ(h.scroll.minimum, 0);
    }
}

TEST(ReadLasHeader, RefusesWrappedFilesWithTheWrappedModeMessage) {
    const std::string message =
        "LAS file is in the wrapped mode.\r\n\r\nTessarin does not support the LAS wrapped mode.   "
        "Please use an LAS utility, such as REFORMAT.EXE available from the Canadian Well Logging "
        "Society to format this LAS file in the unwrapped mode.";
    ExpectHeaderFailure(LoadLasFile(DataPath("sample_wrapped.las")), message);
    // WRAP says YES although the data is one line per depth: the flag decides.
    ExpectHeaderFailure(LoadLasFile(DataPath("2.las")), message);

    LasBuilder las;
    las.wrap = " WRAP.   Yes : wrapped\n";
    ExpectHeaderFailure(LasText(las.Text()), message);
    for (const char* notWrapped : {" WRAP.   Y : one line\n", " WRAP.  TRUE : one line\n"}) {
        las.wrap = notWrapped;
        EXPECT_NO_THROW(ReadLasHeader(LasText(las.Text()))) << notWrapped;
    }
}

TEST(ReadLasHeader, FailsOnMissingItemsInsteadOfSearchingForever) {
    const std::string message = "This file is not in standard LAS 1.2 or 2.0 format";
    ExpectHeaderFailure(LoadLasFile(DataPath("missing_wrap.las")), message);
    ExpectHeaderFailure(LoadLasFile(DataPath("missing_a_section.las")), message);

    const LasBuilder good;
    const auto without = [&](const std::string& line) {
        std::string text = good.Text();
        text.erase(text.find(line), line.size());
        return LasText(text);
    };
    ExpectHeaderFailure(without(" STEP.M   0.5 : STEP\n"), message);
    ExpectHeaderFailure(without(" NULL.    -999.25 : NULL\n"), message);
    ExpectHeaderFailure(without("~C\n"), message);
    ExpectHeaderFailure(without("~A\n"), message);
    ExpectHeaderFailure(LasText(""), message);

    LasBuilder las;
    las.well.replace(las.well.find(" STRT"), 1, "   ");  // two blanks before STRT: not found
    ExpectHeaderFailure(LasText(las.Text()), message);
    las = LasBuilder();
    las.well.replace(las.well.find("1000.0"), 6, "deep");  // a value that is no number
    ExpectHeaderFailure(LasText(las.Text()), message);
    las = LasBuilder();
    las.data = "~A\n\n";  // no data lines
    ExpectHeaderFailure(LasText(las.Text()), message);
}

TEST(ReadLasHeader, GivesTheLongLineMessageForAFileWithoutLineFeeds) {
    std::string text = LasBuilder().Text();
    for (char& c : text) {
        c = c == '\n' ? '\r' : c;  // old Macintosh line ends: the whole file is one line
    }
    text += std::string(70000, ' ');
    ExpectHeaderFailure(LasText(text),
                        "This file is not in standard LAS 1.2 or 2.0 format.  Please open this LAS "
                        "file in a word processor such as Microsoft Word, make the page width wide "
                        "enough so that there is one depth per line on screen in the data section "
                        "of the file, and save as 'text with line breaks'.  Try to import the new "
                        "file.");
}

TEST(ReadLasHeader, TakesTheLastTokenBeforeTheColon) {
    LasBuilder las;
    las.well =
        "~W\n STRT.M      635.0000 : START DEPTH\n STOP .m  700 :\n STEP. 1 :\n"
        "NULL.   -999.25:\n";
    const LasHeader h = ReadLasHeader(LasText(las.Text()));
    EXPECT_EQ(h.startDepth, 635.0);
    EXPECT_EQ(h.stopDepth, 700.0);
    EXPECT_EQ(h.nullValue, -999.25);
    EXPECT_EQ(h.startDepthText, "635");
}

TEST(ReadLasHeader, ListsEmptyCurveLinesButNotComments) {
    LasBuilder las;
    las.curves = "~C\n DEPT.M : DEPTH\n# a comment\n DT.US/M : SONIC\n\n RHOB.G/C3 : DENSITY\n";
    const LasHeader h = ReadLasHeader(LasText(las.Text()));
    ASSERT_EQ(h.curveEntries.size(), 4u);
    EXPECT_EQ(h.curveEntries[2], "");
    EXPECT_EQ(h.LastCurveIndex(), 3);
    // The empty line stands for no column: RHOB is still the third column.
    EXPECT_EQ(h.curveColumns, (std::vector<int>{0, 1, -1, 2}));
    EXPECT_EQ(FindLasCurve(h, "rhob"), 3);
}

TEST(ReadLasHeader, SetsTheScrollRangeByTheNumberOfDataLines) {
    LasBuilder las;
    las.data = "~A\n";
    for (int i = 0; i < 25; ++i) {
        las.data += std::to_string(1000 + i) + " 300 2.4\n";
    }
    const LasHeader h = ReadLasHeader(LasText(las.Text()));
    EXPECT_EQ(h.dataLineCount, 25);
    EXPECT_EQ(h.scroll.maximum, 2);  // 2.5 rounds to the even 2
    EXPECT_EQ(h.scroll.largeChange, 2);
}

TEST(FindLasCurve, MatchesTheMnemonicInAnyCase) {
    const LasHeader p135 = ReadLasHeader(LoadLasFile(DataPath("P-135_time.LAS")));
    EXPECT_EQ(FindLasCurve(p135, "sonic_despiked"), 1);
    EXPECT_EQ(FindLasCurve(p135, "RHOB_DESPIKED"), 2);
    EXPECT_EQ(FindLasCurve(p135, "dept"), 0);
    EXPECT_EQ(FindLasCurve(p135, "DT"), std::nullopt);
    const LasHeader sample = ReadLasHeader(LoadLasFile(DataPath("sample.las")));
    EXPECT_EQ(FindLasCurve(sample, "DT"), 1);
    EXPECT_EQ(FindLasCurve(sample, "ild"), 7);
}

TEST(RefreshLasViewer, ShowsElevenLinesOfDepthAndTheChosenColumn) {
    const LasFile file = LoadLasFile(DataPath("P-135_time.LAS"));
    const LasHeader h = ReadLasHeader(file);
    const std::string top = RefreshLasViewer(file, h, 0, 1);
    EXPECT_EQ(top.substr(0, 13), std::string(11, ' ') + "\n ");
    EXPECT_EQ(top.substr(12, 27), " 197.51040000  -999.250000\n");
    EXPECT_EQ(std::count(top.begin(), top.end(), '\n'), 12);
    EXPECT_NE(top.find(" 199.03440000  -999.250000\n"), std::string::npos);  // line 11

    // Scroll value 2 starts at data line 21; the density column is column 2.
    const std::string down = RefreshLasViewer(file, h, 2, 2);
    EXPECT_EQ(down.substr(12, 27), " 200.55840000 3.0003230572\n");

    // The last scroll value shows the last eleven lines.
    const std::string bottom = RefreshLasViewer(file, h, h.scroll.maximum, 1);
    EXPECT_EQ(bottom.substr(bottom.size() - 27), " 951.89040000 61.961086273\n");
    EXPECT_EQ(bottom.substr(12, 27), " 950.36640000 61.961086273\n");
}

TEST(RefreshLasViewer, FindsLinesInFilesWithLineFeedEndings) {
    const LasFile file = LoadLasFile(DataPath("F03-4_logs.las"));
    const LasHeader h = ReadLasHeader(file);
    const std::string view = RefreshLasViewer(file, h, 1, 2);
    EXPECT_EQ(view.substr(12, 35), "       31.5000            508.4069\n");
}

TEST(RefreshLasViewer, ShowsOnlyDataWhenTheFileHasFewerThanElevenLines) {
    const LasFile file = LoadLasFile(DataPath("sample.las"));
    const LasHeader h = ReadLasHeader(file);
    EXPECT_EQ(RefreshLasViewer(file, h, 0, 2),
              "   \n1670.000 2550.000\n1669.875 2550.000\n1669.750 2550.000\n");
}

}  // namespace
}  // namespace tessarin
