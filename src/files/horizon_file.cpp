#include "files/horizon_file.h"

#include <fstream>
#include <sstream>

#include "files/horizon_table.h"
#include "files/open_project.h"
#include "files/replace_file.h"
#include "model/error.h"
#include "model/numeric.h"
#include "model/text_io.h"
#include "model/user_file.h"

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

// A horizon file's failure: the program's message, led by the file's name (when known) and
// followed by the cause.
[[noreturn]] void Refuse(const std::string& name, const std::string& cause) {
    throw Error(FileFailure(name, kBadHorizonFileMessage, cause));
}

// The next line without its line end, or nothing at the end of the file. A line longer than any
// horizon line is refused as it is read, so that a file without line ends is never held whole.
std::optional<std::string> NextLine(std::istream& in, int number, const std::string& name) {
    std::string line;
    for (int c = in.get(); c != '\n'; c = in.get()) {
        if (c == std::char_traits<char>::eof()) {
            if (in.bad()) {
                Refuse(name, "it cannot be read past line " + std::to_string(number - 1));
            }
            return line.empty() ? std::nullopt : std::optional(line);
        }
        if (line.size() == kLongestTextLine) {
            Refuse(name, "line " + std::to_string(number) + " is longer than " +
                             std::to_string(kLongestTextLine) + " characters");
        }
        line += static_cast<char>(c);
    }
    if (line.ends_with('\r')) {
        line.pop_back();
    }
    return line;
}

// A line: the leading number, ended by a blank or a comma, then the blanks (and one comma) after
// it, then the name to the end of the line.
HorizonLine ParseHorizonLine(const std::string& line, int number, const std::string& name) {
    std::size_t i = 0;
    while (i < line.size() && IsBlank(line[i])) {
        ++i;
    }
    const std::size_t numberStart = i;
    while (i < line.size() && !IsBlank(line[i]) && line[i] != ',') {
        ++i;
    }
    const std::string field = line.substr(numberStart, i - numberStart);
    const auto depth = ParseNumber(field);
    if (!depth) {
        Refuse(name, "line " + std::to_string(number) + " holds \"" + field +
                         "\" where a depth should be");
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
std::vector<HorizonEntry> ReadHorizonLines(Project& project, std::istream& in,
                                           const std::string& name) {
    std::vector<HorizonEntry> left;
    int number = 0;
    while (const auto line = NextLine(in, ++number, name)) {
        if (line->find_first_not_of(" \t") == std::string::npos) {
            continue;
        }
        const HorizonLine horizon = ParseHorizonLine(*line, number, name);
        if (LiesOutsideLog(project, horizon.depth)) {
            left.push_back({horizon.name, Value(horizon.depth)});
            continue;
        }
        if (project.horizonCount - 2 >= kMaxFileHorizons) {
            Refuse(name, "it holds more than " + std::to_string(kMaxFileHorizons) +
                             " horizons within the log");
        }
        const int k = ++project.horizonCount;
        project.horizonDepths[k] = Value(horizon.depth);
        project.horizonNames[k] = horizon.name;
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

std::vector<HorizonEntry> ReadHorizonFile(Project& project, std::istream& in,
                                          const std::string& fileName) {
    StartTableWithLogEnds(project);
    try {
        return ReadHorizonLines(project, in, fileName);
    } catch (const Error&) {
        ClearHorizonTable(project);
        throw;
    }
}

std::vector<HorizonEntry> OpenHorizonFile(Project& project, const std::string& path) {
    project.horizonFileName = path;
    std::optional<std::string> problem = UnreadableFileProblem(path);
    std::ifstream in;
    if (!problem) {
        in.open(path, std::ios::binary);
        problem = in ? std::nullopt : std::optional<std::string>("cannot be opened");
    }
    if (problem) {
        ClearHorizonTable(project);
        Refuse(path, "it " + *problem);
    }
    return ReadHorizonFile(project, in, path);
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
