#include "cli/tie_report.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <iomanip>
#include <vector>

#include "cli/json_writer.h"
#include "cli/report_text.h"
#include "cli/tie_search_report.h"
#include "engine/stretch.h"
#include "files/seismic_trace_load.h"
#include "model/numeric.h"

namespace tessarin::cli {
namespace {

std::string Seconds(double seconds) {
    return Fixed(seconds, 3);
}

std::string WindowText(const TieReport& r) {
    const TieWindowChoice& w = r.tie->window;
    const std::string times =
        Seconds(r.measures.window.start) + " to " + Seconds(r.measures.window.end) + " s";
    switch (w.by) {
        case TieWindowChoice::By::kTimes:
            return times + " (given " + Seconds(w.start) + " to " + Seconds(w.end) +
                   " s, cut to the samples of both traces)";
        case TieWindowChoice::By::kHorizons:
            return times + ", from \"" + w.upperHorizon + "\" to \"" + w.lowerHorizon + "\"";
        case TieWindowChoice::By::kOverlap:
            break;
    }
    return times + ", where the synthetic and the seismic overlap";
}

// 0.05 as "0.05", 10 as "10": a figure the user chose, as short as it is.
std::string Plain(double x) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", x);
    return text;
}

std::string StretchFrom(const StretchReport& s) {
    if (s.kneeFile) {
        return "knees from " + *s.kneeFile;
    }
    std::string knees = "knees at the horizons";
    if (!s.atHorizons) {
        knees = "a knee every " + Fixed(s.kneeSpacing * 1000.0, 0) + " ms";
        if (s.kneeSpacing != s.kneeSpacingAsked) {
            knees += " (not " + Fixed(s.kneeSpacingAsked * 1000.0, 0) +
                     ": more knees than a velocity survey holds)";
        }
    }
    return "Auto Stretch, " + knees + ", strain at most " + Plain(s.maxStrain);
}

void PrintStretchRows(const StretchReport& s, std::ostream& out) {
    Row(out, "Stretch", StretchFrom(s));
    Row(out, "Stretch r",
        Fixed(s.rBefore, 3) + " before, " + Fixed(s.rAfter, 3) + " after, at zero lag");
    Row(out, "Largest strain", Fixed(s.largestStrain, 3));
    Row(out, "Velocity",
        "interval velocities change by up to " + Fixed(s.largestVelocityChange, 1) + " % (limit " +
            Plain(s.velocityLimit) + " %)");
    if (s.applied) {
        Row(out, "Knees applied", std::to_string(s.knees.size()));
    }
    if (s.surveyWritten) {
        Row(out, "Survey written", *s.surveyWritten);
    }
}

// The knees with their shifts and the change of interval velocity over the interval above each,
// as the knees' table of the tie window lists them.
void PrintKnees(const StretchReport& s, std::ostream& out) {
    out << "\nKnees of the stretch:\n"
           "  synthetic (s)  new time (s)  shift (ms)  velocity change above (%)\n";
    const std::vector<StretchInterval> intervals = StretchIntervals(s.knees);
    for (std::size_t k = 0; k < s.knees.size(); ++k) {
        const StretchKnee& knee = s.knees[k];
        const std::string change =
            k == 0 ? "" : Fixed(intervals[k - 1].velocityChangePercent, 1, true);
        char line[96];
        std::snprintf(line, sizeof line, "  %13s  %12s  %10s  %s\n",
                      Fixed(knee.syntheticTime, 4).c_str(), Fixed(knee.newTime, 4).c_str(),
                      Fixed(knee.Shift() * 1000.0, 1, true).c_str(), change.c_str());
        out << line;
    }
}

void PrintWaveletRows(const WaveletReport& w, std::ostream& out) {
    const WaveletExtraction& e = w.extraction;
    Row(out, "Extracted",
        w.method + " wavelet, " + Seconds(e.lengthSeconds) + " s long, from " +
            Seconds(e.window.start) + " to " + Seconds(e.window.end) + " s");
    Row(out, "Constant phase",
        Fixed(e.phaseDegrees, 0, true) + " degrees, residual " + Fixed(e.phaseResidualDegrees, 0) +
            " degrees");
    Row(out, "Dominant freq", Fixed(e.dominantFrequency, 1) + " Hz");
    const std::string check = w.checkWindow ? "from " + Seconds(w.checkWindow->start) + " to " +
                                                  Seconds(w.checkWindow->end) + " s"
                                            : "in the rest of the overlap";
    Row(out, "Wavelet fit",
        "PEP " + Fixed(e.pep, 3) + ", r = " + Fixed(e.r, 3) +
            " in the window; r = " + Fixed(e.checkR, 3) + " " + check);
    if (w.source) {
        Row(out, "Wavelet now", "extracted, " + *w.source);
    }
    if (w.fileWritten) {
        Row(out, "Wavelet file", *w.fileWritten);
    }
}

}  // namespace

void PrintTieReport(const TieReport& r, std::ostream& out) {
    const SeismicTie& tie = *r.tie;
    const TieMeasures& m = r.measures;
    Row(out, "Well", r.well);
    Row(out, "Seismic", tie.source.path + ", " + SeismicTraceText(tie.source, r.measurementUnits));
    Row(out, "Samples",
        std::to_string(tie.trace.values.size()) + " from " + Seconds(tie.trace.firstTime) +
            " s every " + PlainNumber(RoundHalfEven(tie.trace.interval * 1e7) / 1e4) + " ms");
    Row(out, "Window", WindowText(r));
    Row(out, "r at zero lag", Fixed(m.zeroLagR, 3));
    Row(out, "Best lag", Ms(m.bestLag.lag) + ", r = " + Fixed(m.bestLag.r, 3));
    Row(out, "Best phase",
        Fixed(m.bestPhase.phaseDegrees, 0, true) + " degrees at " + Ms(m.bestPhase.lag) +
            ", r = " + Fixed(m.bestPhase.r, 3));
    Row(out, "PEP",
        Fixed(m.fit.pep, 3) + " at zero lag and phase, " + Fixed(m.bestFit.pep, 3) +
            " at the best phase and lag");
    Row(out, "Bulk shift",
        r.shiftAfter == r.shiftBefore ? Ms(r.shiftBefore)
                                      : Ms(r.shiftBefore) + ", now " + Ms(r.shiftAfter));
    if (r.phaseAfter) {
        Row(out, "Wavelet phase",
            Fixed(*r.phaseBefore, 0) + " degrees, now " + Fixed(*r.phaseAfter, 0) + " degrees");
    }
    if (r.search) {
        PrintSearchRows(*r.search, out);
    }
    if (r.stretch) {
        PrintStretchRows(*r.stretch, out);
    }
    if (r.wavelet) {
        PrintWaveletRows(*r.wavelet, out);
    }
    if (r.written) {
        Row(out, "Written", *r.written);
    }
    out << "\nDrift of the best lag in " << Fixed(r.driftWindow * 1000.0, 0) << " ms windows, "
        << Fixed(r.driftWindow * 250.0, 0) << " ms apart:\n  time (s)  lag (ms)      r\n";
    if (m.drift.empty()) {
        out << "  (the window is shorter than one drift window)\n";
    }
    for (const DriftPoint& p : m.drift) {
        char line[64];
        std::snprintf(line, sizeof line, "  %8s  %8s  %5s\n", Seconds(p.time).c_str(),
                      Fixed(p.lag * 1000.0, 1, true).c_str(), Fixed(p.r, 3).c_str());
        out << line;
    }
    if (r.stretch) {
        PrintKnees(*r.stretch, out);
    }
}

namespace {

const char* ChoiceWord(TraceChoice choice) {
    switch (choice) {
        case TraceChoice::kLines:
            return "lines";
        case TraceChoice::kNumber:
            return "number";
        case TraceChoice::kNearest:
            return "nearest";
        case TraceChoice::kInterpolated:
            return "interpolated";
        case TraceChoice::kTextFile:
            break;
    }
    return "text";
}

void JsonSeismic(const SeismicTie& tie, Json& json) {
    const SeismicSource& s = tie.source;
    json.Open("seismic").Text("file", s.path).Text("chosen_by", ChoiceWord(s.choice));
    if (s.IsSegy()) {
        json.Number("trace", static_cast<double>(s.traceNumber))
            .Number("inline", s.inlineNumber)
            .Number("crossline", s.crosslineNumber);
    }
    if (s.IsSegy() && s.coordinates != TraceCoordinates::kCdp) {
        json.Text("coordinates", "source");
    }
    if (s.choice == TraceChoice::kNearest) {
        json.Number("well_x", s.wellX).Number("well_y", s.wellY).Number("distance", s.distance);
    }
    if (s.choice == TraceChoice::kInterpolated) {
        json.Number("well_x", s.wellX)
            .Number("well_y", s.wellY)
            .Number("inline_position", s.inlinePosition)
            .Number("crossline_position", s.crosslinePosition);
    }
    json.Number("samples", static_cast<double>(tie.trace.values.size()))
        .Number("first_time_s", tie.trace.firstTime)
        .Number("interval_s", tie.trace.interval)
        .Close();
}

void JsonStretch(const StretchReport& s, Json& json) {
    json.Open("stretch").Text("from", s.kneeFile ? "file" : "auto").TextOrNull("file", s.kneeFile);
    if (!s.kneeFile) {
        json.Bool("knees_at_horizons", s.atHorizons).Number("max_strain", s.maxStrain);
    }
    if (s.kneeFile || s.atHorizons) {
        json.Null("knee_spacing_ms");
    } else {
        json.Number("knee_spacing_ms", s.kneeSpacing * 1000);
    }
    json.Number("r_before", s.rBefore)
        .Number("r_after", s.rAfter)
        .Number("largest_strain", s.largestStrain)
        .Number("largest_velocity_change_percent", s.largestVelocityChange)
        .Number("velocity_limit_percent", s.velocityLimit)
        .Bool("applied", s.applied)
        .TextOrNull("survey_written", s.surveyWritten)
        .OpenList("knees");
    const std::vector<StretchInterval> intervals = StretchIntervals(s.knees);
    for (std::size_t k = 0; k < s.knees.size(); ++k) {
        const StretchKnee& knee = s.knees[k];
        json.Open()
            .Number("synthetic_time_s", knee.syntheticTime)
            .Number("new_time_s", knee.newTime)
            .Number("shift_ms", knee.Shift() * 1000);
        if (k == 0) {
            json.Null("velocity_change_above_percent");
        } else {
            json.Number("velocity_change_above_percent", intervals[k - 1].velocityChangePercent);
        }
        json.Close();
    }
    json.CloseList().Close();
}

void JsonWavelet(const WaveletReport& w, Json& json) {
    const WaveletExtraction& e = w.extraction;
    json.Open("wavelet")
        .Text("method", w.method)
        .Number("length_s", e.lengthSeconds)
        .Open("window")
        .Number("start_s", e.window.start)
        .Number("end_s", e.window.end)
        .Close()
        .Number("phase_degrees", e.phaseDegrees)
        .Number("phase_residual_degrees", e.phaseResidualDegrees)
        .Number("dominant_frequency_hz", e.dominantFrequency)
        .Number("pep", e.pep)
        .Number("r", e.r)
        .Open("check")
        .Text("window", w.checkWindow ? "given" : "rest of the overlap");
    if (w.checkWindow) {
        json.Number("start_s", w.checkWindow->start).Number("end_s", w.checkWindow->end);
    }
    json.Number("r", e.checkR)
        .Close()
        .TextOrNull("source", w.source)
        .TextOrNull("file_written", w.fileWritten)
        .Close();
}

}  // namespace

void PrintTieJson(const TieReport& r, std::ostream& out) {
    const TieMeasures& m = r.measures;
    Json json(out);
    json.Open().Text("well", r.well);
    JsonSeismic(*r.tie, json);
    json.Open("window").Number("start_s", m.window.start).Number("end_s", m.window.end);
    if (r.tie->window.by == TieWindowChoice::By::kHorizons) {
        json.Text("upper_horizon", r.tie->window.upperHorizon)
            .Text("lower_horizon", r.tie->window.lowerHorizon);
    }
    json.Close();
    json.Number("zero_lag_r", m.zeroLagR);
    json.Open("best_lag").Number("lag_ms", m.bestLag.lag * 1000).Number("r", m.bestLag.r).Close();
    json.Open("best_phase")
        .Number("phase_degrees", m.bestPhase.phaseDegrees)
        .Number("lag_ms", m.bestPhase.lag * 1000)
        .Number("r", m.bestPhase.r)
        .Close();
    json.Open("pep").Number("zero_lag", m.fit.pep).Number("best", m.bestFit.pep).Close();
    json.Open("shift_ms")
        .Number("before", r.shiftBefore * 1000)
        .Number("after", r.shiftAfter * 1000)
        .Close();
    if (r.phaseAfter) {
        json.Open("phase_degrees").Number("before", *r.phaseBefore).Number("after", *r.phaseAfter);
        json.Close();
    }
    json.Number("drift_window_ms", r.driftWindow * 1000).OpenList("drift");
    for (const DriftPoint& p : m.drift) {
        json.Open().Number("time_s", p.time).Number("lag_ms", p.lag * 1000).Number("r", p.r);
        json.Close();
    }
    json.CloseList();
    if (r.search) {
        JsonSearch(*r.search, json);
    }
    if (r.stretch) {
        JsonStretch(*r.stretch, json);
    }
    if (r.wavelet) {
        JsonWavelet(*r.wavelet, json);
    }
    if (r.written) {
        json.Text("written", *r.written);
    } else {
        json.Null("written");
    }
    json.Close();
}

}  // namespace tessarin::cli
