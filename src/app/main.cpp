// tessarin: the desktop program.

#include <QApplication>
#include <cstring>
#include <iostream>

#include "qt_settings_store.h"
#include "ui/startup.h"

namespace {

// Asked for its version or its usage, the program answers on the terminal and opens no window,
// so both work where there is no display.
bool AnsweredOnTerminal(int argc, char** argv) {
    if (argc != 2) {
        return false;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::cout << "tessarin " << TESSARIN_VERSION << "\n";
        return true;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        std::cout << "Usage: tessarin [PROJECT.tsp]\n"
                     "Ties a well to seismic data with a synthetic seismogram; opens the project\n"
                     "file when one is given.\n\n"
                     "  -h, --help   Show this help and exit.\n"
                     "  --version    Show the version and exit.\n\n"
                     "The same work without the window: tessarin-cli --help.\n";
        return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (AnsweredOnTerminal(argc, argv)) {
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessarin"));
    QApplication::setOrganizationName(QStringLiteral("Tessarin"));
    QApplication::setApplicationVersion(QStringLiteral(TESSARIN_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("tessarin"));

    tessarin::QtSettingsStore settings;
    return tessarin::RunProgram(app, settings);
}
