#pragma once

// The menu bar of the main window, built from tables: every item carries its name as objectName
// ("mnucalc"), so that the window, the toolbar and the tests find it by that name.

#include <QString>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

namespace tessarin {

// One group of exclusive choices of the Plot Parameters menu: the item whose value equals the
// project's field is checked. Each item's action carries its value as data.
struct ChoiceMenu {
    const char* name;
    const char* caption;
    std::vector<const char*> itemNames;
    std::vector<const char*> itemCaptions;
    std::vector<int> values;
};

const ChoiceMenu& LogPenWidthMenu();
const ChoiceMenu& GridPenWidthMenu();
const ChoiceMenu& TimingLinesMenu();
const ChoiceMenu& DepthTicksMenu();

// Fills the menu bar with the five menus and all their items, every item enabled and unchecked.
// The window wires the items to its commands and sets their states.
void BuildMainMenus(QMenuBar* bar);

// The menus whose opening hides the toolbar's hover help ("&File", "&Data", "&Preferences",
// "&Help"; not "Plot Parameters").
std::vector<QMenu*> MenusHidingHoverHelp(QMenuBar* bar);

}  // namespace tessarin
