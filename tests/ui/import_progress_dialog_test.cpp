#include "ui/import_progress_dialog.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>

#include "import/log_import.h"
#include "ui/dialog_helpers.h"

namespace tessarin {
namespace {

using test::Named;

// What the window showed at each step of a real import.
struct SeenStep {
    bool visible;
    QString caption, path, step;
};

class WatchedProgress : public ImportProgress {
public:
    explicit WatchedProgress(ImportProgressDialog& window) : window_(window) {}
    void Begin(const std::string& caption, const std::string& path) override {
        window_.Begin(caption, path);
    }
    void Step(const std::string& label) override {
        window_.Step(label);
        seen.push_back({window_.isVisible(), window_.windowTitle(),
                        Named<QLabel>(window_, "Label4")->text(),
                        Named<QLabel>(window_, "Label1")->text()});
    }
    void Advance(double fraction) override { window_.Advance(fraction); }
    void End() override { window_.End(); }

    std::vector<SeenStep> seen;

private:
    ImportProgressDialog& window_;
};

TEST(ImportProgressDialog, ShowsEachStepOfAnImportWhileItRuns) {
    const std::string path = std::string(TESSARIN_TEST_DATA_DIR) + "/P-135_time.LAS";
    ImportProgressDialog window;
    WatchedProgress progress(window);
    LogImport import{Project()};
    LogFileChoice sonic;
    sonic.path = path;
    sonic.lasCurveIndex = 1;
    import.ImportSonic(sonic, progress);

    QStringList steps;
    for (const SeenStep& step : progress.seen) {
        EXPECT_TRUE(step.visible) << step.step.toStdString();
        EXPECT_EQ(step.caption, "Import Sonic Log");
        EXPECT_EQ(step.path, QString::fromStdString(path));
        steps << step.step;
    }
    EXPECT_EQ(steps, (QStringList{"Reading sonic log", "Integrating sonic log",
                                  "Resampling sonic log at 2 msec", "Completed"}));
    EXPECT_FALSE(window.isVisible());
}

TEST(ImportProgressDialog, BarFillsBlueToTheFractionAndEmptiesAtEachStep) {
    ImportProgressDialog window;
    window.Begin("Import Density Log", "/data/well.las");
    window.Step("Reading density log");
    window.Advance(0.6);
    auto* bar = Named<QWidget>(window, "Picture1");
    const auto colourAt = [bar](double x) {
        const QImage picture = bar->grab().toImage();
        return picture.pixelColor(static_cast<int>(picture.width() * x), picture.height() / 2);
    };
    EXPECT_EQ(colourAt(0.1), QColor(0, 0, 255));
    EXPECT_EQ(colourAt(0.55), QColor(0, 0, 255));
    EXPECT_EQ(colourAt(0.65), QColor(192, 192, 192));

    window.Step("Sorting data");
    EXPECT_EQ(colourAt(0.1), QColor(192, 192, 192));
    window.End();
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace tessarin
