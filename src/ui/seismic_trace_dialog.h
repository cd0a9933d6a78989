#pragma once

// "Load Seismic Trace...": the seismic trace at the well, from a SEG-Y file or a text trace. The
// dialog shows the file's summary (a 3D volume's geometry and corners among it), lets the user
// choose the trace by inline and crossline, by its number, as the trace nearest the well's
// position or as the blend of the four traces of a volume around it, and previews it. The well's
// position starts at the X and Y its location gives, when it gives them. OK reads the chosen trace;
// the dialog hands it back with where it came from and never writes the record. The window calls
//     SeismicTraceDialog dialog(project, this);
//     if (dialog.exec() == QDialog::Accepted) {
//         SetTieTrace(project, dialog.Loaded()->source, dialog.Loaded()->trace);
//         // recompute, show the tie window
//     }
//
// Controls by objectName: the dialog "seisform"; the file box "fileName" and "browseFile"; the
// summary "summary"; the choices "byLines", "byNumber", "byNearest", "byInterpolated" with
// "inlineNumber", "crosslineNumber", "inlineByte", "crosslineByte", "traceNumber", "wellX",
// "wellY" and the "coordinates" they are in (CDP or source); the trace
// found "chosenTrace"; "intervalMs" for headers that disagree; the "preview"; "Command1" (OK) and
// "Command2" (Cancel).

#include <QDialog>
#include <optional>
#include <utility>

#include "engine/trace_preview.h"
#include "files/seismic_trace_load.h"
#include "model/project.h"

class QButtonGroup;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace tessarin {

class CurvePlot;

class SeismicTraceDialog : public QDialog {
    Q_OBJECT

public:
    // Opens on the project's present trace: its file, read again, and the way it was chosen.
    explicit SeismicTraceDialog(const Project& project, QWidget* parent = nullptr);

    // The trace OK read, with its source; nothing until then.
    const std::optional<LoadedSeismicTrace>& Loaded() const { return loaded_; }

    void accept() override;  // OK: reads the chosen trace, or says why not and stays open

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildFileRow();
    QWidget* BuildChoice();
    QWidget* BuildInterval();
    void ShowSource(const SeismicSource& source);
    void Browse();
    // Reads the file named in the box. When it fails, the previous file stays and the reader's
    // message is told in a message box (`tell`) or in the summary.
    bool ReadFile(bool tell);
    void ShowSummary();
    void EnableChoice();
    // The chosen trace read again for the preview; the reader's refusal shown instead.
    void Preview();
    ReadResult<LoadedSeismicTrace> ReadChosen() const;
    SegyLineBytes LineBytes() const;
    TraceCoordinates Coordinates() const;

    std::optional<SeismicFileSummary> file_;
    QString filePath_;    // the path `file_` was read from
    QString sourcePath_;  // the file of the project's present trace, whose choice is shown
    QString triedPath_;   // the path last read, whether it could be read or not
    std::optional<LoadedSeismicTrace> loaded_;
    int measurementUnits_ = kMetric;  // the project's, for the distance to the nearest trace
    std::optional<std::pair<double, double>> wellAt_;  // the X and Y of the well's location

    QLineEdit* fileName_ = nullptr;
    QLabel* summary_ = nullptr;
    QButtonGroup* choice_ = nullptr;
    QSpinBox* inline_ = nullptr;
    QSpinBox* crossline_ = nullptr;
    QSpinBox* inlineByte_ = nullptr;
    QSpinBox* crosslineByte_ = nullptr;
    QSpinBox* traceNumber_ = nullptr;
    QDoubleSpinBox* wellX_ = nullptr;
    QDoubleSpinBox* wellY_ = nullptr;
    QComboBox* coordinates_ = nullptr;
    QLabel* chosen_ = nullptr;
    QDoubleSpinBox* interval_ = nullptr;
    QLabel* intervalNote_ = nullptr;
    CurvePlot* preview_ = nullptr;
    PreviewTimes previewTimes_;  // the project's synthetic and tie window, which the preview shows
};

}  // namespace tessarin
