#pragma once

// The LAS reader: one curve of a well log out of an unwrapped LAS 1.2 or 2.0 file. Reading goes in
// three steps, with the Import LAS File dialog between the first two:
//   1. ReadLasHeader: refuses a wrapped file, takes STRT, STOP and NULL, lists the curve section
//      and measures the data section;
//   2. the user picks a curve and a depth range (RefreshLasViewer shows the data around a scroll
//      position);
//   3. ReadLasCurve: the version and well items, and the depth-value pairs of the chosen curve.
// Lines may end in CR LF or LF; positions are real byte offsets.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "import/depth_log.h"
#include "import/import_progress.h"
#include "import/las_file.h"
#include "model/project.h"

namespace tessarin {

// Reads the header of the file (LasFile::Load). Throws ImportError when it cannot be read.
LasFile LoadLasFile(const std::string& path);

// True when the path names a LAS file: its last three characters are "las" in any case.
bool IsLasPath(std::string_view path);

// Reads one line starting at the 0-based byte `position` and moves the position past the line's
// terminator. The line comes back without its LF and without a CR before it; at the end of the
// file it comes back empty.
std::string_view ReadTextLine(std::string_view bytes, std::size_t& position);

// The scroll bar of the data viewer: one step moves ten data lines.
struct LasScrollRange {
    int minimum = 0;
    int maximum = 0;
    int smallChange = 1;
    int largeChange = 2;
};

// The header as the Import LAS File dialog needs it.
struct LasHeader {
    double startDepth = 0.0;  // STRT
    double stopDepth = 0.0;   // STOP
    double nullValue = 0.0;   // NULL: a curve value equal to it is no data

    // The lines of the curve section, unchanged: entry 0 is the depth, entry k the curve in data
    // column k. An empty line is listed too; it stands for no column (curveColumns holds -1).
    std::vector<std::string> curveEntries;
    std::vector<int> curveColumns;

    std::size_t dataOffset = 0;    // bytes through the end of the line that begins "~A"
    std::size_t recordLength = 0;  // bytes of the first data line with its line end
    int dataLineCount = 0;         // data lines (lines longer than 2 characters)

    // What the dialog shows when it opens.
    std::string caption;         // "Import LAS File " and the path
    std::string startDepthText;  // the smaller of STRT and STOP
    std::string stopDepthText;   // the larger
    LasScrollRange scroll;
    int selectedCurve = 1;  // the first curve after the depth

    // The units of the depths, from the unit of STRT (".M", ".F" or ".FT" in any case): kMetric
    // or kEnglish; nothing for another unit or none.
    std::optional<int> depthUnits;

    int LastCurveIndex() const { return static_cast<int>(curveEntries.size()) - 1; }
    // The number of data columns: the curve entries that are not empty lines.
    int ColumnCount() const;
};

// Reads the header. Throws ImportError with the "File Format Error" title for a wrapped file and
// for any header that cannot be read (a missing item, a value that is no number, no data); the
// message is led by the file's name and names the cause.
LasHeader ReadLasHeader(const LasFile& file);

// Why the depth range chosen in the dialog cannot be imported, or nothing when it can: a start
// depth not above the end depth, or a range outside the file's depths. The reason names the
// file's depth range, so that the user can correct the range where it was typed.
std::optional<std::string> LasDepthRangeRefusal(const LasHeader& header, double start, double stop);

// What to tell the user before a LAS file whose depths are in other units than the project's is
// imported; nothing when they agree or the file names no unit of length it knows.
// `fileUnits` is LasHeader::depthUnits.
std::optional<std::string> LasUnitsMismatch(std::optional<int> fileUnits, int projectUnits);

// Whether a curve's unit is per foot ("US/F", "us/ft", "USEC/FOOT"): a sonic so given must be
// converted when the project is metric.
bool LasCurveIsPerFoot(const LasHeader& header, int curveIndex);

// The viewer text for a scroll value and a chosen curve entry: eleven lines from the data,
// starting ten lines per scroll step into the data section, each holding the depth column and
// the chosen column as they stand in the file, after an empty first line. Lines end in "\n".
std::string RefreshLasViewer(const LasFile& file, const LasHeader& header, int scrollValue,
                             int curveIndex);

// The list index of the curve whose mnemonic (the text of its entry before the first ".",
// blanks trimmed) is `mnemonic`, compared in any case.
std::optional<int> FindLasCurve(const LasHeader& header, std::string_view mnemonic);

// The well items of the header. An item that is absent stays empty.
struct LasWellItems {
    std::optional<std::string> company;  // COMP or CN
    std::optional<std::string> well;     // WELL or WN
    std::optional<std::string> uwi;
    std::optional<std::string> api;
    std::optional<std::string> county;    // CNTY or COUN
    std::optional<std::string> state;     // STAT or PROV
    std::optional<std::string> section;   // SECT
    std::optional<std::string> township;  // TOWN
    std::optional<std::string> range;     // RANG
    std::optional<double> kbElevation;    // EKB, when numeric
    std::optional<double> glElevation;    // EGL, when numeric
};

// What the user chose in the dialog.
struct LasCurveChoice {
    int curveIndex = 1;
    double startDepth = 0.0;
    double stopDepth = 0.0;
};

struct LasCurve {
    LasWellItems wellItems;
    DepthLog log;  // the kept pairs in file order; `decreasing` set when a depth fell
};

// Reads the well items and the depth-value pairs of the chosen curve. A pair is kept when its
// depth lies in the chosen range (limits included) and is not negative, and its value is neither
// NULL nor zero nor negative. Comment lines ("#") in the data are skipped. Throws ImportError
// (title "File Format Error"): "Error reading LAS file." led by the file's name and followed by
// the cause (a data line whose number of values differs from the number of curves, a value that
// is no number, a header item without its colon).
LasCurve ReadLasCurve(const LasFile& file, const LasHeader& header, const LasCurveChoice& choice,
                      ImportProgress& progress);

// Copies the well items into the record: the well name is the company and the well joined by one
// blank (the well alone without a company item); the UWI, or else the API number, is location
// entry 5. An absent item leaves its field as it was.
void ApplyLasWellItems(const LasWellItems& items, Project& project);

}  // namespace tessarin
