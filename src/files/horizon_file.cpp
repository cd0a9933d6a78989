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

// The horizons of the file go after the log ends; those outside the log are left out and
// returned. More than the dialog can show is a bad file.
std::vector<HorizonEntry> ReadHorizonLines(Project& project, std::istream& in) {
    std::vector<HorizonEntry> left;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.find_first_not_of(" \t") == std::string::npos) {
            continue;
        }
        const HorizonLine horizon = ParseHorizonLine(line);
        if (LiesOutsideLog(project, horizon.depth)) {
            left.push_back({horizon.name, Value(horizon.depth)});
            continue;
        }
        if (project.horizonCount - 2 >= kMaxFileHorizons) {
            throw Error(kBadHorizonFileMessage);
        }
        const int k = ++project.horizonCount;
        project.horizonDepths[k] = Value(horizon.depth);
        project.horizonNames[k] = horizon.name;
    }
    if (in.bad()) {
        throw Error(kBadHorizonFileMessage);
    }
    return left;
}

// The log's ends come back from the log itself when the file is opened; every other entry is a
// top the user entered, wherever it stands in the table (the rows of the log ends may have been
// emptied or renamed in the dialog).
bool IsLogEnd(const std::string& name) {
    return name == kStartOfLogName || name == kEndOfLogName;
}

}  // namespace

void WriteHorizonFile(const Project& project, std::ostream& out) {
    PrintWriter writer(out);
    for (int k = 1; k <= project.horizonCount; ++k) {
        if (IsLogEnd(project.horizonNames[k])) {
            continue;
        }
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

std::vector<HorizonEntry> ReadHorizonFile(Project& project, std::istream& in) {
    StartTableWithLogEnds(project);
    try {
        return ReadHorizonLines(project, in);
    } catch (const Error&) {
        ClearHorizonTable(project);
        throw;
    }
}

std::vector<HorizonEntry> OpenHorizonFile(Project& project, const std::string& path) {
    project.horizonFileName = path;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        ClearHorizonTable(project);
        throw Error(kBadHorizonFileMessage);
    }
    return ReadHorizonFile(project, in);
}

std::vector<HorizonEntry> LoadHorizonFile(Project& project, const std::string& path) {
    std::vector<HorizonEntry> left = OpenHorizonFile(project, path);
    SortHorizonsByDepth(project);
    return left;
}

std::string ProposedHorizonFileName(const Project& project) {
    const std::string& name = project.projectFileName;
    return name.substr(0, name.size() >= 3 ? name.size() - 3 : 0) + "hor";
}

}  // namespace tessarin
