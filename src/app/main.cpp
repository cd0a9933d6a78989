// tessarin: the desktop program.

#include <QApplication>
#include <QMessageBox>

#include "model/reset.h"
#include "plot/layout.h"
#include "plot/painter_surface.h"
#include "qt_settings_store.h"
#include "ui/main_window.h"

namespace {

void ReportSettingsProblems(const std::vector<tessarin::SettingsProblem>& problems) {
    for (const auto& problem : problems) {
        QMessageBox::warning(nullptr, QStringLiteral("Tessarin"),
                             QString::fromStdString(problem.Message()));
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessarin"));
    QApplication::setOrganizationName(QStringLiteral("Tessarin"));

    tessarin::Project project;
    tessarin::QtSettingsStore settings;
    std::vector<tessarin::SettingsProblem> problems;
    const tessarin::StartupSettings startup = tessarin::ReadStartupSettings(settings, &problems);
    project.screenCorrection = startup.screenFactor;
    const auto resetProblems = tessarin::ResetProject(project, settings);
    problems.insert(problems.end(), resetProblems.begin(), resetProblems.end());
    ReportSettingsProblems(problems);

    // The header band's height depends on the plot font, so it is measured on a picture.
    tessarin::PlotPicture picture;
    tessarin::ComputeHeaderHeight(project, picture);

    tessarin::MainWindow window(project);
    window.resize(816, 480);
    window.show();
    return app.exec();
}
