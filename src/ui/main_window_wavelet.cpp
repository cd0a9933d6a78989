// Tie > Extract Wavelet...: the wavelet extracted at the well made the project's, as one step of
// the tie's undo stack; Data > Import and Export Wavelet File..., a wavelet as two columns of text.

#include <QFileInfo>
#include <QMessageBox>
#include <QUndoStack>

#include "engine/wavelet.h"
#include "engine/wavelet_extraction.h"
#include "files/wavelet_file.h"
#include "model/error.h"
#include "model/numeric.h"
#include "ui/extract_wavelet_dialog.h"
#include "ui/file_dialogs.h"
#include "ui/main_window.h"
#include "ui/wavelet_edit.h"

namespace tessarin {
namespace {

const QString kWaveletFilter =
    QStringLiteral("Wavelet Files (*.txt *.dat)|*.txt;*.dat|All Files (*.*)|*.*");

// As the wavelet's source names the method.
std::string MethodName(const WaveletExtractionChoice& choice) {
    switch (choice.method) {
        case ExtractionMethod::kDeterministic:
            return "deterministic";
        case ExtractionMethod::kStatistical:
            return "statistical";
        case ExtractionMethod::kStatisticalAtDeterministicPhase:
            return "statistical, deterministic phase";
        case ExtractionMethod::kStatisticalAtGivenPhase:
            return "statistical, phase " + PlainNumber(choice.givenPhaseDegrees) + " degrees";
    }
    return {};
}

}  // namespace

WaveletChoice WaveletChoiceOf(const Project& project) {
    return {project.waveletType, project.extractedWavelet, project.waveletLength};
}

void MainWindow::ExtractWavelet() {
    if (!project_.tie || !progress_.synthesisShown) {
        return;
    }
    const std::optional<WaveletExtractionChoice> choice = ExtractWaveletDialog::Run(this, project_);
    if (!choice) {
        return;
    }
    Project trial = project_;
    try {
        UseWaveletExtraction(trial, choice->extraction, MethodName(*choice));
    } catch (const Error& e) {
        QMessageBox::warning(this, QStringLiteral("Extract Wavelet"),
                             QString::fromStdString(e.what()));
        return;
    }
    kneeEdits_->push(new WaveletEdit(QStringLiteral("Extract Wavelet"), WaveletChoiceOf(project_),
                                     WaveletChoiceOf(trial),
                                     [this](const WaveletChoice& c) { SetWavelet(c); }));
}

void MainWindow::ImportWaveletFile() {
    const QString title = QStringLiteral("Import Wavelet File");
    const QString path = AskOpenFileName(
        this, {QStringLiteral("wavelet"), title, {}, kWaveletFilter, 1, QStringLiteral("txt")});
    if (path.isEmpty()) {
        return;
    }
    Project trial = project_;
    const ReadResult<std::string> read = UseWaveletFile(trial, path.toStdString());
    if (!read) {
        QMessageBox::warning(this, title, QString::fromStdString(read.message));
        return;
    }
    trial.projectChanged = true;
    project_ = std::move(trial);
    CompleteStep(ProjectStep::kWaveletSelected);
    RecomputeIfDisplayed();
    UpdateActions();
    if (*read.value == WaveletFile{{}, true}.TimeUnitNote()) {
        // Told apart by their span only: the user should know the times were not seconds.
        QMessageBox::information(this, title,
                                 QStringLiteral("The times of %1 were read as milliseconds.")
                                     .arg(QFileInfo(path).fileName()));
    }
}

void MainWindow::ExportWaveletFile() {
    const QString title = QStringLiteral("Export Wavelet File");
    const QString proposed =
        NameBesideProject(project_.projectFileName, QStringLiteral("_wavelet.txt"));
    const QString path = AskSaveFileName(this, {QStringLiteral("wavelet"), title, proposed,
                                                kWaveletFilter, 1, QStringLiteral("txt")});
    if (path.isEmpty()) {
        return;
    }
    try {
        WriteWaveletFile(project_, path.toStdString());
    } catch (const Error& e) {
        QMessageBox::warning(this, title, QString::fromStdString(e.what()));
    }
}

void MainWindow::SetWavelet(const WaveletChoice& choice) {
    ChangeTie([&] {
        Project trial = project_;
        trial.waveletType = choice.type;
        trial.extractedWavelet = choice.extracted;
        trial.waveletLength = choice.length;
        BuildWavelet(trial);
        trial.projectChanged = true;
        project_ = std::move(trial);
    });
    UpdateActions();
}

}  // namespace tessarin
