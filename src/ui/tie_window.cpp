#include "ui/tie_window.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "engine/stretch.h"
#include "files/seismic_trace_load.h"
#include "ui/main_actions.h"
#include "ui/search_panel.h"
#include "ui/stretch_panel.h"
#include "ui/tie_plots.h"
#include "ui/wheel_guard.h"

namespace tessarin {
namespace {

using By = TieWindowChoice::By;

// A value that rounds to zero is shown as +0, never as -0.0.
QString Signed(double value, int decimals) {
    const QString digits = QString::number(std::fabs(value), 'f', decimals);
    const bool zero = digits.toDouble() == 0.0;
    return (value >= 0 || zero ? QStringLiteral("+") : QStringLiteral("-")) + digits;
}

// A lag in milliseconds, to a tenth: the step of the shift box.
QString Lag(double seconds) {
    return Signed(seconds * 1000, 1) + QStringLiteral(" ms");
}

QString R(double r) {
    return QString::number(r, 'f', 2);
}

QLabel* FigureLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long figure wraps instead of widening the dock past the screen's room for it.
    label->setWordWrap(true);
    return label;
}

QDoubleSpinBox* TimeBox(const char* name, QWidget* parent) {
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(-100, 100);
    box->setDecimals(3);
    box->setSingleStep(0.01);
    box->setSuffix(QStringLiteral(" s"));
    box->setKeyboardTracking(false);
    return box;
}

CurvePlotData Plot(const char* title, const char* xLabel, const char* yLabel) {
    CurvePlotData plot;
    plot.title = QString::fromUtf8(title);
    plot.xLabel = QString::fromUtf8(xLabel);
    plot.yLabel = QString::fromUtf8(yLabel);
    plot.emptyText = QStringLiteral("Nothing measured");
    return plot;
}

void SetTime(QDoubleSpinBox* box, double seconds) {
    const QSignalBlocker block(box);
    box->setValue(seconds);
}

}  // namespace

TieDock::TieDock(const MainActions& actions, QWidget* parent)
    : QDockWidget(QStringLiteral("Seismic Tie"), parent) {
    setObjectName(QStringLiteral("tiewin"));
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    source_ = FigureLabel("tieSource", content);
    source_->setWordWrap(true);
    problem_ = FigureLabel("tieProblem", content);
    problem_->setWordWrap(true);
    problem_->setStyleSheet(QStringLiteral("color: #a00000"));
    lagPlot_ = new CurvePlot(QStringLiteral("lagPlot"), content);
    phasePlot_ = new CurvePlot(QStringLiteral("phasePlot"), content);
    driftPlot_ = new CurvePlot(QStringLiteral("driftPlot"), content);
    // Time runs down the drift plot as on the display: it needs the height to tell depths apart
    // and to hold its time label.
    driftPlot_->setMinimumHeight(14 * driftPlot_->fontMetrics().height());
    layout->addWidget(source_);
    layout->addWidget(BuildFigures());
    layout->addWidget(problem_);
    layout->addWidget(lagPlot_);
    layout->addWidget(phasePlot_);
    layout->addWidget(driftPlot_);
    layout->addWidget(BuildWindowChoice());
    layout->addWidget(BuildShift(actions));
    search_ = new SearchPanel(content);
    layout->addWidget(search_);
    stretch_ = new StretchPanel(actions, content);
    layout->addWidget(stretch_);
    layout->addStretch();
    // On a low screen the plots keep a readable size and the dock scrolls.
    scroll_ = new QScrollArea(this);
    QScrollArea* scroll = scroll_;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(content);
    GuardWheelInside(content);
    // Never narrower than its content: the plots' right-hand labels and the boxes' frames would
    // be cut off, with no scroll bar to reach them.
    scroll->setMinimumWidth(content->minimumSizeHint().width() +
                            scroll->verticalScrollBar()->sizeHint().width());
    setWidget(scroll);
}

void TieDock::ShowStretchPanel() {
    show();
    scroll_->ensureWidgetVisible(stretch_, 0, 0);
}

QWidget* TieDock::BuildFigures() {
    auto* frame = new QGroupBox(QStringLiteral("Measures"), this);
    auto* grid = new QGridLayout(frame);
    const auto row = [&](int at, const QString& caption, QLabel* value) {
        grid->addWidget(new QLabel(caption, frame), at, 0);
        grid->addWidget(value, at, 1);
        return value;
    };
    zeroLagR_ = row(0, QStringLiteral("r at zero lag:"), FigureLabel("zeroLagR", frame));
    bestLag_ = row(1, QStringLiteral("Best lag:"), FigureLabel("bestLag", frame));
    bestPhase_ = row(2, QStringLiteral("Best phase:"), FigureLabel("bestPhase", frame));
    pep_ = row(3, QStringLiteral("PEP:"), FigureLabel("pep", frame));
    measuredWindow_ = row(4, QStringLiteral("Window:"), FigureLabel("measuredWindow", frame));
    grid->setColumnStretch(1, 1);
    return frame;
}

QWidget* TieDock::BuildWindowChoice() {
    auto* frame = new QGroupBox(QStringLiteral("Tie window"), this);
    auto* grid = new QGridLayout(frame);
    windowBy_ = new QButtonGroup(frame);
    const auto option = [&](By by, const char* name, const QString& caption) {
        auto* button = new QRadioButton(caption, frame);
        button->setObjectName(QString::fromLatin1(name));
        windowBy_->addButton(button, static_cast<int>(by));
        return button;
    };
    start_ = TimeBox("windowStart", frame);
    end_ = TimeBox("windowEnd", frame);
    upper_ = new QComboBox(frame);
    upper_->setObjectName(QStringLiteral("upperHorizon"));
    lower_ = new QComboBox(frame);
    lower_->setObjectName(QStringLiteral("lowerHorizon"));
    for (QComboBox* box : {upper_, lower_}) {
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(8);
    }
    grid->addWidget(option(By::kOverlap, "windowOverlap",
                           QStringLiteral("Where synthetic and seismic overlap")),
                    0, 0, 1, 4);
    grid->addWidget(option(By::kTimes, "windowTimes", QStringLiteral("From")), 1, 0);
    grid->addWidget(start_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("to"), frame), 1, 2);
    grid->addWidget(end_, 1, 3);
    grid->addWidget(option(By::kHorizons, "windowHorizons", QStringLiteral("From top")), 2, 0);
    grid->addWidget(upper_, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("to"), frame), 2, 2);
    grid->addWidget(lower_, 2, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    connect(windowBy_, &QButtonGroup::idClicked, this, &TieDock::EmitWindow);
    const auto emitWhenChosen = [this](By by) {
        if (windowBy_->checkedId() == static_cast<int>(by)) {
            EmitWindow();
        }
    };
    for (QDoubleSpinBox* box : {start_, end_}) {
        connect(box, &QDoubleSpinBox::valueChanged, this,
                [emitWhenChosen] { emitWhenChosen(By::kTimes); });
    }
    for (QComboBox* box : {upper_, lower_}) {
        connect(box, &QComboBox::currentIndexChanged, this,
                [emitWhenChosen] { emitWhenChosen(By::kHorizons); });
    }
    return frame;
}

QWidget* TieDock::BuildShift(const MainActions& actions) {
    auto* frame = new QGroupBox(QStringLiteral("Shift and wavelet"), this);
    auto* grid = new QGridLayout(frame);
    shift_ = new QDoubleSpinBox(frame);
    shift_->setObjectName(QStringLiteral("tieShift"));
    shift_->setRange(-1000, 1000);
    shift_->setDecimals(1);
    shift_->setSingleStep(0.1);
    shift_->setSuffix(QStringLiteral(" ms"));
    // The display is drawn again for every shift taken: a shift is taken when typed in full
    // (Enter, or leaving the box) or at each step of the arrows.
    shift_->setKeyboardTracking(false);
    shift_->setToolTip(QStringLiteral("Added to every two-way time of the well"));
    grid->addWidget(new QLabel(QStringLiteral("Shift:"), frame), 0, 0);
    grid->addWidget(shift_, 0, 1, 1, 2);
    const std::pair<Command, const char*> buttons[] = {{Command::kApplyShift, "applyShift"},
                                                       {Command::kResetShift, "resetShift"},
                                                       {Command::kApplyPhase, "applyPhase"}};
    int column = 0;
    for (const auto& [command, name] : buttons) {
        auto* button = new QToolButton(frame);
        button->setObjectName(QString::fromLatin1(name));
        button->setDefaultAction(actions(command));
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        grid->addWidget(button, 1, column++);
    }
    auto* extract = new QToolButton(frame);
    extract->setObjectName(QStringLiteral("extractWavelet"));
    extract->setDefaultAction(actions(Command::kExtractWavelet));
    extract->setToolButtonStyle(Qt::ToolButtonTextOnly);
    extract->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    grid->addWidget(extract, 2, 0, 1, 3);
    connect(shift_, &QDoubleSpinBox::valueChanged, this,
            [this](double ms) { emit ShiftChosen(ms / 1000); });
    return frame;
}

void TieDock::Show(const Project& project, const std::optional<TieMeasures>& measures,
                   const QString& problem, const std::optional<TieMeasures>& unstretched) {
    if (!project.tie) {
        source_->setText(
            QStringLiteral("No seismic trace: load one with Tie > Load Seismic "
                           "Trace..."));
    } else {
        const SeismicSource& s = project.tie->source;
        source_->setText(QFileInfo(QString::fromStdString(s.path)).fileName() +
                         QStringLiteral(": ") +
                         QString::fromStdString(SeismicTraceText(s, project.measurementUnits)));
        const QSignalBlocker block(shift_);
        shift_->setValue(project.tie->shiftSeconds * 1000);
    }
    shift_->setEnabled(project.tie.has_value());
    ShowFigures(measures, problem);
    ShowPlots(project, measures, unstretched);
    ShowWindowChoice(project, measures);
}

void TieDock::ShowFigures(const std::optional<TieMeasures>& m, const QString& problem) {
    problem_->setText(problem);
    problem_->setVisible(!problem.isEmpty());
    if (!m) {
        for (QLabel* label : {zeroLagR_, bestLag_, bestPhase_, pep_, measuredWindow_}) {
            label->setText(QStringLiteral("–"));
        }
        return;
    }
    zeroLagR_->setText(R(m->zeroLagR));
    bestLag_->setText(Lag(m->bestLag.lag) + QStringLiteral(", r ") + R(m->bestLag.r));
    bestPhase_->setText(Signed(m->bestPhase.phaseDegrees, 0) + QStringLiteral("°, lag ") +
                        Lag(m->bestPhase.lag) + QStringLiteral(", r ") + R(m->bestPhase.r));
    pep_->setText(R(m->fit.pep) + QStringLiteral(" (") + R(m->bestFit.pep) +
                  QStringLiteral(" at the best phase and lag)"));
    measuredWindow_->setText(QString::number(m->window.start, 'f', 3) + QStringLiteral("–") +
                             QString::number(m->window.end, 'f', 3) + QStringLiteral(" s"));
}

void TieDock::ShowPlots(const Project& project, const std::optional<TieMeasures>& m,
                        const std::optional<TieMeasures>& unstretched) {
    const std::vector<StretchKnee>& knees = KneesOf(project);
    const bool beforeStretch = !knees.empty() && unstretched.has_value();
    CurvePlotData lag = Plot("r against lag", "lag (ms)", "r");
    CurvePlotData phase = Plot("r against phase at the best lag", "phase (degrees)", "r");
    CurvePlotData drift =
        !beforeStretch
            ? Plot("Drift: best lag down the well", "lag (ms)", "two-way time (s)")
            : Plot("Drift (blue), stretch shift (green)", "lag (ms)", "synthetic time (s)");
    lag.yRange = phase.yRange = PlotRange{-1, 1};
    phase.xRange = PlotRange{-180, 180};
    drift.yDown = true;
    if (m) {
        const int lags = static_cast<int>(m->lagR.size() - 1) / 2;
        for (std::size_t k = 0; k < m->lagR.size(); ++k) {
            lag.points.emplace_back((static_cast<int>(k) - lags) * m->lagStep * 1000, m->lagR[k]);
        }
        lag.marker = QPointF(m->bestLag.lag * 1000, m->bestLag.r);
        for (std::size_t k = 0; k < m->phaseR.size(); ++k) {
            phase.points.emplace_back(static_cast<double>(k) - 180, m->phaseR[k]);
        }
        phase.marker = QPointF(m->bestPhase.phaseDegrees, m->bestPhase.r);
        // The stretch's shift is laid over the drift it corrects: that of the synthetic without
        // it, at its own times, which are the knees' synthetic times.
        const TieMeasures& measured = beforeStretch ? *unstretched : *m;
        for (const DriftPoint& p : measured.drift) {
            drift.points.emplace_back(p.lag * 1000, p.time);
        }
        if (measured.drift.empty()) {
            drift.emptyText = QStringLiteral("The tie window is shorter than one drift window");
        }
        constexpr int kSteps = 100;
        for (int k = 0; beforeStretch && k <= kSteps; ++k) {
            const TieWindow& w = measured.window;
            const double t = w.start + (w.end - w.start) * k / kSteps;
            drift.overlay.emplace_back(StretchShiftAt(knees, t) * 1000, t);
        }
    }
    lagPlot_->SetData(std::move(lag));
    phasePlot_->SetData(std::move(phase));
    driftPlot_->SetData(std::move(drift));
}

void TieDock::ShowWindowChoice(const Project& project, const std::optional<TieMeasures>& m) {
    const QSignalBlocker blocks[] = {QSignalBlocker(upper_), QSignalBlocker(lower_)};
    QStringList names;
    for (int k = 1; k <= project.horizonCount && k < kTableSize; ++k) {
        names << QString::fromStdString(project.horizonNames[static_cast<std::size_t>(k)]);
    }
    for (QComboBox* box : {upper_, lower_}) {
        box->clear();
        box->addItems(names);
    }
    const TieWindowChoice choice = project.tie ? project.tie->window : TieWindowChoice{};
    // Boxes not in use offer what the tie used, so that choosing them starts from there.
    if (choice.by == By::kTimes) {
        SetTime(start_, choice.start);
        SetTime(end_, choice.end);
    } else if (m) {
        SetTime(start_, m->window.start);
        SetTime(end_, m->window.end);
    }
    const auto index = [&names](const std::string& name) {
        return static_cast<int>(names.indexOf(QString::fromStdString(name)));
    };
    const bool byHorizons = choice.by == By::kHorizons;
    upper_->setCurrentIndex(byHorizons ? index(choice.upperHorizon) : 0);
    lower_->setCurrentIndex(byHorizons ? index(choice.lowerHorizon)
                                       : static_cast<int>(names.size()) - 1);
    windowBy_->button(static_cast<int>(choice.by))->setChecked(true);
    for (QAbstractButton* button : windowBy_->buttons()) {
        button->setEnabled(
            project.tie.has_value() &&
            (windowBy_->id(button) != static_cast<int>(By::kHorizons) || names.size() >= 2));
    }
    EnableWindowBoxes();
}

void TieDock::EnableWindowBoxes() {
    const auto by = static_cast<By>(windowBy_->checkedId());
    const bool enabled = windowBy_->checkedButton()->isEnabled();
    start_->setEnabled(enabled && by == By::kTimes);
    end_->setEnabled(enabled && by == By::kTimes);
    upper_->setEnabled(enabled && by == By::kHorizons);
    lower_->setEnabled(enabled && by == By::kHorizons);
}

void TieDock::EmitWindow() {
    EnableWindowBoxes();
    TieWindowChoice choice;
    choice.by = static_cast<By>(windowBy_->checkedId());
    if (choice.by == By::kTimes) {
        choice.start = start_->value();
        choice.end = end_->value();
    } else if (choice.by == By::kHorizons) {
        choice.upperHorizon = upper_->currentText().toStdString();
        choice.lowerHorizon = lower_->currentText().toStdString();
    }
    emit WindowChosen(choice);
}

}  // namespace tessarin
