#pragma once

// The object names of the controls and commands the tests work, in one place per dialog and
// under names in the user's terms. (The object names follow the original forms.)

namespace tessarin::test {

// The buttons every dialog with OK and Cancel shares, and the line that says why a value was
// refused.
inline constexpr auto kOk = "Command1", kCancel = "Command2";
inline constexpr auto kOpenFile = "Command3", kSaveFile = "Command4";
inline constexpr auto kRefusalReason = "refusalReason";

// The menu items.
namespace item {
inline constexpr auto kNewProject = "mnunewproj", kOpenProject = "mnuopenproj";
inline constexpr auto kSaveProjectAs = "mnusaveproj", kExportData = "mnusavetrace";
inline constexpr auto kExportSgy = "mnusgyibm", kSaveBitmap = "mnubitmap";
inline constexpr auto kPrinterSetup = "mnuprintset", kDisplaySynthetic = "mnucalc";
inline constexpr auto kPrintSynthetic = "mnuprint", kExit = "mnuexit";
inline constexpr auto kWellInformation = "mnuwellinfo", kImportLogs = "mnusonic";
inline constexpr auto kDefineHorizons = "mnutopedit", kSelectWavelet = "mnuselwave";
inline constexpr auto kSetScales = "mnuscales";
inline constexpr auto kToolbarHelp = "mnutoolhelp", kFont = "mnufont";
inline constexpr auto kSaveSettings = "mnusaveini", kScreenCorrection = "mnuscrcor";
inline constexpr auto kVelocityGridWidth = "mnuVLGW", kDensityGridWidth = "mnuDLGW";
inline constexpr auto kHelpContents = "mnucontents", kHelpOnHelp = "mnuhoh";
inline constexpr auto kFileMenu = "mnufile";
// The Plot Parameters choices: the submenu's name followed by the value chosen ("mnuTL20").
inline constexpr auto kTimingLines = "mnuTL", kDepthTicks = "mnuDP";
inline constexpr auto kLogPenWidth = "mnuPW", kGridPenWidth = "mnuGPW";
}  // namespace item

// The toolbar's buttons.
namespace tool {
inline constexpr auto kNew = "ToolNew", kOpen = "ToolOpen", kSave = "ToolSave";
inline constexpr auto kWell = "ToolWell", kLogs = "ToolLogs", kTops = "ToolTops";
inline constexpr auto kWave = "ToolWave", kScales = "ToolScales", kPlot = "ToolPlot";
inline constexpr auto kPrint = "ToolPrint", kHelp = "ToolHelp", kSeismic = "ToolSeismic";
inline constexpr auto kHelpLine = "StatusLabel", kTip = "TipLabel";
}  // namespace tool

namespace synthetic_information {
inline constexpr auto kMetricOption = "units_0", kEnglishOption = "units_1";
inline constexpr auto kSonicOnlyOption = "SynthImped_0", kSonicDensityOption = "SynthImped_1";
inline constexpr auto kGardner = "gardner", kPerFoot = "Check1";
inline constexpr auto kApplySurvey = "applyvelsurv";
inline constexpr auto kRate2ms = "SampleRate_0", kRate1ms = "SampleRate_1";
inline constexpr auto kRateHalfMs = "SampleRate_2";
}  // namespace synthetic_information

namespace well_datum {
inline constexpr auto kDialog = "Form4";
inline constexpr auto kWellName = "Text1_0", kCounty = "Text1_1", kState = "Text1_2";
inline constexpr auto kSection = "Text1_3", kTownship = "Text1_4", kUwi = "Text1_6";
inline constexpr auto kKb = "Text1_7", kGl = "Text1_8";
inline constexpr auto kDatumElevation = "Text1_9", kDatumVelocity = "Text1_10";
inline constexpr auto kKbCaption = "Caption_7", kSecondLocationCaption = "LocationCaption_2";
inline constexpr auto kGeneralOption = "locationtype_0", kTownshipRangeOption = "locationtype_1";
inline constexpr auto kStartOfLogOption = "DatumType_0";
}  // namespace well_datum

namespace wavelet {
inline constexpr auto kDialog = "Form3", kCalculate = "Command1", kDone = "Command2";
inline constexpr auto kLowCut = "Text1", kLowPass = "Text2", kHighPass = "Text3";
inline constexpr auto kHighCut = "Text4", kPhase = "Text5", kLength = "Combo1";
inline constexpr auto kPreview = "Picture2";
}  // namespace wavelet

namespace scales {
inline constexpr auto kDialog = "Form2", kTimeScale = "Text1", kTracesPerUnit = "Text2";
inline constexpr auto kAmplitude = "Text3", kTraceCount = "Text4", kAgcWindow = "Combo1";
inline constexpr auto kSubsea = "Dtype_2";
}  // namespace scales

// The table dialogs: Define Horizons and Velocity Survey, rows Text1_i and Text2_i.
namespace horizons {
inline constexpr auto kDialog = "Form5";
}
namespace survey {
inline constexpr auto kDatumElevation = "Text3", kKb = "Text4";
}

namespace las {
inline constexpr auto kCurveFrame = "Frame1", kCurves = "List1";
inline constexpr auto kStartDepth = "Text1", kStopDepth = "Text2", kScroll = "VScroll1";
}  // namespace las

}  // namespace tessarin::test
