// The seismic trace beside the synthetic on the known well (plot_fixture.h): its seismic is the
// synthetic 10 ms (5 samples) later and 3 times as strong, with a spike of 6 at 0.66 s outside
// the tie window of 0.25 to 0.60 s, which the overlap cuts to 0.26 to 0.60. Reverse panel ends at
// 4890 (painters_test), so the seismic panel (720 wide) is centred 360 + 360 further, at 5610.

#include <gtest/gtest.h>

#include <QPrinter>
#include <QTemporaryDir>

#include "plot/layout.h"
#include "plot/pdf_reader.h"
#include "plot/plot_driver.h"
#include "plot/print_display.h"
#include "plot/readout_values.h"
#include "plot_fixture.h"

namespace tessarin::test {
namespace {

SeismicSource Source(const char* path, TraceChoice choice, double distance = 0) {
    return {path, choice, 25, 1190, 1155, 189, 193, 0, 0, distance};
}

class SeismicPanel : public ::testing::Test {
protected:
    SeismicPanel() {
        SeismicTie tie{Source("/surveys/line.sgy", TraceChoice::kLines),
                       {0.26, 0.002, {}},
                       {TieWindowChoice::By::kTimes, 0.25, 0.60, "", ""},
                       0,
                       {}};
        std::ranges::transform(project.syntheticTrace, std::back_inserter(tie.trace.values),
                               [](double v) { return 3.0 * v; });
        tie.trace.values[200] = 6.0;
        project.tie = tie;
    }
    void Paint() {
        state.tie = ComputeTieDisplay(project);
        ComputeHorizontalLayout(project, surface);
        ComputeVerticalLayout(project, state, surface);
        PaintDisplay(project, state, surface);
    }
    // The 0.2 s line: the header of a tied well is a line (200 twips) taller.
    static constexpr double kTop = 2800.0;
    static double Y(double i) { return kTop + (i + 25.0) * kKnownTwipsPerSample; }

    Project project = MakeKnownWell();
    PlotState state;
    FakeSurface surface;
};

TEST_F(SeismicPanel, DrawsTheSeismicAtItsTimesScaledToTheSyntheticAndReadsItOut) {
    Paint();
    EXPECT_DOUBLE_EQ(surface.Text("Seismic").x, 5610.0 - 350.0);
    // Normal, reverse, seismic (the box at 60-80 and the spike) and wavelet lobes.
    ASSERT_EQ(surface.polygons.size(), 5u + 5u + 10u + 1u);
    // The middle trace's box, 5 samples later than the synthetic's; 3 x 0.5 x 1/3 inch deflection
    // as on the normal panel: the spike outside the window does not weaken it.
    const auto& lobe = surface.polygons[14];
    EXPECT_NEAR(lobe[1].x, 5610.0 + 720.0, 1e-9);
    EXPECT_NEAR(lobe[1].y, Y(65), 1e-9);
    EXPECT_NEAR(surface.polygons[15][1].x, 5610.0 + 1440.0, 1e-9);  // the spike, 6 x 0.5 / 3
    // x, time, and the value read: inside the panel (5250 to 5970) the seismic's own value, N/A
    // above its first sample; nothing beside the panel.
    const std::tuple<double, double, const char*> cases[] = {
        {5610, .39, "3"}, {5300, .2, "N/A"}, {5960, .45, "0"}, {5200, .39, ""}, {6000, .39, ""}};
    for (const auto& [x, t, value] : cases) {
        const ReadoutText r = ReadoutAt(project, state.readout, x, kTop + (t - 0.2) * 7200);
        EXPECT_EQ(r.logCaption, *value ? kSeismicCaption : "") << x << " " << t;
        EXPECT_EQ(r.logValue, value) << x << " " << t;
    }
}

TEST_F(SeismicPanel, MarksTheWindowOutsideEachPanelEdge) {
    Paint();
    std::vector<RecordedLine> marks;  // per mark a tick out from the edge, a leg into the window
    std::ranges::copy_if(surface.lines, std::back_inserter(marks), [](const RecordedLine& line) {
        return line.colour == Rgb{192, 0, 0};
    });
    ASSERT_EQ(marks.size(), 24u);
    const double edges[] = {3090, 3810, 4170, 4890, 5250, 5970};
    for (std::size_t k = 0; k < 12; ++k) {
        const RecordedLine& tick = marks[2 * k];
        EXPECT_EQ(tick.from.x, edges[k % 6]);
        EXPECT_EQ(tick.to.x, edges[k % 6] + (k % 2 ? 120 : -120));
        EXPECT_NEAR(tick.from.y, k < 6 ? Y(5) : Y(175), 1e-9);
        EXPECT_EQ(marks[2 * k + 1].to.y - tick.to.y, k < 6 ? 140.0 : -140.0);
    }
}

TEST_F(SeismicPanel, HeaderLineNamesTheTraceAndTheFiguresOrWhyThereAreNone) {
    const std::string figures = "   r = 1.00 at +10.0 ms, window 0.260\u20130.600 s";
    Paint();
    EXPECT_EQ(surface.Text("Seismic: line.sgy  IL 1190  XL 1155" + figures).x, 720.0);
    // The bulk shift moves the synthetic 20 ms later: the seismic is then 10 ms earlier.
    const std::tuple<SeismicSource, const char*, double, std::string> cases[] = {
        {Source("C:\\seis\\l.sgy", TraceChoice::kNumber), "", 0,
         "Seismic: l.sgy  trace 25" + figures},
        {Source("l.sgy", TraceChoice::kNearest, 14.14), "", 0.02,
         "Seismic: l.sgy  IL 1190  XL 1155, 14.1 from the well   r = 1.00 at -10.0 ms, window "
         "0.270\u20130.600 s"},
        {Source("/a/t.txt", TraceChoice::kTextFile), "Gone", 0,
         "Seismic: t.txt   The tie window's horizon \"Gone\" is not in the horizon table"},
    };
    for (const auto& [source, upper, shift, line] : cases) {
        project.tie->source = source;
        project.tie->shiftSeconds = shift;
        if (*upper) {
            project.tie->window = {TieWindowChoice::By::kHorizons, 0, 0, upper, "Top Chalk"};
        }
        EXPECT_EQ(TieHeaderLine(project, ComputeTieDisplay(project)), line);
    }
    // A stretched synthetic says so, with its largest shift whatever its sign.
    for (const auto& [knees, text] :
         {std::pair{std::vector<StretchKnee>{{0.3, 0.3}, {0.5, 0.4876}},
                    "   stretched: 2 knees, largest shift -12.4 ms"},
          {{{0.3, 0.3001}}, "   stretched: 1 knee, largest shift +0.1 ms"}}) {
        project.tie->knees = knees;
        const std::string line = TieHeaderLine(project, ComputeTieDisplay(project));
        EXPECT_EQ(line.substr(line.size() - std::string(text).size()), text);
    }
}

TEST_F(SeismicPanel, PrintedOnEveryPage) {
    project.timeScale = Value::Text("40");
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("p.pdf"));
    const PrintedDocument document = PrintDisplay(printer, project);
    ASSERT_GE(document.panelPages, 2);
    for (int page = 1; page <= document.panelPages; ++page) {
        const std::string text = PdfPageText(dir.filePath("p.pdf"), page);
        EXPECT_TRUE(Holds(text, "Normal Reverse Seismic")) << text;
        EXPECT_EQ(Holds(text, "Seismic: line.sgy IL 1190 XL 1155 r = 1.00"), page == 1);
    }
}

}  // namespace
}  // namespace tessarin::test
