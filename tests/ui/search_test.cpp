// The tie window's search around the well: Search Around Well maps the traces around the tie's
// trace, and a click on the best cell ties to that trace as Load Seismic Trace would; a text
// trace has nothing around it, and the part says so.

#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include "engine/project_tie.h"
#include "engine/synthetic_trace.h"
#include "files/seismic_trace_load.h"
#include "segy_volume.h"
#include "ui/search_panel.h"
#include "ui/tie_window.h"
#include "window_fixture.h"

namespace tessarin::test {
namespace {

using SearchTest = WindowTest;

TEST_F(SearchTest, ClickingTheBestCellTiesToItsTrace) {
    OpenDisplayProject();
    QTemporaryDir folder;
    const std::string cube = folder.filePath(QStringLiteral("cube.sgy")).toStdString();
    ASSERT_TRUE(
        WriteNoisySurvey(cube, SyntheticTrace(project), VolumeLines(10, 14, 20, 25), {13, 21}));
    const ReadResult<LoadedSeismicTrace> chosen =
        LoadSegyTrace(cube, SegyTraceChoice::AtLines(11, 23));
    ASSERT_TRUE(chosen) << chosen.message;
    SetTieTrace(project, chosen.value->source, chosen.value->trace);
    window->Recompute();
    Choose("mnutiewin");
    SearchPanel* panel = window->TieWindowDock()->Search();
    Child<QSpinBox>(panel, "searchReach")->setValue(2);
    Click(panel, "searchTraces");

    auto* map = Child<SearchMap>(panel, "searchMap");
    ASSERT_TRUE(map->Data().search) << Child<QLabel>(panel, "searchNote")->text().toStdString();
    const TieSearch& search = *map->Data().search;
    ASSERT_EQ(search.places.size(), 20u);  // inline 9 lies outside the survey
    ASSERT_TRUE(search.search.best);
    const std::size_t best = *search.search.best;
    EXPECT_EQ(search.places[best].inlineNumber, 13);
    EXPECT_EQ(search.places[best].crosslineNumber, 21);
    EXPECT_EQ(map->Data().tied, search.search.chosen);
    const double bestR = search.search.cells[best].best.r;
    EXPECT_TRUE(
        Child<QLabel>(panel, "searchBest")->text().startsWith("Best: inline 13, crossline 21"));

    project.projectChanged = false;
    const int undoSteps = window->KneeEdits()->count();
    // The map takes the height its cells need once the layout has run.
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return map->height() == map->heightForWidth(map->width()); }));
    QTest::mouseClick(map, Qt::LeftButton, {}, map->CellCentre(best).value());
    ASSERT_TRUE(project.tie);
    EXPECT_EQ(project.tie->source.choice, TraceChoice::kLines);
    EXPECT_EQ(project.tie->source.inlineNumber, 13);
    EXPECT_EQ(project.tie->source.crosslineNumber, 21);
    EXPECT_TRUE(project.projectChanged);
    EXPECT_EQ(window->KneeEdits()->count(), undoSteps);  // as after Load Seismic Trace
    ASSERT_TRUE(window->TieMeasured());
    EXPECT_DOUBLE_EQ(window->TieMeasured()->bestLag.r, bestR);
    // The map stays, now with the trace clicked as the one tied to.
    ASSERT_TRUE(map->Data().search);
    EXPECT_EQ(map->Data().tied, best);
    // A shift changes every r of the search: it no longer holds.
    Child<QDoubleSpinBox>(window->TieWindowDock(), "tieShift")->setValue(4);
    EXPECT_FALSE(map->Data().search);

    SetTieTrace(project, {.path = "trace.txt"}, SyntheticTrace(project));
    window->Recompute();
    EXPECT_FALSE(map->Data().search);
    EXPECT_FALSE(Child<QPushButton>(panel, "searchTraces")->isEnabled());
    EXPECT_TRUE(Child<QLabel>(panel, "searchNote")->text().contains("text file's only trace"));
}

}  // namespace
}  // namespace tessarin::test
