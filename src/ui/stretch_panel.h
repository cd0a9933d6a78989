#pragma once

// The stretch's part of the tie window: the buttons Stretch Mode, Auto Stretch, Clear Stretch,
// Undo and Redo (sharing the Tie menu's actions), the figures of the last Auto Stretch, the
// knees' table and the interval velocity before and after the stretch. Like the rest of the
// window it only shows the project; a knee typed into the table goes out as a signal.
//
// Children by objectName: the buttons "stretchMode", "autoStretch", "clearStretch",
// "undoStretch", "redoStretch"; the figures "rBefore", "rAfter", "largestStrain",
// "largestVelocityChange"; the box "velocityLimit" (per cent); the lines "stretchWarning" (a change
// past the velocity limit) and "stretchRefusal" (an edit refused); the table "kneesTable"; the plot
// "velocityPlot".

#include <QGroupBox>
#include <optional>
#include <vector>

#include "engine/auto_stretch.h"
#include "model/project.h"

class QDoubleSpinBox;
class QLabel;
class QTableWidget;
class QTableWidgetItem;

namespace tessarin {

class CurvePlot;
class MainActions;

// The knees' table's columns.
enum KneeColumn { kSyntheticTimeColumn, kNewTimeColumn, kShiftColumn, kVelocityChangeColumn };

class StretchPanel : public QGroupBox {
    Q_OBJECT

public:
    StretchPanel(const MainActions& actions, QWidget* parent = nullptr);

    // The project's knees against `velocityLimit` (per cent), with the figures of `autoStretch`
    // while the knees are still those it found, and `selected` marked in the table.
    void Show(const Project& project, double velocityLimit,
              const std::optional<AutoStretchResult>& autoStretch, std::optional<int> selected);
    // Why the last edit was refused; empty once an edit is taken.
    void ShowRefusal(const QString& reason);

signals:
    // The user typed a time into the table: the knees as they would then be, not yet checked.
    void KneesEdited(const std::vector<StretchKnee>& knees);
    // The user selected a row of the table (none when the selection is cleared).
    void KneeSelected(std::optional<int> knee);
    // Delete was pressed on the table's selected knee.
    void KneeDeleted(int knee);
    // The user set the limit past which a change of interval velocity is marked, in per cent.
    void VelocityLimitChanged(double percent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildButtons(const MainActions& actions);
    QWidget* BuildFigures();
    void ShowFigures(const std::optional<AutoStretchResult>& autoStretch, double largestStrain,
                     double largestChange);
    void ShowTable(double velocityLimit, std::optional<int> selected);
    void ShowVelocities(const Project& project);
    void CellEdited(QTableWidgetItem* item);

    std::vector<StretchKnee> knees_;
    QLabel* rBefore_ = nullptr;
    QLabel* rAfter_ = nullptr;
    QLabel* largestStrain_ = nullptr;
    QLabel* largestChange_ = nullptr;
    QDoubleSpinBox* velocityLimit_ = nullptr;
    QLabel* warning_ = nullptr;
    QLabel* refusal_ = nullptr;
    QTableWidget* table_ = nullptr;
    CurvePlot* velocityPlot_ = nullptr;
};

}  // namespace tessarin
