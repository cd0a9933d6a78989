// Save and reopen: a record read from any bytes is saved over an older file and opened again.
// The save either refuses with its error and keeps the older file, or writes a file that opens
// again to the same record, to what the file keeps: log rows and survey points to their digit
// patterns, other numbers to the 15 significant digits of plain printed numbers, texts of one
// field without the blanks around them. A seismic tie block comes back whole and exact.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <sstream>

#include "files/project_file.h"
#include "fuzz_support.h"
#include "model/error.h"
#include "model/numeric.h"
#include "model/reset.h"
#include "model/settings.h"

using namespace tessarin;

namespace {

Project Reset() {
    Project project;
    MemorySettingsStore store;
    ResetProject(project, store);
    return project;
}

std::string Contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Takes the text read back when it is the one written: field input drops the blanks around a
// field, and so does a save.
void Agree(std::string& written, const std::string& read) {
    if (Trimmed(written) == read) {
        written = read;
    }
}

// Takes the value read back when it is the one written: a number to the digits the file keeps,
// a text without the blanks around it.
void Agree(Value& written, const Value& read) {
    if (written.IsText() && read.IsText()) {
        std::string text = written.ToText();
        Agree(text, read.ToText());
        written = Value::Text(text);
    }
    if (written.IsNumber() && read.IsNumber()) {
        const double a = written.Number();
        const double b = read.Number();
        if (std::isfinite(a) && std::isfinite(b) &&
            std::fabs(a - b) <= 1e-14 * std::max(std::fabs(a), std::fabs(b))) {
            written = read;
        }
    }
}

void Agree(double& written, double read, std::string_view pattern) {
    if (ParseNumber(FormatPattern(written, pattern)) == read) {
        written = read;
    }
}

// The record written, with every number the file rounds taken as it reads back when it agrees.
Project AsKept(Project written, const Project& read) {
    for (Value Project::*field :
         {&Project::kbElevation, &Project::glElevation, &Project::datumElevation,
          &Project::datumVelocity, &Project::screenCorrection, &Project::timeScale,
          &Project::tracesPerUnit, &Project::amplitudeScale, &Project::lowCut, &Project::lowPass,
          &Project::highPass, &Project::highCut, &Project::phaseDegrees, &Project::waveletLength,
          &Project::velocitySurveyDatumElevation}) {
        Agree(written.*field, read.*field);
    }
    Agree(written.agcWindow, read.agcWindow);
    for (std::size_t k = 0; k < written.horizonDepths.size(); ++k) {
        Agree(written.horizonDepths[k], read.horizonDepths[k]);
    }
    for (std::size_t k = 0; k < written.velocitySurveyDepths.size(); ++k) {
        Agree(written.velocitySurveyDepths[k], read.velocitySurveyDepths[k], "####0");
        Agree(written.velocitySurveyTimes[k], read.velocitySurveyTimes[k], "0.##0");
    }
    const std::size_t rows =
        std::min({written.timeDepth.size(), read.timeDepth.size(), read.timeSonic.size(),
                  written.timeSonic.size(), written.timeDensity.size(), read.timeDensity.size()});
    for (std::size_t i = 0; i < rows; ++i) {
        Agree(written.timeDepth[i], read.timeDepth[i], "#####.#0");
        Agree(written.timeSonic[i], read.timeSonic[i], "###.#0");
        Agree(written.timeDensity[i], read.timeDensity[i], "#.##0");
    }
    return written;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Project project = Reset();
    std::istringstream in(fuzz::Text(data, size));
    try {
        ReadProjectFile(project, in);
    } catch (const Error&) {
        return 0;
    }
    static const auto path = fuzz::TempPath("save.tsp");
    const std::string older = "the project saved before\r\n";
    fuzz::WriteFile(path, older);
    try {
        WriteProjectFile(project, path);
    } catch (const Error&) {
        fuzz::Require(Contents(path) == older, "a refused save keeps the older file");
        return 0;
    }
    Project reopened = Reset();
    try {
        fuzz::Require(ReadProjectFile(reopened, path).empty(), "a saved tie block opens again");
    } catch (const Error&) {
        fuzz::Require(false, "a saved project opens again");
    }
    fuzz::Require(reopened.tie == project.tie, "a saved tie reads back exactly");
    fuzz::Require(AsKept(project, reopened) == reopened, "a saved project reads back the same");
    return 0;
}
