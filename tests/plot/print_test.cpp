// Printing the display page by page: where the pages are cut, and real prints into PDF files read
// back with poppler's tools.

#include <gtest/gtest.h>

#include <QPageLayout>
#include <QPrinter>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <sstream>

#include "engine/datum.h"
#include "engine/synthetic.h"
#include "files/open_project.h"
#include "model/error.h"
#include "plot/join_label.h"
#include "plot/layout.h"
#include "plot/pagination.h"
#include "plot/pdf_reader.h"
#include "plot/print_display.h"
#include "plot/printer_surface.h"
#include "plot_fixture.h"

namespace tessarin::test {
namespace {

TEST(Pagination, EverySampleIsPrintedAndPagesShareHalfAnInch) {
    struct Case {
        const char* name;
        double twipsPerSample;
        double labelOffset;  // samples from the first whole 100 ms to sample 0
        int lastSample;
        double pageHeight;
        std::size_t pages;
    };
    const Case cases[] = {
        {"fits on one page", 14.4, 0.0, 600, 15120.0, 1},
        {"start between 100-ms lines", 34.0, 18.5, 885, 15120.0, 3},
        {"a long log at a large scale", 113.4, 7.0, 885, 15120.0, 9},
        {"samples wider than the overlap", 800.0, 0.0, 40, 15120.0, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PlotState layout;
        layout.screenTwipsPerSample = c.twipsPerSample;
        layout.firstLabelSampleOffset = c.labelOffset;
        layout.plotOriginY = 3000.0;  // the header
        const auto pages = PaginateTimePanels(layout, c.lastSample, c.pageHeight);
        ASSERT_EQ(pages.size(), c.pages);
        EXPECT_EQ(pages.front().firstSample, 0);
        EXPECT_EQ(pages.front().top, 3000.0);
        EXPECT_EQ(pages.back().lastSample, c.lastSample);
        const int overlap = static_cast<int>(std::floor(720.0 / c.twipsPerSample));
        for (std::size_t p = 0; p < pages.size(); ++p) {
            const PageRange& page = pages[p];
            const auto y = [&](int i) {
                return page.plotOriginY + (i + c.labelOffset) * c.twipsPerSample;
            };
            // Page 1 starts at the first whole 100 ms, as the screen does; every later page with
            // its first sample, leaving no paper blank above it.
            EXPECT_DOUBLE_EQ(p == 0 ? page.plotOriginY : y(page.firstSample), page.top);
            EXPECT_LE(y(page.lastSample), c.pageHeight - 1440.0 + 1e-9);
            if (p + 1 < pages.size()) {
                EXPECT_GT(y(page.lastSample + 1), c.pageHeight - 1440.0) << "page " << p + 1;
                EXPECT_EQ(pages[p + 1].firstSample, page.lastSample - overlap);
                EXPECT_EQ(pages[p + 1].top, 500.0);
            }
        }
    }
}

constexpr const char* kPrintedAt = "07-04-2025 09:15";

TEST(JoinLabel, IsShortenedToItsRoomNameFirst) {
    const auto characters = [](const std::string& text) {  // one unit a character
        return static_cast<double>(
            std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
    };
    for (const auto& [name, room, label] :
         {std::tuple("F03-4", 24.0, "F03-4   07-04-2025 09:15"),
          std::tuple("L-30 Long Name", 25.0, "L-30\u2026   07-04-2025 09:15"),
          std::tuple("\u00d8st \u00e9\u00e9\u00e9", 25.0,
                     "\u00d8st \u00e9\u2026   07-04-2025 09:15"),
          std::tuple("F03-4", 10.0, "F03-4   0\u2026"), std::tuple("F03-4", 0.5, "")}) {
        EXPECT_EQ(FitJoinLabel(name, kPrintedAt, room, characters), label) << room;
    }
}

int CountWords(const std::string& text, const std::string& word) {
    std::istringstream words(text);
    int count = 0;
    for (std::string w; words >> w;) {
        count += w == word ? 1 : 0;
    }
    return count;
}

class Print : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        printer_.setOutputFormat(QPrinter::PdfFormat);
        printer_.setOutputFileName(Path());
        printer_.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                           QMarginsF(18, 18, 18, 18), QPageLayout::Point));
    }

    void OpenRealWell(const char* timeScaleCmPerSecond) {
        const OpenProjectReport report =
            OpenProjectFile(project_, MemorySettingsStore(),
                            std::string(TESSARIN_TEST_DATA_DIR) + "/f03_4_display.tsp");
        ASSERT_EQ(report.waveletProblem, "");
        project_.timeScale = Value::Text(timeScaleCmPerSecond);
        ASSERT_FALSE(RecomputeSynthetic(project_).has_value());
        ComputeStartTime(project_);
    }

    PrintedDocument PrintIt() {
        return PrintDisplay(printer_, project_, {"01-02-2024", kPrintedAt});
    }

    // The count rule: the total plot height (the lowest of the time panels, the tables and the
    // wavelet) over the page height less an inch, plus one.
    int RulePageCount() {
        PrinterSurface page(printer_);
        Project copy = project_;
        PlotState state;
        const double total = ComputeTimeLayout(copy, state, page, 1.0, 10.0);
        return static_cast<int>(total / (page.PageHeight() - 1440.0)) + 1;
    }

    QString Path() const { return dir_.filePath("print.pdf"); }
    std::string Text(int page) const { return PdfPageText(Path(), page); }

    QTemporaryDir dir_;
    QPrinter printer_{QPrinter::HighResolution};
    Project project_;
};

TEST_F(Print, ShortSyntheticFitsOnePageAndTheTablesFollow) {
    OpenRealWell("10");
    const PrintedDocument document = PrintIt();
    EXPECT_EQ(document.panelPages, 1);
    EXPECT_TRUE(document.tablesOnOwnPage);  // 21 horizons do not fit below 1.8 s at 10 cm/s
    ASSERT_EQ(PdfPageCount(Path()), 2);
    EXPECT_EQ(PdfPageCount(Path()), RulePageCount());

    const std::string first = Text(1);
    EXPECT_TRUE(Holds(first, "F03-4 F3 block, Dutch North Sea")) << first;
    EXPECT_TRUE(Holds(first, "Date plotted: 01-02-2024"));
    EXPECT_TRUE(Holds(first, "0.0") && Holds(first, "1.8") && Holds(first, "end of log"));
    EXPECT_FALSE(Holds(first, kPrintedAt)) << "a single page has no joins";

    const std::string tables = Text(2);
    EXPECT_FALSE(Holds(tables, "Date plotted"));
    EXPECT_TRUE(Holds(tables, "Horizon Depth Subsea Time Ave V Int H Int T Int V")) << tables;
    EXPECT_TRUE(Holds(tables, "NLLFC (Base Tertiary) 1785 -1755 1.704 2060 426 0.450 1892"));
    EXPECT_TRUE(Holds(tables, "5-10-50-60 Hz") && Holds(tables, "Length = 0.200 Sec"));
}

TEST_F(Print, LongSyntheticRunsOverSeveralJoinedPages) {
    OpenRealWell("30");
    const PrintedDocument document = PrintIt();
    EXPECT_EQ(document.panelPages, 3);
    EXPECT_EQ(document.panelPages, RulePageCount());
    ASSERT_EQ(PdfPageCount(Path()), document.Pages());
    EXPECT_EQ(InfoField(Path(), "Title"), "F03-4");
    EXPECT_TRUE(InfoField(Path(), "Creator").startsWith("Tessarin 2."));
    for (int page = 1; page <= document.Pages(); ++page) {
        SCOPED_TRACE("page " + std::to_string(page));
        const std::string text = Text(page);
        const bool panels = page <= document.panelPages;
        // "A" where a page takes up the time axis from the page before, "B" where it leaves it
        // to the next: a letter at each edge, and the label once.
        const int a = page > 1 && panels ? 1 : 0;
        const int b = page < document.panelPages ? 1 : 0;
        EXPECT_EQ(CountWords(text, "A"), 2 * a);
        EXPECT_EQ(CountWords(text, "B"), 2 * b);
        EXPECT_EQ(CountWords(text, "09:15"), a + b) << text;
        EXPECT_EQ(Holds(text, "Date plotted"), page == 1);
        EXPECT_EQ(Holds(text, "Depth (MD) RC Normal Reverse"), panels);
        EXPECT_EQ(Holds(text, "Int V"), page == document.Pages());
        // Whose page, which one, and when, at the foot of every page.
        EXPECT_TRUE(Holds(text, "F03-4 Page " + std::to_string(page) + " of " +
                                    std::to_string(document.Pages()) + " 01-02-2024"))
            << text;
    }
    // The log ends on the last page of panels: its last timing line is at 1.8 s.
    EXPECT_TRUE(Holds(Text(document.panelPages), "1.8"));
    EXPECT_FALSE(Holds(Text(1), "1.8"));

    // Across the paper a long well name no longer fits between the two joins of a middle page:
    // each label is shortened to its own half.
    project_.wellName = "L-30 Gulf Coast Federal Offshore Block 12 Well";
    printer_.setPageOrientation(QPageLayout::Landscape);
    ASSERT_GE(PrintIt().panelPages, 3);
    const std::string middle = Text(2);
    EXPECT_EQ(CountWords(middle, "09:15"), 2) << middle;
    EXPECT_EQ(std::count(middle.begin(), middle.end(), '\xE2'), 2);  // the two ellipses
}

TEST_F(Print, PageRangeAndCopiesFollowThePrinter) {
    OpenRealWell("30");
    printer_.setPrintRange(QPrinter::PageRange);
    printer_.setFromTo(2, 3);
    printer_.setCopyCount(2);
    printer_.setCollateCopies(true);
    PrintIt();
    ASSERT_EQ(PdfPageCount(Path()), 4);  // pages 2, 3, 2, 3
    EXPECT_EQ(CountWords(Text(1), "A"), 2);
    EXPECT_FALSE(Holds(Text(1), "Date plotted"));
    EXPECT_EQ(Text(1), Text(3));

    printer_.setPrintRange(QPrinter::PageRange);
    printer_.setFromTo(7, 9);
    EXPECT_THROW(PrintIt(), Error);
}

TEST_F(Print, ADisplayWiderThanThePaperIsMeasuredAndAPaperThatHoldsItNamed) {
    using Across = QPageLayout;  // traces, traces per cm, orientation, told (empty: it fits)
    printer_.setPageSize(QPageSize(QPageSize::A4));
    for (const auto& [traces, perCm, orientation, told] :
         {std::tuple(5, "5", Across::Portrait, ""),
          std::tuple(10, "2", Across::Portrait, "but A4 portrait prints only 7.8 in (19.7 cm)"),
          std::tuple(10, "2", Across::Landscape, ""),
          std::tuple(20, "1", Across::Landscape, "Not even across is A4, Letter nor A3 wide")}) {
        OpenRealWell("10");
        project_.traceCount = static_cast<std::int16_t>(traces);
        project_.tracesPerUnit = Value::Text(perCm);
        printer_.setPageOrientation(orientation);
        const PrintedDocument document = PrintIt();
        // The density track is the rightmost panel: its title is whole only when it fits.
        EXPECT_EQ(Holds(Text(1), "Density (g/cc)"), *told == '\0') << traces;
        EXPECT_TRUE(Holds(TooWideWarning(printer_, document, {kLetterPaper, kA3Paper}), told));
    }
}

// A page seen at 72 dots per inch, one pixel per point; the margins are 18 points.
struct PagePicture {
    bool Inked(int x, int y) const { return qGray(image.pixel(x, y)) < 250; }
    // The row of the join tick at the left edge (points 18 to 36): inked all across.
    int JoinRow(int from, int to) const {
        for (int y = from; y < to; ++y) {
            int inked = 0;
            for (int x = 20; x <= 34; ++x) {
                inked += qGray(image.pixel(x, y)) < 160 ? 1 : 0;
            }
            if (inked == 15) {
                return y;
            }
        }
        return -1;
    }
    // Ink between the rows, over the panels (clear of the join marks at the page edges), or
    // anywhere in the margins.
    bool AnyInk(int from, int to) const {
        for (int y = std::max(from, 0); y < std::min(to, image.height()); ++y) {
            for (int x = 40; x < image.width() - 40; ++x) {
                if (Inked(x, y)) {
                    return true;
                }
            }
        }
        return false;
    }
    bool InkInMargins() const {
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const bool margin =
                    std::min({x, y, image.width() - 1 - x, image.height() - 1 - y}) < 17;
                if (margin && Inked(x, y)) {
                    return true;
                }
            }
        }
        return false;
    }
    QImage image;
};

TEST_F(Print, NothingIsDrawnAcrossAJoinOrIntoTheMargins) {
    // Known Well 1 at 40 inches per second: sample 0 lies 0.05 s below the first whole 100 ms,
    // and the datum velocity differs from the log's, so the pieces that lead into the first
    // sample would show above the join of every page after the first.
    project_ = MakeKnownWell();
    project_.timeScale = Value::Text("40");
    // Margins as narrow as Qt's own are widened to the quarter inch office printers need.
    printer_.setPageMargins(QMarginsF(1, 1, 1, 1), QPageLayout::Point);
    const PrintedDocument document = PrintIt();
    ASSERT_GE(document.panelPages, 3);
    for (int page = 1; page <= document.Pages(); ++page) {
        SCOPED_TRACE("page " + std::to_string(page));
        const PagePicture picture{PdfPageImage(Path(), page, 72)};
        ASSERT_FALSE(picture.image.isNull());
        EXPECT_FALSE(picture.InkInMargins());
        const int top = 18 + 25;  // the top of the panels after page 1, 500 twips down
        int from = 200;           // below the header of page 1
        if (page > 1 && page <= document.panelPages) {
            // The first sample stands at the top, not up to 100 ms below it.
            const int join = picture.JoinRow(top - 3, top + 300);
            EXPECT_NEAR(join, top, 1);
            EXPECT_TRUE(picture.AnyInk(join + 2, join + 40));
            from = join + 2;
        }
        if (page < document.panelPages) {
            const int join = picture.JoinRow(from, picture.image.height());
            ASSERT_GT(join, 0);
            const int footer = picture.image.height() - 30;
            EXPECT_FALSE(picture.AnyInk(join + 2, footer)) << "drawn past the join";
            EXPECT_TRUE(picture.AnyInk(join - 40, join - 1));
        }
    }
}

}  // namespace
}  // namespace tessarin::test
