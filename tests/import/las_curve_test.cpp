#include <gtest/gtest.h>

#include "import/import_error.h"
#include "import/import_test_support.h"
#include "import/las_reader.h"

namespace tessarin {
namespace {

using test::DataPath;
using test::LasBuilder;
using test::LasText;

struct Read {
    LasCurve curve;
    Project project;
};

// Reads a curve over the whole depth range and copies the well items into a fresh record.
Read ReadCurve(const LasFile& file, int curveIndex) {
    const LasHeader header = ReadLasHeader(file);
    LasCurveChoice choice;
    choice.curveIndex = curveIndex;
    choice.startDepth = std::min(header.startDepth, header.stopDepth);
    choice.stopDepth = std::max(header.startDepth, header.stopDepth);
    NoProgress progress;
    Read read{ReadLasCurve(file, header, choice, progress), Project()};
    ApplyLasWellItems(read.curve.wellItems, read.project);
    return read;
}

TEST(ReadLasCurve, TakesTheWellItemsOfALas20Header) {
    const Read r = ReadCurve(LoadLasFile(DataPath("sample_2.0.las")), 1);
    EXPECT_EQ(r.project.wellName, "ANY OIL COMPANY INC. AAAAA_2");  // company, blank, well
    EXPECT_EQ(r.project.wellLocation[1], "ALBERTA");                // PROV
    EXPECT_EQ(r.project.wellLocation[5], "100123401234W500");       // UWI
    EXPECT_EQ(r.project.wellLocation[0], "");
    EXPECT_TRUE(r.project.kbElevation.IsEmpty());  // no EKB: left as it was
}

TEST(ReadLasCurve, TakesTheWellItemsOfALas12HeaderAfterTheColon) {
    const Read r = ReadCurve(LoadLasFile(DataPath("sample.las")), 1);
    EXPECT_EQ(r.project.wellName, "# ANY OIL COMPANY LTD. ANY ET AL OIL WELL #12");
    EXPECT_EQ(r.project.wellLocation[1], "SASKATCHEWAN");
    EXPECT_EQ(r.project.wellLocation[5], "100091604920W300");
}

TEST(ReadLasCurve, TakesLocationElevationsAndTheFirstOfUwiAndApi) {
    const Read a = ReadCurve(LoadLasFile(DataPath("example_1.las")), 11);
    EXPECT_EQ(a.project.wellName, "NAM Well A");  // CNTY, above COMP, is no company
    EXPECT_EQ(a.project.wellLocation[0], "NETHERLANDS");
    EXPECT_EQ(a.project.wellLocation[1], "NORTH SEA");
    EXPECT_EQ(a.project.wellLocation[5], "3-2-A");  // the empty API line does not replace it

    const Read f = ReadCurve(LoadLasFile(DataPath("F03-4_logs.las")), 2);
    EXPECT_EQ(f.project.wellName, " F03-4");  // an empty company item, one blank, the well
    EXPECT_EQ(f.project.kbElevation, Value(30.0));
    EXPECT_EQ(f.project.glElevation, Value(0.0));

    LasBuilder las;
    las.well += " EKB.M  high : KELLY BUSHING\n WN. W-2 : WELL\n API. 42-001 : API\n";
    las.well.erase(las.well.find(" COMP"), las.well.find(" WELL") - las.well.find(" COMP"));
    las.well.erase(las.well.find(" WELL"), las.well.find(" EKB") - las.well.find(" WELL"));
    Read b = ReadCurve(LasText(las.Text()), 1);
    EXPECT_EQ(b.project.wellName, "W-2");  // no company: the well alone
    EXPECT_EQ(b.project.wellLocation[5], "42-001");
    EXPECT_TRUE(b.project.kbElevation.IsEmpty());  // not numeric: unchanged
}

TEST(ReadLasCurve, KeepsPairsInsideTheRangeWithValuesAboveZeroAndNotNull) {
    LasBuilder las;
    las.data =
        "~A\n"
        "999.5  300 2.4\n"      // above the range
        "1000.0 300 2.4\n"      // the top limit is included
        "1000.5 -999.25 2.4\n"  // NULL
        "1001.0 0 2.4\n"        // zero
        "1001.5 -12 2.4\n"      // negative
        "1002.0 340 2.6\n"      // the bottom limit is included
        "1002.5 350 2.7\n";     // below the range
    const LasFile file = LasText(las.Text());
    const LasHeader header = ReadLasHeader(file);
    test::RecordingProgress progress;
    const LasCurve c = ReadLasCurve(file, header, {1, 1000.0, 1002.0}, progress);
    EXPECT_EQ(c.log.depth, (std::vector<double>{1000.0, 1002.0}));
    EXPECT_EQ(c.log.value, (std::vector<double>{300.0, 340.0}));
    EXPECT_FALSE(c.log.decreasing);
    EXPECT_DOUBLE_EQ(progress.lastFraction, 1.0);

    const LasCurve density = ReadLasCurve(file, header, {2, 0, 5000}, progress);
    EXPECT_EQ(density.log.Count(), 7);
    EXPECT_EQ(density.log.value.back(), 2.7);
}

TEST(ReadLasCurve, ReadsRealLogsAndFlagsFallingDepths) {
    // The counts are the rows of each file whose value is neither NULL nor 0 nor negative.
    const Read example = ReadCurve(LoadLasFile(DataPath("example_1.las")), 11);
    EXPECT_EQ(example.curve.log.Count(), 2096);  // its -9999 gaps go by the "above 0" rule
    EXPECT_TRUE(example.curve.log.decreasing);
    EXPECT_EQ(example.curve.log.depth.front(), 2038.5);
    EXPECT_EQ(example.curve.log.value.front(), 76.646622);
    EXPECT_EQ(example.curve.log.depth.back(), 1719.2222);

    const Read f03 = ReadCurve(LoadLasFile(DataPath("F03-4_logs.las")), 2);
    EXPECT_EQ(f03.curve.log.Count(), 12197);
    EXPECT_FALSE(f03.curve.log.decreasing);
    EXPECT_EQ(f03.curve.log.depth.front(), 30.15);
    EXPECT_EQ(f03.curve.log.value.back(), 445.8278);

    const Read p135 = ReadCurve(LoadLasFile(DataPath("P-135_time.LAS")), 1);
    EXPECT_EQ(p135.curve.log.Count(), 4526);
    EXPECT_EQ(p135.curve.log.depth.front(), 262.2804);

    const Read tabs = ReadCurve(LoadLasFile(DataPath("sample_2.0_tab_dlm.las")), 2);
    EXPECT_EQ(tabs.curve.log.value, (std::vector<double>{2550, 2550, 2550}));
    EXPECT_TRUE(tabs.curve.log.decreasing);
}

TEST(ReadLasCurve, FailsWithItsMessageOnABadDataLine) {
    for (const char* data : {"~A\n1000.0 300 2.4\n1000.5 310\n",       // a value missing
                             "~A\n1000.0 300 2.4\n1000.5 310 x\n"}) {  // not a number
        LasBuilder las;
        las.data = data;
        const LasFile file = LasText(las.Text());
        const LasHeader header = ReadLasHeader(file);
        NoProgress progress;
        try {
            ReadLasCurve(file, header, {2, 0, 5000}, progress);
            ADD_FAILURE() << data;
        } catch (const ImportError& e) {
            EXPECT_STREQ(e.what(), "Error reading LAS file.");
            EXPECT_EQ(e.Title(), "File Format Error");
        }
    }
}

}  // namespace
}  // namespace tessarin
