// The pointer readout, read through the window with the pointer moved over the display. The known
// well (see plot_fixture.h) gives the answers by hand: sample 0 lies 0.25 s below the datum at
// 1100 ft MD, 10 ft per 2 ms sample down to 2100 ft; KB is 100 ft and the datum at 0 ft.

#include <QLabel>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>

#include "ui/plot_view.h"
#include "ui/readout_panel.h"
#include "ui/tool_bar.h"
#include "window_fixture.h"

namespace tessarin::test {
namespace {

class ReadoutTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        LoadKnownWellLogs();
        Display();
    }
    void Display() { ASSERT_FALSE(window->Recompute()); }

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

    QLabel* Label(int i) const { return window->Readout()->Label(i); }
    QString Text(int i) const { return Label(i)->text(); }
    bool Shown(int i) const { return Label(i)->isVisible(); }
    double Velocity(double x) const {
        const ReadoutPositions& r = window->Plot().readout;
        return r.velocityGridMin + (x - r.velocityGridLeftX) *
                                       (r.velocityGridMax - r.velocityGridMin) /
                                       (r.velocityGridRightX - r.velocityGridLeftX);
    }
};

// Label1_0 to Label1_2 are the depth, time and log captions, Label1_3 to Label1_5 their values.
TEST_F(ReadoutTest, TimeAndMeasuredDepthAtSeveralScrollStates) {
    window->resize(520, 480);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->View()->HorizontalBar()->maximum() > 0; }));
    const double x = window->Plot().readout.velocityGridLeftX + 300;
    for (const auto& [v, h] : {std::pair{0, 0}, std::pair{40, 1200}, std::pair{90, 2100}}) {
        SCOPED_TRACE(v);
        window->View()->VerticalBar()->setValue(v);
        window->View()->HorizontalBar()->setValue(h);
        for (double t : {0.30, 0.40}) {
            const QPointF at = PointAt(x, YOfTime(t));
            const double time = TimeAtY(at.y());
            EXPECT_NEAR(Text(4).toDouble(), time, 0.0006);
            // 10 ft per 2 ms sample from 1100 ft at 0.25 s.
            EXPECT_NEAR(Text(3).toDouble(), 1100 + 5000 * (time - 0.25), 10.0);
            EXPECT_EQ(Text(0), " Depth = ");
            EXPECT_EQ(Text(2), " Velocity =");
            EXPECT_NEAR(Text(5).toDouble(), Velocity(at.x()), 0.6);
        }
    }
    EXPECT_EQ(window->View()->Surface()->cursor().shape(), Qt::CrossCursor);
}

TEST_F(ReadoutTest, DepthTypesSeismicAndSubsea) {
    struct Case {
        int type;
        const char* caption;
        double offset;  // added to the measured depth
        double sign;
    };
    for (const Case& c :
         {Case{kSeismicDepth, " Depth = ", -100, 1}, Case{kSubseaDepth, " SS = ", 100, -1}}) {
        project.plotDepthType = c.type;
        Display();
        const QPointF at = PointAt(0, YOfTime(0.35));
        const double md = 1100 + 5000 * (TimeAtY(at.y()) - 0.25);
        EXPECT_EQ(Text(0), c.caption);
        EXPECT_NEAR(Text(3).toDouble(), c.offset + c.sign * md, 10.0) << c.caption;
    }
    // Below sea level the subsea elevation is negative.
    EXPECT_LT(Text(3).toDouble(), 0);
}

TEST_F(ReadoutTest, AboveTheFirstSampleTheDepthIsNotKnown) {
    PointAt(0, YOfTime(0.22));  // between the 0.2 s line and the log's top at 0.25 s
    EXPECT_EQ(Text(3), "N/A");
    EXPECT_TRUE(Shown(4));
}

TEST_F(ReadoutTest, DensityOverItsGridAndNothingBetweenTheGrids) {
    const ReadoutPositions& r = window->Plot().readout;
    ASSERT_TRUE(r.densityGridDrawn);
    const double middle = (r.densityGridLeftX + r.densityGridRightX) / 2;
    PointAt(middle, YOfTime(0.35));
    EXPECT_EQ(Text(2), " Density =");
    // The format "#.#0": two decimals, no leading zero below 1.
    EXPECT_TRUE(Text(5).contains(QRegularExpression("^\\d*\\.\\d\\d$"))) << Text(5).toStdString();
    EXPECT_NEAR(Text(5).toDouble(), (r.densityGridMin + r.densityGridMax) / 2, 0.02);

    PointAt((r.velocityGridRightX + r.densityGridLeftX) / 2, YOfTime(0.35));
    EXPECT_FALSE(Shown(2));
    EXPECT_FALSE(Shown(5));
    EXPECT_TRUE(Shown(3));
}

TEST_F(ReadoutTest, OutsideTheTimeRangeOnlyTheTimeCaptionStays) {
    PointAt(0, YOfTime(0.35));
    ASSERT_TRUE(Shown(3));
    PointAt(0, window->Plot().readout.plotOriginY - 300);  // in the header
    EXPECT_EQ(window->View()->Surface()->cursor().shape(), Qt::ArrowCursor);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(Shown(i), i == 1) << i;
    }
    EXPECT_EQ(Text(1), " Time =");

    // Over the toolbar strip the values go as well.
    PointAt(0, YOfTime(0.35));
    QTest::mouseMove(window->ToolbarStrip(), QPoint(40, 10));
    EXPECT_FALSE(Shown(3));
}

TEST_F(ReadoutTest, NothingIsReadBeforeASyntheticIsShown) {
    window->CompleteStep(ProjectStep::kLogsImported);  // new logs: the display is out of date
    PointAt(0, YOfTime(0.35));
    EXPECT_FALSE(Shown(3));
    EXPECT_FALSE(Shown(4));
}

}  // namespace
}  // namespace tessarin::test
