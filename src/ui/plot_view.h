#pragma once

#include <QPointF>
#include <QScrollBar>
#include <QWidget>
#include <vector>

#include "plot/layout.h"
#include "plot/plot_state.h"

class QImage;

namespace tessarin {

class PlotCanvas;

// A knee's line drawn over the picture (plot/knee_lines.h): picture twips.
struct KneeLineOverlay {
    double syntheticY = 0;
    double seismicY = 0;
    bool selected = false;
};

// The synthetic display in the main window: the plot surface `Picture1`, which shows the
// retained picture of the display, moved by the scroll bars `VScroll1` (units of 10 twips) and
// `HScroll1` (twips). Scrolling only moves the picture: nothing is recomputed or redrawn on it.
class PlotView : public QWidget {
    Q_OBJECT

public:
    explicit PlotView(QWidget* parent);

    // The picture to show, or nullptr for none; `picture` stays owned by the caller and must be
    // set again after it changes. `twipsPerPixel` is the screen's (logical pixels); the picture
    // holds `pictureRatio` of its pixels to each of them (2 on a screen scaled by 200 %).
    void SetPicture(const QImage* picture, double twipsPerPixel, double pictureRatio);
    // What the empty plot surface tells the user to do next.
    void SetHint(const QString& hint);
    QString Hint() const;
    // The scroll ranges the window works out from its own size and the picture's.
    void SetScrollRanges(const VerticalScrollRange& vertical, int horizontalMax);

    QScrollBar* VerticalBar() const { return vertical_; }
    QScrollBar* HorizontalBar() const { return horizontal_; }
    QWidget* Surface() const;
    bool HasPicture() const;

    // The picture position, in twips, of the centre of the screen pixel that holds a point of
    // the plot surface.
    QPointF PictureTwips(const QPointF& surfacePoint) const;
    // Where the picture's top left corner stands on the plot surface, in device pixels.
    QPoint PictureOffsetPixels() const;
    // The twips of one screen pixel.
    double TwipsPerPixel() const;
    // Knee lines drawn over the picture in the layout of `state` (which must outlive them), until
    // others are set; none for no lines.
    void SetKneeLines(const PlotState& state, std::vector<KneeLineOverlay> lines);

signals:
    // The pointer moved over the plot surface, or the picture scrolled under it; `twips` is its
    // position on the picture.
    void PointerMoved(QPointF twips);
    // The pointer left the plot surface.
    void PointerLeft();
    // The right mouse button was pressed on the plot surface at `globalPosition`.
    void ContextMenuRequested(QPoint globalPosition);
    // The user scrolled past the longest plot the screen can show; the picture was not moved.
    void PlotLengthLimitReached();
    // The left button was pressed on the plot surface, the pointer moved with it held, and it was
    // released; `twips` on the picture.
    void LeftPressed(QPointF twips);
    void LeftDragged(QPointF twips);
    void LeftReleased(QPointF twips);
    // Delete was pressed while the plot surface had the keyboard.
    void DeletePressed();

private:
    friend class PlotCanvas;
    void VerticalScrolled(int value);
    void HorizontalScrolled(int value);
    // The picture moved: what lies under a pointer that stayed where it was has changed.
    void PictureMoved();

    PlotCanvas* canvas_;
    QScrollBar* vertical_;
    QScrollBar* horizontal_;
    int acceptedVertical_ = 0;
    bool limitMessagePending_ = false;
};

}  // namespace tessarin
