#include "ui/seismic_trace_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QVBoxLayout>
#include <climits>
#include <cmath>

#include "engine/trace_preview.h"
#include "model/error.h"
#include "model/well_coordinates.h"
#include "ui/dialog_support.h"
#include "ui/file_dialogs.h"
#include "ui/tie_plots.h"
#include "ui/wait_cursor.h"

namespace tessarin {
namespace {

const QString kTitle = QStringLiteral("Load Seismic Trace");
const char* const kFilter =
    "Seismic Traces (*.sgy *.segy *.txt *.dat)|*.sgy;*.segy;*.txt;*.dat|"
    "SEG-Y Files (*.sgy *.segy)|*.sgy;*.segy|Text Traces (*.txt *.dat)|*.txt;*.dat|"
    "All Files (*.*)|*.*";

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// The chosen trace's line wraps; a distance keeps its unit beside it ("0.0 m away").
QString Unbroken(QString text) {
    static const QRegularExpression kBeforeUnit(QStringLiteral("(\\d) (m|ft) away"));
    return text.replace(kBeforeUnit, QStringLiteral("\\1\u00a0\\2 away"));
}

template <class Box>
Box* Named(const QString& name, QWidget* parent) {
    auto* box = new Box(parent);
    box->setObjectName(name);
    // A number is taken when typed in full (Enter, or leaving the box), not at every key: each
    // change reads the file again.
    box->setKeyboardTracking(false);
    return box;
}

QSpinBox* IntegerBox(const QString& name, int low, int high, QWidget* parent) {
    auto* box = Named<QSpinBox>(name, parent);
    box->setRange(low, high);
    return box;
}

QDoubleSpinBox* CoordinateBox(const QString& name, QWidget* parent) {
    auto* box = Named<QDoubleSpinBox>(name, parent);
    box->setRange(-1e10, 1e10);
    box->setDecimals(2);
    return box;
}

// The trace header coordinates the well's position is in, each item's data its
// TraceCoordinates.
QComboBox* CoordinatesBox(QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QStringLiteral("coordinates"));
    box->addItem(QStringLiteral("CDP X, Y (bytes 181, 185)"),
                 static_cast<int>(TraceCoordinates::kCdp));
    box->addItem(QStringLiteral("Source X, Y (bytes 73, 77)"),
                 static_cast<int>(TraceCoordinates::kSource));
    return box;
}

QString Milliseconds(double seconds) {
    return QString::number(seconds * 1000, 'g', 6) + QStringLiteral(" ms");
}

}  // namespace

SeismicTraceDialog::SeismicTraceDialog(const Project& project, QWidget* parent)
    : QDialog(parent), measurementUnits_(project.measurementUnits) {
    setObjectName(QStringLiteral("seisform"));
    setWindowTitle(kTitle);
    setModal(true);

    auto* summaryFrame = new QGroupBox(QStringLiteral("File"), this);
    summary_ = new QLabel(summaryFrame);
    summary_->setObjectName(QStringLiteral("summary"));
    summary_->setTextFormat(Qt::PlainText);
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    summary_->setMinimumWidth(fontMetrics().averageCharWidth() * 52);
    // Room for a SEG-Y file's summary from the start: a dialog that grows once a file is read
    // leaves the place it was put in over the window.
    summary_->setMinimumHeight(16 * fontMetrics().lineSpacing());
    summary_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    (new QVBoxLayout(summaryFrame))->addWidget(summary_);

    auto* left = new QVBoxLayout;
    left->addWidget(BuildFileRow());
    left->addWidget(summaryFrame);
    left->addWidget(BuildChoice());
    left->addWidget(BuildInterval());
    left->addStretch();

    preview_ = new CurvePlot(QStringLiteral("preview"), this);
    previewTimes_ = ProjectPreviewTimes(project);
    preview_->setMinimumWidth(fontMetrics().averageCharWidth() * 26);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addWidget(preview_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(MakeOkCancelButtons(this));

    wellAt_ = WellLocationCoordinates(project);
    if (wellAt_) {
        const QSignalBlocker blocks[] = {QSignalBlocker(wellX_), QSignalBlocker(wellY_)};
        wellX_->setValue(wellAt_->first);
        wellY_->setValue(wellAt_->second);
        const QString told = QStringLiteral("The well's location gives X %1, Y %2.")
                                 .arg(wellAt_->first, 0, 'f', 2)
                                 .arg(wellAt_->second, 0, 'f', 2);
        wellX_->setToolTip(told);
        wellY_->setToolTip(told);
    }
    if (project.tie) {
        ShowSource(project.tie->source);
        sourcePath_ = Q(project.tie->source.path);
        fileName_->setText(sourcePath_);
        ReadFile(false);
    }
    ShowSummary();
    Preview();
}

QWidget* SeismicTraceDialog::BuildFileRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    fileName_ = new QLineEdit(row);
    fileName_->setObjectName(QStringLiteral("fileName"));
    fileName_->setPlaceholderText(QStringLiteral("A SEG-Y file or a text trace"));
    QPushButton* browse = NamedButton(QStringLiteral("browseFile"), QStringLiteral("&Browse..."));
    browse->setAutoDefault(false);
    layout->addWidget(new QLabel(QStringLiteral("Seismic file:"), row));
    layout->addWidget(fileName_, 1);
    layout->addWidget(browse);
    connect(browse, &QPushButton::clicked, this, &SeismicTraceDialog::Browse);
    // Enter in the file box reads the file for the user to choose a trace from; it does not
    // press OK on the first trace of a file not yet seen.
    fileName_->installEventFilter(this);
    // Leaving the box reads a name typed there, once: not again after its message was told.
    connect(fileName_, &QLineEdit::editingFinished, this, [this] {
        if (fileName_->text() != triedPath_ && !fileName_->text().isEmpty()) {
            ReadFile(true);
        }
    });
    return row;
}

QWidget* SeismicTraceDialog::BuildChoice() {
    auto* frame = new QGroupBox(QStringLiteral("Trace at the well"), this);
    auto* grid = new QGridLayout(frame);
    choice_ = new QButtonGroup(frame);
    const auto option = [&](SegyTraceChoice::By by, const char* name, const QString& caption) {
        auto* button = new QRadioButton(caption, frame);
        button->setObjectName(QString::fromLatin1(name));
        choice_->addButton(button, static_cast<int>(by));
        return button;
    };
    const auto caption = [frame](const QString& text) { return new QLabel(text, frame); };
    inline_ = IntegerBox(QStringLiteral("inlineNumber"), INT_MIN + 1, INT_MAX, frame);
    crossline_ = IntegerBox(QStringLiteral("crosslineNumber"), INT_MIN + 1, INT_MAX, frame);
    inlineByte_ = IntegerBox(QStringLiteral("inlineByte"), 1, 237, frame);
    crosslineByte_ = IntegerBox(QStringLiteral("crosslineByte"), 1, 237, frame);
    inlineByte_->setValue(SegyLineBytes{}.inlineByte);
    crosslineByte_->setValue(SegyLineBytes{}.crosslineByte);
    traceNumber_ = IntegerBox(QStringLiteral("traceNumber"), 1, INT_MAX, frame);
    wellX_ = CoordinateBox(QStringLiteral("wellX"), frame);
    wellY_ = CoordinateBox(QStringLiteral("wellY"), frame);

    grid->addWidget(option(SegyTraceChoice::By::kLines, "byLines", QStringLiteral("&Inline")), 0,
                    0);
    grid->addWidget(inline_, 0, 1);
    grid->addWidget(caption(QStringLiteral("Crossline")), 0, 2);
    grid->addWidget(crossline_, 0, 3);
    grid->addWidget(caption(QStringLiteral("at bytes")), 1, 0, Qt::AlignRight);
    grid->addWidget(inlineByte_, 1, 1);
    grid->addWidget(caption(QStringLiteral("and")), 1, 2, Qt::AlignRight);
    grid->addWidget(crosslineByte_, 1, 3);
    grid->addWidget(option(SegyTraceChoice::By::kNumber, "byNumber", QStringLiteral("&Trace")), 2,
                    0);
    grid->addWidget(traceNumber_, 2, 1);
    grid->addWidget(option(SegyTraceChoice::By::kNearest, "byNearest",
                           QStringLiteral("&Nearest the well at X")),
                    3, 0);
    grid->addWidget(wellX_, 3, 1);
    grid->addWidget(caption(QStringLiteral("Y")), 3, 2, Qt::AlignRight);
    grid->addWidget(wellY_, 3, 3);
    grid->addWidget(option(SegyTraceChoice::By::kInterpolated, "byInterpolated",
                           QStringLiteral("B&lend of the four traces around the well at X, Y")),
                    4, 0, 1, 4);
    coordinates_ = CoordinatesBox(frame);
    auto* coordinatesCaption = caption(QStringLiteral("X, Y from"));
    coordinatesCaption->setBuddy(coordinates_);
    grid->addWidget(coordinatesCaption, 5, 0, Qt::AlignRight);
    grid->addWidget(coordinates_, 5, 1, 1, 3);
    chosen_ = new QLabel(frame);
    chosen_->setObjectName(QStringLiteral("chosenTrace"));
    chosen_->setTextFormat(Qt::PlainText);
    chosen_->setWordWrap(true);
    // Room for the longest choice (nearest the well, with its distance) without clipping it.
    chosen_->setMinimumHeight(3 * chosen_->fontMetrics().lineSpacing());
    chosen_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(chosen_, 6, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    choice_->button(static_cast<int>(SegyTraceChoice::By::kLines))->setChecked(true);

    connect(choice_, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on) {
            EnableChoice();
            Preview();
        }
    });
    for (QSpinBox* box : {inline_, crossline_, traceNumber_}) {
        connect(box, &QSpinBox::valueChanged, this, &SeismicTraceDialog::Preview);
    }
    for (QDoubleSpinBox* box : {wellX_, wellY_}) {
        connect(box, &QDoubleSpinBox::valueChanged, this, &SeismicTraceDialog::Preview);
    }
    // Other coordinates give other corners and ranges: the file is read again.
    connect(coordinates_, &QComboBox::currentIndexChanged, this, [this] {
        if (!filePath_.isEmpty()) {
            ReadFile(true);
        }
    });
    // Other byte positions give other line numbers: the file is scanned again for their ranges.
    for (QSpinBox* box : {inlineByte_, crosslineByte_}) {
        connect(box, &QSpinBox::valueChanged, this, [this] {
            if (!filePath_.isEmpty()) {
                ReadFile(true);
            }
        });
    }
    return frame;
}

QWidget* SeismicTraceDialog::BuildInterval() {
    auto* row = new QWidget(this);
    auto* grid = new QGridLayout(row);
    grid->setContentsMargins(0, 0, 0, 0);
    interval_ = Named<QDoubleSpinBox>(QStringLiteral("intervalMs"), row);
    // Without a file there is no interval to show: the box is blank at 0, not a made-up value.
    interval_->setRange(0, 1000);
    interval_->setSpecialValueText(QStringLiteral(" "));
    interval_->setDecimals(3);
    interval_->setSuffix(QStringLiteral(" ms"));
    intervalNote_ = new QLabel(row);
    intervalNote_->setObjectName(QStringLiteral("intervalNote"));
    intervalNote_->setWordWrap(true);
    intervalNote_->setTextFormat(Qt::PlainText);
    intervalNote_->setMinimumHeight(2 * fontMetrics().lineSpacing());
    intervalNote_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(new QLabel(QStringLiteral("Sample interval:"), row), 0, 0);
    grid->addWidget(interval_, 0, 1);
    grid->addWidget(intervalNote_, 1, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    connect(interval_, &QDoubleSpinBox::valueChanged, this, &SeismicTraceDialog::Preview);
    return row;
}

void SeismicTraceDialog::ShowSource(const SeismicSource& source) {
    const QSignalBlocker blocks[] = {
        QSignalBlocker(inline_),        QSignalBlocker(crossline_),   QSignalBlocker(inlineByte_),
        QSignalBlocker(crosslineByte_), QSignalBlocker(traceNumber_), QSignalBlocker(wellX_),
        QSignalBlocker(wellY_),         QSignalBlocker(choice_),      QSignalBlocker(coordinates_)};
    inline_->setValue(source.inlineNumber);
    crossline_->setValue(source.crosslineNumber);
    inlineByte_->setValue(source.inlineByte);
    crosslineByte_->setValue(source.crosslineByte);
    traceNumber_->setValue(static_cast<int>(std::min<long long>(source.traceNumber, INT_MAX)));
    const bool atWell =
        source.choice == TraceChoice::kNearest || source.choice == TraceChoice::kInterpolated;
    // The position the trace was chosen at; else the well's own, when its location gives it.
    if (atWell || !wellAt_) {
        wellX_->setValue(source.wellX);
        wellY_->setValue(source.wellY);
    }
    coordinates_->setCurrentIndex(coordinates_->findData(static_cast<int>(source.coordinates)));
    const auto by = source.choice == TraceChoice::kNumber    ? SegyTraceChoice::By::kNumber
                    : source.choice == TraceChoice::kNearest ? SegyTraceChoice::By::kNearest
                    : source.choice == TraceChoice::kInterpolated
                        ? SegyTraceChoice::By::kInterpolated
                        : SegyTraceChoice::By::kLines;
    choice_->button(static_cast<int>(by))->setChecked(true);
}

void SeismicTraceDialog::Browse() {
    const QString path = AskOpenFileName(
        this, {QStringLiteral("seismic"), QStringLiteral("Open Seismic Trace"),
               fileName_->text().isEmpty() ? QStringLiteral("*.sgy") : fileName_->text(),
               QString::fromUtf8(kFilter), 1, QString()});
    if (!path.isEmpty()) {
        const QString previous = fileName_->text();
        fileName_->setText(path);
        if (!ReadFile(true)) {
            fileName_->setText(previous);
        }
    }
}

bool SeismicTraceDialog::ReadFile(bool tell) {
    const QString path = fileName_->text();
    triedPath_ = path;
    ReadResult<SeismicFileSummary> read;
    {
        const WaitCursor wait;
        read = ReadSeismicFileSummary(path.toStdString(), LineBytes(), Coordinates());
    }
    if (!read) {
        if (tell) {
            QMessageBox::warning(this, kTitle, Q(read.message));
        } else {
            summary_->setText(Q(read.message));
        }
        return false;
    }
    const bool newFile = path != filePath_;
    file_ = std::move(read.value);
    filePath_ = path;
    if (file_->segy && newFile && path != sourcePath_) {
        // Another survey starts at its first line and at the well, or the middle of its area
        // when the well's location gives no X and Y.
        const SegySummary& s = *file_->segy;
        const QSignalBlocker blocks[] = {QSignalBlocker(inline_), QSignalBlocker(crossline_),
                                         QSignalBlocker(wellX_), QSignalBlocker(wellY_)};
        inline_->setValue(s.firstInline);
        crossline_->setValue(s.firstCrossline);
        wellX_->setValue(wellAt_ ? wellAt_->first : (s.minX + s.maxX) / 2);
        wellY_->setValue(wellAt_ ? wellAt_->second : (s.minY + s.maxY) / 2);
    }
    ShowSummary();
    Preview();
    return true;
}

void SeismicTraceDialog::ShowSummary() {
    EnableChoice();
    const QSignalBlocker block(interval_);
    if (!file_) {
        summary_->setText(summary_->text().isEmpty()
                              ? QStringLiteral("Choose a SEG-Y file or a text trace.")
                              : summary_->text());
        interval_->setValue(0);
        interval_->setEnabled(false);
        intervalNote_->clear();
        return;
    }
    if (file_->textTrace) {
        const SampledTrace& t = *file_->textTrace;
        summary_->setText(QStringLiteral("Text trace: %1 samples from %2 s every %3")
                              .arg(t.values.size())
                              .arg(t.firstTime)
                              .arg(Milliseconds(t.interval)));
        interval_->setValue(t.interval * 1000);
        interval_->setEnabled(false);
        intervalNote_->setText(QStringLiteral("The text trace gives its own times."));
        return;
    }
    QStringList lines;
    for (const std::string& line : DescribeSegy(*file_->segy)) {
        lines << Q(line);
    }
    summary_->setText(lines.join(QLatin1Char('\n')));
    const SegyLayout& layout = file_->segy->layout;
    traceNumber_->setMaximum(static_cast<int>(std::min<long long>(layout.traceCount, INT_MAX)));
    try {
        interval_->setValue(SegySampleInterval(layout, 0) * 1000);
        interval_->setEnabled(false);
        intervalNote_->setText(QStringLiteral("The headers agree on the sample interval."));
    } catch (const Error& disagree) {
        // The headers leave the choice to the user: the binary header's value to start with.
        const int proposed =
            layout.binaryIntervalUs ? layout.binaryIntervalUs : layout.traceIntervalUs;
        interval_->setValue(proposed / 1000.0);
        interval_->setEnabled(true);
        intervalNote_->setText(Q(disagree.what()));
    }
}

void SeismicTraceDialog::EnableChoice() {
    const bool segy = file_ && file_->segy;
    const auto by = static_cast<SegyTraceChoice::By>(choice_->checkedId());
    for (QAbstractButton* button : choice_->buttons()) {
        button->setEnabled(segy);
    }
    for (QWidget* box : {inline_, crossline_, inlineByte_, crosslineByte_}) {
        box->setEnabled(segy && by == SegyTraceChoice::By::kLines);
    }
    traceNumber_->setEnabled(segy && by == SegyTraceChoice::By::kNumber);
    const bool atWell =
        by == SegyTraceChoice::By::kNearest || by == SegyTraceChoice::By::kInterpolated;
    wellX_->setEnabled(segy && atWell);
    wellY_->setEnabled(segy && atWell);
    coordinates_->setEnabled(segy);
}

TraceCoordinates SeismicTraceDialog::Coordinates() const {
    return static_cast<TraceCoordinates>(coordinates_->currentData().toInt());
}

SegyLineBytes SeismicTraceDialog::LineBytes() const {
    return {inlineByte_->value(), crosslineByte_->value()};
}

ReadResult<LoadedSeismicTrace> SeismicTraceDialog::ReadChosen() const {
    const std::string path = filePath_.toStdString();
    if (file_->textTrace) {
        return LoadTextTrace(path);
    }
    SegyTraceChoice choice;
    switch (static_cast<SegyTraceChoice::By>(choice_->checkedId())) {
        case SegyTraceChoice::By::kLines:
            choice = SegyTraceChoice::AtLines(inline_->value(), crossline_->value());
            break;
        case SegyTraceChoice::By::kNumber:
            choice = SegyTraceChoice::Number(traceNumber_->value());
            break;
        case SegyTraceChoice::By::kNearest:
            choice = SegyTraceChoice::NearestTo(wellX_->value(), wellY_->value());
            break;
        case SegyTraceChoice::By::kInterpolated:
            choice = SegyTraceChoice::InterpolatedAt(wellX_->value(), wellY_->value());
            break;
    }
    return LoadSegyTrace(
        path, choice,
        {LineBytes(), interval_->isEnabled() ? interval_->value() : 0.0, Coordinates()});
}

void SeismicTraceDialog::Preview() {
    CurvePlotData plot;
    plot.xLabel = QStringLiteral("amplitude");
    plot.yLabel = QStringLiteral("two-way time (s)");
    plot.yDown = true;
    plot.wiggle = true;
    plot.emptyText = QStringLiteral("No trace chosen");
    if (!file_) {
        chosen_->clear();
        preview_->SetData(plot);
        return;
    }
    ReadResult<LoadedSeismicTrace> read;
    {
        const WaitCursor wait;
        read = ReadChosen();
    }
    if (!read) {
        chosen_->setText(Q(read.message));
        preview_->SetData(plot);
        return;
    }
    const SampledTrace& trace = read.value->trace;
    // The times the tie is made in, scaled by their own amplitudes, with the tie window marked.
    const TracePreview shown = PreviewOf(trace, previewTimes_);
    for (std::size_t i = 0; i < trace.values.size(); ++i) {
        const double t = trace.TimeAt(i);
        if (t >= shown.shown.start - trace.interval && t <= shown.shown.end + trace.interval) {
            plot.points.emplace_back(trace.values[i], t);
        }
    }
    plot.xRange = PlotRange{-shown.largest, shown.largest};
    plot.yRange = PlotRange{shown.shown.start, shown.shown.end};
    if (shown.window) {
        plot.yBand = PlotRange{shown.window->start, shown.window->end};
    }
    plot.title =
        shown.window ? QStringLiteral("Preview, tie window shaded") : QStringLiteral("Preview");
    chosen_->setText(QStringLiteral("Chosen: ") +
                     Unbroken(Q(SeismicTraceText(read.value->source, measurementUnits_))) +
                     QStringLiteral("; %1 samples from %2 s every %3")
                         .arg(trace.values.size())
                         .arg(trace.firstTime)
                         .arg(Milliseconds(trace.interval)));
    preview_->SetData(std::move(plot));
}

bool SeismicTraceDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == fileName_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (fileName_->text() != filePath_ && !fileName_->text().isEmpty()) {
                ReadFile(true);
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void SeismicTraceDialog::accept() {
    if (fileName_->text() != filePath_ && !ReadFile(true)) {
        return;
    }
    if (!file_) {
        QMessageBox::warning(this, kTitle,
                             QStringLiteral("Choose a SEG-Y file or a text trace first."));
        return;
    }
    ReadResult<LoadedSeismicTrace> read;
    {
        const WaitCursor wait;
        read = ReadChosen();
    }
    if (!read) {
        QMessageBox::warning(this, kTitle, Q(read.message));
        return;
    }
    // The project keeps where the trace came from wherever it is opened next.
    read.value->source.path =
        QDir::cleanPath(QFileInfo(filePath_).absoluteFilePath()).toStdString();
    loaded_ = std::move(read.value);
    QDialog::accept();
}

}  // namespace tessarin
