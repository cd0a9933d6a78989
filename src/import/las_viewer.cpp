#include <algorithm>

#include "import/las_reader.h"
#include "import/las_text.h"

namespace tessarin {
namespace {

struct Field {
    std::size_t begin;
    std::size_t end;  // one past the last character
};

std::vector<Field> BlankSeparatedFields(std::string_view line) {
    std::vector<Field> fields;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && las::IsBlank(line[i])) {
            ++i;
        }
        const std::size_t begin = i;
        while (i < line.size() && !las::IsBlank(line[i])) {
            ++i;
        }
        if (i > begin) {
            fields.push_back({begin, i});
        }
    }
    return fields;
}

// One line of the viewer: the depth column and the chosen column, each with the blanks before it,
// so the columns stay aligned as in the file.
std::string ViewerLine(std::string_view line, int column) {
    line = line.substr(0, line.find_last_not_of(" \t") + 1);
    const std::vector<Field> fields = BlankSeparatedFields(line);
    if (fields.empty()) {
        return {};
    }
    std::string text(line.substr(0, fields[0].end));
    if (column > 0 && static_cast<std::size_t>(column) < fields.size()) {
        const std::size_t from = fields[static_cast<std::size_t>(column) - 1].end;
        text += line.substr(from, fields[static_cast<std::size_t>(column)].end - from);
    } else if (column == 0) {
        text += line.substr(0, fields[0].end);
    }
    return text;
}

}  // namespace

std::string RefreshLasViewer(const LasFile& file, const LasHeader& header, int scrollValue,
                             int curveIndex) {
    const auto record = static_cast<long long>(header.recordLength);
    // Ten lines per scroll step, counted from the byte before the end of the "~A" line: the first
    // line read finishes the line before the wanted one.
    const long long base = static_cast<long long>(header.dataOffset) - 2;
    long long position = base + 10LL * scrollValue * record;
    position = std::min(position, base + record * (header.dataLineCount - 11LL));
    position = std::max(position, std::max(base, 0LL));
    const int column = curveIndex >= 0 && curveIndex <= header.LastCurveIndex()
                           ? header.curveColumns[static_cast<std::size_t>(curveIndex)]
                           : -1;

    std::string lines;
    int shown = 0;
    try {
        LasLineReader reader(file, static_cast<std::size_t>(position));
        reader.Next();
        for (int i = 0; i < 11; ++i) {
            const std::string_view line = reader.Next().value_or("");
            const std::string text =
                las::IsComment(line) ? std::string() : ViewerLine(line, column);
            if (!text.empty()) {
                lines += text + "\n";
                ++shown;
            }
        }
    } catch (const LasReadFault&) {
        // The file can no longer be read: the viewer shows what it has.
    }
    // The label starts with an empty line, as it always has.
    return std::string(static_cast<std::size_t>(shown), ' ') + "\n" + lines;
}

}  // namespace tessarin
