// tessarin-cli export with --bmp and --png: the display of a real well written as pictures.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "cli/cli_runner.h"

namespace tessarin::test {
namespace {

namespace fs = std::filesystem;

// The four bytes at `at`, little-endian or big-endian.
std::uint32_t Word(const std::string& b, std::size_t at, bool big) {
    std::uint32_t word = 0;
    for (std::size_t k = 0; k < 4; ++k) {
        const auto byte = static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + k]));
        word |= byte << (big ? 24 - 8 * k : 8 * k);
    }
    return word;
}

struct Size {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
};

Size PngSize(const fs::path& path) {
    const std::string b = ReadFile(path);
    if (b.size() < 24 || b.substr(1, 3) != "PNG") {
        return {};
    }
    return {Word(b, 16, true), Word(b, 20, true)};
}

class ExportPicture : public CliTest {
protected:
    CliResult Export(const std::string& options) const {
        return RunCli("export " + DataFile("f03_4_display.tsp") + " " + options);
    }
};

TEST_F(ExportPicture, WritesTheDisplayAsBitmapAndPng) {
    const CliResult r =
        Export("--bmp " + Quoted(Path("well.bmp")) + " --png " + Quoted(Path("well.png")));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const std::string bmp = ReadFile(Path("well.bmp"));
    ASSERT_GT(bmp.size(), 54u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(Word(bmp, 2, false), bmp.size());
    EXPECT_EQ(bmp[28], 24);  // bits per pixel
    const Size png = PngSize(Path("well.png"));
    EXPECT_EQ(Word(bmp, 18, false), png.width);
    EXPECT_EQ(Word(bmp, 22, false), png.height);
    // About 8 inches wide; 1.8 s at 10 cm/s plus header, tables and margins: about 13 inches.
    EXPECT_GT(png.width, 700u);
    EXPECT_LT(png.width, 900u);
    EXPECT_GT(png.height, 1100u);
    EXPECT_LT(png.height, 1400u);
    EXPECT_LT(fs::file_size(Path("well.png")) * 5, bmp.size());
}

TEST_F(ExportPicture, ScreenFactorShrinksTheTimeAxis) {
    ASSERT_EQ(Export("--png " + Quoted(Path("one.png"))).status, 0);
    const CliResult r = Export("--png " + Quoted(Path("small.png")) + " --screen-factor 0.8");
    ASSERT_EQ(r.status, 0) << r.err;
    const Size one = PngSize(Path("one.png"));
    const Size small = PngSize(Path("small.png"));
    EXPECT_LT(small.height, one.height * 0.9);
    // The width keeps its layout value, apart from text widths measured on the picture.
    EXPECT_NEAR(small.width, one.width, one.width * 0.05);
}

TEST_F(ExportPicture, PlotThatCannotBeDrawnFailsWithItsReason) {
    // Ranch 7-22 lies entirely above its seismic datum.
    const CliResult r =
        RunCli("export " + DataFile("ranch_7_22.tsp") + " --bmp " + Quoted(Path("ranch.bmp")));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err,
              "tessarin-cli export: the synthetic cannot be displayed: Every sample of the log "
              "lies above the seismic datum, so the plot has no time zero.\n");
    EXPECT_FALSE(fs::exists(Path("ranch.bmp")));
}

TEST_F(ExportPicture, UnwritableFileAndRefusedOptions) {
    const CliResult unwritable = Export("--png " + Quoted(Path("no/such/folder/x.png")));
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find("could not be written"), std::string::npos) << unwritable.err;

    const CliResult nothing = Export("");
    EXPECT_EQ(nothing.status, 2);
    EXPECT_EQ(nothing.err,
              "tessarin-cli export: say what to write: --bmp FILE, --png FILE, --pdf FILE, --dat "
              "FILE or --segy PREFIX --traces N\n");

    const CliResult factor = Export("--png x.png --screen-factor none");
    EXPECT_EQ(factor.status, 2);
    EXPECT_EQ(factor.err,
              "tessarin-cli export: --screen-factor: must be a number greater than zero, not "
              "\"none\"\n");
}

}  // namespace
}  // namespace tessarin::test
