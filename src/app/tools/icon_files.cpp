// Writes the program's icon files for installation, from the same drawing as the window icon:
//   tessarin-icon-files PNG_FILE PNG_SIZE SVG_FILE

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>
#include <iostream>

#include "ui/app_icon.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: tessarin-icon-files PNG_FILE PNG_SIZE SVG_FILE\n";
        return 2;
    }
    const QString pngPath = QString::fromLocal8Bit(argv[1]);
    const int size = QString::fromLocal8Bit(argv[2]).toInt();
    const QString svgPath = QString::fromLocal8Bit(argv[3]);
    if (size <= 0) {
        std::cerr << "tessarin-icon-files: the PNG size must be a positive number of pixels\n";
        return 2;
    }

    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        tessarin::PaintProgramIcon(painter, size);
    }
    if (!image.save(pngPath, "PNG")) {
        std::cerr << "tessarin-icon-files: cannot write " << argv[1] << "\n";
        return 1;
    }

    QFile svg(svgPath);
    if (!svg.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        svg.write(tessarin::ProgramIconSvg().toUtf8()) < 0) {
        std::cerr << "tessarin-icon-files: cannot write " << argv[3] << "\n";
        return 1;
    }
    return 0;
}
