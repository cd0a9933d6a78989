#pragma once

// The drawing surface over a QPainter: the screen picture below, and the printer page, which
// begins a QPainter on the printer and hands it over with the printer's twips per pixel.

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <memory>
#include <optional>

#include "plot/surface.h"

namespace tessarin {

class PainterSurface : public DrawingSurface {
public:
    // `painter` must be active; the surface scales it so that one unit is one twip.
    PainterSurface(QPainter* painter, double twipsPerPixel);

    double TextWidth(const std::string& text) const override;
    double TextHeight(const std::string& text) const override;
    void FillPolygon(const std::vector<TwipPoint>& points) override;
    double TwipsPerPixel() const override { return twipsPerPixel_; }

protected:
    PainterSurface(double twipsPerPixel) : twipsPerPixel_(twipsPerPixel) {}
    // Device pixels per pen pixel: on a screen with two device pixels to each of its pixels, a
    // pen keeps the weight it has on an ordinary screen.
    void SetPenScale(double devicePixelsPerPixel) { penScale_ = devicePixelsPerPixel; }
    // Starts drawing with `painter` (active), applying the twips scale, pen and font.
    void Attach(QPainter* painter);

    void EraseAll() override;
    void DrawLine(double x1, double y1, double x2, double y2, Rgb colour) override;
    void DrawPolyline(const std::vector<TwipPoint>& points) override;
    void DrawBox(double x1, double y1, double x2, double y2) override;
    void EraseBox(double x1, double y1, double x2, double y2) override;
    void DrawPoint(double x, double y) override;
    void DrawText(double x, double y, const std::string& text) override;
    void PenChanged() override;
    void FontChanged() override;

private:
    QPen MakePen(Rgb colour) const;
    double SnapToPixel(double twips) const;

    QPainter* painter_ = nullptr;
    double twipsPerPixel_;
    double penScale_ = 1.0;
    QFont qfont_;
    std::optional<QFontMetricsF> metrics_;
};

// The screen picture: the retained image of the whole display, at the screen's twips per pixel
// (15 at 96 dots per inch). On a high-resolution screen the picture holds `pixelRatio` device
// pixels to each screen pixel, with `twipsPerPixel` counted per device pixel, so that text and
// lines are drawn at the screen's full resolution in the same layout.
class PlotPicture : public PainterSurface {
public:
    explicit PlotPicture(double twipsPerPixel = 15.0, double pixelRatio = 1.0);
    ~PlotPicture() override;

    // Gives the picture a new size in twips; the content is lost (Clear() paints it white).
    // Throws Error when the picture would be too large to hold.
    void Resize(double widthTwips, double heightTwips);

    double WidthTwips() const { return image_.width() * TwipsPerPixel(); }
    double HeightTwips() const { return image_.height() * TwipsPerPixel(); }

    // The picture as it stands (drawing finished so far).
    const QImage& Image();

private:
    void Begin();

    QImage image_;
    std::unique_ptr<QPainter> painter_;
};

}  // namespace tessarin
