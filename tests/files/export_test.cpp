// The exports of a computed synthetic: the text export (.dat) and the SEG-Y files, which must
// put every sample at the same time below the seismic datum.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <random>
#include <sstream>
#include <tuple>

#include "core_test_support.h"
#include "engine/datum.h"
#include "files/ebcdic.h"
#include "files/ibm_float.h"
#include "files/segy_export.h"
#include "files/text_export.h"

namespace tessarin::test {
namespace {

// A computed project of n = synthetic.size() - 1 samples at 2 ms, English units, Township and
// Range location, bandpass wavelet 5-15-40-60 Hz, Sonic Only. Depths start at 1000 and step 10.
Project ComputedProject(const std::vector<double>& synthetic) {
    Project p;  // English units, Township and Range, Sonic Only, bandpass, 2 ms, no AGC
    p.wellName = "Ross 7";
    p.wellLocation = {"Kern", "California", "12", "29S", "21E", "0402912345"};
    p.kbElevation = 1234.56;
    p.glElevation = 0;
    p.datumElevation = 1000;
    p.datumVelocity = 6000.4;
    p.lowCut = 5;
    p.lowPass = 15;
    p.highPass = 40;
    p.highCut = 60;
    p.phaseDegrees = -90;
    p.waveletLength = 0.16;
    const int n = static_cast<int>(synthetic.size()) - 1;
    p.lastSampleIndex = static_cast<std::int16_t>(n);
    p.syntheticTrace = synthetic;
    p.reflectionCoefficients = OffsetArray(-40, n + 50);
    for (int i = 0; i <= n; ++i) {
        p.timeDepth.push_back(1000.0 + 10.0 * i);
        p.intervalVelocity.push_back(10000.0);
        p.timeDensity.push_back(2.5);
    }
    return p;
}

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
    p.waveletType = kRickerWavelet;
    p.lowCut = Value::Text("27.5");
    p.kbElevation = Value::Text("unknown");
    const std::vector<std::string> lines = ExportedLines(p);
    EXPECT_EQ(lines[2], "KB = unknown  GL = .0  Seismic Datum = 1000.0  Datum Velocity = 6000");
    EXPECT_EQ(lines[3],
              "Wavelet = 27.5 Hz Ricker  Phase = 0  Length = 0.160 sec  AGC length = None");
    EXPECT_EQ(lines[5].substr(65, 8), " 2.345  ");
    EXPECT_EQ(lines[6].substr(65, 8), "-1.000  ");  // no density at this sample
}

TEST(TextExport, AnEmptyUwiGivesAnEmptyLineAndBlankPaddedRowsButOnlyOnceWritten) {
    TempDir dir;
    Project p = ThreeSampleProject();
    p.wellLocation[5] = "";
    EXPECT_NE(ErrorOf([&] { ExportTextFile(p, dir.File("missing/folder/well.dat")); }), "");
    EXPECT_EQ(p.wellLocation[5], "");  // a failed export changes nothing
    ExportTextFile(p, dir.File("well.dat"));
    EXPECT_EQ(p.wellLocation[5], " ");  // the project keeps the blank
    EXPECT_EQ(ReadWholeFile(dir.File("well.dat")).substr(51, 4), "\r\n\r\n");
}

// The well's location as the text export's first line and the SEG-Y card 3 write it: a location
// part whose fields are all empty is left out, not written as its bare words.
TEST(LocationLines, EmptyFieldsAreLeftOutOfTheTextExportAndTheSegyCard) {
    // Rows: the location format, its six fields "county|state|section|township|range|UWI", the
    // text export's first line and card 3 without its label.
    const std::tuple<int, const char*, const char*, const char*> rows[] = {
        {kTownshipRange, "||12|||", "Ross 7 Section 12--", "Section 12--"},
        {kTownshipRange, "Kern|||||", "Ross 7 Kern County, ", "Kern County,"},
        {kGeneralLocation, "|Block 7||||", "Ross 7 Block 7", "Block 7"},
        {kGeneralLocation, "North Field|Block 7||||UWI 1", "Ross 7 North Field Block 7",
         "North Field Block 7 UWI 1"},
        {-1, "North Field|Block 7||||UWI 1", "Ross 7 ", " UWI 1"},
    };
    for (const auto& [format, fields, wellLine, card3] : rows) {
        Project p = ComputedProject({0.5, 0.25});
        p.locationType = format;
        std::istringstream in(fields);
        for (std::string& field : p.wellLocation)
            std::getline(in, field, '|');
        EXPECT_EQ(ExportedLines(p)[0], wellLine);
        std::string card = SegyTextCards(p, Polarity::kNormal).substr(2 * 80 + 4, 76);
        EXPECT_EQ(card.erase(card.find_last_not_of(' ') + 1), card3) << fields;
    }
}

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (int v : values)
        bytes += static_cast<char>(v);
    return bytes;
}

// Four bytes as one big-endian number: 41 3E 80 00 is 0x413E8000.
std::uint32_t Word(const unsigned char* b) {
    return std::uint32_t{b[0]} << 24 | b[1] << 16 | b[2] << 8 | b[3];
}

// A strict IBM single-precision decoder: (-1)^sign x fraction / 2^24 x 16^(exponent - 64), with
// no assumption that the fraction is normalized.
double IbmValue(std::uint32_t w) {
    const double magnitude =
        std::ldexp(w & 0xFFFFFF, 4 * static_cast<int>((w >> 24 & 0x7F) - 64) - 24);
    return w >> 31 ? -magnitude : magnitude;
}

TEST(IbmFloat, WritesTheFixedExponentValueNormalizedAndRoundsHalvesToEven) {
    // A sample v is N / 256 with N = Int(v x 1 000 000). 0.001: N = 1000 = 0x0003E8, held before
    // as 44 00 03 E8; shifted three hexadecimal places: 0x3E8000 with exponent 0x41 (3.90625).
    // Below one millionth the cut gives N = 0, or -1 for a negative value; N = 1 moves five
    // places. 20.0: N = 0x1312D00, one hexadecimal digit too wide, is rounded.
    for (const auto& [v, word] : {std::pair{0.001, 0x413E8000u},
                                  {-4e-7, 0xBF100000u},
                                  {1.5e-6, 0x3F100000u},
                                  {-20.0, 0xC51312D0u},
                                  {4e-7, 0u}})
        EXPECT_EQ(Word(EncodeSegySample(v).data()), word) << v;
    // A magnitude that fills 24 bits keeps its exponent; halves go to the even fraction; several
    // digits dropped are rounded once (0x1_000007_FF is below the half); a carry out of the
    // fraction moves the exponent up once more.
    const std::tuple<bool, unsigned long long, std::uint32_t> fixed[] = {
        {false, 0xABCDEF, 0x44ABCDEF},       {false, 0x1312D08, 0x451312D0},
        {false, 0x1312D18, 0x451312D2},      {false, 0x1312D09, 0x451312D1},
        {false, 0x1000007FFULL, 0x47100000}, {false, 0x100000801ULL, 0x47100001},
        {true, 0xFFFFFF8, 0xC6100000}};
    for (const auto& [negative, magnitude, word] : fixed)
        EXPECT_EQ(Word(IbmFloatOfFixed(negative, magnitude).data()), word) << magnitude;
    for (double refused : {std::nan(""), double(INFINITY), 1e20})
        EXPECT_NE(ErrorOf([&] { EncodeSegySample(refused); }), "") << refused;
}

TEST(IbmFloat, EveryNormalizedSampleEqualsItsFixedExponentValue) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> amplitude(-16.0, 16.0);
    std::uniform_int_distribution<int> scale(0, 9);
    for (int i = 0; i < 20000; ++i) {
        const double v = amplitude(random) * std::pow(10.0, -scale(random));
        const std::uint32_t written = Word(EncodeSegySample(v).data());
        ASSERT_EQ(IbmValue(written), std::floor(v * 1000000.0) / 256) << v;
        ASSERT_TRUE(written == 0 || (written & 0xF00000) != 0) << v;
    }
}

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

// The text header: cards 1 to 40 with the given texts, in EBCDIC.
std::string TextHeader(const std::vector<std::string>& texts) {
    std::string header;
    for (int c = 1; c <= 40; ++c) {
        std::string card = "C" + std::to_string(c);
        if (c <= static_cast<int>(texts.size()))
            card += std::string(4 - card.size(), ' ') + texts[c - 1];
        card += std::string(80 - card.size(), ' ');
        std::transform(card.begin(), card.end(), card.begin(), Ebcdic);
        header += card;
    }
    return header;
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
// Reversed, the cut toward minus infinity comes before the sign: -11.44 becomes -12 and
// 281246.19 becomes 281246, one unit less in magnitude than in the normal file.
TEST(SegyExport, WritesEveryByteOfASmallFileOfEitherPolarity) {
    Project p = ComputedProject({1.5, -0.25, 0.0, std::ldexp(1.0, -16), -0.375});
    p.firstSampleTime = 0.0125;
    const std::vector<std::string> cards = {
        "Tessarin Synthetic Seismogram",
        "Ross 7 ",
        "Kern County, California   Section 12-29S-21E 0402912345",
        "KB = 1234.6  GL = .0",
        "Seismic Datum = 1000.0  Datum Velocity = 6000",
        "Wavelet = 5-15-40-60 Hz  Phase = -90",
        "Wavelet Length = 0.160 sec  AGC length = None",
        "Acoustic impedance from sonic log"};
    // Traces per ensemble, sample interval, samples per trace, IBM floats, feet.
    const std::string binary = Bytes({0, 0, 0, 0,    0,    0, 0, 0, 0,  0, 0, 0, 0,
                                      1, 0, 0, 0x07, 0xD0, 0, 0, 0, 11, 0, 0, 0, 1}) +
                               std::string(28, '\0') + Bytes({0, 2}) + std::string(344, '\0');
    // Seven sequence numbers, seismic data, then the samples and interval at bytes 114 and 116.
    const auto trace = [](int number, const std::string& samples) {
        std::string header;
        for (int k = 0; k < 7; ++k)
            header += Bytes({0, 0, 0, number});
        return header + Bytes({0, 1}) + std::string(84, '\0') + Bytes({0, 11, 0x07, 0xD0}) +
               std::string(122, '\0') + std::string(28, '\0') + samples;
    };
    const std::string normal = Bytes({0x43, 0x2D, 0xC6, 0xC0, 0xC2, 0xF4, 0x24, 0x00,  //
                                      0x3F, 0xB0, 0x00, 0x00, 0xC3, 0x44, 0xA9, 0xF0});
    const std::string reverse = Bytes({0xC3, 0x2D, 0xC6, 0xC0, 0x42, 0xF4, 0x24, 0x00,  //
                                       0xBF, 0xC0, 0x00, 0x00, 0x43, 0x44, 0xA9, 0xE0});
    std::vector<std::string> normalCards = cards, reverseCards = cards;
    normalCards.push_back("Normal Polarity");
    reverseCards.push_back("Reverse Polarity");
    EXPECT_TRUE(WrittenSegy(p, Polarity::kNormal, 2) ==
                TextHeader(normalCards) + binary + trace(1, normal) + trace(2, normal));
    EXPECT_TRUE(WrittenSegy(p, Polarity::kReverse, 1) ==
                TextHeader(reverseCards) + binary + trace(1, reverse));

    // Metric units, and half a millisecond: 12.5 ms is now 25 samples of 500 two-way us.
    p.measurementUnits = kMetric;
    p.sampleIntervalUs = 250;
    const std::string file = WrittenSegy(p, Polarity::kNormal, 1);
    EXPECT_EQ(file.substr(3216, 6) + file.substr(3254, 2) + file.substr(3600 + 114, 4),
              Bytes({0x01, 0xF4, 0, 0, 0, 4 + 25 + 1, 0, 1, 0, 30, 0x01, 0xF4}));
}

TEST(SegyExport, CardsFollowTheChoicesAndLongTextRunsOnUnderTheNextLabel) {
    Project p = ComputedProject({0.5, 0.25});
    p.impedanceType = kSonicDensity;
    p.agcWindow = "0.5";
    std::string cards = SegyTextCards(p, Polarity::kNormal);
    EXPECT_EQ(cards.substr(6 * 80, 160),
              "C7  Wavelet Length = 0.160 sec  AGC length = 0.5" + std::string(32, ' ') +
                  "C8  Acoustic impedance from sonic and density logs" + std::string(30, ' '));
    p.wellName = std::string(80, 'W');  // 80 + the trailing blank: five past column 80
    cards = SegyTextCards(p, Polarity::kNormal);
    EXPECT_EQ(cards.substr(80, 86), "C2  " + std::string(76, 'W') + "C3WWKe");

    // Code page 037 where the program keeps it, its own codes elsewhere: "?" is 8, "*" is 0.
    const std::string in =
        std::string("/:()|\0\x13\x1C\x1E[\\]^`{}~?*", 19) + "\x80\x83\x84\x97\x98\x9B\x9F\xA0\xFF";
    EXPECT_EQ(ToEbcdic(in), Bytes({97, 122, 77, 93, 79, 0, 0, 34, 53, 0, 0, 0, 0, 185,
                                   0,  0,   0,  8,  0,  8, 8, 0,  0,  8, 0, 0, 8, 8}));
}

TEST(SegyLayout, ATraceHoldsOneTo32767Samples) {
    // 750 samples below the datum add 750 zeros; 10 samples above it leave the last one alone.
    const auto count = [](int samples, double firstSampleTime) {
        Project p = ComputedProject(std::vector<double>(samples, 0.1));
        p.firstSampleTime = firstSampleTime;
        return PlanSegyTrace(p).sampleCount;
    };
    EXPECT_EQ(count(32017, 1.5), 32767);
    EXPECT_EQ(
        ErrorOf([&] { count(32018, 1.5); }),
        "The SEG-Y trace would have 32768 samples, more than the 32767 a SEG-Y file can hold.");
    EXPECT_EQ(count(11, -0.02), 1);
    EXPECT_EQ(ErrorOf([&] { count(11, -0.0219); }),  // Int(-10.95) = -11: no sample
              "The log starts more than its own length above the seismic datum, so the SEG-Y trace "
              "would have no samples.");
}

// The SEG-Y trace and the text export must put every sample of the synthetic at the same two-way
// time below the seismic datum: that is what lets the trace be loaded beside real seismic.
TEST(SegyTimeZero, EverySampleLiesAtItsDatTimeWithinAHundredthOfASample) {
    // Samples every 10 ft from 1000 ft below a KB at 1500 ft: sample j lies at elevation
    // 500 - 10 j. A datum above the log is crossed at 8000 ft/s. The start times are chosen so
    // that every DatTime is exact in the text's four decimals.
    // Rows: the datum (50 ft below the log: 6.25 samples; 50.4 ft at 0.5 ms: 25.2 samples; at
    // the first sample; 3 samples above; 2.4 samples above at 0.5 ms), the sample interval.
    std::vector<double> ramp;  // the value of each slot tells the sample position it lies at
    for (int j = 0; j <= 60; ++j)
        ramp.push_back(1.0 + 0.01 * j);
    for (const auto& [datum, interval] :
         {std::pair{550.0, 1000}, {550.4, 250}, {500.0, 1000}, {470.0, 1000}, {476.0, 250}}) {
        Project p = ComputedProject(ramp);
        p.sampleIntervalUs = static_cast<std::int16_t>(interval);
        p.kbElevation = Value(1500);
        p.datumType = kSpecifiedDatum;
        p.datumElevation = Value(datum);
        p.datumVelocity = Value(8000);
        p.firstSampleTime = FirstSampleTime(p);

        // The DatTime column of the text export, one per sample.
        const std::vector<std::string> lines = ExportedLines(p);
        std::vector<double> datTimes;
        for (std::size_t j = 5; j < lines.size(); ++j)
            datTimes.push_back(std::stod(lines[j].substr(30, 8)));
        // The trace's samples, read back as N / 256 with N = Int(v x 1 000 000).
        const std::string segy = WrittenSegy(p, Polarity::kNormal, 1);
        std::vector<double> trace;
        for (std::size_t at = 3600 + 240; at < segy.size(); at += 4)
            trace.push_back(IbmValue(Word(reinterpret_cast<const unsigned char*>(&segy[at]))) *
                            256.0 / 1000000.0);

        // Slot i lies at i x dt below the datum and holds the log at sample position x; the
        // text export puts that position at the DatTime interpolated between its samples.
        const double dt = 2.0 * p.sampleIntervalUs / 1000000.0;
        int compared = 0;
        for (std::size_t i = 0; i < trace.size(); ++i) {
            const double x = (trace[i] - 1.0) / 0.01;
            const auto k = static_cast<std::size_t>(std::floor(x));
            if (trace[i] == 0.0 || k + 1 >= datTimes.size())
                continue;  // a slot before the first sample, or after the last
            const double datTime = datTimes[k] + (x - k) * (datTimes[k + 1] - datTimes[k]);
            // A hundredth of a sample, and the 10^-6 steps in which samples are stored.
            EXPECT_NEAR(i * dt, datTime, 0.0101 * dt) << "slot " << i;
            ++compared;
        }
        EXPECT_GE(compared, 55);
    }
}

}  // namespace
}  // namespace tessarin::test
