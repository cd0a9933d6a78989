#include "plot/bitmap_export.h"

#include <QImageWriter>

#include "model/error.h"

namespace tessarin {

namespace {

void Save(const QImage& picture, const std::string& path, const char* format) {
    QImageWriter writer(QString::fromStdString(path), format);
    if (!writer.write(picture)) {
        throw Error("The picture could not be written to " + path + ": " +
                    writer.errorString().toStdString());
    }
}

}  // namespace

void SaveBitmap(const QImage& picture, const std::string& path) {
    // Device-independent bitmaps hold 24-bit colour without alpha.
    Save(picture.convertToFormat(QImage::Format_RGB888), path, "bmp");
}

void SavePng(const QImage& picture, const std::string& path) {
    Save(picture, path, "png");
}

std::string ProposedBitmapName(const std::string& projectFileName) {
    const std::size_t keep = projectFileName.size() >= 4 ? projectFileName.size() - 4 : 0;
    return projectFileName.substr(0, keep) + ".bmp";
}

}  // namespace tessarin
