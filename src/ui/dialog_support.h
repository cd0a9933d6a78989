#pragma once

// Small pieces every data-entry dialog shares: the OK/Cancel row, the line that says why input
// was refused, and the selection of a box's first characters when a dialog opens.

#include <QString>
#include <string>

class QDialog;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace tessarin {

// "OK" (Command1, the default button, so Enter confirms) and "Cancel" (Command2), wired to the
// dialog's accept and reject; a dialog that checks its input does so in its own accept().
QDialogButtonBox* MakeOkCancelButtons(QDialog* dialog);

// A line, empty until input is refused, that keeps the reason in view after the beep. Named
// "refusalReason".
QLabel* MakeRefusalLabel(QWidget* parent);

// Sounds the system beep and shows `reason` in the refusal line.
void Refuse(QLabel* refusalLabel, const std::string& reason);

// A box ready for typing over: its first `count` characters selected.
void SelectFirst(QLineEdit* box, int count);

// The text of a box as the core takes it.
std::string TextOf(const QLineEdit* box);

}  // namespace tessarin
