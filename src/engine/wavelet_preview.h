#pragma once

// What the Select Wavelet dialog draws: the wavelet as a wiggle with its positive lobes filled,
// and for the bandpass its amplitude spectrum. Plain geometry in twips of the preview boxes,
// drawn later by a painter.

#include <vector>

#include "model/project.h"

namespace tessarin {

struct TwipPoint {
    double x = 0;
    double y = 0;
    bool operator==(const TwipPoint&) const = default;
};

struct PixelPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PixelPoint&) const = default;
};

using TwipPolyline = std::vector<TwipPoint>;

struct WaveletPreview {
    // The wavelet box: a solid red (255, 0, 0) zero line, time running downwards with t = 0
    // at y = 900, amplitude 1 at 720 x screenCorrection twips right of the zero line.
    TwipPoint zeroLineFrom{1000, 1700};
    TwipPoint zeroLineTo{1000, 100};
    TwipPolyline wiggle;                      // black, samples -h..h
    std::vector<TwipPolyline> positiveLobes;  // filled black, each closed on the zero line

    // The spectrum box, bandpass only: the axes (starting with a point at their top) and the
    // amplitude curve, both black.
    bool showSpectrum = false;
    TwipPolyline spectrumAxes;
    TwipPolyline spectrum;
};

// The preview of project.wavelet as the generators leave it.
WaveletPreview MakeWaveletPreview(const Project& project);

// A lobe's vertices in pixels of a box with `twipsPerPixel`, each coordinate to the nearest whole
// pixel, as the polygon fill takes them.
std::vector<PixelPoint> ToPixels(const TwipPolyline& polygon, double twipsPerPixel);

}  // namespace tessarin
