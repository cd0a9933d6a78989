#include "app/gui_application.h"

#include <QGuiApplication>

namespace tessarin {

void EnsureGuiApplication(const char* programName) {
    if (QGuiApplication::instance()) {
        return;
    }
    static int argc = 1;
    static char* argv[] = {const_cast<char*>(programName), nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static QGuiApplication app(argc, argv);
}

}  // namespace tessarin
