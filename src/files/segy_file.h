#pragma once

// A SEG-Y file opened for reading through segyio: what its headers say about the traces, the
// 240 bytes of any trace header, and the samples of any one trace, without reading the others.
// Survey files can hold gigabytes; nothing here reads more than the headers and trace asked for.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct segy_file_handle;  // segyio's file, kept out of this header

namespace tessarin {

inline constexpr int kSegyTraceHeaderBytes = 240;

struct SegyLayout {
    std::string path;
    int format = 0;  // sample format code: 1 IBM float, 2 int32, 3 int16, 5 IEEE float, 8 int8
    bool littleEndian = false;
    int sampleCount = 0;        // samples per trace
    int binaryIntervalUs = 0;   // binary header bytes 3217-3218; 0 when not given
    int traceIntervalUs = 0;    // first trace header bytes 117-118; 0 when not given
    int firstTraceDelayMs = 0;  // first trace header bytes 109-110: the time of its sample 0
    long long traceCount = 0;
    long long firstTraceOffset = 0;  // bytes before the first trace header
    int traceDataBytes = 0;          // bytes of one trace's samples, without its header
    // What the reader decided where the headers disagree (a sample count taken from the first
    // trace header, say), for the user to see.
    std::vector<std::string> notes;
};

// A trace header as it stands in the file: byte b (counted from 1, as SEG-Y does) at index b - 1.
using SegyTraceHeader = std::array<unsigned char, kSegyTraceHeaderBytes>;

// The signed integer of `size` bytes (2 or 4) starting at byte `byte` (from 1) of a header, in the
// file's byte order. The caller keeps byte + size - 1 within the header.
std::int32_t HeaderInteger(const unsigned char* header, int byte, int size, bool littleEndian);

// The name of a sample format code, for messages and summaries ("4-byte IBM float").
std::string SegyFormatName(int format);

class SegyFile {
public:
    // Opens the file and checks its headers against its size. Throws Error naming the file and
    // the cause: not SEG-Y, cut short, not a whole number of traces, a variable number of
    // extended text headers, a sample format that is not read.
    explicit SegyFile(const std::string& path);
    ~SegyFile();
    SegyFile(const SegyFile&) = delete;
    SegyFile& operator=(const SegyFile&) = delete;

    const SegyLayout& Layout() const { return layout_; }

    // The header of trace `index` (from 0). Throws Error when it cannot be read.
    SegyTraceHeader Header(long long index) const;

    // The samples of trace `index` (from 0) as numbers. Throws Error when they cannot be read or
    // one is not a finite number.
    std::vector<double> Samples(long long index) const;

    // The segyio handle that reads header fields in the file's byte order, for segyio's geometry
    // functions (segy_sorting, segy_lines_count and the like); see FindSegyGeometry.
    segy_file_handle* FieldHandle() const { return samples_; }

    // How many trace headers Header has read in this process, over all files: for tests that
    // count what reading a trace costs.
    static long long HeadersRead();

private:
    void ReadLayout();

    // segyio turns the samples and each standard header field of a little-endian file around on
    // its own; a header position the user names may straddle two such fields. So headers are read
    // through a handle that leaves bytes as they stand, samples through one told the byte order.
    segy_file_handle* headers_ = nullptr;
    segy_file_handle* samples_ = nullptr;
    SegyLayout layout_;
};

}  // namespace tessarin
