// The pointer readout, read through the window with the pointer moved over the display. The known
// well (see plot_fixture.h) gives the answers by hand: sample 0 lies 0.25 s below the datum at
// 1100 ft MD, 10 ft per 2 ms sample down to 2100 ft; KB is 100 ft and the datum at 0 ft.

#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <cmath>

#include "ui/plot_view.h"
#include "ui/readout_panel.h"
#include "ui/tool_bar.h"
#include "window_fixture.h"

namespace tessarin::test {
namespace {

// The readout's labels: three captions, then their three values.
enum Readout { kDepthCaption, kTimeCaption, kLogCaption, kDepth, kTime, kLogValue };

class ReadoutTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        LoadKnownWellLogs();
        ASSERT_FALSE(window->Recompute());
    }

    // Moves the pointer onto the screen pixel that holds (x, y) in twips, given the scroll
    // state; returns the centre of that pixel on the picture, which is what it reads.
    QPointF PointAt(double x, double y) {
        const double twips = window->TwipsPerPixel();
        const double left = window->View()->HorizontalBar()->value();
        const double top = window->View()->VerticalBar()->value() * 10.0;
        const QPoint pixel(static_cast<int>(std::floor((x - left) / twips)),
                           static_cast<int>(std::floor((y - top) / twips)));
        // From somewhere else, since a move to where the pointer already is tells nothing.
        QTest::mouseMove(window->View()->Surface(), pixel + QPoint(1, 1));
        QTest::mouseMove(window->View()->Surface(), pixel);
        return {left + (pixel.x() + 0.5) * twips, top + (pixel.y() + 0.5) * twips};
    }
    // The y on the picture of a two-way time, from the 5 in/s scale of the known well: 7200 twips
    // per second below the first 100-ms line at 0.2 s.
    double YOfTime(double t) const { return window->Plot().readout.plotOriginY + (t - 0.2) * 7200; }
    double TimeAtY(double y) const { return 0.2 + (y - window->Plot().readout.plotOriginY) / 7200; }
    // 10 ft per 2 ms sample from 1100 ft at 0.25 s.
    double DepthAtY(double y) const { return 1100 + 5000 * (TimeAtY(y) - 0.25); }

    QString Text(Readout i) const { return window->Readout()->Label(i)->text(); }
    double Number(Readout i) const { return Text(i).toDouble(); }
    bool Shown(Readout i) const { return window->Readout()->Label(i)->isVisible(); }
};

TEST_F(ReadoutTest, TimeDepthAndVelocityAtSeveralScrollStates) {
    window->resize(520, 480);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->View()->HorizontalBar()->maximum() > 0; }));
    const ReadoutPositions& r = window->Plot().readout;
    const double x = r.velocityGridLeftX + 300;
    for (const auto& [v, h] : {std::pair{0, 0}, {40, 1200}, {90, 2100}}) {
        SCOPED_TRACE(v);
        window->View()->VerticalBar()->setValue(v);
        window->View()->HorizontalBar()->setValue(h);
        for (double t : {0.30, 0.40}) {
            const QPointF at = PointAt(x, YOfTime(t));
            EXPECT_NEAR(Number(kTime), TimeAtY(at.y()), 0.0006);
            EXPECT_NEAR(Number(kDepth), DepthAtY(at.y()), 10.0);
            EXPECT_EQ(Text(kLogCaption), " Velocity =");
            EXPECT_NEAR(Number(kLogValue),
                        r.velocityGridMin + (at.x() - r.velocityGridLeftX) *
                                                (r.velocityGridMax - r.velocityGridMin) /
                                                (r.velocityGridRightX - r.velocityGridLeftX),
                        0.6);
        }
    }
    EXPECT_EQ(window->View()->Surface()->cursor().shape(), Qt::CrossCursor);
}

TEST_F(ReadoutTest, FollowsThePictureUnderAStillPointerReadsGridEdgesAndClearsOnLeaving) {
    const ReadoutPositions& r = window->Plot().readout;
    // The pixels holding the first 100-ms line and the velocity grid's left line read them.
    PointAt(r.velocityGridLeftX, r.plotOriginY);
    EXPECT_NEAR(Number(kTime), 0.2, window->TwipsPerPixel() / 7200);
    EXPECT_EQ(Text(kLogCaption), " Velocity =");
    window->resize(520, 480);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->View()->VerticalBar()->maximum() > 10; }));
    const QPointF at = PointAt(r.velocityGridLeftX + 300, YOfTime(0.3));
    window->View()->VerticalBar()->setValue(10);  // 100 twips down, the pointer kept still
    EXPECT_NEAR(Number(kTime), TimeAtY(at.y() + 100), window->TwipsPerPixel() / 7200);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(window->View()->Surface(), &leave);
    EXPECT_FALSE(Shown(kTime));
    EXPECT_TRUE(Shown(kTimeCaption));
}

TEST_F(ReadoutTest, OutsideTheTimeRangeOverTheToolbarOrBeforeADisplayOnlyTheTimeCaptionStays) {
    const auto onlyTimeCaption = [this] {
        for (Readout i : {kDepthCaption, kLogCaption, kDepth, kTime, kLogValue}) {
            EXPECT_FALSE(Shown(i)) << i;
        }
        EXPECT_TRUE(Shown(kTimeCaption));
    };
    PointAt(0, window->Plot().readout.plotOriginY - 300);  // in the header
    EXPECT_EQ(window->View()->Surface()->cursor().shape(), Qt::ArrowCursor);
    onlyTimeCaption();
    PointAt(0, YOfTime(0.35));
    ASSERT_TRUE(Shown(kDepth));
    QTest::mouseMove(window->ToolbarStrip(), QPoint(40, 10));
    onlyTimeCaption();
    window->CompleteStep(ProjectStep::kLogsImported);  // new logs: the display is out of date
    PointAt(0, YOfTime(0.35));
    onlyTimeCaption();
}

TEST_F(ReadoutTest, EndOnAPlotPastTheLengthLimitGoesAsFarAsAllowedThenSaysSo) {
    QScrollBar* bar = window->View()->VerticalBar();
    bar->setRange(0, 5000);  // a plot far longer than 32767 twips
    Seen seen;
    ModalScript().Then<QMessageBox>("limit", Answer(&seen)).Run([&] {
        QTest::keyClick(window->View()->Surface(), Qt::Key_End);
    });
    EXPECT_EQ(bar->value(), 3276);
    EXPECT_EQ(window->View()->PictureOffsetPixels().y(), qRound(32760 / window->TwipsPerPixel()));
    EXPECT_EQ(seen.title, "Plot Length Limit");
}

}  // namespace
}  // namespace tessarin::test
