#include "ui/wavelet_dialog.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QSignalSpy>

#include "engine/wavelet.h"
#include "ui/dialog_driver.h"

namespace tessarin {
namespace {

using test::Child;
using test::Click;
using test::TextIn;
using test::Type;

// A record holding an accepted 5-10-40-55 bandpass of 0.16 s at 2 ms.
Project StoredBandpass() {
    Project p;
    p.waveletType = kBandpassWavelet;
    p.lowCut = Value(5);
    p.lowPass = Value(10);
    p.highPass = Value(40);
    p.highCut = Value(55);
    p.phaseDegrees = Value::Text("0");
    p.waveletLength = Value(0.16);
    MakeBandpassWavelet(p);
    return p;
}

// The record as the window leaves it after the dialog: the values handed back, applied.
struct WaveletOutcome {
    Project project;
    bool done = false;
};

std::optional<WaveletOutcome> RunWavelet(const Project& p,
                                         std::function<void(WaveletDialog*)> act) {
    const auto values = test::WithDialog<WaveletDialog>(
        std::move(act), [&p] { return WaveletDialog::Run(nullptr, p); });
    if (!values) {
        return std::nullopt;
    }
    WaveletOutcome outcome{p, values->done};
    ApplyWaveletValues(outcome.project, *values);
    return outcome;
}

TEST(WaveletDialog, CalculateCutsTheLengthAndDoneHandsBackTheWavelet) {
    const struct {
        const char* typed;
        const char* shown;
        int halfLength;
    } lengths[] = {{"0.21", "0.208", 52}, {"0.3", "0.240", 60}};
    for (const auto& length : lengths) {
        const auto result = RunWavelet(StoredBandpass(), [&](WaveletDialog* d) {
            Type(d, "Text1", "8");
            Type(d, "Text2", "12");
            Type(d, "Text5", "90");
            Type(d, "Combo1", length.typed);
            Click(d, "Command1");
            EXPECT_EQ(TextIn(d, "Combo1"), length.shown);
            EXPECT_EQ(TextIn(d, "Text1"), "8");          // accepted texts stay as typed
            test::PressKey(d, "Text3", Qt::Key_Return);  // Done
        });
        ASSERT_TRUE(result) << length.typed;
        EXPECT_TRUE(result->done);
        const Project& p = result->project;
        EXPECT_EQ(p.lowCut, Value(8));
        EXPECT_EQ(p.lowPass, Value(12));
        EXPECT_EQ(p.phaseDegrees, Value::Text("90"));
        EXPECT_DOUBLE_EQ(p.waveletLength.Number(), std::stod(length.shown));
        EXPECT_EQ(p.wavelet.First(), -length.halfLength);
        EXPECT_TRUE(p.projectChanged);
    }
}

TEST(WaveletDialog, BadCornersRevertWithABeepAndNothingIsHandedBack) {
    const char* refusedLowCuts[] = {"10", "abc"};
    for (const char* lowCut : refusedLowCuts) {
        const auto result = RunWavelet(StoredBandpass(), [&](WaveletDialog* d) {
            QSignalSpy refusals(d, &WaveletDialog::inputRefused);
            Type(d, "Text1", lowCut);
            Type(d, "Text4", "70");
            Type(d, "Combo1", "0.1");
            Click(d, "Command1");
            EXPECT_EQ(refusals.count(), 1) << lowCut;
            EXPECT_EQ(TextIn(d, "Text1"), "5");
            EXPECT_EQ(TextIn(d, "Text4"), "55");
            EXPECT_EQ(TextIn(d, "Combo1"), "0.160");
            EXPECT_TRUE(Child<QLabel>(d, "refusalReason")->isVisible());

            // Done with refused input beeps too and keeps the dialog open.
            Type(d, "Text2", "3");
            Click(d, "Command2");
            EXPECT_EQ(refusals.count(), 2);
            EXPECT_TRUE(d->isVisible());
            QTest::keyClick(d, Qt::Key_Escape);
        });
        EXPECT_FALSE(result) << lowCut;
    }
}

TEST(WaveletDialog, EscapeKeepsWhatCalculateAcceptedWithoutAskingForARecompute) {
    const auto result = RunWavelet(StoredBandpass(), [](WaveletDialog* d) {
        Type(d, "Text4", "70");
        Click(d, "Command1");
        Type(d, "Text4", "80");  // typed, never calculated
        QTest::keyClick(d, Qt::Key_Escape);
    });
    ASSERT_TRUE(result);
    EXPECT_FALSE(result->done);
    EXPECT_EQ(result->project.highCut, Value(70));
}

TEST(WaveletDialog, ChoosingATypeLaysOutAndCalculates) {
    Project stored = StoredBandpass();
    stored.waveletType = kRickerWavelet;
    stored.lowCut = Value::Text("30");  // a Ricker frequency above the bandpass low pass
    stored.waveletLength = Value(0.08);
    MakeRickerWavelet(stored);
    const auto result = RunWavelet(stored, [](WaveletDialog* d) {
        EXPECT_FALSE(Child(d, "Text2")->isVisible());
        EXPECT_FALSE(Child(d, "Picture1")->isVisible());
        EXPECT_TRUE(Child(d, "Label12")->isVisible());  // "Zero Phase"
        EXPECT_FALSE(Child(d, "Combo1")->isEnabled());
        EXPECT_EQ(TextIn(d, "Combo1"), "0.080");

        Click(d, "Option1_0");  // bandpass: the low cut comes under the low pass, 0.16 s
        EXPECT_EQ(TextIn(d, "Text1"), "5");
        EXPECT_EQ(TextIn(d, "Combo1"), "0.160");
        EXPECT_TRUE(Child(d, "Text2")->isVisible());
        EXPECT_TRUE(Child(d, "Picture1")->isVisible());
        EXPECT_TRUE(Child(d, "Label6")->isVisible());  // "Frequency"
        EXPECT_FALSE(Child(d, "Label12")->isVisible());
        EXPECT_TRUE(Child(d, "Combo1")->isEnabled());

        Click(d, "Option1_1");  // Ricker of the low-cut box: 5 Hz, 2.4 / 5 s long
        EXPECT_EQ(TextIn(d, "Combo1"), "0.480");
        Click(d, "Command2");
    });
    ASSERT_TRUE(result);
    EXPECT_EQ(result->project.waveletType, kRickerWavelet);
    EXPECT_EQ(result->project.lowCut, Value::Text("5"));
    EXPECT_EQ(result->project.wavelet.First(), -120);
}

// The wavelet box: the red zero line down the middle, and the peak at time 0 filled black to
// the right of it, nothing to its left.
TEST(WaveletDialog, PreviewShowsTheZeroLineAndTheFilledPeak) {
    RunWavelet(StoredBandpass(), [](WaveletDialog* d) {
        QWidget* box = Child(d, "Picture2");
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

}  // namespace
}  // namespace tessarin
