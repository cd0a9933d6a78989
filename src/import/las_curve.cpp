#include "import/import_error.h"
#include "import/las_reader.h"
#include "import/las_text.h"
#include "model/numeric.h"

namespace tessarin {
namespace {

struct CurveFault {};

std::optional<std::string> Item(std::string_view bytes,
                                std::initializer_list<std::string_view> mnemonics, bool version2) {
    const auto line = las::FindLine(bytes, mnemonics, true);
    if (!line) {
        return std::nullopt;
    }
    auto value = las::VersionRuleValue(*line, version2);
    if (!value) {
        throw CurveFault{};
    }
    return value;
}

std::optional<double> Elevation(std::string_view bytes, std::string_view mnemonic) {
    const auto line = las::FindLine(bytes, {mnemonic}, true);
    if (!line) {
        return std::nullopt;
    }
    const auto value = las::LastTokenValue(*line);
    if (!value) {
        throw CurveFault{};
    }
    return ParseNumber(*value);  // a value that is no number leaves the elevation alone
}

// The well layout follows the version: LAS 2 puts a value between the dot and the colon, LAS 1.2
// after the colon. A file without VERS is taken as LAS 2, the layout of every later version.
bool IsVersion2(std::string_view bytes) {
    const auto line = las::FindLine(bytes, {"VERS"}, true);
    if (!line) {
        return true;
    }
    const auto text = las::VersionNumberText(*line);
    const auto number = text ? ParseNumber(*text) : std::nullopt;
    if (!number) {
        throw CurveFault{};
    }
    return *number >= 2.0;
}

LasWellItems ReadWellItems(std::string_view bytes) {
    const bool v2 = IsVersion2(bytes);
    LasWellItems items;
    items.company = Item(bytes, {"COMP", "CN"}, v2);
    items.well = Item(bytes, {"WELL", "WN"}, v2);
    items.uwi = Item(bytes, {"UWI"}, v2);
    items.api = Item(bytes, {"API"}, v2);
    items.county = Item(bytes, {"CNTY", "COUN"}, v2);
    items.state = Item(bytes, {"STAT", "PROV"}, v2);
    items.section = Item(bytes, {"SECT"}, v2);
    items.township = Item(bytes, {"TOWN"}, v2);
    items.range = Item(bytes, {"RANG"}, v2);
    items.kbElevation = Elevation(bytes, "EKB");
    items.glElevation = Elevation(bytes, "EGL");
    return items;
}

bool IsSeparator(char c) {
    return c == ' ' || c == '\t' || c == ',';
}

// Fields 0 and `column` of a data line; values are separated by blanks, TABs or commas.
std::pair<double, double> DepthAndValue(std::string_view line, int column) {
    std::optional<double> depth;
    std::optional<double> value;
    int index = 0;
    std::size_t i = 0;
    while (i < line.size() && index <= column) {
        while (i < line.size() && IsSeparator(line[i])) {
            ++i;
        }
        const std::size_t begin = i;
        while (i < line.size() && !IsSeparator(line[i])) {
            ++i;
        }
        if (i == begin) {
            break;
        }
        if (index == 0 || index == column) {
            const auto number = las::DataNumber(line.substr(begin, i - begin));
            if (!number) {
                throw CurveFault{};
            }
            (index == 0 ? depth : value) = *number;
        }
        ++index;
    }
    if (column == 0) {
        value = depth;
    }
    if (!depth || !value) {
        throw CurveFault{};
    }
    return {*depth, *value};
}

DepthLog ReadPairs(std::string_view bytes, const LasHeader& header, const LasCurveChoice& choice,
                   ImportProgress& progress) {
    const int column = header.curveColumns.at(static_cast<std::size_t>(choice.curveIndex));
    if (column < 0) {
        throw CurveFault{};
    }
    std::size_t position = 0;
    while (position < bytes.size() && !ReadTextLine(bytes, position).starts_with("~A")) {
    }
    DepthLog log;
    int row = 0;
    while (position < bytes.size() && row < header.dataLineCount) {
        const std::string_view line = ReadTextLine(bytes, position);
        if (line.size() <= 2 || las::Strip(line).empty()) {
            continue;
        }
        ++row;
        progress.Advance(static_cast<double>(row) / header.dataLineCount);
        const auto [depth, value] = DepthAndValue(line, column);
        if (depth >= choice.startDepth && depth <= choice.stopDepth && value != header.nullValue &&
            value > 0 && depth >= 0) {
            log.Add(depth, value);
        }
    }
    return log;
}

}  // namespace

LasCurve ReadLasCurve(const LasFile& file, const LasHeader& header, const LasCurveChoice& choice,
                      ImportProgress& progress) {
    try {
        if (choice.curveIndex < 0 || choice.curveIndex > header.LastCurveIndex()) {
            throw CurveFault{};
        }
        LasCurve curve;
        curve.wellItems = ReadWellItems(file.bytes);
        curve.log = ReadPairs(file.bytes, header, choice, progress);
        return curve;
    } catch (...) {
        throw ImportError(import_message::kCurveReadFailed, import_message::kFormatErrorTitle);
    }
}

void ApplyLasWellItems(const LasWellItems& items, Project& project) {
    if (items.company) {
        project.wellName = *items.company;
    }
    if (items.well) {
        // An empty company line adds no blank in front of the well's name.
        const bool company = items.company && !items.company->empty();
        project.wellName = company ? project.wellName + " " + *items.well : *items.well;
    }
    auto& location = project.wellLocation;
    if (items.uwi) {
        location[5] = *items.uwi;
    }
    if (items.api && location[5].empty()) {
        location[5] = *items.api;
    }
    const std::optional<std::string>* texts[] = {&items.county, &items.state, &items.section,
                                                 &items.township, &items.range};
    for (std::size_t k = 0; k < 5; ++k) {
        if (*texts[k]) {
            location[k] = **texts[k];
        }
    }
    if (items.kbElevation) {
        project.kbElevation = Value(*items.kbElevation);
    }
    if (items.glElevation) {
        project.glElevation = Value(*items.glElevation);
    }
}

}  // namespace tessarin
