#include "files/wavelet_file.h"

#include <cctype>
#include <cmath>
#include <filesystem>
#include <vector>

#include "engine/wavelet.h"
#include "files/column_text.h"
#include "files/project_block.h"
#include "files/replace_file.h"
#include "model/error.h"
#include "model/numeric.h"

namespace tessarin {
namespace {

// A step may be off by this share of the interval: times written to a few decimals stay within.
constexpr double kSpacingTolerance = 0.01;

// A span of times above this is milliseconds.
constexpr double kLongestSpanInSeconds = 2.0;

using Read = ReadResult<WaveletFile>;

std::string Named(const std::string& path) {
    return "The wavelet file \"" + path + "\"";
}

std::string AtLine(const std::string& path, int line) {
    return Named(path) + ", line " + std::to_string(line) + ": ";
}

// The times and amplitudes of the file, and the line of each sample.
struct Columns {
    std::vector<double> times;
    std::vector<double> amplitudes;
    std::vector<int> lines;
};

Read ReadColumns(std::string_view text, const std::string& path, Columns& c) {
    bool titleAllowed = true;
    for (const ColumnLine& line : ColumnLines(text)) {
        const auto numbers = LineNumbers(line.text);
        if (numbers && numbers->size() == 2) {
            c.times.push_back((*numbers)[0]);
            c.amplitudes.push_back((*numbers)[1]);
            c.lines.push_back(line.number);
        } else if (!titleAllowed) {
            return Read::Failure(AtLine(path, line.number) +
                                 "two numbers are expected, the two-way time and the amplitude.");
        }
        titleAllowed = false;
    }
    if (c.times.size() < 2) {
        return Read::Failure(Named(path) +
                             " holds fewer than two samples of time and amplitude: a wavelet "
                             "needs at least two.");
    }
    return Read::Of({});
}

// The even sampling in the file's own unit; the failure names the first line that breaks it.
Read CheckSpacing(const Columns& c, const std::string& path, const char* unit) {
    const double first = c.times.front();
    const double interval = (c.times.back() - first) / static_cast<double>(c.times.size() - 1);
    if (!std::isfinite(interval)) {
        return Read::Failure(Named(path) + ": its times span more than any number can hold.");
    }
    for (std::size_t k = 1; k < c.times.size(); ++k) {
        const double expected = first + static_cast<double>(k) * interval;
        if (!(c.times[k] > c.times[k - 1]) ||
            std::fabs(c.times[k] - expected) > kSpacingTolerance * interval) {
            return Read::Failure(AtLine(path, c.lines[k]) + "the time " + PlainNumber(c.times[k]) +
                                 " " + unit + " breaks the even sampling of " +
                                 PlainNumber(interval) + " " + unit + " (" + PlainNumber(expected) +
                                 " " + unit +
                                 " expected); the wavelet must be sampled evenly in rising time.");
        }
    }
    if (first > 0 || c.times.back() < 0) {
        return Read::Failure(Named(path) + ": its times run from " + PlainNumber(first) + " to " +
                             PlainNumber(c.times.back()) + " " + unit +
                             " and never reach time 0, the wavelet's centre: give the times from "
                             "the centre.");
    }
    return Read::Of({});
}

}  // namespace

std::string WaveletFile::TimeUnitNote() const {
    return timesInMilliseconds ? "times read as milliseconds" : "times read as seconds";
}

ReadResult<WaveletFile> ReadWaveletText(std::string_view text, const std::string& path) {
    Columns c;
    if (Read columns = ReadColumns(text, path, c); !columns) {
        return columns;
    }
    WaveletFile file;
    file.timesInMilliseconds = c.times.back() - c.times.front() > kLongestSpanInSeconds;
    if (Read spacing = CheckSpacing(c, path, file.timesInMilliseconds ? "ms" : "s"); !spacing) {
        return spacing;
    }
    bool anyAmplitude = false;
    for (const double a : c.amplitudes) {
        anyAmplitude = anyAmplitude || a != 0;
    }
    if (!anyAmplitude) {
        return Read::Failure(Named(path) + " holds only zero amplitudes.");
    }
    const double scale = file.timesInMilliseconds ? 1000.0 : 1.0;
    file.samples.firstTime = c.times.front() / scale;
    file.samples.interval =
        (c.times.back() - c.times.front()) / scale / static_cast<double>(c.times.size() - 1);
    file.samples.values = std::move(c.amplitudes);
    return Read::Of(std::move(file));
}

ReadResult<WaveletFile> ReadWaveletFile(const std::string& path) {
    const ReadResult<std::string> text = ReadWholeFile(path);
    if (!text) {
        return Read::Failure(text.message);
    }
    return ReadWaveletText(*text.value, path);
}

std::string WaveletFileText(const Project& project) {
    const OffsetArray& w = project.wavelet;
    if (w.Empty()) {
        throw Error("There is no wavelet to write: select a wavelet first.");
    }
    const int interval = project.sampleIntervalUs;
    std::string text = "# Tessarin wavelet: two-way time (s) and amplitude\r\n";
    // Sample h + 1, always 0, is only room the convolution keeps.
    for (int i = w.First(); i < w.Last(); ++i) {
        const double t = static_cast<double>(2 * i * interval) / 1000000.0;
        text += block::Number(t) + " " + block::Number(w[i]) + "\r\n";
    }
    return text;
}

void WriteWaveletFile(const Project& project, const std::string& path) {
    ReplaceFileContent(path, WaveletFileText(project));
}

ReadResult<std::string> UseWaveletFile(Project& project, const std::string& path) {
    ReadResult<WaveletFile> read = ReadWaveletFile(path);
    if (!read) {
        return ReadResult<std::string>::Failure(read.message);
    }
    Project trial = project;
    trial.waveletType = kExtractedWavelet;
    trial.extractedWavelet =
        ExtractedWavelet{read.value->samples, std::filesystem::path(path).filename().string()};
    try {
        MakeExtractedWavelet(trial);
    } catch (const Error& e) {
        std::string reason = e.what();
        reason[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(reason[0])));
        return ReadResult<std::string>::Failure(Named(path) + " cannot be the wavelet: " + reason);
    }
    project = std::move(trial);
    return ReadResult<std::string>::Of(read.value->TimeUnitNote());
}

}  // namespace tessarin
