#pragma once

// The horizon table of the project: entries 1 to horizonCount, named depths sorted by depth, the
// first and last normally "start of log" and "end of log". These are the rules of the Define
// Horizons dialog, which shows the table as 20 rows of a name box and a depth box.

#include <array>
#include <string>
#include <vector>

#include "model/project.h"

namespace tessarin {

inline constexpr int kHorizonRows = 20;

// The texts of one dialog row.
struct HorizonRow {
    std::string name;
    std::string depth;

    bool operator==(const HorizonRow&) const = default;
};
using HorizonRows = std::array<HorizonRow, kHorizonRows>;

// Row i shows entry i + 1: its name, and its depth as text (empty entries give empty boxes).
HorizonRows RowsFromHorizonTable(const Project& project);

enum class DepthCheck {
    kAccepted,    // empty, or a depth within the log
    kOutsideLog,  // above the first or below the last sample: the row is emptied
    kNotANumber,  // refused: the user must correct it before the table can be built
};

// The check made when a depth box loses the focus. Depths are compared in single precision with
// timeDepth(0) and timeDepth(lastSampleIndex). Before a log is loaded (no sample after the
// first) there is nothing to compare with, and every number is accepted.
DepthCheck CheckHorizonDepth(const Project& project, const std::string& depthText);

// Why a depth typed in the dialog is refused for lying outside the log, with the log's range:
// "The depth 2500 lies outside the log (1000 to 2000 ft)."
std::string DepthOutsideLogMessage(const Project& project, const std::string& depthText);

// Builds the table from the rows, as OK and Save File do: rows with an empty depth box are
// skipped whatever their name, the others become entries 1 upward (a missing name stays empty),
// and the entries are sorted by depth. Throws Error naming the row when a depth is not a number;
// the table is then left as it was.
void BuildHorizonTable(Project& project, const HorizonRows& rows);

// What Define Horizons hands back on OK: the table, sorted by depth, and the horizon file last
// opened or saved.
struct HorizonValues {
    int count = 0;  // entries 1 to count
    std::array<std::string, kTableSize> names;
    std::array<Value, kTableSize> depths;
    std::string fileName;
};

// The record takes the table and the horizon file name (nothing else).
void ApplyHorizonValues(Project& project, const HorizonValues& values);

// A horizon as a name and a depth, as a loaded table reports the ones it left out.
struct HorizonEntry {
    std::string name;
    Value depth;

    bool operator==(const HorizonEntry&) const = default;
};

// Whether a depth lies above the first or below the last sample of the log by more than
// `tolerance`, compared in single precision as the depth check does. Before a log is loaded
// nothing lies outside.
bool LiesOutsideLog(const Project& project, double depth, double tolerance = 0.0);

// Leaves out of the table the user's horizons that lie outside the log, keeping the order of the
// others, and returns them in table order. The "start of log" and "end of log" entries stay:
// their depths follow the log. Used when a table is loaded from a file, where a tops list
// usually reaches above and below the logged interval. A depth within `tolerance` of the log's
// ends is kept.
std::vector<HorizonEntry> LeaveOutHorizonsOutsideLog(Project& project, double tolerance = 0.0);

// What to tell the user about horizons left out: their names and depths, and the log's depth
// range. Empty when none were left out.
std::string HorizonsLeftOutMessage(const Project& project, const std::vector<HorizonEntry>& left);

// A table of the log's two ends only: "start of log" at timeDepth(0) and "end of log" at
// timeDepth(lastSampleIndex), horizonCount 2, every other entry empty.
void StartTableWithLogEnds(Project& project);

// Empties every entry and sets horizonCount to 0.
void ClearHorizonTable(Project& project);

}  // namespace tessarin
