#include "files/text_export.h"

#include <gtest/gtest.h>

#include <sstream>

#include "files/export_fixture.h"
#include "model/error.h"

namespace tessarin::test {
namespace {

// Three samples at 2 ms, 0.1 s below the datum, with values that exercise rounding, signs and a
// velocity wider than its column.
Project ThreeSampleProject() {
    Project p = ComputedProject({0.5, -0.123456, 12.3});
    p.wellLocation[5] = "42-123-45678";
    p.firstSampleTime = 0.1;
    p.timeDepth = {1000.0, 1010.25, 1020.5};
    p.reflectionCoefficients[0] = 0.0123456;
    p.reflectionCoefficients[1] = -0.1;
    p.reflectionCoefficients[2] = 0.0;
    p.intervalVelocity = {10000.0, 12000.6, 123456.0};
    p.timeDensity = {2.345, -1.0, 2.4};
    return p;
}

std::vector<std::string> ExportedLines(Project& p) {
    std::ostringstream out;
    WriteTextExport(p, out);
    const std::string text = out.str();
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "every line ends in CR LF";
    return lines;
}

TEST(TextExport, WritesHeaderAndRowsLineByLine) {
    Project p = ThreeSampleProject();
    const std::vector<std::string> lines = ExportedLines(p);
    const std::vector<std::string> expected = {
        "Ross 7 Kern County, California   Section 12-29S-21E",
        "42-123-45678",
        "KB = 1234.6  GL = .0  Seismic Datum = 1000.0  Datum Velocity = 6000",
        "Wavelet = 5-15-40-60 Hz  Phase = -90  Length = 0.160 sec  AGC length = None",
        "                 UWI  LogTime  DatTime   Depth        RC    Vel     Den  Amplitude",
        "        42-123-45678   0.0000   0.1000  1000.0   0.01235  10000  -1.000    0.50000",
        "        42-123-45678   0.0020   0.1020  1010.3  -0.10000  12001  -1.000   -0.12346",
        "        42-123-45678   0.0040   0.1040  1020.5   0.00000  123456  -1.000   12.30000",
    };
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(lines[4].size(), 20u + 2 + 7 + 2 + 7 + 1 + 7 + 2 + 8 + 2 + 5 + 2 + 6 + 2 + 9);
    EXPECT_EQ(lines[5].size(), lines[4].size());
}

TEST(TextExport, SonicDensityWritesTheDensityColumn) {
    Project p = ThreeSampleProject();
    p.impedanceType = kSonicDensity;
    const std::vector<std::string> lines = ExportedLines(p);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[5].substr(65, 8), " 2.345  ");
    EXPECT_EQ(lines[6].substr(65, 8), "-1.000  ");  // no density at this sample
    EXPECT_EQ(lines[7].substr(66, 8), " 2.400  ");  // after the wide velocity
}

TEST(TextExport, EmptyUwiGivesAnEmptyLineAndBlankPaddedRows) {
    Project p = ThreeSampleProject();
    p.wellLocation[5] = "";
    const std::vector<std::string> lines = ExportedLines(p);
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[5].substr(0, 29), std::string(20, ' ') + "   0.0000");
    EXPECT_EQ(p.wellLocation[5], " ");  // the project keeps the blank
}

TEST(TextExport, WellAndWaveletLinesFollowTheChosenFormats) {
    Project p = ThreeSampleProject();
    p.locationType = kGeneralLocation;
    p.wellLocation[0] = "North Field";
    p.wellLocation[1] = "Block 7";
    p.waveletType = kRickerWavelet;
    p.lowCut = Value::Text("27.5");
    p.agcWindow = "0.5";
    p.kbElevation = Value::Text("unknown");
    p.datumVelocity = 0;
    std::vector<std::string> lines = ExportedLines(p);
    EXPECT_EQ(lines[0], "Ross 7 North Field Block 7");
    EXPECT_EQ(lines[2], "KB = unknown  GL = .0  Seismic Datum = 1000.0  Datum Velocity = 0");
    EXPECT_EQ(lines[3],
              "Wavelet = 27.5 Hz Ricker  Phase = 0  Length = 0.160 sec  AGC length = 0.5");

    p.locationType = -1;  // no location format chosen
    lines = ExportedLines(p);
    EXPECT_EQ(lines[0], "Ross 7 ");
}

TEST(TextExport, OneRowPerSampleAtTheSampleInterval) {
    Project p = ComputedProject(std::vector<double>(501, 0.0));
    p.firstSampleTime = 0.25;
    const std::vector<std::string> lines = ExportedLines(p);
    ASSERT_EQ(lines.size(), 5u + 501);
    EXPECT_EQ(lines[6].substr(22, 16), " 0.0020   0.2520");
    EXPECT_EQ(lines[505].substr(22, 16), " 1.0000   1.2500");
}

TEST(TextExport, RefusesAProjectWithoutAComputedSynthetic) {
    Project p;
    p.lastSampleIndex = 10;
    std::ostringstream out;
    EXPECT_THROW(WriteTextExport(p, out), Error);
    EXPECT_EQ(out.str(), "");
}

TEST(TextExportFile, WritesTheFileOrNothing) {
    TempDir dir;
    Project p = ThreeSampleProject();
    p.wellLocation[5] = "";
    EXPECT_THROW(ExportTextFile(p, dir.File("missing/folder/well.dat")), Error);
    EXPECT_EQ(p.wellLocation[5], "");  // a failed export changes nothing

    ExportTextFile(p, dir.File("well.dat"));
    Project again = ThreeSampleProject();
    again.wellLocation[5] = "";
    std::ostringstream out;
    WriteTextExport(again, out);
    EXPECT_EQ(ReadWholeFile(dir.File("well.dat")), out.str());
    EXPECT_EQ(p.wellLocation[5], " ");
}

}  // namespace
}  // namespace tessarin::test
