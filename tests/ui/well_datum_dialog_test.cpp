#include "ui/well_datum_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QSignalSpy>

#include "ui/dialog_driver.h"

namespace tessarin {
namespace {

using test::Child;
using test::Click;
using test::TextIn;
using test::Type;

Project StoredWell(int datumType = kSpecifiedDatum) {
    Project p;
    p.wellName = "Ranch 7-22";
    p.wellLocation = {"Kern", "California", "22", "29S", "27E", "04-029-12345"};
    p.kbElevation = Value(1250.5);
    p.glElevation = Value(1235);
    p.datumElevation = Value(1200);
    p.datumVelocity = Value(6000.4);
    p.datumType = datumType;
    p.locationType = kTownshipRange;
    return p;
}

std::optional<WellDatumValues> RunWellDatum(const Project& p,
                                            std::function<void(WellDatumDialog*)> act) {
    return test::WithDialog<WellDatumDialog>(std::move(act),
                                             [&p] { return WellDatumDialog::Run(nullptr, p); });
}

TEST(WellDatumDialog, OkHandsBackTheBoxesAndAnEmptyKbKeepsItsValue) {
    Project p = StoredWell();
    const auto values = RunWellDatum(p, [](WellDatumDialog* d) {
        EXPECT_EQ(TextIn(d, "Text1_10"), "6000");  // opened as a whole number
        EXPECT_EQ(Child<QLabel>(d, "Caption_7")->text(), "KB (feet):");
        Type(d, "Text1_0", "Ranch 7-22A");
        Type(d, "Text1_7", "");
        Type(d, "Text1_9", "1180");
        test::PressKey(d, "Text1_6", Qt::Key_Return);
    });
    ASSERT_TRUE(values);
    ApplyWellDatumValues(p, *values);
    EXPECT_TRUE(p.projectChanged);
    EXPECT_EQ(p.wellName, "Ranch 7-22A");
    EXPECT_EQ(p.kbElevation, Value(1250.5));
    EXPECT_EQ(p.datumElevation, Value::Text("1180"));
    EXPECT_EQ(p.wellLocation[5], "04-029-12345");

    RunWellDatum(p, [](WellDatumDialog* d) {
        EXPECT_EQ(TextIn(d, "Text1_7"), "1250.5");  // shown again on reopening
        Click(d, "Command2");
    });
}

TEST(WellDatumDialog, LocationFormatsSwitchLayoutsAndKeepHiddenTexts) {
    const auto values = RunWellDatum(StoredWell(), [](WellDatumDialog* d) {
        QWidget* county = Child(d, "Text1_1");
        QWidget* state = Child(d, "Text1_2");
        EXPECT_EQ(county->y(), state->y());  // side by side
        Type(d, "Text1_3", "23");

        Click(d, "locationtype_0");  // General: two location lines, one under the other
        for (const char* hidden : {"Text1_3", "Text1_4", "Text1_5", "Caption_1"}) {
            EXPECT_FALSE(Child(d, hidden)->isVisible()) << hidden;
        }
        EXPECT_TRUE(Child(d, "LocationCaption_2")->isVisible());
        EXPECT_GT(state->y(), county->y());
        EXPECT_EQ(state->x(), county->x());
        EXPECT_EQ(state->width(), county->width());

        Click(d, "locationtype_1");
        EXPECT_TRUE(Child(d, "Text1_4")->isVisible());
        EXPECT_EQ(county->y(), state->y());
        Click(d, "locationtype_0");
        Click(d, "Command1");
    });
    ASSERT_TRUE(values);
    EXPECT_EQ(values->locationType, kGeneralLocation);
    EXPECT_EQ(values->wellLocation[2], "23");  // typed before the section box was hidden
}

TEST(WellDatumDialog, StartOfLogShowsTheStoredDatumGreyedAndCancelHandsBackNothing) {
    const auto values = RunWellDatum(StoredWell(), [](WellDatumDialog* d) {
        EXPECT_TRUE(Child(d, "Text1_10")->isEnabled());
        Type(d, "Text1_9", "900");
        Click(d, "DatumType_0");
        EXPECT_FALSE(Child(d, "Text1_9")->isEnabled());
        EXPECT_FALSE(Child(d, "Text1_10")->isEnabled());
        EXPECT_EQ(TextIn(d, "Text1_9"), "1200");
        EXPECT_EQ(TextIn(d, "Text1_10"), "6000.4");  // as stored
        Click(d, "DatumType_1");
        EXPECT_TRUE(Child(d, "Text1_9")->isEnabled());
        QTest::keyClick(d, Qt::Key_Escape);
    });
    EXPECT_FALSE(values);
}

TEST(WellDatumDialog, UnusableNumbersAreStoppedAtTheirBox) {
    const auto values = RunWellDatum(StoredWell(), [](WellDatumDialog* d) {
        QSignalSpy refusals(d, &WellDatumDialog::inputRefused);
        const std::pair<const char*, const char*> refused[] = {
            {"Text1_7", "12 50"}, {"Text1_8", "high"}, {"Text1_10", "0"}};
        for (const auto& [box, text] : refused) {
            Type(d, box, text);
            Click(d, "Command1");
            EXPECT_TRUE(d->isVisible()) << box;
            EXPECT_EQ(d->focusWidget(), Child(d, box)) << box;
            EXPECT_EQ(TextIn(d, box), text);  // kept for correcting
            Type(d, box, "7000");
        }
        EXPECT_EQ(refusals.count(), 3);
        EXPECT_TRUE(Child<QLabel>(d, "refusalReason")->isVisible());
        Click(d, "Command1");
    });
    ASSERT_TRUE(values);
    EXPECT_EQ(values->datumVelocity, "7000");
}

}  // namespace
}  // namespace tessarin
