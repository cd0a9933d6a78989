// New Project through the window, as a user works through it: the logs of a real well, its
// survey and tops, a wavelet and the scales, to the synthetic on display; and a New Project that
// the user stops at one of its steps.

#include <QTemporaryDir>

#include "import_steps.h"
#include "plot/plot_driver.h"
#include "ui/horizon_dialog.h"
#include "ui/plot_view.h"
#include "ui/scales_dialog.h"
#include "ui/wavelet_dialog.h"
#include "ui/well_datum_dialog.h"
#include "window_fixture.h"

namespace tessarin::test {
namespace {

using NewProjectTest = WindowTest;

// The import of F03-4's sonic alone, the first step of the cancelled projects.
void ImportSonic(ModalScript& script) {
    script.Then<SyntheticInformationDialog>("Synthetic Information", Confirm({"units_0"}))
        .Then<QFileDialog>("sonic file", ChooseIn("Open Sonic File", Data("F03-4_logs.las")))
        .Then<LasImportDialog>("sonic curve", PickCurve("DT", kSonicCaption));
}

// The steps after the import, each with the button that confirms it.
struct LaterStep {
    const char* name;
    std::function<void(ModalScript&, bool cancel)> add;
};

const std::vector<LaterStep>& LaterSteps() {
    static const std::vector<LaterStep> steps = {
        {"Well and Datum Information",
         [](ModalScript& s, bool cancel) {
             s.Then<WellDatumDialog>("Well and Datum Information", [cancel](WellDatumDialog* d) {
                 EXPECT_EQ(TextIn(d, "Text1_0"), "F03-4");  // from the LAS file
                 Click(d, cancel ? "Command2" : "Command1");
             });
         }},
        {"Define Horizons",
         [](ModalScript& s, bool cancel) {
             if (cancel) {
                 s.Then<HorizonDialog>("Define Horizons", CancelButton<HorizonDialog>());
                 return;
             }
             s.Then<HorizonDialog>("Define Horizons",
                                   [](HorizonDialog* d) { Click(d, "Command3"); })
                 .Then<QFileDialog>("tops file",
                                    ChooseIn("Open Horizon File", Data("F03-4_tops.hor")))
                 .Then<HorizonDialog>("Define Horizons OK",
                                      [](HorizonDialog* d) { Click(d, "Command1"); });
         }},
        {"Select Wavelet",
         [](ModalScript& s, bool cancel) {
             s.Then<WaveletDialog>("Select Wavelet", [cancel](WaveletDialog* d) {
                 if (cancel) {
                     QTest::keyClick(d, Qt::Key_Escape);  // it has Done, and no Cancel
                 } else {
                     Click(d, "Command2");
                 }
             });
         }},
        {"Set Scales and AGC",
         [](ModalScript& s, bool cancel) {
             s.Then<ScalesDialog>("Set Scales and AGC", [cancel](ScalesDialog* d) {
                 Click(d, cancel ? "Command2" : "Command1");
             });
         }},
    };
    return steps;
}

TEST_F(NewProjectTest, ARealWellFromItsLasFileToTheSyntheticOnDisplay) {
    project.screenCorrection = Value::Text("1");  // as start-up takes it from the settings
    ModalScript script;
    script.Then<SyntheticInformationDialog>("Synthetic Information",
                                            Confirm({"units_0", "SynthImped_1", "applyvelsurv"}));
    OpenSurveyFile(script, Data("F03-4_survey.vs"));
    script.Then<QFileDialog>("sonic file", ChooseIn("Open Sonic File", Data("F03-4_logs.las")))
        .Then<LasImportDialog>("sonic curve", PickCurve("DT", kSonicCaption))
        .Then<QFileDialog>("density file", ChooseIn("Open Density File", Data("F03-4_logs.las")))
        .Then<LasImportDialog>("density curve", PickCurve("RHOB", kDensityCaption));
    for (const LaterStep& step : LaterSteps()) {
        step.add(script, false);
    }
    script.Run([this] { Choose("mnunewproj"); });

    EXPECT_EQ(window->windowTitle(), "Tessarin Synthetic Seismogram : F03-4[*]");
    EXPECT_TRUE(window->Progress().synthesisShown);
    EXPECT_TRUE(window->View()->HasPicture());
    for (const char* step : {"mnusonic", "mnuwellinfo", "mnutopedit", "mnuselwave"}) {
        EXPECT_TRUE(Action(step)->isChecked()) << step;
    }
    EXPECT_TRUE(Action("mnuprint")->isEnabled());
    EXPECT_EQ(project.velocitySurveyCount, 14);
    EXPECT_EQ(project.horizonCount, 20);  // the 18 tops between start and end of log
    EXPECT_FALSE(project.dialogCancelled);
    EXPECT_TRUE(project.projectChanged);

    // Saved and opened again, the project shows the same synthetic, to the rounding of the
    // log values in the file.
    const Project computed = project;
    const QSize shown = window->Picture().Image().size();
    QTemporaryDir folder;
    ModalScript save;
    save.Then<QFileDialog>("save file",
                           ChooseIn("Save Tessarin Project File As", folder.filePath("F03-4.tsp")));
    save.Run([this] { Choose("mnusaveproj"); });
    ASSERT_FALSE(project.projectChanged);
    window->ResetProjectWindow();
    ASSERT_TRUE(window->OpenProject(folder.filePath("F03-4.tsp")));
    EXPECT_EQ(window->Picture().Image().size(), shown);
    ASSERT_EQ(project.lastSampleIndex, computed.lastSampleIndex);
    EXPECT_EQ(project.horizonCount, computed.horizonCount);
    double largestChange = 0;
    for (int i = 0; i <= project.lastSampleIndex; ++i) {
        largestChange = std::max(largestChange,
                                 std::abs(project.syntheticTrace[i] - computed.syntheticTrace[i]));
    }
    EXPECT_LT(largestChange, 0.01 * computed.maxAbsReflection);
}

// Stopped at a step after the import, the project keeps its logs and what was confirmed before,
// and nothing is drawn; stopped in the import, it stays new.
TEST_F(NewProjectTest, ANewProjectStoppedAtAStepGoesNoFurther) {
    OpenDisplayProject();
    const auto& later = LaterSteps();
    for (std::size_t stop = 0; stop <= later.size(); ++stop) {
        const bool inImport = stop == later.size();
        SCOPED_TRACE(inImport ? "import" : later[stop].name);
        const int displays = window->DisplayCount();
        ModalScript script;
        if (inImport) {
            script.Then<SyntheticInformationDialog>("Synthetic Information",
                                                    CancelButton<SyntheticInformationDialog>());
        } else {
            ImportSonic(script);
            for (std::size_t i = 0; i <= stop; ++i) {
                later[i].add(script, i == stop);
            }
        }
        project.projectChanged = false;  // no question before the new project
        script.Run([this] { Choose("mnunewproj"); });

        EXPECT_EQ(window->DisplayCount(), displays) << "a display was drawn";
        EXPECT_FALSE(window->Progress().synthesisShown);
        EXPECT_FALSE(project.dialogCancelled);  // ready for the next command
        EXPECT_EQ(project.lastSampleIndex, inImport ? 0 : 885);
        EXPECT_EQ(Action("mnusonic")->isChecked(), !inImport);
        EXPECT_EQ(Action("mnuwellinfo")->isChecked(), !inImport && stop > 0);
    }
}

}  // namespace
}  // namespace tessarin::test
