#include "files/segy_export.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

#include "files/ebcdic.h"
#include "files/export_fixture.h"
#include "files/ibm_float.h"
#include "model/error.h"

namespace tessarin::test {
namespace {

// EBCDIC (code page 037) of the characters the cards below use.
char Ebcdic(char c) {
    const struct {
        char first, last;
        int code;
    } ranges[] = {{' ', ' ', 64},  {'0', '9', 240}, {'A', 'I', 193}, {'J', 'R', 209},
                  {'S', 'Z', 226}, {'a', 'i', 129}, {'j', 'r', 145}, {'s', 'z', 162},
                  {'.', '.', 75},  {'-', '-', 96},  {'=', '=', 126}, {',', ',', 107}};
    for (const auto& r : ranges) {
        if (c >= r.first && c <= r.last)
            return static_cast<char>(r.code + (c - r.first));
    }
    ADD_FAILURE() << "no EBCDIC code for '" << c << "' in this test";
    return 0;
}

// One card: the text padded with blanks to 80 columns, in EBCDIC.
std::string Card(const std::string& text) {
    std::string card = text + std::string(80 - text.size(), ' ');
    for (char& c : card)
        c = Ebcdic(c);
    return card;
}

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (int v : values)
        bytes += static_cast<char>(v);
    return bytes;
}

// Card c of the ASCII cards, without its trailing blanks.
std::string CardText(const std::string& cards, int c) {
    std::string card = cards.substr(static_cast<std::size_t>(c - 1) * 80, 80);
    return card.substr(0, card.find_last_not_of(' ') + 1);
}

void Put16(std::string& bytes, std::size_t offset, int v) {
    bytes[offset] = static_cast<char>((v >> 8) & 0xFF);
    bytes[offset + 1] = static_cast<char>(v & 0xFF);
}

// The first offset where two byte strings differ, for a readable failure.
void ExpectSameBytes(const std::string& actual, const std::string& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    const auto at = std::mismatch(actual.begin(), actual.end(), expected.begin()).first;
    EXPECT_TRUE(at == actual.end()) << "first difference at byte " << (at - actual.begin());
}

std::string WrittenSegy(const Project& project, Polarity polarity, int traces) {
    std::ostringstream out;
    WriteSegy(project, polarity, traces, out);
    return out.str();
}

// Five samples, the log 12.5 ms (6.25 samples) below the datum: slots 0 to 6 lie above the first
// sample and hold 0; slot 7 lies 0.75 samples after sample 0, and so on, three quarters of the way
// from each sample to the next.
//   0.25 x 1.5 + 0.75 x -0.25           =  0.1875       N =  187500 = 0x02DC6C
//   0.25 x -0.25 + 0.75 x 0             = -0.0625       N = -62500  = -0x00F424
//   0.75 x 2^-16                        = 1.14e-05      N =  11
//   0.25 x 2^-16 + 0.75 x -0.375        = -0.2812461..  N = -281247 = -0x044A9F
Project PinnedProject() {
    Project p = ComputedProject({1.5, -0.25, 0.0, std::ldexp(1.0, -16), -0.375});
    p.firstSampleTime = 0.0125;
    return p;
}

std::string ExpectedTextHeader(const std::string& polarityCard) {
    std::string header = Card("C1  Tessarin Synthetic Seismogram") + Card("C2  Ross 7 ") +
                         Card("C3  Kern County, California   Section 12-29S-21E 0402912345") +
                         Card("C4  KB = 1234.6  GL = .0") +
                         Card("C5  Seismic Datum = 1000.0  Datum Velocity = 6000") +
                         Card("C6  Wavelet = 5-15-40-60 Hz  Phase = -90") +
                         Card("C7  Wavelet Length = 0.160 sec  AGC length = None") +
                         Card("C8  Acoustic impedance from sonic log") + Card(polarityCard);
    for (int c = 10; c <= 40; ++c)
        header += Card("C" + std::to_string(c));
    return header;
}

std::string ExpectedBinaryHeader() {
    std::string header(400, '\0');
    Put16(header, 12, 1);     // file offset 3212: traces per ensemble
    Put16(header, 16, 2000);  // 3216: sample interval
    Put16(header, 20, 11);    // 3220: samples per trace
    Put16(header, 24, 1);     // 3224: IBM floating point
    Put16(header, 54, 2);     // 3254: feet
    return header;
}

std::string ExpectedTrace(int number, const std::string& samples) {
    std::string header(240, '\0');
    for (std::size_t offset = 0; offset < 28; offset += 4) {
        header[offset + 3] = static_cast<char>(number);
    }
    Put16(header, 28, 1);
    Put16(header, 114, 11);
    Put16(header, 116, 2000);
    return header + std::string(28, '\0') + samples;
}

TEST(SegyExport, WritesEveryByteOfASmallNormalPolarityFile) {
    const std::string samples = Bytes({0x43, 0x2D, 0xC6, 0xC0, 0xC2, 0xF4, 0x24, 0x00,  //
                                       0x3F, 0xB0, 0x00, 0x00, 0xC3, 0x44, 0xA9, 0xF0});
    const std::string expected = ExpectedTextHeader("C9  Normal Polarity") +
                                 ExpectedBinaryHeader() + ExpectedTrace(1, samples) +
                                 ExpectedTrace(2, samples);
    EXPECT_EQ(expected.size(), 3600u + 2 * (240 + 4 * 11));
    ExpectSameBytes(WrittenSegy(PinnedProject(), Polarity::kNormal, 2), expected);
}

TEST(SegyExport, ReversePolarityDiffersInCardNineAndTheSamples) {
    // The cut toward minus infinity comes before the sign: -11.44 becomes -12 and 281246.19
    // becomes 281246, one unit less in magnitude than in the normal file.
    const std::string samples = Bytes({0xC3, 0x2D, 0xC6, 0xC0, 0x42, 0xF4, 0x24, 0x00,  //
                                       0xBF, 0xC0, 0x00, 0x00, 0x43, 0x44, 0xA9, 0xE0});
    const std::string expected = ExpectedTextHeader("C9  Reverse Polarity") +
                                 ExpectedBinaryHeader() + ExpectedTrace(1, samples);
    ExpectSameBytes(WrittenSegy(PinnedProject(), Polarity::kReverse, 1), expected);
}

TEST(SegyExport, CardsFollowTheLocationWaveletAndImpedanceChoices) {
    Project p = PinnedProject();
    p.locationType = kGeneralLocation;
    p.wellLocation[0] = "North Field";
    p.wellLocation[1] = "Block 7";
    p.waveletType = kRickerWavelet;
    p.lowCut = Value::Text("27.5");
    p.impedanceType = kSonicDensity;
    p.agcWindow = "0.5";
    const std::string cards = SegyTextCards(p, Polarity::kNormal);
    EXPECT_EQ(CardText(cards, 3), "C3  North Field Block 7 0402912345");
    EXPECT_EQ(CardText(cards, 6), "C6  Wavelet = 27.5 Hz Ricker  Phase = 0");
    EXPECT_EQ(CardText(cards, 7), "C7  Wavelet Length = 0.160 sec  AGC length = 0.5");
    EXPECT_EQ(CardText(cards, 8), "C8  Acoustic impedance from sonic and density logs");
    p.locationType = -1;  // no format chosen
    EXPECT_EQ(CardText(SegyTextCards(p, Polarity::kNormal), 3), "C3   0402912345");
}

TEST(SegyExport, LongTextRunsIntoTheNextCardWhoseLabelStays) {
    Project p = PinnedProject();
    p.wellName = std::string(80, 'W');  // 80 + the trailing blank: five past column 80
    const std::string cards = SegyTextCards(p, Polarity::kNormal);
    EXPECT_EQ(cards.substr(80, 80), "C2  " + std::string(76, 'W'));
    EXPECT_EQ(cards.substr(160, 6), "C3WWKe");  // card 3's text overwrites from column 5
}

TEST(SegyExport, QuestionMarkAndStarBecomeCodesEightAndZero) {
    Project p = PinnedProject();
    p.wellName = "A?*";
    const std::string header = WrittenSegy(p, Polarity::kNormal, 0);
    EXPECT_EQ(header.size(), 3600u);  // no traces asked for: the headers alone
    EXPECT_EQ(header.substr(84, 4), Bytes({193, 8, 0, 64}));
}

TEST(Ebcdic, TranslatesWithTheProgramsOwnTable) {
    // Code page 037 where the program keeps it, its own codes elsewhere.
    const std::string in =
        std::string("/:()|\0\x13\x1C\x1E[\\]^`{}~", 17) + "\x80\x83\x84\x97\x98\x9B\x9F\xA0\xFF";
    EXPECT_EQ(ToEbcdic(in), Bytes({97,  122, 77, 93, 79, 0, 0, 34, 53, 0, 0, 0, 0,
                                   185, 0,   0,  0,  8,  8, 0, 0,  8,  0, 0, 8, 8}));
}

TEST(SegyLayout, SampleIntervalIsTwiceTheOneWayInterval) {
    Project p = PinnedProject();
    p.sampleIntervalUs = 250;  // 0.5 ms: 12.5 ms is now 25 samples
    const SegyTraceLayout layout = PlanSegyTrace(p);
    EXPECT_EQ(layout.sampleIntervalUs, 500);
    EXPECT_EQ(layout.pad, 25);
    EXPECT_EQ(layout.sampleCount, 4 + 25 + 1);
    const std::string file = WrittenSegy(p, Polarity::kNormal, 1);
    EXPECT_EQ(file.substr(3216, 2), Bytes({0x01, 0xF4}));
    EXPECT_EQ(file.substr(3600 + 116, 2), Bytes({0x01, 0xF4}));
}

TEST(SegyLayout, TheLogIsPaddedOrCutToStartAtTheDatum) {
    // Synthetics 0.1, 0.2, ... of n + 1 samples: sample j holds (j + 1) / 10, so a slot's value
    // tells at which sample position of the log it lies.
    const struct {
        const char* where;
        int n;
        double firstSampleTime;
        Polarity polarity;
        int pad;
        double fraction;
        int zeros;
        std::vector<double> values;
    } rows[] = {
        // Half a second below: t = 250 exactly, 250 zeros, then every sample.
        {"below", 3, 0.5, Polarity::kNormal, 250, 0.0, 250, {0.1, 0.2, 0.3, 0.4}},
        // t = 6.25: slots 0 to 6 lie above sample 0; slot 7 lies at sample position 0.75.
        {"below, a fraction", 3, 0.0125, Polarity::kNormal, 6, 0.25, 7, {0.175, 0.275, 0.375}},
        {"at", 2, 0.0, Polarity::kReverse, 0, 0.0, 0, {-0.1, -0.2, -0.3}},
        // t = -10: slot 0 holds sample 10; the ten samples above the datum are left out.
        {"above", 12, -0.02, Polarity::kNormal, -10, 0.0, 0, {1.1, 1.2, 1.3}},
        // t = -6.25, Int(t) = -7, fraction 0.75: slot 0 lies at sample position 6.25.
        {"above, a fraction", 9, -0.0125, Polarity::kNormal, -7, 0.75, 0, {0.725, 0.825, 0.925}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.where);
        std::vector<double> synthetic;
        for (int i = 1; i <= row.n + 1; ++i)
            synthetic.push_back(i / 10.0);
        Project p = ComputedProject(synthetic);
        p.firstSampleTime = row.firstSampleTime;
        const SegyTraceLayout layout = PlanSegyTrace(p);
        std::vector<double> expected(static_cast<std::size_t>(row.zeros), 0.0);
        expected.insert(expected.end(), row.values.begin(), row.values.end());
        EXPECT_EQ(layout.pad, row.pad);
        EXPECT_EQ(layout.fraction, row.fraction);
        EXPECT_EQ(layout.sampleCount, static_cast<int>(expected.size()));
        const std::vector<double> values = SegyTraceValues(p, layout, row.polarity);
        ASSERT_EQ(values.size(), expected.size());
        for (std::size_t i = 0; i < values.size(); ++i)
            EXPECT_NEAR(values[i], expected[i], 1e-12) << "slot " << i;
    }
}

TEST(SegyLayout, TracesLongerThan8131SamplesUpTo32767AreWritten) {
    Project p = ComputedProject(std::vector<double>(10000, 0.25));
    p.firstSampleTime = 0.0;
    const std::string file = WrittenSegy(p, Polarity::kNormal, 2);
    ASSERT_EQ(file.size(), 3600u + 2 * (240 + 4 * 10000));
    EXPECT_EQ(file.substr(3220, 2), Bytes({0x27, 0x10}));
    EXPECT_EQ(file.substr(3600 + 240 + 40000 + 114, 2), Bytes({0x27, 0x10}));

    Project longest = ComputedProject(std::vector<double>(32017, 0.0));
    longest.firstSampleTime = 1.5;  // 750 samples below the datum: 750 zeros
    EXPECT_EQ(PlanSegyTrace(longest).sampleCount, 750 + 32017);
}

TEST(SegyLayout, RefusesTracesBeyond32767Samples) {
    Project p = ComputedProject(std::vector<double>(32018, 0.0));
    p.firstSampleTime = 1.5;  // 750 zeros and 32018 samples
    try {
        PlanSegyTrace(p);
        FAIL() << "a trace of 32768 samples was accepted";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(),
                     "The SEG-Y trace would have 32768 samples, more than the 32767 a SEG-Y file "
                     "can hold.");
    }
}

TEST(SegyLayout, RefusesALogStartingMoreThanItsLengthAboveTheDatum) {
    Project p = ComputedProject(std::vector<double>(11, 0.1));  // n = 10
    p.firstSampleTime = -0.022;                                 // t = -11: 0 samples
    EXPECT_THROW(PlanSegyTrace(p), Error);
    p.firstSampleTime = -0.0219;  // t = -10.95, Int(t) = -11: still 0 samples
    EXPECT_THROW(PlanSegyTrace(p), Error);
    p.firstSampleTime = -0.02;  // t = -10: one sample
    EXPECT_EQ(PlanSegyTrace(p).sampleCount, 1);
    p.firstSampleTime = -1.0;
    try {
        PlanSegyTrace(p);
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(),
                     "The log starts more than its own length above the seismic datum, so the "
                     "SEG-Y trace would have no samples.");
    }
}

TEST(SegyExportFile, ReplacesAnOldFileButARefusedExportLeavesItAlone) {
    TempDir dir;
    const std::string path = dir.File("well.sgy");
    Project refused = ComputedProject(std::vector<double>(11, 0.1));
    refused.firstSampleTime = -1.0;
    EXPECT_THROW(ExportSegyFile(refused, Polarity::kNormal, 5, path), Error);
    EXPECT_FALSE(std::filesystem::exists(path));

    WriteWholeFile(path, "earlier export");
    EXPECT_THROW(ExportSegyFile(refused, Polarity::kNormal, 5, path), Error);
    EXPECT_EQ(ReadWholeFile(path), "earlier export");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);

    ExportSegyFile(PinnedProject(), Polarity::kReverse, 3, path);
    EXPECT_EQ(ReadWholeFile(path), WrittenSegy(PinnedProject(), Polarity::kReverse, 3));
}

TEST(SegyExportFile, AnUnwritablePlaceIsReportedWithItsName) {
    const std::string path = "/nonexistent-folder/wellnormal.sgy";
    try {
        ExportSegyFile(PinnedProject(), Polarity::kNormal, 1, path);
        FAIL();
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("\"/nonexistent-folder/wellnormal.sgy\" could not "
                                             "be written"),
                  std::string::npos)
            << e.what();
    }
}

}  // namespace
}  // namespace tessarin::test
