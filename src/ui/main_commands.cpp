// The commands of the File, Data and Help menus.

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QTextBrowser>

#include "model/error.h"
#include "plot/bitmap_export.h"
#include "ui/about_dialog.h"
#include "ui/file_dialogs.h"
#include "ui/help_viewer.h"
#include "ui/main_menus.h"
#include "ui/main_window.h"
#include "ui/readout_panel.h"
#include "ui/startup.h"
#include "ui/wait_cursor.h"

namespace tessarin {
namespace {

const char* const kBitmapFilter = "Bitmap Files (*.bmp)|*.bmp|All Files (*.*)|*.*";

}  // namespace

void MainWindow::ConnectCommands() {
    const std::vector<std::pair<const char*, void (MainWindow::*)()>> commands = {
        {"mnunewproj", &MainWindow::NewProject},
        {"mnuopenproj", &MainWindow::OpenProjectCommand},
        {"mnusaveproj", &MainWindow::SaveProjectAs},
        {"mnusavetrace", &MainWindow::ExportData},
        {"mnusgyibm", &MainWindow::ExportSegy},
        {"mnubitmap", &MainWindow::SaveBitmapCommand},
        {"mnuprintset", &MainWindow::PrinterSetup},
        {"mnucalc", &MainWindow::DisplaySynthetic},
        {"mnuprint", &MainWindow::PrintSynthetic},
        {"mnuexit", &MainWindow::ExitProgram},
        {"mnuwellinfo", &MainWindow::WellInformation},
        {"mnusonic", &MainWindow::ImportLogs},
        {"mnutopedit", &MainWindow::DefineHorizons},
        {"mnuselwave", &MainWindow::SelectWavelet},
        {"mnuscales", &MainWindow::SetScales},
        {"mnutoolhelp", &MainWindow::ToggleToolbarHelp},
        {"mnufont", &MainWindow::ChooseFont},
        {"mnusaveini", &MainWindow::SaveSettings},
        {"mnuscrcor", &MainWindow::ScreenScaleCorrection},
        {"mnuVLGW", &MainWindow::VelocityLogGridWidth},
        {"mnuDLGW", &MainWindow::DensityLogGridWidth},
        {"mnucontents", &MainWindow::HelpContents},
        {"mnuhoh", &MainWindow::HelpOnHelp},
        {"mnuabout", &MainWindow::About},
    };
    for (const auto& [name, slot] : commands) {
        connect(MenuAction(QString::fromUtf8(name)), &QAction::triggered, this, slot);
    }
    ConnectChoices(LogPenWidthMenu(), &MainWindow::SetLogPenWidth);
    ConnectChoices(GridPenWidthMenu(), &MainWindow::SetGridPenWidth);
    ConnectChoices(TimingLinesMenu(), &MainWindow::SetTimingLines);
    ConnectChoices(DepthTicksMenu(), &MainWindow::SetDepthTicks);
}

void MainWindow::ConnectChoices(const ChoiceMenu& menu, void (MainWindow::*apply)(int)) {
    for (std::size_t i = 0; i < menu.itemNames.size(); ++i) {
        const int value = menu.values[i];
        connect(MenuAction(QString::fromUtf8(menu.itemNames[i])), &QAction::triggered, this,
                [this, apply, value]() { (this->*apply)(value); });
    }
}

void MainWindow::SaveBitmapCommand() {
    if (!progress_.synthesisShown) {
        return;
    }
    const QString path = AskSaveFileName(
        this, {QStringLiteral("bitmap"), QStringLiteral("Save Synthetic Seismogram as Bitmap"),
               QString::fromStdString(ProposedBitmapName(project_.projectFileName)),
               QString::fromUtf8(kBitmapFilter), 1, QStringLiteral("bmp")});
    if (path.isEmpty()) {
        return;
    }
    try {
        WaitCursor wait;
        SaveBitmap(picture_->Image(), path.toStdString());
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
        PlaceDialog(help_);
    }
    return help_;
}

void MainWindow::HelpContents() {
    if (helpFilePath_.isEmpty()) {
        QMessageBox::warning(this, QStringLiteral("Tessarin help not available"),
                             HelpMissingMessage());
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
