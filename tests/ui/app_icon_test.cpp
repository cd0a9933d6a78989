// The installed SVG icon shows the same picture as the icon the window draws for itself: the SVG
// is rendered by librsvg, as desktops render it, and compared pixel by pixel.

#include "ui/app_icon.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>

namespace tessarin::test {
namespace {

// A picture laid on white, so that transparent corners compare equal however they are stored.
QImage OnWhite(const QImage& picture) {
    QImage image(picture.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).drawImage(0, 0, picture);
    return image;
}

QImage RenderedSvg(const QString& svg, int size) {
    QTemporaryDir dir;
    const QString in = dir.filePath("icon.svg");
    const QString out = dir.filePath("icon.png");
    QFile file(in);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(svg.toUtf8());
    file.close();
    QProcess rsvg;
    rsvg.start("rsvg-convert",
               {"-w", QString::number(size), "-h", QString::number(size), in, "-o", out});
    EXPECT_TRUE(rsvg.waitForFinished(20000)) << "rsvg-convert did not run";
    EXPECT_EQ(rsvg.exitCode(), 0) << rsvg.readAllStandardError().toStdString();
    return QImage(out);
}

// The share of pixels whose colour differs by more than a quarter of full scale in a channel:
// anti-aliasing along the edges differs between renderers, shapes must not.
double DifferentPixels(const QImage& a, const QImage& b) {
    int different = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y);
            const QColor q = b.pixelColor(x, y);
            if (std::abs(p.red() - q.red()) > 64 || std::abs(p.green() - q.green()) > 64 ||
                std::abs(p.blue() - q.blue()) > 64) {
                ++different;
            }
        }
    }
    return different / static_cast<double>(a.width() * a.height());
}

// Renderers differ in a few edge pixels at most; the filled lobe alone covers about 2 % of the
// 48-pixel icon.
constexpr double kTolerance = 0.005;

TEST(ProgramIcon, TheSvgShowsTheWindowIconsPicture) {
    ASSERT_FALSE(QStandardPaths::findExecutable("rsvg-convert").isEmpty())
        << "rsvg-convert (librsvg2-bin) is needed; scripts/setup-deps installs it";
    for (const int size : {48, 256}) {
        SCOPED_TRACE(size);
        const QImage svg = RenderedSvg(ProgramIconSvg(), size);
        ASSERT_EQ(svg.size(), QSize(size, size));
        const QImage drawn = OnWhite(ProgramPixmap(size, 1.0).toImage());
        EXPECT_LT(DifferentPixels(OnWhite(svg), drawn), kTolerance);
    }
}

TEST(ProgramIcon, TheComparisonSeesAMissingShape) {
    // The same SVG without the filled lobe of the wiggle trace must not pass for the icon.
    QString svg = ProgramIconSvg();
    const qsizetype lobe = svg.indexOf("<polygon");
    ASSERT_GE(lobe, 0);
    svg.remove(lobe, svg.indexOf("/>", lobe) + 2 - lobe);
    const QImage drawn = OnWhite(ProgramPixmap(48, 1.0).toImage());
    EXPECT_GT(DifferentPixels(OnWhite(RenderedSvg(svg, 48)), drawn), kTolerance);
}

}  // namespace
}  // namespace tessarin::test
