#include "files/column_text.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

#include "model/numeric.h"
#include "model/user_file.h"

namespace tessarin {

std::vector<ColumnLine> ColumnLines(std::string_view text) {
    std::vector<ColumnLine> lines;
    int number = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++number;
        const std::size_t first = line.find_first_not_of(" \t\r");
        if (first != std::string_view::npos && line[first] != '#') {
            lines.push_back({number, line});
        }
    }
    return lines;
}

std::optional<std::vector<double>> LineNumbers(std::string_view line) {
    std::vector<double> numbers;
    for (std::size_t start = 0; start < line.size();) {
        const std::size_t end = std::min(line.find_first_of(" \t,\r", start), line.size());
        if (end > start) {
            const auto x = ParseNumber(line.substr(start, end - start));
            if (!x || !std::isfinite(*x)) {
                return std::nullopt;
            }
            numbers.push_back(*x);
        }
        start = end + 1;
    }
    return numbers;
}

ReadResult<std::string> ReadWholeFile(const std::string& path) {
    if (const auto problem = UnreadableFileProblem(path)) {
        return ReadResult<std::string>::Failure(UnreadableFileMessage(path, *problem));
    }
    std::ifstream in(path, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in && !in.eof()) {
        return ReadResult<std::string>::Failure("The file \"" + path + "\" cannot be read.");
    }
    return ReadResult<std::string>::Of(std::move(text));
}

}  // namespace tessarin
