#include "ui/main_menus.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace tessarin {
namespace {

// One menu item by its name and caption; a null name is a separator line.
struct MenuItem {
    const char* name;
    const char* caption;
};

const std::vector<MenuItem> kFileItems = {
    {"mnunewproj", "&New Project"},
    {"mnuopenproj", "&Open Project..."},
    {"mnusaveproj", "&Save Project As..."},
    {nullptr, nullptr},
    {"mnusavetrace", "&Export Data"},
    {"mnusgyibm", "Export SG&Y (IBM 32 bit float)"},
    {"mnubitmap", "Save &Bitmap"},
    {nullptr, nullptr},
    {"mnuprintset", "Printer Set&up"},
    {"mnucalc", "&Display Synthetic"},
    {"mnuprint", "&Print Synthetic"},
    {nullptr, nullptr},
    {"mnuexit", "E&xit"},
};

const std::vector<MenuItem> kDataItems = {
    {"mnuwellinfo", "Well and Datum &Information"},
    {"mnusonic", "Import Sonic/Density &Logs"},
    {"mnutopedit", "Define &Horizons"},
    {"mnuselwave", "Select &Wavelet"},
    {"mnuscales", "Set &Scales and AGC"},
};

const std::vector<MenuItem> kPreferenceItems = {
    {"mnutoolhelp", "&Toolbar Help"},
    {"mnufont", "&Font"},
    {"mnusaveini", "&Save Settings"},
    {"mnuscrcor", "S&creen Scale Correction"},
};

const std::vector<MenuItem> kHelpItems = {
    {"mnucontents", "&Contents"},
    {"mnuhoh", "&Help on Help"},
    {nullptr, nullptr},
    {"mnuabout", "&About"},
};

QMenu* AddMenu(QMenuBar* bar, const char* name, const char* caption) {
    QMenu* menu = bar->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QString::fromUtf8(name));
    menu->menuAction()->setObjectName(QString::fromUtf8(name));
    return menu;
}

QAction* AddItem(QMenu* menu, const char* name, const char* caption) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromUtf8(name));
    return action;
}

void AddItems(QMenu* menu, const std::vector<MenuItem>& items) {
    for (const MenuItem& item : items) {
        if (item.name == nullptr) {
            menu->addSeparator();
        } else {
            AddItem(menu, item.name, item.caption);
        }
    }
}

void AddChoiceMenu(QMenu* parent, const ChoiceMenu& choice) {
    QMenu* sub = parent->addMenu(QString::fromUtf8(choice.caption));
    sub->setObjectName(QString::fromUtf8(choice.name));
    sub->menuAction()->setObjectName(QString::fromUtf8(choice.name));
    auto* group = new QActionGroup(sub);
    for (std::size_t i = 0; i < choice.itemNames.size(); ++i) {
        QAction* action = AddItem(sub, choice.itemNames[i], choice.itemCaptions[i]);
        action->setCheckable(true);
        action->setData(choice.values[i]);
        group->addAction(action);
    }
}

}  // namespace

const ChoiceMenu& LogPenWidthMenu() {
    static const ChoiceMenu menu{"mnuCPW",
                                 "Log Curve Pen Size",
                                 {"mnuPW1", "mnuPW2", "mnuPW3"},
                                 {"Pen Width 1", "Pen Width 2", "Pen Width 3"},
                                 {1, 2, 3}};
    return menu;
}

const ChoiceMenu& GridPenWidthMenu() {
    static const ChoiceMenu menu{"mnuLGPW",
                                 "Log Grid Pen Size",
                                 {"mnuGPW1", "mnuGPW2", "mnuGPW3"},
                                 {"Grid Pen Width 1", "Grid Pen Width 2", "Grid Pen Width 3"},
                                 {1, 2, 3}};
    return menu;
}

const ChoiceMenu& TimingLinesMenu() {
    // The values are timing lines per 100 ms.
    static const ChoiceMenu menu{"mnuTL",
                                 "Timing Lines",
                                 {"mnuTL10", "mnuTL20", "mnuTL50", "mnuTL100"},
                                 {"10 msec", "20 msec", "50 msec", "100 msec"},
                                 {10, 5, 2, 1}};
    return menu;
}

const ChoiceMenu& DepthTicksMenu() {
    static const ChoiceMenu menu{"mnuDPTICK",
                                 "Depth Ticks",
                                 {"mnuDP10", "mnuDP20", "mnuDP50", "mnuDP100"},
                                 {"10 units", "20 units", "50 units", "100 units"},
                                 {10, 20, 50, 100}};
    return menu;
}

void BuildMainMenus(QMenuBar* bar) {
    AddItems(AddMenu(bar, "mnufile", "&File"), kFileItems);
    AddItems(AddMenu(bar, "mnuoptions", "&Data"), kDataItems);
    QMenu* preferences = AddMenu(bar, "mnuprefs", "&Preferences");
    AddItems(preferences, kPreferenceItems);
    preferences->findChild<QAction*>(QStringLiteral("mnutoolhelp"))->setCheckable(true);

    QMenu* plot = AddMenu(bar, "mnuPlotParameters", "Plot Parameters");
    AddItem(plot, "mnuVLGW", "Velocity Log Grid Width");
    AddItem(plot, "mnuDLGW", "Density Log Grid Width");
    AddChoiceMenu(plot, LogPenWidthMenu());
    AddChoiceMenu(plot, GridPenWidthMenu());
    AddChoiceMenu(plot, TimingLinesMenu());
    AddChoiceMenu(plot, DepthTicksMenu());

    AddItems(AddMenu(bar, "mnuhelp", "&Help"), kHelpItems);
}

std::vector<QMenu*> MenusHidingHoverHelp(QMenuBar* bar) {
    std::vector<QMenu*> menus;
    for (const char* name : {"mnufile", "mnuoptions", "mnuprefs", "mnuhelp"}) {
        menus.push_back(bar->findChild<QMenu*>(QString::fromUtf8(name)));
    }
    return menus;
}

}  // namespace tessarin
