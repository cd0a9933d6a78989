#include "window_fixture.h"

#include <QTest>

#include "plot/plot_fixture.h"
#include "ui/modal_dialogs.h"

namespace tessarin::test {

QString DisplayProjectPath() {
    return QStringLiteral(TESSARIN_TEST_DATA_DIR "/f03_4_display.tsp");
}

void WindowTest::SetUp() {
    window = std::make_unique<MainWindow>(project, settings);
    window->ResetProjectWindow();
    window->resize(1000, 700);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
}

void WindowTest::OpenDisplayProject() {
    bool opened = false;
    ExpectNoDialog([&] { opened = window->OpenProject(DisplayProjectPath()); });
    ASSERT_TRUE(opened);
    ASSERT_TRUE(window->Progress().synthesisShown);
}

void WindowTest::LoadKnownWellLogs() {
    project = MakeKnownWell();
    window->CompleteStep(ProjectStep::kLogsImported);
    window->CompleteStep(ProjectStep::kWaveletSelected);
}

}  // namespace tessarin::test
