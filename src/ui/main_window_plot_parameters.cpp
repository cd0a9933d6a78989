// The commands of the Preferences and Plot Parameters menus: each stores its value and draws the
// display again where the value shows on it.

#include <QAction>
#include <QFontDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <algorithm>

#include "model/error.h"
#include "model/plot_parameter_input.h"
#include "ui/main_window.h"

namespace tessarin {
namespace {

// Plot text has fixed sizes and no effects, so the font dialog offers the face and the style
// only.
void HideFontSizeChoice(QFontDialog& dialog) {
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->text() == QStringLiteral("&Size")) {
            label->hide();
            if (label->buddy()) {
                label->buddy()->hide();
            }
        }
    }
    // The lists are the face, the style and the size, in that order.
    const QList<QListView*> lists = dialog.findChildren<QListView*>();
    if (lists.size() == 3) {
        lists[2]->hide();
    }
    for (QGroupBox* group : dialog.findChildren<QGroupBox*>()) {
        if (group->title() == QStringLiteral("Effects")) {
            group->hide();
        } else {
            group->setMinimumHeight(group->fontMetrics().height() * 5);  // the sample
        }
    }
    dialog.adjustSize();
}

// The value an input box proposes for a number: "0.5", "1".
QString Proposed(double value) {
    return QString::number(value, 'g', 7);
}

}  // namespace

std::optional<QString> MainWindow::AskText(const QString& title, const QString& prompt,
                                           const QString& proposed) {
    QInputDialog box(this);
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextValue(proposed);
    box.setInputMode(QInputDialog::TextInput);
    if (QLabel* label = box.findChild<QLabel*>()) {
        // A short prompt stands on one line; a long one wraps at a width that reads easily.
        label->setWordWrap(true);
        const QFontMetrics metrics = label->fontMetrics();
        label->setMinimumWidth(
            std::min(metrics.horizontalAdvance(prompt) + 2, metrics.averageCharWidth() * 60));
    }
    PlaceDialog(&box);
    if (box.exec() != QDialog::Accepted || box.textValue().trimmed().isEmpty()) {
        return std::nullopt;
    }
    return box.textValue().trimmed();
}

void MainWindow::ToggleToolbarHelp() {
    SetToolbarHelp(Action(Command::kToolbarHelp)->isChecked());
}

void MainWindow::ChooseFont() {
    QFontDialog dialog(this);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    QFont current(QString::fromStdString(project_.plotFontName));
    current.setBold(project_.plotFontBold);
    current.setItalic(project_.plotFontItalic);
    current.setPointSize(10);
    // The dialog lists the faces installed; it shows the one the saved name is drawn in.
    QFont shown = current;
    shown.setFamily(QFontInfo(current).family());
    dialog.setCurrentFont(shown);
    HideFontSizeChoice(dialog);
    PlaceDialog(&dialog);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const QFont chosen = dialog.selectedFont();
    // The face the saved name stands for on this system ("Arial" may be drawn in Liberation
    // Sans) keeps the saved name, so that settings stay the same on every system.
    if (chosen.family() != QFontInfo(current).family()) {
        project_.plotFontName = chosen.family().toStdString();
    }
    project_.plotFontBold = chosen.bold();
    project_.plotFontItalic = chosen.italic();
    if (project_.synthDisplayed) {
        Recompute();
    }
}

void MainWindow::SaveSettings() {
    WriteSettings(project_, toolbarHelp_, settings_);
}

void MainWindow::ScreenScaleCorrection() {
    double current = 1.0;
    try {
        current = project_.screenCorrection.Number();
    } catch (const Error&) {
    }
    const auto answer = AskText(
        QStringLiteral("Monitor scale correction"),
        QStringLiteral("A monitor scale correction is used to adjust screen plot scales so that "
                       "the time scales appear at approximately the correct scale (e.g. 10 "
                       "inches/second).  A 15 inch monitor running in SVGA 800 x 600 mode will "
                       "need a factor of 0.80. Enter a correction factor below."),
        Proposed(current));
    if (!answer) {
        return;
    }
    double factor = 1.0;
    try {
        factor = ScreenFactorFromText(answer->toStdString());
    } catch (const Error& e) {
        QMessageBox::warning(this, QStringLiteral("Monitor scale correction"),
                             QString::fromStdString(e.what()));
        return;
    }
    project_.screenCorrection = Value(factor);
    DisplaySynthetic();
}

void MainWindow::VelocityLogGridWidth() {
    AskLogGridWidth(QStringLiteral("Velocity Log Width"),
                    QStringLiteral("Input Velocity Log Width in inches"),
                    project_.velocityLogWidth);
}

void MainWindow::DensityLogGridWidth() {
    AskLogGridWidth(QStringLiteral("Density Log Width"),
                    QStringLiteral("Input Density Log Width in inches"), project_.densityLogWidth);
}

void MainWindow::AskLogGridWidth(const QString& title, const QString& prompt,
                                 std::int16_t& widthTwips) {
    const auto answer = AskText(title, prompt, Proposed(widthTwips / 1440.0));
    if (!answer) {
        return;
    }
    try {
        widthTwips = LogGridWidthTwips(answer->toStdString());
    } catch (const Error& e) {
        QMessageBox::warning(this, title, QString::fromStdString(e.what()));
        return;
    }
    Recompute();
}

void MainWindow::SetLogPenWidth(int width) {
    project_.logPenWidth = static_cast<std::int16_t>(width);
    UpdateActions();
    Recompute();
}

void MainWindow::SetGridPenWidth(int width) {
    project_.gridPenWidth = static_cast<std::int16_t>(width);
    UpdateActions();
    Recompute();
}

void MainWindow::SetTimingLines(int perHundredMs) {
    project_.timingLinesPer100ms = static_cast<std::int16_t>(perHundredMs);
    UpdateActions();
    Recompute();
}

void MainWindow::SetDepthTicks(int interval) {
    project_.depthTickInterval = static_cast<std::int16_t>(interval);
    UpdateActions();
    Recompute();
}

}  // namespace tessarin
