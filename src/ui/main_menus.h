#pragma once

// The menu bar of the main window, laid out from the window's actions. Each menu carries its
// name as objectName ("mnufile").

#include <vector>

class QMenu;
class QMenuBar;

namespace tessarin {

class MainActions;

struct MainMenus {
    QMenu* file;
    QMenu* data;  // also opened by the right button on the display
    QMenu* tie;
    QMenu* preferences;
    QMenu* plotParameters;
    QMenu* help;

    // The menus whose opening hides the toolbar's hover help: all but Plot Parameters.
    std::vector<QMenu*> HidingHoverHelp() const { return {file, data, tie, preferences, help}; }
};

// Fills the menu bar with the six menus and their items, the window's own actions.
MainMenus BuildMainMenus(QMenuBar* bar, const MainActions& actions);

}  // namespace tessarin
