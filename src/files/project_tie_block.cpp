#include "files/project_tie_block.h"

#include <cctype>
#include <limits>
#include <sstream>
#include <utility>

#include "engine/stretch.h"
#include "model/error.h"

namespace tessarin {
namespace {

using namespace block;

constexpr std::pair<TraceChoice, const char*> kChoiceWords[] = {
    {TraceChoice::kLines, "lines"},
    {TraceChoice::kNumber, "number"},
    {TraceChoice::kNearest, "nearest"},
    {TraceChoice::kTextFile, "text"},
    {TraceChoice::kInterpolated, "interpolated"},
};
constexpr std::pair<TraceCoordinates, const char*> kCoordinateWords[] = {
    {TraceCoordinates::kCdp, "cdp"},
    {TraceCoordinates::kSource, "source"},
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

void WriteSource(const SeismicSource& s, BlockText& out) {
    out.Field("file", s.path);
    out.Field("trace chosen by", WordOf(kChoiceWords, s.choice));
    if (s.IsSegy()) {
        out.Field("trace number", std::to_string(s.traceNumber));
        out.Field("inline", std::to_string(s.inlineNumber));
        out.Field("crossline", std::to_string(s.crosslineNumber));
        out.Field("inline byte", std::to_string(s.inlineByte));
        out.Field("crossline byte", std::to_string(s.crosslineByte));
        // Only when not the CDP coordinates every earlier file was read with.
        if (s.coordinates != TraceCoordinates::kCdp) {
            out.Field("coordinates", WordOf(kCoordinateWords, s.coordinates));
        }
    }
    if (s.choice == TraceChoice::kNearest || s.choice == TraceChoice::kInterpolated) {
        out.Field("well x", s.wellX);
        out.Field("well y", s.wellY);
    }
    if (s.choice == TraceChoice::kNearest) {
        out.Field("distance", s.distance);
    }
    if (s.choice == TraceChoice::kInterpolated) {
        out.Field("inline position", s.inlinePosition);
        out.Field("crossline position", s.crosslinePosition);
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
        if (f.Has("coordinates")) {
            s.coordinates = f.Word("coordinates", kCoordinateWords);
        }
    }
    if (s.choice == TraceChoice::kNearest || s.choice == TraceChoice::kInterpolated) {
        s.wellX = f.Number("well x");
        s.wellY = f.Number("well y");
    }
    if (s.choice == TraceChoice::kNearest) {
        s.distance = f.Number("distance");
    }
    if (s.choice == TraceChoice::kInterpolated) {
        s.inlinePosition = f.Number("inline position");
        s.crosslinePosition = f.Number("crossline position");
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
    long long count = 0;
    const Fields fields = ReadFields(lines, count);
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
    tie.trace.values = ReadSamples(lines, count, "the trace's", kTieBlockEnd);
    ReadBlockEnd(lines, count, "the trace's", kTieBlockEnd);
    return tie;
}

}  // namespace

std::string TieBlockText(const SeismicTie& tie) {
    BlockText out;
    out.Line(kTieBlockStart);
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
    out.Line(kTieBlockEnd);
    return std::move(out).Text();
}

TieBlockRead ReadTieBlockAfterTag(BlockLines& lines) {
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

TieBlockRead ReadTieBlock(std::istream& in) {
    BlockLines lines(in);
    std::optional<std::string> first;
    try {
        do {
            first = lines.Next();
        } while (first && Trimmed(*first).empty());
    } catch (const Damaged&) {
        return {};  // a line too long for any block: no block
    }
    if (!first || Trimmed(*first) != kTieBlockStart) {
        return {};
    }
    return ReadTieBlockAfterTag(lines);
}

}  // namespace tessarin
