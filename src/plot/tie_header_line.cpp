#include <cmath>

#include "model/numeric.h"
#include "plot/tie_display.h"

namespace tessarin {
namespace {

// The file's name without its folder (Windows folders too: a project travels).
std::string FileName(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string TraceText(const SeismicSource& s) {
    const std::string lines =
        "  IL " + std::to_string(s.inlineNumber) + "  XL " + std::to_string(s.crosslineNumber);
    switch (s.choice) {
        case TraceChoice::kLines:
            return lines;
        case TraceChoice::kNumber:
            return "  trace " + std::to_string(s.traceNumber);
        case TraceChoice::kNearest:
            return lines + ", " + FormatPattern(s.distance, "0.0") + " from the well";
        case TraceChoice::kInterpolated:
            return "  IL " + FormatPattern(s.inlinePosition, "0.00") + "  XL " +
                   FormatPattern(s.crosslinePosition, "0.00") + ", blended at the well";
        case TraceChoice::kTextFile:
            break;
    }
    return "";
}

std::string Figures(const TieDisplay& tie) {
    if (!tie.failure.empty()) {
        const std::string& reason = tie.failure;
        return reason.back() == '.' ? reason.substr(0, reason.size() - 1) : reason;
    }
    if (!tie.window || std::isnan(tie.best.r) || std::isnan(tie.best.lag)) {
        return "no correlation found";
    }
    std::string lag = FormatPattern(tie.best.lag * 1000.0, "0.0");
    if (lag.front() != '-') {
        lag.insert(0, "+");
    }
    return "r = " + FormatPattern(tie.best.r, "0.00") + " at " + lag + " ms, window " +
           FormatPattern(tie.window->start, "0.000") + "\u2013" +
           FormatPattern(tie.window->end, "0.000") + " s";
}

// "   stretched: 12 knees, largest shift +18.4 ms", or nothing for a synthetic not stretched.
std::string StretchText(const std::vector<StretchKnee>& knees) {
    if (knees.empty()) {
        return "";
    }
    double largest = 0;
    for (const StretchKnee& knee : knees) {
        largest = std::fabs(knee.Shift()) > std::fabs(largest) ? knee.Shift() : largest;
    }
    std::string shift = FormatPattern(largest * 1000.0, "0.0");
    if (shift.front() != '-') {
        shift.insert(0, "+");
    }
    const std::string count =
        knees.size() == 1 ? "1 knee" : std::to_string(knees.size()) + " knees";
    return "   stretched: " + count + ", largest shift " + shift + " ms";
}

}  // namespace

std::string TieHeaderLine(const Project& project, const TieDisplay& tie) {
    if (!project.tie) {
        return "";
    }
    const SeismicSource& source = project.tie->source;
    return "Seismic: " + FileName(source.path) + TraceText(source) + "   " + Figures(tie) +
           StretchText(project.tie->knees);
}

}  // namespace tessarin
