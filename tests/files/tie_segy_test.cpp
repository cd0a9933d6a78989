// The tie end to end: a seismic trace made from a real well's synthetic with a known shift, phase
// and noise, written by segyio in several formats and byte orders, read back through the reader;
// the tie must find the shift and the phase again.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <random>

#include "core_test_support.h"
#include "engine/auto_stretch.h"
#include "engine/project_tie.h"
#include "engine/stretch.h"
#include "engine/synthetic.h"
#include "engine/synthetic_trace.h"
#include "engine/tie.h"
#include "engine/trace_value.h"
#include "engine/wavelet.h"
#include "files/open_project.h"
#include "files/segy_reader.h"
#include "model/numeric.h"
#include "model/settings.h"

namespace tessarin::test {
namespace {

// Debian's python3-segyio 1.8.3 handles 2-byte samples in pairs: it leaves out the last of an odd
// count, and in a little-endian file it swaps the two samples of each pair. The traces here have
// an even count, and the samples of a little-endian 2-byte file are written by the script itself.
constexpr const char* kWriter = R"(import sys, types, numpy as np, segyio
out, fmt, endian, delay, dt = sys.argv[1], int(sys.argv[2]), sys.argv[3], int(sys.argv[4]), int(sys.argv[5])
values = np.loadtxt(sys.argv[6])
if fmt == 3:
    values = np.round(values / np.abs(values).max() * 30000).astype(np.int16)
layout = types.SimpleNamespace(iline=189, ilines=None, xline=193, xlines=None, offsets=[1],
                               ext_headers=0, sorting=None, format=fmt, endian=endian,
                               samples=range(len(values)), tracecount=1)
with segyio.create(out, layout) as f:
    f.bin.update(hdt=dt, hns=len(values))
    f.header[0] = {segyio.su.delrt: delay, segyio.su.dt: dt, segyio.su.ns: len(values)}
    f.trace[0] = values.astype(np.float32) if fmt != 3 else values
if fmt == 3 and endian == "little":
    with open(out, "r+b") as f:
        f.seek(3600 + 240)
        f.write(values.astype("<i2").tobytes())
)";

// F03-4's synthetic with its bandpass wavelet turned to `phase`, taken to start at 100 ms (a
// whole number of milliseconds, as a SEG-Y trace starts).
SampledTrace WellSynthetic(const std::string& phase) {
    Project p;
    OpenProjectFile(p, MemorySettingsStore(), DataPath("f03_4_display.tsp"));
    p.phaseDegrees = Value::Text(phase);
    MakeBandpassWavelet(p);
    EXPECT_EQ(RecomputeSynthetic(p), std::nullopt);
    SampledTrace synthetic = SyntheticTrace(p);
    synthetic.firstTime = 0.1;
    return synthetic;
}

TEST(TieFromSegy, FindsTheShiftAndPhaseInEveryFormatAndByteOrder) {
    const SampledTrace synthetic = WellSynthetic("0");
    // The seismic: the synthetic of phase +40, 12 ms later, every other sample (4 ms), with noise
    // of a fifth of its RMS amplitude.
    const SampledTrace turned = WellSynthetic("40");
    double power = 0;
    for (const double v : turned.values) {
        power += v * v / static_cast<double>(turned.values.size());
    }
    std::mt19937 random(7);
    TempDir dir;
    std::ofstream samples(dir.File("samples.txt"));
    for (std::size_t k = 0; k < turned.values.size() / 4 * 2; ++k) {
        const double noise = (random() / 4294967296.0 - 0.5) * std::sqrt(12 * power) / 5;
        samples << turned.values[2 * k] + noise << "\n";
    }
    samples.close();
    std::ofstream(dir.File("writer.py")) << kWriter;

    for (const auto& [format, endian] : {std::pair{1, "big"},
                                         {1, "little"},
                                         {3, "big"},
                                         {3, "little"},
                                         {5, "big"},
                                         {5, "little"}}) {
        SCOPED_TRACE(testing::Message() << "format " << format << ", " << endian);
        const std::string path = dir.File("seismic.sgy");
        const std::string command = "/usr/bin/python3 " + dir.File("writer.py") + " " + path + " " +
                                    std::to_string(format) + " " + endian + " 112 4000 " +
                                    dir.File("samples.txt");
        ASSERT_EQ(std::system(command.c_str()), 0);
        const auto seismic = ReadSegyTrace(path, SegyTraceChoice::Number(1));
        ASSERT_TRUE(seismic) << seismic.message;
        const TieMeasures tie = MeasureTie(synthetic, seismic.value->trace);
        EXPECT_NEAR(tie.bestPhase.lag, 0.012, 0.0005);
        EXPECT_NEAR(tie.bestPhase.phaseDegrees, 40, 3);
        EXPECT_GT(tie.bestPhase.r, 0.9);
        EXPECT_GT(tie.bestFit.pep, 0.8);
        EXPECT_LT(tie.zeroLagR, 0.5);
    }
}

TEST(TieFromSegy, BestPhaseIsThatOfTheBandpassWaveletThatTies) {
    const SampledTrace zero = WellSynthetic("0");
    for (const double phase : {90.0, -135.0}) {
        const TieMeasures tie = MeasureTie(zero, WellSynthetic(PlainNumber(phase)));
        EXPECT_NEAR(tie.bestPhase.phaseDegrees, phase, 2);
        EXPECT_NEAR(tie.bestPhase.lag, 0, 0.0005) << phase;
        EXPECT_GT(tie.bestPhase.r, 0.98) << phase;
        // The curve of r against phase peaks there, and turns to -r half a turn away.
        ASSERT_EQ(tie.phaseR.size(), 360u);
        const auto peak = std::ranges::max_element(tie.phaseR) - tie.phaseR.begin();
        EXPECT_NEAR(static_cast<double>(peak) - 180, phase, 2);
        EXPECT_NEAR(tie.phaseR[static_cast<std::size_t>(peak)], tie.bestPhase.r, 0.01);
        EXPECT_NEAR(tie.phaseR[static_cast<std::size_t>((peak + 180) % 360)], -tie.bestPhase.r,
                    0.01);
    }
}

// A drift that no bulk shift fits: 0 at 0.4 s growing to 20 ms at 1.65 s, with a bump of 4 ms
// around 1 s.
double Drift(double t) {
    const double ramp = 0.020 * std::clamp((t - 0.4) / 1.25, 0.0, 1.0);
    return ramp + 0.004 * std::exp(-std::pow((t - 1.0) / 0.1, 2) / 2);
}

TEST(TieFromSegy, AutoStretchRecoversADriftAndTiesTheWell) {
    Project p;
    OpenProjectFile(p, MemorySettingsStore(), DataPath("f03_4_display.tsp"));
    ASSERT_EQ(RecomputeSynthetic(p), std::nullopt);
    const SampledTrace synthetic = SyntheticTrace(p);
    // The seismic at 4 ms from 0 to 2 s: each event of the synthetic at t lies at t + Drift(t),
    // with noise of a fifth of the synthetic's RMS amplitude in the tie window.
    double power = 0;
    for (int i = 150; i < 800; ++i) {
        power += std::pow(synthetic.values[static_cast<std::size_t>(i)], 2) / 650;
    }
    std::mt19937 random(11);
    TempDir dir;
    std::ofstream samples(dir.File("samples.txt"));
    for (int k = 0; k < 500; ++k) {
        double t = 0.004 * k;
        for (int pass = 0; pass < 20; ++pass) {
            t = 0.004 * k - Drift(t);
        }
        const double noise = (random() / 4294967296.0 - 0.5) * std::sqrt(12 * power) / 5;
        samples << TraceValueAt(synthetic, t).value_or(0.0) + noise << "\n";
    }
    samples.close();
    std::ofstream(dir.File("writer.py")) << kWriter;
    const std::string command = "/usr/bin/python3 " + dir.File("writer.py") + " " +
                                dir.File("drift.sgy") + " 1 big 0 4000 " + dir.File("samples.txt");
    ASSERT_EQ(std::system(command.c_str()), 0);
    const auto seismic = ReadSegyTrace(dir.File("drift.sgy"), SegyTraceChoice::Number(1));
    ASSERT_TRUE(seismic) << seismic.message;
    p.tie = SeismicTie{};
    p.tie->trace = seismic.value->trace;
    p.tie->window = {TieWindowChoice::By::kTimes, 0.4, 1.65, "", ""};

    const AutoStretchResult stretch = AutoStretch(p);
    EXPECT_LT(stretch.rBefore, 0.8);
    EXPECT_GT(stretch.rAfter, 0.95);
    EXPECT_EQ(stretch.kneeSpacing, 0.1);
    EXPECT_LE(stretch.largestStrain, 0.05);
    // The warping's ends are free, held only by the few samples inside them: within 1 ms from
    // 50 ms inside the window, within 3 ms at its ends.
    for (double t = 0.4; t <= 1.65; t += 0.01) {
        const bool inside = t > 0.45 && t < 1.6;
        EXPECT_NEAR(StretchShiftAt(stretch.knees, t), Drift(t), inside ? 0.001 : 0.003) << t;
    }
    // Kept, the knees tie the project as they tied the search, and the drift they correct is
    // still measured without them.
    SetStretch(p, stretch.knees);
    ASSERT_EQ(RecomputeSynthetic(p), std::nullopt);
    EXPECT_NEAR(MeasureProjectTie(p).zeroLagR, stretch.rAfter, 1e-9);
    EXPECT_NEAR(MeasureTieWithoutStretch(p).zeroLagR, stretch.rBefore, 1e-9);
}

}  // namespace
}  // namespace tessarin::test
