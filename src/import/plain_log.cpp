#include "import/plain_log.h"

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <vector>

#include "import/file_bytes.h"
#include "import/import_error.h"
#include "import/las_text.h"
#include "model/numeric.h"

namespace tessarin {
namespace {

bool IsSeparator(char c) {
    return c == ' ' || c == '\t' || c == ',' || c == '\r';
}

// Walks the numbers of the text, one field at a time.
class NumberStream {
public:
    NumberStream(std::string_view text, const std::string& path) : text_(text), path_(path) {}

    // Skips the first non-empty line when it is a title.
    void SkipTitle() {
        std::size_t start = text_.find_first_not_of(" \t\r\n,");
        if (start == std::string_view::npos) {
            return;
        }
        start = text_.rfind('\n', start);
        start = start == std::string_view::npos ? 0 : start + 1;
        const std::size_t end = std::min(text_.find('\n', start), text_.size());
        NumberStream line(text_.substr(start, end - start), path_);
        while (const auto field = line.NextField()) {
            if (!las::DataNumber(*field)) {
                position_ = end;
                line_ = 1 + static_cast<int>(std::count(
                                text_.begin(), text_.begin() + static_cast<long>(start), '\n'));
                return;
            }
        }
    }

    // The next number, or nothing at the end of the text.
    std::optional<double> Next() {
        const auto field = NextField();
        if (!field) {
            return std::nullopt;
        }
        const auto number = las::DataNumber(*field);
        if (!number) {
            throw ImportError("The file \"" + path_ + "\" holds \"" + std::string(*field) +
                                  "\" on line " + std::to_string(line_) +
                                  " where a number should be.",
                              "");
        }
        return number;
    }

    double Fraction() const {
        return text_.empty() ? 1.0 : static_cast<double>(position_) / text_.size();
    }

private:
    std::optional<std::string_view> NextField() {
        while (position_ < text_.size() &&
               (IsSeparator(text_[position_]) || text_[position_] == '\n')) {
            line_ += text_[position_] == '\n' ? 1 : 0;
            ++position_;
        }
        if (position_ >= text_.size()) {
            return std::nullopt;
        }
        const std::size_t begin = position_;
        while (position_ < text_.size() && !IsSeparator(text_[position_]) &&
               text_[position_] != '\n') {
            ++position_;
        }
        return text_.substr(begin, position_ - begin);
    }

    std::string_view text_;
    const std::string& path_;
    std::size_t position_ = 0;
    int line_ = 1;
};

struct Pair {
    double depth;
    double value;
};

std::vector<Pair> ReadPairs(NumberStream& numbers, ImportProgress& progress) {
    std::vector<Pair> pairs;
    for (;;) {
        const auto depth = numbers.Next();
        const auto value = depth ? numbers.Next() : std::nullopt;
        if (!value) {
            return pairs;  // a last depth without its value is dropped
        }
        pairs.push_back({*depth, *value});
        progress.Advance(numbers.Fraction());
    }
}

// Merges the pairs two by two: each merged pair lies at the shallower of its two depths and holds
// the average of the two values weighted by the depth intervals they stand for. A last pair with
// no pair after it keeps its value; a lone last pair stays as it is.
DepthLog MergePairs(const std::vector<Pair>& pairs, const std::string& path) {
    DepthLog log;
    for (std::size_t k = 0; k < pairs.size(); k += 2) {
        const Pair& p0 = pairs[k];
        if (k + 1 == pairs.size()) {
            log.Add(p0.depth, p0.value);
            break;
        }
        const Pair& p1 = pairs[k + 1];
        const Pair& p2 = k + 2 < pairs.size() ? pairs[k + 2] : p1;
        if (p2.depth == p0.depth) {
            throw ImportError("The file \"" + path + "\" repeats the depth " +
                                  PlainNumber(p0.depth) + ", so its pairs cannot be merged.",
                              "");
        }
        const double value = (p0.value * (p1.depth - p0.depth) + p1.value * (p2.depth - p1.depth)) /
                             (p2.depth - p0.depth);
        log.Add(std::min(p0.depth, p1.depth), value);
    }
    return log;
}

// Every line that holds something other than separators holds a number (or a field that is
// none, which fails the file anyway), the title line aside. Beyond this many such lines the pairs
// are more than a log holds even merged two by two: 2 x (2 x kMostLogPairs + 1) numbers.
constexpr long kMostLinesOfNumbers = 4L * kMostLogPairs + 2 + 1;

// The whole text of a plain log file, read a block at a time. A file that is certain to hold too
// many pairs is refused as soon as that is certain, instead of being read whole first: a file of
// twenty million lines took seconds and close to a gigabyte before it was refused.
std::string ReadLogText(const std::string& path) {
    std::ifstream in = OpenFileBytes(path);
    std::string text;
    std::vector<char> block(64 * 1024);
    long lines = 0;
    bool numberOnLine = false;
    for (;;) {
        errno = 0;
        in.read(block.data(), static_cast<std::streamsize>(block.size()));
        const auto got = static_cast<std::size_t>(in.gcount());
        if (in.bad()) {
            ThrowCannotBeRead(path);
        }
        for (std::size_t i = 0; i < got; ++i) {
            const char c = block[i];
            if (c == '\n') {
                lines += numberOnLine ? 1 : 0;
                numberOnLine = false;
            } else if (!IsSeparator(c)) {
                numberOnLine = true;
            }
        }
        if (lines + (numberOnLine ? 1 : 0) > kMostLinesOfNumbers) {
            throw ImportError(
                "The file \"" + path + "\" is too long: more than " +
                    std::to_string(kMostLinesOfNumbers) + " of its lines hold numbers, more than " +
                    std::to_string(kMostLogPairs) + " pairs even when merged two by two.",
                "");
        }
        text.append(block.data(), got);
        if (got < block.size()) {
            return text;
        }
    }
}

// The fields of the first two lines that hold any, each line's fields counted.
std::vector<std::vector<std::string_view>> FirstLinesFields(std::string_view text, int count) {
    std::vector<std::vector<std::string_view>> lines;
    std::size_t start = 0;
    while (start < text.size() && static_cast<int>(lines.size()) < count) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::vector<std::string_view> fields;
        for (std::size_t i = start; i < end;) {
            const std::size_t from = i;
            while (i < end && !IsSeparator(text[i])) {
                ++i;
            }
            if (i > from) {
                fields.push_back(text.substr(from, i - from));
            }
            i += i < end ? 1 : 0;
        }
        if (!fields.empty()) {
            lines.push_back(std::move(fields));
        }
        start = end + 1;
    }
    return lines;
}

// A velocity survey file read as numbers would make a log of its datum and its points out of
// step. It is told by its first line, one number alone (the survey datum), followed by lines of
// a depth and a time; a log's first line is a title or a pair.
bool IsVelocitySurveyText(std::string_view text) {
    const auto lines = FirstLinesFields(text, 2);
    const auto numbers = [](const std::vector<std::string_view>& fields) {
        return std::all_of(fields.begin(), fields.end(),
                           [](std::string_view f) { return las::DataNumber(f).has_value(); });
    };
    return lines.size() == 2 && lines[0].size() == 1 && lines[1].size() == 2 && numbers(lines[0]) &&
           numbers(lines[1]);
}

}  // namespace

int CountTextLines(std::string_view text) {
    const auto lineFeeds = std::count(text.begin(), text.end(), '\n');
    const bool unterminated = !text.empty() && text.back() != '\n';
    return static_cast<int>(lineFeeds + (unterminated ? 1 : 0));
}

DepthLog ReadPlainLog(const std::string& path, ImportProgress& progress) {
    return ReadPlainLogText(ReadLogText(path), path, progress);
}

DepthLog ReadPlainLogText(std::string_view text, const std::string& path,
                          ImportProgress& progress) {
    if (IsVelocitySurveyText(text)) {
        throw ImportError("The file \"" + path +
                              "\" is a velocity survey, not a log: its first line holds one "
                              "number alone, the survey datum, and the next a depth and a time. "
                              "Give it as the velocity survey.",
                          "");
    }
    const int lines = CountTextLines(text);
    NumberStream numbers(text, path);
    numbers.SkipTitle();
    const std::vector<Pair> pairs = ReadPairs(numbers, progress);
    if (lines > kMostLogPairs) {
        DepthLog merged = MergePairs(pairs, path);
        if (merged.Count() > kMostLogPairs) {
            throw ImportError("The file \"" + path + "\" is too long: merged two by two, its " +
                                  std::to_string(pairs.size()) + " pairs still make more than " +
                                  std::to_string(kMostLogPairs) + ".",
                              "");
        }
        return merged;
    }
    DepthLog log;
    log.depth.reserve(pairs.size());
    log.value.reserve(pairs.size());
    for (const Pair& p : pairs) {
        log.Add(p.depth, p.value);
    }
    return log;
}

}  // namespace tessarin
