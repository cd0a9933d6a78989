#pragma once

// Boxes inside a scrolling panel take the mouse wheel only once the user has clicked or tabbed
// into them. Otherwise a wheel turned to scroll the panel changes whichever box passes under the
// pointer: a bulk shift or a tie window the user never meant to touch.

class QWidget;

namespace tessarin {

// Guards every spin box and combo box inside `panel`; the wheel over them scrolls the panel.
void GuardWheelInside(QWidget* panel);

}  // namespace tessarin
