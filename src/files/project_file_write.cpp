#include <optional>
#include <sstream>

#include "engine/stretch.h"
#include "files/project_file.h"
#include "files/project_file_check.h"
#include "files/project_tie_block.h"
#include "files/project_wavelet_block.h"
#include "files/replace_file.h"
#include "model/error.h"
#include "model/numeric.h"
#include "model/text_io.h"

namespace tessarin {
namespace {

// A record whose counts run past its arrays or tables cannot be written as it stands.
void CheckWritable(const Project& p) {
    const auto n = static_cast<std::size_t>(p.lastSampleIndex);
    const bool logsFit = p.lastSampleIndex >= 0 && p.timeDepth.size() > n &&
                         p.timeSonic.size() > n &&
                         (p.impedanceType != kSonicDensity || p.timeDensity.size() > n);
    if (!logsFit) {
        throw Error(
            "The project's logs hold fewer samples than its sample count, so it cannot "
            "be saved.");
    }
    if (p.horizonCount < 0 || p.horizonCount >= kTableSize) {
        throw Error("The project holds more horizons than a project file can keep.");
    }
    if (p.applyVelocitySurvey &&
        (p.velocitySurveyCount < 0 || p.velocitySurveyCount >= kTableSize)) {
        throw Error("The project holds more velocity survey points than a project file can keep.");
    }
}

int Flag(bool on) {
    return on ? 1 : 0;
}

void WriteFlags(const Project& p, PrintWriter& out) {
    const int flags[10] = {
        Flag(p.measurementUnits != kMetric),
        Flag(p.locationType != kGeneralLocation),
        Flag(p.datumType != kStartOfLog),
        Flag(p.applyVelocitySurvey),
        Flag(p.impedanceType == kSonicDensity),
        Flag(p.waveletType == kRickerWavelet),
        p.plotDepthType,
        Flag(p.gardnerFromDensity),
        0,
        0,
    };
    for (int flag : flags) {
        out.Number(flag);
    }
    out.EndLine();
}

void WriteWellAndScales(const Project& p, PrintWriter& out) {
    out.Text(p.wellName).EndLine();
    for (const std::string& line : p.wellLocation) {
        out.Text(line).EndLine();
    }
    out.Item(p.kbElevation).NextZone().Item(p.glElevation).NextZone();
    out.Number(p.sampleIntervalUs).NextZone();
    out.Item(p.datumElevation).NextZone().Item(p.datumVelocity).EndLine();

    out.Item(p.screenCorrection).NextZone().Item(p.timeScale).NextZone();
    out.Item(p.tracesPerUnit).NextZone().Item(p.amplitudeScale).NextZone();
    out.Number(p.traceCount).NextZone().Text(p.agcWindow).EndLine();

    out.Item(p.lowCut).NextZone().Item(p.lowPass).NextZone().Item(p.highPass).NextZone();
    out.Item(p.highCut).NextZone().Item(p.phaseDegrees).NextZone().Item(p.waveletLength);
    out.EndLine();
}

void WriteHorizons(const Project& p, PrintWriter& out) {
    out.Number(p.horizonCount).EndLine();
    for (int k = 1; k <= p.horizonCount; ++k) {
        out.Text(p.horizonNames[k]).EndLine();
        out.Item(p.horizonDepths[k]).EndLine();
    }
}

void WriteVelocitySurvey(const Project& p, PrintWriter& out) {
    out.Item(p.velocitySurveyDatumElevation).EndLine();
    out.Number(p.velocitySurveyCount).EndLine();
    for (int k = 1; k <= p.velocitySurveyCount; ++k) {
        out.Text(FormatPattern(p.velocitySurveyDepths[k], "####0")).NextZone();
        out.Text(FormatPattern(p.velocitySurveyTimes[k], "0.##0")).EndLine();
    }
}

void WriteLogs(const Project& p, PrintWriter& out) {
    out.Number(p.lastSampleIndex).EndLine();
    const bool withDensity = p.impedanceType == kSonicDensity;
    for (std::size_t i = 0; i <= static_cast<std::size_t>(p.lastSampleIndex); ++i) {
        std::string row = FormatPattern(p.timeDepth[i], "#####.#0") + " " +
                          FormatPattern(p.timeSonic[i], "###.#0");
        if (withDensity) {
            row += " " + FormatPattern(p.timeDensity[i], "#.##0");
        }
        out.Text(row).EndLine();
    }
}

// The record as its file keeps it: with the logs as imported while a stretch has moved them. The
// file holds the stretch beside them, and a recompute moves them again when it is opened.
Project WithImportedLogs(const Project& project) {
    Project stored = project;
    SetLogs(stored, std::move(*stored.unstretchedLogs));
    stored.unstretchedLogs.reset();
    return stored;
}

void WriteStoredRecord(const Project& project, std::ostream& out) {
    CheckWritable(project);
    PrintWriter writer(out);
    WriteFlags(project, writer);
    WriteWellAndScales(project, writer);
    WriteHorizons(project, writer);
    if (project.applyVelocitySurvey) {
        WriteVelocitySurvey(project, writer);
    }
    WriteLogs(project, writer);
    if (project.tie) {
        out << TieBlockText(*project.tie);
    }
    if (project.waveletType == kExtractedWavelet && project.extractedWavelet) {
        out << WaveletBlockText(*project.extractedWavelet);
    }
    if (!out) {
        throw Error("The project file could not be written.");
    }
}

}  // namespace

void WriteProjectFile(const Project& project, std::ostream& out) {
    WriteStoredRecord(project.unstretchedLogs ? WithImportedLogs(project) : project, out);
}

void WriteProjectFile(Project& project, const std::filesystem::path& path) {
    std::optional<Project> copy;
    if (project.unstretchedLogs) {
        copy = WithImportedLogs(project);
    }
    const Project& stored = copy ? *copy : project;
    std::ostringstream text;
    WriteStoredRecord(stored, text);
    // A file that would not open again as this record must not replace the previous one.
    ReplaceFileContent(path, text.str(), [&stored](const std::filesystem::path& written) {
        CheckProjectFileReadsBack(stored, written);
    });
    project.projectChanged = false;
}

}  // namespace tessarin
