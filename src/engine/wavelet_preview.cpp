#include "engine/wavelet_preview.h"

#include "engine/wavelet.h"
#include "model/error.h"
#include "model/numeric.h"

namespace tessarin {
namespace {

constexpr double kZeroLineX = 1000;
constexpr double kTimeZeroY = 900;
constexpr double kWaveletSpanTwips = 1584;  // 0.22 x 5 x 1440
constexpr double kUnitAmplitudeTwips = 720;

// Where the curve between samples i and i + 1 (values a and b of opposite sign, or one of them
// 0) crosses the zero line, as a fraction of the sample step from sample i.
double Crossing(double a, double b) {
    return a / (a - b);
}

std::vector<TwipPolyline> PositiveLobes(const OffsetArray& w, int h, double step, double scale) {
    auto y = [&](int i) { return kTimeZeroY + i * step; };
    auto next = [&](int i) { return w.Contains(i + 1) ? w[i + 1] : 0.0; };
    std::vector<TwipPolyline> lobes;
    TwipPolyline lobe;
    for (int i = -h; i <= h; ++i) {
        if (!(w[i] > 0)) {
            continue;
        }
        if (lobe.empty()) {
            // The lobe opens on the zero line: at the first sample, or where the curve rises
            // through zero from the sample before.
            const double start = i == -h ? y(i) : y(i - 1) + Crossing(w[i - 1], w[i]) * step;
            lobe.push_back({kZeroLineX, start});
        }
        lobe.push_back({kZeroLineX + w[i] * scale, y(i)});
        if (!(next(i) > 0)) {
            // The element h + 1 is 0, so a lobe still open at the end closes there.
            lobe.push_back({kZeroLineX, y(i) + Crossing(w[i], next(i)) * step});
            lobes.push_back(std::move(lobe));
            lobe.clear();
        }
    }
    return lobes;
}

void AddSpectrum(const Project& p, WaveletPreview& preview) {
    int corners[4];
    BandpassAmplitudes a;
    try {
        const Value* values[4] = {&p.lowCut, &p.lowPass, &p.highPass, &p.highCut};
        for (int k = 0; k < 4; ++k) {
            corners[k] = ToInt16(values[k]->Number());
        }
        a = BandpassSpectrum(corners[0], corners[1], corners[2], corners[3]);
    } catch (const Error&) {
        return;  // no spectrum for corners that gave no wavelet
    }
    const int lowCut = corners[0];
    const int highCut = corners[3];
    preview.showSpectrum = true;
    preview.spectrumAxes = {{400, 400}, {400, 1000}, {1800, 1000}};
    preview.spectrum.push_back({400 + 1400.0 * lowCut / highCut, 1000});
    for (int f = lowCut; f <= highCut; ++f) {
        preview.spectrum.push_back(
            {400 + 1400.0 * f / highCut, 1000 - 600 * a[static_cast<std::size_t>(f)]});
    }
}

}  // namespace

WaveletPreview MakeWaveletPreview(const Project& p) {
    WaveletPreview preview;
    const OffsetArray& w = p.wavelet;
    if (w.Empty() || w.First() > 0 || w.Last() < -w.First()) {
        return preview;  // no wavelet built yet
    }
    const int h = -w.First();
    double length = 0;
    try {
        length = p.waveletLength.Number();
    } catch (const ConversionError&) {
    }
    double correction = 1;
    try {
        correction = p.screenCorrection.Number();
    } catch (const ConversionError&) {
    }
    // A single-sample wavelet needs no step (and its length is 0).
    const double step =
        h > 0 && length > 0 ? kWaveletSpanTwips * p.sampleIntervalUs / (500000.0 * length) : 0.0;
    const double scale = kUnitAmplitudeTwips * correction;
    for (int i = -h; i <= h; ++i) {
        preview.wiggle.push_back({kZeroLineX + w[i] * scale, kTimeZeroY + i * step});
    }
    preview.positiveLobes = PositiveLobes(w, h, step, scale);
    if (p.waveletType == kBandpassWavelet) {
        AddSpectrum(p, preview);
    }
    return preview;
}

std::vector<PixelPoint> ToPixels(const TwipPolyline& polygon, double twipsPerPixel) {
    std::vector<PixelPoint> pixels;
    pixels.reserve(polygon.size());
    for (const TwipPoint& point : polygon) {
        pixels.push_back({ToInt32(point.x / twipsPerPixel), ToInt32(point.y / twipsPerPixel)});
    }
    return pixels;
}

}  // namespace tessarin
