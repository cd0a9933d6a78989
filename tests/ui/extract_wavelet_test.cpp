// Tie > Extract Wavelet... on the display project tied to its own synthetic: the dialog extracts
// as its boxes change, refuses a window too short for the wavelet, and OK makes the wavelet the
// project's as one step of the tie's undo stack.

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <fstream>

#include "engine/project_tie.h"
#include "engine/synthetic_trace.h"
#include "files/column_text.h"
#include "files/project_file.h"
#include "ui/dialog_driver.h"
#include "ui/extract_wavelet_dialog.h"
#include "ui/modal_dialogs.h"
#include "ui/tie_plots.h"
#include "window_fixture.h"

namespace tessarin::test {
namespace {

class ExtractWaveletTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        OpenDisplayProject();
        SetTieTrace(project, {.path = "itself.txt"}, SyntheticTrace(project));
        window->Recompute();
    }
};

TEST_F(ExtractWaveletTest, TheDialogExtractsAsItsBoxesChangeAndOkMakesTheWaveletUndoably) {
    const OffsetArray bandpass = project.wavelet;
    AnswerModal<ExtractWaveletDialog>(
        [&](ExtractWaveletDialog* dialog) {
            auto* ok = Child<QPushButton>(dialog, "Command1");
            const auto figure = [&](const char* name) {
                return Child<QLabel>(dialog, name)->text();
            };
            // Tied to its own synthetic, the well gives its own wavelet back.
            EXPECT_TRUE(figure("extractR").startsWith("1.00")) << figure("extractR").toStdString();
            // The tie window is the whole overlap: nothing is left to check in.
            EXPECT_TRUE(figure("checkR").contains("too few")) << figure("checkR").toStdString();
            EXPECT_FALSE(Child<CurvePlot>(dialog, "waveletPreview")->Data().points.empty());
            EXPECT_FALSE(Child<CurvePlot>(dialog, "spectrumPreview")->Data().points.empty());
            // A window of 0.2 s is shorter than four lengths of 128 ms: refused, OK greyed.
            auto* start = Child<QDoubleSpinBox>(dialog, "extractStart");
            Child<QDoubleSpinBox>(dialog, "extractEnd")->setValue(start->value() + 0.2);
            Child<QRadioButton>(dialog, "extractTimes")->click();
            EXPECT_TRUE(figure("extractProblem").contains("four wavelet lengths"));
            EXPECT_FALSE(ok->isEnabled());
            EXPECT_EQ(figure("extractR"), "–");
            Child<QDoubleSpinBox>(dialog, "extractLength")->setValue(40);
            EXPECT_TRUE(ok->isEnabled()) << figure("extractProblem").toStdString();
            // A wavelet shorter than the well's own ties less well outside its window.
            EXPECT_GT(figure("checkR").toDouble(), 0.5) << figure("checkR").toStdString();
            // Cut to 40 ms, the turned wavelet loses part of its tails: its constant phase
            // comes out below the 30 degrees it was turned by.
            auto* phase = Child<QDoubleSpinBox>(dialog, "givenPhase");
            EXPECT_FALSE(phase->isEnabled());
            Child<QComboBox>(dialog, "extractMethod")->setCurrentIndex(3);
            EXPECT_FALSE(Child<QDoubleSpinBox>(dialog, "prewhitening")->isEnabled());
            phase->setValue(30);
            ASSERT_TRUE(dialog->Choice());
            EXPECT_EQ(dialog->Choice()->method, ExtractionMethod::kStatisticalAtGivenPhase);
            EXPECT_NEAR(dialog->Choice()->extraction.phaseDegrees, 25, 5);
            EXPECT_NEAR(dialog->Choice()->options.lengthSeconds, 0.04, 1e-12);
            ok->click();
        },
        [&] { Choose("mnuextractwavelet"); });
    EXPECT_EQ(project.waveletType, kExtractedWavelet);
    ASSERT_TRUE(project.extractedWavelet);
    EXPECT_NE(project.extractedWavelet->source.find("statistical, phase 30 degrees"),
              std::string::npos);
    EXPECT_TRUE(project.projectChanged);

    Choose("mnuundo");
    EXPECT_EQ(project.waveletType, kBandpassWavelet);
    EXPECT_EQ(project.wavelet, bandpass);
    Choose("mnuredo");
    EXPECT_EQ(project.waveletType, kExtractedWavelet);
}

TEST_F(ExtractWaveletTest, AWaveletFileExportedIsImportedAsTheExtractedWaveletAndABadOneRefused) {
    QTemporaryDir folder;
    const QString path = folder.filePath("wavelet.txt");
    const OffsetArray bandpass = project.wavelet;
    AnswerModal<QFileDialog>(ChooseFile(path, "Export Wavelet File"),
                             [&] { Choose("mnuexportwavelet"); });
    AnswerModal<QFileDialog>(ChooseFile(path, "Import Wavelet File"),
                             [&] { Choose("mnuimportwavelet"); });
    EXPECT_EQ(project.waveletType, kExtractedWavelet);
    ASSERT_TRUE(project.extractedWavelet);
    EXPECT_EQ(project.extractedWavelet->source, "wavelet.txt");
    ASSERT_EQ(project.wavelet.First(), bandpass.First());
    for (int j = bandpass.First(); j <= bandpass.Last(); ++j) {
        EXPECT_NEAR(project.wavelet[j], bandpass[j], 1e-12) << j;
    }

    const QString bad = folder.filePath("bad.txt");
    std::ofstream(bad.toStdString()) << "0 1\n0.002 high\n";
    const Project before = project;
    Seen seen;
    ModalScript()
        .Then<QFileDialog>("the bad file", ChooseFile(bad, "Import Wavelet File"))
        .Then<QMessageBox>("the reason", Answer(&seen))
        .Run([&] { Choose("mnuimportwavelet"); });
    const QString message = seen.text;
    EXPECT_TRUE(message.contains("bad.txt") && message.contains("line 2")) << message.toStdString();
    EXPECT_EQ(project.wavelet, before.wavelet);
    EXPECT_EQ(project.extractedWavelet, before.extractedWavelet);

    // Saved with it and then damaged, the project opens with its Ricker wavelet and says so.
    const std::string saved = folder.filePath("w.tsp").toStdString();
    WriteProjectFile(project, saved);
    std::string text = *ReadWholeFile(saved).value;
    text.replace(text.find("[End Wavelet]"), 13, "0.5");
    std::ofstream(saved, std::ios::binary) << text;
    const QString opened = MessageFrom([&] { window->OpenProject(QString::fromStdString(saved)); });
    EXPECT_TRUE(opened.contains("opened with the Ricker wavelet")) << opened.toStdString();
    EXPECT_EQ(project.waveletType, kRickerWavelet);
}

}  // namespace
}  // namespace tessarin::test
