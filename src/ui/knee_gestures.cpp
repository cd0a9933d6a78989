#include "ui/knee_gestures.h"

#include <cmath>

#include "engine/stretch.h"
#include "plot/knee_lines.h"
#include "ui/plot_view.h"

namespace tessarin {
namespace {

// How near a knee's line a press takes hold of it, and how far the pointer must go before a
// press becomes a drag, in screen pixels.
constexpr double kReachPixels = 4.0;
constexpr double kDragPixels = 3.0;

}  // namespace

KneeGestures::KneeGestures(const Project& project, const PlotState& state, PlotView* view)
    : QObject(view), project_(project), state_(state), view_(view) {
    connect(view, &PlotView::LeftPressed, this, &KneeGestures::Pressed);
    connect(view, &PlotView::LeftDragged, this, &KneeGestures::Dragged);
    connect(view, &PlotView::LeftReleased, this, &KneeGestures::Released);
    connect(view, &PlotView::DeletePressed, this, [this] {
        if (on_ && selected_) {
            emit DeleteRequested(*selected_);
        }
    });
}

void KneeGestures::SetOn(bool on) {
    on_ = on;
    gesture_ = Gesture::kNone;
    view_->Surface()->setCursor(on ? Qt::CrossCursor : Qt::ArrowCursor);
    ShowOverlay(std::nullopt);
}

void KneeGestures::Select(std::optional<int> knee) {
    if (knee && (*knee < 0 || *knee >= static_cast<int>(KneesOf(project_).size()))) {
        knee.reset();
    }
    const bool changed = knee != selected_;
    selected_ = knee;
    ShowOverlay(std::nullopt);
    if (changed) {
        emit SelectionChanged(selected_);
    }
}

void KneeGestures::Pressed(QPointF twips) {
    if (!on_ || !view_->HasPicture() || !project_.tie) {
        return;
    }
    const double pixel = view_->TwipsPerPixel();
    pressed_ = twips;
    moving_ = KneeNear(project_, state_, twips.x(), twips.y(), kReachPixels * pixel);
    if (moving_) {
        gesture_ = Gesture::kMoving;
        syntheticY_ = DisplayY(project_, state_, KneesOf(project_)[*moving_].newTime);
        Select(moving_);
    } else if (OverSyntheticPanels(state_, twips.x())) {
        gesture_ = Gesture::kAdding;
        syntheticY_ = twips.y();
        Select(std::nullopt);
    } else {
        gesture_ = Gesture::kNone;
        Select(std::nullopt);
    }
}

void KneeGestures::Dragged(QPointF twips) {
    if (gesture_ != Gesture::kNone) {
        ShowOverlay(twips);
    }
}

void KneeGestures::Released(QPointF twips) {
    const Gesture gesture = gesture_;
    gesture_ = Gesture::kNone;
    ShowOverlay(std::nullopt);
    const bool dragged =
        std::fabs(twips.y() - pressed_.y()) >= kDragPixels * view_->TwipsPerPixel();
    std::vector<StretchKnee> knees = KneesOf(project_);
    const double released = DisplayTime(project_, state_, twips.y());
    if (gesture == Gesture::kMoving && dragged) {
        StretchKnee& knee = knees[static_cast<std::size_t>(*moving_)];
        knee.newTime = released;
        emit KneesChosen(knees, QStringLiteral("Move Knee"), knee);
    } else if (gesture == Gesture::kAdding && OverSeismicPanel(state_, twips.x())) {
        // The synthetic on display is already stretched: its event at the pressed time came
        // from the synthetic time that the stretch carried there.
        const double pressed = DisplayTime(project_, state_, syntheticY_);
        const StretchKnee knee{UnstretchedTime(knees, pressed), released};
        knees.push_back(knee);
        emit KneesChosen(knees, QStringLiteral("Add Knee"), knee);
    }
}

void KneeGestures::ShowOverlay(std::optional<QPointF> pointer) {
    std::vector<KneeLineOverlay> lines;
    if (selected_ && !pointer) {
        const double y = DisplayY(project_, state_, KneesOf(project_)[*selected_].newTime);
        lines.push_back({y, y, true});
    }
    if (pointer) {
        lines.push_back({syntheticY_, pointer->y(), gesture_ == Gesture::kMoving});
    }
    view_->SetKneeLines(state_, std::move(lines));
}

}  // namespace tessarin
