// Start-up: the help document lookup, the window's size and place, the splash time, the
// command-line project, and the saved start-up settings.

#include "ui/startup.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <stdexcept>

#include "ui/main_window.h"
#include "window_fixture.h"

namespace tessarin::test {
namespace {

void Touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

TEST(WindowPlacement, SizedInTwipsAndCentredOnTheDesktop) {
    struct Case {
        const char* what;
        QRect desktop;
        bool severalScreens;
        double factor;
        QRect expected;
    };
    const Case cases[] = {
        {"1280x1024", {0, 0, 1280, 1024}, false, 1.0, {232, 272, 816, 480}},
        {"narrower than 12240 twips", {0, 0, 800, 600}, false, 1.0, {40, 60, 720, 480}},
        {"lower than 7200 twips", {0, 0, 1024, 400}, false, 1.0, {104, 20, 816, 360}},
        {"screen factor", {0, 0, 1280, 1024}, false, 1.25, {130, 272, 1020, 480}},
        {"two screens: left half", {0, 0, 2560, 1024}, true, 1.0, {232, 272, 816, 480}},
        {"one wide screen", {0, 0, 2560, 1080}, false, 1.0, {872, 300, 816, 480}},
        {"never left of the desktop", {0, 0, 1700, 1000}, true, 1.2, {0, 260, 979, 480}},
        {"desktop not at the origin", {100, 50, 1280, 1024}, false, 1.0, {332, 322, 816, 480}},
    };
    for (const Case& c : cases) {
        const DesktopArea desktop{c.desktop, c.severalScreens};
        const QSize size = MainWindowSize(desktop, 15, 15, c.factor);
        EXPECT_EQ(QRect(MainWindowPosition(desktop, size), size), c.expected) << c.what;
    }
}

class StartupTest : public ::testing::Test {
protected:
    bool Run(const QString& argument = {}, bool withHelp = true) {
        if (withHelp) {
            Touch(help.filePath("tessarin.html"));
        }
        StartupOptions options;
        options.programDir = help.path();
        options.projectArgument = argument;
        options.minimumSplashMs = 0;
        return RunStartup(window, settings, options, nullptr, QElapsedTimer());
    }

    QTemporaryDir help;
    MemorySettingsStore settings;
    Project project;
    MainWindow window{project, settings};
};

TEST_F(StartupTest, OpensAndDisplaysTheProjectNamedOnTheCommandLine) {
    settings.Write("Toolbar Help", "1");
    settings.Write("Screen Factor", "0.9");
    ASSERT_TRUE(Run("\"" + DisplayProjectPath() + "\""));
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.Progress().synthesisShown);
    EXPECT_EQ(window.HelpFilePath(), help.filePath("tessarin.html"));
    EXPECT_TRUE(window.HelpStrip()->isVisible());
    EXPECT_EQ(project.screenCorrection.Number(), 0.9);
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
    EXPECT_EQ(MessageFrom([&] {
                  EXPECT_FALSE(RunStartup(window, settings, options, nullptr, QElapsedTimer()));
              }),
              "Error: Error = F1L2");
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.HelpFilePath(), help.filePath("tessarin.html"));
}

}  // namespace
}  // namespace tessarin::test
