#pragma once

// The map of a search around the well: in a volume, a cell for every inline and crossline
// within the reach, coloured by r at the best lag against a colour scale with its legend; along a
// 2D line, r against trace number. The tie's trace is framed and the best trace ringed; a click
// on a cell asks to tie to its trace.

#include <QWidget>
#include <cstddef>
#include <optional>

#include "ui/search_map_layout.h"

namespace tessarin {

// Draws the map into `box` with the painter's font.
void DrawSearchMap(QPainter& painter, const QRect& box, const SearchMapData& map);

class SearchMap : public QWidget {
    Q_OBJECT

public:
    explicit SearchMap(QWidget* parent = nullptr);

    void SetData(SearchMapData data);
    const SearchMapData& Data() const { return data_; }
    // Where the cell is drawn now, for a click; none when it is not drawn.
    std::optional<QPoint> CellCentre(std::size_t cell) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

signals:
    void CellClicked(int cell);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    QRect Box() const;

    SearchMapData data_;
};

}  // namespace tessarin
