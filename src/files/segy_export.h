#pragma once

// The SEG-Y export: the synthetic trace repeated as many times as asked, in a file of normal and
// a file of reverse polarity. Each file has a 3200-byte EBCDIC text header describing well, datum,
// wavelet and impedance, a 400-byte binary header and a 240-byte header per trace; integers are
// big-endian and samples IBM floats (format code 1), in SEG-Y revision 1 positions.

#include <ostream>
#include <string>
#include <vector>

#include "model/project.h"

namespace tessarin {

enum class Polarity { kNormal, kReverse };

// Where the synthetic lies in a trace whose time zero is the seismic datum.
struct SegyTraceLayout {
    double datumOffset = 0.0;  // t: the first sample's time below the datum in samples, in
                               // hundredths cut toward minus infinity
    int pad = 0;               // Int(t)
    double fraction = 0.0;     // t - pad, 0 to below 1
    int sampleCount = 0;       // samples per trace
    int sampleIntervalUs = 0;  // two-way sample interval, microseconds
};

inline constexpr int kSegyMaxSamples = 32767;  // the binary header's 16-bit field

// The trace layout of the project's synthetic. Throws Error when there is no computed synthetic,
// when the trace would be longer than kSegyMaxSamples, or when the log starts so far above the
// datum that the trace would have no samples.
SegyTraceLayout PlanSegyTrace(const Project& project);

// The 40 cards of the text header as ASCII, 3200 characters, before translation to EBCDIC.
std::string SegyTextCards(const Project& project, Polarity polarity);

// The values of one trace, whose time zero is the seismic datum: slot i holds the synthetic at
// two-way time i x dt below the datum, interpolated linearly between its two neighbouring samples
// (the datum offset being cut to hundredths of a sample). Slots earlier than the first sample hold
// 0; samples above the datum are left out.
std::vector<double> SegyTraceValues(const Project& project, const SegyTraceLayout& layout,
                                    Polarity polarity);

// Writes a whole SEG-Y file with `traceCount` identical traces (none when it is 0 or less).
void WriteSegy(const Project& project, Polarity polarity, int traceCount, std::ostream& out);

// WriteSegy into the file at `path`, which is replaced only when the whole file has been
// written. Throws Error (naming the file when it cannot be written).
void ExportSegyFile(const Project& project, Polarity polarity, int traceCount,
                    const std::string& path);

// The name the save dialog proposes: the project file's name without ".tsp", followed by
// "normal.sgy" or "reverse.sgy".
std::string ProposedSegyName(const Project& project, Polarity polarity);

}  // namespace tessarin
