#include "plot/print_display.h"

#include <QPageLayout>
#include <algorithm>
#include <cmath>
#include <ctime>
#include <limits>
#include <vector>

#include "model/error.h"
#include "plot/display_panels.h"
#include "plot/header_lines.h"
#include "plot/join_label.h"
#include "plot/layout.h"
#include "plot/pagination.h"
#include "plot/plot_values.h"
#include "plot/printer_surface.h"
#include "plot/tie_display.h"

namespace tessarin {

namespace {

// Plot text on paper is 10 points (8.25 on the screen).
constexpr double kPrinterTextPoints = 10.0;
// The line at the foot of every page that tells whose page it is.
constexpr double kFooterPoints = 8.0;

// The join marks: a tick this long at each edge of the page.
constexpr double kJoinTickLength = 360.0;
constexpr double kJoinGap = 60.0;
// Half the widest pen: lines along a join line are kept off it.
constexpr double kJoinLineClearance = 8.0;

std::string NowText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%m-%d-%Y %H:%M", &local);
    return text;
}

// One sheet of paper: a page of the time panels (with the header on the first), and the tables
// and wavelet below the last one or on a sheet of their own.
struct Sheet {
    int panelPage = -1;
    bool tables = false;
};

class DisplayPrinter {
public:
    DisplayPrinter(const Project& project, PrinterSurface& surface, const PrintOptions& options)
        : project_(project), surface_(surface), options_(options) {
        printedAt_ = options_.printedAtText.empty() ? NowText() : options_.printedAtText;
        tie_ = ComputeTieDisplay(project_);
    }

    // Lays the display out on the printer's pages and decides where the tables go.
    std::vector<Sheet> Plan();
    // Sheet `number` of `count`.
    void DrawSheet(const Sheet& sheet, int number, int count);
    // How far across the display reaches, measured by Plan.
    double Width() const { return width_; }

private:
    bool IsLastPage(int page) const { return page + 1 == static_cast<int>(pages_.size()); }
    void DrawPanels(int page);
    void MarkJoins(int page);
    void MarkJoin(double y, const char* letter, bool letterAbove, double labelEnd);
    void DrawFooter(int number, int count);
    double FooterTop();
    void DrawTables();
    double TablesShift();
    double MeasureWidth();
    void PaintBelowTimeAxis();

    const Project& project_;
    PrinterSurface& surface_;
    PrintOptions options_;
    std::string printedAt_;
    TieDisplay tie_;  // measured once for all the pages
    PlotState state_;
    std::vector<PageRange> pages_;
    double tablesHeight_ = 0.0;
    double width_ = 0.0;
};

std::vector<Sheet> DisplayPrinter::Plan() {
    state_ = PlotState{};
    state_.dateText = options_.dateText;
    state_.tie = tie_;
    const double bottom = ComputeTimeLayout(project_, state_, surface_, 1.0, kPrinterTextPoints);
    CheckSynthetic(project_);
    // What the tables and wavelet need below the time panels, with the picture's bottom margin.
    tablesHeight_ = bottom + 720.0 - TimePanelsBottom(state_, project_.lastSampleIndex);
    pages_ = PaginateTimePanels(state_, project_.lastSampleIndex, surface_.PageHeight());

    std::vector<Sheet> sheets;
    for (int p = 0; p < static_cast<int>(pages_.size()); ++p) {
        sheets.push_back({p, false});
    }
    // The end of the time axis on the last page decides whether the tables fit below it.
    surface_.SetHidden(true);
    DrawPanels(static_cast<int>(pages_.size()) - 1);
    surface_.SetHidden(false);
    if (FooterTop() - state_.timeAxisEndY < tablesHeight_) {
        sheets.push_back({-1, true});
    } else {
        sheets.back().tables = true;
    }
    width_ = MeasureWidth();
    return sheets;
}

void DisplayPrinter::DrawSheet(const Sheet& sheet, int number, int count) {
    surface_.SetFont(PlotTextFont(project_, kPrinterTextPoints));
    surface_.SetPenWidth(1);
    surface_.SetPenStyle(PenStyle::kSolid);
    surface_.SetColor(kBlack);
    if (sheet.panelPage == 0) {
        PaintBand(project_, state_, surface_, DisplayBand::kHeader);
    }
    if (sheet.panelPage >= 0) {
        DrawPanels(sheet.panelPage);
        MarkJoins(sheet.panelPage);
    } else {
        // On a sheet of their own the tables start 950 twips below the top.
        state_.timeAxisEndY = kContinuationPageTop;
    }
    if (sheet.tables) {
        DrawTables();
    }
    DrawFooter(number, count);
}

// The top of the footer line, at the bottom of the page.
double DisplayPrinter::FooterTop() {
    surface_.SetFont(PlotTextFont(project_, kFooterPoints));
    const double top = surface_.PageHeight() - surface_.TextHeight("0");
    surface_.SetFont(PlotTextFont(project_, kPrinterTextPoints));
    return top - kJoinGap;
}

// The well name, "Page k of n" and the date at the foot of every page, so that a loose page
// still says where it belongs.
void DisplayPrinter::DrawFooter(int number, int count) {
    const double top = FooterTop() + kJoinGap;
    surface_.SetFont(PlotTextFont(project_, kFooterPoints));
    const double width = surface_.PageWidth();
    const std::string page = "Page " + std::to_string(number) + " of " + std::to_string(count);
    const std::string date = options_.dateText.empty() ? TodayText() : options_.dateText;
    const double pageLeft = (width - surface_.TextWidth(page)) / 2.0;
    const std::string well =
        ElideToWidth(project_.wellName, pageLeft - kJoinTickLength,
                     [&](const std::string& text) { return surface_.TextWidth(text); });
    for (const auto& [x, text] : {std::pair{0.0, well}, std::pair{pageLeft, page},
                                  std::pair{width - surface_.TextWidth(date), date}}) {
        surface_.MoveTo(x, top);
        surface_.PrintText(text);
    }
    surface_.SetFont(PlotTextFont(project_, kPrinterTextPoints));
}

// The time panels of one page. Panels stop at the page's joins: above its first sample (the
// page before shows that time) and below its last sample (the page after shows it).
void DisplayPrinter::DrawPanels(int page) {
    ShowPage(state_, pages_[static_cast<std::size_t>(page)]);
    if (page > 0) {
        // The pieces that lead into the first sample on the screen (from the datum down to the
        // log, the start of each trace) would stand on the join line here.
        surface_.KeepOut(state_.Top(), state_.SampleY(state_.firstPlotSample) + kJoinLineClearance);
    }
    if (!IsLastPage(page)) {
        surface_.KeepOut(state_.SampleY(state_.lastPlotSample),
                         std::numeric_limits<double>::infinity());
    }
    PaintBand(project_, state_, surface_, DisplayBand::kTimePanels);
    surface_.ClearKeepOuts();
}

// "A" marks where a page takes up the time axis from the page before, "B" where a page leaves
// it to the page after; both carry the same label, so that the pages of one print can be laid
// one over the other and taped. Each label keeps to its own half of the page between the joins.
void DisplayPrinter::MarkJoins(int page) {
    const double a = state_.SampleY(state_.firstPlotSample);
    const double b = state_.SampleY(state_.lastPlotSample);
    const double middle = (a + b) / 2.0;
    const bool joinAbove = page > 0;
    const bool joinBelow = !IsLastPage(page);
    if (joinAbove) {
        MarkJoin(a, "A", false, joinBelow ? middle - kJoinGap : FooterTop());
    }
    if (joinBelow) {
        MarkJoin(b, "B", true, joinAbove ? middle + kJoinGap : state_.Top());
    }
}

// Ticks at both edges of the page, the letter beside each on the side of the page's own panels,
// and the label reading upwards along the left edge, away from the join as far as `labelEnd`,
// shortened to fit there.
void DisplayPrinter::MarkJoin(double y, const char* letter, bool letterAbove, double labelEnd) {
    const double width = surface_.PageWidth();
    surface_.SetPenStyle(PenStyle::kSolid);
    surface_.SetPenWidth(1);
    surface_.Line(0.0, y, kJoinTickLength, y);
    surface_.Line(width - kJoinTickLength, y, width, y);

    surface_.SetFontSize(kTitlePoints);
    surface_.SetBold(true);
    const double letterHeight = surface_.TextHeight(letter);
    const double letterTop = letterAbove ? y - kJoinGap - letterHeight : y + kJoinGap;
    for (const double centre : {kJoinTickLength / 2.0, width - kJoinTickLength / 2.0}) {
        surface_.MoveTo(centre - surface_.TextWidth(letter) / 2.0, letterTop);
        surface_.PrintText(letter);
    }
    surface_.SetFont(PlotTextFont(project_, kPrinterTextPoints));
    const double start = letterAbove ? letterTop - kJoinGap : letterTop + letterHeight + kJoinGap;
    const std::string label =
        FitJoinLabel(project_.wellName, printedAt_, std::abs(labelEnd - start),
                     [&](const std::string& text) { return surface_.TextWidth(text); });
    const double x = kJoinTickLength / 2.0 - surface_.TextHeight(label) / 2.0;
    const double bottom = letterAbove ? start : start + surface_.TextWidth(label);
    surface_.PrintUpwards(x, bottom, label);
}

void DisplayPrinter::PaintBelowTimeAxis() {
    surface_.SetFont(PlotTextFont(project_, kPrinterTextPoints));
    PaintBand(project_, state_, surface_, DisplayBand::kBelowTimeAxis);
}

// On narrow paper (A4 upright) the wavelet beside the horizon table may reach past the edge: the
// two then move left into the plot's left margin, short of the join marks, rather than be cut.
// Returns how far they move; the surface has measured their right edge before the move.
double DisplayPrinter::TablesShift() {
    const PlotState before = state_;
    surface_.StartMeasuring();
    surface_.SetHidden(true);
    PaintBelowTimeAxis();
    surface_.SetHidden(false);
    state_ = before;
    const double room = 1440.0 * project_.leftMarginInches - kJoinTickLength;
    return std::clamp(surface_.MeasuredRight() - surface_.PageWidth(), 0.0, std::max(room, 0.0));
}

void DisplayPrinter::DrawTables() {
    surface_.ShiftX(-TablesShift());
    PaintBelowTimeAxis();
    surface_.ShiftX(0.0);
}

// How far across the display reaches: the header, the time panels over the whole log with every
// horizon name, and the tables where they will stand.
double DisplayPrinter::MeasureWidth() {
    const double shift = TablesShift();
    const double tablesRight = surface_.MeasuredRight() - shift;
    const PlotState before = state_;
    surface_.StartMeasuring();
    surface_.SetHidden(true);
    PaintBand(project_, state_, surface_, DisplayBand::kHeader);
    ShowPage(state_, {0, project_.lastSampleIndex, pages_.front().top, pages_.front().plotOriginY});
    PaintBand(project_, state_, surface_, DisplayBand::kTimePanels);
    surface_.SetHidden(false);
    state_ = before;
    return std::max(surface_.MeasuredRight(), tablesRight);
}

PrintedDocument Summarise(const std::vector<Sheet>& sheets, const DisplayPrinter& display,
                          const PrinterSurface& surface) {
    PrintedDocument document;
    for (const Sheet& sheet : sheets) {
        document.panelPages += sheet.panelPage >= 0 ? 1 : 0;
        document.tablesOnOwnPage = document.tablesOnOwnPage || sheet.panelPage < 0;
    }
    document.width = display.Width();
    document.printableWidth = surface.PageWidth();
    return document;
}

bool PageChosen(const QPrinter& printer, int pageNumber) {
    if (printer.printRange() != QPrinter::PageRange) {
        return true;
    }
    const QPageRanges ranges = printer.pageRanges();
    if (!ranges.isEmpty()) {
        return ranges.contains(pageNumber);
    }
    return (printer.fromPage() == 0 || pageNumber >= printer.fromPage()) &&
           (printer.toPage() == 0 || pageNumber <= printer.toPage());
}

// The sheets to print, in the order the printer asks for: the chosen page range, first page
// first or last page first.
std::vector<std::size_t> ChosenSheets(const QPrinter& printer, std::size_t count) {
    std::vector<std::size_t> chosen;
    for (std::size_t i = 0; i < count; ++i) {
        if (PageChosen(printer, static_cast<int>(i) + 1)) {
            chosen.push_back(i);
        }
    }
    if (printer.pageOrder() == QPrinter::LastPageFirst) {
        std::reverse(chosen.begin(), chosen.end());
    }
    return chosen;
}

}  // namespace

int MostPages(QPrinter& printer, const Project& project, const std::vector<Paper>& offered) {
    const QPageLayout kept = printer.pageLayout();
    std::vector<QPageSize> sizes{kept.pageSize()};
    for (const Paper& paper : offered) {
        sizes.emplace_back(QSizeF(paper.width, paper.height) / 1440.0, QPageSize::Inch,
                           QString::fromStdString(paper.name), QPageSize::FuzzyMatch);
    }
    int most = 1;
    for (const QPageSize& size : sizes) {
        for (const auto orientation : {QPageLayout::Portrait, QPageLayout::Landscape}) {
            printer.setPageLayout(QPageLayout(size, orientation, kept.margins(), kept.units()));
            try {
                most = std::max(most, PlanPrint(printer, project).Pages());
            } catch (const Error&) {
                // Paper too short for the time scale: the print refuses it after the dialog.
            }
        }
    }
    printer.setPageLayout(kept);
    return most;
}

std::string TooWideWarning(const QPrinter& printer, const PrintedDocument& document,
                           std::vector<Paper> offered) {
    const QPageLayout layout = printer.pageLayout();
    const QSizeF size = layout.pageSize().size(QPageSize::Inch) * 1440.0;
    // The printer's paper under the name the user chose it by, tried first.
    const auto same = std::find_if(offered.begin(), offered.end(), [&](const Paper& paper) {
        return std::abs(paper.width - size.width()) < 20.0 &&
               std::abs(paper.height - size.height()) < 20.0;
    });
    Paper paper{layout.pageSize().name().toStdString(), size.width(), size.height()};
    if (same != offered.end()) {
        paper = *same;
        offered.erase(same);
    }
    offered.insert(offered.begin(), paper);
    const PaperChoice current{paper.name, layout.orientation() == QPageLayout::Landscape};
    return TooWideMessage(document.width, document.printableWidth, current, offered);
}

PrintedDocument PrintDisplay(QPrinter& printer, const Project& project,
                             const PrintOptions& options) {
    PrinterSurface surface(printer);
    DisplayPrinter display(project, surface, options);
    // Laid out once before the printer is opened, so that a display that cannot be printed
    // leaves no empty document behind.
    std::vector<Sheet> sheets = display.Plan();
    if (ChosenSheets(printer, sheets.size()).empty()) {
        throw Error("The print has " + std::to_string(sheets.size()) +
                    " pages; none of them was chosen.");
    }

    // The PDF's title and creator; the title names the print job too.
    printer.setDocName(QString::fromStdString(project.wellName));
    printer.setCreator(QStringLiteral("Tessarin " TESSARIN_VERSION));
    surface.Begin();
    sheets = display.Plan();  // with the printer's own text measures
    // Copies the printer does not make itself are printed here, whole documents when collated.
    const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
    const int documentCopies = printer.collateCopies() ? copies : 1;
    const int pageCopies = printer.collateCopies() ? 1 : copies;
    bool started = false;
    for (int d = 0; d < documentCopies; ++d) {
        for (const std::size_t i : ChosenSheets(printer, sheets.size())) {
            for (int c = 0; c < pageCopies; ++c) {
                if (started) {
                    surface.NewSheet();
                }
                display.DrawSheet(sheets[i], static_cast<int>(i) + 1,
                                  static_cast<int>(sheets.size()));
                started = true;
            }
        }
    }
    surface.Finish();
    return Summarise(sheets, display, surface);
}

PrintedDocument PlanPrint(QPrinter& printer, const Project& project) {
    PrinterSurface surface(printer);
    DisplayPrinter display(project, surface, {});
    return Summarise(display.Plan(), display, surface);
}

}  // namespace tessarin
