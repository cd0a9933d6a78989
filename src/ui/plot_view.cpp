#include "ui/plot_view.h"

#include <QApplication>
#include <QGridLayout>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>
#include <cmath>
#include <optional>

#include "model/numeric.h"
#include "plot/knee_lines.h"
#include "plot/painter_surface.h"

namespace tessarin {

// The plot surface: paints the part of the picture that is in view, at whole device pixels so
// that lines and text stay exactly as drawn.
class PlotCanvas : public QWidget {
public:
    explicit PlotCanvas(PlotView* view) : QWidget(view), view_(view) {
        setObjectName(QStringLiteral("Picture1"));
        setMouseTracking(true);
        setFocusPolicy(Qt::WheelFocus);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    const QImage* picture = nullptr;
    double twipsPerPixel = 15.0;
    double pictureRatio = 1.0;
    double leftTwips = 0.0;
    double topTwips = 0.0;
    QString hint;
    std::optional<QPointF> pointer;  // where the pointer is over the surface, if it is
    const PlotState* kneeState = nullptr;
    std::vector<KneeLineOverlay> kneeLines;

    // Device pixels of the picture per logical pixel of the screen.
    double PictureRatio() const { return pictureRatio; }
    QPoint OffsetPixels() const {
        const double devicePixel = twipsPerPixel / PictureRatio();
        return {static_cast<int>(std::lround(leftTwips / devicePixel)),
                static_cast<int>(std::lround(topTwips / devicePixel))};
    }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override {
        pointer = event->position();
        emit view_->PointerMoved(view_->PictureTwips(*pointer));
        if (event->buttons().testFlag(Qt::LeftButton)) {
            emit view_->LeftDragged(view_->PictureTwips(*pointer));
        }
    }
    void leaveEvent(QEvent* event) override {
        pointer.reset();
        emit view_->PointerLeft();
        QWidget::leaveEvent(event);
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::RightButton) {
            emit view_->ContextMenuRequested(event->globalPosition().toPoint());
        } else if (event->button() == Qt::LeftButton) {
            emit view_->LeftPressed(view_->PictureTwips(event->position()));
        }
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) {
            emit view_->LeftReleased(view_->PictureTwips(event->position()));
        }
    }
    void wheelEvent(QWheelEvent* event) override {
        const bool sideways = event->modifiers().testFlag(Qt::ShiftModifier) ||
                              std::abs(event->angleDelta().x()) > std::abs(event->angleDelta().y());
        QApplication::sendEvent(sideways ? view_->HorizontalBar() : view_->VerticalBar(), event);
    }
    void keyPressEvent(QKeyEvent* event) override;

private:
    void PaintHint(QPainter& painter);
    void PaintKneeLines(QPainter& painter);

    PlotView* view_;
};

void PlotCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    painter.fillRect(area, palette().color(QPalette::Dark));
    if (!picture || picture->isNull()) {
        PaintHint(painter);
        return;
    }
    // One device pixel of the picture to one device pixel of the screen: no scaling, no blur.
    const double ratio = PictureRatio();
    const QPoint offset = OffsetPixels();
    const QRectF source(area.x() * ratio + offset.x(), area.y() * ratio + offset.y(),
                        area.width() * ratio, area.height() * ratio);
    const QRectF inPicture = source.intersected(QRectF(0, 0, picture->width(), picture->height()));
    if (inPicture.isEmpty()) {
        return;
    }
    const QRectF target((inPicture.x() - offset.x()) / ratio, (inPicture.y() - offset.y()) / ratio,
                        inPicture.width() / ratio, inPicture.height() / ratio);
    painter.drawImage(target, *picture, inPicture);
    PaintKneeLines(painter);
}

void PlotCanvas::PaintKneeLines(QPainter& painter) {
    if (!kneeState || kneeLines.empty()) {
        return;
    }
    // The plot's own painter, on the picture's twips moved to where the picture stands.
    PainterSurface surface(&painter, twipsPerPixel);
    const QPoint offset = OffsetPixels();
    const double devicePixel = twipsPerPixel / PictureRatio();
    painter.translate(-offset.x() * devicePixel, -offset.y() * devicePixel);
    for (const KneeLineOverlay& line : kneeLines) {
        DrawKneeLine(*kneeState, surface, line.syntheticY, line.seismicY, line.selected);
    }
}

void PlotCanvas::PaintHint(QPainter& painter) {
    painter.setPen(palette().color(QPalette::Light));
    painter.drawText(rect().adjusted(20, 20, -20, -20), Qt::AlignCenter | Qt::TextWordWrap, hint);
}

void PlotCanvas::keyPressEvent(QKeyEvent* event) {
    QScrollBar* vertical = view_->VerticalBar();
    QScrollBar* horizontal = view_->HorizontalBar();
    switch (event->key()) {
        case Qt::Key_Down:
            vertical->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            break;
        case Qt::Key_Up:
            vertical->triggerAction(QAbstractSlider::SliderSingleStepSub);
            break;
        case Qt::Key_PageDown:
            vertical->triggerAction(QAbstractSlider::SliderPageStepAdd);
            break;
        case Qt::Key_PageUp:
            vertical->triggerAction(QAbstractSlider::SliderPageStepSub);
            break;
        case Qt::Key_Home:
            vertical->triggerAction(QAbstractSlider::SliderToMinimum);
            break;
        case Qt::Key_End:
            vertical->triggerAction(QAbstractSlider::SliderToMaximum);
            break;
        case Qt::Key_Right:
            horizontal->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            break;
        case Qt::Key_Left:
            horizontal->triggerAction(QAbstractSlider::SliderSingleStepSub);
            break;
        case Qt::Key_Delete:
            emit view_->DeletePressed();
            break;
        default:
            QWidget::keyPressEvent(event);
    }
}

PlotView::PlotView(QWidget* parent) : QWidget(parent) {
    canvas_ = new PlotCanvas(this);
    vertical_ = new QScrollBar(Qt::Vertical, this);
    vertical_->setObjectName(QStringLiteral("VScroll1"));
    horizontal_ = new QScrollBar(Qt::Horizontal, this);
    horizontal_->setObjectName(QStringLiteral("HScroll1"));
    SetScrollRanges({}, 0);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(canvas_, 0, 0);
    layout->addWidget(vertical_, 0, 1);
    layout->addWidget(horizontal_, 1, 0, 1, 2);

    connect(vertical_, &QScrollBar::valueChanged, this, &PlotView::VerticalScrolled);
    connect(horizontal_, &QScrollBar::valueChanged, this, &PlotView::HorizontalScrolled);
}

QWidget* PlotView::Surface() const {
    return canvas_;
}

bool PlotView::HasPicture() const {
    return canvas_->picture != nullptr;
}

void PlotView::SetHint(const QString& hint) {
    if (canvas_->hint != hint) {
        canvas_->hint = hint;
        canvas_->update();
    }
}

QString PlotView::Hint() const {
    return canvas_->hint;
}

void PlotView::SetPicture(const QImage* picture, double twipsPerPixel, double pictureRatio) {
    canvas_->picture = picture;
    canvas_->twipsPerPixel = twipsPerPixel;
    canvas_->pictureRatio = pictureRatio;
    canvas_->update();
}

void PlotView::SetScrollRanges(const VerticalScrollRange& vertical, int horizontalMax) {
    vertical_->setRange(0, std::max(0, vertical.max));
    vertical_->setPageStep(std::max(1, vertical.largeChange));
    vertical_->setSingleStep(std::max(1, vertical.smallChange));
    // A window wider than the picture needs no horizontal scrolling.
    const int hMax = std::max(0, horizontalMax);
    horizontal_->setRange(0, hMax);
    horizontal_->setPageStep(std::max(1, static_cast<int>(RoundHalfEven(hMax / 5.0))));
    horizontal_->setSingleStep(std::max(1, static_cast<int>(RoundHalfEven(hMax / 25.0))));
}

QPointF PlotView::PictureTwips(const QPointF& surfacePoint) const {
    const double devicePixel = canvas_->twipsPerPixel / canvas_->PictureRatio();
    const QPoint offset = canvas_->OffsetPixels();
    const double pixel = canvas_->twipsPerPixel;
    return {(std::floor(surfacePoint.x()) + 0.5) * pixel + offset.x() * devicePixel,
            (std::floor(surfacePoint.y()) + 0.5) * pixel + offset.y() * devicePixel};
}

QPoint PlotView::PictureOffsetPixels() const {
    return canvas_->OffsetPixels();
}

double PlotView::TwipsPerPixel() const {
    return canvas_->twipsPerPixel;
}

void PlotView::SetKneeLines(const PlotState& state, std::vector<KneeLineOverlay> lines) {
    if (lines.empty() && canvas_->kneeLines.empty()) {
        return;
    }
    canvas_->kneeState = &state;
    canvas_->kneeLines = std::move(lines);
    canvas_->update();
}

void PlotView::VerticalScrolled(int value) {
    if (!PictureTopForScroll(value, canvas_->twipsPerPixel)) {
        // The picture goes as far as the limit allows, and so does the scroll box.
        const int allowed = ScrollValueWithinLimit(value);
        {
            const QSignalBlocker block(vertical_);
            vertical_->setValue(allowed);
        }
        if (allowed != acceptedVertical_) {
            VerticalScrolled(allowed);
        }
        if (!limitMessagePending_) {
            // Told once the scroll bar has finished handling the user's action.
            limitMessagePending_ = true;
            QTimer::singleShot(0, this, [this]() {
                limitMessagePending_ = false;
                emit PlotLengthLimitReached();
            });
        }
        return;
    }
    acceptedVertical_ = value;
    canvas_->topTwips = value * 10.0;
    PictureMoved();
}

void PlotView::HorizontalScrolled(int value) {
    canvas_->leftTwips = value;
    PictureMoved();
}

void PlotView::PictureMoved() {
    canvas_->update();
    if (canvas_->pointer) {
        emit PointerMoved(PictureTwips(*canvas_->pointer));
    }
}

}  // namespace tessarin
