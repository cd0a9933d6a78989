// The stretch's commands of the Tie menu and the tie window: Stretch Mode, Auto Stretch, Clear
// Stretch, Undo and Redo, and the stretch carried into a velocity survey. Every change of the
// knees is one step of the undo stack, and every step sets the knees the same way: SetKnees,
// which stores them in the project, recomputes and redraws.

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QUndoStack>

#include "engine/auto_stretch.h"
#include "engine/stretch.h"
#include "import/stretch_survey.h"
#include "model/error.h"
#include "model/settings.h"
#include "ui/file_dialogs.h"
#include "ui/knee_edit.h"
#include "ui/knee_gestures.h"
#include "ui/main_window.h"
#include "ui/plot_view.h"
#include "ui/stretch_panel.h"
#include "ui/tie_window.h"
#include "ui/wait_cursor.h"

namespace tessarin {
namespace {

const QString kStretchTitle = QStringLiteral("Stretch");
// As the Velocity Survey dialog writes and reads them.
const QString kSurveyFilter = QStringLiteral("Project Files (*.vs)|*.vs|All Files (*.*)|*.*");

std::optional<int> IndexOf(const std::vector<StretchKnee>& knees, const StretchKnee& knee) {
    for (std::size_t k = 0; k < knees.size(); ++k) {
        if (knees[k] == knee) {
            return static_cast<int>(k);
        }
    }
    return std::nullopt;
}

}  // namespace

void MainWindow::BuildStretch() {
    kneeEdits_ = new QUndoStack(this);
    connect(kneeEdits_, &QUndoStack::indexChanged, this, [this] { UpdateStretchActions(); });
    kneeGestures_ = new KneeGestures(project_, plotState_, view_);
    connect(kneeGestures_, &KneeGestures::KneesChosen, this,
            [this](const std::vector<StretchKnee>& knees, const QString& what,
                   const StretchKnee& chosen) { EditKnees(knees, what, chosen); });
    connect(kneeGestures_, &KneeGestures::SelectionChanged, this, [this] { ShowStretch(); });
    connect(kneeGestures_, &KneeGestures::DeleteRequested, this, &MainWindow::DeleteKnee);
    StretchPanel* panel = tieWindow_->Stretch();
    connect(panel, &StretchPanel::KneesEdited, this, [this](const std::vector<StretchKnee>& knees) {
        EditKnees(knees, QStringLiteral("Edit Knee"));
    });
    connect(panel, &StretchPanel::KneeSelected, kneeGestures_, &KneeGestures::Select);
    connect(panel, &StretchPanel::KneeDeleted, this, &MainWindow::DeleteKnee);
    connect(panel, &StretchPanel::VelocityLimitChanged, this, [this](double percent) {
        WriteStretchVelocityLimit(settings_, percent);
        ShowStretch();
    });
}

void MainWindow::UpdateStretchActions() {
    const bool tie = project_.tie.has_value() && progress_.synthesisShown;
    const bool knees = tie && !KneesOf(project_).empty();
    Action(Command::kStretchMode)->setEnabled(tie);
    Action(Command::kStretchMode)->setChecked(tie && kneeGestures_->On());
    if (!tie && kneeGestures_->On()) {
        kneeGestures_->SetOn(false);
    }
    Action(Command::kAutoStretch)->setEnabled(tie);
    Action(Command::kClearStretch)->setEnabled(knees);
    Action(Command::kUndoStretch)->setEnabled(tie && kneeEdits_->canUndo());
    Action(Command::kRedoStretch)->setEnabled(tie && kneeEdits_->canRedo());
    Action(Command::kUndoStretch)->setToolTip(QStringLiteral("Undo ") + kneeEdits_->undoText());
    Action(Command::kRedoStretch)->setToolTip(QStringLiteral("Redo ") + kneeEdits_->redoText());
    Action(Command::kSaveStretchSurvey)->setEnabled(knees);
    Action(Command::kUseStretchSurvey)->setEnabled(knees);
}

void MainWindow::ShowStretch() {
    if (!kneeGestures_) {
        return;  // still being built
    }
    kneeGestures_->Select(kneeGestures_->Selected());
    tieWindow_->Stretch()->Show(project_, ReadStretchVelocityLimit(settings_), autoStretch_,
                                kneeGestures_->Selected());
}

void MainWindow::SetKnees(const std::vector<StretchKnee>& knees) {
    ChangeTie([&] { SetStretch(project_, knees); });
    ShowStretch();
    UpdateActions();
}

void MainWindow::EditKnees(std::vector<StretchKnee> knees, const QString& what,
                           std::optional<StretchKnee> chosen) {
    StretchPanel* panel = tieWindow_->Stretch();
    try {
        knees = OrderedKnees(std::move(knees));
    } catch (const Error& e) {
        // The knees stay as they were, and so does the table the user typed into.
        QApplication::beep();
        panel->ShowRefusal(QString::fromStdString(e.what()));
        ShowStretch();
        return;
    }
    panel->ShowRefusal({});
    if (!project_.tie || knees == KneesOf(project_)) {
        ShowStretch();
        return;
    }
    kneeEdits_->push(new KneeEdit(what, KneesOf(project_), knees,
                                  [this](const std::vector<StretchKnee>& k) { SetKnees(k); }));
    if (chosen) {
        kneeGestures_->Select(IndexOf(KneesOf(project_), *chosen));
    }
}

void MainWindow::DeleteKnee(int knee) {
    std::vector<StretchKnee> knees = KneesOf(project_);
    if (knee < 0 || knee >= static_cast<int>(knees.size())) {
        return;
    }
    knees.erase(knees.begin() + knee);
    kneeGestures_->Select(std::nullopt);
    EditKnees(knees, QStringLiteral("Delete Knee"));
}

void MainWindow::ToggleStretchMode() {
    const bool on = Action(Command::kStretchMode)->isChecked();
    kneeGestures_->SetOn(on);
    if (on) {
        // The knees made by hand show in the tie window's table.
        tieWindow_->ShowStretchPanel();
    }
}

void MainWindow::RunAutoStretch() {
    if (!project_.tie) {
        return;
    }
    std::optional<AutoStretchResult> result;
    {
        const WaitCursor wait;
        try {
            result = AutoStretch(project_);
        } catch (const Error& e) {
            QMessageBox::warning(this, QStringLiteral("Auto Stretch"),
                                 QString::fromStdString(e.what()));
            return;
        }
    }
    autoStretch_ = result;
    EditKnees(result->knees, QStringLiteral("Auto Stretch"));
    tieWindow_->ShowStretchPanel();
}

void MainWindow::ClearStretch() {
    EditKnees({}, QStringLiteral("Clear Stretch"));
}

void MainWindow::UndoStretch() {
    kneeEdits_->undo();
}

void MainWindow::RedoStretch() {
    kneeEdits_->redo();
}

void MainWindow::SaveStretchAsSurvey() {
    const QString title = QStringLiteral("Save Stretch as Velocity Survey");
    VelocitySurvey survey;
    try {
        survey = StretchSurvey(project_);
    } catch (const Error& e) {
        QMessageBox::warning(this, title, QString::fromStdString(e.what()));
        return;
    }
    const QString proposed =
        NameBesideProject(project_.projectFileName, QStringLiteral("_stretch.vs"));
    const QString path = AskSaveFileName(
        this, {QStringLiteral("survey"), title, proposed, kSurveyFilter, 1, QStringLiteral("vs")});
    if (path.isEmpty()) {
        return;
    }
    try {
        WriteVelocitySurveyFile(path.toStdString(), survey);
    } catch (const Error& e) {
        QMessageBox::warning(this, title, QString::fromStdString(e.what()));
    }
}

void MainWindow::UseStretchAsSurvey() {
    const QString title = QStringLiteral("Use Stretch as Velocity Survey");
    // Not one step of the undo stack: it replaces the survey, the datum and the logs.
    if (QMessageBox::question(
            this, title,
            QStringLiteral("The stretched time-depth relation becomes the project's velocity "
                           "survey, and the knees are cleared. This cannot be undone. Go on?")) !=
        QMessageBox::Yes) {
        return;
    }
    ChangeTie([&] { UseStretchAsVelocitySurvey(project_); });
    // The knees of the steps before were knees of the logs before.
    kneeEdits_->clear();
    autoStretch_.reset();
    kneeGestures_->Select(std::nullopt);
    UpdateActions();
}

}  // namespace tessarin
