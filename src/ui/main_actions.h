#pragma once

// The window's commands, each one QAction that the menus, the toolbar and the display's context
// menu all share: enabling or checking it once shows everywhere.

#include <QKeySequence>
#include <array>
#include <vector>

class QAction;
class QObject;

namespace tessarin {

enum class Command {
    kNewProject,
    kOpenProject,
    kSaveProjectAs,
    kExportData,
    kExportSegy,
    kSaveBitmap,
    kPrinterSetup,
    kDisplaySynthetic,
    kPrintSynthetic,
    kExit,
    kWellInformation,
    kImportLogs,
    kDefineHorizons,
    kSelectWavelet,
    kSetScales,
    kLoadSeismicTrace,
    kTieWindow,
    kApplyShift,
    kResetShift,
    kApplyPhase,
    kStretchMode,
    kAutoStretch,
    kClearStretch,
    kUndoStretch,
    kRedoStretch,
    kSaveStretchSurvey,
    kUseStretchSurvey,
    kExtractWavelet,
    kImportWaveletFile,
    kExportWaveletFile,
    kToolbarHelp,
    kFont,
    kSaveSettings,
    kScreenScaleCorrection,
    kVelocityLogGridWidth,
    kDensityLogGridWidth,
    kHelpContents,
    kHelpOnHelp,
    kAbout,
};
inline constexpr int kCommandCount = static_cast<int>(Command::kAbout) + 1;

// The exclusive choices of the Plot Parameters menu. Each item carries its value as data; the
// item whose value equals the project's field is checked.
enum class Choice { kLogPenWidth, kGridPenWidth, kTimingLines, kDepthTicks };
inline constexpr int kChoiceCount = static_cast<int>(Choice::kDepthTicks) + 1;

struct ChoiceMenu {
    const char* name;
    const char* caption;
    std::vector<const char*> itemNames;
    std::vector<const char*> itemCaptions;
    std::vector<int> values;
};
const ChoiceMenu& ChoiceMenuOf(Choice choice);

class MainActions {
public:
    // The actions belong to `owner`, whose shortcuts they take while it is shown.
    explicit MainActions(QObject* owner);

    QAction* operator()(Command command) const { return commands_[static_cast<int>(command)]; }
    const std::vector<QAction*>& Items(Choice choice) const {
        return choices_[static_cast<int>(choice)];
    }
    // Checks the item of `choice` whose value is `value`, and no other.
    void Check(Choice choice, int value) const;

private:
    std::array<QAction*, kCommandCount> commands_{};
    std::array<std::vector<QAction*>, kChoiceCount> choices_;
};

}  // namespace tessarin
