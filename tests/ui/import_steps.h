#pragma once

// The answers a user gives to the dialogs of Import Sonic/Density Logs, as steps of a
// ModalScript: the Synthetic Information choices, a curve of a LAS file, a survey file.

#include <QGroupBox>
#include <QListWidget>
#include <vector>

#include "ui/dialog_driver.h"
#include "ui/las_import_dialog.h"
#include "ui/modal_dialogs.h"
#include "ui/synthetic_information_dialog.h"
#include "ui/velocity_survey_dialog.h"

namespace tessarin::test {

inline const QString kSonicCaption = " Select SONIC curve and double click or click OK ";
inline const QString kDensityCaption = " Select DENSITY curve and double click or click OK ";

inline QString Data(const char* name) {
    return QStringLiteral(TESSARIN_TEST_DATA_DIR "/") + QString::fromUtf8(name);
}

// Synthetic Information: the options and boxes clicked, then OK.
inline std::function<void(SyntheticInformationDialog*)> Confirm(std::vector<const char*> clicks) {
    return [clicks](SyntheticInformationDialog* dialog) {
        for (const char* name : clicks) {
            Click(dialog, QString::fromUtf8(name));
        }
        Click(dialog, "Command1");
    };
}

template <typename T>
std::function<void(T*)> CancelButton() {
    return [](T* dialog) { Click(dialog, "Command2"); };
}

// Import LAS File: the curve clicked in the list as the user does, then OK (or a double click).
inline std::function<void(LasImportDialog*)> PickCurve(const QString& mnemonic,
                                                       const QString& caption,
                                                       bool doubleClick = false) {
    return [mnemonic, caption, doubleClick](LasImportDialog* dialog) {
        EXPECT_EQ(Child<QGroupBox>(dialog, "Frame1")->title(), caption);
        auto* list = Child<QListWidget>(dialog, "List1");
        for (int i = 0; i < list->count(); ++i) {
            if (list->item(i)->text().section(QLatin1Char('.'), 0, 0).trimmed() == mnemonic) {
                const QPoint at = list->visualItemRect(list->item(i)).center();
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
                if (doubleClick) {
                    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
                } else {
                    Click(dialog, "Command1");
                }
                return;
            }
        }
        ADD_FAILURE() << "no curve " << mnemonic.toStdString();
        dialog->reject();
    };
}

// The survey file opened from the Velocity Survey dialog: Open File, the file, then OK.
inline void OpenSurveyFile(ModalScript& script, const QString& path) {
    script
        .Then<VelocitySurveyDialog>("Velocity Survey",
                                    [](VelocitySurveyDialog* dialog) { Click(dialog, "Command3"); })
        .Then<QFileDialog>("survey file", ChooseIn("Open Velocity Survey File", path))
        .Then<VelocitySurveyDialog>("Velocity Survey OK", [](VelocitySurveyDialog* dialog) {
            EXPECT_EQ(TextIn(dialog, "Text1_1"), "449.74");
            Click(dialog, "Command1");
        });
}

}  // namespace tessarin::test
