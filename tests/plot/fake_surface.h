#pragma once

// A drawing surface that records what the painters draw, with simple text metrics (100 twips per
// character, 200 twips per line) so that layouts can be worked out by hand.

#include <string>
#include <vector>

#include "plot/surface.h"

namespace tessarin::test {

struct RecordedLine {
    TwipPoint from;
    TwipPoint to;
    Rgb colour;
    PenStyle style;
    int width;
};

struct RecordedText {
    double x;
    double y;
    std::string text;
    PlotFont font;
    Rgb colour;
};

class FakeSurface : public DrawingSurface {
public:
    static constexpr double kCharWidth = 100.0;
    static constexpr double kLineHeight = 200.0;

    double TextWidth(const std::string& text) const override {
        return kCharWidth * static_cast<double>(text.size());
    }
    double TextHeight(const std::string&) const override { return kLineHeight; }
    void FillPolygon(const std::vector<TwipPoint>& points) override { polygons.push_back(points); }
    double TwipsPerPixel() const override { return 15.0; }

    // The texts printed, in order, and the first one equal to `text` (nullptr if none).
    const RecordedText* FindText(const std::string& text) const;

    std::vector<RecordedLine> lines;  // polylines are recorded segment by segment
    std::vector<RecordedText> texts;
    std::vector<std::vector<TwipPoint>> polygons;
    int clears = 0;

protected:
    void EraseAll() override { ++clears; }
    void DrawLine(double x1, double y1, double x2, double y2, Rgb colour) override {
        lines.push_back({{x1, y1}, {x2, y2}, colour, Style(), PenWidth()});
    }
    void DrawPolyline(const std::vector<TwipPoint>& points) override {
        for (std::size_t i = 1; i < points.size(); ++i) {
            lines.push_back({points[i - 1], points[i], Color(), Style(), PenWidth()});
        }
    }
    void DrawBox(double, double, double, double) override {}
    void DrawPoint(double, double) override {}
    void DrawText(double x, double y, const std::string& text) override {
        texts.push_back({x, y, text, Font(), Color()});
    }
    void PenChanged() override {}
    void FontChanged() override {}
};

inline const RecordedText* FakeSurface::FindText(const std::string& text) const {
    for (const RecordedText& t : texts) {
        if (t.text == text) {
            return &t;
        }
    }
    return nullptr;
}

}  // namespace tessarin::test
