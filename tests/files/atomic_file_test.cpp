#include "files/atomic_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "files/export_fixture.h"
#include "model/error.h"

namespace tessarin::test {
namespace {

int FilesIn(const TempDir& dir) {
    return static_cast<int>(std::distance(std::filesystem::directory_iterator(dir.Path()), {}));
}

TEST(AtomicFile, AWriterThatFailsHalfWayLeavesTheOldFileAndNoTemporary) {
    TempDir dir;
    const std::string path = dir.File("out.sgy");
    std::ofstream(path) << "complete earlier file";
    EXPECT_THROW(WriteFileAtomically(path,
                                     [](std::ostream& out) {
                                         out << "half of the new content";
                                         throw Error("The synthetic value NaN cannot be written.");
                                     }),
                 Error);
    EXPECT_EQ(ReadWholeFile(path), "complete earlier file");
    EXPECT_EQ(FilesIn(dir), 1);
}

TEST(AtomicFile, AStreamErrorIsReportedAndNothingIsLeft) {
    TempDir dir;
    const std::string path = dir.File("out.dat");
    try {
        WriteFileAtomically(path, [](std::ostream& out) {
            out << "some rows";
            out.setstate(std::ios::badbit);  // as a full disk leaves the stream
        });
        FAIL() << "a failed stream was reported as success";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()).rfind("The file \"" + path + "\" could not be written", 0),
                  0u)
            << e.what();
    }
    EXPECT_EQ(FilesIn(dir), 0);
}

TEST(AtomicFile, ACompleteWriteReplacesTheFile) {
    TempDir dir;
    const std::string path = dir.File("out.hor");
    std::ofstream(path) << "old";
    WriteFileAtomically(path, [](std::ostream& out) { out << "new\r\n"; });
    EXPECT_EQ(ReadWholeFile(path), "new\r\n");
    EXPECT_EQ(FilesIn(dir), 1);
}

}  // namespace
}  // namespace tessarin::test
