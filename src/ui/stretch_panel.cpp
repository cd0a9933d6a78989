#include "ui/stretch_panel.h"

#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "engine/stretch.h"
#include "ui/dialog_support.h"
#include "ui/main_actions.h"
#include "ui/tie_plots.h"

namespace tessarin {
namespace {

const QColor kOverLimit(255, 205, 205);

QString Number(double value, int decimals) {
    const QString digits = QString::number(std::fabs(value), 'f', decimals);
    const bool zero = digits.toDouble() == 0.0;
    return (value < 0 && !zero ? QStringLiteral("-") : QString()) + digits;
}

QString SignedNumber(double value, int decimals) {
    const QString text = Number(value, decimals);
    return text.startsWith(QLatin1Char('-')) ? text : QStringLiteral("+") + text;
}

QLabel* MessageLine(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: #a00000"));
    label->hide();
    return label;
}

QTableWidgetItem* Cell(const QString& text, bool editable) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (editable) {
        flags |= Qt::ItemIsEditable;
    }
    item->setFlags(flags);
    return item;
}

QString LimitTip(double limit) {
    return QStringLiteral(
               "The interval velocity above this knee changes by more than the limit "
               "of %1 %")
        .arg(limit);
}

}  // namespace

StretchPanel::StretchPanel(const MainActions& actions, QWidget* parent)
    : QGroupBox(QStringLiteral("Stretch"), parent) {
    auto* layout = new QVBoxLayout(this);
    table_ = new QTableWidget(0, 4, this);
    table_->setObjectName(QStringLiteral("kneesTable"));
    table_->setHorizontalHeaderLabels(
        {QStringLiteral("Synthetic\ntime (s)"), QStringLiteral("New\ntime (s)"),
         QStringLiteral("Shift\n(ms)"), QStringLiteral("Velocity\nchange (%)")});
    table_->horizontalHeaderItem(kVelocityChangeColumn)
        ->setToolTip(
            QStringLiteral("Change of interval velocity over the interval above the knee"));
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setMinimumHeight(8 * (fontMetrics().height() + 6));
    table_->installEventFilter(this);
    warning_ = MessageLine("stretchWarning", this);
    refusal_ = MessageLine("stretchRefusal", this);
    velocityPlot_ = new CurvePlot(QStringLiteral("velocityPlot"), this);
    velocityPlot_->setMinimumHeight(12 * fontMetrics().height());
    layout->addWidget(BuildButtons(actions));
    layout->addWidget(BuildFigures());
    layout->addWidget(warning_);
    layout->addWidget(refusal_);
    layout->addWidget(table_);
    layout->addWidget(velocityPlot_);
    connect(table_, &QTableWidget::itemChanged, this, &StretchPanel::CellEdited);
    connect(table_, &QTableWidget::itemSelectionChanged, this, [this] {
        const QList<QTableWidgetItem*> chosen = table_->selectedItems();
        emit KneeSelected(chosen.isEmpty() ? std::nullopt : std::optional(chosen.front()->row()));
    });
}

QWidget* StretchPanel::BuildButtons(const MainActions& actions) {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    const std::tuple<Command, const char*, int, int> buttons[] = {
        {Command::kStretchMode, "stretchMode", 0, 0},
        {Command::kAutoStretch, "autoStretch", 0, 1},
        {Command::kClearStretch, "clearStretch", 0, 2},
        {Command::kUndoStretch, "undoStretch", 1, 0},
        {Command::kRedoStretch, "redoStretch", 1, 1}};
    for (const auto& [command, name, row, column] : buttons) {
        auto* button = new QToolButton(box);
        button->setObjectName(QString::fromLatin1(name));
        button->setDefaultAction(actions(command));
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        grid->addWidget(button, row, column);
    }
    return box;
}

QWidget* StretchPanel::BuildFigures() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    rBefore_ = MakeFigureLabel("rBefore", box);
    rAfter_ = MakeFigureLabel("rAfter", box);
    largestStrain_ = MakeFigureLabel("largestStrain", box);
    largestChange_ = MakeFigureLabel("largestVelocityChange", box);
    grid->addWidget(new QLabel(QStringLiteral("r in the window before:"), box), 0, 0);
    grid->addWidget(rBefore_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("after:"), box), 0, 2);
    grid->addWidget(rAfter_, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("Largest strain:"), box), 1, 0);
    grid->addWidget(largestStrain_, 1, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Largest velocity change:"), box), 2, 0);
    grid->addWidget(largestChange_, 2, 1, 1, 3);
    velocityLimit_ = new QDoubleSpinBox(box);
    velocityLimit_->setObjectName(QStringLiteral("velocityLimit"));
    velocityLimit_->setRange(0.5, 100);
    velocityLimit_->setDecimals(1);
    velocityLimit_->setSuffix(QStringLiteral(" %"));
    velocityLimit_->setToolTip(
        QStringLiteral("Knees whose interval velocity changes by more than this are marked"));
    auto* limitLabel = new QLabel(QStringLiteral("Velocity &limit:"), box);
    limitLabel->setBuddy(velocityLimit_);
    grid->addWidget(limitLabel, 3, 0);
    grid->addWidget(velocityLimit_, 3, 1, 1, 3, Qt::AlignLeft);
    // Typed digit by digit, the limit is taken when the box is left or Enter is pressed.
    velocityLimit_->setKeyboardTracking(false);
    connect(velocityLimit_, &QDoubleSpinBox::valueChanged, this,
            &StretchPanel::VelocityLimitChanged);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return box;
}

void StretchPanel::Show(const Project& project, double velocityLimit,
                        const std::optional<AutoStretchResult>& autoStretch,
                        std::optional<int> selected) {
    knees_ = KneesOf(project);
    const std::vector<StretchInterval> intervals = StretchIntervals(knees_);
    double strain = 0;
    for (const StretchInterval& interval : intervals) {
        strain = std::max(strain, std::fabs(interval.strain));
    }
    const double change = LargestVelocityChange(intervals);
    // Figures that were true of other knees would lie: r is shown only for the knees it was
    // measured with.
    const bool current = autoStretch && autoStretch->knees == knees_;
    ShowFigures(current ? autoStretch : std::nullopt, strain, change);
    {
        const QSignalBlocker block(velocityLimit_);
        velocityLimit_->setValue(velocityLimit);
    }
    warning_->setText(QStringLiteral("The interval velocity changes by up to %1 %, more than the "
                                     "limit of %2 %: check the knees marked in the table.")
                          .arg(Number(change, 1))
                          .arg(velocityLimit));
    warning_->setVisible(change > velocityLimit);
    ShowTable(velocityLimit, selected);
    ShowVelocities(project);
}

void StretchPanel::ShowRefusal(const QString& reason) {
    refusal_->setText(reason);
    refusal_->setVisible(!reason.isEmpty());
}

void StretchPanel::ShowFigures(const std::optional<AutoStretchResult>& autoStretch,
                               double largestStrain, double largestChange) {
    rBefore_->setText(autoStretch ? Number(autoStretch->rBefore, 2) : QStringLiteral("–"));
    rAfter_->setText(autoStretch ? Number(autoStretch->rAfter, 2) : QStringLiteral("–"));
    const bool any = knees_.size() >= 2;
    largestStrain_->setText(any ? Number(largestStrain, 3) : QStringLiteral("–"));
    largestChange_->setText(any ? Number(largestChange, 1) + QStringLiteral(" %")
                                : QStringLiteral("–"));
}

void StretchPanel::ShowTable(double velocityLimit, std::optional<int> selected) {
    const QSignalBlocker block(table_);
    const std::vector<StretchInterval> intervals = StretchIntervals(knees_);
    table_->setRowCount(static_cast<int>(knees_.size()));
    for (std::size_t k = 0; k < knees_.size(); ++k) {
        const StretchKnee& knee = knees_[k];
        const int row = static_cast<int>(k);
        table_->setItem(row, kSyntheticTimeColumn, Cell(Number(knee.syntheticTime, 4), true));
        table_->setItem(row, kNewTimeColumn, Cell(Number(knee.newTime, 4), true));
        table_->setItem(row, kShiftColumn, Cell(SignedNumber(knee.Shift() * 1000, 1), false));
        // Each row shows the interval that ends at its knee.
        const double change = k == 0 ? 0 : intervals[k - 1].velocityChangePercent;
        table_->setItem(row, kVelocityChangeColumn,
                        Cell(k == 0 ? QStringLiteral("–") : SignedNumber(change, 1), false));
        if (std::fabs(change) > velocityLimit) {
            for (int column = 0; column < table_->columnCount(); ++column) {
                table_->item(row, column)->setBackground(kOverLimit);
                table_->item(row, column)->setToolTip(LimitTip(velocityLimit));
            }
        }
    }
    table_->clearSelection();
    if (selected && *selected < table_->rowCount()) {
        table_->selectRow(*selected);
    }
}

void StretchPanel::ShowVelocities(const Project& project) {
    CurvePlotData plot;
    const bool metric = project.measurementUnits == kMetric;
    plot.title = QStringLiteral("Interval velocity: before (blue), after (green)");
    plot.xLabel = metric ? QStringLiteral("velocity (m/s)") : QStringLiteral("velocity (ft/s)");
    plot.yLabel = QStringLiteral("two-way time (s)");
    plot.yDown = true;
    plot.emptyText = QStringLiteral("Two knees along the log make an interval");
    const std::vector<KneeIntervalVelocity> velocities = KneeIntervalVelocities(project);
    double low = 0;
    double high = 0;
    for (const KneeIntervalVelocity& v : velocities) {
        plot.points.emplace_back(v.before, v.top);
        plot.points.emplace_back(v.before, v.bottom);
        plot.overlay.emplace_back(v.after, v.top);
        plot.overlay.emplace_back(v.after, v.bottom);
        low = std::min(low == 0 ? v.before : low, std::min(v.before, v.after));
        high = std::max(high, std::max(v.before, v.after));
    }
    if (!velocities.empty()) {
        plot.yRange = PlotRange{velocities.front().top, velocities.back().bottom};
        const double margin = std::max(1.0, (high - low) * 0.1);
        plot.xRange = PlotRange{low - margin, high + margin};
    }
    velocityPlot_->SetData(std::move(plot));
}

void StretchPanel::CellEdited(QTableWidgetItem* item) {
    const auto k = static_cast<std::size_t>(item->row());
    if (k >= knees_.size()) {
        return;
    }
    bool number = false;
    const double seconds = item->text().trimmed().toDouble(&number);
    if (!number || !std::isfinite(seconds)) {
        ShowRefusal(QStringLiteral("\"%1\" is not a time in seconds.").arg(item->text()));
        const QSignalBlocker block(table_);
        item->setText(Number(
            item->column() == kNewTimeColumn ? knees_[k].newTime : knees_[k].syntheticTime, 4));
        return;
    }
    std::vector<StretchKnee> knees = knees_;
    (item->column() == kNewTimeColumn ? knees[k].newTime : knees[k].syntheticTime) = seconds;
    emit KneesEdited(knees);
}

bool StretchPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        // While a cell is edited its editor has the keys: Delete then edits the text.
        const QList<QTableWidgetItem*> chosen = table_->selectedItems();
        if (!chosen.isEmpty()) {
            emit KneeDeleted(chosen.front()->row());
            return true;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

}  // namespace tessarin
