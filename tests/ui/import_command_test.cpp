// Import Sonic/Density Logs and New Project through the window, as the user answers their
// dialogs: the logs that come in are those the batch import reads from the same files with the
// same choices; an import cancelled at any step or failing leaves the project as it was; a New
// Project goes from a real well's LAS file to its synthetic on display, or stops where the user
// stops it.

#include <QGroupBox>
#include <QListWidget>
#include <QMimeData>
#include <QUrl>

#include "import/log_import.h"
#include "ui/horizon_dialog.h"
#include "ui/las_import_dialog.h"
#include "ui/plot_view.h"
#include "ui/scales_dialog.h"
#include "ui/synthetic_information_dialog.h"
#include "ui/velocity_survey_dialog.h"
#include "ui/wavelet_dialog.h"
#include "ui/well_datum_dialog.h"
#include "window_fixture.h"

namespace tessarin::test {
namespace {

using ImportCommandTest = WindowTest;
using namespace synthetic_information;

const QString kSonicCaption = " Select SONIC curve and double click or click OK ";
const QString kDensityCaption = " Select DENSITY curve and double click or click OK ";
const QString kLas = QStringLiteral(TESSARIN_TEST_DATA_DIR "/F03-4_logs.las");

QString Data(const char* name) {
    return QStringLiteral(TESSARIN_TEST_DATA_DIR "/") + name;
}

// Synthetic Information: the options and boxes clicked, then OK (or `button`).
std::function<void(SyntheticInformationDialog*)> Information(std::vector<const char*> clicks,
                                                             const char* button = kOk) {
    return [clicks, button](SyntheticInformationDialog* dialog) {
        for (const char* name : clicks) {
            Click(dialog, name);
        }
        Click(dialog, button);
    };
}

template <typename T>
std::function<void(T*)> Press(const char* button) {
    return [button](T* dialog) { Click(dialog, button); };
}

// Import LAS File: a curve of F03-4 (RHOB is row 1, DT row 2) clicked in the list as the user
// does, then OK (or a double click).
std::function<void(LasImportDialog*)> PickCurve(int row, const QString& caption,
                                                bool doubleClick = false) {
    return [=](LasImportDialog* dialog) {
        EXPECT_EQ(Child<QGroupBox>(dialog, las::kCurveFrame)->title(), caption);
        auto* list = Child<QListWidget>(dialog, las::kCurves);
        const QPoint at = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        doubleClick ? QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at)
                    : Click(dialog, kOk);
    };
}

// The survey file opened from the Velocity Survey dialog: Open File, the file, then OK.
void OpenSurveyFile(ModalScript& script) {
    script.Then<VelocitySurveyDialog>("Velocity Survey", Press<VelocitySurveyDialog>(kOpenFile))
        .Then<QFileDialog>("survey file",
                           ChooseFile(Data("F03-4_survey.vs"), "Open Velocity Survey File"))
        .Then<VelocitySurveyDialog>("Velocity Survey OK", [](VelocitySurveyDialog* dialog) {
            EXPECT_EQ(TextIn(dialog, "Text1_1"), "449.74");
            Click(dialog, kOk);
        });
}

// The sonic and density of F03-4's LAS file.
void ImportSonicAndDensity(ModalScript& script) {
    script.Then<QFileDialog>("sonic file", ChooseFile(kLas, "Open Sonic File"))
        .Then<LasImportDialog>("sonic curve", PickCurve(2, kSonicCaption))
        .Then<QFileDialog>("density file", ChooseFile(kLas, "Open Density File"))
        .Then<LasImportDialog>("density curve", PickCurve(1, kDensityCaption));
}

// The Gardner sonic made from the density alone: the logs are those of the batch import, after
// the same change of units, and the window shows a project whose wavelet is still to be chosen.
// The metric file in a project left in feet asks first; switching there is choosing Metric.
TEST_F(ImportCommandTest, TheLogsThatComeInAreThoseOfTheBatchImport) {
    const Project before = project;
    ModalScript()
        .Then<SyntheticInformationDialog>("Synthetic Information",
                                          Information({kSonicDensityOption, kGardner}))
        .Then<QFileDialog>("density file",
                           [](QFileDialog* dialog) {
                               EXPECT_EQ(dialog->selectedNameFilter(), "LAS Files (*.las)");
                               ChooseFile(kLas, "Open Density File")(dialog);
                           })
        .Then<LasImportDialog>("density curve", PickCurve(1, kDensityCaption, true))
        .Then<QMessageBox>(
            "the units",
            [](QMessageBox* box) {
                EXPECT_TRUE(box->text().startsWith("The depths of this file are in metres"));
                for (QAbstractButton* button : box->buttons()) {
                    if (button->text() == "Switch to Metric") {
                        button->click();
                    }
                }
            })
        .Run([this] { Choose(item::kImportLogs); });

    ImportOptions options;
    options.information.measurementUnits = kMetric;
    options.information.impedanceType = kSonicDensity;
    options.information.gardnerFromDensity = true;
    options.density.path = kLas.toStdString();
    options.density.lasCurveMnemonic = "RHOB";
    Project batch = before;
    ChangeMeasurementUnits(batch, kMetric);
    NoProgress progress;
    ImportLogs(batch, options, progress);
    EXPECT_TRUE(project == batch) << "not the batch import's logs";
    EXPECT_EQ(project.datumVelocity.ToText(), "2133.6");  // 7000 ft/s in the new units
    EXPECT_EQ(window->windowTitle(), "Tessarin Synthetic Seismogram : F03-4[*]");
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_TRUE(Action(item::kImportLogs)->isChecked());
    EXPECT_FALSE(Action(item::kSelectWavelet)->isChecked());  // the wavelet is chosen again
    EXPECT_TRUE(window->View()->Hint().contains("Select Wavelet"));
    EXPECT_FALSE(Action(item::kPrintSynthetic)->isEnabled());
}

// The import cancelled at each of its steps, with a velocity survey, and no message about it.
TEST_F(ImportCommandTest, CancellingAnyStepLeavesTheProjectAsItWas) {
    OpenDisplayProject();
    Project before = project;
    before.dialogCancelled = true;  // a New Project running this import stops
    // Everything that shows the project.
    const auto shown = [this] {
        return QString("%1, displayed %2, print %3, %4 displays")
            .arg(window->windowTitle())
            .arg(window->Progress().synthesisShown)
            .arg(Action(item::kPrintSynthetic)->isEnabled())
            .arg(window->DisplayCount());
    };
    const QString shownBefore = shown();
    using Step = std::function<void(ModalScript&, bool cancel)>;
    const std::pair<const char*, Step> steps[] = {
        // Cancelled after a switch of units and impedance.
        {"Synthetic Information",
         [](ModalScript& s, bool cancel) {
             s.Then<SyntheticInformationDialog>(
                 "Synthetic Information",
                 cancel ? Information({kMetricOption, kSonicDensityOption}, kCancel)
                        : Information({kSonicDensityOption, kApplySurvey}));
         }},
        {"Velocity Survey",
         [](ModalScript& s, bool cancel) {
             if (cancel) {
                 s.Then<VelocitySurveyDialog>("survey", Press<VelocitySurveyDialog>(kCancel));
             } else {
                 OpenSurveyFile(s);
             }
         }},
        {"sonic file",
         [](ModalScript& s, bool cancel) {
             s.Then<QFileDialog>("sonic file", ChooseFile(cancel ? "" : kLas, "Open Sonic File"));
         }},
        {"sonic curve",
         [](ModalScript& s, bool cancel) {
             s.Then<LasImportDialog>("sonic curve", cancel ? Press<LasImportDialog>(kCancel)
                                                           : PickCurve(2, kSonicCaption));
         }},
        {"density file",
         [](ModalScript& s, bool cancel) {
             s.Then<QFileDialog>("density file",
                                 ChooseFile(cancel ? "" : kLas, "Open Density File"));
         }},
        {"density curve",  // the last step, always cancelled
         [](ModalScript& s, bool) {
             s.Then<LasImportDialog>("density curve", Press<LasImportDialog>(kCancel));
         }},
    };
    for (std::size_t cancelAt = 0; cancelAt < std::size(steps); ++cancelAt) {
        SCOPED_TRACE(std::string("cancelled at ") + steps[cancelAt].first);
        ModalScript script;
        for (std::size_t i = 0; i <= cancelAt; ++i) {
            steps[i].second(script, i == cancelAt);
        }
        script.Run([this] { Choose(item::kImportLogs); });
        EXPECT_TRUE(project == before) << "the project changed";
        EXPECT_EQ(shown(), shownBefore);
    }
}

// The steps of New Project after the import, each confirmed or cancelled.
const std::pair<const char*, std::function<void(ModalScript&, bool cancel)>> kLaterSteps[] = {
    {"Well and Datum Information",
     [](ModalScript& s, bool cancel) {
         s.Then<WellDatumDialog>("Well and Datum Information", [cancel](WellDatumDialog* d) {
             EXPECT_EQ(TextIn(d, well_datum::kWellName), "F03-4");  // from the LAS file
             Click(d, cancel ? kCancel : kOk);
         });
     }},
    {"Define Horizons",
     [](ModalScript& s, bool cancel) {
         if (cancel) {
             s.Then<HorizonDialog>("Define Horizons", Press<HorizonDialog>(kCancel));
             return;
         }
         s.Then<HorizonDialog>("Define Horizons", Press<HorizonDialog>(kOpenFile))
             .Then<QFileDialog>("tops file",
                                ChooseFile(Data("F03-4_tops.hor"), "Open Horizon File"))
             .Then<HorizonDialog>("Define Horizons OK", Press<HorizonDialog>(kOk));
     }},
    {"Select Wavelet",
     [](ModalScript& s, bool cancel) {
         s.Then<WaveletDialog>("Select Wavelet", [cancel](WaveletDialog* d) {
             // It has Done, and no Cancel.
             cancel ? QTest::keyClick(d, Qt::Key_Escape) : Click(d, wavelet::kDone);
         });
     }},
    {"Set Scales and AGC",
     [](ModalScript& s, bool cancel) {
         s.Then<ScalesDialog>("Set Scales and AGC", Press<ScalesDialog>(cancel ? kCancel : kOk));
     }},
};

TEST_F(ImportCommandTest, ANewProjectGoesFromARealWellsLasFileToItsSyntheticOnDisplay) {
    project.screenCorrection = Value::Text("1");  // as start-up takes it from the settings
    ModalScript script;
    script.Then<SyntheticInformationDialog>(
        "Synthetic Information", Information({kMetricOption, kSonicDensityOption, kApplySurvey}));
    OpenSurveyFile(script);
    ImportSonicAndDensity(script);
    for (const auto& step : kLaterSteps) {
        step.second(script, false);
    }
    script.Run([this] { Choose(item::kNewProject); });
    EXPECT_EQ(window->windowTitle(), "Tessarin Synthetic Seismogram : F03-4[*]");
    EXPECT_TRUE(window->Progress().synthesisShown);
    for (const char* step :
         {item::kImportLogs, item::kWellInformation, item::kDefineHorizons, item::kSelectWavelet}) {
        EXPECT_TRUE(Action(step)->isChecked()) << step;
    }
    EXPECT_TRUE(Action(item::kPrintSynthetic)->isEnabled());
    EXPECT_EQ(project.velocitySurveyCount, 14);
    EXPECT_EQ(project.horizonCount, 20);  // the 18 tops between start and end of log
    EXPECT_FALSE(project.dialogCancelled);
    EXPECT_TRUE(project.projectChanged);
}

// Stopped at a step after the import, the project keeps its logs and what was confirmed before,
// and nothing is drawn; stopped in its first dialog, the project before it stays as it was.
TEST_F(ImportCommandTest, ANewProjectStoppedAtAStepGoesNoFurther) {
    OpenDisplayProject();
    for (std::size_t stop = 0; stop <= std::size(kLaterSteps); ++stop) {
        const bool inImport = stop == std::size(kLaterSteps);
        SCOPED_TRACE(inImport ? "import" : kLaterSteps[stop].first);
        const int displays = window->DisplayCount();
        ModalScript script;
        if (inImport) {
            script.Then<SyntheticInformationDialog>("Synthetic Information",
                                                    Information({}, kCancel));
        } else {
            script
                .Then<SyntheticInformationDialog>("Synthetic Information",
                                                  Information({kMetricOption}))
                .Then<QFileDialog>("sonic file", ChooseFile(kLas))
                .Then<LasImportDialog>("sonic curve", PickCurve(2, kSonicCaption));
            for (std::size_t i = 0; i <= stop; ++i) {
                kLaterSteps[i].second(script, i == stop);
            }
        }
        project.projectChanged = false;  // no question before the new project
        script.Run([this] { Choose(item::kNewProject); });
        EXPECT_EQ(window->DisplayCount(), displays) << "a display was drawn";
        EXPECT_FALSE(window->Progress().synthesisShown);
        EXPECT_FALSE(project.dialogCancelled);  // ready for the next command
        EXPECT_EQ(project.lastSampleIndex, 885);
        EXPECT_TRUE(Action(item::kImportLogs)->isChecked());
        EXPECT_EQ(Action(item::kWellInformation)->isChecked(), stop > 0);
    }
}

// A file dropped on the window as the user drags it from a file manager.
void Drop(QWidget* window, const QString& path) {
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    QDropEvent drop(QPointF(60, 60), Qt::CopyAction, &mime, Qt::LeftButton, {});
    // Straight to the window: without a drag in progress, the application would not pass it on.
    static_cast<QObject*>(window)->event(&drop);
}

// A dropped project opens after the unsaved-changes question; a dropped LAS file starts a New
// Project that reads it without asking for a file.
TEST_F(ImportCommandTest, ADroppedProjectOpensAndADroppedLasFileStartsANewProject) {
    ModalScript las;
    las.Then<SyntheticInformationDialog>("Synthetic Information", Information({kMetricOption}))
        .Then<LasImportDialog>("sonic curve", PickCurve(2, kSonicCaption));
    kLaterSteps[0].second(las, true);
    las.Run([this] { Drop(window.get(), kLas); });
    EXPECT_EQ(project.lastSampleIndex, 885);
    project.projectChanged = true;
    ModalScript tsp;
    tsp.Then<QMessageBox>("unsaved changes", Answer(nullptr, QMessageBox::No));
    tsp.Run([this] { Drop(window.get(), DisplayProjectPath()); });
    EXPECT_TRUE(window->Progress().synthesisShown);
}

}  // namespace
}  // namespace tessarin::test
