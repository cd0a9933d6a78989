#include "files/text_export.h"

#include <gtest/gtest.h>

#include <array>
#include <sstream>

#include "core_test_support.h"
#include "files/segy_export.h"

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
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "every line ends in CR LF";
    return lines;
}

TEST(TextExport, WritesHeaderAndRowsLineByLine) {
    Project p = ThreeSampleProject();
    EXPECT_EQ(
        ExportedLines(p),
        (std::vector<std::string>{
            "Ross 7 Kern County, California   Section 12-29S-21E",
            "42-123-45678",
            "KB = 1234.6  GL = .0  Seismic Datum = 1000.0  Datum Velocity = 6000",
            "Wavelet = 5-15-40-60 Hz  Phase = -90  Length = 0.160 sec  AGC length = None",
            "                 UWI  LogTime  DatTime   Depth        RC    Vel     Den  Amplitude",
            "        42-123-45678   0.0000   0.1000  1000.0   0.01235  10000  -1.000    0.50000",
            "        42-123-45678   0.0020   0.1020  1010.3  -0.10000  12001  -1.000   -0.12346",
            "        42-123-45678   0.0040   0.1040  1020.5   0.00000  123456  -1.000   12.30000",
        }));

    p.impedanceType = kSonicDensity;
    const std::vector<std::string> lines = ExportedLines(p);
    EXPECT_EQ(lines[5].substr(65, 8), " 2.345  ");
    EXPECT_EQ(lines[6].substr(65, 8), "-1.000  ");  // no density at this sample
    EXPECT_EQ(lines[7].substr(66, 8), " 2.400  ");  // after the wide velocity
}

TEST(TextExport, AnEmptyUwiGivesAnEmptyLineAndBlankPaddedRowsButOnlyOnceWritten) {
    TempDir dir;
    Project p = ThreeSampleProject();
    p.wellLocation[5] = "";
    EXPECT_NE(ErrorOf([&] { ExportTextFile(p, dir.File("missing/folder/well.dat")); }), "");
    EXPECT_EQ(p.wellLocation[5], "");  // a failed export changes nothing

    ExportTextFile(p, dir.File("well.dat"));
    EXPECT_EQ(p.wellLocation[5], " ");  // the project keeps the blank
    std::istringstream lines(ReadWholeFile(dir.File("well.dat")));
    std::string line;
    for (int i = 0; i < 6; ++i)
        std::getline(lines, line);
    EXPECT_EQ(line.substr(0, 29), std::string(20, ' ') + "   0.0000");

    Project none;  // nothing computed
    none.lastSampleIndex = 10;
    std::ostringstream out;
    EXPECT_EQ(ErrorOf([&] { WriteTextExport(none, out); }),
              "There is no computed synthetic to export.");
    EXPECT_EQ(out.str(), "");
}

TEST(TextExport, WellAndWaveletLinesFollowTheChosenFormats) {
    Project p = ThreeSampleProject();
    p.waveletType = kRickerWavelet;
    p.lowCut = Value::Text("27.5");
    p.agcWindow = "0.5";
    p.kbElevation = Value::Text("unknown");
    p.datumVelocity = 0;
    const std::vector<std::string> lines = ExportedLines(p);
    EXPECT_EQ(lines[2], "KB = unknown  GL = .0  Seismic Datum = 1000.0  Datum Velocity = 0");
    EXPECT_EQ(lines[3],
              "Wavelet = 27.5 Hz Ricker  Phase = 0  Length = 0.160 sec  AGC length = 0.5");
}

// The well's location as the text export's first line and the SEG-Y card 3 write it: a location
// part whose fields are all empty is left out, not written as its bare words.
TEST(LocationLines, EmptyFieldsAreLeftOutOfTheTextExportAndTheSegyCard) {
    const struct {
        int format;
        std::array<std::string, 6> location;
        const char* wellLine;
        const char* card3;
    } cases[] = {
        {kTownshipRange,
         {"Kern", "California", "12", "29S", "21E", "0402912345"},
         "Ross 7 Kern County, California   Section 12-29S-21E",
         "Kern County, California   Section 12-29S-21E 0402912345"},
        {kTownshipRange, {"", "", "", "", "", "0402912345"}, "Ross 7 ", " 0402912345"},
        {kTownshipRange, {"", "", "12", "", "", ""}, "Ross 7 Section 12--", "Section 12--"},
        {kTownshipRange, {"Kern", "", "", "", "", ""}, "Ross 7 Kern County, ", "Kern County,"},
        {kGeneralLocation, {"", "", "", "", "", ""}, "Ross 7 ", ""},
        {kGeneralLocation, {"", "Block 7", "", "", "", ""}, "Ross 7 Block 7", "Block 7"},
        {kGeneralLocation,
         {"North Field", "Block 7", "", "", "", "UWI 1"},
         "Ross 7 North Field Block 7",
         "North Field Block 7 UWI 1"},
        {-1, {"North Field", "Block 7", "", "", "", "UWI 1"}, "Ross 7 ", " UWI 1"},
    };
    for (const auto& c : cases) {
        Project p = ComputedProject({0.5, 0.25});
        p.locationType = c.format;
        p.wellLocation = c.location;
        SCOPED_TRACE(c.wellLine);
        EXPECT_EQ(ExportedLines(p)[0], c.wellLine);
        std::string card = SegyTextCards(p, Polarity::kNormal).substr(2 * 80 + 4, 76);
        EXPECT_EQ(card.erase(card.find_last_not_of(' ') + 1), c.card3);
    }
}

}  // namespace
}  // namespace tessarin::test
