#pragma once

// A long synthetic for the benchmarks: 10 000 samples at 0.5 ms (5 s) with 20 traces in each
// polarity panel, sonic-density impedance, AGC and six horizons.

#include <cmath>

#include "engine/wavelet.h"
#include "model/project.h"

namespace tessarin::bench {

inline tessarin::Project LongWell() {
    using namespace tessarin;
    Project p;
    p.wellName = "Benchmark 1";
    p.kbElevation = Value(100);
    p.glElevation = Value(90);
    p.datumType = kSpecifiedDatum;
    p.datumElevation = Value(0);
    p.datumVelocity = Value(7000);
    p.impedanceType = kSonicDensity;
    p.sampleRateIndex = 2;  // 0.5 ms
    p.sampleIntervalUs = 250;
    p.lastSampleIndex = 9999;
    double depth = 2000.0;
    for (int i = 0; i <= p.lastSampleIndex; ++i) {
        // A layered sonic of 60 to 140 us/ft with fine detail, and a density log with a gap.
        const double sonic = 100 + 30 * std::sin(i / 40 * 0.7) + 10 * std::sin(i * 0.13);
        p.timeSonic.push_back(sonic);
        p.timeDepth.push_back(depth);
        p.timeDensity.push_back(i > 3000 && i < 3500 ? kNoDensity : 2.3 + 0.2 * std::sin(i * 0.01));
        depth += 250.0 / sonic;  // a quarter of a millisecond one way
    }
    p.timeScale = Value::Text("5");
    p.tracesPerUnit = Value::Text("10");
    p.amplitudeScale = Value::Text("0.5");
    p.traceCount = 20;
    p.agcWindow = "0.5";
    p.screenCorrection = Value(1);
    p.waveletType = kBandpassWavelet;
    p.lowCut = Value(5);
    p.lowPass = Value(10);
    p.highPass = Value(50);
    p.highCut = Value(60);
    p.phaseDegrees = Value(0);
    p.waveletLength = Value(0.2);
    MakeBandpassWavelet(p);
    p.horizonCount = 6;
    const char* names[] = {"", "start of log", "Top A", "Top B", "Top C", "Top D", "end of log"};
    for (int h = 1; h <= 6; ++h) {
        p.horizonNames[h] = names[h];
        p.horizonDepths[h] = Value(p.timeDepth[static_cast<std::size_t>((h - 1) * 1999)]);
    }
    return p;
}

}  // namespace tessarin::bench
