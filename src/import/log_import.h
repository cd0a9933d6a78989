#pragma once

// The command Import Sonic/Density Logs as one transaction: every step (the Synthetic Information
// choices, the velocity survey, the sonic import, the density import) works on a copy of the
// record, and only a completed import replaces the record. A failure or a cancel at any step
// leaves the record exactly as it was.
//
// The window runs its dialogs between the steps of a LogImport; a batch run hands every choice
// over at once to ImportLogs. Both go through the same steps.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/horizon_table.h"
#include "import/depth_log.h"
#include "import/import_progress.h"
#include "import/synthetic_information.h"
#include "import/velocity_survey.h"
#include "model/project.h"

namespace tessarin {

// One log file and, for a LAS file, what the Import LAS File dialog chose.
struct LogFileChoice {
    std::string path;
    int lasCurveIndex = 1;                        // list entry of the curve
    std::optional<std::string> lasCurveMnemonic;  // chooses the curve by its mnemonic instead
    // The depths to import, limits included: the whole file when absent. The dialog gives them
    // for a LAS file; a batch run may give them for a plain file too.
    std::optional<double> lasStartDepth;
    std::optional<double> lasStopDepth;
    // The units of a LAS file's depths, when its header names them (LasHeader::depthUnits).
    std::optional<int> lasDepthUnits;
};

// Well items the user gives, which take precedence over those of a LAS header.
struct WellOverrides {
    std::optional<std::string> wellName;
    std::optional<Value> kbElevation;
    std::optional<Value> glElevation;
};

struct ImportOptions {
    SyntheticInformationValues information;
    // With the survey applied: the survey to use; the record's own survey when absent.
    std::optional<VelocitySurvey> velocitySurvey;
    LogFileChoice sonic;    // read unless the sonic is made from the density (Gardner)
    LogFileChoice density;  // read with Sonic - Density impedance
    WellOverrides wellOverrides;
};

// The project file named after a log file: "well.dt" and "well.las" give "well.tsp"; a name with
// an extension of another length is kept as it is.
std::string ProjectFileNameFor(std::string_view logPath);

class LogImport {
public:
    explicit LogImport(const Project& project);

    // The copy the steps work on; dialogs shown between the steps may edit it.
    Project& Working() { return working_; }

    void SetSyntheticInformation(const SyntheticInformationValues& choices);
    void SetVelocitySurvey(const VelocitySurvey& survey);
    void SetWellOverrides(const WellOverrides& overrides);

    // The import routines: read, order, convert units, convert to time. They throw ImportError
    // (or another Error) on failure; the copy is then of no further use.
    void ImportSonic(const LogFileChoice& file, ImportProgress& progress);
    void ImportDensity(const LogFileChoice& file, ImportProgress& progress);

    // The end of a completed import: the synthetic and wavelet are cleared, the horizon table is
    // rebuilt, a "Start of Log" datum follows the log, and the record takes the copy. Returns the
    // horizons left out below the new log's end, for the user to be told.
    std::vector<HorizonEntry> Commit(Project& project);

private:
    DepthLog ReadInOrder(const LogFileChoice& file, ImportProgress& progress);
    void ApplyOverrides();

    Project working_;
    WellOverrides overrides_;
    bool curvePerFoot_ = false;  // the LAS curve last read names a unit per foot
};

// The whole command with every choice given. Throws on failure, the record unchanged. Returns
// the horizons left out, as Commit does.
std::vector<HorizonEntry> ImportLogs(Project& project, const ImportOptions& options,
                                     ImportProgress& progress);

// The horizon table after an import: the entries with a depth, compacted from entry 1 and sorted
// by depth, without those whose depth (its integer part) lies below the end of the log. Returns
// those left out, in depth order: a shorter log must not lose tops without a word.
std::vector<HorizonEntry> RebuildHorizonTable(Project& project);

}  // namespace tessarin
