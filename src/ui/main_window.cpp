#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrinter>
#include <QScreen>
#include <QUndoStack>
#include <QVBoxLayout>
#include <QWindow>

#include "model/reset.h"
#include "model/window_place.h"
#include "plot/layout.h"
#include "plot/plot_driver.h"
#include "ui/app_icon.h"
#include "ui/install_paths.h"
#include "ui/main_menus.h"
#include "ui/plot_view.h"
#include "ui/readout_panel.h"
#include "ui/tie_window.h"
#include "ui/tool_bar.h"

namespace tessarin {
namespace {

const QString kTitle = QStringLiteral("Tessarin Synthetic Seismogram");

// The smallest window that still shows the menus, a piece of the display and the readout.
constexpr int kMinimumWidth = 308;
constexpr int kMinimumHeight = 180;

// What the empty display tells the user to do next, by how far the project has come.
QString NextStepHint(const ProjectProgress& progress) {
    if (!progress.logsLoaded) {
        return QStringLiteral(
            "Open a project with File > Open Project..., or start a new one with File > New "
            "Project.");
    }
    if (!progress.waveletSelected) {
        return QStringLiteral(
            "The logs are imported. Choose a wavelet with Data > Select Wavelet, then show the "
            "synthetic with File > Display Synthetic.");
    }
    return QStringLiteral("Show the synthetic with File > Display Synthetic.");
}

}  // namespace

MainWindow::MainWindow(Project& project, SettingsStore& settings, QWidget* parent)
    : QMainWindow(parent), project_(project), settings_(settings), actions_(this) {
    setObjectName(QStringLiteral("Form1"));
    setWindowIcon(ProgramIcon());
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    setAcceptDrops(true);
    examplesFolder_ = FindExamplesFolder(QCoreApplication::applicationDirPath());
    BuildWindow();
    ConnectCommands();
    ConnectToolbar();
    NewPicture();
    title_ = kTitle;
    UpdateActions();
}

MainWindow::~MainWindow() {
    // The base class hides the docks as it closes, after this object's own members are gone:
    // the tie window must not tell us about it then.
    if (tieWindow_) {
        tieWindow_->disconnect(this);
    }
    // The undo stack, a child too, says it was cleared as it goes.
    if (kneeEdits_) {
        kneeEdits_->disconnect(this);
    }
}

void MainWindow::BuildWindow() {
    const MainMenus menus = BuildMainMenus(menuBar(), actions_);
    auto* central = new QWidget(this);
    toolbar_ = new ToolBarStrip(actions_, central);
    view_ = new PlotView(central);
    readout_ = new ReadoutPanel(central);
    // On a narrow window the readout gives up its right end before the window its width.
    readout_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    // The help line sits at the bottom, by the readout: the tip hangs below the toolbar, and
    // there it would cover the help line.
    helpStrip_ = toolbar_->HelpStrip();
    helpStrip_->setVisible(false);

    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolbar_);
    layout->addWidget(view_, 1);
    layout->addWidget(readout_);
    layout->addWidget(helpStrip_);
    setCentralWidget(central);

    readout_->installEventFilter(this);
    view_->installEventFilter(this);
    connect(view_, &PlotView::PointerMoved, this, &MainWindow::PointerOverPlot);
    connect(view_, &PlotView::PointerLeft, readout_, &ReadoutPanel::HideValues);
    connect(view_, &PlotView::ContextMenuRequested, menus.data,
            [data = menus.data](QPoint at) { data->popup(at); });
    connect(view_, &PlotView::PlotLengthLimitReached, this, [this]() {
        QMessageBox::warning(this, QString::fromUtf8(kPlotLengthLimitTitle),
                             QString::fromUtf8(kPlotLengthLimitMessage));
    });
    BuildRecentProjectsMenu(menus.file);
    for (QMenu* menu : menus.HidingHoverHelp()) {
        connect(menu, &QMenu::aboutToShow, this, &MainWindow::HoverHelpDismissed);
    }
    BuildTieWindow();
}

void MainWindow::ConnectToolbar() {
    // The help of the toolbar and the readout of the plot never show at the same time: the
    // pointer is over the one or the other.
    connect(toolbar_, &ToolBarStrip::PointerOverToolbar, readout_, &ReadoutPanel::HideValues);
    connect(this, &MainWindow::HoverHelpDismissed, toolbar_, &ToolBarStrip::HideHoverLabels);
}

QWidget* MainWindow::HelpStrip() const {
    return helpStrip_;
}

double MainWindow::TwipsPerPixel() const {
    const QScreen* current = screen();
    const double dpi = current ? current->logicalDotsPerInchY() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

void MainWindow::SetToolbarHelp(bool on) {
    toolbarHelp_ = on;
    Action(Command::kToolbarHelp)->setChecked(on);
    helpStrip_->setVisible(on);
}

void MainWindow::UpdateActions() {
    // The synthetic needs logs and a wavelet built for them; an import erases the wavelet.
    Action(Command::kDisplaySynthetic)
        ->setEnabled(progress_.logsLoaded && progress_.waveletSelected);
    for (Command needsSynthetic : {Command::kPrintSynthetic, Command::kExportData,
                                   Command::kSaveBitmap, Command::kExportSegy}) {
        Action(needsSynthetic)->setEnabled(progress_.synthesisShown);
    }
    Action(Command::kWellInformation)->setChecked(progress_.wellInformation);
    Action(Command::kImportLogs)->setChecked(progress_.logsImported);
    Action(Command::kDefineHorizons)->setChecked(progress_.horizonsDefined);
    Action(Command::kSelectWavelet)->setChecked(progress_.waveletSelected);
    Action(Command::kToolbarHelp)->setChecked(toolbarHelp_);

    actions_.Check(Choice::kLogPenWidth, project_.logPenWidth);
    actions_.Check(Choice::kGridPenWidth, project_.gridPenWidth);
    actions_.Check(Choice::kTimingLines, project_.timingLinesPer100ms);
    actions_.Check(Choice::kDepthTicks, project_.depthTickInterval);
    UpdateTieActions();

    view_->SetHint(NextStepHint(progress_));
    setWindowTitle(title_ + QStringLiteral("[*]"));
    setWindowModified(project_.projectChanged);
    emit ActionsUpdated();
}

void MainWindow::CompleteStep(ProjectStep step) {
    switch (step) {
        case ProjectStep::kWellInformation:
            progress_.wellInformation = true;
            break;
        case ProjectStep::kLogsImported:
            // New logs make the display out of date until it is computed again, with a wavelet
            // chosen again for them.
            progress_.logsImported = true;
            progress_.logsLoaded = true;
            progress_.synthesisShown = false;
            progress_.waveletSelected = false;
            break;
        case ProjectStep::kHorizonsDefined:
            progress_.horizonsDefined = true;
            break;
        case ProjectStep::kWaveletSelected:
            // Logs and a wavelet: the synthetic can be computed.
            progress_.waveletSelected = true;
            if (progress_.logsImported) {
                progress_.logsLoaded = true;
            }
            break;
    }
    UpdateActions();
}

void MainWindow::ShowWellInTitle() {
    title_ = kTitle + QStringLiteral(" : ") + QString::fromStdString(project_.wellName);
    UpdateActions();
}

std::vector<SettingsProblem> MainWindow::ResetProjectWindow() {
    auto problems = ResetProject(project_, settings_);
    ResetWindowState();
    return problems;
}

void MainWindow::ResetWindowState() {
    progress_ = {};
    title_ = kTitle;
    plotState_ = {};
    // A reset project has no display: an old well's picture would only mislead.
    NewPicture();
    readout_->HideValues();
    // Another project's knees are nothing to go back to.
    kneeEdits_->clear();
    autoStretch_.reset();
    // Nor are the traces around another project's well.
    search_.reset();
    searchProblem_.clear();
    MeasureTieOfDisplay(false);
    UpdateActions();
}

void MainWindow::NewPicture() {
    pictureRatio_ = devicePixelRatioF();
    picture_ = std::make_unique<PlotPicture>(TwipsPerPixel() / pictureRatio_, pictureRatio_);
    ShowPicture();
}

void MainWindow::ShowPicture() {
    const QImage& image = picture_->Image();
    const bool drawn = image.width() > 1 && image.height() > 1;
    view_->SetPicture(drawn ? &image : nullptr, TwipsPerPixel(), pictureRatio_);
    UpdateScrollRanges();
}

std::optional<std::string> MainWindow::Recompute() {
    if (!progress_.logsLoaded) {
        return std::string("There are no logs to display yet.");
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (pictureRatio_ != devicePixelRatioF()) {
        NewPicture();
    }
    auto failure = RecomputeAndDisplay(project_, plotState_, *picture_);
    ++displayCount_;
    if (!failure) {
        progress_.synthesisShown = true;
    }
    MeasureTieOfDisplay(!failure);
    ShowPicture();
    readout_->HideValues();
    UpdateActions();
    QApplication::restoreOverrideCursor();
    return failure;
}

void MainWindow::RedrawForScreen() {
    // Another screen, another pixel ratio: the same display drawn again at the new resolution,
    // without computing the synthetic again.
    if (pictureRatio_ == devicePixelRatioF()) {
        return;
    }
    NewPicture();
    if (progress_.synthesisShown) {
        DrawDisplay(project_, plotState_, *picture_);
        ++displayCount_;
    }
    ShowPicture();
}

void MainWindow::UpdateScrollRanges() {
    const double twips = TwipsPerPixel();
    // No display, no scrolling: the layout of the last drawing is what the picture shows.
    const double pictureHeight = view_->HasPicture() ? plotState_.pictureHeight : 0.0;
    const double pictureWidth = view_->HasPicture() ? plotState_.pictureWidth : 0.0;
    // The window's inner height is what lies under the menu bar, the help strip aside: the
    // strip takes its height from the display, as the readout does.
    const int helpHeight = helpStrip_->isHidden() ? 0 : helpStrip_->minimumHeight();
    const double innerHeight = (centralWidget()->height() - helpHeight) * twips;
    const double innerWidth = centralWidget()->width() * twips;
    VerticalScrollRange vertical;
    if (pictureHeight > 0) {
        vertical = ComputeVerticalScrollRange(pictureHeight, innerHeight, twips,
                                              readout_->minimumHeight() * twips,
                                              view_->HorizontalBar()->sizeHint().height() * twips);
    }
    const double horizontal = pictureWidth - innerWidth;
    view_->SetScrollRanges(vertical, horizontal > 0 ? static_cast<int>(horizontal) : 0);
}

void MainWindow::PlaceDialog(QWidget* dialog) const {
    dialog->ensurePolished();
    if (!dialog->testAttribute(Qt::WA_Resized)) {
        dialog->adjustSize();
    }
    // The dialog's frame is not known before it is shown; the main window's is the same kind.
    const QSize decoration = frameGeometry().size() - size();
    const QScreen* current = screen();
    if (current) {
        // Never larger than the screen (a small screen, or a large scale factor), as far as its
        // controls allow.
        const QSize fitted = dialog->size()
                                 .boundedTo(current->availableGeometry().size() - decoration)
                                 .expandedTo(dialog->minimumSizeHint());
        if (fitted != dialog->size()) {
            dialog->resize(fitted);
        }
    }
    const QRect frame = frameGeometry();
    const QSize placedSize = dialog->size() + decoration;
    QRect placed(QPoint(frame.center().x() - placedSize.width() / 2,
                        frame.center().y() - placedSize.height() / 2),
                 placedSize);
    // Never off the screen, where its buttons could not be reached.
    if (current) {
        const QRect area = current->availableGeometry();
        placed.moveLeft(std::clamp(placed.left(), area.left(),
                                   std::max(area.left(), area.right() + 1 - placed.width())));
        placed.moveTop(std::clamp(placed.top(), area.top(),
                                  std::max(area.top(), area.bottom() + 1 - placed.height())));
    }
    dialog->move(placed.topLeft());
}

void MainWindow::PlaceBeside(QWidget* window) const {
    const QScreen* current = screen();
    if (!current) {
        return;
    }
    const QSize decoration = frameGeometry().size() - size();
    const QSize outer = window->size() + decoration;
    const QRect main = frameGeometry();
    const QRect area = current->availableGeometry();
    const WindowRect placed = BesideWindow({main.x(), main.y(), main.width(), main.height()},
                                           {0, 0, outer.width(), outer.height()},
                                           {area.x(), area.y(), area.width(), area.height()});
    window->resize(QSize(placed.width, placed.height) - decoration);
    window->move(placed.left, placed.top);
}

void MainWindow::PointerOverPlot(QPointF twips) {
    emit HoverHelpDismissed();
    QWidget* surface = view_->Surface();
    if (!progress_.synthesisShown) {
        surface->setCursor(Qt::ArrowCursor);
        return;
    }
    const ReadoutText readout =
        ReadoutAt(project_, plotState_.readout, twips.x(), twips.y(), TwipsPerPixel());
    surface->setCursor(readout.inTimeRange ? Qt::CrossCursor : Qt::ArrowCursor);
    readout_->Show(readout);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_ && event->type() == QEvent::Resize) {
        UpdateScrollRanges();
    } else if (event->type() == QEvent::MouseMove) {
        emit HoverHelpDismissed();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (QWindow* window = windowHandle()) {
        connect(window, &QWindow::screenChanged, this, &MainWindow::RedrawForScreen,
                Qt::UniqueConnection);
    }
    RedrawForScreen();
}

void ShowSettingsProblems(QWidget* parent, const std::vector<SettingsProblem>& problems) {
    if (problems.empty()) {
        return;
    }
    QStringList lines;
    for (const SettingsProblem& problem : problems) {
        lines << QString::fromStdString(problem.Message());
    }
    QMessageBox::warning(parent, QStringLiteral("Tessarin"), lines.join(QLatin1Char('\n')));
}

}  // namespace tessarin
