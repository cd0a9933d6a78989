// The display drawn on the real screen picture, probed pixel by pixel. Set TESSARIN_SAVE_PICTURES
// to a folder to keep the pictures for a look.

#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QImageReader>
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

TEST_F(RenderedKnownWell, BitmapFileHoldsThePicture) {
    Draw("known_well_bitmap");
    QTemporaryDir dir;
    const QString path = dir.path() + "/well.bmp";
    SaveBitmap(picture.Image(), path.toStdString());
    EXPECT_EQ(QImage(path).convertToFormat(QImage::Format_RGB32),
              picture.Image().convertToFormat(QImage::Format_RGB32));
    EXPECT_THROW(SaveBitmap(picture.Image(), (dir.path() + "/no/such/folder/x.bmp").toStdString()),
                 Error);
    EXPECT_EQ(ProposedBitmapName("*.tsp", ".png"), "*.png");
    EXPECT_EQ(ProposedBitmapName("/data/well.tsp", ".bmp"), "/data/well.bmp");
    // The name chooses the format: the file holds what its extension says, and the same pixels.
    for (const auto& [name, format] : {std::pair{"a.png", "png"}, {"b.BMP", "bmp"}, {"c", "png"}}) {
        const QString named = dir.path() + "/" + name;
        SavePicture(picture.Image(), named.toStdString());
        QImageReader reader(named);
        EXPECT_EQ(reader.format(), format) << name;
        EXPECT_EQ(reader.read().convertToFormat(QImage::Format_RGB32),
                  picture.Image().convertToFormat(QImage::Format_RGB32));
    }
}

TEST_F(RenderedKnownWell, HugeAmplitudesAndNoTracesStillDraw) {
    project.amplitudeScale = Value(32767);  // the largest the dialog accepts
    Draw("known_well_huge_amplitude");
    EXPECT_EQ(At(10, 10), QColor(Qt::white));
    project.traceCount = 0;
    Draw("known_well_no_traces");
}

}  // namespace
}  // namespace tessarin::test
