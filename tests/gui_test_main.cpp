// Test entry for everything that needs Qt: runs offscreen when there is no display, keeps the
// settings store in a temporary folder so no test reads or writes the user's own settings, and
// closes a dialog that no test answers, so that none waits for ever.

#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include "ui/modal_dialogs.h"

#if defined(__SANITIZE_ADDRESS__)
// Qt's GUI start-up keeps allocations until exit that LeakSanitizer would report as leaks.
extern "C" const char* __asan_default_options() {
    return "detect_leaks=0";
}
#endif

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QTemporaryDir settingsDir;
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    tessarin::test::CloseForgottenDialogs();
    return RUN_ALL_TESTS();
}
