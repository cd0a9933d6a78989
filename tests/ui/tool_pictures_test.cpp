#include "ui/tool_pictures.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <set>

namespace tessarin {
namespace {

const QPalette kClassicGrey(QColor(192, 192, 192));

QImage Image(Tool tool, ButtonFace face, qreal ratio) {
    return DrawToolPicture(tool, face, ratio, kClassicGrey)
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

bool HasColour(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (QColor(image.pixel(x, y)).hsvSaturation() > 12) {
                return true;
            }
        }
    }
    return false;
}

TEST(ToolPictures, EveryButtonHasAPictureOfItsOwnThatSinksWhenPressed) {
    std::set<QByteArray> seen;
    for (int i = 0; i < kToolCount; ++i) {
        SCOPED_TRACE(i);
        const Tool tool = static_cast<Tool>(i);
        const QImage raised = Image(tool, ButtonFace::Raised, 1);
        EXPECT_EQ(raised.size(), kToolPictureSize);
        EXPECT_NE(raised, Image(tool, ButtonFace::Pressed, 1));
        seen.insert(
            QByteArray(reinterpret_cast<const char*>(raised.constBits()), raised.sizeInBytes()));
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(kToolCount));
}

TEST(ToolPictures, GreyedPicturesHaveNoColourLeft) {
    for (Tool tool : {Tool::Plot, Tool::Print, Tool::Seismic}) {
        EXPECT_FALSE(HasColour(Image(tool, ButtonFace::Greyed, 1)));
        EXPECT_FALSE(HasColour(Image(tool, ButtonFace::Greyed, 2)));
        EXPECT_NE(Image(tool, ButtonFace::Greyed, 1), Image(tool, ButtonFace::Raised, 1));
    }
    EXPECT_TRUE(HasColour(Image(Tool::Print, ButtonFace::Raised, 1)));
}

TEST(ToolPictures, HighDensityScreensGetPicturesDrawnAtTheirOwnResolution) {
    for (qreal ratio : {1.5, 2.0, 3.0}) {
        SCOPED_TRACE(ratio);
        const QPixmap picture =
            DrawToolPicture(Tool::Wave, ButtonFace::Raised, ratio, kClassicGrey);
        EXPECT_EQ(picture.deviceIndependentSize().toSize(), kToolPictureSize);
        EXPECT_EQ(picture.size(), (kToolPictureSize * ratio));
    }
    // Drawn afresh, not a 96 dpi picture blown up: its curves have detail finer than the 2 x 2
    // blocks that pixel doubling gives.
    const QImage sharp = Image(Tool::Wave, ButtonFace::Raised, 2);
    int mixedBlocks = 0;
    for (int y = 0; y < sharp.height(); y += 2) {
        for (int x = 0; x < sharp.width(); x += 2) {
            const QRgb c = sharp.pixel(x, y);
            const bool uniform = sharp.pixel(x + 1, y) == c && sharp.pixel(x, y + 1) == c &&
                                 sharp.pixel(x + 1, y + 1) == c;
            mixedBlocks += uniform ? 0 : 1;
        }
    }
    EXPECT_GT(mixedBlocks, 10);
}

}  // namespace
}  // namespace tessarin
