#pragma once

#include <QMainWindow>
#include <QPointF>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/auto_stretch.h"
#include "engine/tie.h"
#include "files/tie_search.h"
#include "import/synthetic_information.h"
#include "model/project.h"
#include "model/settings.h"
#include "plot/painter_surface.h"
#include "plot/plot_state.h"
#include "ui/main_actions.h"

class QAction;
class QDialog;
class QMenu;
class QPrinter;
class QUndoStack;

namespace tessarin {

class HelpViewer;
class KneeGestures;
class LogImport;
class PlotView;
struct WaveletChoice;
class ReadoutPanel;
class TieDock;
class ToolBarStrip;

// How far the user has come with the open project. With the project record it decides every
// enabled state and check mark of the menus (and the toolbar's greyed buttons).
struct ProjectProgress {
    bool logsLoaded = false;      // time logs are in the record
    bool synthesisShown = false;  // a synthetic was drawn since then: printing and exports
    // Steps of a new project that are done; their menu items carry a check mark.
    bool wellInformation = false;
    bool logsImported = false;
    bool horizonsDefined = false;
    bool waveletSelected = false;
};

enum class ProjectStep { kWellInformation, kLogsImported, kHorizonsDefined, kWaveletSelected };

// The program's only top-level window: the menu bar, the toolbar strip, the synthetic display
// with its scroll bars, the pointer readout and the toolbar help strip. Every command is a public
// slot, so that the toolbar runs exactly what the menu runs.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(Project& project, SettingsStore& settings, QWidget* parent = nullptr);
    ~MainWindow() override;

    Project& CurrentProject() { return project_; }
    const PlotState& Plot() const { return plotState_; }
    PlotPicture& Picture() { return *picture_; }
    const ProjectProgress& Progress() const { return progress_; }
    // How many times the display has been drawn: scrolling never adds to it.
    int DisplayCount() const { return displayCount_; }

    // The action of a command, shared by its menu item and toolbar button.
    QAction* Action(Command command) const { return actions_(command); }
    const MainActions& Actions() const { return actions_; }
    ToolBarStrip* ToolbarStrip() const { return toolbar_; }  // `Picture2`, under the menu bar
    QWidget* HelpStrip() const;  // `Picture5`, shown while "Toolbar Help" is checked
    PlotView* View() const { return view_; }
    ReadoutPanel* Readout() const { return readout_; }
    TieDock* TieWindowDock() const;  // `tiewin`, docked at the right while Tie Window is checked
    // The tie measured after the last recompute, or why there is none.
    const std::optional<TieMeasures>& TieMeasured() const { return tieMeasures_; }
    const QString& TieProblem() const { return tieProblem_; }
    // Every change of the stretch's knees, to be undone and done again.
    QUndoStack* KneeEdits() const { return kneeEdits_; }
    KneeGestures* StretchGestures() const { return kneeGestures_; }

    // Twips per logical pixel of the screen the window is on (15 at 96 dots per inch).
    double TwipsPerPixel() const;

    bool ToolbarHelp() const { return toolbarHelp_; }
    void SetToolbarHelp(bool on);
    QString HelpFilePath() const { return helpFilePath_; }
    void SetHelpFilePath(const QString& path) { helpFilePath_ = path; }
    // Where "Open Project..." starts while no folder has been remembered for projects: the
    // example projects installed with the program, when there are any.
    QString ExamplesFolder() const { return examplesFolder_; }
    void SetExamplesFolder(const QString& folder) { examplesFolder_ = folder; }

    // The printer of Printer Setup and Print Synthetic, kept from one command to the next so
    // that the paper and orientation chosen once stay chosen.
    QPrinter& Printer();

    // ResetProject with the window's part: title, menus, no display. Returns the saved settings
    // that could not be used.
    std::vector<SettingsProblem> ResetProjectWindow();
    // Opens a project file and displays it; failures are told in message boxes. Returns whether
    // the file was read.
    bool OpenProject(const QString& path);
    // The File menu's recent projects (`mnurecent`), newest first; a project whose file is gone
    // is left out.
    QMenu* RecentProjectsMenu() const { return recentMenu_; }

    // A step of the project is done (a dialog confirmed, logs imported).
    void CompleteStep(ProjectStep step);

    // The display side of a recompute: the synthetic, the layout and the picture, then the
    // window (scroll ranges, commands). Returns why nothing could be drawn, if so.
    std::optional<std::string> Recompute();
    // Every enabled state and check mark, from the project and its progress.
    void UpdateActions();
    // Centres a dialog over the main window, on the screen.
    void PlaceDialog(QWidget* dialog) const;
    // Places a window that stays open while the user works (help) beside the main window.
    void PlaceBeside(QWidget* window) const;

public slots:
    void NewProject();
    void OpenProjectCommand();
    void SaveProjectAs();
    void ExportData();
    void ExportSegy();
    void SaveBitmapCommand();
    void PrinterSetup();
    void DisplaySynthetic();
    void PrintSynthetic();
    void ExitProgram();

    void WellInformation();
    void ImportLogs();
    void DefineHorizons();
    void SelectWavelet();
    void SetScales();

    void LoadSeismicTrace();
    void ToggleTieWindow();
    void ApplyShift();
    void ResetShift();
    void ApplyPhase();
    void ToggleStretchMode();
    void RunAutoStretch();
    void ClearStretch();
    void UndoStretch();
    void RedoStretch();
    void SaveStretchAsSurvey();
    void UseStretchAsSurvey();
    void ExtractWavelet();
    void ImportWaveletFile();
    void ExportWaveletFile();
    void SetWavelet(const WaveletChoice& choice);

    void ToggleToolbarHelp();
    void ChooseFont();
    void SaveSettings();
    void ScreenScaleCorrection();

    void VelocityLogGridWidth();
    void DensityLogGridWidth();
    void SetLogPenWidth(int width);
    void SetGridPenWidth(int width);
    void SetTimingLines(int perHundredMs);
    void SetDepthTicks(int interval);

    void HelpContents();
    void HelpOnHelp();
    void About();

signals:
    // The pointer left the toolbar's buttons for another part of the window, or a menu opened:
    // the toolbar's hover help goes away.
    void HoverHelpDismissed();
    // Enabled states and check marks were set again.
    void ActionsUpdated();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Asks for a log track width in inches; a refused answer beeps and keeps the old width.
    void AskLogGridWidth(const QString& title, const QString& prompt, std::int16_t& widthTwips);
    void BuildWindow();
    void ConnectCommands();
    void ConnectChoices(Choice choice, void (MainWindow::*apply)(int));
    void ResetWindowState();
    void NewPicture();
    void ShowPicture();
    void RedrawForScreen();
    void UpdateScrollRanges();
    void PointerOverPlot(QPointF twips);
    void ShowWellInTitle();
    void BuildRecentProjectsMenu(QMenu* file);
    void FillRecentProjectsMenu();
    // Puts a project just opened or saved at the top of the recent projects.
    void RememberRecentProject(const QString& path);

    // The seismic tie: the dock, its measures after a recompute, and the Tie menu's states.
    void BuildTieWindow();
    void MeasureTieOfDisplay(bool drawn);
    void UpdateTieActions();
    // Runs a change to the project's tie; a change that took redraws the display, a refused one
    // is told.
    void ChangeTie(const std::function<void()>& change);
    // The search around the well: run from the tie window, shown on its map, and a click on a
    // cell that ties to that cell's trace.
    void SearchAroundWell(int reach);
    void TieToSearchedTrace(int cell);
    void ShowSearch();

    // The stretch: the undo stack, the gestures of Stretch Mode and the tie window's part.
    void BuildStretch();
    void UpdateStretchActions();
    void ShowStretch();
    // The one way the knees change: the project's stretch becomes `knees`, and the display and
    // the tie window show it. Run by the undo stack's commands.
    void SetKnees(const std::vector<StretchKnee>& knees);
    // An edit of the knees by the user: refused (told in the tie window) when the knees would
    // cross, otherwise taken as one step of the undo stack; `chosen` is selected after it.
    void EditKnees(std::vector<StretchKnee> knees, const QString& what,
                   std::optional<StretchKnee> chosen = std::nullopt);
    void DeleteKnee(int knee);

    // Import Sonic/Density Logs with the Synthetic Information choices already confirmed.
    void ImportLogs(const SyntheticInformationValues& choices);
    // The steps of Import Sonic/Density Logs that ask the user: the choices for `shown`, nothing
    // after Cancel; the velocity survey on the import's copy.
    std::optional<SyntheticInformationValues> AskSyntheticInformation(const Project& shown);
    void AskVelocitySurvey(Project& working);
    void ShowImportedLogs();

    // How Save Project As ended, for the commands that save before they go on.
    enum class SaveOutcome {
        kSaved,
        kNotSaved,     // the save dialog was cancelled, or the file could not be written
        kRefused,      // the project cannot be saved yet, and the user chose not to go on
        kGoOnUnsaved,  // the project cannot be saved yet, and the user chose to go on anyway
    };
    SaveOutcome SaveProject();
    // The unsaved-changes question of New, Open and leaving: whether the command may go on.
    bool MayDiscardChanges();
    void ConnectToolbar();
    // After a confirmed dialog: the display shows the change at once, when one is shown.
    void RecomputeIfDisplayed();
    // Shows a dialog modally, placed over the window.
    int ExecPlaced(QDialog& dialog);
    std::optional<QString> AskText(const QString& title, const QString& prompt,
                                   const QString& proposed);
    HelpViewer* Help();

    Project& project_;
    SettingsStore& settings_;
    MainActions actions_;
    PlotState plotState_;
    std::unique_ptr<PlotPicture> picture_;
    double pictureRatio_ = 1.0;
    ProjectProgress progress_;
    int displayCount_ = 0;
    bool toolbarHelp_ = false;
    QString title_;
    QString helpFilePath_;
    QString examplesFolder_;
    // A LAS file dropped on the window: the first log of the New Project it starts, taken
    // instead of asking for a file.
    QString droppedLog_;
    std::unique_ptr<QPrinter> printer_;

    ToolBarStrip* toolbar_ = nullptr;
    QWidget* helpStrip_ = nullptr;
    PlotView* view_ = nullptr;
    ReadoutPanel* readout_ = nullptr;
    HelpViewer* help_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    TieDock* tieWindow_ = nullptr;
    std::optional<TieMeasures> tieMeasures_;
    QString tieProblem_;
    // The tie without the stretch, whose drift the stretch corrects; none without knees.
    std::optional<TieMeasures> unstretchedTie_;
    // The last search around the tie's trace, while the tie's trace is one of those searched.
    std::optional<TieSearch> search_;
    QString searchProblem_;
    QUndoStack* kneeEdits_ = nullptr;
    KneeGestures* kneeGestures_ = nullptr;
    std::optional<AutoStretchResult> autoStretch_;  // the last Auto Stretch's knees and figures
};

// Tells the user, in one message box, which saved settings could not be used and fell back to
// their defaults. Shows nothing when there are none.
void ShowSettingsProblems(QWidget* parent, const std::vector<SettingsProblem>& problems);

}  // namespace tessarin
