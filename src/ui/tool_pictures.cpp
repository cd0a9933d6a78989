#include "ui/tool_pictures.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <array>
#include <cmath>

namespace tessarin {
namespace {

// Each symbol is drawn in a 16 x 16 box. One-unit lines lie on half units so that they fill
// whole pixels at ratio 1 and whole pixel pairs at ratio 2.
constexpr int kSymbolSize = 16;
constexpr QPointF kSymbolOrigin{3, 3};

const QColor kInk(32, 32, 32);

QPen Pen(const QColor& color, qreal width = 1.0) {
    QPen pen(color, width);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setCapStyle(Qt::SquareCap);
    return pen;
}

void DrawPolygon(QPainter& p, std::initializer_list<QPointF> points, const QColor& fill,
                 const QColor& outline) {
    p.setPen(Pen(outline));
    p.setBrush(fill);
    p.drawPolygon(QPolygonF(QList<QPointF>(points)));
}

void DrawBox(QPainter& p, const QRectF& box, const QColor& fill, const QColor& outline) {
    p.setPen(Pen(outline));
    p.setBrush(fill);
    p.drawRect(box);
}

// A blank sheet with its corner folded over.
void DrawNewPage(QPainter& p) {
    DrawPolygon(p, {{2.5, 0.5}, {10.5, 0.5}, {13.5, 3.5}, {13.5, 15.5}, {2.5, 15.5}}, Qt::white,
                kInk);
    DrawPolygon(p, {{10.5, 0.5}, {10.5, 3.5}, {13.5, 3.5}}, QColor(200, 200, 200), kInk);
}

// A yellow folder with its front flap open.
void DrawOpenFolder(QPainter& p) {
    const QColor outline(110, 80, 0);
    DrawPolygon(p, {{0.5, 14.5}, {0.5, 2.5}, {5.5, 2.5}, {6.5, 3.5}, {12.5, 3.5}, {12.5, 7.5}},
                QColor(214, 165, 30), outline);
    DrawPolygon(p, {{0.5, 14.5}, {3.5, 7.5}, {15.5, 7.5}, {12.5, 14.5}}, QColor(250, 212, 80),
                outline);
}

// A floppy disk: shutter at the top, label at the bottom.
void DrawDisk(QPainter& p) {
    const QColor body(40, 70, 140);
    DrawPolygon(p, {{0.5, 0.5}, {13.5, 0.5}, {15.5, 2.5}, {15.5, 15.5}, {0.5, 15.5}}, body,
                QColor(16, 28, 70));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(205, 205, 205));
    p.drawRect(QRectF(4, 1, 8, 5));
    p.setBrush(body);
    p.drawRect(QRectF(9, 2, 2, 3));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3, 9, 10, 6));
    p.setPen(Pen(QColor(150, 150, 170)));
    p.drawLine(QPointF(4.5, 11.5), QPointF(11.5, 11.5));
    p.drawLine(QPointF(4.5, 13.5), QPointF(11.5, 13.5));
}

// A drilling derrick: a tapering tower braced in two bays, its crown block on top, standing on
// the ground.
void DrawDerrick(QPainter& p) {
    auto left = [](qreal y) { return 2.0 + (15.0 - y) * 4.5 / 13.0; };
    auto right = [](qreal y) { return 14.0 - (15.0 - y) * 4.5 / 13.0; };
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Pen(kInk));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(left(15), 15), QPointF(left(2), 2));
    p.drawLine(QPointF(right(15), 15), QPointF(right(2), 2));
    const std::array<qreal, 3> girts = {6.5, 10.5, 15.0};
    for (std::size_t i = 0; i + 1 < girts.size(); ++i) {
        const qreal top = girts[i];
        const qreal bottom = girts[i + 1];
        p.drawLine(QPointF(left(top), top), QPointF(right(top), top));
        p.drawLine(QPointF(left(top), top), QPointF(right(bottom), bottom));
        p.drawLine(QPointF(right(top), top), QPointF(left(bottom), bottom));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(190, 30, 30));
    p.drawRect(QRectF(5, 0, 6, 2.5));
    p.setBrush(QColor(120, 80, 40));
    p.drawRect(QRectF(0, 14.5, 16, 1.5));
}

// A log track with its grid and a sonic curve running down in depth.
void DrawLogCurve(QPainter& p) {
    DrawBox(p, QRectF(1.5, 0.5, 13, 15), Qt::white, QColor(90, 90, 90));
    p.setPen(Pen(QColor(190, 200, 215)));
    for (qreal x : {5.5, 9.5}) {
        p.drawLine(QPointF(x, 1), QPointF(x, 15));
    }
    static const std::array<qreal, 15> kCurve = {8,   7,   9.5, 6, 7.5, 11,  10, 5.5,
                                                 6.5, 8.5, 12,  9, 7,   9.5, 8};
    QPolygonF curve;
    for (std::size_t i = 0; i < kCurve.size(); ++i) {
        curve << QPointF(kCurve[i], 1.0 + static_cast<qreal>(i));
    }
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Pen(QColor(200, 20, 20), 1.3));
    p.drawPolyline(curve);
}

// Layers of rock stacked one on another, each top marked by a flag at the left.
void DrawTops(QPainter& p) {
    const std::array<QColor, 4> layers = {QColor(245, 215, 110), QColor(150, 185, 120),
                                          QColor(130, 170, 220), QColor(195, 145, 95)};
    const std::array<qreal, 5> bounds = {1, 4, 8, 12, 15};
    p.setPen(Qt::NoPen);
    for (std::size_t i = 0; i < layers.size(); ++i) {
        p.setBrush(layers[i]);
        p.drawRect(QRectF(1, bounds[i], 14, bounds[i + 1] - bounds[i]));
    }
    p.setPen(Pen(kInk));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 15, 15));
    for (std::size_t i = 1; i + 1 < bounds.size(); ++i) {
        p.drawLine(QPointF(4.5, bounds[i] - 0.5), QPointF(15, bounds[i] - 0.5));
        DrawPolygon(p, {{0.5, bounds[i] - 2.5}, {3.5, bounds[i] - 0.5}, {0.5, bounds[i] + 1.5}},
                    QColor(200, 20, 20), QColor(120, 0, 0));
    }
}

// A zero-phase Ricker wavelet with its central peak filled, as the synthetic shows it.
void DrawWavelet(QPainter& p) {
    const qreal zero = 10.5;
    QPainterPath curve;
    for (int i = 0; i <= 30; ++i) {
        const qreal x = 0.5 + i * 0.5;
        const qreal a = (x - 8.0) / 3.3;
        const qreal y = zero - 9.0 * (1 - 2 * a * a) * std::exp(-a * a);
        if (i == 0) {
            curve.moveTo(x, y);
        } else {
            curve.lineTo(x, y);
        }
    }
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath above;
    above.addRect(QRectF(0, 0, kSymbolSize, zero));
    QPainterPath lobe = curve;
    lobe.lineTo(15.5, zero);
    lobe.lineTo(0.5, zero);
    p.fillPath(lobe.intersected(above), kInk);
    p.setPen(Pen(QColor(120, 120, 120)));
    p.drawLine(QPointF(0.5, zero), QPointF(15.5, zero));
    p.setPen(Pen(kInk, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
}

// A ruler with its graduations.
void DrawRuler(QPainter& p) {
    DrawBox(p, QRectF(0.5, 4.5, 15, 7), QColor(240, 200, 110), QColor(120, 80, 10));
    p.setPen(Pen(QColor(60, 40, 0)));
    for (int i = 0; i < 7; ++i) {
        const qreal x = 2.5 + 2 * i;
        const qreal length = i % 2 == 0 ? 4 : 2;
        p.drawLine(QPointF(x, 5), QPointF(x, 4.5 + length));
    }
}

// Two seismic traces whose positive lobes are filled black, showing the same reflections
// gently dipping from one to the next.
void DrawWiggles(QPainter& p) {
    struct Reflection {
        qreal time;
        qreal amplitude;
    };
    const std::array<Reflection, 3> reflections = {{{3.0, 3.0}, {7.0, -1.6}, {11.0, 3.0}}};
    p.setRenderHint(QPainter::Antialiasing, true);
    for (int t = 0; t < 3; ++t) {
        const qreal c = 2.5 + 5 * t;
        QPainterPath trace;
        trace.moveTo(c, 0.5);
        for (int i = 1; i <= 60; ++i) {
            const qreal y = 0.5 + i * 0.25;
            qreal x = c;
            for (const Reflection& r : reflections) {
                const qreal a = (y - r.time - 0.8 * t) / 1.0;
                x += r.amplitude * std::exp(-a * a);
            }
            trace.lineTo(x, y);
        }
        QPainterPath filled = trace;
        filled.lineTo(c, 15.5);
        filled.closeSubpath();
        QPainterPath rightSide;
        rightSide.addRect(QRectF(c, 0, 4, kSymbolSize));
        p.fillPath(filled.intersected(rightSide), kInk);
        p.setPen(Pen(kInk, 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawPath(trace);
    }
}

// A well, its derrick on top, beside a seismic trace with its peaks filled: a red line ties a
// reflection of the well to the trace's peak.
void DrawSeismicAtWell(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(190, 30, 30));
    p.drawPolygon(QPolygonF(QList<QPointF>{{0.5, 4.5}, {3.5, 0}, {6.5, 4.5}}));
    p.fillRect(QRectF(3, 4.5, 1.2, 11.5), QColor(120, 80, 40));
    const qreal centre = 11.5;
    QPainterPath trace;
    trace.moveTo(centre, 0.5);
    for (int i = 1; i <= 60; ++i) {
        const qreal y = 0.5 + i * 0.25;
        qreal x = centre;
        for (const auto& [time, amplitude] : {std::pair{3.5, -2.0}, {8.0, 3.4}, {12.5, 2.2}}) {
            const qreal a = (y - time) / 1.1;
            x += amplitude * std::exp(-a * a);
        }
        trace.lineTo(x, y);
    }
    QPainterPath filled = trace;
    filled.lineTo(centre, 15.5);
    filled.closeSubpath();
    QPainterPath rightSide;
    rightSide.addRect(QRectF(centre, 0, 5, kSymbolSize));
    p.fillPath(filled.intersected(rightSide), kInk);
    p.setPen(Pen(kInk, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(trace);
    p.setPen(Pen(QColor(200, 20, 20), 1.0));
    p.drawLine(QPointF(4.5, 8.0), QPointF(centre - 1, 8.0));
}

// A printer with a sheet going in at the back and a printed sheet coming out at the front.
void DrawPrinter(QPainter& p) {
    DrawBox(p, QRectF(3.5, 0.5, 9, 7), Qt::white, kInk);
    DrawBox(p, QRectF(0.5, 6.5, 15, 6), QColor(200, 200, 200), kInk);
    p.setPen(Pen(QColor(120, 120, 120)));
    p.drawLine(QPointF(1.5, 11.5), QPointF(14.5, 11.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 180, 60));
    p.drawRect(QRectF(12, 8, 2, 2));
    DrawBox(p, QRectF(3.5, 10.5, 9, 5), Qt::white, kInk);
    p.setPen(Pen(QColor(120, 120, 120)));
    p.drawLine(QPointF(5.5, 12.5), QPointF(10.5, 12.5));
    p.drawLine(QPointF(5.5, 14.5), QPointF(9.5, 14.5));
}

// A bold question mark.
void DrawQuestionMark(QPainter& p) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(64);
    QPainterPath mark;
    mark.addText(0, 0, font, QStringLiteral("?"));
    const QRectF bounds = mark.boundingRect();
    const qreal scale = 15.0 / bounds.height();
    QTransform fit;
    fit.translate(8.0 - bounds.center().x() * scale, 8.0 - bounds.center().y() * scale);
    fit.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillPath(fit.map(mark), QColor(0, 50, 160));
}

using SymbolPainter = void (*)(QPainter&);

// In the order of `Tool`.
constexpr std::array<SymbolPainter, kToolCount> kSymbols = {
    DrawOpenFolder, DrawDisk,     DrawWiggles, DrawPrinter, DrawNewPage,      DrawRuler,
    DrawDerrick,    DrawLogCurve, DrawTops,    DrawWavelet, DrawQuestionMark, DrawSeismicAtWell};

QImage SymbolImage(Tool tool, qreal ratio) {
    const int side = static_cast<int>(std::lround(kSymbolSize * ratio));
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter p(&image);
    kSymbols[static_cast<std::size_t>(tool)](p);
    return image;
}

// The greyed symbol keeps only its dark strokes, etched into the face: a white copy one pixel
// down and right, and a grey one on top, as disabled buttons have always looked.
QImage Etched(const QImage& symbol, const QColor& shade, const QColor& light) {
    QImage mask = symbol.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < mask.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(mask.scanLine(y));
        for (int x = 0; x < mask.width(); ++x) {
            const int alpha = qAlpha(line[x]);
            const bool dark = alpha > 0 && qGray(line[x]) < 150;
            line[x] = qRgba(0, 0, 0, dark ? alpha : 0);
        }
    }
    auto tinted = [&mask](const QColor& color) {
        QImage out = mask;
        QPainter p(&out);
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(out.rect(), color);
        return out;
    };
    QImage etched(mask.size(), QImage::Format_ARGB32_Premultiplied);
    etched.setDevicePixelRatio(symbol.devicePixelRatio());
    etched.fill(Qt::transparent);
    QPainter p(&etched);
    p.drawImage(QPointF(1, 1), tinted(light));
    p.drawImage(QPointF(0, 0), tinted(shade));
    return etched;
}

// The classic two-line bevel: light above and left, shadow below and right; reversed when
// pressed.
void DrawBevel(QPainter& p, const QPalette& palette, bool pressed) {
    const int w = kToolPictureSize.width();
    const int h = kToolPictureSize.height();
    p.fillRect(QRectF(0, 0, w, h), palette.color(QPalette::Button));
    const QColor outerTopLeft =
        pressed ? palette.color(QPalette::Shadow) : palette.color(QPalette::Light);
    const QColor outerBottomRight =
        pressed ? palette.color(QPalette::Light) : palette.color(QPalette::Shadow);
    const QColor innerTopLeft =
        pressed ? palette.color(QPalette::Dark) : palette.color(QPalette::Midlight);
    const QColor innerBottomRight =
        pressed ? palette.color(QPalette::Midlight) : palette.color(QPalette::Dark);
    auto frame = [&p](qreal inset, qreal w, qreal h, const QColor& topLeft,
                      const QColor& bottomRight) {
        const qreal l = inset + 0.5;
        const qreal t = inset + 0.5;
        const qreal r = w - inset - 0.5;
        const qreal b = h - inset - 0.5;
        p.setPen(Pen(bottomRight));
        p.drawLine(QPointF(l, b), QPointF(r, b));
        p.drawLine(QPointF(r, t), QPointF(r, b));
        p.setPen(Pen(topLeft));
        p.drawLine(QPointF(l, t), QPointF(r - 1, t));
        p.drawLine(QPointF(l, t), QPointF(l, b - 1));
    };
    frame(0, w, h, outerTopLeft, outerBottomRight);
    frame(1, w, h, innerTopLeft, innerBottomRight);
}

}  // namespace

QPixmap DrawToolPicture(Tool tool, ButtonFace face, qreal devicePixelRatio,
                        const QPalette& palette) {
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QPixmap picture(kToolPictureSize * ratio);
    picture.setDevicePixelRatio(ratio);
    QPainter p(&picture);
    const bool pressed = face == ButtonFace::Pressed;
    DrawBevel(p, palette, pressed);

    QImage symbol = SymbolImage(tool, ratio);
    if (face == ButtonFace::Greyed) {
        symbol = Etched(symbol, palette.color(QPalette::Dark), palette.color(QPalette::Light));
    }
    // A pushed-in button moves its picture one pixel down and right, as if pressed into the bar.
    const QPointF shift = pressed ? QPointF(1, 1) : QPointF(0, 0);
    p.drawImage(kSymbolOrigin + shift, symbol);
    return picture;
}

}  // namespace tessarin
