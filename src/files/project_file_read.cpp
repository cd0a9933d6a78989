#include <algorithm>
#include <cctype>
#include <cmath>
#include <fstream>
#include <optional>

#include "files/project_file.h"
#include "files/project_tie_block.h"
#include "files/project_wavelet_block.h"
#include "model/error.h"
#include "model/text_io.h"
#include "model/user_file.h"

namespace tessarin {
namespace {

// A count that must be a whole number from 0 to `highest`, as the fixed tables need.
int ReadCount(FieldReader& in, int highest) {
    const double count = in.Number();
    if (!(count >= 0 && count <= highest) || count != std::floor(count)) {
        in.FailField("a whole number from 0 to " + std::to_string(highest));
    }
    return static_cast<int>(count);
}

// Reads the ten flags and applies the first eight. Returns the number of log columns: 2 for
// Sonic Only, 3 for Sonic - Density, 0 when the impedance flag is neither (no rows are read).
int ReadFlags(Project& p, FieldReader& in) {
    double flag[11];
    for (int i = 1; i <= 10; ++i) {
        flag[i] = in.Number();
    }
    // Flags 1, 2, 3, 6 and 7 leave their field unchanged when they hold no valid choice.
    const auto choose = [](int& field, double value, int choices) {
        for (int choice = 0; choice < choices; ++choice) {
            if (value == choice) {
                field = choice;
            }
        }
    };
    choose(p.measurementUnits, flag[1], 2);
    choose(p.locationType, flag[2], 2);
    choose(p.datumType, flag[3], 2);
    p.applyVelocitySurvey = flag[4] == 1;
    choose(p.waveletType, flag[6], 2);
    choose(p.plotDepthType, flag[7], 3);
    p.gardnerFromDensity = flag[8] == 1;
    if (flag[5] == 0) {
        p.impedanceType = kSonicOnly;
        return 2;
    }
    if (flag[5] == 1) {
        p.impedanceType = kSonicDensity;
        return 3;
    }
    return 0;
}

void ReadWellAndScales(Project& p, FieldReader& in) {
    p.wellName = in.Line();
    for (std::string& line : p.wellLocation) {
        line = in.Line();
    }
    p.kbElevation = in.ValueField();
    p.glElevation = in.ValueField();
    p.sampleIntervalUs = in.Int16();
    p.sampleRateIndex = SampleRateForInterval(p.sampleIntervalUs);
    p.datumElevation = in.ValueField();
    p.datumVelocity = in.ValueField();

    in.ValueField();  // the stored screen correction: the user's own screen factor stays
    p.timeScale = in.ValueField();
    p.tracesPerUnit = in.ValueField();
    p.amplitudeScale = in.ValueField();
    p.traceCount = in.Int16();
    p.agcWindow = in.Field();

    p.lowCut = in.ValueField();
    p.lowPass = in.ValueField();
    p.highPass = in.ValueField();
    p.highCut = in.ValueField();
    p.phaseDegrees = in.ValueField();
    p.waveletLength = in.ValueField();
}

void ReadHorizons(Project& p, FieldReader& in) {
    p.horizonCount = ReadCount(in, kTableSize - 1);
    for (int k = 1; k <= p.horizonCount; ++k) {
        p.horizonNames[k] = in.Line();
        p.horizonDepths[k] = Value(in.Number());
    }
}

void ReadVelocitySurvey(Project& p, FieldReader& in) {
    p.velocitySurveyDatumElevation = in.ValueField();
    p.velocitySurveyCount = ReadCount(in, kTableSize - 1);
    for (int k = 1; k <= p.velocitySurveyCount; ++k) {
        p.velocitySurveyDepths[k] = in.Number();
        p.velocitySurveyTimes[k] = in.Number();
    }
}

void ReadLogs(Project& p, FieldReader& in, int columns) {
    p.lastSampleIndex = in.Int16();
    if (p.lastSampleIndex < 0) {
        in.FailField("a whole number from 0 to 32767");
    }
    // The arrays reach 10 samples past the last one, all 0 until filled.
    const std::vector<double> zeros(static_cast<std::size_t>(p.lastSampleIndex) + 11, 0.0);
    p.timeSonic = zeros;
    p.timeDepth = zeros;
    p.intervalVelocity = zeros;
    p.timeDensity = zeros;
    p.syntheticTrace = zeros;
    if (columns == 0) {
        return;
    }
    for (std::size_t i = 0; i <= static_cast<std::size_t>(p.lastSampleIndex); ++i) {
        p.timeDepth[i] = in.Number();
        p.timeSonic[i] = in.Number();
        if (columns == 3) {
            p.timeDensity[i] = in.Number();
        }
    }
}

// The blocks after the last log row. A line that opens a block begins it; every other line is
// passed over, as readers of the original layout pass over the blocks, so a damaged block does
// not hide the one after it.
ProjectFileProblems ReadBlocks(Project& p, std::istream& in) {
    ProjectFileProblems problems;
    block::BlockLines lines(in);
    bool tieRead = false;
    bool waveletRead = false;
    try {
        while (const std::optional<std::string> line = lines.Next()) {
            const std::string tag = block::Trimmed(*line);
            if (tag == kTieBlockStart && !tieRead) {
                tieRead = true;
                TieBlockRead tie = ReadTieBlockAfterTag(lines);
                p.tie = std::move(tie.tie);
                problems.tie = std::move(tie.problem);
            } else if (tag == kWaveletBlockStart && !waveletRead) {
                waveletRead = true;
                WaveletBlockRead wavelet = ReadWaveletBlockAfterTag(lines);
                p.extractedWavelet = std::move(wavelet.wavelet);
                p.waveletType = p.extractedWavelet ? kExtractedWavelet : kRickerWavelet;
                problems.wavelet = std::move(wavelet.problem);
            }
        }
    } catch (const block::Damaged&) {
        // A line longer than any block holds, outside the blocks: nothing after it is read.
    }
    return problems;
}

}  // namespace

std::string ProjectFileProblems::Joined() const {
    return tie + (tie.empty() || wavelet.empty() ? "" : "\n") + wavelet;
}

std::string ReadProjectFile(Project& project, std::istream& in, const std::string& fileName) {
    return ReadProjectFileParts(project, in, fileName).Joined();
}

std::string ReadProjectFile(Project& project, const std::filesystem::path& path) {
    return ReadProjectFileParts(project, path).Joined();
}

ProjectFileProblems ReadProjectFileParts(Project& project, std::istream& in,
                                         const std::string& fileName) {
    Project p = project;
    FieldReader fields(in, kInvalidProjectFileMessage, fileName);
    const int columns = ReadFlags(p, fields);
    p.gardnerCoefficient = GardnerCoefficientFor(p.measurementUnits);
    ReadWellAndScales(p, fields);
    ReadHorizons(p, fields);
    if (p.applyVelocitySurvey) {
        ReadVelocitySurvey(p, fields);
    }
    ReadLogs(p, fields, columns);
    p.tie.reset();
    p.extractedWavelet.reset();
    // Without log rows the reader does not stand where the blocks begin.
    ProjectFileProblems problems = columns ? ReadBlocks(p, in) : ProjectFileProblems{};
    project = std::move(p);
    return problems;
}

ProjectFileProblems ReadProjectFileParts(Project& project, const std::filesystem::path& path) {
    const std::string name = path.string();
    if (const auto problem = UnreadableFileProblem(name)) {
        throw Error(FileFailure(name, kInvalidProjectFileMessage, "it " + *problem));
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw Error(FileFailure(name, kInvalidProjectFileMessage, "it cannot be opened"));
    }
    try {
        return ReadProjectFileParts(project, in, name);
    } catch (const std::ios_base::failure&) {
        // A read error of the disk, which the stream's buffer reports by throwing.
        throw Error(FileFailure(name, kInvalidProjectFileMessage, "it cannot be read"));
    }
}

bool IsProjectPath(std::string_view path) {
    constexpr std::string_view kSuffix = ".tsp";
    return path.size() >= kSuffix.size() &&
           std::equal(
               kSuffix.begin(), kSuffix.end(), path.end() - kSuffix.size(),
               [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

}  // namespace tessarin
