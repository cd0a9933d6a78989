#pragma once

// "Well and Datum Information": the well's name and location, KB and GL, and the seismic datum.
//
// The dialog works on the values it was opened with and hands back what OK confirmed; it never
// writes the record. The window calls
//     if (auto values = WellDatumDialog::Run(this, project)) {
//         ApplyWellDatumValues(project, *values);  // sets projectChanged
//         // check mnuwellinfo; recompute when synthDisplayed
//     } else {
//         project.dialogCancelled = true;
//     }

#include <QDialog>
#include <array>
#include <optional>

#include "model/project.h"
#include "model/well_datum.h"

class QButtonGroup;
class QGridLayout;
class QLabel;
class QLineEdit;

namespace tessarin {

class WellDatumDialog : public QDialog {
    Q_OBJECT

public:
    explicit WellDatumDialog(const Project& project, QWidget* parent = nullptr);

    // Modal over `parent`: the values confirmed by OK, or nothing after Cancel (or Escape).
    static std::optional<WellDatumValues> Run(QWidget* parent, const Project& project);

    // The boxes and choices as they stand.
    WellDatumValues Values() const;

    void accept() override;  // OK: refuses an unusable elevation or velocity, else closes

signals:
    // Input was refused with a beep; the dialog stays open.
    void inputRefused(const QString& reason);

private:
    void MakeBox(int k, const QString& caption, QWidget* parent);
    void BuildWellFrame(QGridLayout* grid);
    QWidget* BuildLocationFrame();
    QWidget* BuildDatumFrame();
    void Show(const WellDatumValues& values);
    void ShowLocationType(int locationType);
    void ShowDatumType(int datumType);
    void EnableDatumBoxes(bool enabled);

    std::array<QLineEdit*, 11> boxes_{};
    std::array<QLabel*, 11> captions_{};
    std::array<QLabel*, 2> generalCaptions_{};  // "Location:" beside boxes 1 and 2
    QGridLayout* wellGrid_ = nullptr;
    QButtonGroup* locationType_ = nullptr;
    QButtonGroup* datumType_ = nullptr;
    QLabel* refusal_ = nullptr;
    // "Start of Log" shows the datum as stored, unformatted.
    QString storedDatumElevation_;
    QString storedDatumVelocity_;
};

}  // namespace tessarin
