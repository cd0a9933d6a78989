// The seismic trace readers: any bytes give, as a SEG-Y file, a summary and a trace or a message,
// and, as a text trace, an evenly sampled trace or a message. What they give must be usable.

#include <cmath>
#include <cstdint>

#include "files/segy_reader.h"
#include "files/text_trace.h"
#include "fuzz_support.h"

using namespace tessarin;

namespace {

void CheckTrace(const ReadResult<SampledTrace>& r) {
    fuzz::Require(r.value.has_value() != !r.message.empty(), "a trace or a message, not both");
    if (r) {
        fuzz::Require(r.value->values.size() >= 2 && r.value->interval > 0,
                      "a text trace holds two samples or more, in rising time");
    }
}

void CheckSegyTrace(const ReadResult<SegyTrace>& r, long long traces, int samples) {
    fuzz::Require(r.value.has_value() != !r.message.empty(), "a trace or a message, not both");
    if (!r) {
        return;
    }
    fuzz::Require(r.value->traceNumber >= 1 && r.value->traceNumber <= traces,
                  "the trace is one of the file's");
    const SampledTrace& t = r.value->trace;
    fuzz::Require(static_cast<int>(t.values.size()) == samples, "every sample is read");
    fuzz::Require(t.interval > 0 && std::isfinite(t.interval), "the interval is usable");
    for (const double v : t.values) {
        fuzz::Require(std::isfinite(v), "samples are numbers");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckTrace(ReadTextTraceText(fuzz::Text(data, size), "fuzz.txt"));

    static const auto path = fuzz::TempPath("fuzz.sgy").string();
    fuzz::WriteFile(path, fuzz::Text(data, size));
    const auto summary = ScanSegy(path, {.inlineByte = 9, .crosslineByte = 213});
    fuzz::Require(summary.value.has_value() != !summary.message.empty(),
                  "a summary or a message, not both");
    if (!summary) {
        return 0;
    }
    const SegyLayout& layout = summary.value->layout;
    fuzz::Require(layout.traceCount >= 1 && layout.sampleCount >= 1, "a file holds traces");
    fuzz::Require(summary.value->firstInline <= summary.value->lastInline,
                  "the inline range is in order");
    DescribeSegy(*summary.value);
    const SegyReadOptions fixed{.intervalMs = 4};
    CheckSegyTrace(ReadSegyTrace(path, SegyTraceChoice::Number(layout.traceCount), fixed),
                   layout.traceCount, layout.sampleCount);
    CheckSegyTrace(ReadSegyTrace(path, SegyTraceChoice::NearestTo(0, 0)), layout.traceCount,
                   layout.sampleCount);
    CheckSegyTrace(ReadSegyTrace(path, SegyTraceChoice::AtLines(1, 1)), layout.traceCount,
                   layout.sampleCount);
    // At the standard line bytes a file may be a 3D volume: its geometry must fit the file.
    const auto volume = ScanSegy(path);
    if (volume && volume.value->geometry) {
        const SegyGeometry& g = *volume.value->geometry;
        fuzz::Require(
            static_cast<long long>(g.inlines.count) * g.crosslines.count == layout.traceCount,
            "a volume's lines hold every trace");
        const SegyHeaderValues& last = g.corners[3];
        CheckSegyTrace(
            ReadSegyTrace(path, SegyTraceChoice::AtLines(last.inlineNumber, last.crosslineNumber),
                          fixed),
            layout.traceCount, layout.sampleCount);
        CheckSegyTrace(ReadSegyTrace(path, SegyTraceChoice::InterpolatedAt(last.x, last.y), fixed),
                       layout.traceCount, layout.sampleCount);
    }
    return 0;
}
