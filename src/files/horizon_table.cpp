#include "files/horizon_table.h"

#include "files/open_project.h"
#include "model/error.h"
#include "model/numeric.h"

namespace tessarin {
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

DepthCheck CheckHorizonDepth(const Project& project, const std::string& depthText) {
    if (depthText.empty()) {
        return DepthCheck::kAccepted;
    }
    const auto depth = ParseNumber(depthText);
    if (!depth) {
        return DepthCheck::kNotANumber;
    }
    if (project.lastSampleIndex < 1) {
        return DepthCheck::kAccepted;
    }
    const auto d = static_cast<float>(*depth);
    const auto top = static_cast<float>(LogDepth(project, 0));
    const auto bottom = static_cast<float>(LogDepth(project, project.lastSampleIndex));
    return d < top || d > bottom ? DepthCheck::kOutsideLog : DepthCheck::kAccepted;
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
