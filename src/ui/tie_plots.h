#pragma once

// The small plots of the tie window (r against lag, r against phase, the drift of the lag down
// the well) and the trace preview of Load Seismic Trace: a curve in a framed box with ticks and
// labelled axes, drawn with QPainter.

#include <QPointF>
#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

class QPainter;

namespace tessarin {

struct PlotRange {
    double low = 0;
    double high = 0;
};

struct CurvePlotData {
    QString title;                    // above the box
    QString xLabel;                   // under the x axis, with its unit
    QString yLabel;                   // up the y axis
    std::vector<QPointF> points;      // in order along the curve; a NaN breaks it
    std::vector<QPointF> overlay;     // a second curve in another colour, drawn over the first
    std::optional<QPointF> marker;    // the best point, marked with a dot
    std::optional<PlotRange> xRange;  // fixed ranges; otherwise those of the points
    std::optional<PlotRange> yRange;
    std::optional<PlotRange> yBand;  // shaded across the box between its edge lines
    bool yDown = false;              // y grows downward, as two-way time does on the display
    bool wiggle = false;             // x is an amplitude: the curve's side right of zero is filled
    QString emptyText;               // shown in the box while there are no points
};

// Draws `plot` into `box` with the painter's font.
void DrawCurvePlot(QPainter& painter, const QRect& box, const CurvePlotData& plot);

class CurvePlot : public QWidget {
public:
    explicit CurvePlot(const QString& name, QWidget* parent = nullptr);

    void SetData(CurvePlotData data);
    const CurvePlotData& Data() const { return data_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CurvePlotData data_;
};

}  // namespace tessarin
