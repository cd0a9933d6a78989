#include "files/segy_search.h"

#include <cmath>
#include <utility>

#include "files/segy_file.h"
#include "model/error.h"

namespace tessarin {
namespace {

// A 2D line has one inline throughout. In a volume, sorted by inline or by crossline, the first
// and last traces stand at opposite corners, on different inlines: two headers tell the two
// apart without reading every header of the file.
bool OnOneLine(const SegyFile& file, int inlineNumber, const SegyLineBytes& bytes) {
    const SegyLayout& layout = file.Layout();
    const auto inlineOf = [&](long long index) {
        return HeaderInteger(file.Header(index).data(), bytes.inlineByte, 4, layout.littleEndian);
    };
    return inlineOf(0) == inlineNumber && inlineOf(layout.traceCount - 1) == inlineNumber;
}

}  // namespace

SegyReadOptions ReadOptionsOf(const SeismicTie& tie) {
    SegyReadOptions options;
    options.lineBytes = {tie.source.inlineByte, tie.source.crosslineByte};
    // SEG-Y intervals are whole microseconds.
    options.intervalMs = std::round(tie.trace.interval * 1e6) / 1000.0;
    return options;
}

ReadResult<NearbyTraces> ReadNearbyTraces(const SeismicSource& chosen, int reach,
                                          const SegyReadOptions& options) {
    NearbyTraces nearby;
    long long traceCount = 0;
    try {
        const SegyFile file(chosen.path);
        traceCount = file.Layout().traceCount;
        nearby.alongLine = OnOneLine(file, chosen.inlineNumber, options.lineBytes);
    } catch (const Error& e) {
        return ReadResult<NearbyTraces>::Failure(e.what());
    }
    const int inlineReach = nearby.alongLine ? 0 : reach;
    for (int il = -inlineReach; il <= inlineReach; ++il) {
        for (int xl = -reach; xl <= reach; ++xl) {
            const long long number = chosen.traceNumber + xl;
            if (nearby.alongLine && (number < 1 || number > traceCount)) {
                continue;
            }
            const SegyTraceChoice choice =
                nearby.alongLine ? SegyTraceChoice::Number(number)
                                 : SegyTraceChoice::AtLines(chosen.inlineNumber + il,
                                                            chosen.crosslineNumber + xl);
            ReadResult<SegyTrace> read = ReadSegyTrace(chosen.path, choice, options);
            if (read) {
                nearby.traces.push_back({il, xl, std::move(*read.value)});
            } else if (il == 0 && xl == 0) {
                return ReadResult<NearbyTraces>::Failure(std::move(read.message));
            }
        }
    }
    return ReadResult<NearbyTraces>::Of(std::move(nearby));
}

ReadResult<LoadedSeismicTrace> LoadNearbyTrace(const SeismicTie& tie, bool alongLine,
                                               const SegyTracePlace& place) {
    const SegyTraceChoice choice =
        alongLine ? SegyTraceChoice::Number(place.traceNumber)
                  : SegyTraceChoice::AtLines(place.inlineNumber, place.crosslineNumber);
    return LoadSegyTrace(tie.source.path, choice, ReadOptionsOf(tie));
}

}  // namespace tessarin
