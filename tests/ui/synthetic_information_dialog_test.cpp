#include "ui/synthetic_information_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>

#include "ui/dialog_driver.h"
#include "ui/scales_dialog.h"
#include "ui/well_datum_dialog.h"

namespace tessarin {
namespace {

using test::Child;
using test::Click;
using test::TextIn;

Project EnglishProject() {
    Project p;
    p.measurementUnits = kEnglish;
    p.kbElevation = Value(100);
    p.glElevation = Value(90);
    p.datumElevation = Value(0);
    p.datumVelocity = Value(10000);
    p.datumType = kSpecifiedDatum;
    p.timeScale = Value(5);
    p.tracesPerUnit = Value(10);
    p.amplitudeScale = Value(0.5);
    return p;
}

std::optional<SyntheticInformationValues> RunChoices(
    const Project& p, std::function<void(SyntheticInformationDialog*)> act) {
    return test::WithDialog<SyntheticInformationDialog>(
        std::move(act), [&p] { return SyntheticInformationDialog::Run(nullptr, p); });
}

bool Ticked(QWidget* dialog, const char* name) {
    return Child<QCheckBox>(dialog, name)->isChecked();
}

// Metric confirmed: the other dialogs open on converted values under metric captions.
TEST(SyntheticInformationDialog, ConfirmedMetricUnitsConvertTheOtherDialogsValues) {
    Project p = EnglishProject();
    const auto choices = RunChoices(p, [](SyntheticInformationDialog* d) {
        EXPECT_FALSE(Child(d, "Check1")->isEnabled());
        Click(d, "units_0");
        EXPECT_TRUE(Child(d, "Check1")->isEnabled());
        Click(d, "Check1");
        Click(d, "SampleRate_1");
        QTest::keyClick(Child(d, "Command1"), Qt::Key_Return);
    });
    ASSERT_TRUE(choices);
    EXPECT_TRUE(choices->sonicInMicrosecondsPerFoot);
    EXPECT_EQ(choices->sampleRateIndex, 1);
    ChangeMeasurementUnits(p, choices->measurementUnits);
    ApplySyntheticInformationValues(p, *choices);
    EXPECT_EQ(p.gardnerCoefficient, 108.2812);

    test::WithDialog<WellDatumDialog>(
        [](WellDatumDialog* d) {
            EXPECT_EQ(Child<QLabel>(d, "Caption_7")->text(), "KB (m):");
            EXPECT_EQ(TextIn(d, "Text1_7"), "30.5");
            EXPECT_EQ(TextIn(d, "Text1_10"), "3048");  // opened as a whole number
            Click(d, "Command2");
        },
        [&p] { return WellDatumDialog::Run(nullptr, p); });
    test::WithDialog<ScalesDialog>(
        [](ScalesDialog* d) {
            EXPECT_EQ(TextIn(d, "Text1"), "12.70");
            EXPECT_EQ(TextIn(d, "Text2"), "3.94");
            Click(d, "Command2");
        },
        [&p] { return ScalesDialog::Run(nullptr, p); });
}

TEST(SyntheticInformationDialog, CancelAfterSwitchingUnitsHandsBackNothing) {
    const auto choices = RunChoices(EnglishProject(), [](SyntheticInformationDialog* d) {
        Click(d, "units_0");
        Click(d, "SynthImped_1");
        Click(d, "Command2");
    });
    EXPECT_FALSE(choices);
}

TEST(SyntheticInformationDialog, GardnerOnlyWithSonicDensityAndPerFootOnlyInMetric) {
    Project p = EnglishProject();
    p.measurementUnits = kMetric;
    const auto choices = RunChoices(p, [](SyntheticInformationDialog* d) {
        EXPECT_FALSE(Child(d, "gardner")->isEnabled());
        Click(d, "SynthImped_1");
        EXPECT_TRUE(Child(d, "gardner")->isEnabled());
        Click(d, "gardner");
        Click(d, "Check1");
        Click(d, "SynthImped_0");  // Sonic Only unticks and locks Gardner
        EXPECT_FALSE(Ticked(d, "gardner"));
        EXPECT_FALSE(Child(d, "gardner")->isEnabled());
        Click(d, "units_1");  // English unticks the microseconds-per-foot box
        EXPECT_FALSE(Ticked(d, "Check1"));
        Click(d, "SynthImped_1");
        Click(d, "gardner");
        Click(d, "Command1");
    });
    ASSERT_TRUE(choices);
    EXPECT_EQ(choices->impedanceType, kSonicDensity);
    EXPECT_TRUE(choices->gardnerFromDensity);
    EXPECT_FALSE(choices->sonicInMicrosecondsPerFoot);
    EXPECT_EQ(choices->measurementUnits, kEnglish);
}

TEST(SyntheticInformationDialog, ImportChoicesLockedByAnImportCannotBeChanged) {
    Project p = EnglishProject();
    p.importChoicesEnabled = false;
    RunChoices(p, [](SyntheticInformationDialog* d) {
        for (const char* locked : {"SampleRate_0", "SampleRate_2", "SynthImped_1"}) {
            EXPECT_FALSE(Child(d, locked)->isEnabled()) << locked;
        }
        EXPECT_TRUE(Child(d, "units_0")->isEnabled());
        QTest::keyClick(d, Qt::Key_Escape);
    });
}

}  // namespace
}  // namespace tessarin
