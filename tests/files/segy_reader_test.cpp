// The SEG-Y reader on small files written here byte by byte: every sample format in either byte
// order, line numbers at any header position, the ways of choosing a trace, and the files it
// refuses, with the message the user reads. 3D volumes read as segyio reads them: the geometry
// of either sorting and byte order; 2D lines and irregular files still read as lists; a trace by
// lines or nearest the well as the scan finds it, from a few headers; the blend against numbers
// worked out by hand; source coordinates; damaged volumes; the tie block of earlier versions
// unchanged.

#include "files/segy_reader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>

#include "core_test_support.h"
#include "files/ibm_float.h"
#include "files/project_tie_block.h"
#include "files/seismic_trace_load.h"
#include "files/text_trace.h"
#include "model/numeric.h"
#include "model/well_coordinates.h"

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
                  "\" holds no trace at inline 11, crossline 19 (bytes 189 and 193): its inlines "
                  "run 10 to 11 in steps of 1, its crosslines 20 to 22 in steps of 1.");
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
                  "Geometry: 3D volume sorted by inline, 2 inlines by 3 crosslines",
                  "Inlines (byte 189): 10 to 11, step 1", "Crosslines (byte 193): 20 to 22, step 1",
                  "CDP X: 10000 to 10500", "CDP Y: 49500 to 50000",
                  "Corner inline 10, crossline 20: X 10000, Y 50000",
                  "Corner inline 10, crossline 22: X 10200, Y 49800",
                  "Corner inline 11, crossline 20: X 10300, Y 49700",
                  "Corner inline 11, crossline 22: X 10500, Y 49500",
                  "The corners do not span a grid in X and Y: the trace nearest the well is found "
                  "among all the traces, and no traces are blended.",
                  "Coordinate scalar (bytes 71-72): 10",
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

// 3D volumes: inline index i and crossline index j of a Volume at inlines 100, 102, ... and
// crosslines 300, 299, ..., sorted by inline or by crossline.
struct Volume {
    int inlines = 4;     // numbered 100, 102, ...
    int crosslines = 5;  // numbered 300, 299, ...
    bool byCrossline = false;
    bool little = false;
};
struct Trace {
    int i = 0;
    int j = 0;
};

// Inline index i and crossline index j stand at CDP (600000 + 20 i - 5 j, 6000000 + 10 i +
// 12.5 j), a turned and sheared grid, written times 100 under the scalar -100; the source X/Y
// lie 1000 east and 2000 north. The samples are il, xl, il * xl (all three bilinear) and il * il.
std::pair<double, double> Cdp(double i, double j) {
    return {600000 + 20 * i - 5 * j, 6000000 + 10 * i + 12.5 * j};
}

std::string VolumeBytes(const Volume& v, const std::vector<Trace>& traces) {
    std::string bytes(3600, '\0');
    for (const auto& [at, value] : {std::pair{3216, 4000}, {3220, 4}, {3224, 5}}) {
        Put(bytes, at, value, 2, v.little);
    }
    for (const auto [i, j] : traces) {
        std::string t(256, '\0');
        const auto [x, y] = Cdp(i, j);
        const double il = 100 + 2 * i, xl = 300 - j;
        for (const auto& [at, value, size] : {std::tuple{70, -100.0, 2},
                                              {72, (x + 1000) * 100, 4},
                                              {76, (y + 2000) * 100, 4},
                                              {114, 4.0, 2},
                                              {116, 4000.0, 2},
                                              {180, x * 100, 4},
                                              {184, y * 100, 4},
                                              {188, il, 4},
                                              {192, xl, 4}}) {
            Put(t, static_cast<std::size_t>(at), static_cast<std::uint32_t>(std::lround(value)),
                size, v.little);
        }
        for (const auto& [s, value] : {std::pair{0, il}, {1, xl}, {2, il * xl}, {3, il * il}}) {
            Put(t, 240 + 4 * static_cast<std::size_t>(s),
                std::bit_cast<std::uint32_t>(static_cast<float>(value)), 4, v.little);
        }
        bytes += t;
    }
    return bytes;
}

// The whole volume in the order of its sorting.
std::string VolumeBytes(const Volume& v) {
    std::vector<Trace> traces;
    const int n = v.byCrossline ? v.inlines : v.crosslines;  // traces of a line in the file
    for (int a = 0; a < v.inlines * v.crosslines; ++a) {
        traces.push_back(v.byCrossline ? Trace{a % n, a / n} : Trace{a / n, a % n});
    }
    return VolumeBytes(v, traces);
}

std::optional<SegyGeometry> GeometryOf(const std::string& path) {
    return FindSegyGeometry(SegyFile(path), {}, TraceCoordinates::kCdp);
}

TEST(SegyVolume, GeometryOfEitherSortingAndByteOrder) {
    TempDir dir;
    for (const bool byCrossline : {false, true}) {
        for (const bool little : {false, true}) {
            SCOPED_TRACE(testing::Message() << byCrossline << little);
            WriteWholeFile(dir.File("v.sgy"),
                           VolumeBytes({.byCrossline = byCrossline, .little = little}));
            const auto g = GeometryOf(dir.File("v.sgy"));
            ASSERT_TRUE(g);
            EXPECT_EQ(g->sorting == SegyGeometry::Sorting::kCrossline, byCrossline);
            EXPECT_EQ((std::tuple{g->inlines.first, g->inlines.step, g->inlines.count,
                                  g->crosslines.first, g->crosslines.step, g->crosslines.count}),
                      (std::tuple{100, 2, 4, 300, -1, 5}));
            EXPECT_TRUE(g->mapped);
            EXPECT_EQ((std::pair{g->corners[3].x, g->corners[3].y}), Cdp(3, 4));
        }
    }
}

TEST(SegyVolume, TwoDLinesAndIrregularFilesAreStillReadAsLists) {
    TempDir dir;
    std::vector<Trace> line, holed, unsorted, uneven;
    for (int k = 0; k < 20; ++k) {
        line.push_back({1, k});  // one inline
        holed.push_back({k / 5, k % 5});
        uneven.push_back({k / 5 == 2 ? 3 : k / 5, k % 5});  // inlines 100, 102, 106, 106
    }
    unsorted = holed;
    std::shuffle(unsorted.begin(), unsorted.end(), std::mt19937(3));
    holed.erase(holed.begin() + 7);
    for (const auto& traces : {line, holed, unsorted, uneven}) {
        WriteWholeFile(dir.File("l.sgy"), VolumeBytes({}, traces));
        EXPECT_FALSE(GeometryOf(dir.File("l.sgy")));
        EXPECT_EQ(DescribeSegy(*ScanSegy(dir.File("l.sgy")).value)[5],
                  "Geometry: a list of traces, not a regular 3D volume");
        const Trace t = traces[9];
        EXPECT_EQ(
            ReadSegyTrace(dir.File("l.sgy"), SegyTraceChoice::AtLines(100 + 2 * t.i, 300 - t.j))
                .value->traceNumber,
            10);
        EXPECT_NE(ReadSegyTrace(dir.File("l.sgy"), SegyTraceChoice::InterpolatedAt(6e5, 6e6))
                      .message.find("holds no regular 3D volume"),
                  std::string::npos);
    }
}

// The same traces as a volume and shuffled into a list: the volume answers as the list's scan,
// from a few headers where the list reads them all.
TEST(SegyVolume, TraceByLinesOrNearestAsTheScanFindsItFromAFewHeaders) {
    TempDir dir;
    const Volume v{.inlines = 30, .crosslines = 40};
    std::vector<Trace> shuffled;
    for (int k = 0; k < 1200; ++k) {
        shuffled.push_back({k / 40, k % 40});
    }
    std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(5));
    WriteWholeFile(dir.File("volume.sgy"), VolumeBytes(v));
    WriteWholeFile(dir.File("list.sgy"), VolumeBytes(v, shuffled));
    const auto read = [&](const char* name, const SegyTraceChoice& choice) {
        const long long before = SegyFile::HeadersRead();
        auto r = ReadSegyTrace(dir.File(name), choice);
        return std::pair{*r.value, SegyFile::HeadersRead() - before};
    };
    std::mt19937 random(11);
    for (int k = 0; k < 30; ++k) {
        const auto lines = SegyTraceChoice::AtLines(100 + 2 * static_cast<int>(random() % 30),
                                                    300 - static_cast<int>(random() % 40));
        EXPECT_EQ(read("volume.sgy", lines).first.trace, read("list.sgy", lines).first.trace);
        EXPECT_LE(read("volume.sgy", lines).second, 12);
        // Anywhere, outside the survey too.
        const auto near = SegyTraceChoice::NearestTo(599800.003 + (random() % 80000) / 100.0,
                                                     5999900.007 + (random() % 90000) / 100.0);
        const auto [volume, volumeReads] = read("volume.sgy", near);
        const auto [list, listReads] = read("list.sgy", near);
        EXPECT_EQ(volume.trace, list.trace);
        EXPECT_DOUBLE_EQ(volume.distance, list.distance);
        EXPECT_LE(volumeReads, 24);
        EXPECT_GE(listReads, 1200);
    }
    EXPECT_EQ(ReadSegyTrace(dir.File("volume.sgy"), SegyTraceChoice::AtLines(101, 300)).message,
              "The file \"" + dir.File("volume.sgy") +
                  "\" holds no trace at inline 101, crossline 300 (bytes 189 and 193): its "
                  "inlines run 100 to 158 in steps of 2, its crosslines 300 to 261 in steps of "
                  "-1.");
}

TEST(SegyVolume, TheBlendOfTheFourTracesAroundTheWell) {
    TempDir dir;
    const std::string path = dir.File("v.sgy");
    for (const bool byCrossline : {false, true}) {
        WriteWholeFile(path, VolumeBytes({.byCrossline = byCrossline}));
        // A quarter of the way from inline 102 to 104, three quarters from crossline 298 to 297.
        const auto [x, y] = Cdp(1.25, 2.75);
        const auto r = LoadSegyTrace(path, SegyTraceChoice::InterpolatedAt(x, y));
        ASSERT_TRUE(r) << r.message;
        const std::vector<double>& s = r.value->trace.values;
        EXPECT_NEAR(s[0], 102.5, 1e-9);
        EXPECT_NEAR(s[1], 297.25, 1e-9);
        EXPECT_NEAR(s[2], 102.5 * 297.25, 1e-6);
        EXPECT_NEAR(s[3], 0.75 * 102 * 102 + 0.25 * 104 * 104, 1e-6);  // il * il: not bilinear
        // The heaviest of the four, inline 102 and crossline 297, stands for the blend.
        EXPECT_EQ(SeismicTraceText(r.value->source),
                  "the blend of the four traces around X " + PlainNumber(x) + ", Y " +
                      PlainNumber(y) + " at inline 102.50, crossline 297.25, nearest trace " +
                      (byCrossline ? "14" : "9"));
    }
    const auto [xc, yc] = Cdp(3, 4);
    EXPECT_EQ(ReadSegyTrace(path, SegyTraceChoice::InterpolatedAt(xc + 20, yc + 10)).message,
              "The file \"" + path +
                  "\": the well at X 600060, Y 6000090 lies outside its volume, at inline "
                  "108.00, crossline 296.00: there are no four traces around it to blend.");
}

TEST(SegyVolume, SourceCoordinatesUnderANegativeScalar) {
    TempDir dir;
    WriteWholeFile(dir.File("v.sgy"), VolumeBytes({}));
    const auto [x, y] = Cdp(2, 3);
    const SegyReadOptions source{.coordinates = TraceCoordinates::kSource};
    const auto r =
        LoadSegyTrace(dir.File("v.sgy"), SegyTraceChoice::NearestTo(x + 1000, y + 2000), source);
    EXPECT_EQ(r.value->source.inlineNumber, 104);
    EXPECT_EQ(r.value->source.crosslineNumber, 297);
    EXPECT_NE(SeismicTraceText(r.value->source).find(" (source): 0.0 away"), std::string::npos);
    const auto s = ScanSegy(dir.File("v.sgy"), {}, TraceCoordinates::kSource);
    EXPECT_EQ(DescribeSegy(*s.value)[8], "Source X: 600980 to 601060");
}

TEST(SegyVolume, DamagedOrTruncatedVolumes) {
    TempDir dir;
    const std::string whole = VolumeBytes({});
    const std::string path = dir.File("v.sgy");
    // A trace inside not where the geometry puts it: by its lines it is searched for as in a
    // list; a blend over it is refused.
    std::string damaged = whole;
    Put(damaged, 3600 + 256 * 6 + 188, 5000, 4, false);  // inline 102, crossline 299
    WriteWholeFile(path, damaged);
    ASSERT_TRUE(GeometryOf(path));
    EXPECT_EQ(ReadSegyTrace(path, SegyTraceChoice::AtLines(102, 299)).message,
              "The file \"" + path +
                  "\" holds no trace at inline 102, crossline 299 (bytes 189 and 193).");
    EXPECT_EQ(ReadSegyTrace(path, SegyTraceChoice::AtLines(102, 298)).value->traceNumber, 8);
    EXPECT_EQ(ReadSegyTrace(
                  path, SegyTraceChoice::InterpolatedAt(Cdp(1.1, 1.1).first, Cdp(1.1, 1.1).second))
                  .message,
              "The file \"" + path +
                  "\" is not the regular volume its corners make it: trace 7 holds inline 5000, "
                  "crossline 299, not inline 102, crossline 299, so the traces around the well "
                  "cannot be found.");
}

TEST(SegyVolume, ATieBlockWithoutABlendOrSourceCoordinatesIsWrittenAsBefore) {
    SeismicTie tie;
    tie.source = {"/v.sgy", TraceChoice::kNearest, 12, 102, 297, 189, 193, 600001.5, 6000002, 1.25};
    tie.trace = {0.1, 0.004, {1, -2}};
    EXPECT_EQ(TieBlockText(tie),  // as every earlier version wrote it
              "[Tie]\r\nfile = /v.sgy\r\ntrace chosen by = nearest\r\ntrace number = 12\r\n"
              "inline = 102\r\ncrossline = 297\r\ninline byte = 189\r\ncrossline byte = 193\r\n"
              "well x = 600001.5\r\nwell y = 6000002\r\ndistance = 1.25\r\n"
              "first time (s) = 0.1\r\ninterval (s) = 0.004\r\nwindow = overlap\r\n"
              "shift (s) = 0\r\nsamples = 2\r\n1\r\n-2\r\n[End Tie]\r\n");
}

TEST(WellCoordinates, NumericXAndYOfTheWellsLocation) {
    EXPECT_EQ(CoordinatesInText("X = 623256  Y = 6082586"), (std::pair{623256.0, 6082586.0}));
    EXPECT_EQ(CoordinatesInText("x: 1.5, y: -2e3"), (std::pair{1.5, -2000.0}));
    for (const char* none : {"F3 block, North Sea", "Xline 7, Y 2", "X = 623256", "X1 Y2"}) {
        EXPECT_FALSE(CoordinatesInText(none)) << none;
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
