#include "import/las_reader.h"

#include <gtest/gtest.h>

#include "core_test_support.h"
#include "import/file_bytes.h"

namespace tessarin::test {
namespace {

struct Read {
    LasCurve curve;
    Project project;
};

// Reads a curve over the whole depth range and copies the well items into a fresh record.
Read ReadCurve(const LasFile& file, int curveIndex) {
    const LasHeader header = ReadLasHeader(file);
    const LasCurveChoice choice{curveIndex, std::min(header.startDepth, header.stopDepth),
                                std::max(header.startDepth, header.stopDepth)};
    NoProgress quiet;
    Read read{ReadLasCurve(file, header, choice, quiet), Project()};
    ApplyLasWellItems(read.curve.wellItems, read.project);
    return read;
}

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

// Real files, their header items, lines and lengths counted in the files themselves; P-135 ends
// its lines in CR LF, the others in LF alone. A file read from the disk keeps only its header in
// memory and reads its data a block at a time: every result must be that of the same bytes held
// in memory, across block boundaries.
TEST(ReadLasHeader, MeasuresRealFilesInRealBytesFromTheDiskAsInMemory) {
    const struct {
        const char* file;
        int lines;
        std::size_t recordLength;
        int scrollMaximum, largeChange;
    } rows[] = {{"P-135_time.LAS", 4951, 54, 495, 25},
                {"F03-4_logs.las", 12467, 135, 1247, 100},
                {"example_1.las", 2096, 182, 210, 25},
                {"sample.las", 3, 73, 0, 2}};
    for (const auto& row : rows) {
        const std::string bytes = ReadFileBytes(DataPath(row.file));
        const LasFile disk = LoadLasFile(DataPath(row.file));
        const LasFile memory(DataPath(row.file), bytes);
        EXPECT_FALSE(disk.InMemory()) << row.file;
        const LasHeader h = ReadLasHeader(disk);
        EXPECT_EQ(h.dataOffset, bytes.find('\n', bytes.find("\n~A") + 1) + 1) << row.file;
        EXPECT_EQ(h.recordLength, row.recordLength) << row.file;
        EXPECT_EQ(h.dataLineCount, row.lines) << row.file;
        EXPECT_EQ(h.scroll.maximum, row.scrollMaximum) << row.file;
        EXPECT_EQ(h.scroll.largeChange, row.largeChange) << row.file;
        const LasHeader m = ReadLasHeader(memory);
        EXPECT_EQ(m.recordLength, h.recordLength);
        EXPECT_EQ(m.dataLineCount, h.dataLineCount);
        NoProgress quiet;
        const LasCurveChoice all{2, -1e9, 1e9};
        EXPECT_EQ(ReadLasCurve(disk, h, all, quiet).log.value,
                  ReadLasCurve(memory, m, all, quiet).log.value)
            << row.file;
        for (int scroll : {0, 7, h.scroll.maximum / 2, h.scroll.maximum}) {
            EXPECT_EQ(RefreshLasViewer(disk, h, scroll, 1), RefreshLasViewer(memory, m, scroll, 1))
                << row.file << " " << scroll;
        }
    }

    // The canonical LAS 1.2 example, STOP above STRT: the start box shows the smaller depth.
    const LasHeader h = ReadLasHeader(LoadLasFile(DataPath("sample.las")));
    EXPECT_EQ(h.startDepth, 1670.0);
    EXPECT_EQ(h.stopDepth, 1669.75);
    EXPECT_EQ(h.nullValue, -999.25);
    EXPECT_EQ(h.startDepthText, "1669.75");
    EXPECT_EQ(h.stopDepthText, "1670");
    ASSERT_EQ(h.LastCurveIndex(), 7);
    EXPECT_EQ(h.curveEntries[1], " DT  .US/M     \t\t     :  2  SONIC TRANSIT TIME");
    EXPECT_EQ(h.caption, "Import LAS File " + DataPath("sample.las"));
    EXPECT_EQ(FindLasCurve(h, "ild"), 7);  // in any case
    EXPECT_EQ(FindLasCurve(h, "sonic"), std::nullopt);

    // 25 data lines: a scroll maximum of 2.5 rounds to the even 2.
    std::string lines = "~A\n";
    for (int i = 0; i < 25; ++i)
        lines += std::to_string(1000 + i) + " 300 2.4\n";
    EXPECT_EQ(ReadLasHeader(SmallLasWithData(lines)).scroll.maximum, 2);
}

TEST(ReadLasHeader, TakesTheLastTokenBeforeTheColonAndListsEmptyCurveLinesButNotComments) {
    LasHeader h = ReadLasHeader(SmallLasWith());
    EXPECT_EQ(h.startDepth, 1000.0);
    EXPECT_EQ(h.stopDepth, 1002.0);
    EXPECT_EQ(h.nullValue, -999.25);
    EXPECT_EQ(h.stopDepthText, "1002");
    h = ReadLasHeader(SmallLasWith(" DT  .US/M : SONIC\n", "# a comment\n DT.US/M : SONIC\n\n"));
    ASSERT_EQ(h.LastCurveIndex(), 3);
    EXPECT_EQ(h.curveEntries[2], "");
    // The empty line stands for no column: RHOB is still the third column.
    EXPECT_EQ(h.curveColumns, (std::vector<int>{0, 1, -1, 2}));
    EXPECT_EQ(FindLasCurve(h, "rhob"), 3);
}

// Wrapped files and files missing an item fail (the real files are refused in the import tests).
TEST(ReadLasHeader, RefusesWrappedFilesAndMissingItemsInsteadOfSearchingForever) {
    const std::string wrap = " WRAP.   NO  : ONE LINE PER DEPTH\n";
    const struct {
        std::string from, to;
        const std::string& message;
    } rows[] = {
        {wrap, " WRAP.   Yes : wrapped\n", kWrapped},
        // A blank before the dot, as many archives write it, or none after it: the value
        // between the dot and the colon says YES.
        {wrap, " WRAP .   YES : Multiple lines per depth step\n", kWrapped},
        {wrap, " WRAP.YES: Multiple lines per depth step\n", kWrapped},
        {" STEP. 0.5 :\n", "", kNotStandard},
        {"NULL.   -999.25:\n", "", kNotStandard},
        {"~C\n", "", kNotStandard},
        {"~A\n", "", kNotStandard},
        {kSmallLas, "", kNotStandard},
        {" STRT", "   STRT", kNotStandard},       // two blanks before STRT: not found
        {"1000.0000 :", "deep :", kNotStandard},  // a value that is no number
        {"~A\n1000.0  300.0  2.40\n1000.5  310.0  2.45\n1001.0  320.0  2.50\n1001.5  330.0  "
         "2.55\n1002.0  340.0  2.60\n",
         "~A\n\n", kNotStandard},  // no data lines
    };
    for (const auto& row : rows) {
        ExpectImportError([&] { ReadLasHeader(SmallLasWith(row.from, row.to)); }, row.message,
                          "File Format Error", row.from + " -> " + row.to);
    }
    for (const char* notWrapped : {" WRAP.   Y : one line\n", " WRAP.  TRUE : one line\n",
                                   " WRAP .   NO : one line\n", " WRAP.NO: one line\n"}) {
        EXPECT_NO_THROW(ReadLasHeader(SmallLasWith(wrap, notWrapped))) << notWrapped;
    }
    std::string text = kSmallLas;
    std::replace(text.begin(), text.end(), '\n', '\r');  // old Macintosh line ends: one line
    ExpectImportError(
        [&] {
            ReadLasHeader(LasFile{"memory.las", text + std::string(70000, ' ')});
        },
        "This file is not in standard LAS 1.2 or 2.0 format.  Please open this LAS file in a word "
        "processor such as Microsoft Word, make the page width wide enough so that there is one "
        "depth per line on screen in the data section of the file, and save as 'text with line "
        "breaks'.  Try to import the new file.",
        "File Format Error");
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

TEST(ReadLasCurve, TakesTheWellNameLocationAndElevationsOfRealHeaders) {
    const struct {
        const char* file;
        int curve;
        const char *wellName, *country, *province, *uwi;
        Value kb;
    } rows[] = {
        // LAS 2.0: company, one blank, well; no EKB, so the KB is left as it was.
        {"sample_2.0.las",
         1,
         "ANY OIL COMPANY INC. AAAAA_2",
         "",
         "ALBERTA",
         "100123401234W500",
         {}},
        // LAS 1.2: the values after the colon.
        {"sample.las",
         1,
         "# ANY OIL COMPANY LTD. ANY ET AL OIL WELL #12",
         "",
         "SASKATCHEWAN",
         "100091604920W300",
         {}},
        // CNTY, above COMP, is no company; the empty API line does not replace the UWI.
        {"example_1.las", 11, "NAM Well A", "NETHERLANDS", "NORTH SEA", "3-2-A", {}},
        // An empty company line: the well alone.
        {"F03-4_logs.las", 2, "F03-4", "", "", "", Value(30.0)},
    };
    for (const auto& row : rows) {
        const Project p = ReadCurve(LoadLasFile(DataPath(row.file)), row.curve).project;
        EXPECT_EQ(p.wellName, row.wellName) << row.file;
        EXPECT_EQ(p.wellLocation[0], row.country) << row.file;
        EXPECT_EQ(p.wellLocation[1], row.province) << row.file;
        EXPECT_EQ(p.wellLocation[5], row.uwi) << row.file;
        EXPECT_EQ(p.kbElevation, row.kb) << row.file;
    }
    const Project b =
        ReadCurve(SmallLasWith(" COMP.    ACME   : COMPANY\n WELL.    Test 1 : WELL\n",
                               " EKB.M  high : KELLY BUSHING\n WN. W-2 : WELL\n"
                               " API. 42-001 : API\n EGL.M 12.5 :\n"),
                  1)
            .project;
    EXPECT_EQ(b.wellName, "W-2");
    EXPECT_EQ(b.wellLocation[5], "42-001");
    EXPECT_TRUE(b.kbElevation.IsEmpty());  // not numeric: unchanged
    EXPECT_EQ(b.glElevation, Value(12.5));
}

TEST(ReadLasCurve, KeepsPairsInsideTheRangeWithValuesAboveZeroAndNotNull) {
    const LasFile file = SmallLasWithData(
        "~A\n"
        "999.5  300 2.4\n"      // above the range
        "1000.0 300 2.4\n"      // the top limit is included
        "# a remark, 1 2 3\n"   // a comment line
        "1000.5 -999.25 2.4\n"  // NULL
        "1001.0 0 2.4\n"        // zero
        "1001.5 -12 2.4\n"      // negative
        "1002.0 340 2.6\n"      // the bottom limit is included
        "1002.5 350 2.7\n");    // below the range
    const LasHeader header = ReadLasHeader(file);
    EXPECT_EQ(header.dataLineCount, 7);
    RecordingProgress progress;
    const LasCurve c = ReadLasCurve(file, header, {1, 1000.0, 1002.0}, progress);
    EXPECT_EQ(c.log.depth, (std::vector<double>{1000.0, 1002.0}));
    EXPECT_EQ(c.log.value, (std::vector<double>{300.0, 340.0}));
    EXPECT_FALSE(c.log.decreasing);
    EXPECT_DOUBLE_EQ(progress.lastFraction, 1.0);
    EXPECT_EQ(ReadLasCurve(file, header, {2, 0, 5000}, progress).log.Count(), 7);
    // An empty line in the curve section lists no column.
    EXPECT_EQ(ReadCurve(SmallLasWith(" RHOB.G/C3", "\n RHOB.G/C3"), 3).curve.log.Count(), 5);
}

TEST(ReadLasCurve, ReadsRealLogsAndFlagsFallingDepths) {
    // Counted in the files: the rows whose value is neither NULL nor 0 nor negative
    // (example_1's -9999 gaps go by the "above 0" rule), and the first and last of them.
    const struct {
        const char* file;
        int curve, count;
        bool decreasing;
        double firstDepth, lastDepth, firstValue, lastValue;
    } rows[] = {
        {"example_1.las", 11, 2096, true, 2038.5, 1719.2222, 76.646622, 79.475403},
        {"F03-4_logs.las", 2, 12197, false, 30.15, 1859.55, 508.5176, 445.8278},
        {"P-135_time.LAS", 1, 4526, false, 262.2804, 951.8904, 68.389709473, 61.961086273},
        {"sample_2.0_tab_dlm.las", 2, 3, true, 1670.0, 1669.75, 2550, 2550},
    };
    for (const auto& row : rows) {
        const DepthLog log = ReadCurve(LoadLasFile(DataPath(row.file)), row.curve).curve.log;
        EXPECT_EQ(log.Count(), row.count) << row.file;
        EXPECT_EQ(log.decreasing, row.decreasing) << row.file;
        EXPECT_EQ(log.depth.front(), row.firstDepth) << row.file;
        EXPECT_EQ(log.depth.back(), row.lastDepth) << row.file;
        EXPECT_EQ(log.value.front(), row.firstValue) << row.file;
        EXPECT_EQ(log.value.back(), row.lastValue) << row.file;
    }
}

// A data line must hold one value per curve: a comma decimal mark, or two values run together,
// would shift the columns and give the next curve's numbers. Lines are counted from the one after
// "~A", blank and comment lines included, so that the user finds the line in an editor.
TEST(ReadLasCurve, RefusesADataLineWithMoreOrFewerValuesThanCurves) {
    std::string longLine = "1001.0";
    for (int i = 0; i < 60000; ++i)
        longLine += " 300.0";  // 360 kB of values on one line, longer than a block
    const struct {
        std::string data;
        std::string message;
    } rows[] = {
        {"~A\n1000.0 300 2.4\n1000.5 310\n",
         "Line 2 of the data has 2 values where the curves list 3."},
        {"~A\n1000.0 300 2,40\n", "Line 1 of the data has 4 values where the curves list 3."},
        {"~A\n1000.0 300 2.4\n\n# remark\n1000.5 310.0-999.25\n",
         "Line 4 of the data has 2 values where the curves list 3."},
        {"~A\n1000.0 300 2.4\n1000.5 x y\n", "Error reading LAS file."},  // not numbers
        {"~A\n1000.0 300 2.4\n" + longLine + "\n",
         "Line 2 of the data has 60001 values where the curves list 3."},
    };
    TempDir dir;
    for (const auto& row : rows) {
        // From memory and from the disk, whichever curve is chosen.
        WriteWholeFile(dir.File("bad.las"), *SmallLasWithData(row.data).InMemory());
        for (const LasFile& file : {SmallLasWithData(row.data), LoadLasFile(dir.File("bad.las"))}) {
            const LasHeader header = ReadLasHeader(file);
            NoProgress quiet;
            for (int curve : {1, 2}) {
                ExpectImportError(
                    [&] {
                        ReadLasCurve(file, header, {curve, 0, 5000}, quiet);
                    },
                    row.message, "File Format Error", row.message);
            }
        }
    }
}

}  // namespace
}  // namespace tessarin::test
