// tessarin: the desktop program.

#include <QApplication>
#include <QMessageBox>

#include "model/reset.h"
#include "qt_settings_store.h"
#include "ui/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessarin"));
    QApplication::setOrganizationName(QStringLiteral("Tessarin"));

    tessarin::Project project;
    tessarin::QtSettingsStore settings;
    for (const auto& problem : tessarin::ResetProject(project, settings)) {
        QMessageBox::warning(nullptr, QStringLiteral("Tessarin"),
                             QString::fromStdString(problem.Message()));
    }

    tessarin::MainWindow window(project);
    window.resize(816, 480);
    window.show();
    return app.exec();
}
