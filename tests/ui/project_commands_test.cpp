// The project commands through the window: Save Project As and its warning for an incomplete
// project, a save that fails, Open, and the unsaved-changes question of New, Open, Exit and
// closing the window with each of its answers.

#include <QAbstractFileIconProvider>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QTemporaryDir>

#include "ui/synthetic_information_dialog.h"
#include "window_fixture.h"

namespace tessarin::test {
namespace {

using ProjectCommandsTest = WindowTest;

const QString kSaveTitle = QStringLiteral("Save Tessarin Project File As");
const QString kOpenTitle = QStringLiteral("Open Tessarin Project File");

// Both questions are warnings whose default answer is No.
std::function<void(QMessageBox*)> Warning(const QString& text, QMessageBox::StandardButton answer) {
    return [=](QMessageBox* box) {
        EXPECT_EQ(box->windowTitle() + ": " + box->text(), "Warning: " + text);
        EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));
        box->button(answer)->click();
    };
}

TEST_F(ProjectCommandsTest, SaveAsWritesAProjectThatOpensAsItWasSaved) {
    OpenDisplayProject();
    project.amplitudeScale = Value(2.5);  // an edit since the project was opened
    project.projectChanged = true;
    window->UpdateActions();
    QTemporaryDir folder;
    Seen seen;
    // The extension comes by itself.
    AnswerModal<QFileDialog>(ChooseFile(folder.filePath("edited"), kSaveTitle, &seen),
                             [this] { Choose(item::kSaveProjectAs); });
    const QString saved = folder.filePath("edited.tsp");
    EXPECT_EQ(seen.proposed, QStringList{DisplayProjectPath()});
    EXPECT_EQ(project.projectFileName, saved.toStdString());
    EXPECT_FALSE(project.projectChanged);
    EXPECT_FALSE(window->isWindowModified());
    const Project written = project;

    window->ResetProjectWindow();
    // The dialog names types from file names only: it never reads a file to list it, since a
    // file such as /proc/kmsg would keep it waiting. A PNG picture without an extension shows so.
    QFile picture(folder.filePath("picture"));
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
    picture.write("\x89PNG\r\n\x1a\n", 8);
    picture.close();
    AnswerModal<QFileDialog>(
        [&](QFileDialog* dialog) {
            EXPECT_FALSE(dialog->iconProvider()->type(QFileInfo(picture)).contains("PNG"));
            ChooseFile(saved, kOpenTitle)(dialog);
        },
        [this] { Choose(item::kOpenProject); });
    EXPECT_TRUE(project == written) << "the project did not open as it was saved";
    EXPECT_TRUE(window->Progress().synthesisShown);
    const QString missing = folder.filePath("gone.tsp");
    EXPECT_EQ(MessageFrom([&] { window->OpenProject(missing); }),
              "Open Project: This is not a valid Tessarin project file.\n\n" + missing +
                  "\nThe file cannot be opened (No such file or directory).");

    // File > Recent Projects: the newest first, each once; one chosen opens; one gone is left out.
    QMenu* recent = window->RecentProjectsMenu();
    const QString display = QFileInfo(DisplayProjectPath()).absoluteFilePath();
    emit recent->aboutToShow();
    ASSERT_GE(recent->actions().size(), 2);
    EXPECT_EQ(recent->actions()[0]->text(), "&1 edited.tsp");
    EXPECT_EQ(recent->actions()[0]->toolTip(), saved);
    EXPECT_EQ(recent->actions()[1]->toolTip(), display);
    window->ResetProjectWindow();
    recent->actions()[0]->trigger();
    EXPECT_TRUE(project == written);
    folder.remove();
    emit recent->aboutToShow();
    EXPECT_EQ(recent->actions()[0]->toolTip(), display);
}

// The unsaved-changes question: how each answer lets New, Open, Exit and closing the window go
// on, or stops them with the project as it was.
TEST_F(ProjectCommandsTest, UnsavedChangesQuestionForEveryCommandAndAnswer) {
    QTemporaryDir folder;
    const struct {
        const char* name;
        std::function<void()> run;
        std::function<void(ModalScript&)> next;  // what comes once the command goes on
        std::function<bool()> wentOn;
    } commands[] = {
        {"New Project", [this] { Choose(item::kNewProject); },
         [](ModalScript& s) {
             s.Then<SyntheticInformationDialog>("Synthetic Information",
                                                [](QDialog* d) { Click(d, kCancel); });
         },
         [this] { return project.lastSampleIndex > 0 && !project.dialogCancelled; }},
        // Cancelled, the first dialog of New and the open dialog keep the project on display.
        {"Open Project", [this] { Choose(item::kOpenProject); },
         [](ModalScript& s) { s.Then<QFileDialog>("open file", ChooseFile({}, kOpenTitle)); },
         [this] { return project.lastSampleIndex > 0; }},
        {"Exit", [this] { Choose(item::kExit); }, [](ModalScript&) {},
         [this] { return !window->isVisible(); }},
        {"closing the window", [this] { window->close(); }, [](ModalScript&) {},
         [this] { return !window->isVisible(); }},
    };
    // The answer, then what follows a Yes: the save dialog, or the warning for a project that
    // cannot be saved yet (when nothing is displayed).
    enum Then { kNothing, kSaved, kSaveCancelled, kIncompleteStop, kIncompleteGoOn };
    const std::tuple<const char*, QMessageBox::StandardButton, Then, bool> replies[] = {
        {"Cancel", QMessageBox::Cancel, kNothing, false},
        {"No", QMessageBox::No, kNothing, true},
        {"Yes, saved", QMessageBox::Yes, kSaved, true},
        {"Yes, save dialog cancelled", QMessageBox::Yes, kSaveCancelled, false},
        {"Yes, incomplete, not going on", QMessageBox::Yes, kIncompleteStop, false},
        {"Yes, incomplete, going on anyway", QMessageBox::Yes, kIncompleteGoOn, true},
    };
    int run = 0;
    for (const auto& command : commands) {
        for (const auto& [reply, answer, then, goesOn] : replies) {
            SCOPED_TRACE(std::string(command.name) + ", " + reply);
            window->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
            window->ResetProjectWindow();
            then < kIncompleteStop ? OpenDisplayProject() : LoadKnownWellLogs();
            project.projectChanged = true;
            window->UpdateActions();
            const Project before = project;
            const QString savePath = folder.filePath(QStringLiteral("saved%1.tsp").arg(++run));
            ModalScript script;
            script.Then<QMessageBox>(
                "question", Warning("Project information has changed.\nSave changes?", answer));
            if (then == kSaved || then == kSaveCancelled) {
                script.Then<QFileDialog>("save",
                                         ChooseFile(then == kSaved ? savePath : "", kSaveTitle));
            } else if (then != kNothing) {
                script.Then<QMessageBox>(
                    "incomplete",
                    Warning("Data entry or calculations are not complete.\nProject "
                            "cannot be saved.\nContinue anyway?",
                            then == kIncompleteGoOn ? QMessageBox::Yes : QMessageBox::No));
            }
            if (goesOn) {
                command.next(script);
            }
            script.Run(command.run);
            EXPECT_EQ(QFile::exists(savePath), then == kSaved);
            if (goesOn) {
                EXPECT_TRUE(command.wentOn());
            } else {
                EXPECT_TRUE(project == before) << "the project changed";
                EXPECT_TRUE(window->isVisible() && window->isWindowModified());
            }
        }
    }
}

}  // namespace
}  // namespace tessarin::test
