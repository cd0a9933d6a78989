// The commands of the Data menu that complete a project's input: well and datum, horizons, the
// wavelet, and the scales. Each dialog hands back what the user confirmed; the window applies it,
// marks the project changed, checks the menu item of a finished step and shows the change on a
// synthetic already displayed. A cancelled dialog changes nothing and says so in
// dialogCancelled, which the New Project sequence reads to stop.

#include <QMessageBox>

#include "model/error.h"
#include "model/scales.h"
#include "model/well_datum.h"
#include "plot/layout.h"
#include "ui/horizon_dialog.h"
#include "ui/main_window.h"
#include "ui/scales_dialog.h"
#include "ui/wait_cursor.h"
#include "ui/wavelet_dialog.h"
#include "ui/well_datum_dialog.h"

namespace tessarin {

int MainWindow::ExecPlaced(QDialog& dialog) {
    PlaceDialog(&dialog);
    return dialog.exec();
}

void MainWindow::RecomputeIfDisplayed() {
    if (!project_.synthDisplayed) {
        return;
    }
    if (const auto failure = Recompute()) {
        // The display no longer matches what was just entered; the user must know why.
        QMessageBox::warning(this, QStringLiteral("Display Synthetic"),
                             QString::fromStdString(*failure));
    }
}

void MainWindow::WellInformation() {
    WellDatumDialog dialog(project_, this);
    if (ExecPlaced(dialog) != QDialog::Accepted) {
        project_.dialogCancelled = true;
        return;
    }
    ApplyWellDatumValues(project_, dialog.Values());
    CompleteStep(ProjectStep::kWellInformation);
    RecomputeIfDisplayed();
}

void MainWindow::DefineHorizons() {
    HorizonDialog dialog(project_, this);
    ExecPlaced(dialog);
    const std::optional<HorizonValues>& values = dialog.Values();
    if (!values) {
        project_.dialogCancelled = true;
        return;
    }
    ApplyHorizonValues(project_, *values);
    project_.projectChanged = true;
    CompleteStep(ProjectStep::kHorizonsDefined);
    RecomputeIfDisplayed();
}

void MainWindow::SelectWavelet() {
    WaveletDialog dialog(project_, this);
    ExecPlaced(dialog);
    const std::optional<WaveletValues> values = dialog.Values();
    if (!values) {
        project_.dialogCancelled = true;
        return;
    }
    // Calculate stored the wavelet it accepted, even when the dialog was then closed without
    // Done. A New Project sequence stops there, but a display already shown follows the record:
    // the screen, the print and the saved project all show the same wavelet.
    ApplyWaveletValues(project_, *values);
    CompleteStep(ProjectStep::kWaveletSelected);
    project_.dialogCancelled = !values->done;
    RecomputeIfDisplayed();
}

void MainWindow::SetScales() {
    ScalesDialog dialog(project_, this);
    // A scale whose picture is too tall to draw would leave the old picture under the new value.
    dialog.SetDrawCheck([this](const ScalesValues& values) {
        Project trial = project_;
        ApplyScalesValues(trial, values);
        return TimeScaleTooLarge(trial, *picture_);
    });
    if (ExecPlaced(dialog) != QDialog::Accepted) {
        project_.dialogCancelled = true;
        return;
    }
    try {
        const WaitCursor wait;
        ApplyScalesValues(project_, dialog.Values());
    } catch (const Error& refused) {
        // The dialog lets no such values through; should one come, the record stays as it was.
        QMessageBox::warning(this, QStringLiteral("Set Scales and AGC"),
                             QString::fromStdString(refused.what()));
        return;
    }
    UpdateActions();
    RecomputeIfDisplayed();
}

}  // namespace tessarin
