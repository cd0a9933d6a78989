#pragma once

// "Extract Wavelet": the wavelet taken from the tie's seismic at the well, deterministic or
// statistical, of a length, prewhitening and taper the user sets, in the tie window or between
// two times, with r in a check window outside it. Every change extracts again (a few
// milliseconds) and shows the wavelet, its amplitude spectrum and its figures. OK hands back the
// last extraction; the window makes it the project's wavelet.
//
// Children by objectName: the dialog "extractform"; "extractMethod" with "givenPhase" (degrees, for
// the statistical wavelet at a given phase); the boxes "extractLength" (ms), "prewhitening" (%),
// "taper" (%); the windows' choices "extractTieWindow", "extractTimes" with "extractStart",
// "extractEnd", and "checkRest", "checkTimes" with "checkStart", "checkEnd"; the figures
// "extractPhase", "extractFrequency", "extractR", "extractPep", "checkR"; the line
// "extractProblem"; the plots "waveletPreview", "spectrumPreview".

#include <QDialog>
#include <optional>

#include "engine/wavelet_extraction.h"
#include "model/project.h"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace tessarin {

class CurvePlot;

// How the wavelet was extracted, as the window names it in the wavelet's source.
enum class ExtractionMethod {
    kDeterministic,
    kStatistical,
    kStatisticalAtDeterministicPhase,
    kStatisticalAtGivenPhase,
};

struct WaveletExtractionChoice {
    ExtractionMethod method = ExtractionMethod::kDeterministic;
    double givenPhaseDegrees = 0;  // kStatisticalAtGivenPhase
    WaveletExtractionOptions options;
    WaveletExtraction extraction;
};

class ExtractWaveletDialog : public QDialog {
    Q_OBJECT

public:
    // The project must hold a seismic trace and a computed synthetic.
    explicit ExtractWaveletDialog(const Project& project, QWidget* parent = nullptr);

    // Modal over `parent`: the extraction OK was pressed on, or nothing.
    static std::optional<WaveletExtractionChoice> Run(QWidget* parent, const Project& project);
    const std::optional<WaveletExtractionChoice>& Choice() const { return choice_; }

private:
    QWidget* BuildSettings();
    QWidget* BuildWindows();
    QWidget* BuildFigures();
    WaveletExtractionOptions Options() const;
    void Extract();
    void ShowFigures();
    void ShowPlots();

    const Project& project_;
    std::optional<WaveletExtractionChoice> choice_;
    QComboBox* method_ = nullptr;
    QDoubleSpinBox* givenPhase_ = nullptr;
    QDoubleSpinBox* length_ = nullptr;
    QDoubleSpinBox* prewhitening_ = nullptr;
    QDoubleSpinBox* taper_ = nullptr;
    QRadioButton* extractTimes_ = nullptr;
    QDoubleSpinBox* extractStart_ = nullptr;
    QDoubleSpinBox* extractEnd_ = nullptr;
    QRadioButton* checkTimes_ = nullptr;
    QDoubleSpinBox* checkStart_ = nullptr;
    QDoubleSpinBox* checkEnd_ = nullptr;
    QLabel* phase_ = nullptr;
    QLabel* frequency_ = nullptr;
    QLabel* r_ = nullptr;
    QLabel* pep_ = nullptr;
    QLabel* checkR_ = nullptr;
    QLabel* problem_ = nullptr;
    CurvePlot* waveletPlot_ = nullptr;
    CurvePlot* spectrumPlot_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace tessarin
