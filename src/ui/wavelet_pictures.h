#pragma once

// The two preview boxes of Select Wavelet: the wavelet as a wiggle with its positive lobes filled
// (Picture2) and the bandpass amplitude spectrum with its axis labels (Picture1). Both draw the
// preview geometry, which is in twips of the box, scaled to the box. A twip on screen follows the
// dialog font, so the axis labels keep their place beside the axes at any font size.

#include <QFrame>
#include <array>

#include "engine/wavelet_preview.h"

class QLabel;

namespace tessarin {

// A white box showing a picture of `width` x `height` twips, as large as the box allows.
class TwipPicture : public QFrame {
public:
    TwipPicture(double widthTwips, double heightTwips, QWidget* parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return false; }

protected:
    double TwipsPerPixel() const;
    QPointF Origin() const;  // the picture's top left in widget pixels
    QPointF ToWidget(const TwipPoint& point) const;

private:
    QSize SizeAt(double twipsPerPixel) const;

    double width_;
    double height_;
};

class WaveletPicture : public TwipPicture {
public:
    explicit WaveletPicture(QWidget* parent);
    void SetPreview(const WaveletPreview& preview);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    WaveletPreview preview_;
};

class SpectrumPicture : public TwipPicture {
public:
    explicit SpectrumPicture(QWidget* parent);
    // The labels "Frequency" and "A", "m", "p" are shown with a spectrum only.
    void SetPreview(const WaveletPreview& preview);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void PlaceLabels();

    WaveletPreview preview_;
    QLabel* frequencyLabel_ = nullptr;           // Label6
    std::array<QLabel*, 3> amplitudeLetters_{};  // Label7 to Label9
};

}  // namespace tessarin
