#include <bit>
#include <cstdint>
#include <cstring>

#include "import/import_error.h"
#include "import/las_reader.h"
#include "import/las_text.h"
#include "model/numeric.h"
#include "model/user_file.h"

namespace tessarin {
namespace {

// A curve that cannot be read, with the cause; turned into the read-error message.
struct CurveFault {
    std::string cause;
};

[[noreturn]] void NoColon(std::string_view mnemonic) {
    throw CurveFault{"the " + std::string(mnemonic) + " line has no colon"};
}

std::optional<std::string> Item(std::string_view bytes,
                                std::initializer_list<std::string_view> mnemonics, bool version2) {
    const auto line = las::FindLine(bytes, mnemonics, true);
    if (!line) {
        return std::nullopt;
    }
    auto value = las::VersionRuleValue(*line, version2);
    if (!value) {
        NoColon(*mnemonics.begin());
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
        NoColon(mnemonic);
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
        throw CurveFault{"the VERS line holds no version number between its dot and its colon"};
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

// 1 for a blank, TAB or comma, 0 otherwise; without the short-cut of ||, so that a loop over it
// need not branch.
int Separator(char c) {
    return static_cast<int>(c == ' ') | static_cast<int>(c == '\t') | static_cast<int>(c == ',');
}

bool IsSeparator(char c) {
    return Separator(c) != 0;
}

// The depth (field 0) and the chosen field of a data line, and how many fields the line has.
// Values are separated by blanks, TABs or commas.
struct DataFields {
    std::string_view depth;
    std::string_view value;
    int count = 0;
};

// A byte value repeated in each byte of a word: kEachByte * 0x80 sets bit 7 of every byte.
constexpr std::uint64_t kEachByte = 0x0101010101010101U;

// Bit 7 of each byte of `word` set where that byte is a separator, all other bits clear.
std::uint64_t SeparatorBytes(std::uint64_t word) {
    constexpr std::uint64_t kLow7 = kEachByte * 0x7F;
    // Bit 7 set exactly in the bytes that are 0, without a carry between bytes.
    const auto zeroBytes = [](std::uint64_t x) { return ~(((x & kLow7) + kLow7) | x | kLow7); };
    return zeroBytes(word ^ (kEachByte * ' ')) | zeroBytes(word ^ (kEachByte * '\t')) |
           zeroBytes(word ^ (kEachByte * ','));
}

// The fields that begin in text[from..] (from > 0): a field begins at a character that is no
// separator where the one before it is a separator. Most of a line lies after the columns
// wanted, so this runs over most of the data: eight characters at a time where the machine
// stores the first of them in the lowest byte of a word, then one at a time.
int FieldsBeginningFrom(std::string_view text, std::size_t from) {
    int count = 0;
    std::size_t i = from;
    if constexpr (std::endian::native == std::endian::little) {
        std::uint64_t separatorBefore = Separator(text[i - 1]) != 0 ? 0x80U : 0U;
        for (; i + 8 <= text.size(); i += 8) {
            std::uint64_t word = 0;
            std::memcpy(&word, text.data() + i, sizeof word);
            const std::uint64_t separators = SeparatorBytes(word);
            const std::uint64_t starts =
                ~separators & ((separators << 8) | separatorBefore) & (kEachByte * 0x80);
            // One bit per byte at most: the multiplication adds the eight bytes into the top one.
            count += static_cast<int>(((starts >> 7) * kEachByte) >> 56);
            separatorBefore = separators >> 56;
        }
    }
    for (; i < text.size(); ++i) {
        count += (1 - Separator(text[i])) & Separator(text[i - 1]);
    }
    return count;
}

DataFields SplitDataLine(std::string_view line, int column) {
    DataFields fields;
    std::size_t i = 0;
    const std::size_t n = line.size();
    while (fields.count <= column) {
        while (i < n && IsSeparator(line[i])) {
            ++i;
        }
        if (i == n) {
            return fields;
        }
        const std::size_t begin = i;
        while (i < n && !IsSeparator(line[i])) {
            ++i;
        }
        if (fields.count == 0) {
            fields.depth = line.substr(begin, i - begin);
        }
        if (fields.count == column) {
            fields.value = line.substr(begin, i - begin);
        }
        ++fields.count;
    }
    // Past the chosen field, the others are only counted; `i` follows a field here.
    fields.count += FieldsBeginningFrom(line, i);
    return fields;
}

double DataNumber(std::string_view field, int lineNumber) {
    const auto number = las::DataNumber(field);
    if (!number) {
        throw CurveFault{"line " + std::to_string(lineNumber) + " of the data holds \"" +
                         std::string(field) + "\" where a number should be"};
    }
    return *number;
}

std::string ValuesText(int count) {
    return std::to_string(count) + (count == 1 ? " value" : " values");
}

DepthLog ReadPairs(const LasFile& file, const LasHeader& header, const LasCurveChoice& choice,
                   ImportProgress& progress) {
    const int column = header.curveColumns.at(static_cast<std::size_t>(choice.curveIndex));
    if (column < 0) {
        throw CurveFault{"the curve chosen is an empty line of the ~C section"};
    }
    const int columns = header.ColumnCount();
    if (!file.HasDataSection()) {
        throw CurveFault{"no ~A section, the data"};
    }
    LasLineReader lines(file, file.Header().size());
    DepthLog log;
    log.depth.reserve(static_cast<std::size_t>(header.dataLineCount));
    log.value.reserve(static_cast<std::size_t>(header.dataLineCount));
    int row = 0;
    int lineNumber = 0;  // counted from the line after "~A", as an editor shows the data
    while (row < header.dataLineCount) {
        const auto next = lines.Next();
        if (!next) {
            break;
        }
        const std::string_view line = *next;
        ++lineNumber;
        if (line.size() <= 2 || las::Strip(line).empty() || las::IsComment(line)) {
            continue;
        }
        ++row;
        progress.Advance(static_cast<double>(row) / header.dataLineCount);
        const DataFields fields = SplitDataLine(line, column);
        if (fields.count != columns) {
            throw CurveFault{"line " + std::to_string(lineNumber) + " of the data has " +
                             ValuesText(fields.count) + " where the curves list " +
                             std::to_string(columns)};
        }
        const double depth = DataNumber(fields.depth, lineNumber);
        const double value = DataNumber(fields.value, lineNumber);
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
    const auto refuse = [&file](const std::string& cause) {
        return ImportError(FileFailure(file.Path(), import_message::kCurveReadFailed, cause),
                           import_message::kFormatErrorTitle);
    };
    try {
        if (choice.curveIndex < 0 || choice.curveIndex > header.LastCurveIndex()) {
            throw CurveFault{"it lists no curve number " + std::to_string(choice.curveIndex)};
        }
        LasCurve curve;
        curve.wellItems = ReadWellItems(file.Header());
        curve.log = ReadPairs(file, header, choice, progress);
        return curve;
    } catch (const ImportError&) {
        throw;
    } catch (const CurveFault& e) {
        throw refuse(e.cause);
    } catch (const las::LongLine& e) {
        throw refuse("line " + std::to_string(e.line) + " is longer than " +
                     std::to_string(las::kLongestHeaderLine) + " characters");
    } catch (const LasReadFault&) {
        throw refuse("its data section cannot be read again");
    }
#ifndef TESSARIN_FUZZING
    // Whatever else goes wrong is a file the reader cannot read, for the user. A fuzzing build
    // lets it through: it would be a fault of the reader's own.
    catch (const std::exception& e) {
        throw refuse(e.what());
    } catch (...) {
        throw refuse("it cannot be read");
    }
#endif
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
