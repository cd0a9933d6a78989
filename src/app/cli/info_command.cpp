// tessarin-cli info PROJECT.tsp: what a project file holds, in words.

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cmath>
#include <iomanip>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cli/commands.h"
#include "cli/help_formatter.h"
#include "files/project_file.h"
#include "files/seismic_trace_load.h"
#include "model/error.h"
#include "model/reset.h"

namespace tessarin::cli {
namespace {

// Numbers as a reader expects them: "0.5", "1250.5", "7000".
std::string Number(double x) {
    std::ostringstream text;
    text << std::setprecision(10) << x;
    return text.str();
}

// A field of kind value: its number, or the text as it was typed.
std::string Shown(const Value& value) {
    return value.IsNumber() ? Number(value.Number()) : value.ToText();
}

struct Units {
    const char* length;
    const char* velocity;
    const char* plotLength;  // of the time scale and the trace spacing
    const char* timeScale;
};

Units UnitsOf(const Project& p) {
    return p.measurementUnits == kMetric ? Units{"m", "m/s", "cm", "cm/s"}
                                         : Units{"ft", "ft/s", "inch", "in/s"};
}

void Row(std::ostream& out, const std::string& label, const std::string& text) {
    out << std::left << std::setw(18) << (label + ":") << text << "\n";
}

// The location's filled fields with their names; blank ones are left out rather than shown as
// their bare names ("County , State ;").
std::string LocationText(const Project& p) {
    const auto& loc = p.wellLocation;
    const auto filled = [](const std::string& field) {
        return field.find_first_not_of(' ') != std::string::npos;
    };
    using Group = std::vector<std::pair<const char*, const std::string*>>;
    const std::vector<Group> groups =
        p.locationType == kTownshipRange
            ? std::vector<Group>{{{"County ", &loc[0]}, {"State ", &loc[1]}},
                                 {{"Section ", &loc[2]},
                                  {"Township ", &loc[3]},
                                  {"Range ", &loc[4]}}}
            : std::vector<Group>{{{"", &loc[0]}}, {{"", &loc[1]}}};
    std::string text;
    for (const Group& group : groups) {
        std::string part;
        for (const auto& [name, field] : group) {
            if (filled(*field)) {
                part += (part.empty() ? "" : ", ") + std::string(name) + *field;
            }
        }
        if (!part.empty()) {
            text += (text.empty() ? "" : "; ") + part;
        }
    }
    return text.empty() ? "none" : text;
}

void PrintWell(const Project& p, const Units& u, std::ostream& out) {
    Row(out, "Well", p.wellName);
    Row(out, "Location", LocationText(p));
    Row(out, "UWI", p.wellLocation[5]);
    Row(out, "Units", p.measurementUnits == kMetric ? "Metric (m, m/s)" : "English (ft, ft/s)");
    Row(out, "Elevations",
        "KB " + Shown(p.kbElevation) + " " + u.length + ", GL " + Shown(p.glElevation) + " " +
            u.length);
    const std::string datum = "elevation " + Shown(p.datumElevation) + " " + u.length +
                              ", velocity " + Shown(p.datumVelocity) + " " + u.velocity;
    Row(out, "Seismic datum",
        (p.datumType == kSpecifiedDatum ? "Specify, " : "Start of Log, ") + datum);
}

void PrintSamples(const Project& p, const Units& u, std::ostream& out) {
    static const char* const kRates[] = {"2 ms", "1 ms", "0.5 ms"};
    const std::string interval = std::to_string(p.sampleIntervalUs) + " us one-way per sample";
    Row(out, "Sample rate",
        p.sampleRateIndex >= 0 && p.sampleRateIndex <= 2
            ? std::string(kRates[p.sampleRateIndex]) + " (" + interval + ")"
            : "none of 2, 1 or 0.5 ms (" + interval + ")");
    const int n = p.lastSampleIndex;
    const double span = n * 2.0 * p.sampleIntervalUs / 1000000.0;
    Row(out, "Samples",
        std::to_string(n + 1) + " (0 to " + std::to_string(n) + "), depth " +
            Number(p.timeDepth[0]) + " to " + Number(p.timeDepth[n]) + " " + u.length + ", " +
            Number(span) + " s two-way");
    std::string logs = p.impedanceType == kSonicDensity ? "Sonic - Density" : "Sonic Only";
    if (p.gardnerFromDensity) {
        logs += ", sonic derived from density (Gardner)";
    }
    Row(out, "Impedance", logs);
    Row(out, "Velocity survey",
        p.applyVelocitySurvey ? std::to_string(p.velocitySurveyCount) + " points, survey datum " +
                                    Shown(p.velocitySurveyDatumElevation) + " " + u.length
                              : "none");
}

void PrintHorizons(const Project& p, const Units& u, std::ostream& out) {
    Row(out, "Horizons", std::to_string(p.horizonCount));
    std::size_t width = 0;
    for (int k = 1; k <= p.horizonCount; ++k) {
        width = std::max(width, p.horizonNames[k].size());
    }
    for (int k = 1; k <= p.horizonCount; ++k) {
        out << "  " << std::left << std::setw(static_cast<int>(width) + 2) << p.horizonNames[k]
            << Shown(p.horizonDepths[k]) << " " << u.length << "\n";
    }
}

void PrintWaveletAndScales(const Project& p, const Units& u, std::ostream& out) {
    if (p.waveletType == kExtractedWavelet && p.extractedWavelet) {
        Row(out, "Wavelet",
            "Extracted, " + p.extractedWavelet->source + ", length " + Shown(p.waveletLength) +
                " s");
    } else if (p.waveletType == kRickerWavelet) {
        Row(out, "Wavelet",
            "Ricker, peak frequency " + Shown(p.lowCut) + " Hz, length " + Shown(p.waveletLength) +
                " s");
    } else {
        Row(out, "Wavelet",
            "Bandpass " + Shown(p.lowCut) + "-" + Shown(p.lowPass) + "-" + Shown(p.highPass) + "-" +
                Shown(p.highCut) + " Hz, phase " + Shown(p.phaseDegrees) + " degrees, length " +
                Shown(p.waveletLength) + " s");
    }
    Row(out, "Scales",
        "time scale " + Shown(p.timeScale) + " " + u.timeScale + ", " + Shown(p.tracesPerUnit) +
            " traces per " + u.plotLength + ", " + std::to_string(p.traceCount) +
            " traces, amplitude " + Shown(p.amplitudeScale));
    Row(out, "AGC window", p.agcWindow == "None" ? "None" : p.agcWindow + " s");
    static const char* const kDepthTypes[] = {"MD", "Seismic", "Subsea"};
    Row(out, "Plot depth",
        p.plotDepthType >= 0 && p.plotDepthType <= 2 ? kDepthTypes[p.plotDepthType] : "?");
}

// The seismic trace a tie stored, where it came from and the bulk shift; nothing without a tie.
void PrintTie(const Project& p, std::ostream& out) {
    if (!p.tie) {
        return;
    }
    const SeismicTie& tie = *p.tie;
    Row(out, "Seismic tie",
        tie.source.path + ", " + SeismicTraceText(tie.source, p.measurementUnits) + "; " +
            std::to_string(tie.trace.values.size()) + " samples from " +
            Number(tie.trace.firstTime) + " s every " + Number(tie.trace.interval * 1000) +
            " ms; bulk shift " + Number(tie.shiftSeconds * 1000) + " ms");
    if (tie.knees.empty()) {
        return;
    }
    // Shifts in milliseconds to the hundredth: the knees' times are kept to the microsecond and
    // their differences would show binary noise. The largest as the header shows it: signed.
    const auto ms = [](const StretchKnee& knee) { return std::round(knee.Shift() * 1e5) / 100; };
    double largest = 0;
    for (const StretchKnee& knee : tie.knees) {
        largest = std::fabs(ms(knee)) > std::fabs(largest) ? ms(knee) : largest;
    }
    Row(out, "Stretch",
        std::to_string(tie.knees.size()) + (tie.knees.size() == 1 ? " knee" : " knees") +
            ", largest shift " + Number(largest) + " ms; synthetic time to new time:");
    for (const StretchKnee& knee : tie.knees) {
        out << "  " << Number(knee.syntheticTime) << " s to " << Number(knee.newTime) << " s ("
            << Number(ms(knee)) << " ms)\n";
    }
}

int ShowProject(const std::string& path) {
    // The summary shows the file alone, whatever this user has saved as defaults.
    Project project;
    ResetProject(project, MemorySettingsStore());
    try {
        const std::string tieProblem = ReadProjectFile(project, std::filesystem::path(path));
        if (!tieProblem.empty()) {
            std::cerr << "tessarin-cli info: warning: " << OneLine(tieProblem) << "\n";
        }
    } catch (const Error& e) {
        std::cerr << "tessarin-cli info: " << OneLine(e.what()) << "\n";
        return kExitFailure;
    }
    const Units units = UnitsOf(project);
    Row(std::cout, "Project file", path);
    PrintWell(project, units, std::cout);
    PrintSamples(project, units, std::cout);
    PrintHorizons(project, units, std::cout);
    PrintWaveletAndScales(project, units, std::cout);
    PrintTie(project, std::cout);
    return kExitOk;
}

}  // namespace

CommandRun AddInfoCommand(CLI::App& tool) {
    auto path = std::make_shared<std::string>();
    CLI::App* command = tool.add_subcommand("info", "Summarise what a project file holds.");
    CommandText text;
    text.usage = {"tessarin-cli info PROJECT.tsp"};
    text.about =
        "Prints, one item a line: the well, its location and UWI, units, KB and GL "
        "elevations, the seismic datum, the sample rate and the depth and time the "
        "logs span, how impedance is formed, the velocity survey, the horizons with "
        "their depths, the wavelet, the display scales, the AGC window and, for a project "
        "tied to seismic, the seismic trace, the bulk shift and the knees of a stretch. The file "
        "alone is shown: "
        "the defaults you saved in the program play no part.";
    text.examples = "tessarin-cli info well.tsp";
    DescribeCommand(*command, std::move(text));
    command->add_option("PROJECT.tsp", *path, "The project file to summarise.")->required();
    return [path] { return ShowProject(*path); };
}

}  // namespace tessarin::cli
