// The SEG-Y reader on small files written here byte by byte: every sample format in either byte
// order, line numbers at any header position, the ways of choosing a trace, and the files it
// refuses, with the message the user reads.

#include "files/segy_reader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <bit>
#include <cmath>
#include <cstdint>

#include "core_test_support.h"
#include "files/ibm_float.h"
#include "files/seismic_trace_load.h"
#include "files/text_trace.h"

namespace tessarin::test {
namespace {

struct FileShape {
    int format = 5;
    bool little = false;
    int samples = 4;
    int binaryDt = 4000;
    int traceDt = 4000;
    int delayMs = -100;
    int scalar = -10;
    int extended = 0;
    int inlineByte = 189;
};

void Put(std::string& bytes, std::size_t at, std::uint32_t value, int size, bool little) {
    for (int k = 0; k < size; ++k) {
        bytes[at + static_cast<std::size_t>(little ? k : size - 1 - k)] =
            static_cast<char>(value >> (8 * k));
    }
}

std::uint32_t SampleBits(double v, int format) {
    if (format == 1) {
        const IbmFloatBytes b =
            IbmFloatOfFixed(v < 0, static_cast<std::uint64_t>(std::fabs(v) * 256));
        return std::uint32_t{b[0]} << 24 | b[1] << 16 | b[2] << 8 | b[3];
    }
    return format == 5 ? std::bit_cast<std::uint32_t>(static_cast<float>(v))
                       : static_cast<std::uint32_t>(static_cast<std::int32_t>(v));
}

// Trace k (from 0) lies at inline 10 + k / 3, crossline 20 + k % 3, CDP (1000 + 10k, 5000 - 10k)
// before scaling, and holds the samples k - 2, 0, 3, 127.
std::string SegyBytes(const FileShape& s, int traces = 6) {
    const int width = s.format == 8 ? 1 : s.format == 3 ? 2 : 4;
    std::string bytes(3600 + 3200 * std::max(s.extended, 0), '\0');
    Put(bytes, 3216, s.binaryDt, 2, s.little);
    Put(bytes, 3220, s.samples, 2, s.little);
    Put(bytes, 3224, s.format, 2, s.little);
    Put(bytes, 3504, s.extended, 2, s.little);
    for (int k = 0; k < traces; ++k) {
        std::string t(240 + width * s.samples, '\0');
        Put(t, 70, s.scalar, 2, s.little);
        Put(t, 108, s.delayMs, 2, s.little);
        Put(t, 114, s.samples, 2, s.little);
        Put(t, 116, s.traceDt, 2, s.little);
        Put(t, 180, 1000 + 10 * k, 4, s.little);
        Put(t, 184, 5000 - 10 * k, 4, s.little);
        Put(t, s.inlineByte - 1, 10 + k / 3, 4, s.little);
        Put(t, 192, 20 + k % 3, 4, s.little);
        const double values[] = {k - 2.0, 0, 3, 127};
        for (int i = 0; i < s.samples; ++i) {
            Put(t, 240 + i * width, SampleBits(values[i % 4], s.format), width, s.little);
        }
        bytes += t;
    }
    return bytes;
}

TEST(SegyReader, ReadsEveryFormatInEitherByteOrderAndLinesAtAnyBytes) {
    // Byte 213 straddles two 2-byte fields, which a reader swapping field by field gets wrong.
    for (const FileShape s :
         {FileShape{1}, FileShape{1, true}, FileShape{2}, FileShape{2, true}, FileShape{3},
          FileShape{3, true}, FileShape{5}, FileShape{5, true}, FileShape{8}, FileShape{8, true},
          FileShape{.little = true, .inlineByte = 213}, FileShape{.inlineByte = 9}}) {
        SCOPED_TRACE(testing::Message() << "format " << s.format << (s.little ? " LE" : " BE")
                                        << " inline byte " << s.inlineByte);
        TempDir dir;
        WriteWholeFile(dir.File("t.sgy"), SegyBytes(s));
        SegyReadOptions options;
        options.lineBytes.inlineByte = s.inlineByte;
        const auto r = ReadSegyTrace(dir.File("t.sgy"), SegyTraceChoice::AtLines(11, 21), options);
        ASSERT_TRUE(r) << r.message;
        EXPECT_EQ(r.value->traceNumber, 5);
        EXPECT_EQ(r.value->trace, (SampledTrace{-0.1, 0.004, {2, 0, 3, 127}}));
        EXPECT_DOUBLE_EQ(r.value->x, 104);
        EXPECT_DOUBLE_EQ(r.value->y, 496);
    }
}

TEST(SegyReader, ChoosesByNumberOrNearestTheWellWithScaledCoordinates) {
    TempDir dir;
    for (const auto& [scalar, x, y, number, distance] :
         {std::tuple{0, 1031.0, 4970.0, 4, 1.0},
          {-10, 104.0, 496.0, 5, 0.0},
          {100, 103000.0, 499000.0, 3, 1000.0 * std::sqrt(2.0)}}) {
        WriteWholeFile(dir.File("t.sgy"), SegyBytes({.scalar = scalar}));
        const auto r = ReadSegyTrace(dir.File("t.sgy"), SegyTraceChoice::NearestTo(x, y));
        ASSERT_TRUE(r) << r.message;
        EXPECT_EQ(r.value->traceNumber, number) << scalar;
        EXPECT_NEAR(r.value->distance, distance, 1e-9) << scalar;
    }
    EXPECT_EQ(ReadSegyTrace(dir.File("t.sgy"), SegyTraceChoice::AtLines(10, 20)).value->traceNumber,
              1);
    EXPECT_EQ(ReadSegyTrace(dir.File("t.sgy"), SegyTraceChoice::Number(7)).message,
              "The file \"" + dir.File("t.sgy") + "\" holds traces 1 to 6, not trace 7.");
    EXPECT_EQ(ReadSegyTrace(dir.File("t.sgy"), SegyTraceChoice::AtLines(11, 19)).message,
              "The file \"" + dir.File("t.sgy") +
                  "\" holds no trace at inline 11, crossline 19 (bytes 189 and 193).");
}

TEST(SegyReader, SampleIntervalFromTheHeadersOrTheCallersChoice) {
    TempDir dir;
    const std::string path = dir.File("t.sgy");
    for (const auto& [binary, trace, overrideMs, interval] :
         {std::tuple{2000, 0, 0.0, 0.002}, {0, 1000, 0.0, 0.001}, {2000, 4000, 4.0, 0.004}}) {
        WriteWholeFile(path, SegyBytes({.binaryDt = binary, .traceDt = trace}));
        const auto r = ReadSegyTrace(path, SegyTraceChoice::Number(1), {.intervalMs = overrideMs});
        ASSERT_TRUE(r) << r.message;
        EXPECT_DOUBLE_EQ(r.value->trace.interval, interval);
    }
    EXPECT_EQ(ReadSegyTrace(path, SegyTraceChoice::Number(1)).message,
              "The file \"" + path +
                  "\" gives two sample intervals: 2 ms in its binary header and 4 ms in its "
                  "first trace header; give the interval to use.");
}

TEST(SegyReader, RefusesWhatIsNoWholeSegyFileWithTheCause) {
    TempDir dir;
    const std::string path = dir.File("t.sgy");
    const std::string good = SegyBytes({});
    const std::string ext = SegyBytes({.extended = 1});
    const std::string noCount = SegyBytes({.samples = 0});
    for (const auto& [bytes, cause] : {
             std::pair{std::string(3000, 'x'),
                       " is not a SEG-Y file: it holds 3000 bytes, fewer than the 3600 of the "
                       "text and binary headers."},
             {std::string(4000, 'x'),
              " is not a SEG-Y file: its binary header holds no sample format code in bytes "
              "3225-3226."},
             {good.substr(0, good.size() - 7),
              " does not hold a whole number of traces: after its 3600 bytes of headers come 1529 "
              "bytes, not a multiple of the 256 bytes of a trace (a 240-byte header and 4 samples "
              "of 4 bytes)."},
             {good.substr(0, 3700), " is cut short: it ends before its first trace header."},
             {good.substr(0, 3600), " holds no traces."},
             {SegyBytes({.extended = -1}),
              " has a variable number of extended text headers (-1 in bytes 3505-3506), so where "
              "its traces begin is not known; it cannot be read."},
             {SegyBytes({.format = 4}),
              " holds samples of format 4-byte fixed point with gain, which cannot be read: "
              "formats 1 (IBM float), 2 (4-byte integer), 3 (2-byte integer), 5 (IEEE float) "
              "and 8 (1-byte integer) can."},
             {noCount,
              " gives no number of samples per trace, neither in its binary header nor in its "
              "first trace header."},
         }) {
        WriteWholeFile(path, bytes);
        EXPECT_EQ(ReadSegyTrace(path, SegyTraceChoice::Number(1)).message,
                  "The file \"" + path + "\"" + cause);
    }
    WriteWholeFile(path, ext);  // an extended text header is skipped
    EXPECT_EQ(ReadSegyTrace(path, SegyTraceChoice::Number(2)).value->trace.values[0], -1);
    // What is not a regular file is refused before it is opened: a pipe would block the reader.
    ::mkfifo(dir.File("pipe").c_str(), 0600);
    for (const auto& [special, kind] : {std::pair{dir.File("pipe"), "a named pipe"},
                                        {dir.Path().string(), "a folder"},
                                        {std::string("/dev/zero"), "a device"}}) {
        const std::string refused = "The file \"" + special + "\" is not a regular file but ";
        EXPECT_EQ(ScanSegy(special).message, refused + kind + ".");
        EXPECT_EQ(ReadSegyTrace(special, SegyTraceChoice::Number(1)).message, refused + kind + ".");
        EXPECT_EQ(ReadTextTrace(special).message, refused + kind + ".");
    }
}

TEST(SegyReader, SummaryForTheDialog) {
    TempDir dir;
    std::string bytes = SegyBytes({.little = true, .binaryDt = 2000, .scalar = 10});
    Put(bytes, 3220, 9, 2, true);  // the trace headers' 4 samples fit the file, 9 do not
    WriteWholeFile(dir.File("t.sgy"), bytes);
    const auto s = ScanSegy(dir.File("t.sgy"));
    ASSERT_TRUE(s) << s.message;
    EXPECT_EQ(DescribeSegy(*s.value),
              (std::vector<std::string>{
                  "Traces: 6", "Samples per trace: 4",
                  "Sample interval: 2 ms (binary header), 4 ms (first trace header)",
                  "Sample format: 4-byte IEEE float, little-endian", "First sample time: -100 ms",
                  "Inlines (byte 189): 10 to 11", "Crosslines (byte 193): 20 to 22",
                  "CDP X: 10000 to 10500", "CDP Y: 49500 to 50000",
                  "The binary header gives 9 samples per trace, the first trace header 4; the "
                  "file's size fits 4, which is used."}));
    EXPECT_TRUE(ScanSegy(dir.File("t.sgy"), {.inlineByte = 1, .crosslineByte = 237}));
    EXPECT_EQ(ScanSegy(dir.File("t.sgy"), {.inlineByte = 238}).message,
              "The inline byte position 238 lies outside the trace header: a 4-byte number "
              "starts at byte 1 to 237.");
}

TEST(SeismicFile, SegyOrTextTraceRefusedWithTheMessageOfTheKindItsNameSays) {
    TempDir dir;
    WriteWholeFile(dir.File("line.dat"), SegyBytes({}));
    WriteWholeFile(dir.File("trace.sgy"), "0 1\n0.004 2\n");
    const auto segy = ReadSeismicFileSummary(dir.File("line.dat"), {.inlineByte = 193});
    ASSERT_TRUE(segy) << segy.message;
    EXPECT_EQ(segy.value->segy->firstInline, 20);
    EXPECT_FALSE(segy.value->textTrace);
    const auto text = ReadSeismicFileSummary(dir.File("trace.sgy"));
    ASSERT_TRUE(text) << text.message;
    EXPECT_EQ(text.value->textTrace->values, (std::vector<double>{1, 2}));
    EXPECT_FALSE(text.value->segy);
    for (const char* name : {"bad.SEGY", "bad.txt"}) {
        WriteWholeFile(dir.File(name), std::string(4000, 'x'));
        const std::string message = ReadSeismicFileSummary(dir.File(name)).message;
        EXPECT_EQ(message.find("is not a SEG-Y file") != std::string::npos,
                  std::string(name) == "bad.SEGY")
            << message;
        EXPECT_NE(message.find(dir.File(name)), std::string::npos);
    }
}

TEST(TextTrace, ReadsEvenlySampledTimeAndAmplitude) {
    const auto good = ReadTextTraceText(
        "time amplitude\n# comment\n0.100\t1.5\r\n0.102, -2\n\n"
        "0.104 3e-1\n",
        "t.txt");
    ASSERT_TRUE(good) << good.message;
    EXPECT_EQ(good.value->values, (std::vector<double>{1.5, -2, 0.3}));
    EXPECT_DOUBLE_EQ(good.value->firstTime, 0.1);
    EXPECT_NEAR(good.value->interval, 0.002, 1e-15);
    for (const auto& [text, message] : {
             std::pair{"0 1\n0.002 1\n0.005 1\n0.006 1\n",
                       "The trace file \"t.txt\", line 3: the time .005 s breaks the even "
                       "sampling of .002 s (.004 s expected); the trace must be sampled evenly "
                       "in rising time."},
             {"0 1\n0.002 1 7\n",
              "The trace file \"t.txt\", line 2: two numbers are expected, the two-way time in "
              "seconds and the amplitude."},
             {"title\n0 1\n",
              "The trace file \"t.txt\" holds fewer than two samples of time and "
              "amplitude."},
         }) {
        EXPECT_EQ(ReadTextTraceText(text, "t.txt").message, message);
    }
}

}  // namespace
}  // namespace tessarin::test
