#include "files/segy_file.h"

#include <segyio/segy.h>

#include <atomic>
#include <cmath>
#include <cstring>
#include <filesystem>

#include "model/error.h"
#include "model/user_file.h"

namespace tessarin {
namespace {

constexpr int kTextHeaderBytes = 3200;
constexpr int kBinaryHeaderBytes = 400;
constexpr long long kHeadersBytes = kTextHeaderBytes + kBinaryHeaderBytes;

std::atomic<long long> headersRead{0};

std::string Named(const std::string& path) {
    return "The file \"" + path + "\"";
}

// A field of the binary header by its byte position in the file (3201 to 3600).
int BinaryField(const char* binary, int byte, int size, bool littleEndian) {
    return HeaderInteger(reinterpret_cast<const unsigned char*>(binary), byte - kTextHeaderBytes,
                         size, littleEndian);
}

bool IsFormatCode(int code) {
    return code >= 1 && code <= 16;
}
bool IsReadFormat(int code) {
    return code == 1 || code == 2 || code == 3 || code == 5 || code == 8;
}

int SampleBytes(int format) {
    return format == 8 ? 1 : format == 3 ? 2 : 4;
}

double DecodeSample(const unsigned char* msb, int format) {
    switch (format) {
        case 2:
            return static_cast<std::int32_t>(static_cast<std::uint32_t>(msb[0]) << 24 |
                                             static_cast<std::uint32_t>(msb[1]) << 16 |
                                             static_cast<std::uint32_t>(msb[2]) << 8 | msb[3]);
        case 3:
            return static_cast<std::int16_t>(static_cast<std::uint16_t>(msb[0] << 8 | msb[1]));
        case 8:
            return static_cast<std::int8_t>(msb[0]);
        default: {  // 1 and 5, already turned into native floats by segy_to_native
            float value = 0;
            std::memcpy(&value, msb, sizeof value);
            return value;
        }
    }
}

}  // namespace

std::int32_t HeaderInteger(const unsigned char* header, int byte, int size, bool littleEndian) {
    const unsigned char* p = header + byte - 1;
    std::uint32_t bits = 0;
    for (int k = 0; k < size; ++k) {
        bits = bits << 8 | p[littleEndian ? size - 1 - k : k];
    }
    if (size == 2) {
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(bits));
    }
    return static_cast<std::int32_t>(bits);
}

std::string SegyFormatName(int format) {
    switch (format) {
        case 1:
            return "4-byte IBM float";
        case 2:
            return "4-byte integer";
        case 3:
            return "2-byte integer";
        case 4:
            return "4-byte fixed point with gain";
        case 5:
            return "4-byte IEEE float";
        case 8:
            return "1-byte integer";
        default:
            return "code " + std::to_string(format);
    }
}

SegyFile::SegyFile(const std::string& path) {
    layout_.path = path;
    if (const auto problem = UnreadableFileProblem(path)) {
        throw Error(UnreadableFileMessage(path, *problem));
    }
    if (!(headers_ = segy_open(path.c_str(), "rb")) ||
        !(samples_ = segy_open(path.c_str(), "rb"))) {
        if (headers_) {
            segy_close(headers_);
        }
        throw Error(UnreadableFileMessage(path, "cannot be opened"));
    }
    try {
        ReadLayout();
    } catch (...) {
        segy_close(headers_);
        segy_close(samples_);
        throw;
    }
}

SegyFile::~SegyFile() {
    segy_close(headers_);
    segy_close(samples_);
}

namespace {

// The byte order is the one in which the binary header's format code (bytes 3225-3226) is a
// SEG-Y format code; a code of 1 to 16 read the wrong way round is a multiple of 256.
void ReadFormat(const char* binary, SegyLayout& layout) {
    const int bigEndian = BinaryField(binary, 3225, 2, false);
    const int littleEndian = BinaryField(binary, 3225, 2, true);
    if (!IsFormatCode(bigEndian) && !IsFormatCode(littleEndian)) {
        throw Error(Named(layout.path) +
                    " is not a SEG-Y file: its binary header holds no sample format code in bytes "
                    "3225-3226.");
    }
    layout.littleEndian = !IsFormatCode(bigEndian);
    layout.format = layout.littleEndian ? littleEndian : bigEndian;
    if (!IsReadFormat(layout.format)) {
        throw Error(Named(layout.path) + " holds samples of format " +
                    SegyFormatName(layout.format) +
                    ", which cannot be read: formats 1 (IBM float), 2 (4-byte integer), 3 "
                    "(2-byte integer), 5 (IEEE float) and 8 (1-byte integer) can.");
    }
}

// Where the first trace header begins, after the text, binary and extended text headers.
long long FirstTraceOffset(const char* binary, const SegyLayout& layout) {
    const int extended = BinaryField(binary, 3505, 2, layout.littleEndian);
    if (extended == -1) {
        throw Error(Named(layout.path) +
                    " has a variable number of extended text headers (-1 in bytes 3505-3506), "
                    "so where its traces begin is not known; it cannot be read.");
    }
    if (extended < 0) {
        throw Error(Named(layout.path) + " gives " + std::to_string(extended) +
                    " extended text headers in bytes 3505-3506; it cannot be read.");
    }
    return kHeadersBytes + static_cast<long long>(extended) * kTextHeaderBytes;
}

// The samples per trace: the binary header's count, unless it is missing or only the first trace
// header's count makes the file a whole number of traces.
int ChooseSampleCount(int binaryCount, int traceCount, long long traceBytes, SegyLayout& layout) {
    const auto fits = [&](int count) {
        return count > 0 &&
               traceBytes % (kSegyTraceHeaderBytes + segy_trsize(layout.format, count)) == 0;
    };
    if (binaryCount > 0 &&
        (traceCount == 0 || traceCount == binaryCount || fits(binaryCount) || !fits(traceCount))) {
        return binaryCount;
    }
    if (traceCount <= 0) {
        throw Error(Named(layout.path) +
                    " gives no number of samples per trace, neither in its binary header nor in "
                    "its first trace header.");
    }
    layout.notes.push_back(
        binaryCount == 0
            ? "The binary header gives no number of samples; the first trace header's " +
                  std::to_string(traceCount) + " is used."
            : "The binary header gives " + std::to_string(binaryCount) +
                  " samples per trace, the first trace header " + std::to_string(traceCount) +
                  "; the file's size fits " + std::to_string(traceCount) + ", which is used.");
    return traceCount;
}

}  // namespace

void SegyFile::ReadLayout() {
    SegyLayout& layout = layout_;
    std::error_code error;
    const long long size = static_cast<long long>(std::filesystem::file_size(layout.path, error));
    if (error || size < kHeadersBytes) {
        throw Error(Named(layout.path) + " is not a SEG-Y file: it holds " +
                    std::to_string(error ? 0 : size) +
                    " bytes, fewer than the 3600 of the text and binary headers.");
    }
    char binary[kBinaryHeaderBytes];
    if (segy_binheader(headers_, binary) != SEGY_OK) {
        throw Error(Named(layout.path) + " cannot be read.");
    }
    ReadFormat(binary, layout);
    layout.firstTraceOffset = FirstTraceOffset(binary, layout);
    if (size == layout.firstTraceOffset) {
        throw Error(Named(layout.path) + " holds no traces.");
    }
    if (size < layout.firstTraceOffset + kSegyTraceHeaderBytes) {
        throw Error(Named(layout.path) + " is cut short: it ends before its first trace header.");
    }
    const SegyTraceHeader first = Header(0);
    const auto field = [&](int byte) {
        return HeaderInteger(first.data(), byte, 2, layout.littleEndian);
    };
    const int binaryCount = BinaryField(binary, 3221, 2, layout.littleEndian) & 0xFFFF;
    const int traceCount = field(115) & 0xFFFF;
    const long long traceBytes = size - layout.firstTraceOffset;
    layout.sampleCount = ChooseSampleCount(binaryCount, traceCount, traceBytes, layout);
    layout.traceDataBytes = segy_trsize(layout.format, layout.sampleCount);
    layout.binaryIntervalUs = BinaryField(binary, 3217, 2, layout.littleEndian) & 0xFFFF;
    layout.traceIntervalUs = field(117) & 0xFFFF;
    layout.firstTraceDelayMs = field(109);

    int count = 0;
    if (segy_traces(headers_, &count, static_cast<long>(layout.firstTraceOffset),
                    layout.traceDataBytes) != SEGY_OK) {
        const int whole = kSegyTraceHeaderBytes + layout.traceDataBytes;
        throw Error(Named(layout.path) + " does not hold a whole number of traces: after its " +
                    std::to_string(layout.firstTraceOffset) + " bytes of headers come " +
                    std::to_string(traceBytes) + " bytes, not a multiple of the " +
                    std::to_string(whole) + " bytes of a trace (a 240-byte header and " +
                    std::to_string(layout.sampleCount) + " samples of " +
                    std::to_string(SampleBytes(layout.format)) +
                    (SampleBytes(layout.format) == 1 ? " byte)." : " bytes)."));
    }
    layout.traceCount = count;
    segy_set_format(samples_, layout.format | (layout.littleEndian ? SEGY_LSB : 0));
}

long long SegyFile::HeadersRead() {
    return headersRead.load();
}

SegyTraceHeader SegyFile::Header(long long index) const {
    ++headersRead;
    SegyTraceHeader header{};
    if (index < 0 || (layout_.traceCount > 0 && index >= layout_.traceCount) ||
        segy_traceheader(headers_, static_cast<int>(index), reinterpret_cast<char*>(header.data()),
                         static_cast<long>(layout_.firstTraceOffset),
                         layout_.traceDataBytes) != SEGY_OK) {
        throw Error(Named(layout_.path) + " cannot be read at the header of trace " +
                    std::to_string(index + 1) + ".");
    }
    return header;
}

std::vector<double> SegyFile::Samples(long long index) const {
    const int count = layout_.sampleCount;
    std::vector<unsigned char> bytes(static_cast<std::size_t>(layout_.traceDataBytes));
    if (index < 0 || index >= layout_.traceCount ||
        segy_readtrace(samples_, static_cast<int>(index), bytes.data(),
                       static_cast<long>(layout_.firstTraceOffset),
                       layout_.traceDataBytes) != SEGY_OK) {
        throw Error(Named(layout_.path) + " cannot be read at trace " + std::to_string(index + 1) +
                    ".");
    }
    // segyio hands the samples over big-endian; it makes native floats of IBM and IEEE floats,
    // and the integers are decoded here.
    if (layout_.format == 1 || layout_.format == 5) {
        segy_to_native(layout_.format, count, bytes.data());
    }
    const int width = SampleBytes(layout_.format);
    std::vector<double> values(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double v =
            DecodeSample(bytes.data() + static_cast<std::ptrdiff_t>(i) * width, layout_.format);
        if (!std::isfinite(v)) {
            throw Error(Named(layout_.path) + ": sample " + std::to_string(i + 1) + " of trace " +
                        std::to_string(index + 1) + " is not a number.");
        }
        values[static_cast<std::size_t>(i)] = v;
    }
    return values;
}

}  // namespace tessarin
