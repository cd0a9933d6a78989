#include "files/project_tie_block.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <map>
#include <sstream>
#include <utility>

#include "engine/stretch.h"
#include "model/error.h"
#include "model/user_file.h"

namespace tessarin {
namespace {

constexpr const char* kBlockStart = "[Tie]";
constexpr const char* kBlockEnd = "[End Tie]";

constexpr std::pair<TraceChoice, const char*> kChoiceWords[] = {
    {TraceChoice::kLines, "lines"},
    {TraceChoice::kNumber, "number"},
    {TraceChoice::kNearest, "nearest"},
    {TraceChoice::kTextFile, "text"},
};
constexpr std::pair<TieWindowChoice::By, const char*> kWindowWords[] = {
    {TieWindowChoice::By::kOverlap, "overlap"},
    {TieWindowChoice::By::kTimes, "times"},
    {TieWindowChoice::By::kHorizons, "horizons"},
};

constexpr int kMaxInt = std::numeric_limits<int>::max();
constexpr int kMinInt = std::numeric_limits<int>::min();

// The highest header byte a 4-byte line number can start at.
constexpr int kLastLineByte = 237;

template <class Choice, std::size_t N>
const char* WordOf(const std::pair<Choice, const char*> (&words)[N], Choice choice) {
    for (const auto& [c, word] : words) {
        if (c == choice) {
            return word;
        }
    }
    return words[0].second;
}

// The shortest text that reads back as the same double.
std::string Number(double x) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, x).ptr;
    return std::string(text, end);
}

class BlockText {
public:
    void Line(const std::string& line) { text_ += line + "\r\n"; }
    void Field(const std::string& name, const std::string& value) { Line(name + " = " + value); }
    void Field(const std::string& name, double value) { Field(name, Number(value)); }
    std::string Text() && { return std::move(text_); }

private:
    std::string text_;
};

void WriteSource(const SeismicSource& s, BlockText& out) {
    out.Field("file", s.path);
    out.Field("trace chosen by", WordOf(kChoiceWords, s.choice));
    if (s.IsSegy()) {
        out.Field("trace number", std::to_string(s.traceNumber));
        out.Field("inline", std::to_string(s.inlineNumber));
        out.Field("crossline", std::to_string(s.crosslineNumber));
        out.Field("inline byte", std::to_string(s.inlineByte));
        out.Field("crossline byte", std::to_string(s.crosslineByte));
    }
    if (s.choice == TraceChoice::kNearest) {
        out.Field("well x", s.wellX);
        out.Field("well y", s.wellY);
        out.Field("distance", s.distance);
    }
}

void WriteWindow(const TieWindowChoice& w, BlockText& out) {
    out.Field("window", WordOf(kWindowWords, w.by));
    if (w.by == TieWindowChoice::By::kTimes) {
        out.Field("window start (s)", w.start);
        out.Field("window end (s)", w.end);
    }
    if (w.by == TieWindowChoice::By::kHorizons) {
        out.Field("upper horizon", w.upperHorizon);
        out.Field("lower horizon", w.lowerHorizon);
    }
}

// The stretch on a line of its own: "knees (s) = T1 NEW1; T2 NEW2; ...", each knee its time on
// the synthetic and the time it moves to. A reader that knows no stretch skips the line.
constexpr const char* kKneesName = "knees (s)";

std::string KneesText(const std::vector<StretchKnee>& knees) {
    std::string text;
    for (const StretchKnee& knee : knees) {
        text +=
            (text.empty() ? "" : "; ") + Number(knee.syntheticTime) + " " + Number(knee.newTime);
    }
    return text;
}

// Why the block cannot be read; thrown inside this file only.
struct Damaged {
    std::string reason;
};

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    return first == std::string::npos
               ? std::string()
               : text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

class BlockLines {
public:
    explicit BlockLines(std::istream& in) : in_(in) {}

    // The next line without its line end; nothing at the end of the file. A line longer than
    // any the block holds ends the reading, so that a damaged file cannot fill the memory.
    std::optional<std::string> Next() {
        std::string line;
        bool any = false;
        for (char c; in_.get(c) && c != '\n';) {
            if (line.size() == kLongestTextLine) {
                throw Damaged{"a line is longer than " + std::to_string(kLongestTextLine) +
                              " characters"};
            }
            line += c;
            any = true;
        }
        if (!any && !in_) {
            return std::nullopt;
        }
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        return line;
    }

    std::string Required(const std::string& whereItEnds) {
        std::optional<std::string> line = Next();
        if (!line) {
            throw Damaged{"the file ends " + whereItEnds};
        }
        return *line;
    }

private:
    std::istream& in_;
};

// " from 1 to 237", " of at least 1", or nothing for any whole number.
std::string RangeText(long long lowest, long long highest) {
    if (highest != std::numeric_limits<long long>::max() && highest != kMaxInt) {
        return " from " + std::to_string(lowest) + " to " + std::to_string(highest);
    }
    return lowest > kMinInt ? " of at least " + std::to_string(lowest) : std::string();
}

// The "name = value" lines of the block before its samples.
class Fields {
public:
    void Add(const std::string& name, std::string value) { values_[name] = std::move(value); }

    const std::string& Text(const std::string& name) const {
        const auto found = values_.find(name);
        if (found == values_.end()) {
            throw Damaged{"it has no " + Quoted(name) + " line"};
        }
        return found->second;
    }

    bool Has(const std::string& name) const { return values_.count(name) != 0; }

    double Number(const std::string& name) const { return ParsedNumber(name, Text(name)); }

    long long Whole(const std::string& name, long long lowest, long long highest) const {
        const std::string text = Trimmed(Text(name));
        long long value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc() || end != text.data() + text.size() || text.empty() ||
            value < lowest || value > highest) {
            throw Damaged{"its " + name + " " + Quoted(text) + " is not a whole number" +
                          RangeText(lowest, highest)};
        }
        return value;
    }

    template <class Choice, std::size_t N>
    Choice Word(const std::string& name, const std::pair<Choice, const char*> (&words)[N]) const {
        const std::string text = Trimmed(Text(name));
        for (const auto& [choice, word] : words) {
            if (text == word) {
                return choice;
            }
        }
        throw Damaged{"its " + name + " " + Quoted(text) + " is none of the words it may be"};
    }

    static double ParsedNumber(const std::string& name, const std::string& given) {
        const std::string text = Trimmed(given);
        double value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc() || end != text.data() + text.size() || text.empty() ||
            !std::isfinite(value)) {
            throw Damaged{"its " + name + " " + Quoted(text) + " is not a number"};
        }
        return value;
    }

private:
    std::map<std::string, std::string> values_;
};

SeismicSource ReadSource(const Fields& f) {
    SeismicSource s;
    s.path = f.Text("file");
    s.choice = f.Word("trace chosen by", kChoiceWords);
    if (s.IsSegy()) {
        s.traceNumber = f.Whole("trace number", 1, std::numeric_limits<long long>::max());
        s.inlineNumber = static_cast<int>(f.Whole("inline", kMinInt, kMaxInt));
        s.crosslineNumber = static_cast<int>(f.Whole("crossline", kMinInt, kMaxInt));
        s.inlineByte = static_cast<int>(f.Whole("inline byte", 1, kLastLineByte));
        s.crosslineByte = static_cast<int>(f.Whole("crossline byte", 1, kLastLineByte));
    }
    if (s.choice == TraceChoice::kNearest) {
        s.wellX = f.Number("well x");
        s.wellY = f.Number("well y");
        s.distance = f.Number("distance");
    }
    return s;
}

TieWindowChoice ReadWindow(const Fields& f) {
    TieWindowChoice w;
    w.by = f.Word("window", kWindowWords);
    if (w.by == TieWindowChoice::By::kTimes) {
        w.start = f.Number("window start (s)");
        w.end = f.Number("window end (s)");
        if (!(w.start < w.end)) {
            throw Damaged{"its window ends before it starts"};
        }
    }
    if (w.by == TieWindowChoice::By::kHorizons) {
        w.upperHorizon = f.Text("upper horizon");
        w.lowerHorizon = f.Text("lower horizon");
    }
    return w;
}

// The knees of a "knees (s)" line, ordered; Damaged for a line that is not pairs of numbers, or
// knees that cross.
std::vector<StretchKnee> ReadKnees(const std::string& line) {
    std::vector<StretchKnee> knees;
    std::istringstream pairs(line);
    for (std::string pair; std::getline(pairs, pair, ';');) {
        std::istringstream fields(pair);
        std::string synthetic, moved, extra;
        fields >> synthetic >> moved >> extra;
        if (moved.empty() || !extra.empty()) {
            throw Damaged{"its knee " + Quoted(Trimmed(pair)) +
                          " is not a time on the synthetic and the time it moves to"};
        }
        knees.push_back({Fields::ParsedNumber("knee time", synthetic),
                         Fields::ParsedNumber("knee time", moved)});
    }
    try {
        return OrderedKnees(std::move(knees));
    } catch (const Error& e) {
        std::string reason = e.what();
        reason[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(reason[0])));
        throw Damaged{reason.substr(0, reason.size() - 1)};
    }
}

std::vector<double> ReadSamples(BlockLines& lines, long long count) {
    std::vector<double> values;
    for (long long k = 0; k < count; ++k) {
        const std::string where =
            "after " + std::to_string(k) + " of the trace's " + std::to_string(count) + " samples";
        const std::string line = lines.Required(where);
        if (Trimmed(line) == kBlockEnd) {
            throw Damaged{"the block ends " + where};
        }
        values.push_back(Fields::ParsedNumber("sample " + std::to_string(k + 1), line));
    }
    return values;
}

// A damaged stretch costs only the stretch: the trace, its window and the bulk shift open.
std::vector<StretchKnee> ReadStretch(const Fields& fields, std::string& problem) {
    if (!fields.Has(kKneesName)) {
        return {};
    }
    try {
        return ReadKnees(fields.Text(kKneesName));
    } catch (const Damaged& damaged) {
        problem =
            "The stretch stored in the project could not be read, so the project was opened "
            "without it: " +
            damaged.reason + ".";
        return {};
    }
}

SeismicTie ReadBlock(BlockLines& lines, std::string& stretchProblem) {
    Fields fields;
    long long count = 0;
    for (;;) {
        const std::string line = lines.Required("inside the block, before its samples");
        const auto equals = line.find('=');
        if (equals == std::string::npos) {
            throw Damaged{"its line " + Quoted(line) + " is not of the form \"name = value\""};
        }
        std::string value = line.substr(equals + 1);
        if (!value.empty() && value.front() == ' ') {
            value.erase(0, 1);
        }
        fields.Add(Trimmed(line.substr(0, equals)), value);
        if (Trimmed(line.substr(0, equals)) == "samples") {
            count = fields.Whole("samples", 1, std::numeric_limits<long long>::max());
            break;
        }
    }
    SeismicTie tie;
    tie.source = ReadSource(fields);
    tie.trace.firstTime = fields.Number("first time (s)");
    tie.trace.interval = fields.Number("interval (s)");
    if (!(tie.trace.interval > 0)) {
        throw Damaged{"its sample interval is not greater than zero"};
    }
    tie.window = ReadWindow(fields);
    tie.shiftSeconds = fields.Number("shift (s)");
    tie.knees = ReadStretch(fields, stretchProblem);
    tie.trace.values = ReadSamples(lines, count);
    const std::string end =
        lines.Required("after the trace's samples, before " + std::string(kBlockEnd));
    if (Trimmed(end) != kBlockEnd) {
        throw Damaged{"after its " + std::to_string(count) + " samples it holds " + Quoted(end) +
                      " where " + kBlockEnd + " should stand"};
    }
    return tie;
}

}  // namespace

std::string TieBlockText(const SeismicTie& tie) {
    BlockText out;
    out.Line(kBlockStart);
    WriteSource(tie.source, out);
    out.Field("first time (s)", tie.trace.firstTime);
    out.Field("interval (s)", tie.trace.interval);
    WriteWindow(tie.window, out);
    out.Field("shift (s)", tie.shiftSeconds);
    if (!tie.knees.empty()) {
        out.Field(kKneesName, KneesText(tie.knees));
    }
    out.Field("samples", std::to_string(tie.trace.values.size()));
    for (const double value : tie.trace.values) {
        out.Line(Number(value));
    }
    out.Line(kBlockEnd);
    return std::move(out).Text();
}

TieBlockRead ReadTieBlock(std::istream& in) {
    BlockLines lines(in);
    std::optional<std::string> first;
    do {
        first = lines.Next();
    } while (first && Trimmed(*first).empty());
    if (!first || Trimmed(*first) != kBlockStart) {
        return {};
    }
    try {
        std::string stretchProblem;
        SeismicTie tie = ReadBlock(lines, stretchProblem);
        return {std::move(tie), std::move(stretchProblem)};
    } catch (const Damaged& damaged) {
        return {std::nullopt,
                "The seismic trace stored in the project could not be read, so the project was "
                "opened without it: " +
                    damaged.reason + "."};
    }
}

}  // namespace tessarin
