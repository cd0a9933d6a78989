#include "ui/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QMenuBar>
#include <vector>

namespace tessarin {
namespace {

// One menu item by its name and caption; a null name is a separator line.
struct ItemSpec {
    const char* name;
    const char* caption;
};

// A submenu of exclusive choices; the item whose value equals the record's field is checked.
struct ChoiceSpec {
    const char* name;
    const char* caption;
    std::vector<ItemSpec> items;
    std::vector<int> values;
};

const std::vector<ItemSpec> kFileItems = {
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

const std::vector<ItemSpec> kDataItems = {
    {"mnuwellinfo", "Well and Datum &Information"},
    {"mnusonic", "Import Sonic/Density &Logs"},
    {"mnutopedit", "Define &Horizons"},
    {"mnuselwave", "Select &Wavelet"},
    {"mnuscales", "Set &Scales and AGC"},
};

const std::vector<ItemSpec> kPreferenceItems = {
    {"mnutoolhelp", "&Toolbar Help"},
    {"mnufont", "&Font"},
    {"mnusaveini", "&Save Settings"},
    {"mnuscrcor", "S&creen Scale Correction"},
};

const std::vector<ItemSpec> kHelpItems = {
    {"mnucontents", "&Contents"},
    {"mnuhoh", "&Help on Help"},
    {nullptr, nullptr},
    {"mnuabout", "&About"},
};

}  // namespace

MainWindow::MainWindow(Project& project, QWidget* parent) : QMainWindow(parent), project_(project) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tessarin Synthetic Seismogram"));
    BuildMenus();
}

QAction* MainWindow::MenuAction(const QString& name) const {
    return findChild<QAction*>(name);
}

QMenu* MainWindow::AddMenu(const QString& name, const QString& caption) {
    QMenu* menu = menuBar()->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

static void AddItems(QMenu* menu, const std::vector<ItemSpec>& items,
                     QAction* (*add)(QMenu*, const ItemSpec&)) {
    for (const ItemSpec& item : items) {
        if (item.name == nullptr) {
            menu->addSeparator();
        } else {
            add(menu, item);
        }
    }
}

static QAction* AddDisabledItem(QMenu* menu, const ItemSpec& item) {
    QAction* action = menu->addAction(QString::fromUtf8(item.caption));
    action->setObjectName(QString::fromUtf8(item.name));
    // Commands come alive as their dialogs and computations are wired to them.
    action->setEnabled(false);
    return action;
}

static void AddChoiceMenu(QMenu* parent, const ChoiceSpec& choice, int current) {
    QMenu* sub = parent->addMenu(QString::fromUtf8(choice.caption));
    sub->setObjectName(QString::fromUtf8(choice.name));
    sub->menuAction()->setObjectName(QString::fromUtf8(choice.name));
    auto* group = new QActionGroup(sub);
    for (std::size_t i = 0; i < choice.items.size(); ++i) {
        QAction* action = AddDisabledItem(sub, choice.items[i]);
        action->setCheckable(true);
        action->setChecked(choice.values[i] == current);
        group->addAction(action);
    }
}

void MainWindow::BuildMenus() {
    AddItems(AddMenu(QStringLiteral("mnufile"), QStringLiteral("&File")), kFileItems,
             AddDisabledItem);
    QAction* exit = MenuAction(QStringLiteral("mnuexit"));
    exit->setEnabled(true);
    connect(exit, &QAction::triggered, this, &QWidget::close);

    AddItems(AddMenu(QStringLiteral("mnuoptions"), QStringLiteral("&Data")), kDataItems,
             AddDisabledItem);
    AddItems(AddMenu(QStringLiteral("mnuprefs"), QStringLiteral("&Preferences")), kPreferenceItems,
             AddDisabledItem);
    MenuAction(QStringLiteral("mnutoolhelp"))->setCheckable(true);

    QMenu* plot = AddMenu(QStringLiteral("mnuPlotParameters"), QStringLiteral("Plot Parameters"));
    AddItems(plot, {{"mnuVLGW", "Velocity Log Grid Width"}, {"mnuDLGW", "Density Log Grid Width"}},
             AddDisabledItem);
    AddChoiceMenu(
        plot,
        {"mnuCPW",
         "Log Curve Pen Size",
         {{"mnuPW1", "Pen Width 1"}, {"mnuPW2", "Pen Width 2"}, {"mnuPW3", "Pen Width 3"}},
         {1, 2, 3}},
        project_.logPenWidth);
    AddChoiceMenu(plot,
                  {"mnuLGPW",
                   "Log Grid Pen Size",
                   {{"mnuGPW1", "Grid Pen Width 1"},
                    {"mnuGPW2", "Grid Pen Width 2"},
                    {"mnuGPW3", "Grid Pen Width 3"}},
                   {1, 2, 3}},
                  project_.gridPenWidth);
    AddChoiceMenu(plot,
                  {"mnuTL",
                   "Timing Lines",
                   {{"mnuTL10", "10 msec"},
                    {"mnuTL20", "20 msec"},
                    {"mnuTL50", "50 msec"},
                    {"mnuTL100", "100 msec"}},
                   {10, 5, 2, 1}},
                  project_.timingLinesPer100ms);
    AddChoiceMenu(plot,
                  {"mnuDPTICK",
                   "Depth Ticks",
                   {{"mnuDP10", "10 units"},
                    {"mnuDP20", "20 units"},
                    {"mnuDP50", "50 units"},
                    {"mnuDP100", "100 units"}},
                   {10, 20, 50, 100}},
                  project_.depthTickInterval);

    AddItems(AddMenu(QStringLiteral("mnuhelp"), QStringLiteral("&Help")), kHelpItems,
             AddDisabledItem);
}

}  // namespace tessarin
