// The display drawn on the real screen picture, probed pixel by pixel. Set TESSARIN_SAVE_PICTURES
// to a folder to keep the pictures for a look.

#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QtEndian>
#include <cmath>
#include <functional>

#include "files/open_project.h"
#include "model/error.h"
#include "plot/bitmap_export.h"
#include "plot/layout.h"
#include "plot/plot_driver.h"
#include "plot_fixture.h"

namespace tessarin::test {
namespace {

void KeepForALook(PlotPicture& picture, const char* name) {
    if (const char* folder = std::getenv("TESSARIN_SAVE_PICTURES")) {
        picture.Image().save(QString(folder) + "/" + name + ".png");
    }
}

class RenderedKnownWell : public ::testing::Test {
protected:
    void Draw(const char* name) {
        state.dateText = "01-02-2024";
        const auto failure = DrawDisplay(project, state, picture);
        ASSERT_FALSE(failure.has_value()) << *failure;
        KeepForALook(picture, name);
    }
    // The pixel under a point given in twips.
    QColor At(double x, double y) {
        return picture.Image().pixelColor(static_cast<int>(std::floor(x / 15.0)),
                                          static_cast<int>(std::floor(y / 15.0)));
    }
    // Whether any pixel within one pixel of the point has the colour.
    bool Near(double x, double y, QColor colour) {
        for (int d = 0; d < 9; ++d) {
            if (At(x + 15 * (d % 3 - 1), y + 15 * (d / 3 - 1)) == colour) {
                return true;
            }
        }
        return false;
    }
    double Y(double i) const { return state.SampleY(i); }

    Project project = MakeKnownWell();
    PlotState state;
    PlotPicture picture;
};

TEST_F(RenderedKnownWell, LobesAreBlackTheBackgroundWhiteAndHorizonsBlue) {
    Draw("known_well_probes");
    // The depth axis stands 720 twips plus the width of "00000" from the left edge.
    picture.SetFont(PlotTextFont(project, kPlotTextPoints));
    const double axis = 720.0 + picture.TextWidth("00000");
    const double normalCentre = axis + 1120 + 750 + 360;
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    // Inside the filled lobe of the middle normal trace (samples 60 to 80, 720 twips wide).
    EXPECT_EQ(At(normalCentre + 360, Y(70)), black);
    EXPECT_EQ(At(normalCentre + 100, Y(65)), black);
    // The negative swing (samples 140 to 160) is not filled in the normal panel.
    EXPECT_EQ(At(normalCentre - 360, Y(150)), white);
    // Top Chalk at sample 100, between the time labels and the reflection coefficients.
    EXPECT_TRUE(Near(axis + 700, Y(100), QColor(0, 0, 255)));
    EXPECT_EQ(At(axis + 700, Y(120)), white);
    // Density 2.3 g/cc: no curve above sample 40, a line below it.
    const ReadoutPositions& r = state.readout;
    const double density = r.densityGridLeftX + 0.6 * (r.densityGridRightX - r.densityGridLeftX);
    EXPECT_FALSE(Near(density, Y(20), black));
    EXPECT_TRUE(Near(density, Y(100), black));
    // Nothing is drawn in the bottom right corner.
    const QImage& image = picture.Image();
    EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() - 1), white);
}

TEST_F(RenderedKnownWell, BitmapFileIsAValidBitmapOfThePictureSize) {
    Draw("known_well_bitmap");
    QTemporaryDir dir;
    const QString path = dir.path() + "/well.bmp";
    SaveBitmap(picture.Image(), path.toStdString());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_GT(bytes.size(), 54);
    const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(u32(2), static_cast<quint32>(bytes.size()));
    EXPECT_EQ(static_cast<int>(u32(18)), picture.Image().width());
    EXPECT_EQ(static_cast<int>(u32(22)), picture.Image().height());
    EXPECT_EQ(static_cast<quint8>(bytes[28]), 24);  // bits per pixel
    EXPECT_EQ(QImage(path).convertToFormat(QImage::Format_RGB32),
              picture.Image().convertToFormat(QImage::Format_RGB32));
    EXPECT_THROW(SaveBitmap(picture.Image(), (dir.path() + "/no/such/folder/x.bmp").toStdString()),
                 Error);
    EXPECT_EQ(ProposedBitmapName("*.tsp"), "*.bmp");
    EXPECT_EQ(ProposedBitmapName("/data/well.tsp"), "/data/well.bmp");
}

TEST_F(RenderedKnownWell, PlotThatCannotBeDrawnLeavesThePictureAsItWas) {
    Draw("known_well_before_failure");
    const QImage before = picture.Image().copy();
    const double lastTimingLineY = state.readout.lastTimingLineY;
    const struct {
        std::function<void(Project&)> change;
        const char* message;
    } rows[] = {
        {[](Project& p) { p.datumElevation = Value(-99999); },
         "Every sample of the log lies above the seismic datum, so the plot has no time zero."},
        {[](Project& p) { p.timeScale = Value(2000); },  // 1000 inches of plot for 0.5 s
         "The plot is too large to draw. Please choose a smaller time scale."},
        {[](Project& p) { p.traceCount = -1; }, "The number of traces cannot be negative."},
    };
    for (const auto& row : rows) {
        Project changed = project;
        row.change(changed);
        EXPECT_EQ(RecomputeAndDisplay(changed, state, picture),
                  std::optional<std::string>(row.message));
        EXPECT_EQ(picture.Image(), before) << row.message;
        EXPECT_EQ(state.readout.lastTimingLineY, lastTimingLineY) << row.message;
    }
}

TEST_F(RenderedKnownWell, HugeAmplitudesAndNoTracesStillDraw) {
    project.amplitudeScale = Value(32767);  // the largest the dialog accepts
    Draw("known_well_huge_amplitude");
    EXPECT_EQ(At(10, 10), QColor(Qt::white));
    project.traceCount = 0;
    Draw("known_well_no_traces");
}

TEST(PaperSurface, ThePaintersDrawOnAPageDeviceUnchanged) {
    // A page device of 600 dots per inch, no screen correction and 10-point text, as on paper.
    QTemporaryDir dir;
    const QString path = dir.path() + "/page.pdf";
    Project project = MakeKnownWell();
    {
        QPdfWriter writer(path);
        writer.setResolution(600);
        writer.setPageSize(QPageSize(QPageSize::Letter));
        QPainter painter(&writer);
        PainterSurface page(&painter, 1440.0 / 600.0);
        PlotState state;
        EXPECT_GT(ComputeTimeLayout(project, state, page, 1.0, 10.0), state.plotOriginY);
        EXPECT_GT(state.plotOriginY, 10 * 200.0);  // below ten lines of 10-point text
        PaintDisplay(project, state, page);
        EXPECT_TRUE(state.readout.valid);
    }
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(pdf.read(5), "%PDF-");
}

TEST(RealWell, F03_4DrawsWithItsOwnRanges) {
    Project project;
    const OpenProjectReport report = OpenProjectFile(
        project, MemorySettingsStore(), std::string(TESSARIN_TEST_DATA_DIR) + "/f03_4_display.tsp");
    ASSERT_EQ(report.waveletProblem, "");
    PlotState state;
    state.dateText = "01-02-2024";
    PlotPicture picture;
    const auto failure = RecomputeAndDisplay(project, state, picture);
    ASSERT_FALSE(failure.has_value()) << *failure;
    KeepForALook(picture, "f03_4");
    // The log starts 0.15 m below the datum at sea level: 0.3 m at 1500 m/s.
    EXPECT_NEAR(project.firstSampleTime, 0.0002, 1e-9);
    EXPECT_DOUBLE_EQ(state.firstLabelTime, 0.0);
    // Interval velocities of about 1700 to 2700 m/s and densities of 1.93 to 2.31 g/cc.
    const ReadoutPositions& r = state.readout;
    EXPECT_DOUBLE_EQ(r.velocityGridMin, 1500.0);
    EXPECT_DOUBLE_EQ(r.velocityGridMax, 4500.0);
    EXPECT_DOUBLE_EQ(r.densityGridMin, 1.5);
    EXPECT_DOUBLE_EQ(r.densityGridMax, 2.5);
    // 885 samples of 2 ms end at 1.7702 s: the last timing line is the one at 1.8 s.
    EXPECT_NEAR(r.lastTimingLineTime, 1.8, 1e-12);
    EXPECT_EQ(picture.Image().width(), static_cast<int>(std::ceil(state.layoutWidth / 15.0)));
}

// Whether the last `columns` columns of pixels are all white: nothing was cut at the right edge.
bool RightEdgeIsBlank(const QImage& image, int columns) {
    for (int x = image.width() - columns; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixelColor(x, y) != QColor(Qt::white)) {
                return false;
            }
        }
    }
    return true;
}

TEST(RealWell, NothingIsCutOffAtTheRightAtAnyScreenFactor) {
    const std::string longName =
        "F03-4, Dutch North Sea block F3, re-logged and tied for the coloured inversion study";
    const struct {
        double factor;
        int traces;
        const char* wellName;
    } cases[] = {
        {1.0, 5, "F03-4"},          {1.15, 5, "F03-4"}, {2.0, 5, "F03-4"},
        {0.8, 0, "F03-4"},          {1.0, 0, "F03-4"},  {1.0, 5, longName.c_str()},
        {2.0, 0, longName.c_str()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "factor " << c.factor << ", " << c.traces << " traces, " << c.wellName);
        Project project;
        OpenProjectFile(project, MemorySettingsStore(),
                        std::string(TESSARIN_TEST_DATA_DIR) + "/f03_4_display.tsp");
        project.screenCorrection = Value(c.factor);
        project.traceCount = static_cast<std::int16_t>(c.traces);
        project.wellName = c.wellName;
        PlotState state;
        PlotPicture picture;
        const auto failure = RecomputeAndDisplay(project, state, picture);
        ASSERT_FALSE(failure.has_value()) << *failure;
        EXPECT_TRUE(RightEdgeIsBlank(picture.Image(), 10));
        // Never narrower than the layout; as wide as the drawing, with its margin, beyond it.
        EXPECT_GE(picture.WidthTwips(), state.layoutWidth);
    }
}

}  // namespace
}  // namespace tessarin::test
