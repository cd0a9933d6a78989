#include "files/text_export.h"

#include <sstream>

#include "files/export_texts.h"
#include "files/replace_file.h"
#include "model/error.h"
#include "model/numeric.h"

namespace tessarin {
namespace {

// The written density of a Sonic Only project, whatever density log was loaded.
constexpr const char* kNoDensityColumn = "-1.000";

void CheckComputed(const Project& project) {
    const int n = project.lastSampleIndex;
    const auto covers = [n](const std::vector<double>& values) {
        return static_cast<int>(values.size()) > n;
    };
    const bool densityNeeded = project.impedanceType == kSonicDensity;
    if (n < 0 || !covers(project.timeDepth) || !covers(project.intervalVelocity) ||
        !covers(project.syntheticTrace) || (densityNeeded && !covers(project.timeDensity)) ||
        !project.reflectionCoefficients.Contains(0) ||
        !project.reflectionCoefficients.Contains(n)) {
        throw Error("There is no computed synthetic to export.");
    }
}

std::string WellLine(const Project& project) {
    return project.wellName + " " + LocationText(project);
}

std::string DatumLine(const Project& project) {
    return ElevationsText(project) + "  " + DatumText(project);
}

std::string WaveletLine(const Project& project) {
    return WaveletText(project) + "  Length = " + WaveletLengthText(project) + " sec" +
           "  AGC length = " + project.agcWindow;
}

std::string SampleRow(const Project& project, int i) {
    const double logTime = i * static_cast<double>(project.sampleIntervalUs) / 500000.0;
    const double datumTime = logTime + project.firstSampleTime;
    const std::string density = project.impedanceType == kSonicDensity
                                    ? FormatAt(FormatPattern(project.timeDensity[i], "0.##0"), 6)
                                    : std::string(kNoDensityColumn);
    std::string row;
    row.reserve(96);
    row += FormatAt(project.wellLocation[5], 20) + "  ";
    row += FormatAt(FormatPattern(logTime, "0.###0"), 7) + "  ";
    row += FormatAt(FormatPattern(datumTime, "0.###0"), 7) + " ";
    row += FormatAt(FormatPattern(project.timeDepth[i], "#####.0"), 7) + "  ";
    row += FormatAt(FormatPattern(project.reflectionCoefficients[i], "0.####0"), 8) + "  ";
    row += FormatAt(FormatPattern(project.intervalVelocity[i], "####0"), 5) + "  ";
    row += density + "  ";
    row += FormatAt(FormatPattern(project.syntheticTrace[i], "#0.####0"), 9);
    return row;
}

}  // namespace

void WriteTextExport(Project& project, std::ostream& out) {
    CheckComputed(project);
    const char* const lineEnd = "\r\n";
    out << WellLine(project) << lineEnd;
    out << project.wellLocation[5] << lineEnd;
    out << DatumLine(project) << lineEnd;
    out << WaveletLine(project) << lineEnd;
    out << kTextExportHeading << lineEnd;
    if (project.wellLocation[5].empty()) {
        project.wellLocation[5] = " ";
    }
    for (int i = 0; i <= project.lastSampleIndex; ++i) {
        out << SampleRow(project, i) << lineEnd;
    }
}

void ExportTextFile(Project& project, const std::string& path) {
    // A failed export leaves the project as it was, UWI included.
    const std::string uwi = project.wellLocation[5];
    try {
        std::ostringstream content;
        WriteTextExport(project, content);
        ReplaceFileContent(path, content.str());
    } catch (...) {
        project.wellLocation[5] = uwi;
        throw;
    }
}

std::string ProposedTextExportName(const Project& project) {
    const std::string& name = project.projectFileName;
    return name.substr(0, name.size() >= 3 ? name.size() - 3 : 0) + "dat";
}

}  // namespace tessarin
