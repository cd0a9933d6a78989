#include "files/project_wavelet_block.h"

#include <utility>

namespace tessarin {

using namespace block;

namespace {

constexpr const char* kWhose = "the wavelet's";

ExtractedWavelet ReadBlock(BlockLines& lines) {
    long long count = 0;
    const Fields fields = ReadFields(lines, count);
    ExtractedWavelet wavelet;
    wavelet.source = fields.Text("source");
    wavelet.samples.firstTime = fields.Number("first time (s)");
    wavelet.samples.interval = fields.Number("interval (s)");
    if (!(wavelet.samples.interval > 0)) {
        throw Damaged{"its sample interval is not greater than zero"};
    }
    wavelet.samples.values = ReadSamples(lines, count, kWhose, kWaveletBlockEnd);
    ReadBlockEnd(lines, count, kWhose, kWaveletBlockEnd);
    return wavelet;
}

}  // namespace

std::string WaveletBlockText(const ExtractedWavelet& wavelet) {
    BlockText out;
    out.Line(kWaveletBlockStart);
    out.Field("source", wavelet.source);
    out.Field("first time (s)", wavelet.samples.firstTime);
    out.Field("interval (s)", wavelet.samples.interval);
    out.Field("samples", std::to_string(wavelet.samples.values.size()));
    for (const double value : wavelet.samples.values) {
        out.Line(Number(value));
    }
    out.Line(kWaveletBlockEnd);
    return std::move(out).Text();
}

WaveletBlockRead ReadWaveletBlockAfterTag(BlockLines& lines) {
    try {
        return {ReadBlock(lines), {}};
    } catch (const Damaged& damaged) {
        return {std::nullopt,
                "The extracted wavelet stored in the project could not be read, so the project "
                "was opened with the Ricker wavelet of its stored parameters: " +
                    damaged.reason + "."};
    }
}

}  // namespace tessarin
