#pragma once

// "Set Scales and AGC": time scale, traces per unit, amplitude, number of traces, AGC window and
// the depth type of the plot.
//
// The dialog works on the values it was opened with and hands back what OK confirmed; it never
// writes the record. The window calls
//     if (auto values = ScalesDialog::Run(this, project)) {
//         ApplyScalesValues(project, *values);  // sets projectChanged
//         // recompute when synthDisplayed
//     } else {
//         project.dialogCancelled = true;
//     }

#include <QDialog>
#include <optional>

#include "model/project.h"
#include "model/scales.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;

namespace tessarin {

class ScalesDialog : public QDialog {
    Q_OBJECT

public:
    explicit ScalesDialog(const Project& project, QWidget* parent = nullptr);

    // Modal over `parent`: the values confirmed by OK, or nothing after Cancel (or Escape).
    static std::optional<ScalesValues> Run(QWidget* parent, const Project& project);

    // The boxes and the depth type as they stand.
    ScalesValues Values() const;

    // OK: values that cannot be drawn or stored put the stored values back into the five boxes
    // with a beep, and the dialog stays open.
    void accept() override;

signals:
    void inputRefused(const QString& reason);

private:
    void ShowBoxes(const ScalesValues& values);

    QLineEdit* timeScale_ = nullptr;      // Text1
    QLineEdit* tracesPerUnit_ = nullptr;  // Text2
    QLineEdit* amplitude_ = nullptr;      // Text3
    QLineEdit* traceCount_ = nullptr;     // Text4
    QComboBox* agcWindow_ = nullptr;      // Combo1
    QButtonGroup* depthType_ = nullptr;   // Dtype
    QLabel* refusal_ = nullptr;
    ScalesValues stored_;
};

}  // namespace tessarin
