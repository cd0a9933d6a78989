#include "ui/extract_wavelet_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

#include "engine/project_tie.h"
#include "engine/synthetic_trace.h"
#include "engine/wavelet_spectrum.h"
#include "model/error.h"
#include "ui/dialog_support.h"
#include "ui/tie_plots.h"

namespace tessarin {
namespace {

QDoubleSpinBox* Box(const char* name, double low, double high, int decimals, const char* suffix,
                    QWidget* parent) {
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(low, high);
    box->setDecimals(decimals);
    box->setSuffix(QString::fromUtf8(suffix));
    // Each change extracts again: a number is taken when typed in full or stepped.
    box->setKeyboardTracking(false);
    return box;
}

QString Fixed(double value, int decimals) {
    return std::isfinite(value) ? QString::number(value, 'f', decimals) : QStringLiteral("–");
}

}  // namespace

ExtractWaveletDialog::ExtractWaveletDialog(const Project& project, QWidget* parent)
    : QDialog(parent), project_(project) {
    setObjectName(QStringLiteral("extractform"));
    setWindowTitle(QStringLiteral("Extract Wavelet"));
    setModal(true);
    auto* left = new QVBoxLayout;
    left->addWidget(BuildSettings());
    left->addWidget(BuildWindows());
    left->addWidget(BuildFigures());
    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("extractProblem"));
    problem_->setWordWrap(true);
    problem_->setStyleSheet(QStringLiteral("color: #a00000"));
    left->addWidget(problem_);
    left->addStretch();

    waveletPlot_ = new CurvePlot(QStringLiteral("waveletPreview"), this);
    spectrumPlot_ = new CurvePlot(QStringLiteral("spectrumPreview"), this);
    auto* plots = new QVBoxLayout;
    plots->addWidget(waveletPlot_, 3);
    plots->addWidget(spectrumPlot_, 2);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(plots, 1);

    QDialogButtonBox* buttons = MakeOkCancelButtons(this);
    ok_ = buttons->findChild<QPushButton*>(QStringLiteral("Command1"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(buttons);
    resize(fontMetrics().averageCharWidth() * 110, fontMetrics().height() * 34);
    Extract();
}

std::optional<WaveletExtractionChoice> ExtractWaveletDialog::Run(QWidget* parent,
                                                                 const Project& project) {
    ExtractWaveletDialog dialog(project, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Choice();
}

QWidget* ExtractWaveletDialog::BuildSettings() {
    auto* frame = new QGroupBox(QStringLiteral("Wavelet"), this);
    auto* grid = new QGridLayout(frame);
    method_ = new QComboBox(frame);
    method_->setObjectName(QStringLiteral("extractMethod"));
    method_->addItems({QStringLiteral("Deterministic (least squares)"),
                       QStringLiteral("Statistical (zero phase)"),
                       QStringLiteral("Statistical at the deterministic phase"),
                       QStringLiteral("Statistical at a given phase")});
    givenPhase_ = Box("givenPhase", -180, 180, 0, "°", frame);
    givenPhase_->setToolTip(
        QStringLiteral("The constant phase the statistical wavelet is turned to"));
    givenPhase_->setEnabled(false);
    const WaveletExtractionOptions defaults;
    length_ = Box("extractLength", 16, 1000, 0, " ms", frame);
    length_->setValue(defaults.lengthSeconds * 1000);
    prewhitening_ = Box("prewhitening", 0, 100, 1, " %", frame);
    prewhitening_->setValue(defaults.prewhiteningPercent);
    prewhitening_->setToolTip(
        QStringLiteral("Added to the reflection coefficients' zero-lag autocorrelation: keeps "
                       "the wavelet from growing where they have little energy"));
    taper_ = Box("taper", 0, 100, 0, " %", frame);
    taper_->setValue(defaults.taperFraction * 100);
    taper_->setToolTip(
        QStringLiteral("The part of the length tapered by a cosine, half at each end"));
    const auto row = [&](int at, const QString& caption, QWidget* box) {
        auto* label = new QLabel(caption, frame);
        label->setBuddy(box);
        grid->addWidget(label, at, 0);
        grid->addWidget(box, at, 1);
    };
    row(0, QStringLiteral("&Method:"), method_);
    row(1, QStringLiteral("P&hase:"), givenPhase_);
    row(2, QStringLiteral("&Length:"), length_);
    row(3, QStringLiteral("&Prewhitening:"), prewhitening_);
    row(4, QStringLiteral("&Taper:"), taper_);
    connect(method_, &QComboBox::currentIndexChanged, this, [this](int index) {
        const auto method = static_cast<ExtractionMethod>(index);
        givenPhase_->setEnabled(method == ExtractionMethod::kStatisticalAtGivenPhase);
        // The statistical wavelet at the deterministic phase takes that phase from a
        // deterministic wavelet, which the prewhitening shapes.
        prewhitening_->setEnabled(method == ExtractionMethod::kDeterministic ||
                                  method == ExtractionMethod::kStatisticalAtDeterministicPhase);
        Extract();
    });
    for (QDoubleSpinBox* box : {givenPhase_, length_, prewhitening_, taper_}) {
        connect(box, &QDoubleSpinBox::valueChanged, this, &ExtractWaveletDialog::Extract);
    }
    return frame;
}

QWidget* ExtractWaveletDialog::BuildWindows() {
    auto* frame = new QGroupBox(QStringLiteral("Windows"), this);
    auto* grid = new QGridLayout(frame);
    std::optional<TieWindow> tie;
    try {
        tie = TieWindowTimes(project_);
    } catch (const Error&) {
    }
    const SampledTrace synthetic = SyntheticTrace(project_);
    const TieWindow whole = tie.value_or(TieWindow{synthetic.firstTime, synthetic.LastTime()});
    const auto choice = [&](int at, const char* title, const char* all, const char* allName,
                            const char* timesName, const char* startName, const char* endName,
                            QDoubleSpinBox*& start, QDoubleSpinBox*& end) {
        grid->addWidget(new QLabel(QString::fromUtf8(title), frame), at, 0, 1, 4);
        auto* group = new QButtonGroup(frame);
        auto* first = new QRadioButton(QString::fromUtf8(all), frame);
        first->setObjectName(QString::fromLatin1(allName));
        first->setChecked(true);
        auto* times = new QRadioButton(QStringLiteral("From"), frame);
        times->setObjectName(QString::fromLatin1(timesName));
        group->addButton(first);
        group->addButton(times);
        start = Box(startName, -100, 100, 3, " s", frame);
        end = Box(endName, -100, 100, 3, " s", frame);
        start->setValue(whole.start);
        end->setValue(whole.end);
        grid->addWidget(first, at + 1, 0, 1, 4);
        grid->addWidget(times, at + 2, 0);
        grid->addWidget(start, at + 2, 1);
        grid->addWidget(new QLabel(QStringLiteral("to"), frame), at + 2, 2);
        grid->addWidget(end, at + 2, 3);
        connect(group, &QButtonGroup::buttonClicked, this, &ExtractWaveletDialog::Extract);
        for (QDoubleSpinBox* box : {start, end}) {
            connect(box, &QDoubleSpinBox::valueChanged, this, [this, times] {
                if (times->isChecked()) {
                    Extract();
                }
            });
        }
        return times;
    };
    extractTimes_ = choice(0, "Extract in:", tie ? "The tie window" : "Where the traces overlap",
                           "extractTieWindow", "extractTimes", "extractStart", "extractEnd",
                           extractStart_, extractEnd_);
    checkTimes_ = choice(3, "Check r in:", "The rest of the overlap", "checkRest", "checkTimes",
                         "checkStart", "checkEnd", checkStart_, checkEnd_);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return frame;
}

QWidget* ExtractWaveletDialog::BuildFigures() {
    auto* frame = new QGroupBox(QStringLiteral("Figures"), this);
    auto* grid = new QGridLayout(frame);
    const auto row = [&](int at, const QString& caption, QLabel* figure) {
        grid->addWidget(new QLabel(caption, frame), at, 0);
        grid->addWidget(figure, at, 1);
        return figure;
    };
    phase_ = row(0, QStringLiteral("Phase:"), MakeFigureLabel("extractPhase", frame));
    frequency_ =
        row(1, QStringLiteral("Dominant frequency:"), MakeFigureLabel("extractFrequency", frame));
    r_ = row(2, QStringLiteral("r in the window:"), MakeFigureLabel("extractR", frame));
    pep_ = row(3, QStringLiteral("PEP in the window:"), MakeFigureLabel("extractPep", frame));
    checkR_ = row(4, QStringLiteral("r in the check window:"), MakeFigureLabel("checkR", frame));
    grid->setColumnStretch(1, 1);
    return frame;
}

WaveletExtractionOptions ExtractWaveletDialog::Options() const {
    WaveletExtractionOptions options;
    options.lengthSeconds = length_->value() / 1000;
    options.prewhiteningPercent = prewhitening_->value();
    options.taperFraction = taper_->value() / 100;
    if (extractTimes_->isChecked()) {
        options.window = TieWindow{extractStart_->value(), extractEnd_->value()};
    }
    if (checkTimes_->isChecked()) {
        options.checkWindow = TieWindow{checkStart_->value(), checkEnd_->value()};
    }
    return options;
}

void ExtractWaveletDialog::Extract() {
    WaveletExtractionChoice choice;
    choice.method = static_cast<ExtractionMethod>(method_->currentIndex());
    choice.options = Options();
    try {
        switch (choice.method) {
            case ExtractionMethod::kDeterministic:
                choice.extraction = ExtractDeterministicWavelet(project_, choice.options);
                break;
            case ExtractionMethod::kStatistical:
                choice.extraction = ExtractStatisticalWavelet(project_, choice.options);
                break;
            case ExtractionMethod::kStatisticalAtDeterministicPhase:
                choice.extraction = ExtractStatisticalWavelet(
                    project_, choice.options, {.by = StatisticalPhase::By::kDeterministic});
                break;
            case ExtractionMethod::kStatisticalAtGivenPhase:
                choice.givenPhaseDegrees = givenPhase_->value();
                choice.extraction = ExtractStatisticalWavelet(
                    project_, choice.options,
                    {.by = StatisticalPhase::By::kGiven, .degrees = choice.givenPhaseDegrees});
                break;
        }
        choice_ = std::move(choice);
        problem_->clear();
    } catch (const Error& e) {
        // The last wavelet that could be extracted is not the one the boxes now describe.
        choice_.reset();
        problem_->setText(QString::fromStdString(e.what()));
    }
    ok_->setEnabled(choice_.has_value());
    ShowFigures();
    ShowPlots();
}

void ExtractWaveletDialog::ShowFigures() {
    if (!choice_) {
        for (QLabel* label : {phase_, frequency_, r_, pep_, checkR_}) {
            label->setText(QStringLiteral("–"));
        }
        return;
    }
    const WaveletExtraction& e = choice_->extraction;
    phase_->setText(Fixed(e.phaseDegrees, 0) + QStringLiteral("° (residual ") +
                    Fixed(e.phaseResidualDegrees, 0) + QStringLiteral("°)"));
    frequency_->setText(Fixed(e.dominantFrequency, 1) + QStringLiteral(" Hz"));
    r_->setText(Fixed(e.r, 2) + QStringLiteral(" (") + Fixed(e.window.start, 3) +
                QStringLiteral("–") + Fixed(e.window.end, 3) + QStringLiteral(" s)"));
    pep_->setText(Fixed(e.pep, 2));
    checkR_->setText(std::isfinite(e.checkR) ? Fixed(e.checkR, 2)
                                             : QStringLiteral("– (too few samples outside)"));
}

void ExtractWaveletDialog::ShowPlots() {
    CurvePlotData wavelet;
    wavelet.title = QStringLiteral("Wavelet");
    wavelet.xLabel = QStringLiteral("amplitude");
    wavelet.yLabel = QStringLiteral("time (ms)");
    wavelet.yDown = true;
    wavelet.wiggle = true;
    wavelet.xRange = PlotRange{-1.1, 1.1};
    wavelet.emptyText = QStringLiteral("No wavelet");
    CurvePlotData spectrum;
    spectrum.title = QStringLiteral("Amplitude spectrum");
    spectrum.xLabel = QStringLiteral("frequency (Hz)");
    spectrum.yLabel = QStringLiteral("amplitude");
    spectrum.emptyText = QStringLiteral("No wavelet");
    if (choice_) {
        const OffsetArray& w = choice_->extraction.wavelet;
        const int h = -w.First();
        const double dt = 2.0 * project_.sampleIntervalUs / 1e6;
        std::vector<double> samples;
        for (int j = -h; j <= h; ++j) {
            samples.push_back(w[j]);
            wavelet.points.emplace_back(w[j], j * dt * 1000);
        }
        constexpr int kLines = 257;
        const std::vector<double> amplitudes = AmplitudeSpectrum(samples, kLines);
        double peak = 0;
        for (const double a : amplitudes) {
            peak = std::max(peak, a);
        }
        const double nyquist = 0.5 / dt;
        for (int k = 0; k < kLines && peak > 0; ++k) {
            const double f = nyquist * k / (kLines - 1);
            if (f <= 125 || f <= 2.5 * choice_->extraction.dominantFrequency) {
                spectrum.points.emplace_back(f, amplitudes[static_cast<std::size_t>(k)] / peak);
            }
        }
        spectrum.marker = QPointF(choice_->extraction.dominantFrequency, 1.0);
    }
    waveletPlot_->SetData(std::move(wavelet));
    spectrumPlot_->SetData(std::move(spectrum));
}

}  // namespace tessarin
