// The LAS reader: any bytes give a header and curves, or the reader's own error, never a crash,
// a sanitizer report, another exception or a hang. The same bytes are read from the disk, a
// block at a time, and held in memory: both must give the same results. The viewer is shown at
// both ends of its scroll range, and what a curve keeps is converted to time as the import does.

#include <algorithm>
#include <cstdint>
#include <set>
#include <vector>

#include "fuzz_support.h"
#include "import/las_reader.h"

using namespace tessarin;

namespace {

// Everything the reader gives for a file, failures as their messages.
struct Outcome {
    std::string headerError;
    int dataLineCount = 0;
    std::size_t dataOffset = 0;
    std::size_t recordLength = 0;
    std::vector<std::string> viewer;
    std::vector<std::string> curveErrors;
    std::vector<DepthLog> curves;

    bool operator==(const Outcome& other) const {
        const auto sameLogs = [](const DepthLog& a, const DepthLog& b) {
            return a.depth == b.depth && a.value == b.value && a.decreasing == b.decreasing;
        };
        return headerError == other.headerError && dataLineCount == other.dataLineCount &&
               dataOffset == other.dataOffset && recordLength == other.recordLength &&
               viewer == other.viewer && curveErrors == other.curveErrors &&
               std::equal(curves.begin(), curves.end(), other.curves.begin(), other.curves.end(),
                          sameLogs);
    }
};

void CheckKeptPairs(const LasHeader& header, const LasCurveChoice& choice, const DepthLog& log) {
    for (int i = 0; i < log.Count(); ++i) {
        const double depth = log.depth[static_cast<std::size_t>(i)];
        const double value = log.value[static_cast<std::size_t>(i)];
        fuzz::Require(depth >= choice.startDepth && depth <= choice.stopDepth && depth >= 0,
                      "kept depths lie in the range");
        fuzz::Require(value > 0 && value != header.nullValue, "kept values are data");
    }
}

Outcome Read(const LasFile& file) {
    Outcome outcome;
    LasHeader header;
    try {
        header = ReadLasHeader(file);
    } catch (const ImportError& e) {
        outcome.headerError = e.what();
        return outcome;
    }
    fuzz::Require(header.LastCurveIndex() >= 1 && header.dataLineCount >= 1,
                  "a header read has a curve and data");
    outcome.dataLineCount = header.dataLineCount;
    outcome.dataOffset = header.dataOffset;
    outcome.recordLength = header.recordLength;
    const LasCurveChoice range{0, std::min(header.startDepth, header.stopDepth),
                               std::max(header.startDepth, header.stopDepth)};
    // The depth, the first curve and the last: every curve read goes through the header's well
    // items again, and the curves between add little but time.
    for (const int curve : std::set<int>{0, 1, header.LastCurveIndex()}) {
        outcome.viewer.push_back(RefreshLasViewer(file, header, 0, curve));
        outcome.viewer.push_back(RefreshLasViewer(file, header, header.scroll.maximum, curve));
        LasCurveChoice choice = range;
        choice.curveIndex = curve;
        NoProgress progress;
        try {
            LasCurve read = ReadLasCurve(file, header, choice, progress);
            CheckKeptPairs(header, choice, read.log);
            Project project;
            ApplyLasWellItems(read.wellItems, project);
            outcome.curves.push_back(std::move(read.log));
        } catch (const ImportError& e) {
            outcome.curveErrors.push_back(e.what());
        }
    }
    return outcome;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes = fuzz::Text(data, size);
    static const auto path = fuzz::TempPath("fuzz.las");
    fuzz::WriteFile(path, bytes);
    const Outcome inMemory = Read(LasFile(path.string(), bytes));
    fuzz::Require(Read(LoadLasFile(path.string())) == inMemory,
                  "a file read from the disk gives what its bytes in memory give");
    for (const DepthLog& log : inMemory.curves) {
        fuzz::ConvertToTime(log);
    }
    return 0;
}
