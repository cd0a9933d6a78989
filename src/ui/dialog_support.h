#pragma once

// Small pieces every data-entry dialog shares: the OK/Cancel row, the line that says why input
// was refused, and the selection of a box's first characters when a dialog opens.

#include <QString>
#include <functional>
#include <string>

class QDialog;
class QDialogButtonBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace tessarin {

// "OK" (Command1, the default button, so Enter confirms) and "Cancel" (Command2), wired to the
// dialog's accept and reject; a dialog that checks its input does so in its own accept().
QDialogButtonBox* MakeOkCancelButtons(QDialog* dialog);

// A push button with its objectName, so that tests can find it.
QPushButton* NamedButton(const QString& name, const QString& caption);

// The button row of a table the user may also read from or save to a file: "Open File"
// (Command3) and "Save File" (Command4) on the left, "OK" (Command1, the default) and "Cancel"
// (Command2) on the right. Tab reaches them, in that order, after `previous`, which must already
// be in the dialog.
QHBoxLayout* MakeFileTableButtons(QDialog* dialog, QWidget* previous,
                                  const std::function<void()>& open,
                                  const std::function<void()>& save);

// A line, empty until input is refused, that keeps the reason in view after the beep. Named
// "refusalReason".
QLabel* MakeRefusalLabel(QWidget* parent);

// Sounds the system beep and shows `reason` in the refusal line.
void Refuse(QLabel* refusalLabel, const std::string& reason);

// A figure the window measured, "–" until there is one, selectable so that it can be copied.
// Named `name`, so that tests can read it.
QLabel* MakeFigureLabel(const char* name, QWidget* parent);

// A box ready for typing over: its first `count` characters selected.
void SelectFirst(QLineEdit* box, int count);

// The text of a box as the core takes it.
std::string TextOf(const QLineEdit* box);

}  // namespace tessarin
