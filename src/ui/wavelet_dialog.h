#pragma once

// "Select Wavelet": a Ricker wavelet of one peak frequency or a bandpass wavelet of four corners,
// a phase and a length, with previews of the wavelet and the bandpass spectrum.
//
// The dialog works on a copy of the record. "Calculate" stores what it accepts in that copy (or
// beeps and shows the stored values again); "Done" calculates and closes. The dialog hands back
// the values the last accepted Calculate took, and the window applies them:
//     if (auto values = WaveletDialog::Run(this, project)) {
//         ApplyWaveletValues(project, *values);
//         // check mnuselwave; recompute when a synthetic is on display
//     }
// Closing with Escape keeps what Calculate accepted before; `done` then stays false, which stops
// a New Project sequence.

#include <QDialog>
#include <optional>

#include "engine/wavelet_calculate.h"
#include "model/project.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLayout;
class QLineEdit;

namespace tessarin {

class SpectrumPicture;
class WaveletPicture;

class WaveletDialog : public QDialog {
    Q_OBJECT

public:
    explicit WaveletDialog(const Project& project, QWidget* parent = nullptr);

    // Modal over `parent`: the values the last accepted Calculate took, or nothing when no
    // Calculate was accepted.
    static std::optional<WaveletValues> Run(QWidget* parent, const Project& project);
    std::optional<WaveletValues> Values() const;

    // The boxes as they stand.
    WaveletTexts Texts() const;

    // Calculate: true when the wavelet was built; refused input beeps and the boxes show the
    // stored values again.
    bool Calculate();

    void accept() override;  // Done: Calculate, and close when it was accepted

signals:
    // Input was refused with a beep; the dialog stays open.
    void inputRefused(const QString& reason);

private:
    QWidget* BuildTypeFrame();
    QWidget* BuildParameterBoxes();
    QLayout* BuildButtons();
    void ShowStoredWavelet();
    void ChooseType(int waveletType);
    void ShowOutcome(const CalculateOutcome& outcome);
    void ShowTexts(const WaveletTexts& texts);
    void ShowLayout(int waveletType);
    void ShowPreview(const Project& project);
    void HideCorrectedRefusal();

    Project working_;
    std::optional<WaveletValues> accepted_;
    bool done_ = false;

    QButtonGroup* type_ = nullptr;      // Option1
    QLineEdit* boxes_[5] = {};          // Text1 to Text5
    QComboBox* length_ = nullptr;       // Combo1
    QLabel* lowCutLabel_ = nullptr;     // Label1
    QLabel* frequencyLabel_ = nullptr;  // Label11
    QLabel* cornerLabels_[3] = {};      // Label2 to Label4
    QLabel* zeroPhase_ = nullptr;       // Label12
    QLabel* refusal_ = nullptr;
    WaveletPicture* wavelet_ = nullptr;    // Picture2
    SpectrumPicture* spectrum_ = nullptr;  // Picture1
};

}  // namespace tessarin
