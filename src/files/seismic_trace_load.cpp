#include "files/seismic_trace_load.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "files/text_trace.h"
#include "model/numeric.h"
#include "model/project.h"

namespace tessarin {
namespace {

TraceChoice ChoiceOf(SegyTraceChoice::By by) {
    switch (by) {
        case SegyTraceChoice::By::kLines:
            return TraceChoice::kLines;
        case SegyTraceChoice::By::kNearest:
            return TraceChoice::kNearest;
        case SegyTraceChoice::By::kInterpolated:
            return TraceChoice::kInterpolated;
        case SegyTraceChoice::By::kNumber:
            break;
    }
    return TraceChoice::kNumber;
}

bool NamedAsSegy(const std::string& path) {
    std::string lower = path;
    std::ranges::transform(lower, lower.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.ends_with(".sgy") || lower.ends_with(".segy");
}

}  // namespace

ReadResult<SeismicFileSummary> ReadSeismicFileSummary(const std::string& path,
                                                      const SegyLineBytes& lineBytes,
                                                      TraceCoordinates coordinates) {
    ReadResult<SegySummary> segy = ScanSegy(path, lineBytes, coordinates);
    if (segy) {
        return ReadResult<SeismicFileSummary>::Of({std::move(segy.value), std::nullopt});
    }
    ReadResult<SampledTrace> text = ReadTextTrace(path);
    if (text) {
        return ReadResult<SeismicFileSummary>::Of({std::nullopt, std::move(text.value)});
    }
    return ReadResult<SeismicFileSummary>::Failure(NamedAsSegy(path) ? std::move(segy.message)
                                                                     : std::move(text.message));
}

ReadResult<LoadedSeismicTrace> LoadSegyTrace(const std::string& path, const SegyTraceChoice& choice,
                                             const SegyReadOptions& options) {
    ReadResult<SegyTrace> read = ReadSegyTrace(path, choice, options);
    if (!read) {
        return ReadResult<LoadedSeismicTrace>::Failure(std::move(read.message));
    }
    const SegyTrace& t = *read.value;
    SeismicSource source;
    source.path = path;
    source.choice = ChoiceOf(choice.by);
    source.traceNumber = t.traceNumber;
    source.inlineNumber = t.inlineNumber;
    source.crosslineNumber = t.crosslineNumber;
    source.inlineByte = options.lineBytes.inlineByte;
    source.crosslineByte = options.lineBytes.crosslineByte;
    source.coordinates = options.coordinates;
    if (source.choice == TraceChoice::kNearest || source.choice == TraceChoice::kInterpolated) {
        source.wellX = choice.x;
        source.wellY = choice.y;
    }
    if (source.choice == TraceChoice::kNearest) {
        source.distance = t.distance;
    }
    if (source.choice == TraceChoice::kInterpolated) {
        source.inlinePosition = t.inlinePosition;
        source.crosslinePosition = t.crosslinePosition;
    }
    return ReadResult<LoadedSeismicTrace>::Of({std::move(source), std::move(read.value->trace)});
}

ReadResult<LoadedSeismicTrace> LoadTextTrace(const std::string& path) {
    ReadResult<SampledTrace> read = ReadTextTrace(path);
    if (!read) {
        return ReadResult<LoadedSeismicTrace>::Failure(std::move(read.message));
    }
    SeismicSource source;
    source.path = path;
    source.choice = TraceChoice::kTextFile;
    return ReadResult<LoadedSeismicTrace>::Of({std::move(source), std::move(*read.value)});
}

std::string SeismicTraceText(const SeismicSource& s, std::optional<int> measurementUnits) {
    if (!s.IsSegy()) {
        return "the text file's trace";
    }
    const std::string at = " X " + PlainNumber(s.wellX) + ", Y " + PlainNumber(s.wellY) +
                           (s.coordinates == TraceCoordinates::kSource ? " (source)" : "");
    if (s.choice == TraceChoice::kInterpolated) {
        return "the blend of the four traces around" + at + " at inline " +
               FormatPattern(s.inlinePosition, "0.00") + ", crossline " +
               FormatPattern(s.crosslinePosition, "0.00") + ", nearest trace " +
               std::to_string(s.traceNumber);
    }
    std::string text = "trace " + std::to_string(s.traceNumber) + " (inline " +
                       std::to_string(s.inlineNumber) + ", crossline " +
                       std::to_string(s.crosslineNumber) + ")";
    if (s.choice == TraceChoice::kNearest) {
        const std::string unit = !measurementUnits              ? ""
                                 : *measurementUnits == kMetric ? " m"
                                                                : " ft";
        text += ", nearest" + at + ": " + FormatPattern(s.distance, "0.0") + unit + " away";
    }
    return text;
}

}  // namespace tessarin
