#pragma once

// A small SEG-Y survey written by segyio (Debian's python3-segyio) from a synthetic: every trace
// holds it 8 ms late, clean at one inline and crossline and under more noise the farther a trace
// lies from there, so that the trace a search must find is known.

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "engine/trace_value.h"
#include "model/sampled_trace.h"

namespace tessarin::test {

// The inlines and crosslines of the traces, in file order; along a 2D line the inline is 0.
using TraceLines = std::vector<std::pair<int, int>>;

// Writes `file` with 450 IEEE float samples at 4 ms from 0 s in each trace, the lines at bytes
// 189 and 193; false when the writer fails. Its working files go beside `file`.
inline bool WriteNoisySurvey(const std::filesystem::path& file, const SampledTrace& synthetic,
                             const TraceLines& lines, std::pair<int, int> clean) {
    double power = 0;
    for (const double v : synthetic.values) {
        power += v * v / static_cast<double>(synthetic.values.size());
    }
    std::mt19937 random(3);
    const std::filesystem::path rows = file.string() + ".txt", script = file.string() + ".py";
    std::ofstream out(rows);
    for (const auto& [il, xl] : lines) {
        const double noise =
            std::sqrt(power) * (std::abs(il - clean.first) + std::abs(xl - clean.second));
        out << il << " " << xl;
        for (int i = 0; i < 450; ++i) {
            const double v = TraceValueAt(synthetic, 0.004 * i - 0.008).value_or(0.0);
            out << " " << v + noise * (random() / 4294967296.0 - 0.5);
        }
        out << "\n";
    }
    out.close();
    std::ofstream(script) << R"(import sys, types, numpy as np, segyio
rows = np.loadtxt(sys.argv[2], ndmin=2)
n = rows.shape[1] - 2
layout = types.SimpleNamespace(iline=189, ilines=None, xline=193, xlines=None, offsets=[1],
                               ext_headers=0, sorting=None, format=5, endian="big",
                               samples=range(n), tracecount=len(rows))
with segyio.create(sys.argv[1], layout) as f:
    f.bin.update(hdt=4000, hns=n)
    for i, row in enumerate(rows):
        f.header[i] = {segyio.su.iline: int(row[0]), segyio.su.xline: int(row[1]),
                       segyio.su.dt: 4000, segyio.su.ns: n}
        f.trace[i] = row[2:].astype(np.float32)
)";
    const std::string write = "/usr/bin/python3 '" + script.string() + "' '" + file.string() +
                              "' '" + rows.string() + "'";
    return std::system(write.c_str()) == 0;
}

// Inlines `firstInline` to `lastInline` by crosslines `firstCrossline` to `lastCrossline`.
inline TraceLines VolumeLines(int firstInline, int lastInline, int firstCrossline,
                              int lastCrossline) {
    TraceLines lines;
    for (int il = firstInline; il <= lastInline; ++il) {
        for (int xl = firstCrossline; xl <= lastCrossline; ++xl) {
            lines.emplace_back(il, xl);
        }
    }
    return lines;
}

}  // namespace tessarin::test
