#include <algorithm>
#include <cctype>

#include "import/import_error.h"
#include "import/las_reader.h"
#include "import/las_text.h"
#include "model/numeric.h"
#include "model/user_file.h"

namespace tessarin {
namespace {

// LAS mnemonics, units and file endings are matched whatever their case.
std::string LowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return lower;
}

// Any header that cannot be read, with the cause; turned into the format-error message.
struct HeaderFault {
    std::string cause;
};

[[noreturn]] void NoLine(std::string_view mnemonic) {
    throw HeaderFault{"no " + std::string(mnemonic) + " line in the header"};
}

[[noreturn]] void NoColon(std::string_view mnemonic) {
    throw HeaderFault{"the " + std::string(mnemonic) + " line has no colon"};
}

double LastTokenNumber(std::string_view bytes, std::string_view mnemonic) {
    const auto line = las::FindLine(bytes, {mnemonic}, false);
    if (!line) {
        NoLine(mnemonic);
    }
    const auto text = las::LastTokenValue(*line);
    if (!text) {
        NoColon(mnemonic);
    }
    const auto number = ParseNumber(*text);
    if (!number) {
        throw HeaderFault{"the " + std::string(mnemonic) + " line holds \"" +
                          std::string(las::Strip(*text)) + "\" where a number should be"};
    }
    return *number;
}

bool SaysYes(const std::optional<std::string>& value) {
    return value && (*value == "YES" || *value == "yes" || *value == "Yes");
}

// WRAP is read after the first blank of its line, and also between its dot and its colon: many
// archives write " WRAP .   YES : ...", with a blank before the dot, and a wrapped file read as
// unwrapped gives wrong numbers.
void RefuseWrappedFile(std::string_view bytes, const std::string& path) {
    const auto line = las::FindLine(bytes, {"WRAP"}, false);
    if (!line) {
        NoLine("WRAP");
    }
    const auto afterBlank = las::AfterBlankValue(*line);
    const auto afterDot = las::DotValue(*line);
    if (!afterBlank && !afterDot) {
        NoColon("WRAP");
    }
    if (SaysYes(afterBlank) || SaysYes(afterDot)) {
        throw ImportError(path + ": " + import_message::kWrapped,
                          import_message::kFormatErrorTitle);
    }
}

// Files that are no LAS 1.2 or 2.0 file at all, told apart so that the user knows what to do:
// a UTF-16 text (every other byte zero, often after a byte-order mark), a file whose first
// lines hold no "~V" section (some other text), and a LAS 3.0 file, whose sections this reader
// does not know.
void RefuseOtherFormats(std::string_view bytes) {
    const std::string_view start = bytes.substr(0, 200);
    if (start.starts_with("\xFF\xFE") || start.starts_with("\xFE\xFF") ||
        std::count(start.begin(), start.end(), '\0') * 4 >
            static_cast<std::ptrdiff_t>(start.size())) {
        throw HeaderFault{"UTF-16 text: save it as ASCII or UTF-8"};
    }
    constexpr int kLinesBeforeVersion = 20;
    std::size_t position = bytes.starts_with("\xEF\xBB\xBF") ? 3 : 0;  // a UTF-8 byte-order mark
    bool version = false;
    for (int line = 0; line < kLinesBeforeVersion && position < bytes.size() && !version; ++line) {
        version = las::Strip(ReadTextLine(bytes, position)).starts_with("~V");
    }
    if (!version) {
        throw HeaderFault{"no ~V section in the first lines"};
    }
    if (const auto vers = las::FindLine(bytes, {"VERS"}, true)) {
        const auto text = las::VersionNumberText(*vers);
        const auto number = text ? ParseNumber(*text) : std::nullopt;
        if (number && *number >= 3.0) {
            throw HeaderFault{"LAS 3.0 is not read"};
        }
    }
}

// The unit of a header line, lower case: the text after its first dot up to a blank or the colon.
std::string UnitOfLine(std::string_view line) {
    const std::size_t dot = line.find('.');
    if (dot == std::string_view::npos) {
        return {};
    }
    return LowerCase(line.substr(dot + 1, line.find_first_of(" \t:", dot + 1) - dot - 1));
}

std::optional<int> DepthUnitsOf(std::string_view bytes) {
    const auto line = las::FindLine(bytes, {"STRT"}, true);
    const std::string unit = line ? UnitOfLine(*line) : std::string();
    if (unit == "m") {
        return kMetric;
    }
    if (unit == "f" || unit == "ft") {
        return kEnglish;
    }
    return std::nullopt;
}

// The text a depth box shows for a number, as a text box shows one: "0.5", not ".5".
std::string DepthBoxText(double depth) {
    std::string text = PlainNumber(depth);
    if (text.starts_with('.')) {
        text.insert(0, "0");
    } else if (text.starts_with("-.")) {
        text.insert(1, "0");
    }
    return text;
}

// The curve section: every line after "~C" up to the next "~", comment lines left out.
void ListCurves(std::string_view bytes, LasHeader& header) {
    std::size_t position = 0;
    bool found = false;
    for (std::size_t number = 1; position < bytes.size() && !found; ++number) {
        const std::string_view line = ReadTextLine(bytes, position);
        if (line.size() > las::kLongestHeaderLine) {
            throw las::LongLine{number};
        }
        found = line.starts_with("~C");
    }
    if (!found) {
        throw HeaderFault{"no ~C section, the list of curves"};
    }
    int column = 0;
    while (position < bytes.size()) {
        const std::string_view line = ReadTextLine(bytes, position);
        if (line.starts_with('~')) {
            break;
        }
        if (line.starts_with('#')) {
            continue;
        }
        header.curveEntries.emplace_back(line);
        header.curveColumns.push_back(las::Strip(line).empty() ? -1 : column++);
    }
    // The dialog selects the first curve after the depth, so there must be one.
    if (header.curveEntries.size() < 2) {
        throw HeaderFault{"the ~C section lists no curve after the depth"};
    }
}

// The data section: where it starts, how long its first data line is, how many data lines it
// has. Comment lines are no data lines.
void MeasureData(const LasFile& file, LasHeader& header) {
    if (!file.HasDataSection()) {
        throw HeaderFault{"no ~A section, the data"};
    }
    header.dataOffset = file.Header().size();
    LasLineReader lines(file, header.dataOffset);
    while (const auto line = lines.Next()) {
        if (line->size() > 2 && !las::IsComment(*line)) {
            if (header.dataLineCount == 0) {
                header.recordLength = lines.LastLineBytes();
            }
            ++header.dataLineCount;
        }
    }
    if (header.dataLineCount == 0) {
        throw HeaderFault{"no data lines after ~A"};
    }
}

LasScrollRange ScrollRangeFor(int lines) {
    LasScrollRange scroll;
    scroll.maximum = static_cast<int>(RoundHalfEven(lines / 10.0));
    if (lines > 20000) {
        scroll.largeChange = 200;
    } else if (lines > 10000) {
        scroll.largeChange = 100;
    } else if (lines > 5000) {
        scroll.largeChange = 50;
    } else if (lines > 2000) {
        scroll.largeChange = 25;
    } else if (lines > 1000) {
        scroll.largeChange = 10;
    } else if (lines > 500) {
        scroll.largeChange = 5;
    } else {
        scroll.largeChange = 2;
    }
    return scroll;
}

LasHeader ReadHeaderItems(const LasFile& file) {
    const std::string_view bytes = file.Header();
    LasHeader header;
    header.caption = "Import LAS File " + file.Path();
    RefuseOtherFormats(bytes);
    RefuseWrappedFile(bytes, file.Path());
    header.startDepth = LastTokenNumber(bytes, "STRT");
    header.stopDepth = LastTokenNumber(bytes, "STOP");
    LastTokenNumber(bytes, "STEP");  // must be there, but is not used
    header.nullValue = LastTokenNumber(bytes, "NULL");
    const bool increasing = header.stopDepth > header.startDepth;
    header.startDepthText = DepthBoxText(increasing ? header.startDepth : header.stopDepth);
    header.stopDepthText = DepthBoxText(increasing ? header.stopDepth : header.startDepth);
    ListCurves(bytes, header);
    MeasureData(file, header);
    header.scroll = ScrollRangeFor(header.dataLineCount);
    header.selectedCurve = 1;
    header.depthUnits = DepthUnitsOf(bytes);
    return header;
}

}  // namespace

LasFile LoadLasFile(const std::string& path) {
    return LasFile::Load(path);
}

bool IsLasPath(std::string_view path) {
    if (path.size() < 3) {
        return false;
    }
    return LowerCase(path.substr(path.size() - 3)) == "las";
}

std::string_view ReadTextLine(std::string_view bytes, std::size_t& position) {
    if (position >= bytes.size()) {
        position = bytes.size();
        return {};
    }
    const std::size_t lineFeed = bytes.find('\n', position);
    const std::size_t end = lineFeed == std::string_view::npos ? bytes.size() : lineFeed;
    std::string_view line = bytes.substr(position, end - position);
    position = lineFeed == std::string_view::npos ? bytes.size() : lineFeed + 1;
    if (line.ends_with('\r')) {
        line.remove_suffix(1);
    }
    return line;
}

LasHeader ReadLasHeader(const LasFile& file) {
    const auto refuse = [&file](const std::string& cause) {
        return ImportError(FileFailure(file.Path(), import_message::kNotStandard, cause),
                           import_message::kFormatErrorTitle);
    };
    try {
        return ReadHeaderItems(file);
    } catch (const ImportError&) {
        throw;
    } catch (const las::LongLine& e) {
        ImportError error = refuse("line " + std::to_string(e.line) + " is longer than " +
                                   std::to_string(las::kLongestHeaderLine) + " characters");
        throw ImportError(std::string(error.what()) + "  " + import_message::kLongLineAdvice,
                          error.Title());
    } catch (const HeaderFault& e) {
        throw refuse(e.cause);
    } catch (const LasReadFault&) {
        throw refuse("its data section cannot be read again");
    }
#ifndef TESSARIN_FUZZING
    // Whatever else goes wrong is a header the reader cannot read, for the user. A fuzzing build
    // lets it through: it would be a fault of the reader's own.
    catch (const std::exception& e) {
        throw refuse(e.what());
    } catch (...) {
        throw refuse("it cannot be read");
    }
#endif
}

std::optional<std::string> LasDepthRangeRefusal(const LasHeader& header, double start,
                                                double stop) {
    const double top = std::min(header.startDepth, header.stopDepth);
    const double bottom = std::max(header.startDepth, header.stopDepth);
    const std::string fileRange =
        "The file's depths run from " + DepthBoxText(top) + " to " + DepthBoxText(bottom) + ".";
    if (start >= stop) {
        return "The start depth " + DepthBoxText(start) + " must be above the end depth " +
               DepthBoxText(stop) + ".  " + fileRange;
    }
    if (stop < top || start > bottom) {
        return "The range " + DepthBoxText(start) + " to " + DepthBoxText(stop) +
               " holds no data.  " + fileRange;
    }
    return std::nullopt;
}

std::optional<std::string> LasUnitsMismatch(std::optional<int> fileUnits, int projectUnits) {
    if (!fileUnits || *fileUnits == projectUnits) {
        return std::nullopt;
    }
    const bool metres = *fileUnits == kMetric;
    return std::string("The depths of this file are in ") + (metres ? "metres" : "feet") +
           ", but the project is in " + (metres ? "feet" : "metres") +
           ".  Imported as it stands, its depths and its KB and GL elevations would be taken as " +
           (metres ? "feet" : "metres") + ".";
}

bool LasCurveIsPerFoot(const LasHeader& header, int curveIndex) {
    if (curveIndex < 0 || curveIndex > header.LastCurveIndex()) {
        return false;
    }
    const std::string unit = UnitOfLine(header.curveEntries[static_cast<std::size_t>(curveIndex)]);
    const std::size_t slash = unit.find('/');
    const std::string per = slash == std::string::npos ? std::string() : unit.substr(slash + 1);
    return per == "f" || per == "ft" || per == "foot";
}

int LasHeader::ColumnCount() const {
    return static_cast<int>(std::count_if(curveColumns.begin(), curveColumns.end(),
                                          [](int column) { return column >= 0; }));
}

std::optional<int> FindLasCurve(const LasHeader& header, std::string_view mnemonic) {
    const std::string wanted = LowerCase(las::Strip(mnemonic));
    for (std::size_t i = 0; i < header.curveEntries.size(); ++i) {
        if (header.curveColumns[i] < 0) {
            continue;
        }
        const std::string_view entry = header.curveEntries[i];
        if (LowerCase(las::Strip(entry.substr(0, entry.find('.')))) == wanted) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

}  // namespace tessarin
