#pragma once

// "Synthetic Information": the measurement units, the sonic unit of the file, the velocity
// survey, the sample rate and how acoustic impedance is formed. The first step of an import.
//
// The dialog works on the choices it was opened with and hands back what OK confirmed; it never
// writes the record. A change of units is applied once, when confirmed, by the window:
//     if (auto choices = SyntheticInformationDialog::Run(this, record)) {
//         ChangeMeasurementUnits(record, choices->measurementUnits);  // KB, GL, datum, scales
//         ApplySyntheticInformationValues(record, *choices);                 // sets projectChanged
//     } else {
//         record.dialogCancelled = true;  // the import stops
//     }
// (During an import, `record` is the import's working copy, LogImport::Working().)

#include <QDialog>
#include <optional>

#include "import/synthetic_information.h"
#include "model/project.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;

namespace tessarin {

class SyntheticInformationDialog : public QDialog {
    Q_OBJECT

public:
    explicit SyntheticInformationDialog(const Project& project, QWidget* parent = nullptr);

    // Modal over `parent`: the choices confirmed by OK, or nothing after Cancel (or Escape).
    static std::optional<SyntheticInformationValues> Run(QWidget* parent, const Project& project);

    // The choices as they stand.
    SyntheticInformationValues Values() const;

private:
    QWidget* BuildUnitsFrame();
    QWidget* BuildSurveyFrame();
    QWidget* BuildSampleRateFrame();
    QWidget* BuildImpedanceFrame();
    void Show(const SyntheticInformationValues& choices);
    void FollowUnits();
    void FollowImpedance();

    QButtonGroup* units_ = nullptr;       // units
    QCheckBox* sonicPerFoot_ = nullptr;   // Check1
    QCheckBox* applySurvey_ = nullptr;    // applyvelsurv
    QButtonGroup* sampleRate_ = nullptr;  // SampleRate
    QButtonGroup* impedance_ = nullptr;   // SynthImped
    QCheckBox* gardner_ = nullptr;        // gardner
    bool importChoicesEnabled_ = true;
};

}  // namespace tessarin
