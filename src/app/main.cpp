// tessarin: the desktop program.

#include <QApplication>

#include "qt_settings_store.h"
#include "ui/startup.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessarin"));
    QApplication::setOrganizationName(QStringLiteral("Tessarin"));
    QApplication::setDesktopFileName(QStringLiteral("tessarin"));

    tessarin::QtSettingsStore settings;
    return tessarin::RunProgram(app, settings);
}
