// The pictures and the PDF of the display on a full disk: the old file stays whole, no temporary
// file is left, and the failure gives the system's reason.

#include "files/full_disk.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPrinter>
#include <functional>

#include "files/export_fixture.h"
#include "model/error.h"
#include "plot/bitmap_export.h"
#include "plot/pdf_file.h"
#include "plot_fixture.h"

namespace tessarin::test {
namespace {

TEST(FullDisk, PicturesAndPdfKeepTheOldFileAndSayWhy) {
    const FullDisk disk;
    if (!disk.Mounted())
        GTEST_SKIP() << disk.Reason();
    QImage picture(200, 100, QImage::Format_RGB32);
    picture.fill(Qt::white);
    const Project project = MakeKnownWell();
    const std::pair<const char*, std::function<void(const std::string&)>> exports[] = {
        {"well.bmp", [&](const std::string& path) { SaveBitmap(picture, path); }},
        {"well.png", [&](const std::string& path) { SavePng(picture, path); }},
        {"well.pdf",
         [&](const std::string& path) {
             QPrinter printer(QPrinter::HighResolution);
             printer.setOutputFormat(QPrinter::PdfFormat);
             printer.setOutputFileName(QString::fromStdString(path));
             PrintDisplayToPdfFile(printer, project);
         }},
    };
    for (const auto& [name, save] : exports) {
        WriteWholeFile(disk.File(name), "old");
    }
    disk.Fill();
    for (const auto& [name, save] : exports) {
        const std::string path = disk.File(name).string();
        try {
            save(path);
            ADD_FAILURE() << name << " written on a full disk";
        } catch (const Error& e) {
            EXPECT_EQ(e.what(),
                      "The file \"" + path + "\" could not be written: No space left on device.");
        }
        EXPECT_EQ(ReadWholeFile(path), "old") << name;
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(disk.File("")), {}), 4);
}

TEST(PdfFile, OnlyAHeaderAndTheEndMarkMakeAWholePdf) {
    for (const auto& [bytes, whole] : std::vector<std::pair<std::string, bool>>{
             {"%PDF-1.4\n1 0 obj\n%%EOF\n", true},
             {"%PDF-1.4\r\n%%EOF", true},
             {"%PDF-1.4\n1 0 obj\n<< /Type /Page", false},  // cut off
             {"", false},
             {"%%EOF", false}}) {
        EXPECT_EQ(IsWholePdf(bytes), whole) << bytes;
    }
}

}  // namespace
}  // namespace tessarin::test
