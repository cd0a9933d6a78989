#include "files/segy_export.h"

#include <cmath>
#include <cstdint>
#include <sstream>

#include "files/ebcdic.h"
#include "files/export_texts.h"
#include "files/ibm_float.h"
#include "files/replace_file.h"
#include "model/error.h"
#include "model/numeric.h"

namespace tessarin {
namespace {

constexpr std::size_t kTextHeaderSize = 3200;
constexpr std::size_t kCardWidth = 80;
constexpr std::size_t kCardTextColumn = 5;
constexpr std::size_t kBinaryHeaderSize = 400;
constexpr std::size_t kTraceHeaderSize = 240;

void PutInt16(std::string& bytes, std::size_t offset, int value) {
    const auto v = static_cast<std::uint16_t>(value);
    bytes[offset] = static_cast<char>(v >> 8);
    bytes[offset + 1] = static_cast<char>(v & 0xFF);
}

void PutInt32(std::string& bytes, std::size_t offset, std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) {
        bytes[offset + static_cast<std::size_t>(i)] = static_cast<char>(v >> (24 - 8 * i));
    }
}

// Writes `text` into the header from `position` on; a long text runs on into the next card.
void PutText(std::string& header, std::size_t position, const std::string& text) {
    if (position < header.size()) {
        header.replace(position, std::min(text.size(), header.size() - position), text);
    }
}

std::vector<std::string> CardTexts(const Project& project, Polarity polarity) {
    std::string impedance;
    if (project.impedanceType == kSonicOnly) {
        impedance = "Acoustic impedance from sonic log";
    } else if (project.impedanceType == kSonicDensity) {
        impedance = "Acoustic impedance from sonic and density logs";
    }
    return {
        "Tessarin Synthetic Seismogram",
        project.wellName + " ",
        LocationText(project) + " " + project.wellLocation[5],
        ElevationsText(project),
        DatumText(project),
        WaveletText(project),
        "Wavelet Length = " + WaveletLengthText(project) + " sec" +
            "  AGC length = " + project.agcWindow,
        impedance,
        polarity == Polarity::kNormal ? "Normal Polarity" : "Reverse Polarity",
    };
}

std::string BinaryHeader(const Project& project, const SegyTraceLayout& layout) {
    std::string header(kBinaryHeaderSize, '\0');
    PutInt16(header, 12, 1);  // data traces per ensemble
    PutInt16(header, 16, layout.sampleIntervalUs);
    PutInt16(header, 20, layout.sampleCount);
    PutInt16(header, 24, 1);  // IBM floating point
    PutInt16(header, 54, project.measurementUnits == kMetric ? 1 : 2);
    return header;
}

void PutTraceHeader(std::string& trace, const SegyTraceLayout& layout, int traceNumber) {
    // Sequence numbers within line and file, field record, trace in field record, source point,
    // ensemble and trace in ensemble are all the trace's own number.
    for (std::size_t offset = 0; offset <= 24; offset += 4) {
        PutInt32(trace, offset, traceNumber);
    }
    PutInt16(trace, 28, 1);  // seismic data
    PutInt16(trace, 114, layout.sampleCount);
    PutInt16(trace, 116, layout.sampleIntervalUs);
}

void CheckComputed(const Project& project) {
    if (project.lastSampleIndex < 0 ||
        static_cast<int>(project.syntheticTrace.size()) <= project.lastSampleIndex) {
        throw Error("There is no computed synthetic to export.");
    }
}

}  // namespace

SegyTraceLayout PlanSegyTrace(const Project& project) {
    CheckComputed(project);
    SegyTraceLayout layout;
    layout.sampleIntervalUs = 2 * project.sampleIntervalUs;
    const double hundredths =
        IntFloor(project.firstSampleTime * 100000000.0 / layout.sampleIntervalUs);
    if (!std::isfinite(hundredths) || std::fabs(hundredths) > 1e9) {
        throw Error("The time from the seismic datum to the log, " +
                    PlainNumber(project.firstSampleTime) + " s, cannot be written to SEG-Y.");
    }
    layout.datumOffset = hundredths / 100.0;
    layout.pad = static_cast<int>(IntFloor(layout.datumOffset));
    layout.fraction = layout.datumOffset - layout.pad;
    const long long count = static_cast<long long>(project.lastSampleIndex) + layout.pad + 1;
    if (count > kSegyMaxSamples) {
        throw Error("The SEG-Y trace would have " + std::to_string(count) +
                    " samples, more than the 32767 a SEG-Y file can hold.");
    }
    if (count <= 0) {
        throw Error(
            "The log starts more than its own length above the seismic datum, so the "
            "SEG-Y trace would have no samples.");
    }
    layout.sampleCount = static_cast<int>(count);
    return layout;
}

std::string SegyTextCards(const Project& project, Polarity polarity) {
    std::string header(kTextHeaderSize, ' ');
    const std::vector<std::string> texts = CardTexts(project, polarity);
    const std::size_t cardCount = kTextHeaderSize / kCardWidth;
    // Card by card, label then text, so a label stands even after a long text before it.
    for (std::size_t card = 1; card <= cardCount; ++card) {
        const std::size_t start = (card - 1) * kCardWidth;
        PutText(header, start, "C" + std::to_string(card));
        if (card <= texts.size()) {
            PutText(header, start + kCardTextColumn - 1, texts[card - 1]);
        }
    }
    return header;
}

std::vector<double> SegyTraceValues(const Project& project, const SegyTraceLayout& layout,
                                    Polarity polarity) {
    const double sign = polarity == Polarity::kNormal ? 1.0 : -1.0;
    const auto s = [&](int j) { return sign * project.syntheticTrace[j]; };
    // Slot i lies at i x dt below the datum, where the synthetic's fractional sample index is
    // i - t = (i - pad) - fraction. Slots before the first sample hold 0; samples above the
    // datum have no slot.
    std::vector<double> values(static_cast<std::size_t>(layout.sampleCount), 0.0);
    const double weight = 1.0 - layout.fraction;  // of the later of the two neighbours
    for (int i = 0; i < layout.sampleCount; ++i) {
        const int k = i - layout.pad;
        double& value = values[static_cast<std::size_t>(i)];
        if (layout.fraction == 0.0) {
            if (k >= 0) {
                value = s(k);
            }
        } else if (k > 0) {
            value = s(k - 1) + weight * (s(k) - s(k - 1));
        }
    }
    return values;
}

void WriteSegy(const Project& project, Polarity polarity, int traceCount, std::ostream& out) {
    const SegyTraceLayout layout = PlanSegyTrace(project);
    out << ToEbcdic(SegyTextCards(project, polarity)) << BinaryHeader(project, layout);

    // Every trace holds the same samples; only the numbers in its header change.
    std::string trace(kTraceHeaderSize + 4 * static_cast<std::size_t>(layout.sampleCount), '\0');
    std::size_t offset = kTraceHeaderSize;
    for (double value : SegyTraceValues(project, layout, polarity)) {
        for (std::uint8_t byte : EncodeSegySample(value)) {
            trace[offset++] = static_cast<char>(byte);
        }
    }
    for (int k = 0; k < traceCount; ++k) {
        PutTraceHeader(trace, layout, k + 1);
        out.write(trace.data(), static_cast<std::streamsize>(trace.size()));
    }
}

void ExportSegyFile(const Project& project, Polarity polarity, int traceCount,
                    const std::string& path) {
    std::ostringstream content;
    WriteSegy(project, polarity, traceCount, content);
    ReplaceFileContent(path, content.str());
}

std::string ProposedSegyName(const Project& project, Polarity polarity) {
    const std::string& name = project.projectFileName;
    return name.substr(0, name.size() >= 4 ? name.size() - 4 : 0) +
           (polarity == Polarity::kNormal ? "normal.sgy" : "reverse.sgy");
}

}  // namespace tessarin
