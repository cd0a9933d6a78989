#include "files/horizon_table.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "files/open_project.h"
#include "model/error.h"
#include "model/numeric.h"

namespace tessarin {

void ApplyHorizonValues(Project& project, const HorizonValues& values) {
    project.horizonCount = values.count;
    project.horizonNames = values.names;
    project.horizonDepths = values.depths;
    project.horizonFileName = values.fileName;
}
namespace {

double LogDepth(const Project& project, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= project.timeDepth.size()) {
        return 0.0;
    }
    return project.timeDepth[static_cast<std::size_t>(index)];
}

}  // namespace

HorizonRows RowsFromHorizonTable(const Project& project) {
    HorizonRows rows;
    for (int i = 0; i < kHorizonRows; ++i) {
        rows[i] = {project.horizonNames[i + 1], project.horizonDepths[i + 1].ToText()};
    }
    return rows;
}

bool LiesOutsideLog(const Project& project, double depth, double tolerance) {
    if (project.lastSampleIndex < 1) {
        return false;
    }
    const auto d = static_cast<float>(depth);
    const auto top = static_cast<float>(LogDepth(project, 0));
    const auto bottom = static_cast<float>(LogDepth(project, project.lastSampleIndex));
    const auto margin = static_cast<float>(tolerance);
    return d < top - margin || d > bottom + margin;
}

DepthCheck CheckHorizonDepth(const Project& project, const std::string& depthText) {
    if (depthText.empty()) {
        return DepthCheck::kAccepted;
    }
    const auto depth = ParseNumber(depthText);
    if (!depth) {
        return DepthCheck::kNotANumber;
    }
    return LiesOutsideLog(project, *depth) ? DepthCheck::kOutsideLog : DepthCheck::kAccepted;
}

std::vector<HorizonEntry> LeaveOutHorizonsOutsideLog(Project& project, double tolerance) {
    std::vector<HorizonEntry> left;
    std::array<std::string, kTableSize> names;
    std::array<Value, kTableSize> depths;
    int kept = 0;
    const int count = std::clamp(project.horizonCount, 0, kTableSize - 1);
    for (int k = 1; k <= count; ++k) {
        const std::string& name = project.horizonNames[k];
        const Value& depth = project.horizonDepths[k];
        // A depth that is no number is not judged here: the recompute names it.
        const std::optional<double> number =
            depth.IsText() ? ParseNumber(depth.ToText()) : std::optional(depth.Number());
        const bool logEnd = name == kStartOfLogName || name == kEndOfLogName;
        if (!logEnd && number && LiesOutsideLog(project, *number, tolerance)) {
            left.push_back({name, depth});
            continue;
        }
        ++kept;
        names[kept] = name;
        depths[kept] = depth;
    }
    if (!left.empty()) {
        project.horizonNames = names;
        project.horizonDepths = depths;
        project.horizonCount = kept;
    }
    return left;
}

namespace {

// To the hundredth: a log's ends come from the time samples and carry a dozen decimals that
// tell the user nothing.
std::string LogRangeText(const Project& project, const std::string& unit) {
    const auto shown = [](double depth) { return PlainNumber(std::round(depth * 100.0) / 100.0); };
    return "(" + shown(LogDepth(project, 0)) + " to " +
           shown(LogDepth(project, project.lastSampleIndex)) + unit + ")";
}

}  // namespace

std::string DepthOutsideLogMessage(const Project& project, const std::string& depthText) {
    const std::string unit = project.measurementUnits == kMetric ? " m" : " ft";
    return "The depth " + depthText + " lies outside the log " + LogRangeText(project, unit) + ".";
}

std::string HorizonsLeftOutMessage(const Project& project, const std::vector<HorizonEntry>& left) {
    if (left.empty()) {
        return {};
    }
    const std::string unit = project.measurementUnits == kMetric ? " m" : " ft";
    const auto depthText = [&](const Value& depth) { return depth.ToText() + unit; };
    std::string named;
    for (const HorizonEntry& entry : left) {
        named += (named.empty() ? "\"" : ", \"") + entry.name + "\" at " + depthText(entry.depth);
    }
    const std::string range = LogRangeText(project, unit);
    if (left.size() == 1) {
        return "The horizon " + named + " lies outside the log " + range + " and was left out.";
    }
    return std::to_string(left.size()) + " horizons lie outside the log " + range +
           " and were left out: " + named + ".";
}

void BuildHorizonTable(Project& project, const HorizonRows& rows) {
    // Every depth is read before the table changes, so a refused row changes nothing.
    std::array<std::string, kTableSize> names;
    std::array<Value, kTableSize> depths;
    int count = 0;
    for (int i = 0; i < kHorizonRows; ++i) {
        const HorizonRow& row = rows[i];
        if (row.depth.empty()) {
            continue;
        }
        const auto depth = ParseNumber(row.depth);
        if (!depth) {
            throw Error("The depth \"" + row.depth + "\" in row " + std::to_string(i + 1) +
                        " is not a number.");
        }
        ++count;
        names[count] = row.name;
        depths[count] = Value(*depth);
    }
    project.horizonNames = names;
    project.horizonDepths = depths;
    project.horizonCount = count;
    SortHorizonsByDepth(project);
}

void StartTableWithLogEnds(Project& project) {
    ClearHorizonTable(project);
    project.horizonNames[1] = kStartOfLogName;
    project.horizonDepths[1] = Value(LogDepth(project, 0));
    project.horizonNames[2] = kEndOfLogName;
    project.horizonDepths[2] = Value(LogDepth(project, project.lastSampleIndex));
    project.horizonCount = 2;
}

void ClearHorizonTable(Project& project) {
    project.horizonCount = 0;
    project.horizonNames = {};
    project.horizonDepths = {};
}

}  // namespace tessarin
