// The pointer readout, read through the window with the pointer moved over the display. The known
// well (see plot_fixture.h) gives the answers by hand: sample 0 lies 0.25 s below the datum at
// 1100 ft MD, 10 ft per 2 ms sample down to 2100 ft; KB is 100 ft and the datum at 0 ft.

#include <QLabel>
#include <QScrollBar>
#include <QTest>

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

    // Moves the pointer over the picture point nearest to (x, y) in twips, given the scroll
    // state; returns the point actually under the pointer.
    QPointF PointAt(double x, double y) {
        const double twips = window->TwipsPerPixel();
        const double left = window->View()->HorizontalBar()->value();
        const double top = window->View()->VerticalBar()->value() * 10.0;
        const QPoint pixel(qRound((x - left) / twips), qRound((y - top) / twips));
        // From somewhere else, since a move to where the pointer already is tells nothing.
        QTest::mouseMove(window->View()->Surface(), pixel + QPoint(1, 1));
        QTest::mouseMove(window->View()->Surface(), pixel);
        return window->View()->PictureTwips(pixel);
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

}  // namespace
}  // namespace tessarin::test
