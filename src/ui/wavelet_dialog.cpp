#include "ui/wavelet_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "engine/wavelet_preview.h"
#include "ui/dialog_support.h"
#include "ui/wavelet_pictures.h"

namespace tessarin {
namespace {

// Wavelet lengths offered in seconds; any other length may be typed.
const char* const kLengthChoices[] = {"0.040", "0.060", "0.080", "0.100", "0.120",
                                      "0.140", "0.160", "0.180", "0.200"};

QLabel* MakeLabel(const QString& name, const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

}  // namespace

WaveletDialog::WaveletDialog(const Project& project, QWidget* parent)
    : QDialog(parent), working_(project) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Select Wavelet"));
    setModal(true);

    auto* controls = new QVBoxLayout;
    controls->addWidget(BuildTypeFrame());
    controls->addWidget(BuildParameterBoxes());
    controls->addStretch();
    controls->addLayout(BuildButtons());

    wavelet_ = new WaveletPicture(this);
    spectrum_ = new SpectrumPicture(this);
    // The wavelet box keeps its place when the Ricker wavelet hides the spectrum.
    QSizePolicy keepPlace = spectrum_->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    spectrum_->setSizePolicy(keepPlace);
    auto* pictures = new QVBoxLayout;
    pictures->addWidget(wavelet_, 3);
    pictures->addWidget(spectrum_, 2);

    // Room for a two-line reason is kept whether one is shown or not, so that a refusal does not
    // move the buttons from under the pointer.
    refusal_ = MakeRefusalLabel(this);
    QSizePolicy keepRoom = refusal_->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    refusal_->setSizePolicy(keepRoom);
    refusal_->setMinimumHeight(2 * fontMetrics().lineSpacing());
    auto* columns = new QHBoxLayout;
    columns->addLayout(controls);
    columns->addLayout(pictures, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(refusal_);

    // The dialog keeps the size of the bandpass layout, the larger one, when the type changes.
    ShowLayout(kBandpassWavelet);
    setMinimumSize(sizeHint());

    ShowStoredWavelet();
    for (QLineEdit* box : boxes_) {
        connect(box, &QLineEdit::textEdited, this, &WaveletDialog::HideCorrectedRefusal);
    }
    connect(length_, &QComboBox::editTextChanged, this, &WaveletDialog::HideCorrectedRefusal);
    connect(type_, &QButtonGroup::idToggled, this, [this](int type, bool on) {
        if (on) {
            ChooseType(type);
        }
    });
}

QLayout* WaveletDialog::BuildButtons() {
    auto* calculate = new QPushButton(QStringLiteral("Calculate"), this);
    calculate->setObjectName(QStringLiteral("Command1"));
    auto* done = new QPushButton(QStringLiteral("Done"), this);
    done->setObjectName(QStringLiteral("Command2"));
    done->setDefault(true);
    connect(calculate, &QPushButton::clicked, this, &WaveletDialog::Calculate);
    connect(done, &QPushButton::clicked, this, &WaveletDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(calculate);
    buttons->addWidget(done);
    return buttons;
}

// Opening: the stored parameters, the layout of the stored type, and with the bandpass a Ricker
// frequency left in the low-cut box brought under the low pass.
void WaveletDialog::ShowStoredWavelet() {
    ShowTexts(StoredWaveletTexts(working_));
    if (auto* option = type_->button(working_.waveletType)) {
        option->setChecked(true);
    }
    ShowLayout(working_.waveletType);
    if (ApplyLowCutCorrection(working_)) {
        boxes_[0]->setText(QString::fromStdString(working_.lowCut.ToText()));
    }
    ShowPreview(WithOpeningWavelet(working_));
    for (QLineEdit* box : boxes_) {
        SelectFirst(box, 5);
    }
    boxes_[0]->setFocus();
}

QWidget* WaveletDialog::BuildTypeFrame() {
    auto* frame = new QGroupBox(QStringLiteral("Wavelet Type"), this);
    type_ = new QButtonGroup(this);
    auto* layout = new QVBoxLayout(frame);
    for (auto [type, caption] : {std::pair{kRickerWavelet, "Ricker Wavelet"},
                                 std::pair{kBandpassWavelet, "Bandpass Wavelet"},
                                 std::pair{kExtractedWavelet, "Extracted Wavelet"}}) {
        auto* option = new QRadioButton(QString::fromLatin1(caption), frame);
        option->setObjectName(QStringLiteral("Option1_%1").arg(type));
        type_->addButton(option, type);
        layout->addWidget(option);
    }
    // Only a wavelet extracted at the well or read from a file can be chosen again.
    const std::optional<ExtractedWavelet>& extracted = working_.extractedWavelet;
    type_->button(kExtractedWavelet)->setEnabled(extracted.has_value());
    type_->button(kExtractedWavelet)
        ->setToolTip(extracted ? QString::fromStdString(extracted->source)
                               : QStringLiteral("Extract one with Tie > Extract Wavelet..."));
    return frame;
}

// One row per parameter. The Ricker wavelet shares the first row ("Frequency (Hz)" in place of
// "Low cut (Hz)") and shows "Zero Phase" in place of the phase box.
QWidget* WaveletDialog::BuildParameterBoxes() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    const int boxWidth = fontMetrics().horizontalAdvance(QStringLiteral("00000000"));
    for (int k = 0; k < 5; ++k) {
        boxes_[k] = new QLineEdit(panel);
        boxes_[k]->setObjectName(QStringLiteral("Text%1").arg(k + 1));
        boxes_[k]->setMinimumWidth(boxWidth);
        grid->addWidget(boxes_[k], k, 1);
    }
    lowCutLabel_ = MakeLabel(QStringLiteral("Label1"), QStringLiteral("Low cut (Hz)"), panel);
    frequencyLabel_ = MakeLabel(QStringLiteral("Label11"), QStringLiteral("Frequency (Hz)"), panel);
    grid->addWidget(lowCutLabel_, 0, 0);
    grid->addWidget(frequencyLabel_, 0, 0);
    const char* corners[] = {"Low pass (Hz)", "High pass (Hz)", "High cut (Hz)"};
    for (int k = 0; k < 3; ++k) {
        cornerLabels_[k] =
            MakeLabel(QStringLiteral("Label%1").arg(k + 2), QString::fromLatin1(corners[k]), panel);
        cornerLabels_[k]->setBuddy(boxes_[k + 1]);
        grid->addWidget(cornerLabels_[k], k + 1, 0);
    }
    grid->addWidget(MakeLabel(QStringLiteral("Label5"), QStringLiteral("Phase (Deg)"), panel), 4,
                    0);
    zeroPhase_ = MakeLabel(QStringLiteral("Label12"), QStringLiteral("Zero Phase"), panel);
    grid->addWidget(zeroPhase_, 4, 1);

    length_ = new QComboBox(panel);
    length_->setObjectName(QStringLiteral("Combo1"));
    length_->setEditable(true);
    length_->setInsertPolicy(QComboBox::NoInsert);
    for (const char* choice : kLengthChoices) {
        length_->addItem(QString::fromLatin1(choice));
    }
    grid->addWidget(MakeLabel(QStringLiteral("Label10"), QStringLiteral("Length (Sec)"), panel), 5,
                    0);
    grid->addWidget(length_, 5, 1);
    return panel;
}

WaveletTexts WaveletDialog::Texts() const {
    return {TextOf(boxes_[0]), TextOf(boxes_[1]), TextOf(boxes_[2]),
            TextOf(boxes_[3]), TextOf(boxes_[4]), length_->currentText().toStdString()};
}

void WaveletDialog::ShowTexts(const WaveletTexts& t) {
    const std::string* texts[] = {&t.lowCut, &t.lowPass, &t.highPass, &t.highCut, &t.phase};
    for (int k = 0; k < 5; ++k) {
        boxes_[k]->setText(QString::fromStdString(*texts[k]));
    }
    length_->setCurrentText(QString::fromStdString(t.length));
}

void WaveletDialog::ShowLayout(int waveletType) {
    const bool ricker = waveletType == kRickerWavelet;
    // An extracted wavelet is its own samples: the boxes keep the other types' parameters.
    const bool extracted = waveletType == kExtractedWavelet;
    for (QLineEdit* box : boxes_) {
        box->setEnabled(!extracted);
    }
    frequencyLabel_->setVisible(ricker);
    zeroPhase_->setVisible(ricker);
    lowCutLabel_->setVisible(!ricker);
    for (int k = 1; k < 5; ++k) {
        boxes_[k]->setVisible(!ricker);
    }
    for (QLabel* label : cornerLabels_) {
        label->setVisible(!ricker);
    }
    (ricker ? frequencyLabel_ : lowCutLabel_)->setBuddy(boxes_[0]);
    spectrum_->setVisible(!ricker && !extracted);
    length_->setEnabled(!ricker && !extracted);  // the Ricker length follows from its frequency
}

void WaveletDialog::ShowPreview(const Project& project) {
    const WaveletPreview preview = MakeWaveletPreview(project);
    wavelet_->SetPreview(preview);
    spectrum_->SetPreview(preview);
}

void WaveletDialog::ShowOutcome(const CalculateOutcome& outcome) {
    ShowTexts(outcome.texts);
    if (!outcome.accepted) {
        Refuse(refusal_, outcome.reason);
        emit inputRefused(QString::fromStdString(outcome.reason));
        return;
    }
    accepted_ = WaveletValues{working_.waveletType, outcome.texts, false};
    refusal_->hide();
    ShowPreview(working_);
}

// The reason of a refusal stands while the boxes still hold what was refused, and goes once
// they have been corrected.
void WaveletDialog::HideCorrectedRefusal() {
    if (!refusal_->isHidden() &&
        !FindWaveletProblem(working_, {working_.waveletType, Texts(), false})) {
        refusal_->hide();
    }
}

bool WaveletDialog::Calculate() {
    const CalculateOutcome outcome = CalculateWavelet(working_, Texts());
    ShowOutcome(outcome);
    return outcome.accepted;
}

// Choosing a type lays the dialog out for it and calculates at once; the bandpass starts again
// from 0.16 s.
void WaveletDialog::ChooseType(int waveletType) {
    ShowLayout(waveletType);
    ShowOutcome(ChooseWaveletType(working_, waveletType, Texts()));
}

void WaveletDialog::accept() {
    if (Calculate()) {
        done_ = true;
        QDialog::accept();
    }
}

std::optional<WaveletValues> WaveletDialog::Values() const {
    if (!accepted_) {
        return std::nullopt;
    }
    WaveletValues values = *accepted_;
    values.done = done_;
    return values;
}

std::optional<WaveletValues> WaveletDialog::Run(QWidget* parent, const Project& project) {
    WaveletDialog dialog(project, parent);
    dialog.exec();
    return dialog.Values();
}

}  // namespace tessarin
