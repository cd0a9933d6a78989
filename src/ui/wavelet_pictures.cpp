#include "ui/wavelet_pictures.h"

#include <QLabel>
#include <QPainter>
#include <QPolygon>
#include <algorithm>

namespace tessarin {
namespace {

// The preview boxes were laid out for a font whose lines are this many twips apart.
constexpr double kTwipsPerTextLine = 195;
// Smallest drawing that can still be read: twips per pixel at most this much above the natural.
constexpr double kSmallestScale = 1.25;

constexpr double kWaveletBoxWidth = 2000;
constexpr double kWaveletBoxHeight = 1800;
constexpr double kSpectrumBoxWidth = 2000;
constexpr double kSpectrumBoxHeight = 1300;

// Where the spectrum labels stand, in twips: "Frequency" centred under the frequency axis,
// the letters of "Amp" one under the other left of the amplitude axis.
constexpr double kFrequencyLabelX = 1100;
constexpr double kFrequencyLabelTop = 1020;
constexpr double kLettersX = 200;
constexpr double kAmplitudeAxisMiddle = 700;

// A pen one screen pixel wide, given how many twips make a pixel: one device pixel would be too
// thin to see on a high-resolution screen.
QPen OnePixel(const QColor& colour, double twipsPerPixel) {
    return QPen(colour, twipsPerPixel);
}

QPolygonF Polyline(const TwipPolyline& points) {
    QPolygonF polygon;
    for (const TwipPoint& p : points) {
        polygon << QPointF(p.x, p.y);
    }
    return polygon;
}

}  // namespace

TwipPicture::TwipPicture(double widthTwips, double heightTwips, QWidget* parent)
    : QFrame(parent), width_(widthTwips), height_(heightTwips) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize TwipPicture::SizeAt(double twipsPerPixel) const {
    const int frame = 2 * frameWidth();
    return {static_cast<int>(width_ / twipsPerPixel) + frame,
            static_cast<int>(height_ / twipsPerPixel) + frame};
}

QSize TwipPicture::sizeHint() const {
    return SizeAt(kTwipsPerTextLine / fontMetrics().height());
}

QSize TwipPicture::minimumSizeHint() const {
    return SizeAt(kSmallestScale * kTwipsPerTextLine / fontMetrics().height());
}

double TwipPicture::TwipsPerPixel() const {
    const QRect box = contentsRect();
    return std::max(width_ / std::max(box.width(), 1), height_ / std::max(box.height(), 1));
}

QPointF TwipPicture::Origin() const {
    const QRect box = contentsRect();
    const double scale = TwipsPerPixel();
    return {box.left() + (box.width() - width_ / scale) / 2,
            box.top() + (box.height() - height_ / scale) / 2};
}

QPointF TwipPicture::ToWidget(const TwipPoint& point) const {
    const double scale = TwipsPerPixel();
    return Origin() + QPointF(point.x / scale, point.y / scale);
}

WaveletPicture::WaveletPicture(QWidget* parent)
    : TwipPicture(kWaveletBoxWidth, kWaveletBoxHeight, parent) {
    setObjectName(QStringLiteral("Picture2"));
}

void WaveletPicture::SetPreview(const WaveletPreview& preview) {
    preview_ = preview;
    update();
}

void WaveletPicture::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (preview_.wiggle.empty()) {
        return;  // no wavelet yet
    }
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    const double scale = TwipsPerPixel();
    const QPointF origin = Origin();
    painter.translate(origin);

    // The positive lobes, filled on whole pixels as the region fill has always taken them.
    painter.setPen(OnePixel(Qt::black, 1));
    painter.setBrush(Qt::black);
    for (const TwipPolyline& lobe : preview_.positiveLobes) {
        QPolygon polygon;
        for (const PixelPoint& p : ToPixels(lobe, scale)) {
            polygon << QPoint(p.x, p.y);
        }
        painter.drawPolygon(polygon, Qt::OddEvenFill);
    }
    painter.setBrush(Qt::NoBrush);

    painter.scale(1 / scale, 1 / scale);
    painter.setPen(OnePixel(QColor(255, 0, 0), scale));
    painter.drawLine(QPointF(preview_.zeroLineFrom.x, preview_.zeroLineFrom.y),
                     QPointF(preview_.zeroLineTo.x, preview_.zeroLineTo.y));
    painter.setPen(OnePixel(Qt::black, scale));
    painter.drawPolyline(Polyline(preview_.wiggle));
}

SpectrumPicture::SpectrumPicture(QWidget* parent)
    : TwipPicture(kSpectrumBoxWidth, kSpectrumBoxHeight, parent) {
    setObjectName(QStringLiteral("Picture1"));
    frequencyLabel_ = new QLabel(QStringLiteral("Frequency"), this);
    frequencyLabel_->setObjectName(QStringLiteral("Label6"));
    const char* letters[] = {"A", "m", "p"};
    for (int k = 0; k < 3; ++k) {
        amplitudeLetters_[k] = new QLabel(QString::fromLatin1(letters[k]), this);
        amplitudeLetters_[k]->setObjectName(QStringLiteral("Label%1").arg(7 + k));
    }
    SetPreview(WaveletPreview{});
}

void SpectrumPicture::SetPreview(const WaveletPreview& preview) {
    preview_ = preview;
    frequencyLabel_->setVisible(preview_.showSpectrum);
    for (QLabel* letter : amplitudeLetters_) {
        letter->setVisible(preview_.showSpectrum);
    }
    update();
}

void SpectrumPicture::resizeEvent(QResizeEvent* event) {
    TwipPicture::resizeEvent(event);
    PlaceLabels();
}

void SpectrumPicture::PlaceLabels() {
    const auto placeCentred = [this](QLabel* label, double x, double top) {
        label->adjustSize();
        const QPointF at = ToWidget({x, top});
        label->move(static_cast<int>(at.x() - label->width() / 2.0), static_cast<int>(at.y()));
    };
    placeCentred(frequencyLabel_, kFrequencyLabelX, kFrequencyLabelTop);
    // One text line apart, the three together centred on the amplitude axis.
    const double line = TwipsPerPixel() * fontMetrics().height();
    for (int k = 0; k < 3; ++k) {
        placeCentred(amplitudeLetters_[k], kLettersX, kAmplitudeAxisMiddle + (k - 1.5) * line);
    }
}

void SpectrumPicture::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (!preview_.showSpectrum) {
        return;
    }
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    const double scale = TwipsPerPixel();
    painter.translate(Origin());
    painter.scale(1 / scale, 1 / scale);
    painter.setPen(OnePixel(Qt::black, scale));
    const QPolygonF axes = Polyline(preview_.spectrumAxes);
    painter.drawPoint(axes.front());
    painter.drawPolyline(axes);
    painter.drawPolyline(Polyline(preview_.spectrum));
}

}  // namespace tessarin
