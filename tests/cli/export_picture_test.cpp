// tessarin-cli export with --bmp and --png: the display of a real well written as pictures.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "cli/cli_runner.h"

namespace tessarin::test {
namespace {

namespace fs = std::filesystem;

const std::string kDataDir = TESSARIN_TEST_DATA_DIR;

std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

std::vector<unsigned char> Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t LittleEndian(const std::vector<unsigned char>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

std::uint32_t BigEndian(const std::vector<unsigned char>& b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) << 24 | b[at + 1] << 16 | b[at + 2] << 8 | b[at + 3];
}

struct Size {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
};

Size PngSize(const fs::path& path) {
    const auto b = Bytes(path);
    if (b.size() < 24 || b[1] != 'P' || b[2] != 'N' || b[3] != 'G') {
        return {};
    }
    return {BigEndian(b, 16), BigEndian(b, 20)};
}

class ExportPicture : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("tessarin-export-picture-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder_ / "config");
        // The tool reads the user's saved plot preferences; these tests have none saved.
        ::setenv("XDG_CONFIG_HOME", (folder_ / "config").c_str(), 1);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string Out(const std::string& name) const { return (folder_ / name).string(); }

    fs::path folder_;
    const std::string well_ = Quoted(kDataDir + "/f03_4_display.tsp");
};

TEST_F(ExportPicture, WritesTheDisplayAsBitmapAndPng) {
    const CliResult r = RunCli("export " + well_ + " --bmp " + Quoted(Out("well.bmp")) + " --png " +
                               Quoted(Out("well.png")));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const auto bmp = Bytes(Out("well.bmp"));
    ASSERT_GT(bmp.size(), 54u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(LittleEndian(bmp, 2), bmp.size());
    EXPECT_EQ(bmp[28], 24);  // bits per pixel
    const Size png = PngSize(Out("well.png"));
    EXPECT_EQ(LittleEndian(bmp, 18), png.width);
    EXPECT_EQ(LittleEndian(bmp, 22), png.height);
    // About 8 inches wide; 1.8 s at 10 cm/s plus header, tables and margins: about 13 inches.
    EXPECT_GT(png.width, 700u);
    EXPECT_LT(png.width, 900u);
    EXPECT_GT(png.height, 1100u);
    EXPECT_LT(png.height, 1400u);
    EXPECT_LT(fs::file_size(Out("well.png")) * 5, bmp.size());
}

TEST_F(ExportPicture, ScreenFactorShrinksTheTimeAxis) {
    ASSERT_EQ(RunCli("export " + well_ + " --png " + Quoted(Out("one.png"))).status, 0);
    const CliResult r =
        RunCli("export " + well_ + " --png " + Quoted(Out("small.png")) + " --screen-factor 0.8");
    ASSERT_EQ(r.status, 0) << r.err;
    const Size one = PngSize(Out("one.png"));
    const Size small = PngSize(Out("small.png"));
    EXPECT_LT(small.height, one.height * 0.9);
    // The width keeps its layout value, apart from text widths measured on the picture.
    EXPECT_NEAR(small.width, one.width, one.width * 0.05);
}

TEST_F(ExportPicture, PlotThatCannotBeDrawnFailsWithItsReason) {
    // Ranch 7-22 lies entirely above its seismic datum.
    const CliResult r = RunCli("export " + Quoted(kDataDir + "/ranch_7_22.tsp") + " --bmp " +
                               Quoted(Out("ranch.bmp")));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err,
              "tessarin-cli export: the synthetic cannot be displayed: Every sample of the log "
              "lies above the seismic datum, so the plot has no time zero.\n");
    EXPECT_FALSE(fs::exists(Out("ranch.bmp")));
}

TEST_F(ExportPicture, FailuresAndRefusals) {
    const CliResult missing = RunCli("export " + Quoted(Out("none.tsp")) + " --png x.png");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "tessarin-cli export: " + Out("none.tsp") +
                               ": This is not a valid Tessarin project file.\n");

    const CliResult unwritable =
        RunCli("export " + well_ + " --png " + Quoted(Out("no/such/folder/x.png")));
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find("could not be written"), std::string::npos) << unwritable.err;

    const CliResult nothing = RunCli("export " + well_);
    EXPECT_EQ(nothing.status, 2);
    EXPECT_EQ(nothing.err,
              "tessarin-cli export: say what to write: --bmp FILE, --png FILE, --dat FILE or "
              "--segy PREFIX --traces N\n");

    const CliResult factor = RunCli("export " + well_ + " --png x.png --screen-factor none");
    EXPECT_EQ(factor.status, 2);
    EXPECT_EQ(factor.err,
              "tessarin-cli export: --screen-factor must be a number greater than zero, not "
              "\"none\"\n");
}

}  // namespace
}  // namespace tessarin::test
