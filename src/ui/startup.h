#pragma once

// How the program starts: the splash window, the help document lookup, the main window's size
// and place, the project reset, and the project named on the command line. Each step records a
// short code, so that a failure can say how far start-up came.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

class QApplication;
class QElapsedTimer;
class QWidget;

namespace tessarin {

class MainWindow;
class SettingsStore;

// The desktop the main window opens on, in pixels. `severalScreens` when it spreads over more
// than one screen.
struct DesktopArea {
    QRect geometry;
    bool severalScreens = false;
};

// The main window's size: 12240 twips times the screen factor wide and 7200 twips high, or nine
// tenths of a smaller desktop.
QSize MainWindowSize(const DesktopArea& desktop, double twipsPerPixelX, double twipsPerPixelY,
                     double screenFactor);
// The main window's top left corner: centred on the desktop, or on its left half when it spreads
// over screens side by side (wider than 1.6 times its height); never left of the desktop.
QPoint MainWindowPosition(const DesktopArea& desktop, const QSize& window);

// Where the user left the main window last time, fitted on the screen it comes back to; nothing
// on the first run.
std::optional<QRect> SavedWindowGeometry();
// Remembers where the main window is, for the next run.
void SaveWindowGeometry(const QWidget& window);

// How much longer the splash window must stand after `elapsedMs`, so that it stands at least
// `minimumMs` in all and never longer than start-up needs.
int SplashWaitMs(qint64 elapsedMs, int minimumMs = 2000);

// The project path of the command-line argument: the argument as given, or without its
// surrounding double quotes when it has them.
QString ProjectPathFromArgument(const QString& argument);

struct StartupOptions {
    QString programDir;
    QString pathVariable;
    QString projectArgument;  // empty when the program was started without one
    int minimumSplashMs = 2000;
};
StartupOptions OptionsFromCommandLine(const QStringList& arguments);

// Runs the start-up steps after the main window was built, shows it, and opens the project named
// on the command line. `splash`, when given, is closed once it has stood long enough. A failing
// step stops start-up with "Error = " and its code; returns whether all steps ran.
bool RunStartup(MainWindow& window, SettingsStore& settings, const StartupOptions& options,
                QWidget* splash, const QElapsedTimer& splashShown);

// The whole program: splash, main window, start-up, then the event loop until the user leaves.
int RunProgram(QApplication& app, SettingsStore& settings);

}  // namespace tessarin
