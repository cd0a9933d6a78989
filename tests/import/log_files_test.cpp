// Reading log files: LAS 1.2 and 2.0 headers and curves, and plain depth-value files.

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

#include "core_test_support.h"
#include "import/file_bytes.h"
#include "import/las_reader.h"
#include "import/plain_log.h"

namespace tessarin::test {
namespace {

// The depth-value pairs of a log as "depth:value depth:value ...", to twelve digits.
std::string Pairs(const DepthLog& log) {
    std::ostringstream out;
    out.precision(12);
    for (int i = 0; i < log.Count(); ++i)
        out << (i ? " " : "") << log.depth[i] << ":" << log.value[i];
    return out.str();
}

// Reads a curve over the whole depth range, the well items copied into `project`.
DepthLog ReadCurve(const LasFile& file, int curveIndex, Project* project = nullptr) {
    const LasHeader header = ReadLasHeader(file);
    NoProgress quiet;
    const LasCurve curve = ReadLasCurve(file, header, {curveIndex, -1e9, 1e9}, quiet);
    if (project)
        ApplyLasWellItems(curve.wellItems, *project);
    return curve.log;
}

// Real files, their lines and lengths counted in the files themselves; P-135 ends its lines in
// CR LF, the others in LF alone. A file read from the disk keeps only its header in memory and
// reads its data a block at a time: every result must be that of the same bytes in memory.
TEST(ReadLasHeader, MeasuresRealFilesInRealBytesFromTheDiskAsInMemory) {
    // Rows: file, data lines, bytes of the first data line, last scroll value (a tenth of the
    // lines, halves to even).
    const std::tuple<const char*, int, std::size_t, int> rows[] = {
        {"P-135_time.LAS", 4951, 54, 495},
        {"F03-4_logs.las", 12467, 135, 1247},
        {"sample.las", 3, 73, 0}};
    for (const auto& [file, lines, recordLength, scrollMaximum] : rows) {
        const std::string bytes = ReadFileBytes(DataPath(file));
        const LasFile disk = LoadLasFile(DataPath(file)), memory(DataPath(file), bytes);
        EXPECT_FALSE(disk.InMemory()) << file;
        const LasHeader h = ReadLasHeader(disk), m = ReadLasHeader(memory);
        EXPECT_EQ(h.dataOffset, bytes.find('\n', bytes.find("\n~A") + 1) + 1) << file;
        EXPECT_EQ(h.recordLength, recordLength) << file;
        EXPECT_EQ(h.dataLineCount, lines) << file;
        EXPECT_EQ(h.scroll.maximum, scrollMaximum) << file;
        EXPECT_EQ(Pairs(ReadCurve(disk, 2)), Pairs(ReadCurve(memory, 2))) << file;
        for (int scroll : {0, 7, scrollMaximum / 2, scrollMaximum})
            EXPECT_EQ(RefreshLasViewer(disk, h, scroll, 1), RefreshLasViewer(memory, m, scroll, 1));
    }

    // The canonical LAS 1.2 example, STOP above STRT: the start box shows the smaller depth.
    const LasHeader h = ReadLasHeader(LoadLasFile(DataPath("sample.las")));
    EXPECT_EQ(h.startDepthText + " " + h.stopDepthText, "1669.75 1670");
    EXPECT_EQ(h.curveEntries[1], " DT  .US/M     \t\t     :  2  SONIC TRANSIT TIME");
    EXPECT_EQ(FindLasCurve(h, "ild"), 7);  // in any case
    EXPECT_EQ(FindLasCurve(h, "sonic"), std::nullopt);
    // An empty curve line stands for no column, a comment for nothing: RHOB is still column 2.
    const LasHeader blank =
        ReadLasHeader(SmallLasWith(" DT  .US/M : SONIC\n", "# a comment\n DT.US/M : SONIC\n\n"));
    EXPECT_EQ(blank.curveColumns, (std::vector<int>{0, 1, -1, 2}));
    EXPECT_EQ(FindLasCurve(blank, "rhob"), 3);
}

// Wrapped files and files missing an item fail (the real files are refused in the import tests).
TEST(ReadLasHeader, RefusesWrappedFilesAndMissingItemsInsteadOfSearchingForever) {
    const std::string wrap = " WRAP.   NO  : ONE LINE PER DEPTH\n";
    const std::string wrapped = "File Format Error: memory.las: " + kWrapped;
    const std::string notStandard = "File Format Error: memory.las: " + kNotStandard + ": ";
    // A blank before the dot, as many archives write it, or none after it: the value between
    // the dot and the colon says YES. Two blanks before STRT do not find it.
    const std::tuple<std::string, std::string, std::string> rows[] = {
        {wrap, " WRAP.   Yes : wrapped\n", wrapped},
        {wrap, " WRAP .   YES : Multiple lines per depth step\n", wrapped},
        {wrap, " WRAP.YES: Multiple lines per depth step\n", wrapped},
        {wrap, " WRAP.   Y : one line\n", ""},
        {wrap, " WRAP .   NO : one line\n", ""},
        {"NULL.   -999.25:\n", "", notStandard + "no NULL line in the header."},
        {"~C\n", "", notStandard + "no ~C section, the list of curves."},
        {"~A\n", "", notStandard + "no ~A section, the data."},
        {" WRAP.   NO  : ONE LINE PER DEPTH\n", "", notStandard + "no WRAP line in the header."},
        {kSmallLas, "PK\x03\x04", notStandard + "no ~V section in the first lines."},
        {kSmallLas, "\xFF\xFE~", notStandard + "UTF-16 text: save it as ASCII or UTF-8."},
        {kSmallLas, std::string("~\0V\0\n\0", 6),
         notStandard + "UTF-16 text: save it as ASCII or UTF-8."},
        {" VERS.   2.0 :", " VERS.   3.0 :", notStandard + "LAS 3.0 is not read."},
        {" STRT", "   STRT", notStandard + "no STRT line in the header."},
        {"1000.0000 :", "deep :",
         notStandard + "the STRT line holds \"deep\" where a number should be."},
        {kSmallLas.substr(kSmallLas.find("~A")), "~A\n\n", notStandard + "no data lines after ~A."},
    };
    for (const auto& [from, to, message] : rows)
        EXPECT_EQ(ErrorOf([&] { ReadLasHeader(SmallLasWith(from, to)); }), message) << to;
    std::string text = kSmallLas;
    std::replace(text.begin(), text.end(), '\n', '\r');  // old Macintosh line ends: one line
    EXPECT_EQ(ErrorOf([&] {
                  ReadLasHeader(LasFile{"memory.las", text + std::string(70000, ' ')});
              }),
              notStandard +
                  "line 1 is longer than 65535 characters.  Please open this LAS file in a word "
                  "processor such as Microsoft "
                  "Word, make the page width wide enough so that there is one depth per "
                  "line on screen in the data section of the file, and save as 'text "
                  "with line breaks'.  Try to import the new file.");
}

// A range the import could take nothing from is refused with the file's range (1000 to 1002).
TEST(LasDepthRangeRefusal, RefusesAnInvertedOrEmptyRangeNamingTheFilesRange) {
    const LasHeader h = ReadLasHeader(SmallLasWith());
    const std::string file = "  The file's depths run from 1000 to 1002.";
    const std::tuple<double, double, std::string> rows[] = {
        {1000, 1002, ""},
        {900, 1000, ""},
        {1002, 1500, ""},
        {1001, 1001, "The start depth 1001 must be above the end depth 1001." + file},
        {1002, 1000.5, "The start depth 1002 must be above the end depth 1000.5." + file},
        {1002.5, 1100, "The range 1002.5 to 1100 holds no data." + file},
        {0, 999.9, "The range 0 to 999.9 holds no data." + file},
    };
    for (const auto& [start, stop, reason] : rows)
        EXPECT_EQ(LasDepthRangeRefusal(h, start, stop).value_or(""), reason) << start;
}

// The unit of STRT tells the depths' units; the user is told when they are not the project's.
TEST(LasUnitsMismatch, NamesTheFilesUnitsWhenTheyAreNotTheProjects) {
    const std::string inMetres =
        "The depths of this file are in metres, but the project is in "
        "feet.  Imported as it stands, its depths and its KB and GL "
        "elevations would be taken as feet.";
    const std::tuple<std::string, int, std::string> rows[] = {
        {" STRT.M", kMetric, ""},
        {" STRT.M", kEnglish, inMetres},
        {" STRT.m ", kEnglish, inMetres},
        {" STRT.FT", kEnglish, ""},
        {" STRT.F", kMetric,
         "The depths of this file are in feet, but the project is in metres.  Imported as it "
         "stands, its depths and its KB and GL elevations would be taken as metres."},
        {" STRT.S", kEnglish, ""},  // no unit of length: nothing to say
        {" STRT", kEnglish, ""},
    };
    for (const auto& [strt, units, message] : rows) {
        const LasHeader h = ReadLasHeader(SmallLasWith(" STRT.M", strt));
        EXPECT_EQ(LasUnitsMismatch(h.depthUnits, units).value_or(""), message) << strt;
    }
    // A sonic per foot in a file in metres.
    const LasHeader p135 = ReadLasHeader(LoadLasFile(DataPath("P-135_time.LAS")));
    EXPECT_EQ(LasUnitsMismatch(p135.depthUnits, kEnglish).value_or(""), inMetres);
    EXPECT_TRUE(LasCurveIsPerFoot(p135, 1));    // Sonic despiked .us/ft
    EXPECT_FALSE(LasCurveIsPerFoot(p135, 2));   // RHOB_despiked .g/cm3
    EXPECT_FALSE(LasCurveIsPerFoot(p135, 99));  // no such curve
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
    // A file of fewer than eleven lines.
    const LasFile sample = LoadLasFile(DataPath("sample.las"));
    EXPECT_EQ(RefreshLasViewer(sample, ReadLasHeader(sample), 0, 2),
              "   \n1670.000 2550.000\n1669.875 2550.000\n1669.750 2550.000\n");
}

TEST(ReadLasCurve, TakesTheWellNameLocationAndElevationsOfRealHeaders) {
    // "well name|county|state|UWI|KB": LAS 2.0 writes company, one blank, well; LAS 1.2 the
    // values after the colon; CNTY, above COMP, is no company and an empty API line does not
    // replace the UWI; an empty company line leaves the well alone. Without an EKB, or with one
    // that is no number, the KB is left as it was.
    const std::tuple<LasFile, int, const char*> rows[] = {
        {LoadLasFile(DataPath("sample_2.0.las")), 1,
         "ANY OIL COMPANY INC. AAAAA_2||ALBERTA|100123401234W500|"},
        {LoadLasFile(DataPath("sample.las")), 1,
         "# ANY OIL COMPANY LTD. ANY ET AL OIL WELL #12||SASKATCHEWAN|100091604920W300|"},
        {LoadLasFile(DataPath("example_1.las")), 11, "NAM Well A|NETHERLANDS|NORTH SEA|3-2-A|"},
        {LoadLasFile(DataPath("F03-4_logs.las")), 2, "F03-4||||30"},
        {SmallLasWith(" COMP.    ACME   : COMPANY\n WELL.    Test 1 : WELL\n",
                      " EKB.M  high : KELLY BUSHING\n WN. W-2 : WELL\n API. 42-001 : API\n"),
         1, "W-2|||42-001|"},
    };
    for (const auto& [file, curve, expected] : rows) {
        Project p;
        ReadCurve(file, curve, &p);
        EXPECT_EQ(p.wellName + "|" + p.wellLocation[0] + "|" + p.wellLocation[1] + "|" +
                      p.wellLocation[5] + "|" + p.kbElevation.ToText(),
                  expected);
    }
}

TEST(ReadLasCurve, KeepsPairsInsideTheRangeWithValuesAboveZeroAndNotNull) {
    const LasFile file = SmallLasWithData(
        "~A\n# DEPTH DT RHOB\n"  // a comment line first
        "999.5  300 2.4\n"       // above the range
        "1000.0 300 2.4\n"       // the top limit is included
        "# a remark, 1 2 3\n"    // a comment line
        "1000.5 -999.25 2.4\n"   // NULL
        "1001.0 0 2.4\n"         // zero
        "1001.5 -12 2.4\n"       // negative
        "1002.0 340 2.6\n"       // the bottom limit is included
        "1002.5 350 2.7\n");     // below the range
    const LasHeader header = ReadLasHeader(file);
    EXPECT_EQ(header.dataLineCount, 7);
    EXPECT_EQ(header.recordLength, std::string("999.5  300 2.4\n").size());
    NoProgress quiet;
    EXPECT_EQ(Pairs(ReadLasCurve(file, header, {1, 1000.0, 1002.0}, quiet).log),
              "1000:300 1002:340");
    EXPECT_EQ(ReadCurve(file, 2).Count(), 7);
    // Counted in real files: the rows whose value is neither NULL nor 0 nor negative, and the
    // first and last of them; the tab-delimited file lists its depths falling.
    const DepthLog p135 = ReadCurve(LoadLasFile(DataPath("P-135_time.LAS")), 1);
    EXPECT_FALSE(p135.decreasing);
    EXPECT_EQ(std::to_string(p135.Count()) + " " +
                  Pairs({{p135.depth.front(), p135.depth.back()},
                         {p135.value.front(), p135.value.back()}}),
              "4526 262.2804:68.389709473 951.8904:61.961086273");
    const DepthLog tabs = ReadCurve(LoadLasFile(DataPath("sample_2.0_tab_dlm.las")), 2);
    EXPECT_TRUE(tabs.decreasing);
    EXPECT_EQ(Pairs(tabs), "1670:2550 1669.875:2550 1669.75:2550");
}

// A data line must hold one value per curve: a comma decimal mark, or two values run together,
// would shift the columns and give the next curve's numbers. Lines are counted from the one after
// "~A", blank and comment lines included, so that the user finds the line in an editor.
TEST(ReadLasCurve, RefusesADataLineWithMoreOrFewerValuesThanCurves) {
    std::string longLine = "1001.0";
    for (int i = 0; i < 60000; ++i)
        longLine += " 300.0";  // 360 kB of values on one line, longer than a block
    const std::string format = "File Format Error: ";
    const std::pair<std::string, std::string> rows[] = {
        {"1000.5 310\n", "line 2 of the data has 2 values where the curves list 3."},
        {"1000.5 310 2,40\n", "line 2 of the data has 4 values where the curves list 3."},
        {"\n# remark\n1000.5 310.0-999.25\n",
         "line 4 of the data has 2 values where the curves list 3."},
        {"1000.5 x x\n", "line 2 of the data holds \"x\" where a number should be."},
        {longLine + "\n", "line 2 of the data has 60001 values where the curves list 3."},
    };
    TempDir dir;
    for (const auto& [data, message] : rows) {
        // From memory and from the disk, whichever curve is chosen.
        const LasFile memory = SmallLasWithData("~A\n1000.0 300 2.4\n" + data);
        WriteWholeFile(dir.File("bad.las"), *memory.InMemory());
        for (const LasFile& file : {memory, LoadLasFile(dir.File("bad.las"))}) {
            for (int curve : {1, 2})
                EXPECT_EQ(ErrorOf([&] { ReadCurve(file, curve); }),
                          format + file.Path() + ": Error reading LAS file: " + message);
        }
    }
}

DepthLog ReadPlain(const std::string& text) {
    NoProgress quiet;
    return ReadPlainLogText(text, "well.dt", quiet);
}

TEST(ReadPlainLog, SkipsATitleLineAndReadsNumbersAcrossBlanksTabsCommasAndEmptyLines) {
    // A comma in the title does not bring the rest of the title into the data. Two numbers on
    // the first line are no title, nor is a first depth beyond 32767. A lone last depth is
    // dropped.
    const std::pair<const char*, const char*> rows[] = {
        {"Sonic, well 7, 1998\r\n1000, 100\r\n1001, 110\r\n", "1000:100 1001:110"},
        {"35000 100\n35000.5 110\n", "35000:100 35000.5:110"},
        {"\n  1000\t100\n\n1000.5,105  1001 ,110\n1001.5", "1000:100 1000.5:105 1001:110"},
    };
    for (const auto& [text, pairs] : rows)
        EXPECT_EQ(Pairs(ReadPlain(text)), pairs) << text;
    DepthLog log = ReadPlain("1002 120\n1001 110\n1000 100\n1001.5 115\n");
    EXPECT_TRUE(log.decreasing);
    NoProgress quiet;
    SortDepthLog(log, quiet);
    EXPECT_EQ(Pairs(log), "1000:100 1001:110 1001.5:115 1002:120");

    // An empty title: the program itself ends the import quietly.
    EXPECT_EQ(ErrorOf([] { ReadPlain("1000 100\n1001 1l0\n"); }),
              "The file \"well.dt\" holds \"1l0\" on line 2 where a number should be.");
    EXPECT_NE(ErrorOf([&] { ReadPlainLog(DataPath("no such file.dt"), quiet); }), "");
}

TEST(ReadPlainLog, MergesPairsTwoByTwoInFilesOfMoreThan32766Lines) {
    // 40000 pairs half a foot apart, the values alternating 100 and 200. Each merged pair lies at
    // the shallower depth and averages the two values by interval; the last pair has no interval
    // after it and keeps its first value. 70000 lines are too many even merged.
    std::string text;
    for (int k = 0; k < 40000; ++k)
        text += std::to_string(k * 0.5) + " " + (k % 2 == 0 ? "100" : "200") + "\n";
    const DepthLog log = ReadPlain(text);
    ASSERT_EQ(log.Count(), 20000);
    for (const auto& [i, value] :
         {std::pair<std::size_t, double>{0, 150}, {12345, 150}, {19999, 100}}) {
        EXPECT_EQ(log.depth[i], static_cast<double>(i)) << i;
        EXPECT_EQ(log.value[i], value) << i;
    }
    for (int k = 40000; k < 70000; ++k)
        text += std::to_string(k) + " 100\n";
    EXPECT_NE(ErrorOf([&] { ReadPlain(text); }), "");
}

}  // namespace
}  // namespace tessarin::test
