#include "ui/main_actions.h"

#include <QAction>
#include <QActionGroup>

namespace tessarin {
namespace {

struct CommandEntry {
    Command command;
    const char* name;  // the item's objectName, by which tests and saved layouts know it
    const char* caption;
    QKeySequence::StandardKey key;
};

// In the order of Command. The platform's standard keys go with the commands that have one.
constexpr std::array<CommandEntry, kCommandCount> kCommands = {{
    {Command::kNewProject, "mnunewproj", "&New Project", QKeySequence::New},
    {Command::kOpenProject, "mnuopenproj", "&Open Project...", QKeySequence::Open},
    {Command::kSaveProjectAs, "mnusaveproj", "&Save Project As...", QKeySequence::SaveAs},
    {Command::kExportData, "mnusavetrace", "&Export Data", QKeySequence::UnknownKey},
    {Command::kExportSegy, "mnusgyibm", "Export SG&Y (IBM 32 bit float)", QKeySequence::UnknownKey},
    {Command::kSaveBitmap, "mnubitmap", "Save &Bitmap", QKeySequence::UnknownKey},
    {Command::kPrinterSetup, "mnuprintset", "Printer Set&up", QKeySequence::UnknownKey},
    {Command::kDisplaySynthetic, "mnucalc", "&Display Synthetic", QKeySequence::UnknownKey},
    {Command::kPrintSynthetic, "mnuprint", "&Print Synthetic", QKeySequence::Print},
    {Command::kExit, "mnuexit", "E&xit", QKeySequence::Quit},
    {Command::kWellInformation, "mnuwellinfo", "Well and Datum &Information",
     QKeySequence::UnknownKey},
    {Command::kImportLogs, "mnusonic", "Import Sonic/Density &Logs", QKeySequence::UnknownKey},
    {Command::kDefineHorizons, "mnutopedit", "Define &Horizons", QKeySequence::UnknownKey},
    {Command::kSelectWavelet, "mnuselwave", "Select &Wavelet", QKeySequence::UnknownKey},
    {Command::kSetScales, "mnuscales", "Set &Scales and AGC", QKeySequence::UnknownKey},
    {Command::kLoadSeismicTrace, "mnuloadseis", "&Load Seismic Trace...", QKeySequence::UnknownKey},
    {Command::kTieWindow, "mnutiewin", "&Tie Window", QKeySequence::UnknownKey},
    {Command::kApplyShift, "mnuapplyshift", "Apply &Shift", QKeySequence::UnknownKey},
    {Command::kResetShift, "mnuresetshift", "&Reset Shift", QKeySequence::UnknownKey},
    {Command::kApplyPhase, "mnuapplyphase", "Apply &Phase", QKeySequence::UnknownKey},
    {Command::kStretchMode, "mnustretchmode", "Stretch &Mode", QKeySequence::UnknownKey},
    {Command::kAutoStretch, "mnuautostretch", "&Auto Stretch", QKeySequence::UnknownKey},
    {Command::kClearStretch, "mnuclearstretch", "&Clear Stretch", QKeySequence::UnknownKey},
    {Command::kUndoStretch, "mnuundo", "&Undo", QKeySequence::Undo},
    {Command::kRedoStretch, "mnuredo", "R&edo", QKeySequence::Redo},
    {Command::kSaveStretchSurvey, "mnusavestretch", "Save Stretch as &Velocity Survey...",
     QKeySequence::UnknownKey},
    {Command::kUseStretchSurvey, "mnusestretch", "Use Stretch as Velocity Su&rvey",
     QKeySequence::UnknownKey},
    {Command::kExtractWavelet, "mnuextractwavelet", "E&xtract Wavelet...",
     QKeySequence::UnknownKey},
    {Command::kImportWaveletFile, "mnuimportwavelet", "&Import Wavelet File...",
     QKeySequence::UnknownKey},
    {Command::kExportWaveletFile, "mnuexportwavelet", "E&xport Wavelet File...",
     QKeySequence::UnknownKey},
    {Command::kToolbarHelp, "mnutoolhelp", "&Toolbar Help", QKeySequence::UnknownKey},
    {Command::kFont, "mnufont", "&Font", QKeySequence::UnknownKey},
    {Command::kSaveSettings, "mnusaveini", "&Save Settings", QKeySequence::UnknownKey},
    {Command::kScreenScaleCorrection, "mnuscrcor", "S&creen Scale Correction",
     QKeySequence::UnknownKey},
    {Command::kVelocityLogGridWidth, "mnuVLGW", "Velocity Log Grid Width",
     QKeySequence::UnknownKey},
    {Command::kDensityLogGridWidth, "mnuDLGW", "Density Log Grid Width", QKeySequence::UnknownKey},
    {Command::kHelpContents, "mnucontents", "&Contents", QKeySequence::HelpContents},
    {Command::kHelpOnHelp, "mnuhoh", "&Help on Help", QKeySequence::UnknownKey},
    {Command::kAbout, "mnuabout", "&About", QKeySequence::UnknownKey},
}};

constexpr bool InCommandOrder() {
    for (int i = 0; i < kCommandCount; ++i) {
        if (static_cast<int>(kCommands[i].command) != i) {
            return false;
        }
    }
    return true;
}
static_assert(InCommandOrder(), "the actions are looked up by command");

// The Data menu's steps carry a check mark once done; Toolbar Help and Tie Window show whether
// they are on.
constexpr Command kCheckable[] = {Command::kWellInformation, Command::kImportLogs,
                                  Command::kDefineHorizons,  Command::kSelectWavelet,
                                  Command::kTieWindow,       Command::kToolbarHelp,
                                  Command::kStretchMode};

QAction* NewAction(QObject* owner, const char* name, const char* caption) {
    auto* action = new QAction(QString::fromUtf8(caption), owner);
    action->setObjectName(QString::fromUtf8(name));
    return action;
}

}  // namespace

const ChoiceMenu& ChoiceMenuOf(Choice choice) {
    // The timing lines' values are lines per 100 ms.
    static const std::array<ChoiceMenu, kChoiceCount> menus = {{
        {"mnuCPW",
         "Log Curve Pen Size",
         {"mnuPW1", "mnuPW2", "mnuPW3"},
         {"Pen Width 1", "Pen Width 2", "Pen Width 3"},
         {1, 2, 3}},
        {"mnuLGPW",
         "Log Grid Pen Size",
         {"mnuGPW1", "mnuGPW2", "mnuGPW3"},
         {"Grid Pen Width 1", "Grid Pen Width 2", "Grid Pen Width 3"},
         {1, 2, 3}},
        {"mnuTL",
         "Timing Lines",
         {"mnuTL10", "mnuTL20", "mnuTL50", "mnuTL100"},
         {"10 msec", "20 msec", "50 msec", "100 msec"},
         {10, 5, 2, 1}},
        {"mnuDPTICK",
         "Depth Ticks",
         {"mnuDP10", "mnuDP20", "mnuDP50", "mnuDP100"},
         {"10 units", "20 units", "50 units", "100 units"},
         {10, 20, 50, 100}},
    }};
    return menus[static_cast<int>(choice)];
}

MainActions::MainActions(QObject* owner) {
    for (const CommandEntry& entry : kCommands) {
        QAction* action = NewAction(owner, entry.name, entry.caption);
        if (entry.key != QKeySequence::UnknownKey) {
            action->setShortcuts(entry.key);
        }
        // Some desktops name no key for Save As; the one most desktops use stands in.
        if (entry.key == QKeySequence::SaveAs && action->shortcuts().isEmpty()) {
            action->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+S")));
        }
        // Ctrl+Shift+Z is the redo the users know, whatever else the desktop adds.
        if (entry.key == QKeySequence::Redo &&
            !action->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Shift+Z")))) {
            action->setShortcuts(action->shortcuts()
                                 << QKeySequence(QStringLiteral("Ctrl+Shift+Z")));
        }
        commands_[static_cast<int>(entry.command)] = action;
    }
    for (Command command : kCheckable) {
        (*this)(command)->setCheckable(true);
    }
    for (int c = 0; c < kChoiceCount; ++c) {
        const ChoiceMenu& menu = ChoiceMenuOf(static_cast<Choice>(c));
        auto* group = new QActionGroup(owner);
        for (std::size_t i = 0; i < menu.itemNames.size(); ++i) {
            QAction* action = NewAction(owner, menu.itemNames[i], menu.itemCaptions[i]);
            action->setCheckable(true);
            action->setData(menu.values[i]);
            group->addAction(action);
            choices_[c].push_back(action);
        }
    }
}

void MainActions::Check(Choice choice, int value) const {
    for (QAction* item : Items(choice)) {
        item->setChecked(item->data().toInt() == value);
    }
}

}  // namespace tessarin
