// Tie > Extract Wavelet...: the wavelet extracted at the well made the project's, as one step of
// the tie's undo stack.

#include <QMessageBox>
#include <QUndoStack>

#include "engine/wavelet.h"
#include "engine/wavelet_extraction.h"
#include "model/error.h"
#include "ui/extract_wavelet_dialog.h"
#include "ui/main_window.h"
#include "ui/wavelet_edit.h"

namespace tessarin {
namespace {

// As the wavelet's source names the method.
std::string MethodName(ExtractionMethod method) {
    switch (method) {
        case ExtractionMethod::kDeterministic:
            return "deterministic";
        case ExtractionMethod::kStatistical:
            return "statistical";
        case ExtractionMethod::kStatisticalAtDeterministicPhase:
            return "statistical, deterministic phase";
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
        UseWaveletExtraction(trial, choice->extraction, MethodName(choice->method));
    } catch (const Error& e) {
        QMessageBox::warning(this, QStringLiteral("Extract Wavelet"),
                             QString::fromStdString(e.what()));
        return;
    }
    kneeEdits_->push(new WaveletEdit(QStringLiteral("Extract Wavelet"), WaveletChoiceOf(project_),
                                     WaveletChoiceOf(trial),
                                     [this](const WaveletChoice& c) { SetWavelet(c); }));
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
