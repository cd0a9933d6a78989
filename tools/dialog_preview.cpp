// Shows one dialog over a stand-in main window, for looking at it under Xvfb:
//   dialog_preview las FILE [SCROLL|middle]   Import LAS File, scrolled to SCROLL
//   dialog_preview survey [FILE.vs]           Velocity Survey, rows loaded from the file
//   dialog_preview horizons PROJECT [FILE.hor] Define Horizons over a project, rows from the file
//   dialog_preview progress FILE.las          the progress window, held halfway through an import
//   dialog_preview Form2|Form3|Form4|Form6 PROJECT
//                                             Set Scales, Select Wavelet, Well and Datum or
//                                             Synthetic Information over a project
// Not part of the installed program.

#include <QApplication>
#include <QEventLoop>
#include <QMainWindow>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <cstdio>

#include "files/horizon_file.h"
#include "files/open_project.h"
#include "import/log_import.h"
#include "import/velocity_survey.h"
#include "model/settings.h"
#include "ui/horizon_dialog.h"
#include "ui/import_progress_dialog.h"
#include "ui/las_import_dialog.h"
#include "ui/scales_dialog.h"
#include "ui/synthetic_information_dialog.h"
#include "ui/velocity_survey_dialog.h"
#include "ui/wavelet_dialog.h"
#include "ui/well_datum_dialog.h"

namespace {

using namespace tessarin;

// Holds the import halfway through its integration step, with the window on screen.
class HeldProgress : public ImportProgress {
public:
    explicit HeldProgress(ImportProgressDialog& window) : window_(window) {}
    void Begin(const std::string& caption, const std::string& path) override {
        window_.Begin(caption, path);
    }
    void Step(const std::string& label) override {
        step_ = label;
        window_.Step(label);
    }
    void Advance(double fraction) override {
        window_.Advance(fraction);
        if (!held_ && step_ == "Integrating sonic log" && fraction >= 0.5) {
            held_ = true;
            QEventLoop loop;
            QTimer::singleShot(600000, &loop, &QEventLoop::quit);
            loop.exec();
        }
    }
    void End() override { window_.End(); }

private:
    ImportProgressDialog& window_;
    std::string step_;
    bool held_ = false;
};

int Run(const QStringList& args, QMainWindow& window) {
    const QString what = args.value(1);
    if (what == "las") {
        LasFile file = LoadLasFile(args.value(2).toStdString());
        LasHeader header = ReadLasHeader(file);
        LasImportDialog dialog(std::move(file), std::move(header),
                               " Select SONIC curve and double click or click OK ", &window);
        auto* scroll = dialog.findChild<QScrollBar*>("VScroll1");
        scroll->setValue(args.value(3) == "middle" ? scroll->maximum() / 2 : args.value(3).toInt());
        return dialog.exec();
    }
    Project project;
    if (what == "survey") {
        project.measurementUnits = kMetric;
        project.kbElevation = Value(30);
        if (args.size() > 2) {
            SetVelocitySurvey(project, ReadVelocitySurveyFile(args.value(2).toStdString()));
        }
        return VelocitySurveyDialog(project, &window).exec();
    }
    if (what.startsWith("Form")) {
        OpenProjectFile(project, MemorySettingsStore(), args.value(2).toStdString());
        if (what == "Form2") {
            return ScalesDialog(project, &window).exec();
        }
        if (what == "Form3") {
            return WaveletDialog(project, &window).exec();
        }
        if (what == "Form4") {
            return WellDatumDialog(project, &window).exec();
        }
        if (what == "Form6") {
            return SyntheticInformationDialog(project, &window).exec();
        }
    }
    if (what == "horizons") {
        OpenProjectFile(project, MemorySettingsStore(), args.value(2).toStdString());
        if (args.size() > 3) {
            LoadHorizonFile(project, args.value(3).toStdString());
        }
        return HorizonDialog(project, &window).exec();
    }
    if (what == "progress") {
        ImportProgressDialog progress(&window);
        HeldProgress held(progress);
        LogFileChoice sonic;
        sonic.path = args.value(2).toStdString();
        sonic.lasCurveMnemonic = "DT";
        LogImport import(project);
        import.ImportSonic(sonic, held);
        return 0;
    }
    std::fprintf(
        stderr, "usage: dialog_preview las|survey|horizons|progress|Form2|Form3|Form4|Form6 ...\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Tessarin Synthetic Seismogram");
    window.resize(window.screen()->availableSize() * 0.85);
    window.show();
    window.activateWindow();
    return Run(app.arguments(), window);
}
