#include "ui/startup.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <algorithm>
#include <exception>

#include "model/numeric.h"
#include "model/settings.h"
#include "model/window_place.h"
#include "ui/install_paths.h"
#include "ui/main_window.h"
#include "ui/splash_window.h"

namespace tessarin {
namespace {

const QString kWindowGeometryKey = QStringLiteral("Window/Geometry");

// The desktop the window opens on: all screens together when there are several, so that the
// window opens on the left one; else the primary screen without its panels.
DesktopArea CurrentDesktop() {
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary) {
        return {QRect(0, 0, 1024, 768), false};
    }
    if (primary->virtualSiblings().size() > 1) {
        return {primary->virtualGeometry(), true};
    }
    return {primary->availableGeometry(), false};
}

// The saved screen factor as a number the window can be sized with; a factor that is not above
// zero is reported and replaced by 1.
double UsableScreenFactor(const Value& saved, std::vector<SettingsProblem>& problems) {
    const auto factor = ParseNumber(saved.ToText());
    if (factor && *factor > 0.0) {
        return *factor;
    }
    problems.push_back({settings_key::kScreenFactor.name, saved.ToText()});
    return 1.0;
}

void WaitForSplash(const QElapsedTimer& splashShown, int minimumMs) {
    const int wait =
        SplashWaitMs(splashShown.isValid() ? splashShown.elapsed() : minimumMs, minimumMs);
    if (wait > 0) {
        // The splash keeps painting while it waits.
        QEventLoop loop;
        QTimer::singleShot(wait, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

}  // namespace

QSize MainWindowSize(const DesktopArea& desktop, double twipsPerPixelX, double twipsPerPixelY,
                     double screenFactor) {
    const double screenWidth = desktop.geometry.width() * twipsPerPixelX;
    const double screenHeight = desktop.geometry.height() * twipsPerPixelY;
    double width = 12240.0 * screenFactor;
    if (screenWidth < width) {
        width = screenWidth - screenWidth / 10.0;
    }
    double height = 7200.0;
    if (screenHeight < height) {
        height = screenHeight - screenHeight / 10.0;
    }
    return {static_cast<int>(std::lround(width / twipsPerPixelX)),
            static_cast<int>(std::lround(height / twipsPerPixelY))};
}

QPoint MainWindowPosition(const DesktopArea& desktop, const QSize& window) {
    const QRect& area = desktop.geometry;
    const int top = area.height() / 2 - window.height() / 2;
    // A desktop much wider than high is two screens side by side: the window goes on the left.
    const bool sideBySide =
        desktop.severalScreens && area.width() > 1.6 * static_cast<double>(area.height());
    const int centre = sideBySide ? area.width() / 4 : area.width() / 2;
    const int left = std::max(0, centre - window.width() / 2);
    return area.topLeft() + QPoint(left, top);
}

std::optional<QRect> SavedWindowGeometry() {
    const auto saved =
        ParseWindowRect(QSettings().value(kWindowGeometryKey).toString().toStdString());
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (!saved || !primary) {
        return std::nullopt;
    }
    const QRect window(saved->left, saved->top, saved->width, saved->height);
    const QScreen* screen = QGuiApplication::screenAt(window.center());
    const QRect area = (screen ? screen : primary)->availableGeometry();
    const WindowRect placed =
        FitOnScreen(*saved, {area.left(), area.top(), area.width(), area.height()});
    return QRect(placed.left, placed.top, placed.width, placed.height);
}

void SaveWindowGeometry(const QWidget& window) {
    // A maximised window comes back at the size it had before.
    const QRect at = window.isMaximized() ? window.normalGeometry() : window.geometry();
    QSettings().setValue(
        kWindowGeometryKey,
        QString::fromStdString(WindowRectText({at.left(), at.top(), at.width(), at.height()})));
}

int SplashWaitMs(qint64 elapsedMs, int minimumMs) {
    return static_cast<int>(std::max<qint64>(0, minimumMs - elapsedMs));
}

QString ProjectPathFromArgument(const QString& argument) {
    if (argument.size() >= 2 && argument.startsWith(QLatin1Char('"')) &&
        argument.endsWith(QLatin1Char('"'))) {
        return argument.mid(1, argument.size() - 2);
    }
    return argument;
}

StartupOptions OptionsFromCommandLine(const QStringList& arguments) {
    StartupOptions options;
    options.programDir = QCoreApplication::applicationDirPath();
    options.pathVariable = qEnvironmentVariable("PATH");
    if (arguments.size() > 1) {
        options.projectArgument = arguments[1];
    }
    return options;
}

bool RunStartup(MainWindow& window, SettingsStore& settings, const StartupOptions& options,
                QWidget* splash, const QElapsedTimer& splashShown) {
    // Messages during start-up stand in front of the splash window.
    QWidget* messageParent = splash;
    const char* step = "F1L1";
    std::vector<SettingsProblem> problems;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        const QString help = FindHelpFile(options.programDir, options.pathVariable);
        window.SetHelpFilePath(help);
        if (help.isEmpty()) {
            QMessageBox::warning(messageParent, QStringLiteral("Tessarin help not available"),
                                 HelpMissingMessage(options.programDir, options.pathVariable));
        }
        step = "F1L2";
        const StartupSettings saved = ReadStartupSettings(settings, &problems);
        step = "F1L3";
        const double factor = UsableScreenFactor(saved.screenFactor, problems);
        window.CurrentProject().screenCorrection =
            factor == ParseNumber(saved.screenFactor.ToText()) ? saved.screenFactor : Value(factor);
        step = "F1L4";
        window.SetToolbarHelp(saved.toolbarHelp);
        if (window.windowState() == Qt::WindowNoState) {
            step = "F1L5";
            const DesktopArea desktop = CurrentDesktop();
            const double twips = window.TwipsPerPixel();
            const QSize size = MainWindowSize(desktop, twips, twips, factor);
            window.resize(size);
            step = "F1L10";
            window.move(MainWindowPosition(desktop, size));
            if (const auto saved = SavedWindowGeometry()) {
                window.setGeometry(*saved);
            }
        }
        // The toolbar's strip and buttons (F1L15 to F1L18, "SM") and the dialogs' places ("PW")
        // and fixed lists (F1L19) are set where they are built.
        step = "INIT";
        const auto resetProblems = window.ResetProjectWindow();
        problems.insert(problems.end(), resetProblems.begin(), resetProblems.end());
        ShowSettingsProblems(messageParent, problems);
    } catch (const std::exception&) {
        QApplication::restoreOverrideCursor();
        if (splash) {
            splash->close();
        }
        QMessageBox::warning(nullptr, QStringLiteral("Error"),
                             QStringLiteral("Error = ") + QString::fromUtf8(step));
        window.show();
        return false;
    }
    WaitForSplash(splashShown, options.minimumSplashMs);
    if (splash) {
        splash->close();
    }
    QApplication::restoreOverrideCursor();
    window.show();
    if (!options.projectArgument.isEmpty()) {
        window.OpenProject(ProjectPathFromArgument(options.projectArgument));
    }
    return true;
}

int RunProgram(QApplication& app, SettingsStore& settings) {
    SplashWindow splash;
    splash.show();
    QElapsedTimer splashShown;
    splashShown.start();
    QApplication::processEvents();

    Project project;
    MainWindow window(project, settings);
    RunStartup(window, settings, OptionsFromCommandLine(QApplication::arguments()), &splash,
               splashShown);
    return app.exec();
}

}  // namespace tessarin
