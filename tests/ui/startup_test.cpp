// Start-up: the help document lookup, the window's size and place, the splash time, the
// command-line project, and the saved start-up settings.

#include "ui/startup.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <stdexcept>

#include "ui/install_paths.h"
#include "ui/main_window.h"
#include "ui/modal_dialogs.h"
#include "window_fixture.h"

namespace tessarin::test {
namespace {

void Touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

TEST(HelpLookup, ProgramFolderThenInstalledPlaceThenEveryPathFolder) {
    QTemporaryDir root;
    const QString program = root.filePath("bin");
    const QString installed = root.filePath("share/tessarin/help");
    const QString inPath = root.filePath("elsewhere");
    const QString empty = root.filePath("empty");
    QDir().mkpath(program);
    QDir().mkpath(empty);
    Touch(inPath + "/tessarin.html");

    struct Case {
        const char* what;
        QString path;
        QString expected;
    };
    const QString sep = QDir::listSeparator();
    const std::vector<Case> cases = {
        {"last PATH entry, no separator after it", empty + sep + inPath, inPath},
        {"PATH entry followed by a separator", inPath + sep, inPath},
        {"empty entries skipped", sep + sep + inPath, inPath},
        {"empty PATH", QString(), QString()},
        {"not in PATH", empty, QString()},
    };
    for (const Case& c : cases) {
        const QString found = FindHelpFile(program, c.path);
        EXPECT_EQ(found, c.expected.isEmpty() ? QString() : c.expected + "/tessarin.html")
            << c.what;
    }
    Touch(installed + "/tessarin.html");
    EXPECT_EQ(QFileInfo(FindHelpFile(program, inPath)).canonicalFilePath(),
              QFileInfo(installed + "/tessarin.html").canonicalFilePath());
    Touch(program + "/tessarin.html");
    EXPECT_EQ(FindHelpFile(program, inPath), program + "/tessarin.html");
}

TEST(WindowPlacement, SizedInTwipsAndCentredOnTheDesktop) {
    struct Case {
        const char* what;
        DesktopArea desktop;
        double factor;
        QRect expected;
    };
    const Case cases[] = {
        {"1280x1024", {QRect(0, 0, 1280, 1024), false}, 1.0, QRect(232, 272, 816, 480)},
        {"narrower than 12240 twips: nine tenths",
         {QRect(0, 0, 800, 600), false},
         1.0,
         QRect(40, 60, 720, 480)},
        {"lower than 7200 twips", {QRect(0, 0, 1024, 400), false}, 1.0, QRect(104, 20, 816, 360)},
        {"screen factor widens",
         {QRect(0, 0, 1280, 1024), false},
         1.25,
         QRect(130, 272, 1020, 480)},
        {"two screens side by side: left half",
         {QRect(0, 0, 2560, 1024), true},
         1.0,
         QRect(232, 272, 816, 480)},
        {"one wide screen stays centred",
         {QRect(0, 0, 2560, 1080), false},
         1.0,
         QRect(872, 300, 816, 480)},
        {"never left of the desktop",
         {QRect(0, 0, 1700, 1000), true},
         1.2,
         QRect(0, 260, 979, 480)},
        {"desktop not at the origin",
         {QRect(100, 50, 1280, 1024), false},
         1.0,
         QRect(332, 322, 816, 480)},
    };
    for (const Case& c : cases) {
        const QSize size = MainWindowSize(c.desktop, 15, 15, c.factor);
        EXPECT_EQ(QRect(MainWindowPosition(c.desktop, size), size), c.expected) << c.what;
    }
}

TEST(SplashTime, StandsTwoSecondsAndNoLonger) {
    EXPECT_EQ(SplashWaitMs(0), 2000);
    EXPECT_EQ(SplashWaitMs(1400), 600);
    EXPECT_EQ(SplashWaitMs(2000), 0);
    EXPECT_EQ(SplashWaitMs(3500), 0);
}

TEST(CommandLine, QuotedPathsLoseTheirQuotesOthersAreTakenAsGiven) {
    EXPECT_EQ(ProjectPathFromArgument("\"/data/my well.tsp\""), "/data/my well.tsp");
    EXPECT_EQ(ProjectPathFromArgument("/data/my well.tsp"), "/data/my well.tsp");
    EXPECT_EQ(ProjectPathFromArgument("well\".tsp"), "well\".tsp");
    EXPECT_EQ(ProjectPathFromArgument("\""), "\"");
}

class StartupTest : public ::testing::Test {
protected:
    bool Run(const QString& argument, const QString& helpFolder) {
        StartupOptions options;
        options.programDir = helpFolder;
        options.projectArgument = argument;
        options.minimumSplashMs = 0;
        return RunStartup(window, settings, options, nullptr, QElapsedTimer());
    }

    MemorySettingsStore settings;
    Project project;
    MainWindow window{project, settings};
};

TEST_F(StartupTest, OpensAndDisplaysTheProjectNamedOnTheCommandLine) {
    settings.Write("Toolbar Help", "1");
    settings.Write("Screen Factor", "0.9");
    QTemporaryDir help;
    Touch(help.filePath("tessarin.html"));
    ASSERT_TRUE(Run("\"" + DisplayProjectPath() + "\"", help.path()));
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.Progress().synthesisShown);
    EXPECT_EQ(window.windowTitle(), "Tessarin Synthetic Seismogram : F03-4[*]");
    EXPECT_EQ(window.HelpFilePath(), help.filePath("tessarin.html"));
    EXPECT_TRUE(window.HelpStrip()->isVisible());
    EXPECT_EQ(project.screenCorrection.Number(), 0.9);
}

TEST_F(StartupTest, WarnsOnceWhenTheHelpIsMissingAndGoesOn) {
    QTemporaryDir nowhere;
    AnswerModal<QMessageBox>(
        [](QMessageBox* box) {
            EXPECT_EQ(box->windowTitle(), "Tessarin help not available");
            EXPECT_TRUE(box->text().startsWith("tessarin.html not found in your path.\n\n"));
            EXPECT_EQ(box->icon(), QMessageBox::Warning);
            box->accept();
        },
        [&] { EXPECT_TRUE(Run(QString(), nowhere.path())); });
    EXPECT_TRUE(window.HelpFilePath().isEmpty());
    EXPECT_FALSE(window.HelpStrip()->isVisible());
    EXPECT_FALSE(window.Progress().logsLoaded);
}

TEST_F(StartupTest, UnusableSavedSettingsAreNamedAndTheirDefaultsUsed) {
    settings.Write("Timing Lines", "often");
    settings.Write("Screen Factor", "-2");
    QTemporaryDir help;
    Touch(help.filePath("tessarin.html"));
    AnswerModal<QMessageBox>(
        [](QMessageBox* box) {
            EXPECT_TRUE(box->text().contains("\"Timing Lines\""));
            EXPECT_TRUE(box->text().contains("\"Screen Factor\""));
            box->accept();
        },
        [&] { EXPECT_TRUE(Run(QString(), help.path())); });
    EXPECT_EQ(project.timingLinesPer100ms, 1);
    EXPECT_EQ(project.screenCorrection.Number(), 1.0);
    EXPECT_TRUE(window.findChild<QAction*>("mnuTL100")->isChecked());
}

// A settings store that cannot be read at all.
class UnreadableSettings : public SettingsStore {
public:
    std::optional<std::string> Read(const std::string&) const override {
        throw std::runtime_error("the settings cannot be read");
    }
    void Write(const std::string&, const std::string&) override {}
};

TEST(StartupFailure, NamesTheStepItReachedAndLeavesTheWindowUsable) {
    UnreadableSettings settings;
    Project project;
    MainWindow window(project, settings);
    QTemporaryDir help;
    Touch(help.filePath("tessarin.html"));
    StartupOptions options;
    options.programDir = help.path();
    options.minimumSplashMs = 0;
    AnswerModal<QMessageBox>(
        [](QMessageBox* box) {
            EXPECT_EQ(box->windowTitle(), "Error");
            EXPECT_EQ(box->text(), "Error = F1L2");
            box->accept();
        },
        [&] { EXPECT_FALSE(RunStartup(window, settings, options, nullptr, QElapsedTimer())); });
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.HelpFilePath(), help.filePath("tessarin.html"));
}

}  // namespace
}  // namespace tessarin::test
