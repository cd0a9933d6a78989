#include <gtest/gtest.h>

#include "import/import_test_support.h"
#include "import/las_reader.h"

namespace tessarin {
namespace {

using test::DataPath;

struct Read {
    LasCurve curve;
    Project project;
};

// Reads a curve over the whole depth range and copies the well items into a fresh record.
Read ReadCurve(const LasFile& file, int curveIndex) {
    const LasHeader header = ReadLasHeader(file);
    const LasCurveChoice choice{curveIndex, std::min(header.startDepth, header.stopDepth),
                                std::max(header.startDepth, header.stopDepth)};
    NoProgress progress;
    Read read{ReadLasCurve(file, header, choice, progress), Project()};
    ApplyLasWellItems(read.curve.wellItems, read.project);
    return read;
}

TEST(ReadLasCurve, TakesTheWellNameAndLocationOfRealHeaders) {
    const struct {
        const char* file;
        int curve;
        const char *wellName, *country, *province, *uwi;
    } rows[] = {
        // LAS 2.0: company, one blank, well; no EKB.
        {"sample_2.0.las", 1, "ANY OIL COMPANY INC. AAAAA_2", "", "ALBERTA", "100123401234W500"},
        // LAS 1.2: the values after the colon.
        {"sample.las", 1, "# ANY OIL COMPANY LTD. ANY ET AL OIL WELL #12", "", "SASKATCHEWAN",
         "100091604920W300"},
        // CNTY, above COMP, is no company; the empty API line does not replace the UWI.
        {"example_1.las", 11, "NAM Well A", "NETHERLANDS", "NORTH SEA", "3-2-A"},
    };
    for (const auto& row : rows) {
        const Project p = ReadCurve(LoadLasFile(DataPath(row.file)), row.curve).project;
        EXPECT_EQ(p.wellName, row.wellName) << row.file;
        EXPECT_EQ(p.wellLocation[0], row.country) << row.file;
        EXPECT_EQ(p.wellLocation[1], row.province) << row.file;
        EXPECT_EQ(p.wellLocation[5], row.uwi) << row.file;
        EXPECT_TRUE(p.kbElevation.IsEmpty()) << row.file;  // no EKB: left as it was
    }
}

TEST(ReadLasCurve, TakesElevationsAndTheWellAloneWithoutACompany) {
    const Project f = ReadCurve(LoadLasFile(DataPath("F03-4_logs.las")), 2).project;
    EXPECT_EQ(f.wellName, "F03-4");  // an empty company line
    EXPECT_EQ(f.kbElevation, Value(30.0));
    EXPECT_EQ(f.glElevation, Value(0.0));

    const Project b =
        ReadCurve(test::SmallLasWith(" COMP.    ACME   : COMPANY\n WELL.    Test 1 : WELL\n",
                                     " EKB.M  high : KELLY BUSHING\n WN. W-2 : WELL\n"
                                     " API. 42-001 : API\n"),
                  1)
            .project;
    EXPECT_EQ(b.wellName, "W-2");
    EXPECT_EQ(b.wellLocation[5], "42-001");
    EXPECT_TRUE(b.kbElevation.IsEmpty());  // not numeric: unchanged
}

TEST(ReadLasCurve, KeepsPairsInsideTheRangeWithValuesAboveZeroAndNotNull) {
    const LasFile file = test::SmallLasWithData(
        "~A\n"
        "999.5  300 2.4\n"      // above the range
        "1000.0 300 2.4\n"      // the top limit is included
        "1000.5 -999.25 2.4\n"  // NULL
        "1001.0 0 2.4\n"        // zero
        "1001.5 -12 2.4\n"      // negative
        "1002.0 340 2.6\n"      // the bottom limit is included
        "1002.5 350 2.7\n");    // below the range
    const LasHeader header = ReadLasHeader(file);
    test::RecordingProgress progress;
    const LasCurve c = ReadLasCurve(file, header, {1, 1000.0, 1002.0}, progress);
    EXPECT_EQ(c.log.depth, (std::vector<double>{1000.0, 1002.0}));
    EXPECT_EQ(c.log.value, (std::vector<double>{300.0, 340.0}));
    EXPECT_FALSE(c.log.decreasing);
    EXPECT_DOUBLE_EQ(progress.lastFraction, 1.0);
    EXPECT_EQ(ReadLasCurve(file, header, {2, 0, 5000}, progress).log.Count(), 7);
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
    const auto failure = [](const std::string& cause) {
        return "memory.las: Error reading LAS file: " + cause + ".";
    };
    const struct {
        const char* data;
        std::string message;
    } rows[] = {
        {"~A\n1000.0 300 2.4\n1000.5 310\n",
         failure("line 2 of the data has 2 values where the curves list 3")},
        {"~A\n1000.0 300 2,40\n",
         failure("line 1 of the data has 4 values where the curves list 3")},
        {"~A\n1000.0 300 2.4\n\n# remark\n1000.5 310.0-999.25\n",
         failure("line 4 of the data has 2 values where the curves list 3")},
        {"~A\n1000.0 300 2.4\n1000.5 x x\n",
         failure("line 2 of the data holds \"x\" where a number should be")},
        // TABs and commas too, in a line long enough to be counted eight characters at a time.
        {"~A\n1000.0 300 2.4\n1000.5 310\t2.45,7\t5.5,1.25 \n",
         failure("line 2 of the data has 6 values where the curves list 3")},
    };
    for (const auto& row : rows) {
        const LasFile file = test::SmallLasWithData(row.data);
        const LasHeader header = ReadLasHeader(file);
        NoProgress progress;
        for (int curve : {1, 2}) {  // whichever curve is chosen
            test::ExpectImportError(
                [&] {
                    ReadLasCurve(file, header, {curve, 0, 5000}, progress);
                },
                row.message, "File Format Error", row.data);
        }
    }
    // An empty line in the curve section lists no column.
    const LasFile blankEntry = test::SmallLasWith(" RHOB.G/C3", "\n RHOB.G/C3");
    EXPECT_EQ(ReadCurve(blankEntry, 3).curve.log.Count(), 5);
}

TEST(ReadLasCurve, SkipsCommentLinesInTheData) {
    const LasFile file = test::SmallLasWithData(
        "~A\n# DEPTH DT RHOB\n1000.0 300 2.4\n  # a remark, 1 2 3\n1000.5 310 2.45\n");
    const LasHeader header = ReadLasHeader(file);
    EXPECT_EQ(header.dataLineCount, 2);
    EXPECT_EQ(header.recordLength, std::string("1000.0 300 2.4\n").size());
    const DepthLog log = ReadCurve(file, 2).curve.log;
    EXPECT_EQ(log.depth, (std::vector<double>{1000.0, 1000.5}));
    EXPECT_EQ(log.value, (std::vector<double>{2.4, 2.45}));
}

}  // namespace
}  // namespace tessarin
