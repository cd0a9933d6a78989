// The project commands of the File menu: New Project, Open Project, Save Project As, and leaving
// the program, with the question that keeps unsaved changes from being lost.

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <array>
#include <filesystem>

#include "files/open_project.h"
#include "files/project_file.h"
#include "model/error.h"
#include "model/recent_projects.h"
#include "model/reset.h"
#include "plot/layout.h"
#include "ui/file_dialogs.h"
#include "ui/main_window.h"
#include "ui/startup.h"
#include "ui/wait_cursor.h"

namespace tessarin {
namespace {

const char* const kProjectFilter = "Project Files (*.tsp)|*.tsp|All Files (*.*)|*.*";
const QString kRecentProjectsKey = QStringLiteral("Recent/Projects");

std::filesystem::path FilePath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

}  // namespace

void MainWindow::NewProject() {
    if (!MayDiscardChanges()) {
        return;
    }
    // The open project stays until the first dialog is confirmed: Cancel there keeps it on
    // display, as cancelling Open Project's file dialog does.
    Project fresh;
    ShowSettingsProblems(this, ResetProject(fresh, settings_));
    const auto choices = AskSyntheticInformation(fresh);
    if (!choices) {
        return;
    }
    project_ = std::move(fresh);
    ResetWindowState();
    ImportLogs(*choices);
    // The other steps of a new project in the order the work is done; each dialog's Cancel ends
    // it.
    const std::array<void (MainWindow::*)(), 4> steps = {
        &MainWindow::WellInformation, &MainWindow::DefineHorizons, &MainWindow::SelectWavelet,
        &MainWindow::SetScales};
    for (const auto step : steps) {
        if (project_.dialogCancelled) {
            break;
        }
        (this->*step)();
    }
    if (!project_.dialogCancelled) {
        if (const auto failure = Recompute()) {
            QMessageBox::warning(this, QStringLiteral("Display Synthetic"),
                                 QString::fromStdString(*failure));
        }
    }
    project_.dialogCancelled = false;
}

void MainWindow::BuildRecentProjectsMenu(QMenu* file) {
    recentMenu_ = new QMenu(QStringLiteral("&Recent Projects"), file);
    recentMenu_->setObjectName(QStringLiteral("mnurecent"));
    recentMenu_->setToolTipsVisible(true);
    file->insertMenu(Action(Command::kSaveProjectAs), recentMenu_);
    // Filled as it opens, so that a file removed since is not offered.
    connect(recentMenu_, &QMenu::aboutToShow, this, &MainWindow::FillRecentProjectsMenu);
    FillRecentProjectsMenu();
}

void MainWindow::FillRecentProjectsMenu() {
    recentMenu_->clear();
    int number = 0;
    for (const QString& path : QSettings().value(kRecentProjectsKey).toStringList()) {
        // A project moved or deleted since, or on a drive not mounted now, is left out.
        if (!QFileInfo(path).isFile()) {
            continue;
        }
        QAction* item = recentMenu_->addAction(
            QStringLiteral("&%1 %2").arg(++number).arg(QFileInfo(path).fileName()));
        item->setToolTip(path);
        connect(item, &QAction::triggered, this, [this, path] {
            if (MayDiscardChanges()) {
                OpenProject(path);
            }
        });
    }
    recentMenu_->menuAction()->setVisible(number > 0);
}

void MainWindow::RememberRecentProject(const QString& path) {
    QStringList stored = QSettings().value(kRecentProjectsKey).toStringList();
    std::vector<std::string> recent;
    for (const QString& entry : stored) {
        recent.push_back(entry.toStdString());
    }
    stored.clear();
    for (const std::string& entry :
         WithRecentProject(recent, QFileInfo(path).absoluteFilePath().toStdString())) {
        stored << QString::fromStdString(entry);
    }
    QSettings().setValue(kRecentProjectsKey, stored);
    FillRecentProjectsMenu();
}

void MainWindow::OpenProjectCommand() {
    if (!MayDiscardChanges()) {
        return;
    }
    // The file is chosen before anything is reset: a user who cancels keeps the project shown.
    // A new user, with no project folder yet, starts among the example projects.
    const QString kind = QStringLiteral("project");
    const QString proposed = RememberedFolder(kind).isEmpty() && !examplesFolder_.isEmpty()
                                 ? QDir(examplesFolder_).filePath(QStringLiteral("*.tsp"))
                                 : QStringLiteral("*.tsp");
    const QString path =
        AskOpenFileName(this, {kind, QStringLiteral("Open Tessarin Project File"), proposed,
                               QString::fromUtf8(kProjectFilter), 1, QString()});
    if (!path.isEmpty()) {
        OpenProject(path);
    }
}

bool MainWindow::OpenProject(const QString& path) {
    OpenProjectReport report;
    bool read = false;
    QString failure;
    {
        WaitCursor wait;
        try {
            report = OpenProjectFile(project_, settings_, FilePath(path));
            read = true;
        } catch (const Error& e) {
            failure = QString::fromStdString(
                OpenProjectFailureMessage(FilePath(path).string(), e.what()));
        } catch (const std::exception&) {
            failure = QString::fromStdString(
                OpenProjectFailureMessage(FilePath(path).string(), "it cannot be read."));
        }
        ResetWindowState();
    }
    ShowSettingsProblems(this, report.settingsProblems);
    if (!read) {
        QMessageBox::warning(this, QStringLiteral("Open Project"), failure);
        return false;
    }
    RememberRecentProject(path);
    progress_.logsLoaded = true;
    progress_.wellInformation = progress_.logsImported = true;
    progress_.horizonsDefined = progress_.waveletSelected = true;
    ShowWellInTitle();
    if (!report.waveletProblem.empty()) {
        QMessageBox::warning(this, QStringLiteral("Open Project"),
                             QString::fromStdString(report.waveletProblem));
    }
    // A damaged tie or extracted wavelet was left out: the user must know before saving over it.
    for (const std::string* problem : {&report.tieProblem, &report.extractedWaveletProblem}) {
        if (!problem->empty()) {
            QMessageBox::warning(this, QStringLiteral("Open Project"),
                                 QString::fromStdString(*problem));
        }
    }
    // A file saved with a time scale too large to draw opens with its synthetic, not blank.
    if (const auto fitted = FitTimeScaleToPicture(project_, *picture_)) {
        QMessageBox::warning(this, QStringLiteral("Open Project"), QString::fromStdString(*fitted));
    }
    const auto drawFailure = Recompute();
    if (drawFailure && report.waveletProblem.empty()) {
        QMessageBox::warning(this, QStringLiteral("Display Synthetic"),
                             QString::fromStdString(*drawFailure));
    }
    return true;
}

void MainWindow::SaveProjectAs() {
    SaveProject();
}

MainWindow::SaveOutcome MainWindow::SaveProject() {
    // A project is saved once its synthetic has been computed, so that a saved project always
    // opens to a display.
    if (!progress_.synthesisShown) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Warning"),
                        QStringLiteral("Data entry or calculations are not complete.\n"
                                       "Project cannot be saved.\nContinue anyway?"),
                        QMessageBox::Yes | QMessageBox::No, this);
        box.setDefaultButton(QMessageBox::No);
        if (box.exec() == QMessageBox::Yes) {
            return SaveOutcome::kGoOnUnsaved;
        }
        return SaveOutcome::kRefused;
    }
    const QString path = AskSaveFileName(
        this, {QStringLiteral("project"), QStringLiteral("Save Tessarin Project File As"),
               QString::fromStdString(project_.projectFileName), QString::fromUtf8(kProjectFilter),
               1, QStringLiteral("tsp")});
    if (path.isEmpty()) {
        return SaveOutcome::kNotSaved;
    }
    try {
        WaitCursor wait;
        WriteProjectFile(project_, FilePath(path));
    } catch (const Error& e) {
        // The previous file is still there; the user must know this one was not written.
        QMessageBox::warning(this, QStringLiteral("Save Project As"),
                             QString::fromStdString(e.what()));
        return SaveOutcome::kNotSaved;
    }
    project_.projectFileName = QFile::encodeName(path).toStdString();
    RememberRecentProject(path);
    UpdateActions();
    return SaveOutcome::kSaved;
}

void MainWindow::ExitProgram() {
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (MayDiscardChanges()) {
        SaveWindowGeometry(*this);
        event->accept();
    } else {
        event->ignore();
    }
}

bool MainWindow::MayDiscardChanges() {
    if (!project_.projectChanged) {
        return true;
    }
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Warning"),
                    QStringLiteral("Project information has changed.\nSave changes?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
    box.setDefaultButton(QMessageBox::No);
    const int answer = box.exec();
    if (answer == QMessageBox::Cancel) {
        return false;
    }
    if (answer == QMessageBox::No) {
        return true;
    }
    switch (SaveProject()) {
        case SaveOutcome::kSaved:
        case SaveOutcome::kGoOnUnsaved:
            return true;
        case SaveOutcome::kNotSaved:
        case SaveOutcome::kRefused:
            // A save that was cancelled or failed must not let the changes go.
            break;
    }
    return false;
}

}  // namespace tessarin
