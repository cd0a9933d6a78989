// Start-up: the help document lookup, the window's size and place, the splash time, the
// command-line project, and the saved start-up settings.

#include "ui/startup.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
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

TEST_F(StartupTest, ComesBackWhereItWasLeftInsideTheScreen) {
    QSettings().setValue("Window/Geometry", "5000 40 400 300");  // on a screen since removed
    ASSERT_TRUE(Run());
    const QRect area = window.screen()->availableGeometry();
    EXPECT_EQ(window.geometry(), QRect(area.right() + 1 - 400, area.top() + 40, 400, 300));
    window.setGeometry(30, 20, 420, 310);
    window.close();
    EXPECT_EQ(QSettings().value("Window/Geometry").toString(), "30 20 420 310");
    QSettings().remove("Window");
}

// A settings store that cannot be read at all.
class UnreadableSettings : public SettingsStore {
public:
    std::optional<std::string> Read(const std::string&) const override {
        throw std::runtime_error("the settings cannot be read");
    }
    void Write(const std::string&, const std::string&) override {}
};

}  // namespace
}  // namespace tessarin::test
