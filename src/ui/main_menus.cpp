#include "ui/main_menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <optional>

#include "ui/main_actions.h"

namespace tessarin {
namespace {

// A menu's items in order; no command is a separator line.
using MenuItems = std::vector<std::optional<Command>>;

const MenuItems kFileItems = {
    Command::kNewProject,   Command::kOpenProject,      Command::kSaveProjectAs,  std::nullopt,
    Command::kExportData,   Command::kExportSegy,       Command::kSaveBitmap,     std::nullopt,
    Command::kPrinterSetup, Command::kDisplaySynthetic, Command::kPrintSynthetic, std::nullopt,
    Command::kExit,
};
const MenuItems kDataItems = {Command::kWellInformation,   Command::kImportLogs,
                              Command::kDefineHorizons,    Command::kSelectWavelet,
                              Command::kImportWaveletFile, Command::kExportWaveletFile,
                              Command::kSetScales};
const MenuItems kTieItems = {
    Command::kLoadSeismicTrace, Command::kTieWindow,    std::nullopt,
    Command::kApplyShift,       Command::kResetShift,   Command::kApplyPhase,
    Command::kExtractWavelet,   std::nullopt,           Command::kStretchMode,
    Command::kAutoStretch,      Command::kClearStretch, Command::kUndoStretch,
    Command::kRedoStretch,      std::nullopt,           Command::kSaveStretchSurvey,
    Command::kUseStretchSurvey};
const MenuItems kPreferenceItems = {Command::kToolbarHelp, Command::kFont, Command::kSaveSettings,
                                    Command::kScreenScaleCorrection};
const MenuItems kHelpItems = {Command::kHelpContents, Command::kHelpOnHelp, std::nullopt,
                              Command::kAbout};

QMenu* AddMenu(QMenuBar* bar, const char* name, const char* caption) {
    QMenu* menu = bar->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QString::fromUtf8(name));
    menu->menuAction()->setObjectName(QString::fromUtf8(name));
    return menu;
}

void AddItems(QMenu* menu, const MenuItems& items, const MainActions& actions) {
    for (const std::optional<Command>& item : items) {
        if (item) {
            menu->addAction(actions(*item));
        } else {
            menu->addSeparator();
        }
    }
}

void AddChoiceMenu(QMenu* parent, Choice choice, const MainActions& actions) {
    const ChoiceMenu& entry = ChoiceMenuOf(choice);
    QMenu* sub = parent->addMenu(QString::fromUtf8(entry.caption));
    sub->setObjectName(QString::fromUtf8(entry.name));
    sub->menuAction()->setObjectName(QString::fromUtf8(entry.name));
    sub->addActions(QList<QAction*>(actions.Items(choice).begin(), actions.Items(choice).end()));
}

}  // namespace

MainMenus BuildMainMenus(QMenuBar* bar, const MainActions& actions) {
    MainMenus menus{};
    menus.file = AddMenu(bar, "mnufile", "&File");
    AddItems(menus.file, kFileItems, actions);
    menus.data = AddMenu(bar, "mnuoptions", "&Data");
    AddItems(menus.data, kDataItems, actions);
    menus.tie = AddMenu(bar, "mnutie", "&Tie");
    AddItems(menus.tie, kTieItems, actions);
    // Apply Phase, greyed for a Ricker wavelet, gives the reason in its tip.
    menus.tie->setToolTipsVisible(true);
    menus.preferences = AddMenu(bar, "mnuprefs", "&Preferences");
    AddItems(menus.preferences, kPreferenceItems, actions);
    menus.plotParameters = AddMenu(bar, "mnuPlotParameters", "Plot Parameters");
    menus.plotParameters->addAction(actions(Command::kVelocityLogGridWidth));
    menus.plotParameters->addAction(actions(Command::kDensityLogGridWidth));
    for (Choice choice :
         {Choice::kLogPenWidth, Choice::kGridPenWidth, Choice::kTimingLines, Choice::kDepthTicks}) {
        AddChoiceMenu(menus.plotParameters, choice, actions);
    }
    menus.help = AddMenu(bar, "mnuhelp", "&Help");
    AddItems(menus.help, kHelpItems, actions);
    return menus;
}

}  // namespace tessarin
