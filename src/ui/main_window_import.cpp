// Import Sonic/Density Logs: the Synthetic Information choices, the velocity survey when it is to
// be applied, then the sonic and density files. Every step works on the import's copy of the
// project, so a step the user cancels, or a file that cannot be imported, leaves the open project
// exactly as it was; only a completed import replaces it.

#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <new>
#include <optional>
#include <utility>

#include "import/import_error.h"
#include "import/las_reader.h"
#include "import/log_import.h"
#include "import/synthetic_information.h"
#include "model/error.h"
#include "ui/file_dialogs.h"
#include "ui/import_progress_dialog.h"
#include "ui/las_import_dialog.h"
#include "ui/main_window.h"
#include "ui/readout_panel.h"
#include "ui/synthetic_information_dialog.h"
#include "ui/velocity_survey_dialog.h"
#include "ui/wait_cursor.h"

namespace tessarin {
namespace {

// What tells the sonic routine from the density routine, as the user sees them.
struct LogRoutine {
    const char* caption;  // of the progress window, and of a message about a failure
    const char* fileTitle;
    const char* fileFilter;
    const char* curveFrameCaption;
    void (LogImport::*run)(const LogFileChoice&, ImportProgress&);
};

const LogRoutine kSonicRoutine{
    "Import Sonic Log", "Open Sonic File",
    "Delta T Files (*.dt)|*.dt|LAS Files (*.las)|*.las|All Files (*.*)|*.*",
    " Select SONIC curve and double click or click OK ", &LogImport::ImportSonic};

const LogRoutine kDensityRoutine{
    "Import Density Log", "Open Density File",
    "Density Files (*.den)|*.den|LAS Files (*.las)|*.las|All Files (*.*)|*.*",
    " Select DENSITY curve and double click or click OK ", &LogImport::ImportDensity};

// The LAS filter is the one chosen at first: most logs come as LAS files.
constexpr int kLasFilter = 2;

// A LAS file whose depths are in other units than the project's would have its depths and
// elevations taken in the wrong units without a word; the user is told before anything is read
// and may switch the project's units, go on as it is, or stop. False when the user stopped.
bool AgreeOnUnits(QWidget* parent, Project& working, const LogRoutine& routine,
                  const LogFileChoice& choice) {
    const auto mismatch = LasUnitsMismatch(choice.lasDepthUnits, working.measurementUnits);
    if (!mismatch) {
        return true;
    }
    const bool toMetric = *choice.lasDepthUnits == kMetric;
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(routine.caption),
                    QString::fromStdString(*mismatch), QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("unitsQuestion"));
    auto* switchUnits = box.addButton(
        toMetric ? QStringLiteral("Switch to Metric") : QStringLiteral("Switch to English"),
        QMessageBox::AcceptRole);
    auto* goOn = box.addButton(QStringLiteral("Go On"), QMessageBox::DestructiveRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(switchUnits);
    box.exec();
    if (box.clickedButton() == switchUnits) {
        SwitchImportUnits(working, *choice.lasDepthUnits);
        return true;
    }
    return box.clickedButton() == goOn;
}

// The file of one routine and, for a LAS file, its curve and depth range. Nothing when the user
// left a dialog without choosing, or when the LAS header did not read (the LAS dialog has then
// said why).
std::optional<LogFileChoice> ChooseLogFile(QWidget* parent, const LogRoutine& routine,
                                           const QString& chosen) {
    const QString path =
        !chosen.isEmpty()
            ? chosen
            : AskOpenFileName(parent,
                              {QStringLiteral("log"), QString::fromUtf8(routine.fileTitle),
                               QStringLiteral("*.las"), QString::fromUtf8(routine.fileFilter),
                               kLasFilter, QString()});
    if (path.isEmpty()) {
        return std::nullopt;
    }
    if (!IsLasPath(path.toStdString())) {
        LogFileChoice plain;
        plain.path = QFile::encodeName(path).toStdString();
        return plain;
    }
    auto choice =
        LasImportDialog::Choose(parent, path, QString::fromUtf8(routine.curveFrameCaption));
    if (choice) {
        choice->path = QFile::encodeName(path).toStdString();
    }
    return choice;
}

void TellImportFailure(QWidget* parent, const std::string& title, const std::string& reason) {
    QMessageBox::warning(parent, QString::fromStdString(title), QString::fromStdString(reason));
}

// Runs one routine on the import's copy, on the file `chosen` already or on one the user picks. A
// file that cannot be imported is told with its reason: the user has to know why the logs did
// not come in.
bool RunRoutine(QWidget* parent, LogImport& import, const LogRoutine& routine,
                ImportProgress& progress, const QString& chosen) {
    const auto file = ChooseLogFile(parent, routine, chosen);
    if (!file || !AgreeOnUnits(parent, import.Working(), routine, *file)) {
        return false;
    }
    try {
        WaitCursor wait;
        (import.*routine.run)(*file, progress);
        return true;
    } catch (const ImportError& e) {
        TellImportFailure(parent, e.Title().empty() ? routine.caption : e.Title(), e.what());
    } catch (const Error& e) {
        TellImportFailure(parent, routine.caption, e.what());
    } catch (const std::bad_alloc&) {
        TellImportFailure(parent, routine.caption, "There is not enough memory to import the log.");
    }
    return false;
}

}  // namespace

void MainWindow::ImportLogs() {
    project_.dialogCancelled = false;
    const auto choices = AskSyntheticInformation(project_);
    if (!choices) {
        project_.dialogCancelled = true;  // a New Project in progress stops here
        return;
    }
    ImportLogs(*choices);
}

void MainWindow::ImportLogs(const SyntheticInformationValues& choices) {
    project_.dialogCancelled = false;
    LogImport import(project_);
    Project& working = import.Working();
    // The values in the other dialogs follow the units before the choices are taken.
    ChangeMeasurementUnits(working, choices.measurementUnits);
    import.SetSyntheticInformation(choices);
    if (working.applyVelocitySurvey) {
        AskVelocitySurvey(working);
    }
    ImportProgressDialog progress(this);
    // A dropped LAS file is the first log read; any other is asked for.
    QString dropped = std::exchange(droppedLog_, QString());
    const auto run = [&](const LogRoutine& routine) {
        if (!working.dialogCancelled &&
            !RunRoutine(this, import, routine, progress, std::exchange(dropped, QString()))) {
            working.dialogCancelled = true;
        }
    };
    if (!working.gardnerFromDensity) {
        run(kSonicRoutine);
        if (working.impedanceType == kSonicDensity) {
            run(kDensityRoutine);
        }
    } else {
        run(kDensityRoutine);  // the sonic is made from the density
    }
    if (working.dialogCancelled) {
        project_.dialogCancelled = true;  // a New Project in progress stops here
        return;
    }
    std::vector<HorizonEntry> leftOut;
    try {
        leftOut = import.Commit(project_);
    } catch (const Error& e) {
        TellImportFailure(this, "Import Sonic/Density Logs", e.what());
        project_.dialogCancelled = true;
        return;
    }
    ShowImportedLogs();
    if (!leftOut.empty()) {
        QMessageBox::information(this, QStringLiteral("Import Sonic/Density Logs"),
                                 QString::fromStdString(HorizonsLeftOutMessage(project_, leftOut)));
    }
}

std::optional<SyntheticInformationValues> MainWindow::AskSyntheticInformation(
    const Project& shown) {
    SyntheticInformationDialog dialog(shown, this);
    if (ExecPlaced(dialog) != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Values();
}

void MainWindow::AskVelocitySurvey(Project& working) {
    VelocitySurveyDialog dialog(working, this);
    ExecPlaced(dialog);
    if (!dialog.Values()) {
        working.dialogCancelled = true;
        return;
    }
    ApplyVelocitySurveyValues(working, *dialog.Values());
    working.projectChanged = true;
}

void MainWindow::ShowImportedLogs() {
    // The old display belongs to the old logs, and the wavelet has to be chosen again.
    plotState_ = {};
    NewPicture();
    readout_->HideValues();
    ShowWellInTitle();
    CompleteStep(ProjectStep::kLogsImported);
}

}  // namespace tessarin
