// tessarin-cli export --pdf: the display of a real well printed into a PDF file, read back with
// poppler's tools. How the pages are cut and joined is tested with the printing itself.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <regex>
#include <string>

#include "cli/cli_runner.h"

namespace tessarin::test {
namespace {

namespace fs = std::filesystem;

std::string Output(const std::string& command) {
    std::string text;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
            text.append(buffer, n);
        }
        ::pclose(pipe);
    }
    return text;
}

// "Pages" and "Page size" as pdfinfo reports them.
std::string Info(const fs::path& pdf, const std::string& field) {
    std::smatch match;
    const std::string info = Output("pdfinfo " + Quoted(pdf));
    const std::regex line(field + ":\\s*([^\\n]*)");
    return std::regex_search(info, match, line) ? match[1].str() : "";
}

std::string PageText(const fs::path& pdf, int page) {
    const std::string n = std::to_string(page);
    const std::string text =
        Output("pdftotext -layout -f " + n + " -l " + n + " " + Quoted(pdf) + " -");
    return std::regex_replace(text, std::regex("\\s+"), " ");
}

class ExportPdf : public CliTest {
protected:
    CliResult Export(const std::string& project, const std::string& options) const {
        return RunCli("export " + project + " --pdf " + Quoted(Path("well.pdf")) + options);
    }
    fs::path Pdf() const { return Path("well.pdf"); }
};

TEST_F(ExportPdf, PaperAndOrientation) {
    struct Case {
        std::string options;
        std::string size;
        std::string pages;
    };
    const Case cases[] = {
        {"", "612 x 792 pts (letter)", "2"},
        {" --paper letter --landscape", "792 x 612 pts (letter)", "2"},
        {" --paper a4", "595 x 842 pts (A4)", "2"},
        {" --landscape --paper a4", "842 x 595 pts (A4)", "3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options);
        const CliResult r = Export(DataFile("f03_4_display.tsp"), c.options);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(Info(Pdf(), "Page size"), c.size);
        EXPECT_EQ(Info(Pdf(), "Pages"), c.pages);
        const std::string first = PageText(Pdf(), 1);
        EXPECT_NE(first.find("F03-4 F3 block, Dutch North Sea"), std::string::npos) << first;
        EXPECT_NE(first.find("Time scale = 10 cm/second"), std::string::npos);
    }
}

TEST_F(ExportPdf, RefusedOptionsAndFailures) {
    const CliResult paper = Export(DataFile("f03_4_display.tsp"), " --paper b5");
    EXPECT_EQ(paper.status, 2);
    EXPECT_EQ(paper.err, "tessarin-cli export: --paper: must be letter or a4, not \"b5\"\n");

    const CliResult alone =
        RunCli("export " + DataFile("f03_4_display.tsp") + " --png x.png --landscape");
    EXPECT_EQ(alone.status, 2);
    EXPECT_EQ(alone.err, "tessarin-cli export: --landscape requires --pdf\n");

    const CliResult unwritable = RunCli("export " + DataFile("f03_4_display.tsp") + " --pdf " +
                                        Quoted(Path("no/such/folder/x.pdf")));
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find("could not be written"), std::string::npos) << unwritable.err;

    const CliResult above = Export(DataFile("ranch_7_22.tsp"), "");
    EXPECT_EQ(above.status, 1);
    EXPECT_EQ(above.err,
              "tessarin-cli export: the synthetic cannot be printed: Every sample of the log lies "
              "above the seismic datum, so the plot has no time zero.\n");
    EXPECT_FALSE(fs::exists(Pdf()));

    const CliResult help = RunCli("export --help");
    EXPECT_NE(help.out.find("[--pdf FILE [--paper letter|a4] [--landscape]]"), std::string::npos)
        << help.out;
}

}  // namespace
}  // namespace tessarin::test
