// The commands of the File, Data and Help menus, and every menu item's connection.

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>
#include <QTextBrowser>

#include "model/error.h"
#include "plot/bitmap_export.h"
#include "ui/about_dialog.h"
#include "ui/file_dialogs.h"
#include "ui/help_viewer.h"
#include "ui/install_paths.h"
#include "ui/main_window.h"
#include "ui/readout_panel.h"
#include "ui/wait_cursor.h"

namespace tessarin {
namespace {

// PNG first: far smaller, and what a new user expects; the Windows bitmap stays for those who
// chose it before.
const char* const kBitmapFilter =
    "PNG Images (*.png)|*.png|Bitmap Files (*.bmp)|*.bmp|All Files (*.*)|*.*";
const QString kBitmapFormatKey = QStringLiteral("Formats/bitmap");

}  // namespace

void MainWindow::ConnectCommands() {
    const std::pair<Command, void (MainWindow::*)()> commands[] = {
        {Command::kNewProject, &MainWindow::NewProject},
        {Command::kOpenProject, &MainWindow::OpenProjectCommand},
        {Command::kSaveProjectAs, &MainWindow::SaveProjectAs},
        {Command::kExportData, &MainWindow::ExportData},
        {Command::kExportSegy, &MainWindow::ExportSegy},
        {Command::kSaveBitmap, &MainWindow::SaveBitmapCommand},
        {Command::kPrinterSetup, &MainWindow::PrinterSetup},
        {Command::kDisplaySynthetic, &MainWindow::DisplaySynthetic},
        {Command::kPrintSynthetic, &MainWindow::PrintSynthetic},
        {Command::kWellInformation, &MainWindow::WellInformation},
        {Command::kImportLogs, &MainWindow::ImportLogs},
        {Command::kDefineHorizons, &MainWindow::DefineHorizons},
        {Command::kSelectWavelet, &MainWindow::SelectWavelet},
        {Command::kSetScales, &MainWindow::SetScales},
        {Command::kLoadSeismicTrace, &MainWindow::LoadSeismicTrace},
        {Command::kTieWindow, &MainWindow::ToggleTieWindow},
        {Command::kApplyShift, &MainWindow::ApplyShift},
        {Command::kResetShift, &MainWindow::ResetShift},
        {Command::kApplyPhase, &MainWindow::ApplyPhase},
        {Command::kStretchMode, &MainWindow::ToggleStretchMode},
        {Command::kAutoStretch, &MainWindow::RunAutoStretch},
        {Command::kClearStretch, &MainWindow::ClearStretch},
        {Command::kUndoStretch, &MainWindow::UndoStretch},
        {Command::kRedoStretch, &MainWindow::RedoStretch},
        {Command::kSaveStretchSurvey, &MainWindow::SaveStretchAsSurvey},
        {Command::kUseStretchSurvey, &MainWindow::UseStretchAsSurvey},
        {Command::kExtractWavelet, &MainWindow::ExtractWavelet},
        {Command::kImportWaveletFile, &MainWindow::ImportWaveletFile},
        {Command::kExportWaveletFile, &MainWindow::ExportWaveletFile},
        {Command::kToolbarHelp, &MainWindow::ToggleToolbarHelp},
        {Command::kFont, &MainWindow::ChooseFont},
        {Command::kSaveSettings, &MainWindow::SaveSettings},
        {Command::kScreenScaleCorrection, &MainWindow::ScreenScaleCorrection},
        {Command::kVelocityLogGridWidth, &MainWindow::VelocityLogGridWidth},
        {Command::kDensityLogGridWidth, &MainWindow::DensityLogGridWidth},
        {Command::kHelpContents, &MainWindow::HelpContents},
        {Command::kHelpOnHelp, &MainWindow::HelpOnHelp},
        {Command::kAbout, &MainWindow::About},
    };
    for (const auto& [command, slot] : commands) {
        // Triggering a step's item toggles its check mark; the mark shows whether the step is
        // done, so it is set again from the project once the command has run.
        connect(Action(command), &QAction::triggered, this, [this, slot = slot] {
            (this->*slot)();
            UpdateActions();
        });
    }
    // Exit may end the program: nothing runs after it.
    connect(Action(Command::kExit), &QAction::triggered, this, &MainWindow::ExitProgram);
    ConnectChoices(Choice::kLogPenWidth, &MainWindow::SetLogPenWidth);
    ConnectChoices(Choice::kGridPenWidth, &MainWindow::SetGridPenWidth);
    ConnectChoices(Choice::kTimingLines, &MainWindow::SetTimingLines);
    ConnectChoices(Choice::kDepthTicks, &MainWindow::SetDepthTicks);
}

void MainWindow::ConnectChoices(Choice choice, void (MainWindow::*apply)(int)) {
    for (QAction* item : actions_.Items(choice)) {
        const int value = item->data().toInt();
        connect(item, &QAction::triggered, this, [this, apply, value]() { (this->*apply)(value); });
    }
}

void MainWindow::SaveBitmapCommand() {
    if (!progress_.synthesisShown) {
        return;
    }
    // The format the user saved in last time, PNG until then.
    const bool bitmap = QSettings().value(kBitmapFormatKey).toString() == QStringLiteral("bmp");
    const QString suffix = bitmap ? QStringLiteral("bmp") : QStringLiteral("png");
    const QString path = AskSaveFileName(
        this, {QStringLiteral("bitmap"), QStringLiteral("Save Synthetic Seismogram as Bitmap"),
               QString::fromStdString(
                   ProposedBitmapName(project_.projectFileName, "." + suffix.toStdString())),
               QString::fromUtf8(kBitmapFilter), bitmap ? 2 : 1, suffix});
    if (path.isEmpty()) {
        return;
    }
    try {
        WaitCursor wait;
        SavePicture(picture_->Image(), path.toStdString());
        const QString saved = QFileInfo(path).suffix().toLower();
        if (saved == QStringLiteral("bmp") || saved == QStringLiteral("png")) {
            QSettings().setValue(kBitmapFormatKey, saved);
        }
    } catch (const Error& e) {
        // A bitmap that was not written is said so: the user would otherwise look for it.
        QMessageBox::warning(this, QStringLiteral("Save Bitmap"), QString::fromStdString(e.what()));
    }
}

void MainWindow::DisplaySynthetic() {
    if (!progress_.logsLoaded || !progress_.waveletSelected) {
        return;
    }
    if (const auto failure = Recompute()) {
        // Asked for by the user, so a display that cannot be drawn says why.
        QMessageBox::warning(this, QStringLiteral("Display Synthetic"),
                             QString::fromStdString(*failure));
    }
}

HelpViewer* MainWindow::Help() {
    if (!help_) {
        help_ = new HelpViewer(this);
        PlaceBeside(help_);
    }
    return help_;
}

void MainWindow::HelpContents() {
    if (helpFilePath_.isEmpty()) {
        QMessageBox::warning(this, QStringLiteral("Tessarin help not available"),
                             HelpMissingMessage(QCoreApplication::applicationDirPath(),
                                                qEnvironmentVariable("PATH")));
        return;
    }
    Help()->ShowContents(helpFilePath_);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void MainWindow::HelpOnHelp() {
    Help()->ShowHelpOnHelp();
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void MainWindow::About() {
    AboutDialog about(this);
    PlaceDialog(&about);
    about.exec();
}

}  // namespace tessarin
