#include "files/segy_reader.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "model/error.h"
#include "model/numeric.h"

namespace tessarin {
namespace {

constexpr int kLastFourByteStart = kSegyTraceHeaderBytes - 3;

void CheckLineBytes(const SegyLineBytes& bytes) {
    for (const auto& [byte, what] :
         {std::pair(bytes.inlineByte, "inline"), std::pair(bytes.crosslineByte, "crossline")}) {
        if (byte < 1 || byte > kLastFourByteStart) {
            throw Error("The " + std::string(what) + " byte position " + std::to_string(byte) +
                        " lies outside the trace header: a 4-byte number starts at byte 1 to " +
                        std::to_string(kLastFourByteStart) + ".");
        }
    }
}

struct HeaderValues {
    int inlineNumber = 0;
    int crosslineNumber = 0;
    double x = 0;
    double y = 0;
};

// The line numbers at the chosen bytes, and CDP X and Y (bytes 181, 185) scaled by bytes 71-72:
// a positive scalar multiplies, a negative one divides, 0 stands for 1.
HeaderValues Decode(const SegyTraceHeader& header, const SegyLineBytes& bytes, bool littleEndian) {
    const auto field = [&](int byte, int size) {
        return HeaderInteger(header.data(), byte, size, littleEndian);
    };
    const int scalar = field(71, 2);
    const double factor = scalar > 0 ? scalar : scalar < 0 ? -1.0 / scalar : 1.0;
    return {field(bytes.inlineByte, 4), field(bytes.crosslineByte, 4), field(181, 4) * factor,
            field(185, 4) * factor};
}

// Runs `visit(index, values)` over the trace headers in file order until it returns false.
template <class Visit>
void ForEachHeader(const SegyFile& file, const SegyLineBytes& bytes, Visit&& visit) {
    const SegyLayout& layout = file.Layout();
    for (long long i = 0; i < layout.traceCount; ++i) {
        if (!visit(i, Decode(file.Header(i), bytes, layout.littleEndian))) {
            return;
        }
    }
}

// Runs `read` and hands back its value, or the message of whatever stopped it.
template <class T, class Read>
ReadResult<T> Guarded(const std::string& path, Read&& read) {
    try {
        return ReadResult<T>::Of(read());
    } catch (const Error& e) {
        return ReadResult<T>::Failure(e.what());
    }
#ifndef TESSARIN_FUZZING
    // Anything else (memory running out, say) is still only a file that could not be read. A
    // fuzzing build lets it through: it would be a fault of the reader's own.
    catch (const std::exception& e) {
        return ReadResult<T>::Failure("The file \"" + path + "\" cannot be read: " + e.what());
    }
#endif
}

std::string Milliseconds(int microseconds) {
    return PlainNumber(microseconds / 1000.0) + " ms";
}

}  // namespace

SegyTraceChoice SegyTraceChoice::AtLines(int inlineNumber, int crosslineNumber) {
    SegyTraceChoice choice;
    choice.by = By::kLines;
    choice.inlineNumber = inlineNumber;
    choice.crosslineNumber = crosslineNumber;
    return choice;
}

SegyTraceChoice SegyTraceChoice::Number(long long traceNumber) {
    SegyTraceChoice choice;
    choice.traceNumber = traceNumber;
    return choice;
}

SegyTraceChoice SegyTraceChoice::NearestTo(double x, double y) {
    SegyTraceChoice choice;
    choice.by = By::kNearest;
    choice.x = x;
    choice.y = y;
    return choice;
}

double SegySampleInterval(const SegyLayout& layout, double overrideMs) {
    if (std::isfinite(overrideMs) && overrideMs > 0) {
        return overrideMs / 1000.0;
    }
    const int binary = layout.binaryIntervalUs;
    const int trace = layout.traceIntervalUs;
    const std::string named = "The file \"" + layout.path + "\"";
    if (binary == 0 && trace == 0) {
        throw Error(named +
                    " gives no sample interval, neither in its binary header nor in its first "
                    "trace header: give the interval to use.");
    }
    if (binary != 0 && trace != 0 && binary != trace) {
        throw Error(named + " gives two sample intervals: " + Milliseconds(binary) +
                    " in its binary header and " + Milliseconds(trace) +
                    " in its first trace header; give the interval to use.");
    }
    return (binary != 0 ? binary : trace) / 1000000.0;
}

ReadResult<SegySummary> ScanSegy(const std::string& path, const SegyLineBytes& lineBytes) {
    return Guarded<SegySummary>(path, [&] {
        CheckLineBytes(lineBytes);
        const SegyFile file(path);
        SegySummary s;
        s.layout = file.Layout();
        s.lineBytes = lineBytes;
        bool first = true;
        ForEachHeader(file, lineBytes, [&](long long, const HeaderValues& h) {
            if (first) {
                s.firstInline = s.lastInline = h.inlineNumber;
                s.firstCrossline = s.lastCrossline = h.crosslineNumber;
                s.minX = s.maxX = h.x;
                s.minY = s.maxY = h.y;
                first = false;
            }
            s.firstInline = std::min(s.firstInline, h.inlineNumber);
            s.lastInline = std::max(s.lastInline, h.inlineNumber);
            s.firstCrossline = std::min(s.firstCrossline, h.crosslineNumber);
            s.lastCrossline = std::max(s.lastCrossline, h.crosslineNumber);
            s.minX = std::min(s.minX, h.x);
            s.maxX = std::max(s.maxX, h.x);
            s.minY = std::min(s.minY, h.y);
            s.maxY = std::max(s.maxY, h.y);
            return true;
        });
        return s;
    });
}

std::vector<std::string> DescribeSegy(const SegySummary& s) {
    const SegyLayout& l = s.layout;
    const auto interval = [](int us) { return us == 0 ? std::string("none") : Milliseconds(us); };
    const auto range = [](double low, double high) {
        return PlainNumber(low) + " to " + PlainNumber(high);
    };
    std::vector<std::string> lines = {
        "Traces: " + std::to_string(l.traceCount),
        "Samples per trace: " + std::to_string(l.sampleCount),
        "Sample interval: " + interval(l.binaryIntervalUs) + " (binary header), " +
            interval(l.traceIntervalUs) + " (first trace header)",
        "Sample format: " + SegyFormatName(l.format) + ", " +
            (l.littleEndian ? "little-endian" : "big-endian"),
        "First sample time: " + std::to_string(l.firstTraceDelayMs) + " ms",
        "Inlines (byte " + std::to_string(s.lineBytes.inlineByte) +
            "): " + range(s.firstInline, s.lastInline),
        "Crosslines (byte " + std::to_string(s.lineBytes.crosslineByte) +
            "): " + range(s.firstCrossline, s.lastCrossline),
        "CDP X: " + range(s.minX, s.maxX),
        "CDP Y: " + range(s.minY, s.maxY),
    };
    lines.insert(lines.end(), l.notes.begin(), l.notes.end());
    return lines;
}

namespace {

// The index of the chosen trace, and its distance from the given position when it is the
// nearest. Throws Error when no trace fits the choice.
std::pair<long long, double> FindTrace(const SegyFile& file, const SegyTraceChoice& choice,
                                       const SegyLineBytes& bytes) {
    const SegyLayout& layout = file.Layout();
    const std::string named = "The file \"" + layout.path + "\"";
    long long found = -1;
    double nearest = std::numeric_limits<double>::infinity();
    switch (choice.by) {
        case SegyTraceChoice::By::kNumber:
            if (choice.traceNumber < 1 || choice.traceNumber > layout.traceCount) {
                throw Error(named + " holds traces 1 to " + std::to_string(layout.traceCount) +
                            ", not trace " + std::to_string(choice.traceNumber) + ".");
            }
            return {choice.traceNumber - 1, 0.0};
        case SegyTraceChoice::By::kLines:
            ForEachHeader(file, bytes, [&](long long i, const HeaderValues& h) {
                found = h.inlineNumber == choice.inlineNumber &&
                                h.crosslineNumber == choice.crosslineNumber
                            ? i
                            : -1;
                return found < 0;
            });
            if (found < 0) {
                throw Error(named + " holds no trace at inline " +
                            std::to_string(choice.inlineNumber) + ", crossline " +
                            std::to_string(choice.crosslineNumber) + " (bytes " +
                            std::to_string(bytes.inlineByte) + " and " +
                            std::to_string(bytes.crosslineByte) + ").");
            }
            return {found, 0.0};
        case SegyTraceChoice::By::kNearest:
            ForEachHeader(file, bytes, [&](long long i, const HeaderValues& h) {
                const double d = std::hypot(h.x - choice.x, h.y - choice.y);
                if (d < nearest) {
                    nearest = d;
                    found = i;
                }
                return true;
            });
            return {found, nearest};
    }
    return {found, nearest};
}

}  // namespace

ReadResult<SegyTrace> ReadSegyTrace(const std::string& path, const SegyTraceChoice& choice,
                                    const SegyReadOptions& options) {
    return Guarded<SegyTrace>(path, [&] {
        CheckLineBytes(options.lineBytes);
        const SegyFile file(path);
        const SegyLayout& layout = file.Layout();
        const double interval = SegySampleInterval(layout, options.intervalMs);
        const auto [index, distance] = FindTrace(file, choice, options.lineBytes);
        const SegyTraceHeader header = file.Header(index);
        const HeaderValues values = Decode(header, options.lineBytes, layout.littleEndian);
        SegyTrace t;
        t.trace.firstTime = HeaderInteger(header.data(), 109, 2, layout.littleEndian) / 1000.0;
        t.trace.interval = interval;
        t.trace.values = file.Samples(index);
        t.traceNumber = index + 1;
        t.inlineNumber = values.inlineNumber;
        t.crosslineNumber = values.crosslineNumber;
        t.x = values.x;
        t.y = values.y;
        t.distance = distance;
        return t;
    });
}

}  // namespace tessarin
