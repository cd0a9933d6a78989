#include "ui/las_import_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "import/import_error.h"
#include "model/numeric.h"
#include "ui/dialog_support.h"

namespace tessarin {
namespace {

constexpr int kViewerLines = 12;  // an empty first line and eleven lines of data
constexpr int kViewerColumns = 30;

// Curve lines often line their columns up with TABs; the list shows them in a fixed-pitch font
// with the TABs expanded, so the columns stay lined up.
QString ExpandTabs(const std::string& line) {
    QString shown;
    for (const QChar c : QString::fromStdString(line)) {
        if (c == QLatin1Char('\t')) {
            shown += QString(8 - shown.size() % 8, QLatin1Char(' '));
        } else {
            shown += c;
        }
    }
    return shown;
}

}  // namespace

std::optional<LogFileChoice> LasImportDialog::Choose(QWidget* parent, const QString& path,
                                                     const QString& curveFrameCaption) {
    LasFile file;
    LasHeader header;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        file = LoadLasFile(path.toStdString());
        header = ReadLasHeader(file);
    } catch (const Error& error) {
        QApplication::restoreOverrideCursor();
        QMessageBox::warning(parent, QString::fromUtf8(import_message::kFormatErrorTitle),
                             QString::fromStdString(error.what()));
        return std::nullopt;
    }
    QApplication::restoreOverrideCursor();
    LasImportDialog dialog(std::move(file), std::move(header), curveFrameCaption, parent);
    dialog.exec();
    return dialog.Choice();
}

LasImportDialog::LasImportDialog(LasFile file, LasHeader header, const QString& curveFrameCaption,
                                 QWidget* parent)
    : QDialog(parent), file_(std::move(file)), header_(std::move(header)) {
    setObjectName(QStringLiteral("readlasform"));
    setWindowTitle(QString::fromStdString(header_.caption));
    setModal(true);

    // The curve list beside the viewer, the depth range under the list: the user picks a curve,
    // reads its depths in the viewer, and types the range below.
    auto* grid = new QGridLayout;
    grid->addWidget(BuildCurveFrame(curveFrameCaption), 0, 0);
    grid->addWidget(BuildViewerFrame(), 0, 1);
    grid->addWidget(BuildDepthFrame(), 1, 0);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(0, 1);

    auto* ok = NamedButton(QStringLiteral("Command1"), QStringLiteral("OK"));
    auto* cancel = NamedButton(QStringLiteral("Command2"), QStringLiteral("Cancel"));
    ok->setDefault(true);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancel, QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &LasImportDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &LasImportDialog::reject);

    grid->addWidget(buttons, 1, 1, Qt::AlignBottom);
    setLayout(grid);

    QWidget::setTabOrder(curves_, startDepth_);
    QWidget::setTabOrder(startDepth_, stopDepth_);
    QWidget::setTabOrder(stopDepth_, scroll_);
    QWidget::setTabOrder(scroll_, ok);
    QWidget::setTabOrder(ok, cancel);

    const int first = std::min(header_.selectedCurve, curves_->count() - 1);
    curves_->setCurrentRow(first);
    RefreshViewer();
    curves_->setFocus();
}

QWidget* LasImportDialog::BuildCurveFrame(const QString& caption) {
    auto* frame = new QGroupBox(caption);
    frame->setObjectName(QStringLiteral("Frame1"));
    curves_ = new QListWidget;
    curves_->setObjectName(QStringLiteral("List1"));
    curves_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    for (const std::string& entry : header_.curveEntries) {
        curves_->addItem(ExpandTabs(entry));
    }
    const QFontMetrics metrics(curves_->font());
    curves_->setMinimumWidth(metrics.horizontalAdvance(QString(32, QLatin1Char('0'))));
    connect(curves_, &QListWidget::currentRowChanged, this, &LasImportDialog::RefreshViewer);
    connect(curves_, &QListWidget::itemDoubleClicked, this, &LasImportDialog::accept);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(curves_);
    return frame;
}

QWidget* LasImportDialog::BuildDepthFrame() {
    auto* frame = new QGroupBox(QStringLiteral("Select Depth Range "));
    frame->setObjectName(QStringLiteral("Frame2"));
    auto* startLabel = new QLabel(QStringLiteral("Start Depth"));
    startLabel->setObjectName(QStringLiteral("Label1"));
    auto* stopLabel = new QLabel(QStringLiteral(" End Depth"));
    stopLabel->setObjectName(QStringLiteral("Label2"));
    startDepth_ = new QLineEdit(QString::fromStdString(header_.startDepthText));
    startDepth_->setObjectName(QStringLiteral("Text1"));
    stopDepth_ = new QLineEdit(QString::fromStdString(header_.stopDepthText));
    stopDepth_->setObjectName(QStringLiteral("Text2"));
    startLabel->setBuddy(startDepth_);
    stopLabel->setBuddy(stopDepth_);
    // The first five characters are selected, so typing a new depth replaces the old one.
    startDepth_->setSelection(0, 5);
    stopDepth_->setSelection(0, 5);

    auto* hint = new QLabel(QStringLiteral(
        "Use the LAS Curve Data Viewer to help determine the   depth range   to import  "));
    hint->setObjectName(QStringLiteral("Label7"));
    // Shown as flowing text: the runs of blanks in it were there to break the line in a label of
    // fixed width and would show here as gaps.
    hint->setTextFormat(Qt::RichText);
    hint->setWordWrap(true);

    auto* layout = new QGridLayout(frame);
    layout->addWidget(startLabel, 0, 0);
    layout->addWidget(startDepth_, 0, 1);
    layout->addWidget(stopLabel, 0, 2);
    layout->addWidget(stopDepth_, 0, 3);
    layout->addWidget(hint, 1, 0, 1, 4);
    layout->setColumnStretch(1, 1);
    layout->setColumnStretch(3, 1);
    return frame;
}

QWidget* LasImportDialog::BuildViewerFrame() {
    auto* frame = new QGroupBox(QStringLiteral("LAS Curve Data Viewer "));
    frame->setObjectName(QStringLiteral("Frame3"));
    viewer_ = new QLabel;
    viewer_->setObjectName(QStringLiteral("Label3"));
    viewer_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    viewer_->setTextFormat(Qt::PlainText);
    viewer_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    viewer_->setBackgroundRole(QPalette::Base);
    viewer_->setAutoFillBackground(true);
    viewer_->setMargin(viewer_->fontMetrics().averageCharWidth());
    const QFontMetrics metrics(viewer_->font());
    viewer_->setMinimumSize(metrics.horizontalAdvance(QString(kViewerColumns, QLatin1Char('0'))) +
                                2 * viewer_->margin(),
                            metrics.lineSpacing() * kViewerLines + 2 * viewer_->margin());
    viewer_->installEventFilter(this);

    scroll_ = new QScrollBar(Qt::Vertical);
    scroll_->setObjectName(QStringLiteral("VScroll1"));
    scroll_->setFocusPolicy(Qt::StrongFocus);
    scroll_->setRange(header_.scroll.minimum, header_.scroll.maximum);
    scroll_->setSingleStep(header_.scroll.smallChange);
    scroll_->setPageStep(header_.scroll.largeChange);
    scroll_->setValue(0);
    // valueChanged also follows the slider while it is dragged.
    connect(scroll_, &QScrollBar::valueChanged, this, &LasImportDialog::RefreshViewer);

    auto* layout = new QHBoxLayout(frame);
    layout->setSpacing(0);
    layout->addWidget(viewer_, 1);
    layout->addWidget(scroll_);
    return frame;
}

void LasImportDialog::RefreshViewer() {
    const QString text = QString::fromStdString(
        RefreshLasViewer(file_, header_, scroll_->value(), curves_->currentRow()));
    viewer_->setText(text);
    // A wider column than the viewer has room for widens it once, rather than being cut off.
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        widest = std::max(widest, viewer_->fontMetrics().horizontalAdvance(line));
    }
    if (widest + 2 * viewer_->margin() > viewer_->minimumWidth()) {
        viewer_->setMinimumWidth(widest + 2 * viewer_->margin());
    }
}

bool LasImportDialog::eventFilter(QObject* watched, QEvent* event) {
    // The wheel over the viewer turns its scroll bar.
    if (watched == viewer_ && event->type() == QEvent::Wheel) {
        QApplication::sendEvent(scroll_, event);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

std::optional<double> LasImportDialog::DepthIn(QLineEdit* box, const QString& what) {
    const auto depth = ParseNumber(box->text().toStdString());
    if (!depth) {
        QMessageBox::warning(
            this, windowTitle(),
            QStringLiteral("The %1 \"%2\" is not a number.").arg(what, box->text()));
        box->setFocus();
        box->selectAll();
    }
    return depth;
}

void LasImportDialog::accept() {
    // The depth boxes are free text; a depth that is no number is refused here, where the user
    // can still correct it, rather than abandoning the import later.
    const auto start = DepthIn(startDepth_, QStringLiteral("start depth"));
    if (!start) {
        return;
    }
    const auto stop = DepthIn(stopDepth_, QStringLiteral("end depth"));
    if (!stop) {
        return;
    }
    // A range that would leave the log empty fails only after the whole import; it is refused
    // here, with the file's own range to go by.
    if (const auto refusal = LasDepthRangeRefusal(header_, *start, *stop)) {
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(*refusal));
        startDepth_->setFocus();
        startDepth_->selectAll();
        return;
    }
    LogFileChoice choice;
    choice.path = file_.Path();
    choice.lasCurveIndex = curves_->currentRow();
    choice.lasStartDepth = *start;
    choice.lasStopDepth = *stop;
    choice.lasDepthUnits = header_.depthUnits;
    choice_ = choice;
    QDialog::accept();
}

void LasImportDialog::reject() {
    choice_.reset();
    QDialog::reject();
}

}  // namespace tessarin
