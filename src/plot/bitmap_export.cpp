#include "plot/bitmap_export.h"

#include <QBuffer>
#include <QImageWriter>

#include "files/replace_file.h"
#include "model/error.h"

namespace tessarin {

namespace {

// The picture is encoded in memory and written as every other file the program saves: into a
// temporary file, renamed over the old one only when whole, so that a full disk or a killed
// program never leaves half a picture, and a failure gives the system's reason.
void Save(const QImage& picture, const std::string& path, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(picture)) {
        throw Error("The picture could not be written to " + path + ": " +
                    writer.errorString().toStdString());
    }
    ReplaceFileContent(path,
                       std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace

void SaveBitmap(const QImage& picture, const std::string& path) {
    // Device-independent bitmaps hold 24-bit colour without alpha.
    Save(picture.convertToFormat(QImage::Format_RGB888), path, "bmp");
}

void SavePng(const QImage& picture, const std::string& path) {
    Save(picture, path, "png");
}

void SavePicture(const QImage& picture, const std::string& path) {
    const bool bitmap =
        QString::fromStdString(path).endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive);
    bitmap ? SaveBitmap(picture, path) : SavePng(picture, path);
}

std::string ProposedBitmapName(const std::string& projectFileName, const std::string& extension) {
    const std::size_t keep = projectFileName.size() >= 4 ? projectFileName.size() - 4 : 0;
    return projectFileName.substr(0, keep) + extension;
}

std::string ProposedPdfName(const std::string& projectFileName) {
    return ProposedBitmapName(projectFileName, ".pdf");
}

}  // namespace tessarin
