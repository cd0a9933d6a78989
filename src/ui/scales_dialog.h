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
#include <functional>
#include <optional>
#include <string>

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

    // The check of values that pass the dialog's own rules against the picture they would give:
    // why they cannot be drawn, or nothing. Handed in by the window, which has the picture.
    using DrawCheck = std::function<std::optional<std::string>(const ScalesValues&)>;
    void SetDrawCheck(DrawCheck check) { drawCheck_ = std::move(check); }

    // OK: values that cannot be drawn or stored put the stored values back into the five boxes
    // with a beep and the reason, and the dialog stays open.
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
    DrawCheck drawCheck_;
};

}  // namespace tessarin
