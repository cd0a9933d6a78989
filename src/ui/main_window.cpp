#include "ui/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QMenuBar>

namespace tessarin {

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

QAction* MainWindow::AddItem(QMenu* menu, const QString& name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    // Commands come alive as their dialogs and computations are wired to them.
    action->setEnabled(false);
    return action;
}

// A submenu of exclusive choices, the first `checkedIndex` one checked.
static void AddChoiceMenu(QMenu* parent, const QString& name, const QString& caption,
                          const QStringList& itemNames, const QStringList& captions,
                          int checkedIndex) {
    QMenu* sub = parent->addMenu(caption);
    sub->setObjectName(name);
    sub->menuAction()->setObjectName(name);
    auto* group = new QActionGroup(sub);
    for (int i = 0; i < itemNames.size(); ++i) {
        QAction* action = sub->addAction(captions[i]);
        action->setObjectName(itemNames[i]);
        action->setCheckable(true);
        action->setChecked(i == checkedIndex);
        action->setEnabled(false);
        group->addAction(action);
    }
}

void MainWindow::BuildMenus() {
    QMenu* file = AddMenu(QStringLiteral("mnufile"), QStringLiteral("&File"));
    AddItem(file, QStringLiteral("mnunewproj"), QStringLiteral("&New Project"));
    AddItem(file, QStringLiteral("mnuopenproj"), QStringLiteral("&Open Project..."));
    AddItem(file, QStringLiteral("mnusaveproj"), QStringLiteral("&Save Project As..."));
    file->addSeparator();
    AddItem(file, QStringLiteral("mnusavetrace"), QStringLiteral("&Export Data"));
    AddItem(file, QStringLiteral("mnusgyibm"), QStringLiteral("Export SG&Y (IBM 32 bit float)"));
    AddItem(file, QStringLiteral("mnubitmap"), QStringLiteral("Save &Bitmap"));
    file->addSeparator();
    AddItem(file, QStringLiteral("mnuprintset"), QStringLiteral("Printer Set&up"));
    AddItem(file, QStringLiteral("mnucalc"), QStringLiteral("&Display Synthetic"));
    AddItem(file, QStringLiteral("mnuprint"), QStringLiteral("&Print Synthetic"));
    file->addSeparator();
    QAction* exit = AddItem(file, QStringLiteral("mnuexit"), QStringLiteral("E&xit"));
    exit->setEnabled(true);
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu* data = AddMenu(QStringLiteral("mnuoptions"), QStringLiteral("&Data"));
    AddItem(data, QStringLiteral("mnuwellinfo"), QStringLiteral("Well and Datum &Information"));
    AddItem(data, QStringLiteral("mnusonic"), QStringLiteral("Import Sonic/Density &Logs"));
    AddItem(data, QStringLiteral("mnutopedit"), QStringLiteral("Define &Horizons"));
    AddItem(data, QStringLiteral("mnuselwave"), QStringLiteral("Select &Wavelet"));
    AddItem(data, QStringLiteral("mnuscales"), QStringLiteral("Set &Scales and AGC"));

    QMenu* prefs = AddMenu(QStringLiteral("mnuprefs"), QStringLiteral("&Preferences"));
    AddItem(prefs, QStringLiteral("mnutoolhelp"), QStringLiteral("&Toolbar Help"))
        ->setCheckable(true);
    AddItem(prefs, QStringLiteral("mnufont"), QStringLiteral("&Font"));
    AddItem(prefs, QStringLiteral("mnusaveini"), QStringLiteral("&Save Settings"));
    AddItem(prefs, QStringLiteral("mnuscrcor"), QStringLiteral("S&creen Scale Correction"));

    QMenu* plot = AddMenu(QStringLiteral("mnuPlotParameters"), QStringLiteral("Plot Parameters"));
    AddItem(plot, QStringLiteral("mnuVLGW"), QStringLiteral("Velocity Log Grid Width"));
    AddItem(plot, QStringLiteral("mnuDLGW"), QStringLiteral("Density Log Grid Width"));
    AddChoiceMenu(plot, QStringLiteral("mnuCPW"), QStringLiteral("Log Curve Pen Size"),
                  {QStringLiteral("mnuPW1"), QStringLiteral("mnuPW2"), QStringLiteral("mnuPW3")},
                  {QStringLiteral("Pen Width 1"), QStringLiteral("Pen Width 2"),
                   QStringLiteral("Pen Width 3")},
                  project_.logPenWidth - 1);
    AddChoiceMenu(plot, QStringLiteral("mnuLGPW"), QStringLiteral("Log Grid Pen Size"),
                  {QStringLiteral("mnuGPW1"), QStringLiteral("mnuGPW2"), QStringLiteral("mnuGPW3")},
                  {QStringLiteral("Grid Pen Width 1"), QStringLiteral("Grid Pen Width 2"),
                   QStringLiteral("Grid Pen Width 3")},
                  project_.gridPenWidth - 1);
    const int timingIndex = project_.timingLinesPer100ms == 10  ? 0
                            : project_.timingLinesPer100ms == 5 ? 1
                            : project_.timingLinesPer100ms == 2 ? 2
                                                                : 3;
    AddChoiceMenu(plot, QStringLiteral("mnuTL"), QStringLiteral("Timing Lines"),
                  {QStringLiteral("mnuTL10"), QStringLiteral("mnuTL20"), QStringLiteral("mnuTL50"),
                   QStringLiteral("mnuTL100")},
                  {QStringLiteral("10 msec"), QStringLiteral("20 msec"), QStringLiteral("50 msec"),
                   QStringLiteral("100 msec")},
                  timingIndex);
    const int tickIndex = project_.depthTickInterval == 10   ? 0
                          : project_.depthTickInterval == 20 ? 1
                          : project_.depthTickInterval == 50 ? 2
                                                             : 3;
    AddChoiceMenu(plot, QStringLiteral("mnuDPTICK"), QStringLiteral("Depth Ticks"),
                  {QStringLiteral("mnuDP10"), QStringLiteral("mnuDP20"), QStringLiteral("mnuDP50"),
                   QStringLiteral("mnuDP100")},
                  {QStringLiteral("10 units"), QStringLiteral("20 units"),
                   QStringLiteral("50 units"), QStringLiteral("100 units")},
                  tickIndex);

    QMenu* help = AddMenu(QStringLiteral("mnuhelp"), QStringLiteral("&Help"));
    AddItem(help, QStringLiteral("mnucontents"), QStringLiteral("&Contents"));
    AddItem(help, QStringLiteral("mnuhoh"), QStringLiteral("&Help on Help"));
    help->addSeparator();
    AddItem(help, QStringLiteral("mnuabout"), QStringLiteral("&About"));
}

}  // namespace tessarin
