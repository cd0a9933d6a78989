#pragma once

// The tie window, docked beside the display: how well the synthetic ties to the seismic trace
// (r against lag, r against phase at the best lag and the drift of the lag down the well, with
// the figures), the tie window's times or horizons, the bulk shift and the buttons Apply Shift,
// Reset Shift and Apply Phase. It only shows what the window measured after its last recompute;
// every change the user makes goes out as a signal for the window to store in the project.
//
// Children by objectName: the dock "tiewin"; "tieSource"; the figures "zeroLagR", "bestLag",
// "bestPhase", "pep", "measuredWindow" and "tieProblem"; the plots "lagPlot", "phasePlot",
// "driftPlot"; the window's choices "windowOverlap", "windowTimes", "windowHorizons" with
// "windowStart", "windowEnd", "upperHorizon", "lowerHorizon"; the shift box "tieShift"; the
// buttons "applyShift", "resetShift", "applyPhase", which share the Tie menu's actions; the
// search's part (search_panel.h); the stretch's part (stretch_panel.h).

#include <QDockWidget>
#include <optional>

#include "engine/tie.h"
#include "model/project.h"

class QButtonGroup;
class QComboBox;
class QDoubleSpinBox;
class QGridLayout;
class QLabel;
class QScrollArea;

namespace tessarin {

class CurvePlot;
class MainActions;
class SearchPanel;
class StretchPanel;

class TieDock : public QDockWidget {
    Q_OBJECT

public:
    TieDock(const MainActions& actions, QWidget* parent = nullptr);

    // The project's tie with the measures of the last recompute, or why there are none. With a
    // stretch, `unstretched` holds the tie of the synthetic without it, whose drift the stretch
    // is to correct.
    void Show(const Project& project, const std::optional<TieMeasures>& measures,
              const QString& problem, const std::optional<TieMeasures>& unstretched = {});

    StretchPanel* Stretch() const { return stretch_; }
    SearchPanel* Search() const { return search_; }
    // Shows the window scrolled to its stretch's part.
    void ShowStretchPanel();

signals:
    // The user typed or stepped a bulk shift, in seconds.
    void ShiftChosen(double seconds);
    // The user chose how the tie window is set.
    void WindowChosen(const TieWindowChoice& window);

private:
    QWidget* BuildFigures();
    QWidget* BuildWindowChoice();
    QWidget* BuildShift(const MainActions& actions);
    void ShowFigures(const std::optional<TieMeasures>& measures, const QString& problem);
    void ShowPlots(const Project& project, const std::optional<TieMeasures>& measures,
                   const std::optional<TieMeasures>& unstretched);
    void ShowWindowChoice(const Project& project, const std::optional<TieMeasures>& measures);
    void EnableWindowBoxes();
    void EmitWindow();

    QScrollArea* scroll_ = nullptr;
    QLabel* source_ = nullptr;
    QLabel* zeroLagR_ = nullptr;
    QLabel* bestLag_ = nullptr;
    QLabel* bestPhase_ = nullptr;
    QLabel* pep_ = nullptr;
    QLabel* measuredWindow_ = nullptr;
    QLabel* problem_ = nullptr;
    CurvePlot* lagPlot_ = nullptr;
    CurvePlot* phasePlot_ = nullptr;
    CurvePlot* driftPlot_ = nullptr;
    QButtonGroup* windowBy_ = nullptr;
    QDoubleSpinBox* start_ = nullptr;
    QDoubleSpinBox* end_ = nullptr;
    QComboBox* upper_ = nullptr;
    QComboBox* lower_ = nullptr;
    QDoubleSpinBox* shift_ = nullptr;
    SearchPanel* search_ = nullptr;
    StretchPanel* stretch_ = nullptr;
};

}  // namespace tessarin
