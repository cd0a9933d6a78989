// The display drawn on the real screen picture, probed pixel by pixel. Set TESSARIN_SAVE_PICTURES
// to a folder to keep the pictures for a look.

#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <cmath>

#include "files/open_project.h"
#include "model/error.h"
#include "plot/bitmap_export.h"
#include "plot/layout.h"
#include "plot/plot_driver.h"
#include "plot_fixture.h"

namespace tessarin::test {
namespace {

class RenderedKnownWell : public ::testing::Test {
protected:
    void Draw(const char* name) {
        state.dateText = "01-02-2024";
        const auto failure = DrawDisplay(project, state, picture);
        ASSERT_FALSE(failure.has_value()) << *failure;
        if (const char* folder = std::getenv("TESSARIN_SAVE_PICTURES")) {
            picture.Image().save(QString(folder) + "/" + name + ".png");
        }
    }

    // The pixel under a point given in twips.
    QColor At(double x, double y) {
        return picture.Image().pixelColor(static_cast<int>(std::floor(x / 15.0)),
                                          static_cast<int>(std::floor(y / 15.0)));
    }

    // Whether any pixel within one pixel of the point has the colour.
    bool Near(double x, double y, QColor colour) {
        for (int dx = -15; dx <= 15; dx += 15) {
            for (int dy = -15; dy <= 15; dy += 15) {
                if (At(x + dx, y + dy) == colour) {
                    return true;
                }
            }
        }
        return false;
    }

    // The depth axis stands 720 twips plus the width of "00000" from the left edge.
    double DepthAxisX() {
        picture.SetFont(PlotTextFont(project, kPlotTextPoints));
        return 720.0 + picture.TextWidth("00000");
    }
    double Y(double i) const { return state.SampleY(i); }

    Project project = MakeKnownWell();
    PlotState state;
    PlotPicture picture;
};

TEST_F(RenderedKnownWell, LobesAreBlackTheBackgroundWhiteAndHorizonsBlue) {
    Draw("known_well_probes");
    const double axis = DepthAxisX();
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
    const std::string path = (dir.path() + "/well.bmp").toStdString();
    SaveBitmap(picture.Image(), path);
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_GT(bytes.size(), 54);
    const auto u32 = [&](int at) {
        return static_cast<quint32>(static_cast<quint8>(bytes[at])) |
               static_cast<quint32>(static_cast<quint8>(bytes[at + 1])) << 8 |
               static_cast<quint32>(static_cast<quint8>(bytes[at + 2])) << 16 |
               static_cast<quint32>(static_cast<quint8>(bytes[at + 3])) << 24;
    };
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(u32(2), static_cast<quint32>(bytes.size()));
    EXPECT_EQ(static_cast<int>(u32(18)), picture.Image().width());
    EXPECT_EQ(static_cast<int>(u32(22)), picture.Image().height());
    EXPECT_EQ(static_cast<quint8>(bytes[28]), 24);  // bits per pixel
    const QImage back(QString::fromStdString(path));
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32),
              picture.Image().convertToFormat(QImage::Format_RGB32));
    const std::string png = (dir.path() + "/well.png").toStdString();
    SavePng(picture.Image(), png);
    EXPECT_EQ(QImage(QString::fromStdString(png)).size(), picture.Image().size());
    EXPECT_THROW(SaveBitmap(picture.Image(), (dir.path() + "/no/such/folder/x.bmp").toStdString()),
                 Error);
}

TEST_F(RenderedKnownWell, PlotThatCannotBeDrawnLeavesThePictureAsItWas) {
    Draw("known_well_before_failure");
    const QImage before = picture.Image().copy();
    const ReadoutPositions readout = state.readout;
    project.datumElevation = Value(-99999);  // every sample above the datum
    const auto failure = DrawDisplay(project, state, picture);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(*failure,
              "Every sample of the log lies above the seismic datum, so the plot has no time "
              "zero.");
    EXPECT_EQ(picture.Image(), before);
    EXPECT_EQ(state.readout.lastTimingLineY, readout.lastTimingLineY);
}

TEST_F(RenderedKnownWell, TooLongAPlotIsRefusedBeforeDrawing) {
    project.timeScale = Value(2000);  // 1000 inches of plot for 0.5 s
    const auto failure = DrawDisplay(project, state, picture);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(*failure, "The plot is too large to draw. Please choose a smaller time scale.");
}

TEST_F(RenderedKnownWell, HugeAmplitudesAndNoTracesStillDraw) {
    project.amplitudeScale = Value(32767);  // the largest the dialog accepts
    Draw("known_well_huge_amplitude");
    EXPECT_EQ(At(10, 10), QColor(Qt::white));
    project.traceCount = 0;
    Draw("known_well_no_traces");
    project.traceCount = -1;
    EXPECT_EQ(*DrawDisplay(project, state, picture), "The number of traces cannot be negative.");
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
        const double bottom = ComputeTimeLayout(project, state, page, 1.0, 10.0);
        EXPECT_GT(bottom, state.plotOriginY);
        EXPECT_GT(project.headerHeight, 10 * 200.0);  // ten lines of 10-point text
        PaintDisplay(project, state, page);
        EXPECT_TRUE(state.readout.valid);
    }
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
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
    if (const char* folder = std::getenv("TESSARIN_SAVE_PICTURES")) {
        picture.Image().save(QString(folder) + "/f03_4.png");
    }
    // The log starts 0.15 m below the datum at sea level: 0.3 m at 1500 m/s.
    EXPECT_NEAR(project.firstSampleTime, 0.0002, 1e-9);
    EXPECT_DOUBLE_EQ(state.firstLabelTime, 0.0);
    // Interval velocities of about 1700 to 2700 m/s and densities of 1.93 to 2.31 g/cc.
    EXPECT_DOUBLE_EQ(state.readout.velocityGridMin, 1500.0);
    EXPECT_DOUBLE_EQ(state.readout.velocityGridMax, 4500.0);
    EXPECT_DOUBLE_EQ(state.readout.densityGridMin, 1.5);
    EXPECT_DOUBLE_EQ(state.readout.densityGridMax, 2.5);
    // 885 samples of 2 ms end at 1.7702 s: the last timing line is the one at 1.8 s.
    EXPECT_NEAR(state.readout.lastTimingLineTime, 1.8, 1e-12);
    EXPECT_EQ(picture.Image().width(), static_cast<int>(std::ceil(project.plotWidth / 15.0)));
}

TEST(BitmapName, DropsTheProjectExtension) {
    EXPECT_EQ(ProposedBitmapName("*.tsp"), "*.bmp");
    EXPECT_EQ(ProposedBitmapName("/data/well.tsp"), "/data/well.bmp");
}

}  // namespace
}  // namespace tessarin::test
