#include "plot/painter_surface.h"

#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "model/error.h"
#include "plot/layout.h"

namespace tessarin {

namespace {

QColor ToQColor(Rgb colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

QPointF ToQPoint(const TwipPoint& p) {
    return QPointF(p.x, p.y);
}

// Twips per point: plot text sizes are given in points and drawn in twips.
constexpr double kTwipsPerPoint = 20.0;

}  // namespace

PainterSurface::PainterSurface(QPainter* painter, double twipsPerPixel)
    : twipsPerPixel_(twipsPerPixel) {
    Attach(painter);
}

void PainterSurface::Attach(QPainter* painter) {
    painter_ = painter;
    painter_->resetTransform();
    painter_->scale(1.0 / twipsPerPixel_, 1.0 / twipsPerPixel_);
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setRenderHint(QPainter::TextAntialiasing, true);
    painter_->setBrush(Qt::NoBrush);
    PenChanged();
    FontChanged();
}

QPen PainterSurface::MakePen(Rgb colour) const {
    // A cosmetic pen keeps its width in device pixels whatever the twips scale.
    QPen pen(ToQColor(colour));
    pen.setCosmetic(true);
    pen.setWidth(PenWidth() > 0 ? std::max(1, static_cast<int>(std::lround(PenWidth() * penScale_)))
                                : PenWidth());
    pen.setStyle(Style() == PenStyle::kDotted ? Qt::DotLine : Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

void PainterSurface::PenChanged() {
    if (painter_) {
        painter_->setPen(MakePen(Color()));
    }
}

void PainterSurface::FontChanged() {
    qfont_ = QFont(QString::fromStdString(Font().name));
    // Sized in the painter's units (twips), since a size in points would be scaled down with
    // everything else.
    qfont_.setPixelSize(static_cast<int>(std::lround(Font().points * kTwipsPerPoint)));
    qfont_.setBold(Font().bold);
    qfont_.setItalic(Font().italic);
    if (painter_) {
        painter_->setFont(qfont_);
        metrics_.emplace(qfont_, painter_->device());
    } else {
        metrics_.emplace(qfont_);
    }
}

double PainterSurface::TextWidth(const std::string& text) const {
    return metrics_->horizontalAdvance(QString::fromStdString(text));
}

double PainterSurface::TextHeight(const std::string&) const {
    return metrics_->height();
}

double PainterSurface::SnapToPixel(double twips) const {
    return std::round(twips / twipsPerPixel_) * twipsPerPixel_;
}

void PainterSurface::EraseAll() {
    const QTransform transform = painter_->transform();
    painter_->resetTransform();
    const QRect all(0, 0, painter_->device()->width(), painter_->device()->height());
    painter_->fillRect(all, Qt::white);
    painter_->setTransform(transform);
}

void PainterSurface::DrawLine(double x1, double y1, double x2, double y2, Rgb colour) {
    if (colour != Color()) {
        painter_->setPen(MakePen(colour));
        painter_->drawLine(QPointF(x1, y1), QPointF(x2, y2));
        painter_->setPen(MakePen(Color()));
    } else {
        painter_->drawLine(QPointF(x1, y1), QPointF(x2, y2));
    }
}

void PainterSurface::DrawPolyline(const std::vector<TwipPoint>& points) {
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const TwipPoint& p : points) {
        polygon.append(ToQPoint(p));
    }
    painter_->drawPolyline(polygon);
}

void PainterSurface::DrawBox(double x1, double y1, double x2, double y2) {
    painter_->drawRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized());
}

void PainterSurface::EraseBox(double x1, double y1, double x2, double y2) {
    painter_->fillRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized(), Qt::white);
}

void PainterSurface::DrawPoint(double x, double y) {
    painter_->drawPoint(QPointF(x, y));
}

void PainterSurface::DrawText(double x, double y, const std::string& text) {
    painter_->drawText(QPointF(x, y + metrics_->ascent()), QString::fromStdString(text));
}

void PainterSurface::FillPolygon(const std::vector<TwipPoint>& points) {
    if (points.size() < 3) {
        return;
    }
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const TwipPoint& p : points) {
        polygon.append(QPointF(SnapToPixel(p.x), SnapToPixel(p.y)));
    }
    painter_->setBrush(Qt::black);
    painter_->drawPolygon(polygon, Qt::OddEvenFill);
    painter_->setBrush(Qt::NoBrush);
}

PlotPicture::PlotPicture(double twipsPerPixel, double pixelRatio) : PainterSurface(twipsPerPixel) {
    SetPenScale(pixelRatio);
    image_ = QImage(1, 1, QImage::Format_RGB32);
    Begin();
    Clear();
}

PlotPicture::~PlotPicture() {
    painter_->end();
}

void PlotPicture::Begin() {
    // The file written from the picture states the screen's resolution.
    const int dotsPerMetre = static_cast<int>(std::lround(1440.0 / TwipsPerPixel() / 0.0254));
    image_.setDotsPerMeterX(dotsPerMetre);
    image_.setDotsPerMeterY(dotsPerMetre);
    painter_ = std::make_unique<QPainter>(&image_);
    Attach(painter_.get());
}

void PlotPicture::Resize(double widthTwips, double heightTwips) {
    const double width = std::ceil(widthTwips / TwipsPerPixel());
    const double height = std::ceil(heightTwips / TwipsPerPixel());
    if (!(width <= kMaxPicturePixels && height <= kMaxPicturePixels)) {
        throw Error("The plot is too large to draw. Please choose a smaller time scale.");
    }
    painter_->end();
    painter_.reset();
    image_ = QImage(std::max(1, static_cast<int>(width)), std::max(1, static_cast<int>(height)),
                    QImage::Format_RGB32);
    if (image_.isNull()) {
        image_ = QImage(1, 1, QImage::Format_RGB32);
        Begin();
        throw Error("There is not enough memory for a plot this large.");
    }
    Begin();
}

const QImage& PlotPicture::Image() {
    return image_;
}

}  // namespace tessarin
