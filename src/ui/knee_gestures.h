#pragma once

// Stretch Mode on the display: pairing an event of the synthetic with the matching event of the
// seismic by hand. Pressing on the synthetic's panels and releasing on the seismic panel adds a
// knee; pressing on a knee's line and dragging moves its new time; a click on a line selects
// the knee, and Delete removes the selected one. While the pointer is dragged the knee's line
// is drawn over the picture; nothing is recomputed until the button is released.

#include <QObject>
#include <QPointF>
#include <optional>
#include <vector>

#include "model/project.h"
#include "plot/plot_state.h"

namespace tessarin {

class PlotView;

class KneeGestures : public QObject {
    Q_OBJECT

public:
    // Reads the project and the layout of its last drawing; both must outlive this.
    KneeGestures(const Project& project, const PlotState& state, PlotView* view);

    bool On() const { return on_; }
    void SetOn(bool on);
    std::optional<int> Selected() const { return selected_; }
    // Selects a knee (none for nothing) and shows it on the display.
    void Select(std::optional<int> knee);

signals:
    // The user made a knee or moved one: the knees as they would be, with the one to select.
    void KneesChosen(const std::vector<StretchKnee>& knees, const QString& what,
                     const StretchKnee& chosen);
    void SelectionChanged(std::optional<int> knee);
    void DeleteRequested(int knee);

private:
    enum class Gesture { kNone, kAdding, kMoving };

    void Pressed(QPointF twips);
    void Dragged(QPointF twips);
    void Released(QPointF twips);
    void ShowOverlay(std::optional<QPointF> pointer);

    const Project& project_;
    const PlotState& state_;
    PlotView* view_;
    bool on_ = false;
    Gesture gesture_ = Gesture::kNone;
    QPointF pressed_;
    double syntheticY_ = 0;  // where the dragged line crosses the synthetic's panels
    std::optional<int> moving_;
    std::optional<int> selected_;
};

}  // namespace tessarin
