// The commands of the Tie menu and the tie window's part of the main window. The measures are
// taken by the core from the project after every recompute; the tie window only shows them.
// Every change (a trace loaded, the shift, the window, the phase) goes into the project, marks
// it changed, and redraws the display at once.

#include <QAction>
#include <QMessageBox>
#include <cmath>
#include <functional>

#include "engine/auto_stretch.h"
#include "engine/project_tie.h"
#include "engine/tie_shift.h"
#include "model/error.h"
#include "ui/main_window.h"
#include "ui/search_panel.h"
#include "ui/seismic_trace_dialog.h"
#include "ui/tie_window.h"
#include "ui/wait_cursor.h"

namespace tessarin {
namespace {

const QString kTieTitle = QStringLiteral("Seismic Tie");

bool HasBestLag(const std::optional<TieMeasures>& m) {
    return m && std::isfinite(m->bestLag.lag);
}

}  // namespace

void MainWindow::BuildTieWindow() {
    tieWindow_ = new TieDock(actions_, this);
    addDockWidget(Qt::RightDockWidgetArea, tieWindow_);
    tieWindow_->hide();
    connect(tieWindow_, &TieDock::ShiftChosen, this,
            [this](double seconds) { ChangeTie([&] { SetTieShift(project_, seconds); }); });
    connect(tieWindow_, &TieDock::WindowChosen, this, [this](const TieWindowChoice& window) {
        ChangeTie([&] { SetTieWindow(project_, window); });
    });
    // Closed with its own button, the window's item loses its check mark.
    connect(tieWindow_, &QDockWidget::visibilityChanged, this,
            [this] { Action(Command::kTieWindow)->setChecked(!tieWindow_->isHidden()); });
    connect(tieWindow_->Search(), &SearchPanel::SearchRequested, this,
            &MainWindow::SearchAroundWell);
    connect(tieWindow_->Search(), &SearchPanel::CellChosen, this, &MainWindow::TieToSearchedTrace);
    BuildStretch();
}

TieDock* MainWindow::TieWindowDock() const {
    return tieWindow_;
}

void MainWindow::MeasureTieOfDisplay(bool drawn) {
    tieMeasures_.reset();
    tieProblem_.clear();
    if (drawn && project_.tie) {
        try {
            tieMeasures_ = MeasureProjectTie(project_);
        } catch (const Error& e) {
            tieProblem_ = QString::fromStdString(e.what());
        }
    }
    unstretchedTie_.reset();
    if (drawn && project_.tie && !project_.tie->knees.empty()) {
        try {
            unstretchedTie_ = MeasureTieWithoutStretch(project_);
        } catch (const Error&) {
            // The drift plot then shows the stretched synthetic's drift, as without knees.
        }
    }
    tieWindow_->Show(project_, tieMeasures_, tieProblem_, unstretchedTie_);
    ShowSearch();
    ShowStretch();
}

void MainWindow::UpdateTieActions() {
    const bool drawn = progress_.synthesisShown;
    Action(Command::kLoadSeismicTrace)->setEnabled(drawn);
    // An open tie window can always be closed.
    Action(Command::kTieWindow)->setEnabled(drawn || !tieWindow_->isHidden());
    Action(Command::kTieWindow)->setChecked(!tieWindow_->isHidden());
    Action(Command::kApplyShift)->setEnabled(HasBestLag(tieMeasures_));
    Action(Command::kResetShift)->setEnabled(project_.tie && project_.tie->shiftSeconds != 0.0);
    const std::optional<std::string> refusal = ApplyTiePhaseRefusal(project_);
    Action(Command::kApplyPhase)
        ->setEnabled(!refusal && tieMeasures_ &&
                     std::isfinite(tieMeasures_->bestPhase.phaseDegrees));
    Action(Command::kApplyPhase)
        ->setToolTip(refusal ? QString::fromStdString(*refusal)
                             : QStringLiteral("Turn the bandpass wavelet by the best phase found"));
    Action(Command::kExtractWavelet)->setEnabled(drawn && project_.tie.has_value());
    Action(Command::kExportWaveletFile)->setEnabled(!project_.wavelet.Empty());
    UpdateStretchActions();
}

void MainWindow::ChangeTie(const std::function<void()>& change) {
    const bool changedBefore = project_.projectChanged;
    project_.projectChanged = false;
    try {
        change();
    } catch (const Error& e) {
        project_.projectChanged = changedBefore;
        QMessageBox::warning(this, kTieTitle, QString::fromStdString(e.what()));
        return;
    }
    const bool changed = project_.projectChanged;
    project_.projectChanged = changedBefore || changed;
    if (changed) {
        RecomputeIfDisplayed();
    }
}

void MainWindow::LoadSeismicTrace() {
    if (!progress_.synthesisShown) {
        return;
    }
    SeismicTraceDialog dialog(project_, this);
    if (ExecPlaced(dialog) != QDialog::Accepted || !dialog.Loaded()) {
        return;
    }
    // What went wrong searching around the trace before is nothing to this one.
    searchProblem_.clear();
    ChangeTie([&] { SetTieTrace(project_, dialog.Loaded()->source, dialog.Loaded()->trace); });
    // Having loaded a trace, the user wants to see how it ties.
    tieWindow_->show();
}

void MainWindow::SearchAroundWell(int reach) {
    searchProblem_.clear();
    ReadResult<TieSearch> found;
    {
        const WaitCursor waiting;
        found = SearchAroundTie(project_, reach, TieOptions{}.maxLag);
    }
    search_ = std::move(found.value);
    searchProblem_ = QString::fromStdString(found.message);
    ShowSearch();
}

void MainWindow::TieToSearchedTrace(int cell) {
    if (!search_ || !project_.tie || cell < 0 ||
        static_cast<std::size_t>(cell) >= search_->places.size()) {
        return;
    }
    ReadResult<LoadedSeismicTrace> loaded = LoadNearbyTrace(
        *project_.tie, search_->alongLine, search_->places[static_cast<std::size_t>(cell)]);
    if (!loaded) {
        QMessageBox::warning(this, kTieTitle, QString::fromStdString(loaded.message));
        return;
    }
    // As after Load Seismic Trace: the trace replaces the tie's, the display shows it.
    ChangeTie([&] { SetTieTrace(project_, loaded.value->source, loaded.value->trace); });
    tieWindow_->show();
}

void MainWindow::ShowSearch() {
    std::optional<std::size_t> tied = search_ ? TiedCell(*search_, project_) : std::nullopt;
    // A trace from elsewhere leaves the search around another trace behind.
    if (!tied) {
        search_.reset();
    }
    tieWindow_->Search()->Show(project_, {search_, tied}, searchProblem_);
}

void MainWindow::ToggleTieWindow() {
    tieWindow_->setVisible(tieWindow_->isHidden());
}

void MainWindow::ApplyShift() {
    if (HasBestLag(tieMeasures_)) {
        const double lag = tieMeasures_->bestLag.lag;
        ChangeTie([&] { ApplyTieShift(project_, lag); });
    }
}

void MainWindow::ResetShift() {
    ChangeTie([&] { ResetTieShift(project_); });
}

void MainWindow::ApplyPhase() {
    if (!tieMeasures_) {
        return;
    }
    const TieMeasures measures = *tieMeasures_;
    ChangeTie([&] {
        if (const auto refusal = ApplyTiePhase(project_, measures)) {
            throw Error(*refusal);
        }
    });
}

}  // namespace tessarin
