// Printing the display page by page: where the pages are cut, and real prints into PDF files read
// back with poppler's tools.

#include <gtest/gtest.h>

#include <QPageLayout>
#include <QPrinter>
#include <QTemporaryDir>
#include <cmath>
#include <sstream>

#include "engine/synthetic.h"
#include "files/open_project.h"
#include "model/error.h"
#include "plot/layout.h"
#include "plot/pagination.h"
#include "plot/pdf_reader.h"
#include "plot/print_display.h"
#include "plot/printer_surface.h"
#include "plot_fixture.h"

namespace tessarin::test {
namespace {

// --- Where the pages are cut -------------------------------------------------------------------

struct PaginationCase {
    const char* name;
    double twipsPerSample;
    double labelOffset;  // samples from the first whole 100 ms to sample 0
    double header;
    int lastSample;
    double pageHeight;
    std::size_t pages;
};

TEST(Pagination, EverySampleIsPrintedAndPagesShareHalfAnInch) {
    const PaginationCase cases[] = {
        {"fits on one page", 14.4, 0.0, 3000.0, 600, 15120.0, 1},
        {"one sample too many for one page", 14.4, 0.0, 3000.0, 742, 15120.0, 2},
        {"several pages, start between 100-ms lines", 34.0, 18.5, 3000.0, 885, 15120.0, 3},
        {"a long log at a large scale", 113.4, 7.0, 3000.0, 885, 15120.0, 9},
        {"samples wider than the overlap", 800.0, 0.0, 3000.0, 40, 15120.0, 3},
        {"landscape A4", 14.4, 0.0, 3000.0, 1500, 11186.0, 3},
    };
    for (const PaginationCase& c : cases) {
        SCOPED_TRACE(c.name);
        PlotState layout;
        layout.screenTwipsPerSample = c.twipsPerSample;
        layout.firstLabelSampleOffset = c.labelOffset;
        layout.plotOriginY = c.header;
        const auto pages = PaginateTimePanels(layout, c.lastSample, c.pageHeight);
        ASSERT_EQ(pages.size(), c.pages);
        EXPECT_EQ(pages.front().firstSample, 0);
        EXPECT_EQ(pages.front().top, c.header);
        EXPECT_EQ(pages.back().lastSample, c.lastSample);
        const int overlap = static_cast<int>(std::floor(720.0 / c.twipsPerSample));
        const double usable = c.pageHeight - 1440.0;
        for (std::size_t p = 0; p < pages.size(); ++p) {
            const PageRange& page = pages[p];
            const auto y = [&](int i) {
                return page.plotOriginY + (i + c.labelOffset) * c.twipsPerSample;
            };
            // The first whole-100-ms position of the page's range is its top.
            EXPECT_DOUBLE_EQ(page.plotOriginY + page.firstSample * c.twipsPerSample, page.top);
            EXPECT_LE(y(page.lastSample), usable + 1e-9);
            if (p + 1 < pages.size()) {
                EXPECT_GT(y(page.lastSample + 1), usable) << "page " << p + 1 << " stops early";
                EXPECT_EQ(pages[p + 1].firstSample, page.lastSample - overlap);
                EXPECT_EQ(pages[p + 1].top, 500.0);
            }
        }
    }
}

TEST(Pagination, PaperTooShortForTheScaleIsRefused) {
    PlotState layout;
    layout.screenTwipsPerSample = 14.4;
    layout.plotOriginY = 3000.0;
    // The header alone fills the page.
    EXPECT_THROW(PaginateTimePanels(layout, 500, 4000.0), Error);
    // Pages below a short header that hold no more than the half inch they repeat.
    layout.plotOriginY = 600.0;
    EXPECT_THROW(PaginateTimePanels(layout, 500, 1440.0 + 500.0 + 700.0), Error);
}

// --- Real prints -------------------------------------------------------------------------------

constexpr const char* kPrintedAt = "07-04-2025 09:15";

int CountWords(const std::string& text, const std::string& word) {
    std::istringstream words(text);
    int count = 0;
    for (std::string w; words >> w;) {
        count += w == word ? 1 : 0;
    }
    return count;
}

int CountOf(const std::string& text, const std::string& part) {
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

class Print : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    void OpenRealWell(const char* timeScaleCmPerSecond) {
        const OpenProjectReport report =
            OpenProjectFile(project_, MemorySettingsStore(),
                            std::string(TESSARIN_TEST_DATA_DIR) + "/f03_4_display.tsp");
        ASSERT_EQ(report.waveletProblem, "");
        project_.timeScale = Value::Text(timeScaleCmPerSecond);
        ASSERT_FALSE(RecomputeSynthetic(project_).has_value());
    }

    // A PDF printer on letter paper with quarter-inch margins.
    QPrinter& Printer(QPageLayout::Orientation orientation = QPageLayout::Portrait) {
        printer_.setOutputFormat(QPrinter::PdfFormat);
        printer_.setOutputFileName(Path());
        printer_.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), orientation,
                                           QMarginsF(18, 18, 18, 18), QPageLayout::Point));
        return printer_;
    }

    PrintedDocument PrintIt() {
        return PrintDisplay(printer_, project_, {"01-02-2024", kPrintedAt});
    }

    // Pages of the time panels by the count rule: the total plot height (the lowest of the time
    // panels, the tables and the wavelet) over the usable page height, plus one.
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
    Printer();
    const PrintedDocument document = PrintIt();
    EXPECT_EQ(document.panelPages, 1);
    EXPECT_TRUE(document.tablesOnOwnPage);  // 21 horizons do not fit below 1.8 s at 10 cm/s
    ASSERT_EQ(PdfPageCount(Path()), 2);
    EXPECT_EQ(PdfPageCount(Path()), RulePageCount());
    EXPECT_EQ(PdfPageSize(Path()), QSizeF(612, 792));

    const std::string first = Text(1);
    EXPECT_TRUE(Holds(first, "F03-4 F3 block, Dutch North Sea")) << first;
    EXPECT_TRUE(Holds(first, "Date plotted: 01-02-2024"));
    EXPECT_TRUE(Holds(first, "Depth (MD) RC Normal Reverse Velocity (km/s)"));
    EXPECT_TRUE(Holds(first, "0.0") && Holds(first, "1.8") && Holds(first, "end of log"));
    EXPECT_FALSE(Holds(first, kPrintedAt)) << "a single page has no joins";
    EXPECT_FALSE(Holds(first, "Int V"));

    const std::string tables = Text(2);
    EXPECT_FALSE(Holds(tables, "Date plotted"));
    EXPECT_TRUE(Holds(tables, "Horizon Depth Subsea Time Ave V Int H Int T Int V")) << tables;
    EXPECT_TRUE(Holds(tables, "NLLFC (Base Tertiary) 1785 -1755 1.704 2060 426 0.450 1892"));
    EXPECT_TRUE(Holds(tables, "5-10-50-60 Hz") && Holds(tables, "Length = 0.200 Sec"));
}

TEST_F(Print, LongSyntheticRunsOverSeveralJoinedPages) {
    OpenRealWell("30");
    Printer();
    const PrintedDocument document = PrintIt();
    EXPECT_EQ(document.panelPages, RulePageCount());
    EXPECT_EQ(document.panelPages, 3);
    ASSERT_EQ(PdfPageCount(Path()), document.Pages());

    const std::string label = JoinLabel(project_, kPrintedAt);
    EXPECT_EQ(label, "F03-4   07-04-2025 09:15");
    const std::string labelRead = "F03-4 07-04-2025 09:15";
    for (int page = 1; page <= document.Pages(); ++page) {
        SCOPED_TRACE("page " + std::to_string(page));
        const std::string text = Text(page);
        const bool panels = page <= document.panelPages;
        // "A" where a page takes up the time axis, "B" where it leaves it, at both edges, each
        // with the label of the print.
        const int joins = (page > 1 && panels ? 1 : 0) + (page < document.panelPages ? 1 : 0);
        EXPECT_EQ(CountOf(text, labelRead), joins) << text;
        EXPECT_EQ(CountWords(text, "A"), page > 1 && panels ? 2 : 0);
        EXPECT_EQ(CountWords(text, "B"), page < document.panelPages ? 2 : 0);
        EXPECT_EQ(Holds(text, "Date plotted"), page == 1);
        EXPECT_EQ(Holds(text, "Depth (MD) RC Normal Reverse"), panels);
        EXPECT_EQ(Holds(text, "Int V"), page == document.Pages());
    }
    // The log ends on the last page of panels: its last timing line is at 1.8 s.
    EXPECT_TRUE(Holds(Text(document.panelPages), "1.8"));
    EXPECT_FALSE(Holds(Text(1), "1.8"));
}

TEST_F(Print, PageRangeAndCopiesFollowThePrinter) {
    OpenRealWell("30");
    Printer();
    printer_.setPrintRange(QPrinter::PageRange);
    printer_.setFromTo(2, 3);
    printer_.setCopyCount(2);
    printer_.setCollateCopies(true);
    PrintIt();
    ASSERT_EQ(PdfPageCount(Path()), 4);
    // Pages 2, 3, 2, 3 of the print: no header anywhere.
    for (int page = 1; page <= 4; ++page) {
        EXPECT_FALSE(Holds(Text(page), "Date plotted"));
        EXPECT_EQ(CountWords(Text(page), "A"), 2);
    }
    EXPECT_EQ(Text(1), Text(3));

    // Last page first: the tables, then the panels from the end of the log up.
    printer_.setPrintRange(QPrinter::AllPages);
    printer_.setCopyCount(1);
    printer_.setPageOrder(QPrinter::LastPageFirst);
    PrintIt();
    ASSERT_EQ(PdfPageCount(Path()), 4);
    EXPECT_TRUE(Holds(Text(1), "Int V"));
    EXPECT_TRUE(Holds(Text(4), "Date plotted"));

    printer_.setPrintRange(QPrinter::PageRange);
    printer_.setFromTo(7, 9);
    EXPECT_THROW(PrintIt(), Error);
}

TEST_F(Print, LandscapeAndA4ChangeThePagesNotTheScale) {
    OpenRealWell("30");
    Printer(QPageLayout::Landscape);
    const PrintedDocument landscape = PrintIt();
    EXPECT_EQ(PdfPageSize(Path()), QSizeF(792, 612));
    EXPECT_EQ(landscape.panelPages, RulePageCount());
    EXPECT_EQ(landscape.panelPages, 4);

    printer_.setPageSize(QPageSize(QPageSize::A4));
    printer_.setPageOrientation(QPageLayout::Portrait);
    const PrintedDocument a4 = PrintIt();
    EXPECT_EQ(PdfPageSize(Path()), QSizeF(595, 842));
    EXPECT_EQ(a4.panelPages, RulePageCount());
    // On A4 the tables fit below the end of the log.
    EXPECT_FALSE(a4.tablesOnOwnPage);
    EXPECT_TRUE(Holds(Text(a4.Pages()), "1.8"));
    EXPECT_TRUE(Holds(Text(a4.Pages()), "Int V"));
}

TEST_F(Print, ADisplayThatCannotBePrintedLeavesNoFile) {
    Printer();
    project_ = MakeKnownWell();
    project_.syntheticTrace.clear();
    EXPECT_THROW(PrintIt(), Error);
    project_ = MakeKnownWell();
    printer_.setPageSize(QPageSize(QSizeF(300, 100), QPageSize::Point));
    try {
        PrintIt();
        ADD_FAILURE() << "printed on paper 100 points high";
    } catch (const Error& e) {
        EXPECT_TRUE(Holds(e.what(), "paper is too short")) << e.what();
    }
    EXPECT_FALSE(QFile::exists(Path()));
}

// --- What the pages look like -------------------------------------------------------------------

// Rows of a page picture at 72 dots per inch (one pixel per point).
class PagePicture {
public:
    explicit PagePicture(QImage image) : image_(std::move(image)) {}
    bool Valid() const { return !image_.isNull(); }
    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    bool Dark(int x, int y) const { return qGray(image_.pixel(x, y)) < 160; }
    bool Inked(int x, int y) const { return qGray(image_.pixel(x, y)) < 250; }

    // The row of the join tick at the left edge: dark across the whole tick.
    int JoinRow(int fromRow, int toRow) const {
        for (int y = fromRow; y < toRow; ++y) {
            bool across = true;
            for (int x = 20; x <= 34; ++x) {
                across = across && Dark(x, y);
            }
            if (across) {
                return y;
            }
        }
        return -1;
    }
    // Whether anything is drawn in the rows between, over the panels (between the join marks).
    bool AnyInk(int fromRow, int toRow, int left = 40) const {
        for (int y = std::max(fromRow, 0); y < std::min(toRow, Height()); ++y) {
            for (int x = left; x < Width() - 40; ++x) {
                if (Inked(x, y)) {
                    return true;
                }
            }
        }
        return false;
    }
    bool MarginsBlank(int margin) const {
        for (int y = 0; y < Height(); ++y) {
            for (int x = 0; x < Width(); ++x) {
                const bool inMargin =
                    x < margin || y < margin || x >= Width() - margin || y >= Height() - margin;
                if (inMargin && Inked(x, y)) {
                    return false;
                }
            }
        }
        return true;
    }

private:
    QImage image_;
};

TEST_F(Print, NothingIsDrawnAcrossAJoinOrIntoTheMargins) {
    // Known Well 1 at 40 inches per second: sample 0 lies 0.05 s below the first whole 100 ms,
    // and the datum velocity differs from the log's, so pieces above the first sample would show.
    project_ = MakeKnownWell();
    project_.timeScale = Value::Text("40");
    Printer();
    const PrintedDocument document = PrintIt();
    ASSERT_GE(document.panelPages, 3);
    for (int page = 1; page <= document.Pages(); ++page) {
        SCOPED_TRACE("page " + std::to_string(page));
        const PagePicture picture(PdfPageImage(Path(), page, 72));
        ASSERT_TRUE(picture.Valid());
        EXPECT_TRUE(picture.MarginsBlank(17));
        if (page > document.panelPages) {
            continue;
        }
        const int top = page == 1 ? 0 : 18 + 25;  // continuation pages: 500 twips below the margin
        const int joinA = page > 1 ? picture.JoinRow(top, top + 300) : -1;
        const int joinB = page < document.panelPages
                              ? picture.JoinRow(std::max(joinA + 2, 200), picture.Height())
                              : -1;
        if (page > 1) {
            ASSERT_GT(joinA, top + 10);  // 0.05 s at 40 inches per second is 2 inches
            EXPECT_FALSE(picture.AnyInk(top + 2, joinA - 1)) << "drawn above the first sample";
            EXPECT_TRUE(picture.AnyInk(joinA + 2, joinA + 40));
        }
        if (page < document.panelPages) {
            ASSERT_GT(joinB, 0);
            EXPECT_FALSE(picture.AnyInk(joinB + 2, picture.Height())) << "drawn past the join";
            EXPECT_TRUE(picture.AnyInk(joinB - 40, joinB - 1));
        }
    }
}

}  // namespace
}  // namespace tessarin::test
