#include "files/segy_reader.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <filesystem>
#include <limits>
#include <mutex>
#include <utility>

#include "model/error.h"
#include "model/numeric.h"

namespace tessarin {
namespace {

constexpr int kLastFourByteStart = kSegyTraceHeaderBytes - 3;

void CheckLineBytes(const SegyLineBytes& bytes) {
    for (const auto& [byte, what] :
         {std::pair(bytes.inlineByte, "inline"), std::pair(bytes.crosslineByte, "crossline")}) {
        if (byte < 1 || byte > kLastFourByteStart) {
            throw Error("The " + std::string(what) + " byte position " + std::to_string(byte) +
                        " lies outside the trace header: a 4-byte number starts at byte 1 to " +
                        std::to_string(kLastFourByteStart) + ".");
        }
    }
}

// The geometries found lately, so that reading trace after trace of one volume (the dialog's
// preview, a search around the well) reads each trace's header and samples alone. A geometry is
// taken again for the same file, line bytes and coordinates at the same size and modification
// time with the same first and last trace headers; a trace that does not stand where it says
// throws it away (StaleGeometry) and the geometry is found afresh.
struct GeometryKey {
    std::string path;
    int inlineByte = 0;
    int crosslineByte = 0;
    TraceCoordinates coordinates = TraceCoordinates::kCdp;
    long long size = 0;
    long long modified = 0;
    SegyTraceHeader first{};
    SegyTraceHeader last{};

    bool operator==(const GeometryKey&) const = default;
};

class GeometryCache {
public:
    std::optional<std::optional<SegyGeometry>> Find(const GeometryKey& key) {
        const std::lock_guard lock(mutex_);
        for (const auto& [k, geometry] : entries_) {
            if (k == key) {
                return geometry;
            }
        }
        return std::nullopt;
    }
    void Keep(const GeometryKey& key, const std::optional<SegyGeometry>& geometry) {
        const std::lock_guard lock(mutex_);
        Drop(key);
        entries_.emplace_front(key, geometry);
        if (entries_.size() > kEntries) {
            entries_.pop_back();
        }
    }
    void Forget(const GeometryKey& key) {
        const std::lock_guard lock(mutex_);
        Drop(key);
    }

private:
    static constexpr std::size_t kEntries = 8;
    void Drop(const GeometryKey& key) {
        std::erase_if(entries_, [&](const auto& entry) { return entry.first == key; });
    }
    std::mutex mutex_;
    std::deque<std::pair<GeometryKey, std::optional<SegyGeometry>>> entries_;
};

GeometryCache& Geometries() {
    static GeometryCache cache;
    return cache;
}

struct StaleGeometry {};

// A file opened for reading, and its geometry once asked for when it is a regular volume.
class OpenedSegy {
public:
    OpenedSegy(const std::string& path, const SegyLineBytes& bytes, TraceCoordinates coordinates)
        : file_(path), bytes_(bytes), coordinates_(coordinates) {}

    const SegyFile& File() const { return file_; }
    const SegyLayout& Layout() const { return file_.Layout(); }
    const SegyLineBytes& Bytes() const { return bytes_; }
    std::string Named() const { return "The file \"" + file_.Layout().path + "\""; }

    const std::optional<SegyGeometry>& Geometry() {
        if (found_) {
            return geometry_;
        }
        found_ = true;
        key_ = Key();
        if (key_ && !fresh_) {
            if (auto kept = Geometries().Find(*key_)) {
                geometry_ = std::move(*kept);
                cached_ = true;
                return geometry_;
            }
        }
        geometry_ = FindSegyGeometry(file_, bytes_, coordinates_);
        if (key_) {
            Geometries().Keep(*key_, geometry_);
        }
        return geometry_;
    }

    // A trace was not where the geometry put it. A geometry kept from an earlier reading is
    // thrown away and StaleGeometry thrown, for the caller to start again with one found afresh;
    // a fresh one stands, and the caller searches the headers.
    void Misplaced() {
        if (cached_) {
            Geometries().Forget(*key_);
            found_ = cached_ = false;
            fresh_ = true;
            throw StaleGeometry{};
        }
    }

    SegyHeaderValues Values(const SegyTraceHeader& header) const {
        return DecodeSegyHeader(header, bytes_, coordinates_, file_.Layout().littleEndian);
    }
    SegyHeaderValues Values(long long index) const { return Values(file_.Header(index)); }

    // Runs `visit(index, values)` over the trace headers in file order until it returns false.
    template <class Visit>
    void ForEachHeader(Visit&& visit) const {
        for (long long i = 0; i < Layout().traceCount; ++i) {
            if (!visit(i, Values(i))) {
                return;
            }
        }
    }

private:
    std::optional<GeometryKey> Key() const {
        const SegyLayout& layout = file_.Layout();
        std::error_code error;
        const auto modified = std::filesystem::last_write_time(layout.path, error);
        if (error || layout.traceCount < 1) {
            return std::nullopt;
        }
        return GeometryKey{std::filesystem::absolute(layout.path, error).string(),
                           bytes_.inlineByte,
                           bytes_.crosslineByte,
                           coordinates_,
                           layout.firstTraceOffset +
                               layout.traceCount * (kSegyTraceHeaderBytes + layout.traceDataBytes),
                           static_cast<long long>(modified.time_since_epoch().count()),
                           file_.Header(0),
                           file_.Header(layout.traceCount - 1)};
    }

    SegyFile file_;
    SegyLineBytes bytes_;
    TraceCoordinates coordinates_;
    bool found_ = false;
    bool cached_ = false;
    bool fresh_ = false;
    std::optional<GeometryKey> key_;
    std::optional<SegyGeometry> geometry_;
};

// Runs `read` and hands back its value, or the message of whatever stopped it.
template <class T, class Read>
ReadResult<T> Guarded(const std::string& path, Read&& read) {
    try {
        return ReadResult<T>::Of(read());
    } catch (const Error& e) {
        return ReadResult<T>::Failure(e.what());
    }
#ifndef TESSARIN_FUZZING
    // Anything else (memory running out, say) is still only a file that could not be read. A
    // fuzzing build lets it through: it would be a fault of the reader's own.
    catch (const std::exception& e) {
        return ReadResult<T>::Failure("The file \"" + path + "\" cannot be read: " + e.what());
    }
#endif
}

std::string Milliseconds(int microseconds) {
    return PlainNumber(microseconds / 1000.0) + " ms";
}

}  // namespace

SegyTraceChoice SegyTraceChoice::AtLines(int inlineNumber, int crosslineNumber) {
    SegyTraceChoice choice;
    choice.by = By::kLines;
    choice.inlineNumber = inlineNumber;
    choice.crosslineNumber = crosslineNumber;
    return choice;
}

SegyTraceChoice SegyTraceChoice::Number(long long traceNumber) {
    SegyTraceChoice choice;
    choice.traceNumber = traceNumber;
    return choice;
}

SegyTraceChoice SegyTraceChoice::NearestTo(double x, double y) {
    SegyTraceChoice choice;
    choice.by = By::kNearest;
    choice.x = x;
    choice.y = y;
    return choice;
}

double SegySampleInterval(const SegyLayout& layout, double overrideMs) {
    if (std::isfinite(overrideMs) && overrideMs > 0) {
        return overrideMs / 1000.0;
    }
    const int binary = layout.binaryIntervalUs;
    const int trace = layout.traceIntervalUs;
    const std::string named = "The file \"" + layout.path + "\"";
    if (binary == 0 && trace == 0) {
        throw Error(named +
                    " gives no sample interval, neither in its binary header nor in its first "
                    "trace header: give the interval to use.");
    }
    if (binary != 0 && trace != 0 && binary != trace) {
        throw Error(named + " gives two sample intervals: " + Milliseconds(binary) +
                    " in its binary header and " + Milliseconds(trace) +
                    " in its first trace header; give the interval to use.");
    }
    return (binary != 0 ? binary : trace) / 1000000.0;
}

SegyTraceChoice SegyTraceChoice::InterpolatedAt(double x, double y) {
    SegyTraceChoice choice = NearestTo(x, y);
    choice.by = By::kInterpolated;
    return choice;
}

ReadResult<SegySummary> ScanSegy(const std::string& path, const SegyLineBytes& lineBytes,
                                 TraceCoordinates coordinates) {
    return Guarded<SegySummary>(path, [&] {
        CheckLineBytes(lineBytes);
        OpenedSegy file(path, lineBytes, coordinates);
        SegySummary s;
        s.layout = file.Layout();
        s.lineBytes = lineBytes;
        s.coordinates = coordinates;
        s.geometry = file.Geometry();
        s.coordinateScalar =
            SegyCoordinateScalar(file.File().Header(0), file.Layout().littleEndian);
        auto take = [&s, first = true](const SegyHeaderValues& h) mutable {
            if (first) {
                s.firstInline = s.lastInline = h.inlineNumber;
                s.firstCrossline = s.lastCrossline = h.crosslineNumber;
                s.minX = s.maxX = h.x;
                s.minY = s.maxY = h.y;
                first = false;
            }
            s.firstInline = std::min(s.firstInline, h.inlineNumber);
            s.lastInline = std::max(s.lastInline, h.inlineNumber);
            s.firstCrossline = std::min(s.firstCrossline, h.crosslineNumber);
            s.lastCrossline = std::max(s.lastCrossline, h.crosslineNumber);
            s.minX = std::min(s.minX, h.x);
            s.maxX = std::max(s.maxX, h.x);
            s.minY = std::min(s.minY, h.y);
            s.maxY = std::max(s.maxY, h.y);
        };
        if (s.geometry) {
            // The lines run evenly between the corners; X and Y, on a grid, lie within them.
            for (const SegyHeaderValues& corner : s.geometry->corners) {
                take(corner);
            }
        } else {
            file.ForEachHeader([&](long long, const SegyHeaderValues& h) {
                take(h);
                return true;
            });
        }
        return s;
    });
}

namespace {

std::string Range(double low, double high) {
    return PlainNumber(low) + " to " + PlainNumber(high);
}

// The summary's lines of where the traces stand: the geometry, the lines' ranges (a volume's with
// their steps), the X and Y ranges and a volume's corners.
void DescribePlaces(const SegySummary& s, std::vector<std::string>& lines) {
    const std::string inlines = "Inlines (byte " + std::to_string(s.lineBytes.inlineByte) + "): ";
    const std::string crosslines =
        "Crosslines (byte " + std::to_string(s.lineBytes.crosslineByte) + "): ";
    const std::string xy = s.coordinates == TraceCoordinates::kSource ? "Source" : "CDP";
    const auto& g = s.geometry;
    if (!g) {
        lines.push_back("Geometry: a list of traces, not a regular 3D volume");
        lines.push_back(inlines + Range(s.firstInline, s.lastInline));
        lines.push_back(crosslines + Range(s.firstCrossline, s.lastCrossline));
    } else {
        const auto stepped = [](const SegyLines& lines) {
            return std::to_string(lines.first) + " to " + std::to_string(lines.Last()) + ", step " +
                   std::to_string(lines.step);
        };
        lines.push_back(std::string("Geometry: 3D volume sorted by ") +
                        (g->sorting == SegyGeometry::Sorting::kInline ? "inline" : "crossline") +
                        ", " + std::to_string(g->inlines.count) + " inlines by " +
                        std::to_string(g->crosslines.count) + " crosslines");
        lines.push_back(inlines + stepped(g->inlines));
        lines.push_back(crosslines + stepped(g->crosslines));
    }
    lines.push_back(xy + " X: " + Range(s.minX, s.maxX));
    lines.push_back(xy + " Y: " + Range(s.minY, s.maxY));
    if (!g) {
        return;
    }
    for (const SegyHeaderValues& c : g->corners) {
        lines.push_back("Corner inline " + std::to_string(c.inlineNumber) + ", crossline " +
                        std::to_string(c.crosslineNumber) + ": X " + PlainNumber(c.x) + ", Y " +
                        PlainNumber(c.y));
    }
    if (!g->mapped) {
        lines.push_back(
            "The corners do not span a grid in X and Y: the trace nearest the well is found "
            "among all the traces, and no traces are blended.");
    }
}

}  // namespace

std::vector<std::string> DescribeSegy(const SegySummary& s) {
    const SegyLayout& l = s.layout;
    const auto interval = [](int us) { return us == 0 ? std::string("none") : Milliseconds(us); };
    std::vector<std::string> lines = {
        "Traces: " + std::to_string(l.traceCount),
        "Samples per trace: " + std::to_string(l.sampleCount),
        "Sample interval: " + interval(l.binaryIntervalUs) + " (binary header), " +
            interval(l.traceIntervalUs) + " (first trace header)",
        "Sample format: " + SegyFormatName(l.format) + ", " +
            (l.littleEndian ? "little-endian" : "big-endian"),
        "First sample time: " + std::to_string(l.firstTraceDelayMs) + " ms",
    };
    DescribePlaces(s, lines);
    lines.push_back("Coordinate scalar (bytes 71-72): " + std::to_string(s.coordinateScalar));
    lines.insert(lines.end(), l.notes.begin(), l.notes.end());
    return lines;
}

namespace {

std::string LinesText(const SegyLines& lines) {
    return std::to_string(lines.first) + " to " + std::to_string(lines.Last()) + " in steps of " +
           std::to_string(lines.step);
}

std::string AtLinesText(int inlineNumber, int crosslineNumber) {
    return "inline " + std::to_string(inlineNumber) + ", crossline " +
           std::to_string(crosslineNumber);
}

// The header of trace `index` where a volume's geometry puts inline and crossline index i and j,
// checked against its own line numbers; nothing when they differ.
std::optional<SegyHeaderValues> GridTrace(const OpenedSegy& file, const SegyGeometry& g, int i,
                                          int j) {
    const SegyHeaderValues h = file.Values(g.TraceIndex(i, j));
    if (h.inlineNumber != g.inlines.Number(i) || h.crosslineNumber != g.crosslines.Number(j)) {
        return std::nullopt;
    }
    return h;
}

// The trace of a volume nearest (x, y): the one the corners' affine map places there, or one of
// its eight neighbours. Nothing when a header read does not stand where the geometry says.
std::optional<std::pair<long long, double>> NearestOnGrid(const OpenedSegy& file,
                                                          const SegyGeometry& g, double x,
                                                          double y) {
    const auto [fi, fj] = *g.IndicesAt(x, y);
    if (!std::isfinite(fi) || !std::isfinite(fj)) {
        return std::nullopt;
    }
    const auto centre = [](double index, int count) {
        return static_cast<int>(std::lround(std::clamp(index, 0.0, count - 1.0)));
    };
    const int ci = centre(fi, g.inlines.count);
    const int cj = centre(fj, g.crosslines.count);
    long long found = -1;
    double nearest = std::numeric_limits<double>::infinity();
    for (int i = std::max(ci - 1, 0); i <= std::min(ci + 1, g.inlines.count - 1); ++i) {
        for (int j = std::max(cj - 1, 0); j <= std::min(cj + 1, g.crosslines.count - 1); ++j) {
            const std::optional<SegyHeaderValues> h = GridTrace(file, g, i, j);
            if (!h) {
                return std::nullopt;
            }
            const long long index = g.TraceIndex(i, j);
            const double d = std::hypot(h->x - x, h->y - y);
            // As the scan does, the first in file order of equally near traces.
            if (d < nearest || (d == nearest && index < found)) {
                nearest = d;
                found = index;
            }
        }
    }
    return std::pair{found, nearest};
}

// The index of the trace at the chosen lines: where a volume's geometry puts it, or else found
// among the headers. Throws Error when there is none.
long long TraceAtLines(OpenedSegy& file, const SegyTraceChoice& choice) {
    const SegyLineBytes& bytes = file.Bytes();
    const std::string missing = file.Named() + " holds no trace at " +
                                AtLinesText(choice.inlineNumber, choice.crosslineNumber) +
                                " (bytes " + std::to_string(bytes.inlineByte) + " and " +
                                std::to_string(bytes.crosslineByte) + ")";
    if (const auto& g = file.Geometry()) {
        const std::optional<int> i = g->inlines.IndexOf(choice.inlineNumber);
        const std::optional<int> j = g->crosslines.IndexOf(choice.crosslineNumber);
        if (!i || !j) {
            throw Error(missing + ": its inlines run " + LinesText(g->inlines) +
                        ", its crosslines " + LinesText(g->crosslines) + ".");
        }
        if (GridTrace(file, *g, *i, *j)) {
            return g->TraceIndex(*i, *j);
        }
        // Not where the geometry says: the headers are searched as for a list.
        file.Misplaced();
    }
    long long found = -1;
    file.ForEachHeader([&](long long i, const SegyHeaderValues& h) {
        found = h.inlineNumber == choice.inlineNumber && h.crosslineNumber == choice.crosslineNumber
                    ? i
                    : -1;
        return found < 0;
    });
    if (found < 0) {
        throw Error(missing + ".");
    }
    return found;
}

// The index of the trace nearest the chosen position and its distance: among a volume's traces
// around where its corners place the position, or else among all the headers.
std::pair<long long, double> NearestTrace(OpenedSegy& file, const SegyTraceChoice& choice) {
    if (const auto& g = file.Geometry(); g && g->mapped) {
        if (const auto onGrid = NearestOnGrid(file, *g, choice.x, choice.y)) {
            return *onGrid;
        }
        file.Misplaced();
    }
    long long found = -1;
    double nearest = std::numeric_limits<double>::infinity();
    file.ForEachHeader([&](long long i, const SegyHeaderValues& h) {
        const double d = std::hypot(h.x - choice.x, h.y - choice.y);
        if (d < nearest) {
            nearest = d;
            found = i;
        }
        return true;
    });
    return {found, nearest};
}

// The index of the chosen trace, and its distance from the given position when it is the
// nearest. Throws Error when no trace fits the choice.
std::pair<long long, double> FindTrace(OpenedSegy& file, const SegyTraceChoice& choice) {
    const SegyLayout& layout = file.Layout();
    switch (choice.by) {
        case SegyTraceChoice::By::kNumber:
            if (choice.traceNumber < 1 || choice.traceNumber > layout.traceCount) {
                throw Error(file.Named() + " holds traces 1 to " +
                            std::to_string(layout.traceCount) + ", not trace " +
                            std::to_string(choice.traceNumber) + ".");
            }
            return {choice.traceNumber - 1, 0.0};
        case SegyTraceChoice::By::kLines:
            return {TraceAtLines(file, choice), 0.0};
        case SegyTraceChoice::By::kNearest:
        case SegyTraceChoice::By::kInterpolated:
            return NearestTrace(file, choice);
    }
    return {-1, 0.0};
}

SegyTrace TraceAt(const OpenedSegy& file, long long index, double interval) {
    const SegyLayout& layout = file.Layout();
    const SegyTraceHeader header = file.File().Header(index);
    const SegyHeaderValues values = file.Values(header);
    SegyTrace t;
    t.trace.firstTime = HeaderInteger(header.data(), 109, 2, layout.littleEndian) / 1000.0;
    t.trace.interval = interval;
    t.trace.values = file.File().Samples(index);
    t.traceNumber = index + 1;
    t.inlineNumber = values.inlineNumber;
    t.crosslineNumber = values.crosslineNumber;
    t.x = values.x;
    t.y = values.y;
    return t;
}

// Where the well stands among a volume's lines: the first inline and crossline index of the
// four traces around it and its fractions of the way to the next, and its fractional line
// numbers.
struct BlendPlace {
    int i0 = 0;
    int j0 = 0;
    double ti = 0;
    double tj = 0;
    double inlinePosition = 0;
    double crosslinePosition = 0;
};

// Throws Error when the file is no volume, its corners span no grid or the well lies outside.
BlendPlace PlaceAmongLines(OpenedSegy& file, const SegyTraceChoice& choice) {
    const std::string named = file.Named();
    const auto& g = file.Geometry();
    if (!g) {
        throw Error(named +
                    " holds no regular 3D volume (its traces sorted by inline or by crossline, "
                    "every inline with every crossline, in even steps), so there are no four "
                    "traces around the well to blend; choose the trace nearest the well.");
    }
    if (!g->mapped) {
        throw Error(named +
                    ": the X and Y of its corner traces do not span a grid, so the well cannot "
                    "be placed among its lines; choose the trace nearest the well.");
    }
    const auto [fi, fj] = *g->IndicesAt(choice.x, choice.y);
    const double inlinePosition = g->inlines.first + fi * g->inlines.step;
    const double crosslinePosition = g->crosslines.first + fj * g->crosslines.step;
    constexpr double kSlack = 1e-9;
    const int lastI = g->inlines.count - 1;
    const int lastJ = g->crosslines.count - 1;
    if (!(fi >= -kSlack && fi <= lastI + kSlack && fj >= -kSlack && fj <= lastJ + kSlack)) {
        throw Error(named + ": the well at X " + PlainNumber(choice.x) + ", Y " +
                    PlainNumber(choice.y) + " lies outside its volume, at inline " +
                    FormatPattern(inlinePosition, "0.00") + ", crossline " +
                    FormatPattern(crosslinePosition, "0.00") +
                    ": there are no four traces around it to blend.");
    }
    const double ci = std::clamp(fi, 0.0, static_cast<double>(lastI));
    const double cj = std::clamp(fj, 0.0, static_cast<double>(lastJ));
    const int i0 = std::min(static_cast<int>(std::floor(ci)), lastI - 1);
    const int j0 = std::min(static_cast<int>(std::floor(cj)), lastJ - 1);
    return {i0, j0, ci - i0, cj - j0, inlinePosition, crosslinePosition};
}

// The bilinear blend of the four traces of a volume around (x, y), weighed by the well's
// fractional inline and crossline indices from the corners' affine map.
SegyTrace Blend(OpenedSegy& file, const SegyTraceChoice& choice, double interval) {
    const auto [i0, j0, ti, tj, inlinePosition, crosslinePosition] = PlaceAmongLines(file, choice);
    const std::string named = file.Named();
    const auto& g = file.Geometry();
    const std::pair<int, int> around[] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
    const double weights[] = {(1 - ti) * (1 - tj), ti * (1 - tj), (1 - ti) * tj, ti * tj};
    SegyTrace blend;
    double heaviest = -1;
    for (std::size_t k = 0; k < 4; ++k) {
        const int i = i0 + around[k].first;
        const int j = j0 + around[k].second;
        const long long index = g->TraceIndex(i, j);
        SegyTrace t = TraceAt(file, index, interval);
        if (t.inlineNumber != g->inlines.Number(i) ||
            t.crosslineNumber != g->crosslines.Number(j)) {
            file.Misplaced();
            throw Error(named + " is not the regular volume its corners make it: trace " +
                        std::to_string(index + 1) + " holds " +
                        AtLinesText(t.inlineNumber, t.crosslineNumber) + ", not " +
                        AtLinesText(g->inlines.Number(i), g->crosslines.Number(j)) +
                        ", so the traces around the well cannot be found.");
        }
        if (k == 0) {
            blend.trace = t.trace;
            std::ranges::fill(blend.trace.values, 0.0);
        } else if (t.trace.firstTime != blend.trace.firstTime) {
            throw Error(named + ": the traces around the well start at different times (" +
                        PlainNumber(blend.trace.firstTime * 1000) + " ms and " +
                        PlainNumber(t.trace.firstTime * 1000) + " ms), so they cannot be blended.");
        }
        for (std::size_t s = 0; s < t.trace.values.size(); ++s) {
            blend.trace.values[s] += weights[k] * t.trace.values[s];
        }
        if (weights[k] > heaviest) {
            heaviest = weights[k];
            blend.traceNumber = t.traceNumber;
            blend.inlineNumber = t.inlineNumber;
            blend.crosslineNumber = t.crosslineNumber;
            blend.x = t.x;
            blend.y = t.y;
        }
    }
    blend.inlinePosition = inlinePosition;
    blend.crosslinePosition = crosslinePosition;
    return blend;
}

}  // namespace

ReadResult<SegyTrace> ReadSegyTrace(const std::string& path, const SegyTraceChoice& choice,
                                    const SegyReadOptions& options) {
    return Guarded<SegyTrace>(path, [&] {
        CheckLineBytes(options.lineBytes);
        OpenedSegy file(path, options.lineBytes, options.coordinates);
        const double interval = SegySampleInterval(file.Layout(), options.intervalMs);
        const auto read = [&] {
            if (choice.by == SegyTraceChoice::By::kInterpolated) {
                return Blend(file, choice, interval);
            }
            const auto [index, distance] = FindTrace(file, choice);
            SegyTrace t = TraceAt(file, index, interval);
            t.distance = distance;
            return t;
        };
        try {
            return read();
        } catch (const StaleGeometry&) {
            return read();  // with the geometry found afresh, which Misplaced never throws
        }
    });
}

}  // namespace tessarin
