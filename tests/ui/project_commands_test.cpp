// The project commands through the window: Save Project As and its warning for an incomplete
// project, a save that fails, Open, and the unsaved-changes question of New, Open, Exit and
// closing the window with each of its answers.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "ui/dialog_driver.h"
#include "ui/modal_dialogs.h"
#include "ui/synthetic_information_dialog.h"
#include "window_fixture.h"

namespace tessarin::test {
namespace {

using ProjectCommandsTest = WindowTest;

const QString kSaveTitle = QStringLiteral("Save Tessarin Project File As");
const QString kOpenTitle = QStringLiteral("Open Tessarin Project File");
const QString kIncomplete = QStringLiteral(
    "Data entry or calculations are not complete.\nProject cannot be saved.\nContinue anyway?");

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Horizons at one depth come in any order from the sort of an opened project: the record with
// them in name order, to compare.
Project HorizonsInNameOrder(Project p) {
    std::vector<std::pair<double, std::string>> horizons;
    for (int k = 1; k <= p.horizonCount; ++k) {
        horizons.emplace_back(p.horizonDepths[k].Number(), p.horizonNames[k]);
    }
    std::sort(horizons.begin(), horizons.end());
    for (int k = 1; k <= p.horizonCount; ++k) {
        p.horizonNames[k] = horizons[k - 1].second;
    }
    return p;
}

TEST_F(ProjectCommandsTest, SaveAsWritesAProjectThatOpensAsItWasSaved) {
    OpenDisplayProject();
    project.amplitudeScale = Value(2.5);  // an edit since the project was opened
    project.projectChanged = true;
    window->UpdateActions();
    QTemporaryDir folder;

    QStringList proposed;
    ModalScript save;
    save.Then<QFileDialog>("save file", [&](QFileDialog* dialog) {
        proposed = dialog->selectedFiles();
        ChooseIn(kSaveTitle, folder.filePath("edited"))(dialog);  // the extension comes by itself
    });
    save.Run([this] { Choose("mnusaveproj"); });
    const QString saved = folder.filePath("edited.tsp");
    EXPECT_EQ(proposed, QStringList{DisplayProjectPath()});
    EXPECT_EQ(project.projectFileName, saved.toStdString());
    EXPECT_FALSE(project.projectChanged);
    EXPECT_FALSE(window->isWindowModified());
    const Project written = project;

    window->ResetProjectWindow();
    ModalScript open;
    open.Then<QFileDialog>("open file", ChooseIn(kOpenTitle, saved));
    open.Run([this] { Choose("mnuopenproj"); });
    EXPECT_TRUE(HorizonsInNameOrder(project) == HorizonsInNameOrder(written))
        << "the project did not open as it was saved";
    EXPECT_TRUE(window->Progress().synthesisShown);
}

TEST_F(ProjectCommandsTest, AnIncompleteProjectIsNotSavedWhateverTheAnswer) {
    LoadKnownWellLogs();  // logs, but no synthetic computed yet
    for (const auto answer : {QMessageBox::Yes, QMessageBox::No}) {
        SeenMessage seen;
        ModalScript script;
        script.Then<QMessageBox>("warning", Answer(answer, &seen));  // and no file dialog
        script.Run([this] { Choose("mnusaveproj"); });
        EXPECT_EQ(seen.title, "Warning");
        EXPECT_EQ(seen.text, kIncomplete);
        EXPECT_EQ(seen.icon, QMessageBox::Warning);
        EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(seen.defaultButton, QMessageBox::No);
        EXPECT_EQ(project.projectFileName, "*.tsp");
    }
}

// A save that cannot be completed says why, and the file that was there before stays as it was.
TEST_F(ProjectCommandsTest, ASaveThatFailsSaysWhyAndKeepsThePreviousFile) {
    OpenDisplayProject();
    QTemporaryDir folder;
    const QString previous = folder.filePath("previous.tsp");
    QFile::copy(DisplayProjectPath(), previous);
    QFile notAFolder(folder.filePath("notes.txt"));
    ASSERT_TRUE(notAFolder.open(QIODevice::WriteOnly));
    notAFolder.close();
    struct Failure {
        const char* name;
        std::function<void()> spoil;
        QString path;
        QString reason;
    };
    const Failure failures[] = {
        // A KB elevation with a blank would not read back as the same value.
        {"value that would not read back", [this] { project.kbElevation = Value::Text("1 10"); },
         previous, "The project was not saved: the KB elevation"},
        {"folder that cannot be written to", [] {}, folder.filePath("notes.txt/project.tsp"),
         "could not be written"},
    };
    for (const Failure& failure : failures) {
        SCOPED_TRACE(failure.name);
        failure.spoil();
        project.projectChanged = true;
        window->UpdateActions();
        const Project before = project;
        SeenMessage told;
        ModalScript script;
        script.Then<QFileDialog>("save file", ChooseIn(kSaveTitle, failure.path));
        if (QFile::exists(failure.path)) {
            script.Then<QMessageBox>("replace the file?", Answer(QMessageBox::Yes));
        }
        script.Then<QMessageBox>("reason", Answer(QMessageBox::Ok, &told));
        script.Run([this] { Choose("mnusaveproj"); });
        EXPECT_EQ(told.title, "Save Project As");
        EXPECT_TRUE(told.text.contains(failure.reason)) << told.text.toStdString();
        EXPECT_TRUE(project == before) << "a failed save changed the project";
        EXPECT_TRUE(window->isWindowModified());
    }
    EXPECT_EQ(Contents(previous), Contents(DisplayProjectPath()));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 2)
        << "a temporary file was left behind";
}

// The unsaved-changes question: how each answer lets New, Open, Exit and closing the window go
// on, or stops them with the project as it was.
TEST_F(ProjectCommandsTest, UnsavedChangesQuestionForEveryCommandAndAnswer) {
    QTemporaryDir folder;
    struct Command {
        const char* name;
        std::function<void()> run;
        std::function<void(ModalScript&)> next;  // what comes once the command goes on
        std::function<bool()> wentOn;
    };
    const Command commands[] = {
        {"New Project", [this] { Choose("mnunewproj"); },
         [](ModalScript& s) {
             s.Then<SyntheticInformationDialog>("Synthetic Information",
                                                [](QDialog* d) { Click(d, "Command2"); });
         },
         [this] { return project.lastSampleIndex == 0 && !project.dialogCancelled; }},
        {"Open Project", [this] { Choose("mnuopenproj"); },
         [](ModalScript& s) { s.Then<QFileDialog>("open file", CancelFileDialog(kOpenTitle)); },
         [] { return true; }},  // the open dialog came; cancelled, it keeps the project
        {"Exit", [this] { Choose("mnuexit"); }, [](ModalScript&) {},
         [this] { return !window->isVisible(); }},
        {"closing the window", [this] { window->close(); }, [](ModalScript&) {},
         [this] { return !window->isVisible(); }},
    };
    struct Reply {
        const char* name;
        bool displayed;  // a synthetic on display, so that the project can be saved
        std::function<void(ModalScript&, const QString& savePath)> steps;
        bool goesOn;
    };
    const auto question = [](QMessageBox::StandardButton answer) {
        return [answer](QMessageBox* box) {
            EXPECT_EQ(box->windowTitle(), "Warning");
            EXPECT_EQ(box->text(), "Project information has changed.\nSave changes?");
            EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));
            box->button(answer)->click();
        };
    };
    const Reply replies[] = {
        {"Cancel", true,
         [&](ModalScript& s, const QString&) {
             s.Then<QMessageBox>("question", question(QMessageBox::Cancel));
         },
         false},
        {"No", true,
         [&](ModalScript& s, const QString&) {
             s.Then<QMessageBox>("question", question(QMessageBox::No));
         },
         true},
        {"Yes, saved", true,
         [&](ModalScript& s, const QString& path) {
             s.Then<QMessageBox>("question", question(QMessageBox::Yes))
                 .Then<QFileDialog>("save file", ChooseIn(kSaveTitle, path));
         },
         true},
        {"Yes, save dialog cancelled", true,
         [&](ModalScript& s, const QString&) {
             s.Then<QMessageBox>("question", question(QMessageBox::Yes))
                 .Then<QFileDialog>("save file", CancelFileDialog(kSaveTitle));
         },
         false},
        {"Yes, incomplete, not going on", false,
         [&](ModalScript& s, const QString&) {
             s.Then<QMessageBox>("question", question(QMessageBox::Yes))
                 .Then<QMessageBox>("incomplete", Answer(QMessageBox::No));
         },
         false},
        {"Yes, incomplete, going on anyway", false,
         [&](ModalScript& s, const QString&) {
             s.Then<QMessageBox>("question", question(QMessageBox::Yes))
                 .Then<QMessageBox>("incomplete", Answer(QMessageBox::Yes));
         },
         true},
    };
    int run = 0;
    for (const Command& command : commands) {
        for (const Reply& reply : replies) {
            SCOPED_TRACE(std::string(command.name) + ", " + reply.name);
            window->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
            if (reply.displayed) {
                OpenDisplayProject();
            } else {
                window->ResetProjectWindow();
                LoadKnownWellLogs();
            }
            project.projectChanged = true;
            window->UpdateActions();
            const Project before = project;
            const QString savePath = folder.filePath(QStringLiteral("saved%1.tsp").arg(++run));

            ModalScript script;
            reply.steps(script, savePath);
            if (reply.goesOn) {
                command.next(script);
            }
            script.Run(command.run);
            EXPECT_EQ(QFile::exists(savePath), std::string(reply.name) == "Yes, saved");
            if (reply.goesOn) {
                EXPECT_TRUE(command.wentOn());
            } else {
                EXPECT_TRUE(project == before) << "the project changed";
                EXPECT_TRUE(window->isVisible());
                EXPECT_TRUE(window->isWindowModified());
            }
        }
    }
}

}  // namespace
}  // namespace tessarin::test
