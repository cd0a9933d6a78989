#include "files/horizon_file.h"

#include <fstream>
#include <sstream>

#include "files/horizon_table.h"
#include "files/open_project.h"
#include "files/replace_file.h"
#include "model/error.h"
#include "model/numeric.h"
#include "model/text_io.h"

namespace tessarin {
namespace {

// Entries 3 to 21 could hold horizons, but the dialog shows only 20 rows, two of them the log
// ends.
constexpr int kMaxFileHorizons = kHorizonRows - 2;

struct HorizonLine {
    double depth = 0.0;
    std::string name;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// A line: the leading number, ended by a blank or a comma, then the blanks (and one comma) after
// it, then the name to the end of the line.
HorizonLine ParseHorizonLine(const std::string& line) {
    std::size_t i = 0;
    while (i < line.size() && IsBlank(line[i])) {
        ++i;
    }
    const std::size_t numberStart = i;
    while (i < line.size() && !IsBlank(line[i]) && line[i] != ',') {
        ++i;
    }
    const auto depth = ParseNumber(std::string_view(line).substr(numberStart, i - numberStart));
    if (!depth) {
        throw Error(kBadHorizonFileMessage);
    }
    while (i < line.size() && IsBlank(line[i])) {
        ++i;
    }
    if (i < line.size() && line[i] == ',') {
        ++i;
    }
    return {*depth, line.substr(i)};
}

void ReadHorizonLines(Project& project, std::istream& in) {
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.find_first_not_of(" \t") == std::string::npos) {
            continue;
        }
        if (project.horizonCount - 2 >= kMaxFileHorizons) {
            throw Error(kBadHorizonFileMessage);
        }
        const HorizonLine horizon = ParseHorizonLine(line);
        const int k = ++project.horizonCount;
        project.horizonDepths[k] = Value(horizon.depth);
        project.horizonNames[k] = horizon.name;
    }
    if (in.bad()) {
        throw Error(kBadHorizonFileMessage);
    }
}

}  // namespace

void WriteHorizonFile(const Project& project, std::ostream& out) {
    PrintWriter writer(out);
    for (int k = 2; k < project.horizonCount; ++k) {
        writer.Text(FormatPattern(project.horizonDepths[k].Number(), "####0"))
            .NextZone()
            .Text(project.horizonNames[k])
            .EndLine();
    }
}

void SaveHorizonFile(const Project& project, const std::string& path) {
    std::ostringstream content;
    WriteHorizonFile(project, content);
    ReplaceFileContent(path, content.str());
}

void ReadHorizonFile(Project& project, std::istream& in) {
    StartTableWithLogEnds(project);
    try {
        ReadHorizonLines(project, in);
    } catch (const Error&) {
        ClearHorizonTable(project);
        throw;
    }
}

void OpenHorizonFile(Project& project, const std::string& path) {
    project.horizonFileName = path;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        ClearHorizonTable(project);
        throw Error(kBadHorizonFileMessage);
    }
    ReadHorizonFile(project, in);
}

void LoadHorizonFile(Project& project, const std::string& path) {
    OpenHorizonFile(project, path);
    SortHorizonsByDepth(project);
}

std::string ProposedHorizonFileName(const Project& project) {
    const std::string& name = project.projectFileName;
    return name.substr(0, name.size() >= 3 ? name.size() - 3 : 0) + "hor";
}

}  // namespace tessarin
