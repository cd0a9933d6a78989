// Import Sonic/Density Logs through the window, as the user answers its dialogs: the logs that come
// in are those the batch import reads from the same files with the same choices, and a step that
// is cancelled or fails leaves the project as it was.

#include <QTemporaryDir>
#include <fstream>
#include <sstream>

#include "import/log_import.h"
#include "import/velocity_survey.h"
#include "import_steps.h"
#include "ui/plot_view.h"
#include "window_fixture.h"

namespace tessarin::test {
namespace {

using ImportCommandTest = WindowTest;

// What the batch import makes of the same files with the same choices, after the same change of
// units: the window must bring in exactly that.
Project BatchImport(Project project, const ImportOptions& options) {
    ChangeMeasurementUnits(project, options.information.measurementUnits);
    NoProgress progress;
    ImportLogs(project, options, progress);
    return project;
}

LogFileChoice LasCurve(const char* file, const char* mnemonic) {
    LogFileChoice choice;
    choice.path = Data(file).toStdString();
    choice.lasCurveMnemonic = mnemonic;
    return choice;
}

// A plain sonic file of F03-4's sonic, as a user would export it: a title line, then depth and
// sonic pairs; `damage` puts a word where a number belongs.
QString WritePlainSonic(const QTemporaryDir& folder, bool damage = false) {
    std::ifstream las(Data("F03-4_logs.las").toStdString());
    const QString path = folder.filePath(QStringLiteral("F03-4.dt"));
    std::ofstream out(path.toStdString());
    out << "Depth DT\n";
    std::string line;
    while (std::getline(las, line) && line.rfind("~A", 0) != 0) {
    }
    int written = 0;
    while (std::getline(las, line)) {
        std::istringstream fields(line);
        double depth = 0, density = 0, sonic = 0;
        fields >> depth >> density >> sonic;
        if (sonic > 0) {
            out << depth << ' ' << sonic << '\n';
            if (damage && ++written == 500) {
                out << "1000.5 broken\n";
            }
        }
    }
    return path;
}

// Everything that shows the project before an import that must not change it.
struct WindowShows {
    QString title;
    bool synthesisShown;
    bool printEnabled;
    int displays;
};

WindowShows Shown(MainWindow& window) {
    return {window.windowTitle(), window.Progress().synthesisShown,
            window.MenuAction("mnuprint")->isEnabled(), window.DisplayCount()};
}

void ExpectUnchanged(MainWindow& window, const Project& before, const WindowShows& shown) {
    Project expected = before;
    expected.dialogCancelled = true;  // a New Project running this import stops
    EXPECT_TRUE(window.CurrentProject() == expected) << "the project changed";
    const WindowShows now = Shown(window);
    EXPECT_EQ(now.title, shown.title);
    EXPECT_EQ(now.synthesisShown, shown.synthesisShown);
    EXPECT_EQ(now.printEnabled, shown.printEnabled);
    EXPECT_EQ(now.displays, shown.displays);
}

// Each route of an import: sonic and density from a LAS file, a plain sonic file with no curve to
// pick, and the Gardner sonic made from the density alone. The logs that come in are those of
// the batch import, and the window shows a project whose wavelet is still to be chosen.
TEST_F(ImportCommandTest, EveryRouteBringsInTheLogsOfTheBatchImport) {
    QTemporaryDir folder;
    const QString plain = WritePlainSonic(folder);
    // LAS files are offered first.
    const auto lasFile = [](const char* title) {
        return [title](QFileDialog* dialog) {
            EXPECT_EQ(dialog->selectedNameFilter(), "LAS Files (*.las)");
            ChooseIn(title, Data("F03-4_logs.las"))(dialog);
        };
    };
    struct Route {
        const char* name;
        std::vector<const char*> choices;
        std::function<void(ModalScript&)> files;
        std::function<void(ImportOptions&)> batch;
        const char* title;
    };
    const Route routes[] = {
        {"LAS sonic and density",
         {"units_0", "SynthImped_1"},
         [&](ModalScript& s) {
             s.Then<QFileDialog>("sonic file", lasFile("Open Sonic File"))
                 .Then<LasImportDialog>("sonic curve", PickCurve("DT", kSonicCaption))
                 .Then<QFileDialog>("density file", lasFile("Open Density File"))
                 .Then<LasImportDialog>("density curve", PickCurve("RHOB", kDensityCaption, true));
         },
         [](ImportOptions& o) {
             o.information.impedanceType = kSonicDensity;
             o.sonic = LasCurve("F03-4_logs.las", "DT");
             o.density = LasCurve("F03-4_logs.las", "RHOB");
         },
         "Tessarin Synthetic Seismogram : F03-4[*]"},
        {"plain sonic",
         {"units_0", "SynthImped_0"},
         [&plain](ModalScript& s) {
             s.Then<QFileDialog>("sonic file", ChooseIn("Open Sonic File", plain));
         },
         [&plain](ImportOptions& o) {
             o.information.impedanceType = kSonicOnly;
             o.sonic.path = plain.toStdString();
         },
         "Tessarin Synthetic Seismogram : [*]"},  // a plain file names no well
        {"Gardner",
         {"units_0", "SynthImped_1", "gardner"},
         [](ModalScript& s) {
             s.Then<QFileDialog>("density file",
                                 ChooseIn("Open Density File", Data("F03-4_logs.las")))
                 .Then<LasImportDialog>("density curve", PickCurve("RHOB", kDensityCaption));
         },
         [](ImportOptions& o) {
             o.information.impedanceType = kSonicDensity;
             o.information.gardnerFromDensity = true;
             o.density = LasCurve("F03-4_logs.las", "RHOB");
         },
         "Tessarin Synthetic Seismogram : F03-4[*]"},
    };
    for (const Route& route : routes) {
        SCOPED_TRACE(route.name);
        window->ResetProjectWindow();
        const Project before = project;
        ModalScript script;
        script.Then<SyntheticInformationDialog>("Synthetic Information", Confirm(route.choices));
        route.files(script);
        script.Run([this] { Choose("mnusonic"); });

        ImportOptions options;
        options.information.measurementUnits = kMetric;
        route.batch(options);
        EXPECT_TRUE(project == BatchImport(before, options)) << "not the batch import's logs";
        EXPECT_GT(project.lastSampleIndex, 800);
        EXPECT_EQ(project.datumVelocity.ToText(), "2133.6");  // 7000 ft/s in the new units

        EXPECT_EQ(window->windowTitle().toStdString(), route.title);
        EXPECT_TRUE(window->isWindowModified());
        EXPECT_TRUE(Action("mnusonic")->isChecked());
        EXPECT_FALSE(Action("mnuselwave")->isChecked());  // the wavelet is chosen again
        EXPECT_TRUE(window->View()->Hint().contains("Select Wavelet"));
        EXPECT_FALSE(Action("mnuprint")->isEnabled());
    }
}

// The whole import with a velocity survey, and the same import cancelled at each of its steps.
TEST_F(ImportCommandTest, CancellingAnyStepLeavesTheProjectAsItWas) {
    OpenDisplayProject();
    const Project before = project;
    const WindowShows shown = Shown(*window);
    // The steps of the import, each with the answer that goes on and the one that cancels.
    using Add = std::function<void(ModalScript&, bool cancel)>;
    const std::vector<std::pair<const char*, Add>> steps = {
        {"Synthetic Information",
         [](ModalScript& s, bool cancel) {
             s.Then<SyntheticInformationDialog>("Synthetic Information",
                                                cancel ? CancelButton<SyntheticInformationDialog>()
                                                       : Confirm({"SynthImped_1", "applyvelsurv"}));
         }},
        {"Velocity Survey",
         [](ModalScript& s, bool cancel) {
             if (cancel) {
                 s.Then<VelocitySurveyDialog>("Velocity Survey",
                                              CancelButton<VelocitySurveyDialog>());
             } else {
                 OpenSurveyFile(s, Data("F03-4_survey.vs"));
             }
         }},
        {"sonic file",
         [](ModalScript& s, bool cancel) {
             s.Then<QFileDialog>("sonic file",
                                 cancel ? CancelFileDialog("Open Sonic File")
                                        : ChooseIn("Open Sonic File", Data("F03-4_logs.las")));
         }},
        {"sonic curve",
         [](ModalScript& s, bool cancel) {
             s.Then<LasImportDialog>("sonic curve", cancel ? CancelButton<LasImportDialog>()
                                                           : PickCurve("DT", kSonicCaption));
         }},
        {"density file",
         [](ModalScript& s, bool cancel) {
             s.Then<QFileDialog>("density file",
                                 cancel ? CancelFileDialog("Open Density File")
                                        : ChooseIn("Open Density File", Data("F03-4_logs.las")));
         }},
        {"density curve",
         [](ModalScript& s, bool cancel) {
             s.Then<LasImportDialog>("density curve", cancel ? CancelButton<LasImportDialog>()
                                                             : PickCurve("RHOB", kDensityCaption));
         }},
    };
    for (std::size_t cancelAt = 0; cancelAt < steps.size(); ++cancelAt) {
        SCOPED_TRACE(std::string("cancelled at ") + steps[cancelAt].first);
        ModalScript script;
        for (std::size_t i = 0; i <= cancelAt; ++i) {
            steps[i].second(script, i == cancelAt);
        }
        script.Run([this] { Choose("mnusonic"); });  // and no message about it
        ExpectUnchanged(*window, before, shown);
    }

    ModalScript script;
    for (const auto& step : steps) {
        step.second(script, false);
    }
    script.Run([this] { Choose("mnusonic"); });
    ImportOptions options;
    options.information = SyntheticInformationOf(before);
    options.information.applyVelocitySurvey = true;
    options.velocitySurvey = ReadVelocitySurveyFile(Data("F03-4_survey.vs").toStdString());
    options.velocitySurvey->datumElevation = Value::Text("0");  // as the dialog shows it
    options.sonic = LasCurve("F03-4_logs.las", "DT");
    options.density = LasCurve("F03-4_logs.las", "RHOB");
    const Project batch = BatchImport(before, options);
    EXPECT_TRUE(project == batch) << "not the calibrated logs";

    EXPECT_EQ(project.velocitySurveyCount, 14);
    EXPECT_FALSE(project.dialogCancelled);
    EXPECT_FALSE(window->Progress().synthesisShown);
    EXPECT_FALSE(window->View()->HasPicture());  // the old well's display is gone
}

TEST_F(ImportCommandTest, AFailedImportSaysWhyAndChangesNothing) {
    OpenDisplayProject();
    const Project before = project;
    const WindowShows shown = Shown(*window);
    QTemporaryDir folder;
    const QString damaged = WritePlainSonic(folder, true);
    struct Failure {
        const char* name;
        std::function<void(ModalScript&, SeenMessage*)> steps;
        QString title;
        QString reasonStart;
    };
    const Failure failures[] = {
        {"wrapped LAS file",
         [](ModalScript& s, SeenMessage* seen) {
             s.Then<SyntheticInformationDialog>("Synthetic Information", Confirm({}))
                 .Then<QFileDialog>("sonic file",
                                    ChooseIn("Open Sonic File", Data("sample_wrapped.las")))
                 .Then<QMessageBox>("reason", Answer(QMessageBox::Ok, seen));
         },
         "File Format Error", Data("sample_wrapped.las") + ": LAS file is in the wrapped mode."},
        {"word in a plain file",
         [&damaged](ModalScript& s, SeenMessage* seen) {
             s.Then<SyntheticInformationDialog>("Synthetic Information", Confirm({"SynthImped_0"}))
                 .Then<QFileDialog>("sonic file", ChooseIn("Open Sonic File", damaged))
                 .Then<QMessageBox>("reason", Answer(QMessageBox::Ok, seen));
         },
         "Import Sonic Log", "The file \"" + damaged + "\" holds \"broken\""},
        {"survey that does not fit the log",
         [](ModalScript& s, SeenMessage* seen) {
             s.Then<SyntheticInformationDialog>("Synthetic Information",
                                                Confirm({"SynthImped_0", "applyvelsurv"}))
                 .Then<VelocitySurveyDialog>("Velocity Survey",
                                             [](VelocitySurveyDialog* dialog) {
                                                 // Two times at one depth.
                                                 Type(dialog, "Text1_0", "500");
                                                 Type(dialog, "Text2_0", "0.5");
                                                 Type(dialog, "Text1_1", "500");
                                                 Type(dialog, "Text2_1", "0.6");
                                                 Click(dialog, "Command1");
                                             })
                 .Then<QFileDialog>("sonic file",
                                    ChooseIn("Open Sonic File", Data("F03-4_logs.las")))
                 .Then<LasImportDialog>("sonic curve", PickCurve("DT", kSonicCaption))
                 .Then<QMessageBox>("reason", Answer(QMessageBox::Ok, seen));
         },
         "Warning", "The velocity survey datum or the velocity survey depth-time values"},
    };
    for (const Failure& failure : failures) {
        SCOPED_TRACE(failure.name);
        SeenMessage seen;
        ModalScript script;
        failure.steps(script, &seen);
        script.Run([this] { Choose("mnusonic"); });
        EXPECT_EQ(seen.title, failure.title);
        EXPECT_TRUE(seen.text.startsWith(failure.reasonStart)) << seen.text.toStdString();
        EXPECT_EQ(seen.icon, QMessageBox::Warning);
        ExpectUnchanged(*window, before, shown);
    }
}

}  // namespace
}  // namespace tessarin::test
