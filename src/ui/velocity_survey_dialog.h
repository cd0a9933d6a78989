#pragma once

// Velocity Survey: twenty rows of depth and two-way time, the survey datum elevation and the KB
// elevation, with Open File and Save File for ".vs" files.
//
// Values in, values out: the dialog starts from the record's survey, KB elevation, units and
// project file name, and OK hands back the survey (sorted by depth, two points at least) and the
// KB elevation. The caller applies them, marks the project changed and refreshes; Cancel hands
// back nothing, which the import command takes as cancelled (dialogCancelled).

#include <QDialog>
#include <optional>

#include "import/velocity_survey.h"
#include "model/project.h"

class QLineEdit;

namespace tessarin {

class NumberedRows;

class VelocitySurveyDialog : public QDialog {
    Q_OBJECT

public:
    // Shows the dialog modally over `parent`; the edit on OK, nothing on Cancel.
    static std::optional<VelocitySurveyValues> Run(QWidget* parent, const Project& project);

    explicit VelocitySurveyDialog(const Project& project, QWidget* parent = nullptr);

    const std::optional<VelocitySurveyValues>& Values() const { return result_; }

    void accept() override;
    void reject() override;

private:
    void ShowSurvey(const VelocitySurvey& survey);
    VelocitySurveyRows Rows() const;
    bool CheckNumber(QLineEdit* box, const QString& what);
    bool CheckRowNumbers();
    void FocusFirstDepth();
    void OpenFile();
    void SaveFile();

    Project working_;
    std::optional<VelocitySurveyValues> result_;

    NumberedRows* rows_ = nullptr;
    QLineEdit* datum_ = nullptr;
    QLineEdit* kb_ = nullptr;
};

}  // namespace tessarin
