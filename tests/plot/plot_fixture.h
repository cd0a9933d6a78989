#pragma once

// A small well whose display can be worked out by hand, filled in directly (no import, no
// engine):
// - English units, 2 ms sampling, samples 0 to 250.
// - KB 100 ft, datum specified at 0 ft with 8000 ft/s; the log starts at 1100 ft MD, 1000 ft
//   below the datum, so sample 0 lies 2 x 1000 / 8000 = 0.25 s below it.
// - 10000 ft/s (10 ft per sample) down to sample 100 at 2100 ft, then 12500 ft/s (12.5 ft per
//   sample) down to 3975 ft; the one reflection, 2500 / 22500, lies at sample 99.
// - Density -1 (none) above sample 40, 2.3 g/cc below.
// - Synthetic: +1 from sample 60 to 80, -1 from 140 to 160, 0 elsewhere.
// - Horizons: start of log, "Top Chalk" at 2100 ft (0.2 s after sample 0), end of log.
// - Ricker wavelet of 25 Hz, 0.1 s long (h = 25).
//
// And a drawing surface that records what the painters draw, with simple text metrics (100 twips
// per character, 200 twips per line) so that layouts can be worked out by hand.

#include <string>
#include <vector>

#include "model/project.h"
#include "plot/surface.h"

namespace tessarin::test {

Project MakeKnownWell();

// Sets horizon k (1-based) of the table.
void SetHorizon(Project& p, int k, const char* name, double depth, double time);

// Twips per sample of the known well at its time scale of 5 inches per second.
inline constexpr double kKnownTwipsPerSample = 5.0 * 1440.0 * 0.002;

struct RecordedLine {
    TwipPoint from, to;
    Rgb colour;
    PenStyle style;
};

struct RecordedText {
    double x, y;
    std::string text;
    PlotFont font;
    Rgb colour;
};

class FakeSurface : public DrawingSurface {
public:
    double TextWidth(const std::string& text) const override { return 100.0 * text.size(); }
    double TextHeight(const std::string&) const override { return 200.0; }
    void FillPolygon(const std::vector<TwipPoint>& points) override { polygons.push_back(points); }
    double TwipsPerPixel() const override { return 15.0; }

    // The first text printed equal to `text`; a test failure (and a text at NaN) if none.
    const RecordedText& Text(const std::string& text) const;
    int Count(const std::string& text) const;

    std::vector<RecordedLine> lines;  // polylines are recorded segment by segment
    std::vector<RecordedText> texts;
    std::vector<std::vector<TwipPoint>> polygons;
    std::vector<RecordedLine> cleared;  // boxes painted white, corner to corner

protected:
    void EraseAll() override {}
    void DrawLine(double x1, double y1, double x2, double y2, Rgb colour) override {
        lines.push_back({{x1, y1}, {x2, y2}, colour, Style()});
    }
    void DrawPolyline(const std::vector<TwipPoint>& points) override {
        for (std::size_t i = 1; i < points.size(); ++i) {
            lines.push_back({points[i - 1], points[i], Color(), Style()});
        }
    }
    void DrawBox(double, double, double, double) override {}
    void EraseBox(double x1, double y1, double x2, double y2) override {
        cleared.push_back({{x1, y1}, {x2, y2}, kWhite, Style()});
    }
    void DrawPoint(double, double) override {}
    void DrawText(double x, double y, const std::string& text) override {
        texts.push_back({x, y, text, Font(), Color()});
    }
    void PenChanged() override {}
    void FontChanged() override {}
};

}  // namespace tessarin::test
