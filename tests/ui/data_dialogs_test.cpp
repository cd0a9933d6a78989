// The dialogs that edit the record's values: Set Scales and AGC, Select Wavelet, Well and Datum
// Information and Synthetic Information. Each hands back what was typed, refuses what a saved
// project could not keep, and switches its layout with its choices.

#include <QFormLayout>
#include <QLabel>
#include <QSignalSpy>

#include "engine/wavelet.h"
#include "engine/wavelet_calculate.h"
#include "ui/dialog_driver.h"
#include "ui/scales_dialog.h"
#include "ui/synthetic_information_dialog.h"
#include "ui/wavelet_dialog.h"
#include "ui/well_datum_dialog.h"

namespace tessarin::test {
namespace {

// A record in English units with scales, a 5-10-40-55 bandpass of 0.16 s at 2 ms, and a well in
// township and range with a specified datum.
Project Stored() {
    Project p;
    p.timeScale = Value(5);
    p.tracesPerUnit = Value(10);
    p.amplitudeScale = Value(0.5);
    p.traceCount = 5;
    p.agcWindow = "None";
    p.waveletType = kBandpassWavelet;
    p.lowCut = Value(5);
    p.lowPass = Value(10);
    p.highPass = Value(40);
    p.highCut = Value(55);
    p.phaseDegrees = Value::Text("0");
    p.waveletLength = Value(0.16);
    MakeBandpassWavelet(p);
    p.wellName = "Ranch 7-22";
    p.wellLocation = {"Kern", "California", "22", "29S", "27E", "04-029-12345"};
    p.kbElevation = Value(1250.5);
    p.glElevation = Value(1235);
    p.datumElevation = Value(1200);
    p.datumVelocity = Value(6000.4);
    p.datumType = kSpecifiedDatum;
    return p;
}

template <typename Dialog>
auto RunDialog(std::function<void(Dialog*)> act, const Project& p = Stored()) {
    return WithDialog<Dialog>(std::move(act), [&p] { return Dialog::Run(nullptr, p); });
}

// A refused value beeps and says why, and nothing is handed back while one stands: Set Scales and
// Select Wavelet put every stored value back, Well and Datum keeps the texts to be corrected.
TEST(ValueDialogs, RefusedValuesAreToldAndNothingIsHandedBack) {
    struct Case {
        const char* dialog;
        const char* box;
        const char* typed;
        const char* shown;  // in the box after the refusal
    };
    const auto other = [](const char* dialog) {  // another box typed in, and what it shows after
        return std::string(dialog) == "scales"    ? std::tuple{scales::kAmplitude, "2", "0.50"}
               : std::string(dialog) == "wavelet" ? std::tuple{wavelet::kHighCut, "70", "55"}
                                                  : std::tuple{well_datum::kUwi, "X-1", "X-1"};
    };
    const Case cases[] = {
        {"scales", scales::kTimeScale, "fast", "5"},
        {"scales", scales::kTracesPerUnit, "0", "10"},
        {"scales", scales::kAgcWindow, "long", "None"},
        {"wavelet", wavelet::kLowCut, "10", "5"},  // above the low pass
        {"wavelet", wavelet::kLowCut, "abc", "5"},
        {"well", well_datum::kKb, "12 50", "12 50"},
        {"well", well_datum::kGl, "high", "high"},
        {"well", well_datum::kDatumVelocity, "0", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.dialog) + " " + c.box + " \"" + c.typed + "\"");
        const auto [otherBox, otherTyped, otherShown] = other(c.dialog);
        // The first button of each (OK, or Calculate) checks the boxes.
        const auto act = [&](QDialog* d) {
            QSignalSpy refusals(d, SIGNAL(inputRefused(QString)));
            Type(d, otherBox, otherTyped);
            Type(d, c.box, c.typed);
            Click(d, kOk);
            EXPECT_EQ(refusals.count(), 1);
            EXPECT_EQ(TextIn(d, c.box), c.shown);
            EXPECT_EQ(TextIn(d, otherBox), otherShown);
            EXPECT_TRUE(Child(d, kRefusalReason)->isVisible());

            QTest::keyClick(d, Qt::Key_Escape);
        };
        const std::string dialog = c.dialog;
        EXPECT_FALSE(dialog == "scales"    ? RunDialog<ScalesDialog>(act).has_value()
                     : dialog == "wavelet" ? RunDialog<WaveletDialog>(act).has_value()
                                           : RunDialog<WellDatumDialog>(act).has_value());
    }
}

TEST(WaveletDialog, CalculateCutsTheLengthAndDoneHandsBackTheWavelet) {
    using namespace wavelet;
    for (const auto& [typed, shown, halfLength] :
         {std::tuple{"0.21", "0.208", 52}, std::tuple{"0.3", "0.240", 60}}) {
        const auto result = RunDialog<WaveletDialog>([&](WaveletDialog* d) {
            Type(d, kLowCut, "8");
            Type(d, kLowPass, "12");
            Type(d, kPhase, "90");
            Type(d, kLength, typed);
            Click(d, kCalculate);
            EXPECT_EQ(TextIn(d, kLength), shown);
            EXPECT_EQ(TextIn(d, kLowCut), "8");      // accepted texts stay as typed
            PressKey(d, kHighPass, Qt::Key_Return);  // Done
        });
        ASSERT_TRUE(result) << typed;
        Project p = Stored();  // as the window applies what the dialog hands back
        ApplyWaveletValues(p, *result);
        EXPECT_TRUE(result->done && p.projectChanged);
        EXPECT_EQ(p.lowCut, Value(8));
        EXPECT_EQ(p.lowPass, Value(12));
        EXPECT_EQ(p.phaseDegrees, Value::Text("90"));
        EXPECT_DOUBLE_EQ(p.waveletLength.Number(), std::stod(shown));
        EXPECT_EQ(p.wavelet.First(), -halfLength);
    }
}

// A Ricker frequency beyond the sample rate is refused without moving the buttons from under the
// pointer, and the reason goes once the frequency is corrected.
TEST(WaveletDialog, ARefusalLeavesTheButtonsWhereTheyAreAndGoesOnceCorrected) {
    RunDialog<WaveletDialog>([](WaveletDialog* d) {
        Click(d, "Option1_1");  // Ricker Wavelet
        const QPoint calculate = Child(d, wavelet::kCalculate)->mapTo(d, QPoint());
        Type(d, wavelet::kLowCut, "300");
        Click(d, wavelet::kCalculate);
        EXPECT_TRUE(Child(d, kRefusalReason)->isVisible());
        EXPECT_EQ(Child(d, wavelet::kCalculate)->mapTo(d, QPoint()), calculate);
        Type(d, wavelet::kLowCut, "30");
        EXPECT_FALSE(Child(d, kRefusalReason)->isVisible());
        QTest::keyClick(d, Qt::Key_Escape);
    });
}

// The wavelet box: the red zero line down the middle, and the peak at time 0 filled black to
// the right of it, nothing to its left.
TEST(WaveletDialog, PreviewShowsTheZeroLineAndTheFilledPeak) {
    RunDialog<WaveletDialog>([](WaveletDialog* d) {
        QWidget* box = Child(d, wavelet::kPreview);
        const QImage picture = box->grab().toImage();
        const QRect inside = box->contentsRect();
        const QPoint centre = inside.center();
        int redRows = 0;
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            for (int x = centre.x() - 2; x <= centre.x() + 2; ++x) {
                if (picture.pixelColor(x, y) == QColor(255, 0, 0)) {
                    ++redRows;
                    break;
                }
            }
        }
        EXPECT_GT(redRows, inside.height() / 2);
        EXPECT_EQ(picture.pixelColor(centre.x() + 5, centre.y()), QColor(Qt::black));
        EXPECT_EQ(picture.pixelColor(centre.x() - 5, centre.y()), QColor(Qt::white));
        QTest::keyClick(d, Qt::Key_Escape);
    });
}

TEST(WellDatumDialog, LocationFormatsAndDatumTypesSwitchLayoutsAndKeepHiddenTexts) {
    using namespace well_datum;
    const auto values = RunDialog<WellDatumDialog>([](WellDatumDialog* d) {
        QWidget* county = Child(d, kCounty);
        QWidget* state = Child(d, kState);
        EXPECT_EQ(county->y(), state->y());  // side by side
        Type(d, kSection, "23");
        Click(d, kGeneralOption);  // two location lines, one under the other
        EXPECT_FALSE(Child(d, kSection)->isVisible() || Child(d, kTownship)->isVisible());
        EXPECT_TRUE(Child(d, kSecondLocationCaption)->isVisible());
        EXPECT_EQ(state->geometry(), county->geometry().translated(0, state->y() - county->y()));
        EXPECT_GT(state->y(), county->y());
        Click(d, kTownshipRangeOption);
        EXPECT_EQ(county->y(), state->y());
        Click(d, kGeneralOption);
        // Start of log shows the stored datum, greyed.
        Type(d, kDatumElevation, "900");
        Click(d, kStartOfLogOption);
        EXPECT_FALSE(Child(d, kDatumElevation)->isEnabled() ||
                     Child(d, kDatumVelocity)->isEnabled());
        EXPECT_EQ(TextIn(d, kDatumElevation) + " " + TextIn(d, kDatumVelocity), "1200 6000.4");
        Click(d, kOk);
    });
    ASSERT_TRUE(values);
    EXPECT_EQ(values->locationType, kGeneralLocation);
    EXPECT_EQ(values->datumType, kStartOfLog);
    EXPECT_EQ(values->wellLocation[2], "23");  // typed before the section box was hidden
}

// Metric confirmed: the other dialogs open on converted values under metric captions.
TEST(SyntheticInformationDialog, ConfirmedMetricUnitsConvertTheOtherDialogsValues) {
    using namespace synthetic_information;
    Project p = Stored();
    const auto choices = RunDialog<SyntheticInformationDialog>([](SyntheticInformationDialog* d) {
        Click(d, kMetricOption);
        Click(d, kPerFoot);
        Click(d, kRate1ms);
        QTest::keyClick(Child(d, kOk), Qt::Key_Return);
    });
    ASSERT_TRUE(choices);
    EXPECT_TRUE(choices->sonicInMicrosecondsPerFoot);
    EXPECT_EQ(choices->sampleRateIndex, 1);
    ChangeMeasurementUnits(p, choices->measurementUnits);
    ApplySyntheticInformationValues(p, *choices);
    EXPECT_EQ(p.gardnerCoefficient, 108.2812);
    RunDialog<WellDatumDialog>(
        [](WellDatumDialog* d) {
            EXPECT_EQ(Child<QLabel>(d, well_datum::kKbCaption)->text(), "KB (m):");
            EXPECT_EQ(TextIn(d, well_datum::kKb), "381.2");
            EXPECT_EQ(TextIn(d, well_datum::kDatumVelocity), "1829");  // a whole number
            Click(d, kCancel);
        },
        p);
    RunDialog<ScalesDialog>(
        [](ScalesDialog* d) {
            EXPECT_EQ(TextIn(d, scales::kTimeScale) + " " + TextIn(d, scales::kTracesPerUnit),
                      "12.70 3.94");
            Click(d, kCancel);
        },
        p);
}

}  // namespace
}  // namespace tessarin::test
